// The window's menu commands: colour sheet, text print, copy and save. The
// name rules of saving are tested with the shared save command.
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "soundcolours/soundcommands.h"
#include "soundcolours/support/harness.h"
#include "support/recordingclipboard.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using platform::Answer;
using testsupport::PrintCall;
using textcore::SoundClass;

namespace {

void trigger(Harness &h, const char *name)
{
    QAction *action = h.window->findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    action->trigger();
}

QStringList titles(const testsupport::ScriptedDialogs &dialogs)
{
    QStringList result;
    for (const testsupport::DialogCall &call : dialogs.calls())
        result.append(call.title);
    return result;
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void colourSheetRows();
    void colourSheetStops_data();
    void colourSheetStops();
    void colourSheetToPdf();
    void textPage_data();
    void textPage();
    void copyPutsPlainTextOnTheClipboard();
    void savedTextArrivesInTheEditor();
    void failedSaveLeavesTheEditorAlone();
};

void CommandsTest::colourSheetRows()
{
    Harness h;
    h.shared.setPrinterLocked(true); // the sheet ignores the printer lock
    h.state.colours[SoundClass::Capitals] = textcore::rgb(255, 128, 0);
    h.dialogs.queueAnswer(Answer::Yes);
    h.dialogs.queueInput(QStringLiteral("Klasse 2b"));
    h.dialogs.queueAnswer(Answer::Ok);
    trigger(h, "menuFarbwerte");
    QVERIFY(h.dialogs.verifyAllAnswered());

    const QList<testsupport::DialogCall> &calls = h.dialogs.calls();
    QCOMPARE(calls[0].prompt, QStringLiteral("Die Farbwerte jetzt audrucken?\r"));
    QCOMPARE(calls[0].title, QStringLiteral("Farbdruck"));
    QCOMPARE(calls[0].defaultButton, Answer::No);
    QCOMPARE(calls[1].prompt, QStringLiteral("Eine Bezeichnung für\rdas Farbset angeben:"));
    QCOMPARE(calls[1].title, QStringLiteral("Farbwerte drucken (Abbruch mit Leereingabe)"));
    QCOMPARE(calls[1].proposed, QStringLiteral("Farbset"));
    QCOMPARE(calls[2].prompt, QStringLiteral("Die Daten werden gedruckt ...\r\r"));
    QCOMPARE(calls[2].title, QStringLiteral("Drucken"));

    struct Row {
        int y;
        const char *name;
        textcore::Colour colour;
    };
    const Row rows[] = {
        {1000, "Hintergrund", 16777215},   {2000, "Mitlaute", 0},
        {3000, "Selbstlaute", 49152},      {4000, "Umlaute", 16711680},
        {5000, "Doppelmitlaut", 12583104}, {6000, "Großbuchstaben", 33023},
        {7000, "Sonderzeichen", 0},        {8000, "Satzzeichen", 12632064},
    };
    const QList<PrintCall> &printed = h.printer.calls();
    // Title, two blank lines, then per row: name, filled box, outline, value; one end.
    QCOMPARE(printed.size(), 3 + 8 * 4 + 1);
    QCOMPARE(printed[0].text, QStringLiteral("KLASSE 2B"));
    QCOMPARE(printed[0].position, QPoint(1500, 0));
    QCOMPARE(printed[0].fontName, QStringLiteral("Arial"));
    QCOMPARE(printed[0].fontSize, 18.0);
    QCOMPARE(printed[1].text, QStringLiteral(" "));
    QCOMPARE(printed[2].text, QStringLiteral(" "));
    for (int r = 0; r < 8; ++r) {
        const Row &row = rows[r];
        const int at = 3 + r * 4;
        QCOMPARE(printed[at].kind, PrintCall::Kind::Text);
        QCOMPARE(printed[at].text, QString::fromUtf8(row.name));
        QCOMPARE(printed[at].position, QPoint(1500, row.y));
        QCOMPARE(printed[at + 1].kind, PrintCall::Kind::Box);
        QCOMPARE(printed[at + 1].rect, QRect(5000, row.y, 2000, 500));
        QCOMPARE(printed[at + 1].colour, row.colour);
        QVERIFY(printed[at + 1].filled);
        QCOMPARE(printed[at + 2].rect, QRect(5000, row.y, 2000, 500));
        QCOMPARE(printed[at + 2].colour, textcore::kBlack);
        QVERIFY(!printed[at + 2].filled);
        QCOMPARE(printed[at + 3].text, QString::number(row.colour));
        QCOMPARE(printed[at + 3].position, QPoint(7500, row.y));
    }
    QCOMPARE(printed.last().kind, PrintCall::Kind::End);
}

void CommandsTest::colourSheetStops_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("printerAvailable");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("No") << false << QString() << true << QStringList{"Farbdruck"};
    QTest::newRow("empty title") << true << QString() << true
                                 << QStringList{"Farbdruck", "Farbwerte drucken (Abbruch mit Leereingabe)"};
    QTest::newRow("no printer") << true << QStringLiteral("Set") << false
                                << QStringList{"Farbdruck", "Farbwerte drucken (Abbruch mit Leereingabe)", "Drucken"};
}

void CommandsTest::colourSheetStops()
{
    QFETCH(bool, yes);
    QFETCH(QString, title);
    QFETCH(bool, printerAvailable);
    QFETCH(QStringList, boxes);
    Harness h;
    h.printer.setAvailable(printerAvailable);
    h.dialogs.queueAnswer(yes ? Answer::Yes : Answer::No);
    if (yes)
        h.dialogs.queueInput(title);
    if (!printerAvailable)
        h.dialogs.queueAnswer(Answer::Ok);
    trigger(h, "menuFarbwerte");
    QVERIFY(h.dialogs.verifyAllAnswered());
    QCOMPARE(titles(h.dialogs), boxes);
    QCOMPARE(h.printer.calls().size(), 0);
    if (!printerAvailable)
        QCOMPARE(h.dialogs.lastCall().prompt, platform::noPrinterMessage());
}

void CommandsTest::colourSheetToPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("farben.pdf"));
    platform::QtPrinter printer(pdf);
    session::Session shared{dir.path()};
    shared.sound().colours[SoundClass::Vowels] = textcore::rgb(255, 128, 0);
    platform::RichTextField preview;
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingClipboard clipboard;
    soundcolours::SoundCommands commands(shared, preview, dialogs, printer, clipboard);
    dialogs.queueAnswer(Answer::Yes);
    dialogs.queueInput(QStringLiteral("Farbset"));
    dialogs.queueAnswer(Answer::Ok);
    commands.printColourSheet();
    QVERIFY(dialogs.verifyAllAnswered());

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    const auto lineWith = [&lines](const QString &name) {
        for (const QString &line : lines) {
            if (line.contains(name))
                return line.simplified();
        }
        return QString();
    };
    QCOMPARE(lineWith(QStringLiteral("FARBSET")), QStringLiteral("FARBSET"));
    // Each name shares its line with its value.
    QCOMPARE(lineWith(QStringLiteral("Hintergrund")), QStringLiteral("Hintergrund 16777215"));
    QCOMPARE(lineWith(QStringLiteral("Mitlaute")), QStringLiteral("Mitlaute 0"));
    QCOMPARE(lineWith(QStringLiteral("Selbstlaute")), QStringLiteral("Selbstlaute 33023"));
    QCOMPARE(lineWith(QStringLiteral("Umlaute")), QStringLiteral("Umlaute 16711680"));
    QCOMPARE(lineWith(QStringLiteral("Doppelmitlaut")), QStringLiteral("Doppelmitlaut 12583104"));
    QCOMPARE(lineWith(QStringLiteral("Großbuchstaben")), QStringLiteral("Großbuchstaben 255"));
    QCOMPARE(lineWith(QStringLiteral("Sonderzeichen")), QStringLiteral("Sonderzeichen 0"));
    QCOMPARE(lineWith(QStringLiteral("Satzzeichen")), QStringLiteral("Satzzeichen 12632064"));
}

void CommandsTest::textPage_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QStringList>("prompts");
    QTest::newRow("printer lock") << true << false << false << QStringList{"Drucker ist deaktiviert.\r\r"};
    QTest::newRow("No") << false << false << false << QStringList{"Den Text jetzt audrucken?\r"};
    QTest::newRow("Yes") << false << true << true
                         << QStringList{"Den Text jetzt audrucken?\r", "Die Daten werden gedruckt ...\r\r"};
}

void CommandsTest::textPage()
{
    QFETCH(bool, locked);
    QFETCH(bool, yes);
    QFETCH(bool, printed);
    QFETCH(QStringList, prompts);
    Harness h;
    h.shared.setPrinterLocked(locked);
    h.openWith(QStringLiteral("Die Katze.\r\nDer Ball."));
    h.dialogs.queueAnswer(locked ? Answer::Ok : (yes ? Answer::Yes : Answer::No));
    if (yes)
        h.dialogs.queueAnswer(Answer::Ok);
    trigger(h, "menuTextseite");
    QVERIFY(h.dialogs.verifyAllAnswered());
    QStringList shown;
    for (const testsupport::DialogCall &call : h.dialogs.calls())
        shown.append(call.prompt);
    QCOMPARE(shown, prompts);
    QCOMPARE(h.printer.documentsHtml().size(), printed ? 1 : 0);
    if (printed) {
        QCOMPARE(h.dialogs.calls().first().title, QStringLiteral("Textdruck"));
        const PrintCall &document = h.printer.calls().front();
        QCOMPARE(document.text, QStringLiteral("Die Katze.") + QChar::ParagraphSeparator + QStringLiteral("Der Ball."));
        // Capitals red, vowels green, doubled letters magenta.
        const QString html = h.printer.documentsHtml().front();
        QVERIFY(html.contains(QStringLiteral("#ff0000")));
        QVERIFY(html.contains(QStringLiteral("#00c000")));
        QVERIFY(html.contains(QStringLiteral("#c000c0")));
        QCOMPARE(h.window->preview().selLength(), h.window->preview().length());
    }
}

void CommandsTest::copyPutsPlainTextOnTheClipboard()
{
    Harness h;
    const QString text = sampleText(QStringLiteral("lesetext.txt"));
    h.openWith(text);
    h.dialogs.queueAnswer(Answer::Ok);
    trigger(h, "menuKopieren");
    QCOMPARE(h.clipboard.clearCount(), 1);
    QCOMPARE(h.clipboard.text(), h.window->preview().text());
    QCOMPARE(h.clipboard.text(), text);
    QCOMPARE(h.dialogs.lastCall().prompt,
             QStringLiteral("Der Text wurde in die Ablage kopiert.\r (Formatierung geht dabei verloren.)\r"));
    QCOMPARE(h.dialogs.lastCall().title, QStringLiteral("Kopieren"));
}

void CommandsTest::savedTextArrivesInTheEditor()
{
    Harness h;
    const QString text = sampleText(QStringLiteral("lesetext.txt"));
    h.openWith(text);
    h.window->dropOnCategory(SoundClass::Capitals, QStringLiteral("Farbe14"));
    h.window->fontSizeList()->setCurrentRow(3);
    h.dialogs.queueInput(QStringLiteral("farben.rtf"));
    h.dialogs.queueAnswer(Answer::Ok);
    trigger(h, "menuSichern");
    QVERIFY(h.dialogs.verifyAllAnswered());
    QCOMPARE(h.editor.field->text(), text);
    QCOMPARE(h.editor.field->coloursOfAllPositions(), h.previewColours());
    const platform::StyledText runs = h.editor.field->styledText();
    for (const platform::StyledRun &run : runs) {
        QCOMPARE(run.format.fontName, QStringLiteral("Verdana"));
        QCOMPARE(run.format.pointSize, 24.0);
    }
}

void CommandsTest::failedSaveLeavesTheEditorAlone()
{
    Harness h;
    const QDir folder(h.editor.folder.path());
    QVERIFY(folder.mkdir(QStringLiteral("ORDNER")));
    h.openWith(QStringLiteral("Die Katze."));
    h.dialogs.queueInput(QStringLiteral("ordner"));
    h.dialogs.queueAnswer(Answer::Yes);
    h.dialogs.queueAnswer(Answer::Ok);
    trigger(h, "menuSichern");
    QVERIFY(h.dialogs.verifyAllAnswered());
    QCOMPARE(h.dialogs.lastCall().title, QStringLiteral("Dateifehler"));
    QVERIFY(!h.dialogs.lastCall().prompt.isEmpty());
    QCOMPARE(h.editor.loadedPaths.size(), 0);
    QCOMPARE(h.editor.field->text(), QStringLiteral("Die Katze."));
    QCOMPARE(h.editor.refreshCount, 0);
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
