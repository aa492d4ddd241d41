// The program as a whole: the road a teacher takes through it, and how
// every editor entry opens its window, one window on screen at a time.
#include "app/support/programfixture.h"

#include "platform/filelistbox.h"
#include "soundcolours/soundcolourwindow.h"
#include "textcore/settings.h"
#include "trainer/trainerwindow.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

using platform::Answer;
using textcore::Colour;
using textcore::SoundClass;

namespace {

const Colour kOrange = textcore::rgb(255, 128, 0);

void clickBefore(platform::RichTextField &field, int position)
{
    QTextCursor probe(field.document());
    probe.setPosition(field.documentPosition(position));
    QTest::mouseClick(field.viewport(), Qt::LeftButton, Qt::NoModifier, field.cursorRect(probe).center());
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void typicalRoad();
    void entryOpensItsWindowAndLeavingShowsTheEditor_data();
    void entryOpensItsWindowAndLeavingShowsTheEditor();
};

// Start with a settings file, load a coloured text, type a text and mark its
// syllables by clicking, choose sound colours, save the coloured text, take
// the colours over, read in the sound trainer collecting pieces, end.
void TestProgram::typicalRoad()
{
    ProgramFixture f;
    f.copyData(QStringLiteral("editor/settings-full.ini"), QStringLiteral("KOLORAT.INI"));
    f.copyData(QStringLiteral("editor/LAUTE.RTF"), QStringLiteral("LAUTE.RTF"));
    f.start();
    const QByteArray settingsAtStart = f.readFile(QStringLiteral("KOLORAT.INI"));
    const textcore::SoundColours &colours = f.program().session().sound().colours;
    QCOMPARE(colours[SoundClass::Umlauts], Colour(255));
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});

    // A coloured file from the browser: its colours become the current ones.
    f.dialogs.queueAnswer(Answer::No); // the welcome text counts as changed: load anyway
    platform::FileListBox &browser = *f.editor().findChild<platform::FileListBox *>(QStringLiteral("File1"));
    browser.setSelectedIndex(int(browser.fileNames().indexOf(QStringLiteral("LAUTE.RTF"))));
    QCOMPARE(f.workingText().text(), QStringLiteral("Backe."));
    QCOMPARE(colours[SoundClass::Capitals], textcore::kRed);
    QCOMPARE(colours[SoundClass::Umlauts], Colour(0)); // the file has none

    // A typed text, its syllables marked by clicks with the settings' separator.
    ProgramFixture::trigger(f.editor(), QStringLiteral("newTextEntry"));
    platform::RichTextField &working = f.workingText();
    QTest::keyClicks(&working, QStringLiteral("Rosine lacht. Wir lesen."));
    f.dialogs.queueAnswer(Answer::Ok); // the text holds no separators yet
    auto *clickModeButton = f.editor().findChild<QToolButton *>(QStringLiteral("clickModeButton"));
    clickModeButton->click();
    clickBefore(working, 2);
    QTRY_COMPARE(working.text(), QStringLiteral("Ro=sine lacht. Wir lesen."));
    clickBefore(working, 21);
    QTRY_COMPARE(working.text(), QStringLiteral("Ro=sine lacht. Wir le=sen."));
    clickModeButton->click();
    QCOMPARE(clickModeButton->text(), QStringLiteral("Klickmodus ein"));
    QVERIFY(f.dialogs.verifyAllAnswered());

    // The sound colour window takes the text over with soft hyphens and
    // colours it; a dropped palette colour recolours at once.
    const QString handedOver = QStringLiteral("Ro\u00ADsine lacht. Wir le\u00ADsen.");
    ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry"));
    soundcolours::SoundColourWindow &soundWindow = *f.windows().soundColoursIfBuilt();
    f.timers.fireAll();
    soundWindow.dropOnCategory(SoundClass::Capitals, QStringLiteral("Farbe14")); // orange
    const std::vector<Colour> chosen = soundWindow.preview().coloursOfAllPositions();
    QCOMPARE(soundWindow.preview().text(), handedOver);
    QCOMPARE(chosen[0], kOrange);

    // "Sichern" writes the coloured text as RTF; "Abbruch", yes, takes the
    // colours over into the working text (separators in their own colour).
    f.dialogs.queueInput(QStringLiteral("brief.rtf"));
    f.dialogs.queueAnswer(Answer::Ok);
    ProgramFixture::trigger(soundWindow, QStringLiteral("menuSichern"));
    platform::RichTextField saved;
    QVERIFY(saved.loadFile(f.path(QStringLiteral("BRIEF.RTF")), platform::FileKind::Rtf).ok());
    QCOMPARE(saved.text(), handedOver);
    QCOMPARE(saved.coloursOfAllPositions(), chosen);
    QVERIFY(browser.fileNames().contains(QStringLiteral("BRIEF.RTF")));
    f.dialogs.queueAnswer(Answer::Yes);
    ProgramFixture::trigger(soundWindow, QStringLiteral("menuAbbruch"));
    std::vector<Colour> takenOver = chosen;
    takenOver[2] = takenOver[21] = f.program().session().separator().colour;
    QCOMPARE(working.coloursOfAllPositions(), takenOver);
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});
    QVERIFY(f.dialogs.verifyAllAnswered());

    // The sound trainer in the chosen colours; both sentences collected with
    // INS, and "yes" on leaving practises them alone (the second comes first).
    ProgramFixture::trigger(f.editor(), QStringLiteral("soundTrainerEntry"));
    trainer::TrainerWindow &soundTrainer = *f.windows().trainerIfBuilt(textcore::TrainerKind::Sounds);
    platform::RichTextField &reading = *ProgramFixture::field(soundTrainer);
    for (Answer answer : {Answer::Ok, Answer::Ok, Answer::Yes})
        f.dialogs.queueAnswer(answer);
    for (int key : {Qt::Key_Home, Qt::Key_Insert, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Escape, Qt::Key_Home})
        QTest::keyClick(&soundTrainer, Qt::Key(key));
    QCOMPARE(reading.text(), QStringLiteral("Wir le\u00ADsen."));
    QCOMPARE(reading.coloursOfAllPositions()[0], kOrange);
    QTest::keyClick(&soundTrainer, Qt::Key_Escape);
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});
    QVERIFY(f.dialogs.verifyAllAnswered());

    // "Beenden" asks, and only then writes the settings file.
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT.INI")), settingsAtStart);
    f.dialogs.queueAnswer(Answer::Yes);
    ProgramFixture::trigger(f.editor(), QStringLiteral("exitEntry"));
    QCOMPARE(f.programEnds, 1);
    const textcore::SettingsReadResult written
        = textcore::ReadSettings(f.path(QStringLiteral("KOLORAT.INI")).toStdString());
    QVERIFY(!written.failed);
    QCOMPARE(written.settings.soundColours.colours, colours.colours);
    QVERIFY(written.settings.separator == u"=");
}

void TestProgram::entryOpensItsWindowAndLeavingShowsTheEditor_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("leave"); // a menu entry, a control, or "close box"
    QTest::addColumn<bool>("overEditor");
    const char *rows[][3] = {
        {"soundColoursEntry", "Form2", "menuAbbruch"},   {"soundColoursEntry", "Form2", "close box"},
        {"syllableColoursEntry", "Form3", "Abbruch"},    {"syllableColoursEntry", "Form3", "close box"},
        {"soundTrainerEntry", "Form1", "menu1"},         {"syllableTrainerEntry", "Form4", "close box"},
        {"fontSelectionEntry", "Form5", "cancelButton"}, {"fontSelectionEntry", "Form5", "close box"},
        {"aboutEntry", "ZAFLABEL", "okayField"},         {"aboutEntry", "ZAFLABEL", "close box"},
    };
    for (const auto &r : rows) {
        const bool overEditor = QByteArray(r[0]).endsWith("ColoursEntry") || QByteArray(r[0]) == "aboutEntry";
        QTest::addRow("%s, %s", r[1], r[2]) << r[0] << r[1] << r[2] << overEditor;
    }
}

void TestProgram::entryOpensItsWindowAndLeavingShowsTheEditor()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, leave);
    QFETCH(bool, overEditor);
    ProgramFixture f;
    f.start(true);
    f.editor().move(37, 41);
    const QPoint editorPlace = f.editor().pos();
    ProgramFixture::trigger(f.editor(), entry);
    f.timers.fireAll();
    QCOMPARE(f.windows().visibleWindows().size(), 1);
    QWidget *opened = f.windows().visibleWindows().first();
    QCOMPARE(opened->objectName(), window);
    if (overEditor)
        QCOMPARE(opened->pos(), editorPlace);
    else if (window == QLatin1String("Form5"))
        QVERIFY(opened->pos() != editorPlace);
    else
        QTRY_COMPARE(opened->frameGeometry(), opened->screen()->geometry());
    if (platform::RichTextField *field = ProgramFixture::field(*opened))
        QVERIFY(!field->text().isEmpty()); // the text arrived with its delay

    // The colour windows ask whether to take their colours over.
    if (leave.contains(QLatin1String("Abbruch")))
        f.dialogs.queueAnswer(Answer::No);
    opened->move(61, 67);
    if (leave == QLatin1String("close box"))
        opened->close();
    else if (auto *button = opened->findChild<QPushButton *>(leave))
        button->click();
    else if (auto *label = opened->findChild<QWidget *>(leave))
        QTest::mouseClick(label, Qt::LeftButton);
    else
        ProgramFixture::trigger(*opened, leave);
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&f.editor()});
    // Windows over the editor give it their place back when left the
    // ordinary way; a colour window's close box leaves the editor in place.
    const bool movesEditor = overEditor && (leave != QLatin1String("close box") || window == QLatin1String("ZAFLABEL"));
    QCOMPARE(f.editor().pos(), movesEditor ? QPoint(61, 67) : editorPlace);
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
