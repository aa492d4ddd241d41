// The program as a whole: the road a teacher takes through it, how every
// editor entry opens its window, one window on screen at a time, and the
// chosen font reaching every reading field.
#include "app/program.h"
#include "app/programwindows.h"
#include "editor/editorwindow.h"
#include "platform/filelistbox.h"
#include "platform/richtextfield.h"
#include "soundcolours/soundcolourwindow.h"
#include "support/doubles.h"
#include "syllables/syllablecolourwindow.h"
#include "textcore/settings.h"
#include "trainer/trainerwindow.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

using platform::Answer;
using textcore::TrainerKind;

namespace {

const textcore::Colour kOrange = textcore::rgb(255, 128, 0);

// Every window gets its own boxes in the program; here they all answer
// from the one script, in the order the user would meet them.
struct ScriptForwarder : platform::Dialogs {
    explicit ScriptForwarder(testsupport::ScriptedDialogs &answers) : script(answers) {}
    Answer message(const platform::MessageRequest &request) override { return script.message(request); }
    QString input(const QString &p, const QString &t, const QString &d) override { return script.input(p, t, d); }
    testsupport::ScriptedDialogs &script;
};

// The whole program headless in a temporary current folder holding a full
// settings file and a coloured RTF file; delays are fired by the test and
// the program's end is counted.
struct ProgramFixture {
    ProgramFixture()
    {
        QFile::copy(QStringLiteral(KOLORAT_TEST_DATA "/editor/settings-full.ini"), path("KOLORAT.INI"));
        QFile::copy(QStringLiteral(KOLORAT_TEST_DATA "/editor/LAUTE.RTF"), path("LAUTE.RTF"));
        program = std::make_unique<app::Program>(dialogs, dir.path());
        program->setPrinter(std::make_unique<testsupport::RecordingPrinter>());
        editor().setEndProgram([this] { ++programEnds; });
        app::WindowServices services;
        services.makeDialogs = [this] { return std::make_unique<ScriptForwarder>(dialogs); };
        services.timers = &timers;
        windows = std::make_unique<app::ProgramWindows>(*program, services);
        editor().startUpTimer().stop();
        editor().startUpStep();
        editor().show();
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    editor::EditorWindow &editor() { return program->editor(); }
    QList<QWidget *> visible() const { return windows->visibleWindows(); }
    static platform::RichTextField *field(QWidget &w) { return w.findChild<platform::RichTextField *>("RichTextBox1"); }
    // The menu entry with this object name or, where a window names its
    // entries only by their text, with this text.
    static void trigger(QWidget &window, const QString &entry)
    {
        for (QAction *action : window.findChildren<QAction *>())
            if ((action->objectName() == entry || action->text() == entry) && action->isEnabled())
                return action->trigger();
        qFatal("no enabled entry %s", qPrintable(entry));
    }

    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    testsupport::ManualTimers timers;
    int programEnds = 0;
    std::unique_ptr<app::Program> program;
    std::unique_ptr<app::ProgramWindows> windows; // gone before the program whose editor it uses
};

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void typicalRoad();
    void entryOpensItsWindowAndLeavingShowsTheEditor_data();
    void entryOpensItsWindowAndLeavingShowsTheEditor();
    void chosenFontReachesWindowsBuiltBeforeAndAfter();
};

// Start with a settings file, load a coloured text, type a text and mark its
// syllables by clicking, choose sound colours, save the coloured text, take
// the colours over, read in the sound trainer collecting pieces, end.
void TestProgram::typicalRoad()
{
    ProgramFixture f;
    const textcore::SoundColours &colours = f.program->session().sound().colours;
    platform::RichTextField &working = *ProgramFixture::field(f.editor());

    // A coloured file from the browser: its colours become the current ones.
    f.dialogs.queueAnswer(Answer::No); // the welcome text counts as changed: load anyway
    platform::FileListBox &browser = *f.editor().findChild<platform::FileListBox *>(QStringLiteral("File1"));
    browser.setSelectedIndex(int(browser.fileNames().indexOf(QStringLiteral("LAUTE.RTF"))));
    QCOMPARE(working.text(), QStringLiteral("Backe."));
    QCOMPARE(colours[textcore::SoundClass::Capitals], textcore::kRed);

    // A typed text, its syllables marked by clicks with the settings' separator.
    ProgramFixture::trigger(f.editor(), QStringLiteral("newTextEntry"));
    QTest::keyClicks(&working, QStringLiteral("Rosine lacht. Wir lesen."));
    f.dialogs.queueAnswer(Answer::Ok); // the text holds no separators yet
    QWidget *clickMode = f.editor().findChild<QWidget *>(QStringLiteral("clickModeButton"));
    const auto clickBefore = [&working](int position) {
        QTextCursor probe(working.document());
        probe.setPosition(working.documentPosition(position));
        QTest::mouseClick(working.viewport(), Qt::LeftButton, {}, working.cursorRect(probe).center());
    };
    QTest::mouseClick(clickMode, Qt::LeftButton);
    clickBefore(2);
    QTRY_COMPARE(working.text(), QStringLiteral("Ro=sine lacht. Wir lesen."));
    clickBefore(21);
    QTRY_COMPARE(working.text(), QStringLiteral("Ro=sine lacht. Wir le=sen."));
    QTest::mouseClick(clickMode, Qt::LeftButton);

    // The sound colour window takes the text over with soft hyphens and
    // colours it; a dropped palette colour recolours at once.
    const QString handedOver = QStringLiteral("Ro\u00ADsine lacht. Wir le\u00ADsen.");
    ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry"));
    soundcolours::SoundColourWindow &soundWindow = *f.windows->soundColoursIfBuilt();
    f.timers.fireAll();
    soundWindow.dropOnCategory(textcore::SoundClass::Capitals, QStringLiteral("Farbe14")); // orange
    const std::vector<textcore::Colour> chosen = soundWindow.preview().coloursOfAllPositions();
    QCOMPARE(chosen[0], kOrange);

    // "Sichern" writes the coloured text as RTF; "Abbruch", yes, takes the
    // colours over into the working text (separators in their own colour).
    f.dialogs.queueInput(QStringLiteral("brief.rtf"));
    f.dialogs.queueAnswer(Answer::Ok);
    ProgramFixture::trigger(soundWindow, QStringLiteral("menuSichern"));
    platform::RichTextField saved;
    QVERIFY(saved.loadFile(f.path("BRIEF.RTF"), platform::FileKind::Rtf).ok());
    QCOMPARE(saved.coloursOfAllPositions(), chosen);
    QVERIFY(browser.fileNames().contains(QStringLiteral("BRIEF.RTF")));
    f.dialogs.queueAnswer(Answer::Yes);
    ProgramFixture::trigger(soundWindow, QStringLiteral("menuAbbruch"));
    std::vector<textcore::Colour> takenOver = chosen;
    takenOver[2] = takenOver[21] = f.program->session().separator().colour;
    QCOMPARE(working.coloursOfAllPositions(), takenOver);
    QVERIFY(f.dialogs.verifyAllAnswered());

    // The sound trainer in the chosen colours; both sentences collected with
    // INS, and "yes" on leaving practises them alone (the second comes first).
    ProgramFixture::trigger(f.editor(), QStringLiteral("soundTrainerEntry"));
    trainer::TrainerWindow &soundTrainer = *f.windows->trainerIfBuilt(TrainerKind::Sounds);
    for (Answer answer : {Answer::Ok, Answer::Ok, Answer::Yes})
        f.dialogs.queueAnswer(answer);
    for (int key : {Qt::Key_Home, Qt::Key_Insert, Qt::Key_Home, Qt::Key_Insert, Qt::Key_Escape, Qt::Key_Home})
        QTest::keyClick(&soundTrainer, Qt::Key(key));
    QCOMPARE(ProgramFixture::field(soundTrainer)->text(), QStringLiteral("Wir le\u00ADsen."));
    QCOMPARE(ProgramFixture::field(soundTrainer)->coloursOfAllPositions()[0], kOrange);
    QTest::keyClick(&soundTrainer, Qt::Key_Escape);

    // "Beenden" writes the chosen colours into the settings file.
    f.dialogs.queueAnswer(Answer::Yes);
    ProgramFixture::trigger(f.editor(), QStringLiteral("exitEntry"));
    QCOMPARE(f.programEnds, 1);
    QCOMPARE(textcore::ReadSettings(f.path("KOLORAT.INI").toStdString()).settings.soundColours.colours,
             colours.colours);
}

void TestProgram::entryOpensItsWindowAndLeavingShowsTheEditor_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("leave"); // a menu entry, a control, or "close box"
    const char *rows[][3] = {
        {"soundColoursEntry", "Form2", "menuAbbruch"},  {"syllableColoursEntry", "Form3", "Abbruch"},
        {"syllableColoursEntry", "Form3", "close box"}, {"soundTrainerEntry", "Form1", "menu1"},
        {"syllableTrainerEntry", "Form4", "close box"}, {"fontSelectionEntry", "Form5", "cancelButton"},
        {"fontSelectionEntry", "Form5", "close box"},   {"aboutEntry", "ZAFLABEL", "okayField"},
    };
    for (const auto &r : rows)
        QTest::addRow("%s, %s", r[1], r[2]) << r[0] << r[1] << r[2];
}

void TestProgram::entryOpensItsWindowAndLeavingShowsTheEditor()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, leave);
    const bool overEditor = entry.endsWith(QLatin1String("ColoursEntry")) || window == QLatin1String("ZAFLABEL");
    ProgramFixture f;
    f.editor().move(37, 41);
    ProgramFixture::trigger(f.editor(), entry);
    f.timers.fireAll();
    QCOMPARE(f.visible().size(), 1);
    QWidget *opened = f.visible().first();
    QCOMPARE(opened->objectName(), window);
    QCOMPARE(opened->pos() == QPoint(37, 41), overEditor); // the others are centred or cover the screen

    // The colour windows ask whether to take their colours over.
    if (leave.contains(QLatin1String("Abbruch")))
        f.dialogs.queueAnswer(Answer::No);
    opened->move(61, 67);
    if (leave == QLatin1String("close box"))
        opened->close();
    else if (auto *control = opened->findChild<QWidget *>(leave))
        QTest::mouseClick(control, Qt::LeftButton);
    else
        ProgramFixture::trigger(*opened, leave);
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.visible(), QList<QWidget *>{&f.editor()});
    // Windows over the editor give it their place back when left the
    // ordinary way; a colour window's close box leaves the editor in place.
    QCOMPARE(f.editor().pos(), overEditor && leave != QLatin1String("close box") ? QPoint(61, 67) : QPoint(37, 41));
}

// The first choice comes before any reading window is built, the second
// after all of them are.
void TestProgram::chosenFontReachesWindowsBuiltBeforeAndAfter()
{
    ProgramFixture f;
    for (const char *list : {"offeredFontList", "verdanaList"}) {
        ProgramFixture::trigger(f.editor(), QStringLiteral("fontSelectionEntry"));
        QWidget &fonts = *f.visible().first();
        fonts.findChild<QListWidget *>(list)->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        QTest::mouseClick(fonts.findChild<QWidget *>(QStringLiteral("applyButton")), Qt::LeftButton);
        QStringList shown;
        for (QWidget *window : QList<QWidget *>{&f.windows->soundColours(), &f.windows->syllableColours(),
                                                &f.windows->trainerWindow(TrainerKind::Sounds),
                                                &f.windows->trainerWindow(TrainerKind::Syllables)})
            shown << ProgramFixture::field(*window)->fieldFontName();
        QCOMPARE(shown, QStringList(4, list == QByteArray("verdanaList") ? "Verdana" : "Comic Sans MS"));
    }
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
