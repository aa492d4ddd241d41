// The editor window: its look after start-up, the settings file read at
// start-up and written on a confirmed exit, and its commands reached through
// their menu entries and buttons: what each does to the text, the hand-over
// to the other windows, click mode, syllable marking and reading aloud, and
// every box of the commands' roads in one golden transcript. The syllable
// rules themselves are tested in tests/syllabify; a one-rule pattern file
// ("t" between vowels: «Kat-ze») keeps these tests quick.
#include "platform/filelistbox.h"
#include "platform/styledtextdump.h"
#include "support/editorfixture.h"
#include "support/windowdump.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <functional>
#include <tuple>

class TestEditorWindow : public QObject {
    Q_OBJECT
private slots:
    void looksAsDrawnAfterStartUp();
    void settingsReadAtStartUpAndWrittenOnExit();
    void formattingBoxesApplyToTheWholeText();
    void commandsChangeTheText();
    void windowsOpenWithTheTextHandedOver();
    void clickModeAndInsertTypeTheSeparator();
    void syllableMarksGoIntoTheSelectedWordsAsRemembered();
    void readsTheSelectionWithoutItsMarks();
    void boxesOfEveryRoad();
};

void TestEditorWindow::looksAsDrawnAfterStartUp()
{
    EditorFixture f;
    f.copyData(QStringLiteral("editor/settings-full.ini"), QStringLiteral("KOLORAT.INI"));
    QTimer &timer = f.window.startUpTimer();
    QVERIFY(timer.isActive() && timer.isSingleShot());
    QCOMPARE(timer.interval(), 100);
    QTRY_VERIFY(!f.field().text().isEmpty());
    QVERIFY(!timer.isActive());
    QVERIFY(f.dialogs.calls().isEmpty());

    f.window.show();
    // After the look, the welcome text: its marks are soft hyphens in red, no separator shows.
    QString look
        = testsupport::dumpWindow(f.window) + QString::fromUtf8(platform::dumpStyledText(f.field().styledText()));
    look.replace(f.session.folder(), QStringLiteral("<folder>"));
    KOLORAT_VERIFY_GOLDEN(look, "editor");
}

void TestEditorWindow::settingsReadAtStartUpAndWrittenOnExit()
{
    EditorFixture f;
    f.copyData(QStringLiteral("editor/settings-short.ini"), QStringLiteral("KOLORAT.INI"));
    const QByteArray original = f.readFile(QStringLiteral("KOLORAT.INI"));
    f.dialogs.queue({Answer::Ok}); // it stops at line 7
    f.start();
    f.window.show();
    f.dialogs.queue({Answer::Yes});
    QVERIFY(f.window.close());
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.programEnds, 1);
    f.copyData(QStringLiteral("editor/settings-short-written.ini"), QStringLiteral("WRITTEN.INI"));
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT.INI")), f.readFile(QStringLiteral("WRITTEN.INI")));
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT.INI.BAK")), original);

    EditorFixture blank;
    blank.copyData(QStringLiteral("editor/settings-blank-separator.ini"), QStringLiteral("KOLORAT.INI"));
    blank.start();
    for (const char *name :
         {"separatorHyphenEntry", "separatorEqualsEntry", "separatorTildeEntry", "separatorSlashEntry"})
        QVERIFY2(blank.control<QAction>(name)->isChecked(), name); // a blank separator line checks all four
}

void TestEditorWindow::formattingBoxesApplyToTheWholeText()
{
    EditorFixture f;
    f.start();
    const platform::CharFormat red{textcore::kRed, {}, 0, true, false};
    const platform::CharFormat blue{textcore::rgb(0, 0, 255), {}, 0, false, true};
    f.field().setStyledText({{QStringLiteral("Rot"), red}, {QStringLiteral(" blau"), blue}});
    auto *sizes = f.control<QComboBox>("FontSizes");
    emit sizes->activated(sizes->findText(QStringLiteral("24")));
    emit f.control<QComboBox>("EditorFonts")->activated(1);
    emit f.control<QComboBox>("Styles")->activated(0); // "fett": italic stays as it was
    const platform::StyledText runs = f.field().styledText();
    QCOMPARE(runs.size(), size_t(2));
    QCOMPARE(runs[0].format, (platform::CharFormat{red.colour, QStringLiteral("Verdana"), 24, true, false}));
    QCOMPARE(runs[1].format, (platform::CharFormat{blue.colour, QStringLiteral("Verdana"), 24, true, true}));
    emit f.control<QComboBox>("Styles")->activated(2); // "normal"
    for (const platform::StyledRun &run : f.field().styledText())
        QVERIFY(!run.format.bold && !run.format.italic);
}

void TestEditorWindow::commandsChangeTheText()
{
    struct Command {
        const char *entry;
        QString text;
        int selLength; // selected from position 1
        QString typed; // the input box's answer, if it asks
        QString expected;
        bool marksColoured; // in the separator colour
    };
    const Command commands[] = {
        {"searchReplaceEntry", QStringLiteral("aabb"), 2, QStringLiteral("a"), QStringLiteral("aa"), false},
        {"filterEntry", QStringLiteral("\"Ab\" ba"), 0, QStringLiteral("\""), QStringLiteral("Ab ba"), false},
        {"replaceSeparatorEntry", QStringLiteral("A*ba Ro*se"), 1, {}, QStringLiteral("A-ba Ro-se"), false},
        {"separatorSlashEntry", QStringLiteral("Ab-ba Ro=se"), 0, {}, QStringLiteral("Ab/ba Ro/se"), true},
        {"colourBlueEntry", QStringLiteral("Ab=ba Ro\u00ADse"), 0, {}, QStringLiteral("Ab-ba Ro-se"), true},
    };
    for (const Command &command : commands) {
        EditorFixture f;
        f.start();
        // Colours, fonts and styles must come back with the text on undo.
        f.field().setStyledText({{command.text, {textcore::rgb(0, 0, 255), QStringLiteral("Verdana"), 20, true}}});
        const QByteArray before = platform::dumpStyledText(f.field().styledText());
        f.field().setSel(1, command.selLength);
        if (!command.typed.isEmpty())
            f.dialogs.queue({command.typed});
        f.trigger(command.entry);
        QVERIFY2(f.dialogs.verifyAllAnswered(), command.entry);
        QCOMPARE(f.field().text(), command.expected);
        const std::vector<Colour> colours = f.field().coloursOfAllPositions();
        for (qsizetype i = 0; i < command.expected.size(); ++i)
            if (command.expected[i] == QLatin1Char('-') || command.expected[i] == QLatin1Char('/'))
                QCOMPARE(colours[size_t(i)] == f.session.separator().colour, command.marksColoured);
        // Whatever the command replaced comes back with one undo step.
        f.field().document()->undo();
        QCOMPARE(platform::dumpStyledText(f.field().styledText()), before);
    }
}

void TestEditorWindow::windowsOpenWithTheTextHandedOver()
{
    EditorFixture f;
    f.start();
    QString opened;
    QPoint at;
    auto hook = [&](const char *name) {
        return [&, name](const QPoint &topLeft) { opened = QString::fromLatin1(name), at = topLeft; };
    };
    const char *entries[] = {"soundColoursEntry",    "syllableColoursEntry", "soundTrainerEntry",
                             "syllableTrainerEntry", "fontSelectionEntry",   "aboutEntry"};
    f.window.setWindowHooks(
        {hook(entries[0]), hook(entries[1]), hook(entries[2]), hook(entries[3]), hook(entries[4]), hook(entries[5])});
    f.window.show();
    f.window.move(30, 40);
    for (const char *entry : entries) {
        f.field().setText(QStringLiteral("Ab-ba. Ro=se."));
        f.control<QPushButton>("separatorButton")->click();
        f.session.workingText().setSentenceList({});
        f.trigger(entry);
        QCOMPARE(opened, QString::fromLatin1(entry));
        QCOMPARE(at, f.window.pos());
        QVERIFY(f.window.isHidden());
        // The colour windows and trainers get soft hyphens in the separator colour.
        const bool handsOver = !QByteArray(entry).contains("font") && !QByteArray(entry).contains("about");
        QCOMPARE(f.field().text(), QStringLiteral("Ab%1ba. Ro%1se.").arg(handsOver ? QChar(0xAD) : QLatin1Char('-')));
        QCOMPARE(f.field().coloursOfAllPositions()[2], f.session.separator().colour);
        QCOMPARE(f.session.workingText().sentenceList().size(), handsOver ? size_t(2) : size_t(0));
        // Back in the editor, the separators are hidden again.
        f.window.showEditor(std::nullopt);
        QCOMPARE(f.control<QPushButton>("separatorButton")->text(), QStringLiteral("Trennzeichen ein"));
    }
}

void TestEditorWindow::clickModeAndInsertTypeTheSeparator()
{
    EditorFixture f;
    f.start();
    f.window.show();
    QApplication::setActiveWindow(&f.window);
    auto *button = f.control<QToolButton>("clickModeButton");
    // "~" typed as a key name would be Enter.
    for (const char *entry : {"separatorTildeEntry", "separatorSlashEntry", "separatorHyphenEntry"}) {
        f.field().setText(QStringLiteral("Abba"));
        f.trigger(entry);
        f.dialogs.queue({Answer::Ok}); // click mode shows the separators, and there are none yet
        button->click();
        QCOMPARE(button->text(), QStringLiteral("Klickmodus aus"));
        QCOMPARE(button->height(), testsupport::px(855));
        QTextCursor between(f.field().document()); // "Ab|ba"
        between.setPosition(2);
        QTest::mouseClick(f.field().viewport(), Qt::LeftButton, {}, f.field().cursorRect(between).center());
        QTRY_COMPARE(f.field().text(), QStringLiteral("Ab") + f.session.separator().mark + QStringLiteral("ba"));
        QCOMPARE(f.field().coloursOfAllPositions()[2], f.session.separator().colour);
        button->click();
        QCOMPARE(button->text(), QStringLiteral("Klickmodus ein"));
        f.control<QPushButton>("separatorButton")->click();
    }
    QVERIFY(f.dialogs.verifyAllAnswered());
    // Outside click mode, Einfg types a hyphen whatever the separator.
    f.field().setText(QStringLiteral("ab"));
    f.field().setSelStart(1);
    QTest::keyClick(&f.field(), Qt::Key_Insert);
    QTRY_COMPARE(f.field().text(), QStringLiteral("a-b"));
}

void TestEditorWindow::syllableMarksGoIntoTheSelectedWordsAsRemembered()
{
    EditorFixture f;
    f.start();
    f.writeFile(QStringLiteral("muster.dic"), "ISO8859-1\nt1z\n");
    f.window.setPatternFile(f.path(QStringLiteral("fehlt.dic")));
    f.field().setStyledText({{QStringLiteral("Katze, "), {textcore::rgb(0, 0, 255), {}, 0, true, false}},
                             {QStringLiteral("Tatze Mütze"), {textcore::kBlack, QStringLiteral("Verdana"), 20}}});
    f.field().setSel(9, 3); // "atz" of "Tatze", widened to the whole word
    const QByteArray before = platform::dumpStyledText(f.field().styledText());
    f.trigger("autoSyllablesEntry", {Answer::Ok}); // no patterns yet: reported, nothing marked
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(platform::dumpStyledText(f.field().styledText()), before);

    f.window.setPatternFile(f.path(QStringLiteral("muster.dic")));
    f.trigger("autoSyllablesEntry");
    QCOMPARE(f.field().text(), QStringLiteral("Katze, Tat\u00ADze Mütze"));
    // The new mark has the separator colour and the format of the letter before it.
    const platform::StyledText runs = f.field().styledText();
    QCOMPARE(runs[2].text, QStringLiteral("\u00AD"));
    QCOMPARE(runs[2].format, (platform::CharFormat{textcore::kRed, QStringLiteral("Verdana"), 20}));
    QCOMPARE(f.info(), QStringLiteral("Silben automatisch gesetzt: 1 Wort wurde getrennt."));
    f.field().document()->undo();
    QCOMPARE(platform::dumpStyledText(f.field().styledText()), before);

    // A remembered word is marked as written next time.
    f.trigger("separatorSlashEntry");
    f.field().setText(QStringLiteral("Die Holz/au/to."));
    f.field().setSel(4, 10);
    f.trigger("rememberExceptionEntry", {Answer::Ok});
    QVERIFY(f.dialogs.lastCall().prompt.startsWith(QStringLiteral("\u201EHolz-au-to\u201C steht jetzt in")));
    QCOMPARE(f.readFile(QStringLiteral("KOLORAT-SILBEN.TXT")), QByteArray("Holz-au-to\r\n"));

    // The list counts whatever the case of its name, and wins over the rules.
    QVERIFY(QFile::rename(f.path(QStringLiteral("KOLORAT-SILBEN.TXT")), f.path(QStringLiteral("kolorat-silben.txt"))));
    f.field().setText(QStringLiteral("Ein holzauto und die Katze."));
    f.trigger("autoSyllablesEntry");
    QCOMPARE(f.field().text(), QStringLiteral("Ein holz\u00ADau\u00ADto und die Kat\u00ADze."));

    // A list that cannot be read stops the marking rather than undo the teacher's marks.
    QVERIFY(QFile::remove(f.path(QStringLiteral("kolorat-silben.txt"))));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("KOLORAT-SILBEN.TXT")));
    f.field().setText(QStringLiteral("Katze"));
    f.trigger("autoSyllablesEntry", {Answer::Ok});
    QCOMPARE(f.field().text(), QStringLiteral("Katze"));
    QVERIFY(f.dialogs.verifyAllAnswered());
}

void TestEditorWindow::readsTheSelectionWithoutItsMarks()
{
    EditorFixture f;
    f.start();
    testsupport::FakeSpeechEngine voice;
    f.window.setSpeech(&voice);
    f.field().setText(QStringLiteral("Will-kom-men bei uns. Gu-ten Tag."));
    f.dialogs.queueAnswer(Answer::Ok);
    f.control<QPushButton>("separatorButton")->click();
    for (const auto &[start, length, spoken] :
         {std::tuple{13, 7, "bei uns"}, {22, 0, "Guten Tag."}, {33, 0, "Willkommen bei uns. Guten Tag."}}) {
        f.field().setSel(start, length);
        f.trigger("readAloudEntry");
        QCOMPARE(QString::fromStdU16String(voice.requests.takeLast().text), QString::fromUtf8(spoken));
        voice.hear(0, 3);
        QCOMPARE(f.field().extraSelections().size(), 1);
        // The entry again, ESC and any edit stop the voice and the mark.
        if (start == 13)
            f.trigger("readAloudEntry");
        else if (start == 22)
            QTest::keyClick(&f.field(), Qt::Key_Escape);
        else
            f.field().insertPlainText(QStringLiteral("!"));
        QVERIFY(f.field().extraSelections().isEmpty());
    }
    QCOMPARE(voice.stops, 3);
}

void TestEditorWindow::boxesOfEveryRoad()
{
    EditorFixture f;
    f.window.setPrinter(&f.printer);
    f.window.setWindowHooks({[](const QPoint &) {}, {}, [](const QPoint &) {}, {}, {}, {}});
    const QString kAlt = QStringLiteral("alt.txt");
    QString transcript;
    auto road = [&](const char *name, const std::function<void()> &steps) {
        steps();
        QVERIFY2(f.dialogs.verifyAllAnswered(), name);
        transcript
            += QStringLiteral("## %1\n").arg(QLatin1String(name)) + testsupport::dialogTranscript(f.dialogs.calls());
        f.dialogs.clear();
    };
    road("start without KOLORAT.INI, info icon", [&] {
        f.start();
        f.dialogs.queue({Answer::Ok});
        QTest::mouseClick(f.control<QLabel>("infobild"), Qt::LeftButton);
    });
    road("print: locked, unlocked No, unlocked Yes", [&] {
        f.field().setText(QStringLiteral("Zum Drucken."));
        f.trigger("printEntry", {Answer::Ok});
        f.trigger("printerLockEntry");
        f.trigger("printEntry", {Answer::No});
        QVERIFY(f.printer.log.isEmpty());
        f.trigger("printEntry", {Answer::Yes, Answer::Ok});
        QCOMPARE(f.printer.log, QStringList{QStringLiteral("print document \"Zum Drucken.\"")});
        QCOMPARE(f.field().selLength(), f.field().length()); // the whole text stays selected
    });
    road("save: cancelled, the help file's name, over a file the filter hides: No, Yes", [&] {
        f.trigger("saveRtfEntry", {QString()});
        f.trigger("saveRtfEntry", {QStringLiteral("KoloratHelp.rtf"), Answer::Ok});
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
        f.writeFile(QStringLiteral("ALT.TXT"), "alt");
        f.control<QPushButton>("filterRtfButton")->click();
        f.trigger("saveTxtEntry", {kAlt, Answer::No});
        QCOMPARE(f.readFile(QStringLiteral("ALT.TXT")), QByteArray("alt"));
        f.trigger("saveTxtEntry", {kAlt, Answer::Yes, Answer::Ok});
        QCOMPARE(f.readFile(QStringLiteral("ALT.TXT")), QByteArray("Zum Drucken."));
        f.trigger("savePlainEntry", {QStringLiteral("neu"), Answer::Ok});
        f.trigger("savePdfEntry", {QStringLiteral("neu"), Answer::Ok});
        QVERIFY(f.info().startsWith(QStringLiteral("Tipp: Markieren Sie die Dateien")));
        // A folder of that name cannot be replaced by a file, whatever the rights.
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("ORDNER.RTF")));
        f.writeFile(QStringLiteral("ORDNER.RTF/inhalt.txt"), "bleibt");
        f.trigger("saveRtfEntry", {QStringLiteral("ordner.rtf"), Answer::Ok});
        QCOMPARE(f.readFile(QStringLiteral("ORDNER.RTF/inhalt.txt")), QByteArray("bleibt"));
    });
    road("showing no separators; Ersetzen without and with the separator selected", [&] {
        f.dialogs.queue({Answer::Ok});
        f.control<QPushButton>("separatorButton")->click();
        f.field().setText(QStringLiteral("Ab-ba"));
        f.trigger("replaceSeparatorEntry", {Answer::Ok});
        f.field().setSel(2, 1);
        f.trigger("replaceSeparatorEntry", {Answer::Ok});
    });
    road("Suchen/Ersetzen without and with a selection, Textfilter cancelled", [&] {
        f.field().setSel(0, 0);
        f.trigger("searchReplaceEntry", {Answer::Ok});
        f.field().setSel(0, 2);
        f.trigger("searchReplaceEntry", {QString()});
        f.trigger("filterEntry", {QString()});
        QCOMPARE(f.field().text(), QStringLiteral("Ab-ba"));
    });
    road("Neuer Text and loading ask before a changed text goes: Yes keeps it", [&] {
        f.trigger("newTextEntry", {Answer::Yes});
        f.writeFile(QStringLiteral("A.TXT"), "anders");
        f.window.refreshFileList();
        f.dialogs.queue({Answer::Yes});
        f.control<platform::FileListBox>("File1")->setSelectedIndex(0);
        QCOMPARE(f.field().text(), QStringLiteral("Ab-ba"));
    });
    road("an empty text for a colour window and a trainer, no word to remember, exit No", [&] {
        auto *browser = f.control<platform::FileListBox>("File1");
        browser->blockSignals(true);
        browser->setCurrentRow(0);
        browser->blockSignals(false);
        f.field().setText(QString()); // an emptied text leaves the file it came from
        QCOMPARE(browser->selectedIndex(), -1);
        QVERIFY(f.info().startsWith(QStringLiteral("Geben Sie jetzt den Text ein.")));
        f.trigger("soundColoursEntry", {Answer::Ok});
        f.trigger("soundTrainerEntry", {Answer::Ok});
        f.trigger("rememberExceptionEntry", {Answer::Ok});
        f.trigger("exitEntry", {Answer::No});
        QCOMPARE(f.programEnds, 0);
    });
    KOLORAT_VERIFY_TRANSCRIPT(transcript, "editor/boxes");
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
