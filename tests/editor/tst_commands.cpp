// The editor's commands reached through their menu entries and buttons: what
// each does to the text, the hand-over to the other windows, click mode, and
// every box of the commands' roads in one golden transcript.
#include "platform/filelistbox.h"
#include "platform/styledtextdump.h"
#include "support/dialogtranscript.h"
#include "support/editorfixture.h"
#include "support/recordingprinter.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <functional>

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void commandsChangeTheText();
    void windowsOpenWithTheTextHandedOver();
    void clickModeTypesTheSeparator();
    void boxesOfEveryRoad();
};

void TestCommands::commandsChangeTheText()
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
            f.queue({command.typed});
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

void TestCommands::windowsOpenWithTheTextHandedOver()
{
    EditorFixture f;
    f.start();
    QString opened;
    QPoint at;
    auto hook = [&](const char *name) {
        return [&, name](const QPoint &topLeft) { opened = QString::fromLatin1(name), at = topLeft; };
    };
    f.window.setWindowHooks({hook("soundColoursEntry"), hook("syllableColoursEntry"), hook("soundTrainerEntry"),
                             hook("syllableTrainerEntry"), hook("fontSelectionEntry"), hook("aboutEntry")});
    f.window.show();
    f.window.move(30, 40);
    const QString typed = QStringLiteral("Ab-ba. Ro=se.");
    for (const char *entry : {"soundColoursEntry", "syllableColoursEntry", "soundTrainerEntry", "syllableTrainerEntry",
                              "fontSelectionEntry", "aboutEntry"}) {
        f.field().setText(typed);
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

void TestCommands::clickModeTypesTheSeparator()
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
        f.queue({Answer::Ok}); // click mode shows the separators, and there are none yet
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
}

void TestCommands::boxesOfEveryRoad()
{
    EditorFixture f;
    auto recorder = std::make_unique<testsupport::RecordingPrinter>();
    testsupport::RecordingPrinter &printer = *recorder;
    f.printer = std::move(recorder);
    f.window.setPrinter(f.printer.get());
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
        f.queue({Answer::Ok});
        QTest::mouseClick(f.control<QLabel>("infobild"), Qt::LeftButton);
    });
    road("print: locked, unlocked No, unlocked Yes", [&] {
        f.field().setText(QStringLiteral("Zum Drucken."));
        f.trigger("printEntry", {Answer::Ok});
        f.trigger("printerLockEntry");
        f.trigger("printEntry", {Answer::No});
        QCOMPARE(printer.documentsHtml().size(), 0);
        f.trigger("printEntry", {Answer::Yes, Answer::Ok});
        QCOMPARE(printer.documentsHtml().size(), 1);
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
    });
    road("showing no separators; Ersetzen without and with the separator selected", [&] {
        f.queue({Answer::Ok});
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
        f.queue({Answer::Yes});
        f.control<platform::FileListBox>("File1")->setSelectedIndex(0);
        QCOMPARE(f.field().text(), QStringLiteral("Ab-ba"));
    });
    road("an empty text for a colour window and a trainer, no word to remember, exit No", [&] {
        f.field().setText(QString());
        f.trigger("soundColoursEntry", {Answer::Ok});
        f.trigger("soundTrainerEntry", {Answer::Ok});
        f.trigger("rememberExceptionEntry", {Answer::Ok});
        f.trigger("exitEntry", {Answer::No});
        QCOMPARE(f.programEnds, 0);
    });
    KOLORAT_VERIFY_TRANSCRIPT(transcript, "editor/boxes");
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
