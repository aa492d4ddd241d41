// The road a teacher takes through the whole program, as one test: start
// with a settings file, load a coloured text, type a text and mark its
// syllables by clicking, choose sound colours, save the coloured text,
// take the colours over, read in the sound trainer and collect pieces,
// pick a font, and end. Files and colours are checked at every stage.
#include "app/support/programfixture.h"

#include "editor/editorwindow.h"
#include "fonts/fontselectionwindow.h"
#include "platform/filelistbox.h"
#include "platform/richtextfield.h"
#include "soundcolours/soundcolourwindow.h"
#include "syllables/syllablecolourwindow.h"
#include "textcore/settings.h"
#include "textcore/soundcolouring.h"
#include "textcore/trainercolouring.h"
#include "trainer/trainerwindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <filesystem>

using platform::Answer;
using textcore::Colour;
using textcore::SoundClass;
using textcore::SoundColours;
using textcore::TrainerKind;

namespace {

const QChar kSoft(0x00AD);
const Colour kMagenta = textcore::rgb(192, 0, 192);
const Colour kCyan = textcore::rgb(0, 192, 192);
const Colour kGreen = textcore::rgb(0, 192, 0);
const Colour kOrange = textcore::rgb(255, 128, 0);
const Colour kDarkBlue = textcore::rgb(0, 0, 192);

QString soft(QString text)
{
    return text.replace(QLatin1Char('^'), kSoft);
}

SoundColours coloursOf(app::Program &program)
{
    return program.session().sound().colours;
}

// What the sound colour window's preview must show for this text.
std::vector<Colour> previewColours(app::Program &program, const QString &text)
{
    return textcore::ColourBySounds(text.toStdU16String(), program.session().sound().colours,
                                    program.session().sound().specialGroupsText, textcore::SoundVariant::ColourWindow)
        .colours;
}

// What the sound trainer must show for this display text.
std::vector<Colour> trainerColours(app::Program &program, const QString &text)
{
    return textcore::ColourReadingText(TrainerKind::Sounds, text.toStdU16String(), program.session().sound().colours,
                                       textcore::ParseSpecialGroups(program.session().sound().specialGroupsText),
                                       program.session().syllables().colours, program.session().syllables().counting)
        .colours;
}

struct LoadedFile {
    QString text;
    std::vector<Colour> colours;
};

LoadedFile loadRtf(const QString &path)
{
    platform::RichTextField field;
    LoadedFile loaded;
    if (field.loadFile(path, platform::FileKind::Rtf).ok()) {
        loaded.text = field.text();
        loaded.colours = field.coloursOfAllPositions();
    }
    return loaded;
}

void clickBefore(platform::RichTextField &field, int position)
{
    QTextCursor probe(field.document());
    probe.setPosition(field.documentPosition(position));
    QTest::mouseClick(field.viewport(), Qt::LeftButton, Qt::NoModifier, field.cursorRect(probe).center());
}

} // namespace

class TestTypicalRoad : public QObject {
    Q_OBJECT

private slots:
    void teacherPreparesAndChildReads();
};

void TestTypicalRoad::teacherPreparesAndChildReads()
{
    ProgramFixture f;
    f.copyData(QStringLiteral("editor/settings-full.ini"), QStringLiteral("KOLORAT.INI"));
    f.copyData(QStringLiteral("editor/LAUTE.RTF"), QStringLiteral("LAUTE.RTF"));

    // 1. Start: the settings file fills the holders, the editor is alone.
    f.start();
    const QList<QWidget *> onlyEditor{&f.editor()};
    const QByteArray settingsAtStart = f.readFile(QStringLiteral("KOLORAT.INI"));
    QVERIFY(!settingsAtStart.isEmpty());
    const SoundColours fromSettings = coloursOf(f.program());
    QCOMPARE(fromSettings[SoundClass::SpecialGroups], Colour(16711935));
    QCOMPARE(fromSettings[SoundClass::Background], Colour(13421772));
    QCOMPARE(fromSettings[SoundClass::Umlauts], Colour(255));
    QCOMPARE(f.editor().currentSeparator(), QStringLiteral("="));
    QCOMPARE(f.windows().visibleWindows(), onlyEditor);
    QVERIFY(f.dialogs.verifyAllAnswered());

    // 2. A coloured file from the browser: its colours become the current
    // ones; special groups and background stay as the settings had them.
    f.dialogs.queueAnswer(Answer::No); // the welcome text counts as changed: load anyway
    platform::FileListBox &browser = f.editor().fileBrowser();
    QVERIFY(browser.fileNames().contains(QStringLiteral("LAUTE.RTF")));
    browser.setSelectedIndex(int(browser.fileNames().indexOf(QStringLiteral("LAUTE.RTF"))));
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.workingText().text(), QStringLiteral("Backe."));
    {
        const SoundColours loaded = coloursOf(f.program());
        QCOMPARE(loaded[SoundClass::Capitals], textcore::kRed);
        QCOMPARE(loaded[SoundClass::Vowels], kGreen);
        QCOMPARE(loaded[SoundClass::DoubleConsonants], kMagenta);
        QCOMPARE(loaded[SoundClass::Punctuation], kCyan);
        QCOMPARE(loaded[SoundClass::Umlauts], Colour(0)); // the file has none
        QCOMPARE(loaded[SoundClass::SpecialGroups], fromSettings[SoundClass::SpecialGroups]);
        QCOMPARE(loaded[SoundClass::Background], fromSettings[SoundClass::Background]);
    }

    // 3. A new text, typed, its syllables marked by clicks in click mode
    // with the separator the settings chose.
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("newTextEntry")));
    platform::RichTextField &working = f.workingText();
    QCOMPARE(working.text(), QString());
    QTest::keyClicks(&working, QStringLiteral("Rosine lacht. Wir lesen."));
    QCOMPARE(working.text(), QStringLiteral("Rosine lacht. Wir lesen."));
    f.dialogs.queueAnswer(Answer::Ok); // the text holds no separators yet
    f.editor().toggleClickMode();
    QVERIFY(f.editor().clickMode());
    clickBefore(working, 2);
    QTRY_COMPARE(working.text(), QStringLiteral("Ro=sine lacht. Wir lesen."));
    clickBefore(working, 21);
    QTRY_COMPARE(working.text(), QStringLiteral("Ro=sine lacht. Wir le=sen."));
    f.editor().toggleClickMode();
    QVERIFY(!f.editor().clickMode());
    QCOMPARE(working.coloursOfAllPositions()[2], f.editor().separatorColour());
    QVERIFY(f.dialogs.verifyAllAnswered());

    // 4. The sound colour window opens over the editor with the text in
    // its hand-over form, and colours it 200 ms later.
    const QString handedOver = soft(QStringLiteral("Ro^sine lacht. Wir le^sen."));
    f.editor().move(30, 40);
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundColoursEntry")));
    soundcolours::SoundColourWindow &soundWindow = *f.windows().soundColoursIfBuilt();
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&soundWindow});
    QCOMPARE(soundWindow.pos(), QPoint(30, 40));
    QCOMPARE(working.text(), handedOver);
    QCOMPARE(f.timers.pendingDelays(), QList<int>{soundcolours::SoundColourWindow::kActivationDelayMs});
    f.timers.fireAll();
    QCOMPARE(soundWindow.preview().text(), handedOver);
    QCOMPARE(soundWindow.preview().coloursOfAllPositions(), previewColours(f.program(), handedOver));
    QCOMPARE(soundWindow.preview().coloursOfAllPositions()[0], textcore::kRed);

    // Palette colours dropped on the letter classes recolour at once.
    soundWindow.dropOnCategory(SoundClass::Capitals, QStringLiteral("Farbe14"));  // orange
    soundWindow.dropOnCategory(SoundClass::Vowels, QStringLiteral("Farbe5"));     // dark blue
    soundWindow.dropOnCategory(SoundClass::Consonants, QStringLiteral("Farbe1")); // black
    QCOMPARE(coloursOf(f.program())[SoundClass::Capitals], kOrange);
    QCOMPARE(coloursOf(f.program())[SoundClass::Vowels], kDarkBlue);
    const std::vector<Colour> chosenColours = soundWindow.preview().coloursOfAllPositions();
    QCOMPARE(chosenColours, previewColours(f.program(), handedOver));
    QCOMPARE(chosenColours[0], kOrange);          // R
    QCOMPARE(chosenColours[1], kDarkBlue);        // o
    QCOMPARE(chosenColours[3], textcore::kBlack); // s

    // 5. "Sichern": the coloured text as RTF, loaded into the editor, the
    // browser listing it.
    f.dialogs.queueInput(QStringLiteral("brief.rtf"));
    f.dialogs.queueAnswer(Answer::Ok);
    QVERIFY(ProgramFixture::trigger(soundWindow, QStringLiteral("menuSichern")));
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("BRIEF.RTF wurde gespeichert.\r\r"));
    const QByteArray savedBytes = f.readFile(QStringLiteral("BRIEF.RTF"));
    QVERIFY(savedBytes.startsWith("{\\rtf"));
    const LoadedFile saved = loadRtf(f.path(QStringLiteral("BRIEF.RTF")));
    QCOMPARE(saved.text, handedOver);
    QCOMPARE(saved.colours, chosenColours);
    QCOMPARE(working.text(), handedOver);
    QCOMPARE(working.coloursOfAllPositions(), chosenColours);
    QVERIFY(browser.fileNames().contains(QStringLiteral("BRIEF.RTF")));
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&soundWindow});

    // 6. One more colour, then "Abbruch" with Yes: the WorkingText takes
    // the preview's colours; the saved file keeps those it was saved with.
    soundWindow.dropOnCategory(SoundClass::Vowels, QStringLiteral("Farbe9")); // green
    const std::vector<Colour> finalColours = soundWindow.preview().coloursOfAllPositions();
    QCOMPARE(finalColours[1], kGreen);
    QCOMPARE(working.coloursOfAllPositions()[1], kDarkBlue);
    soundWindow.move(50, 60);
    f.dialogs.queueAnswer(Answer::Yes);
    QVERIFY(ProgramFixture::trigger(soundWindow, QStringLiteral("menuAbbruch")));
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("Die Farben so übernehmen?\r\r"));
    // Back in the editor, whose separators click mode had left visible, the
    // boundaries are hidden again: soft hyphens in the separator colour.
    std::vector<Colour> takenOver = finalColours;
    for (int i = 0; i < handedOver.size(); ++i)
        if (handedOver[i] == kSoft)
            takenOver[std::size_t(i)] = f.editor().separatorColour();
    QCOMPARE(working.text(), handedOver);
    QCOMPARE(working.coloursOfAllPositions(), takenOver);
    QVERIFY(!f.editor().separatorsVisible());
    QCOMPARE(f.readFile(QStringLiteral("BRIEF.RTF")), savedBytes);
    QCOMPARE(f.windows().visibleWindows(), onlyEditor);
    QCOMPARE(f.editor().pos(), QPoint(50, 60));

    // 7. The sound trainer on the full screen: sentence steps with HOME,
    // coloured with the colours just chosen, pieces collected with INS.
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("soundTrainerEntry")));
    trainer::TrainerWindow &soundTrainer = *f.windows().trainerIfBuilt(TrainerKind::Sounds);
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&soundTrainer});
    QVERIFY(soundTrainer.isFullScreenView());
    platform::RichTextField &reading = *readingField(soundTrainer);
    QCOMPARE(reading.text(), handedOver);
    const QString first = soft(QStringLiteral("Ro^sine lacht."));
    const QString second = QStringLiteral("Wir le%1sen.").arg(kSoft);
    QTest::keyClick(&soundTrainer, Qt::Key_Home);
    QCOMPARE(reading.text(), first);
    QCOMPARE(reading.coloursOfAllPositions(), trainerColours(f.program(), first));
    QCOMPARE(reading.coloursOfAllPositions()[0], kOrange);
    QCOMPARE(reading.coloursOfAllPositions()[1], kGreen);
    f.dialogs.queueAnswer(Answer::Ok);
    QTest::keyClick(&soundTrainer, Qt::Key_Insert);
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("Der Text wurde in die Übungsliste aufgenommen.\r\r"));
    QTest::keyClick(&soundTrainer, Qt::Key_Home);
    QCOMPARE(reading.text(), second);
    QCOMPARE(reading.coloursOfAllPositions(), trainerColours(f.program(), second));
    f.dialogs.queueAnswer(Answer::Ok);
    QTest::keyClick(&soundTrainer, Qt::Key_Insert);
    QCOMPARE(soundTrainer.trainer().ExerciseList().size(), std::size_t(2));
    QVERIFY(f.dialogs.verifyAllAnswered());

    // Leaving with pieces collected asks; Yes adopts them and stays, the
    // sentence steps now run through the collected pieces only.
    f.dialogs.queueAnswer(Answer::Yes);
    QTest::keyClick(&soundTrainer, Qt::Key_Escape);
    QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Übungsliste"));
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&soundTrainer});
    QVERIFY(soundTrainer.trainer().ExerciseList().empty());
    QTest::keyClick(&soundTrainer, Qt::Key_Home);
    const QString afterAdoption = reading.text();
    QTest::keyClick(&soundTrainer, Qt::Key_Home);
    QCOMPARE((QStringList{afterAdoption, reading.text()}), (QStringList{second, first}));
    // Now the list is empty: ESC leaves without a question.
    QTest::keyClick(&soundTrainer, Qt::Key_Escape);
    QCOMPARE(f.windows().visibleWindows(), onlyEditor);
    QVERIFY(f.dialogs.verifyAllAnswered());
    // The trainer only reads: the WorkingText is as the colour window left it.
    QCOMPARE(working.text(), handedOver);
    QCOMPARE(working.coloursOfAllPositions(), takenOver);

    // 8. A new offered font, applied to the reading fields.
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("fontSelectionEntry")));
    fonts::FontSelectionWindow &fontWindow = *f.windows().fontSelectionIfBuilt();
    QCOMPARE(f.windows().visibleWindows(), QList<QWidget *>{&fontWindow});
    f.timers.fireAll();
    auto *system = fontWindow.findChild<QListWidget *>(QStringLiteral("systemFontList"));
    system->setCurrentItem(system->findItems(QStringLiteral("Andika"), Qt::MatchExactly).value(0));
    fontWindow.findChild<QPushButton *>(QStringLiteral("addButton"))->click();
    auto *offered = fontWindow.findChild<QListWidget *>(QStringLiteral("offeredFontList"));
    offered->setCurrentItem(offered->findItems(QStringLiteral("Andika"), Qt::MatchExactly).value(0));
    fontWindow.findChild<QPushButton *>(QStringLiteral("applyButton"))->click();
    QCOMPARE(f.windows().visibleWindows(), onlyEditor);
    QCOMPARE(reading.fieldFontName(), QStringLiteral("Andika"));
    QCOMPARE(soundWindow.preview().fieldFontName(), QStringLiteral("Andika"));
    QCOMPARE(readingField(f.windows().syllableColours())->fieldFontName(), QStringLiteral("Andika"));

    // 9. "Beenden" asks and writes the settings file with the new colours
    // and fonts; nothing wrote it before.
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT.INI")), settingsAtStart);
    f.dialogs.queueAnswer(Answer::Yes);
    QVERIFY(ProgramFixture::trigger(f.editor(), QStringLiteral("exitEntry")));
    QCOMPARE(f.programEnds, 1);
    QVERIFY(f.dialogs.verifyAllAnswered());
    const textcore::SettingsReadResult written
        = textcore::ReadSettings(std::filesystem::path(f.path(QStringLiteral("KOLORAT.INI")).toStdString()));
    QVERIFY(!written.failed);
    const SoundColours &kept = written.settings.soundColours;
    QCOMPARE(kept[SoundClass::SpecialGroups], Colour(16711935));
    QCOMPARE(kept[SoundClass::Background], Colour(13421772));
    QCOMPARE(kept[SoundClass::Consonants], textcore::kBlack);
    QCOMPARE(kept[SoundClass::Vowels], kGreen);
    QCOMPARE(kept[SoundClass::Umlauts], Colour(0));
    QCOMPARE(kept[SoundClass::Capitals], kOrange);
    QCOMPARE(kept[SoundClass::Punctuation], kCyan);
    QCOMPARE(kept[SoundClass::DoubleConsonants], kMagenta);
    QVERIFY(written.settings.specialGroupsText == u"ß,chs,");
    QCOMPARE(written.settings.syllableColours.first, kMagenta);
    QCOMPARE(written.settings.syllableColours.second, kCyan);
    QVERIFY(written.settings.separator == u"=");
    QVERIFY((written.settings.offeredFonts
             == std::vector<std::u16string>{u"Andika", u"Comic Sans MS", u"Times New Roman"}));
}

QTEST_MAIN(TestTypicalRoad)
#include "tst_typicalroad.moc"
