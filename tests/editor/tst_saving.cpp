// Saving the WorkingText in its three forms and printing it.
#include "editor/support/editorharness.h"

#include "editor/editorwindow.h"
#include "platform/filelistbox.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using platform::Answer;

namespace {

const QString kOverwrite = QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die "
                                          "vorhandene Datei hiermit ersetzen?\r\r");

// "Ab-ba Ro-se." with a red bold «Ab» and a blue «ba»; the separators are
// visible when the save starts.
void putMarkedText(EditorHarness &h)
{
    platform::StyledText runs{
        {QStringLiteral("Ab"), {textcore::kRed, QStringLiteral("Verdana"), 14, true, false}},
        {QStringLiteral("-"), {textcore::kRed, {}, 0, false, false}},
        {QStringLiteral("ba"), {textcore::rgb(0, 0, 255), {}, 0, false, true}},
        {QStringLiteral(" Ro-se.\r\nÄrger"), {textcore::kBlack, {}, 0, false, false}},
    };
    h.field().setStyledText(runs);
    h.window().toggleSeparators();
    QVERIFY(h.window().separatorsVisible());
}

} // namespace

class TestSaving : public QObject {
    Q_OBJECT
private slots:
    void init();
    void eachKindWritesItsBytes_data();
    void eachKindWritesItsBytes();
    void rtfLoadsBackIdentically();
    void textOutsideWindows1252IsKeptAsUtf8();
    void cancelledOrReservedNameSavesNothing_data();
    void cancelledOrReservedNameSavesNothing();
    void overwriteQuestionForEveryExistingFile_data();
    void overwriteQuestionForEveryExistingFile();
    void failedSaveSaysSoAndKeepsTheOldFile();
    void printerLockAndQuestion_data();
    void printerLockAndQuestion();
    void printingToPdf();

private:
    std::unique_ptr<EditorHarness> h;
};

void TestSaving::init()
{
    h = std::make_unique<EditorHarness>();
    h->start(true);
    h->dialogs.clear();
}

void TestSaving::eachKindWritesItsBytes_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("kindLine");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes"); // empty: RTF, checked by loading back
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("RTF, name upper-cased") << "saveRtfEntry"
                                           << "brief.rtf"
                                           << "KOLORAT.RTF"
                                           << "Quelltext wird im RTF-Format gespeichert."
                                           << "BRIEF.RTF" << QByteArray() << "RTF-Datei sichern"
                                           << "*.RTF";
    QTest::newRow("TXT keeps soft hyphens") << "saveTxtEntry"
                                            << "brief.txt"
                                            << "KOLORAT.TXT"
                                            << "Quelltext wird im TXT-Format gespeichert."
                                            << "BRIEF.TXT"
                                            << QByteArray("Ab\xAD"
                                                          "ba Ro\xAD"
                                                          "se.\r\n\xC4rger")
                                            << "TXT-Datei sichern"
                                            << "*.TXT";
    QTest::newRow("unformatted drops them, no extension added")
        << "savePlainEntry"
        << "brief"
        << "KOLORAT.TXT"
        << "Text wird ohne Trennzeichen gespeichert."
        << "BRIEF" << QByteArray("Abba Rose.\r\n\xC4rger") << "TXT-Datei sichern"
        << "*.TXT";
    QTest::newRow("PDF gets its ending, the browser stays")
        << "savePdfEntry"
        << "blatt"
        << "KOLORAT.PDF"
        << "Text wird als PDF-Datei gespeichert, wie er gedruckt wird."
        << "BLATT.PDF" << QByteArray("%PDF-") << "PDF-Datei sichern"
        << "*.RTF;*.TXT";
}

void TestSaving::eachKindWritesItsBytes()
{
    QFETCH(QString, entry);
    QFETCH(QString, answer);
    QFETCH(QString, proposed);
    QFETCH(QString, kindLine);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, pattern);

    putMarkedText(*h);
    h->dialogs.queueInput(answer);
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().findChild<QAction *>(entry)->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    const testsupport::DialogCall input = h->dialogs.calls()[0];
    QCOMPARE(input.prompt, QStringLiteral("Geben Sie einen Namen für die Datei ein.\r") + kindLine);
    QCOMPARE(input.title, QStringLiteral("Textseite speichern"));
    QCOMPARE(input.proposed, proposed);
    QCOMPARE(h->dialogs.lastCall().prompt, fileName + QStringLiteral(" wurde gespeichert.\r\r"));
    QCOMPARE(h->dialogs.lastCall().title, title);
    QCOMPARE(h->dialogs.lastCall().icon, platform::Icon::Information);
    QCOMPARE(h->window().infoText(),
             QStringLiteral("Tipp: Markieren Sie die Dateien nach dem Typ: DATEI_T.RTF\r"
                            "für Text, DATEI_S.RTF für Silben und DATEI_L.RTF für Laute."));
    // Saving hides the separators and leaves them hidden.
    QVERIFY(!h->window().separatorsVisible());
    QCOMPARE(h->window().fileBrowser().pattern(), pattern);
    const QByteArray written = h->readFile(fileName);
    QVERIFY(!written.isEmpty());
    if (bytes == "%PDF-")
        QVERIFY(written.startsWith(bytes));
    else if (!bytes.isEmpty())
        QCOMPARE(written, bytes);
    QVERIFY(!written.contains("Ab-ba"));
    QVERIFY(h->window().isTextChanged()); // saving does not reset the change flag
}

void TestSaving::rtfLoadsBackIdentically()
{
    putMarkedText(*h);
    h->dialogs.queueInput(QStringLiteral("TEXT_S.RTF"));
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().saveText(editor::SaveKind::Rtf);
    const platform::StyledText saved = h->field().styledText();
    h->dialogs.queueAnswer(Answer::No); // the text counts as changed
    QVERIFY(h->clickFile(QStringLiteral("TEXT_S.RTF")));
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->field().text(), QStringLiteral("Ab%1ba Ro%1se.\r\nÄrger").arg(softHyphen()));
    QCOMPARE(formatsPerPosition(h->field()).size(), std::size_t(h->field().length()));
    const platform::StyledText loaded = h->field().styledText();
    QCOMPARE(loaded.size(), saved.size());
    for (std::size_t i = 0; i < saved.size(); ++i) {
        QCOMPARE(loaded[i].text, saved[i].text);
        QCOMPARE(loaded[i].format, saved[i].format);
    }
}

void TestSaving::textOutsideWindows1252IsKeptAsUtf8()
{
    h->setText(QStringLiteral("Ćevapčići"));
    h->dialogs.queueInput(QStringLiteral("essen.txt"));
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().saveText(editor::SaveKind::Unformatted);
    QCOMPARE(h->readFile(QStringLiteral("ESSEN.TXT")),
             QByteArray("\xEF\xBB\xBF") + QStringLiteral("Ćevapčići").toUtf8());
}

void TestSaving::cancelledOrReservedNameSavesNothing_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("reserved");
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("reserved name") << "KOLORATHELP.RTF" << true;
    QTest::newRow("reserved name in mixed case") << "KoloratHelp.rtf" << true;
}

void TestSaving::cancelledOrReservedNameSavesNothing()
{
    QFETCH(QString, answer);
    QFETCH(bool, reserved);
    putMarkedText(*h);
    const QStringList before = QDir(h->folder()).entryList(QDir::Files);
    h->dialogs.queueInput(answer);
    if (reserved)
        h->dialogs.queueAnswer(Answer::Ok);
    h->window().saveText(editor::SaveKind::Rtf);
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(QDir(h->folder()).entryList(QDir::Files), before);
    if (reserved) {
        QCOMPARE(h->dialogs.lastCall().prompt,
                 QStringLiteral("Der Dateiname KOLORATHELP.RTF ist\rfür die "
                                "KOLORAT-Hilfedatei reserviert.\r\r"));
        QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Unerlaubter Dateiname"));
    }
    QVERIFY(h->window().separatorsVisible());
}

void TestSaving::overwriteQuestionForEveryExistingFile_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("listed file, No keeps it") << "filterTxtButton" << Answer::No;
    QTest::newRow("listed file, Yes replaces it") << "filterTxtButton" << Answer::Yes;
    QTest::newRow("file hidden by the *.RTF filter is asked for too") << "filterRtfButton" << Answer::No;
}

void TestSaving::overwriteQuestionForEveryExistingFile()
{
    QFETCH(QString, filter);
    QFETCH(Answer, answer);
    h->writeFile(QStringLiteral("ALT.TXT"), "alter Text");
    h->window().findChild<QPushButton *>(filter)->click();
    h->setText(QStringLiteral("neuer Text"));
    h->dialogs.queueInput(QStringLiteral("alt.txt"));
    h->dialogs.queueAnswer(answer);
    if (answer == Answer::Yes)
        h->dialogs.queueAnswer(Answer::Ok);
    h->window().saveText(editor::SaveKind::Txt);
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.calls()[1].prompt, kOverwrite);
    QCOMPARE(h->dialogs.calls()[1].title, QStringLiteral("ALT.TXT"));
    QCOMPARE(h->dialogs.calls()[1].defaultButton, Answer::No);
    QCOMPARE(h->readFile(QStringLiteral("ALT.TXT")),
             answer == Answer::Yes ? QByteArray("neuer Text") : QByteArray("alter Text"));
}

void TestSaving::failedSaveSaysSoAndKeepsTheOldFile()
{
    // A folder of that name cannot be replaced by a file, whatever the
    // rights of the user running the test.
    QVERIFY(QDir(h->folder()).mkdir(QStringLiteral("ALT.RTF")));
    h->writeFile(QStringLiteral("ALT.RTF/inhalt.txt"), "bleibt");
    h->setText(QStringLiteral("neu"));
    h->dialogs.queueInput(QStringLiteral("alt.rtf"));
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().saveText(editor::SaveKind::Rtf);
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Dateifehler"));
    QVERIFY2(h->dialogs.lastCall().prompt.contains(QStringLiteral("ALT.RTF")),
             qPrintable(h->dialogs.lastCall().prompt));
    QVERIFY(!h->dialogs.lastCall().prompt.contains(QStringLiteral("wurde gespeichert")));
    QCOMPARE(h->readFile(QStringLiteral("ALT.RTF/inhalt.txt")), QByteArray("bleibt"));
}

void TestSaving::printerLockAndQuestion_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("available");
    QTest::addColumn<QString>("lastPrompt");
    QTest::addColumn<int>("documents");
    QTest::newRow("locked") << true << Answer::No << true
                            << "Der Drucker ist deaktiviert.\rIm Menü 'Extras' änderbar.\r\r" << 0;
    QTest::newRow("unlocked, No") << false << Answer::No << true << "Den Text jetzt ausdrucken?\r" << 0;
    QTest::newRow("unlocked, Yes") << false << Answer::Yes << true << "Der Text wird gedruckt ...\r\r" << 1;
    QTest::newRow("no printer installed") << false << Answer::Yes << false << platform::noPrinterMessage() << 0;
}

void TestSaving::printerLockAndQuestion()
{
    QFETCH(bool, locked);
    QFETCH(Answer, answer);
    QFETCH(bool, available);
    QFETCH(QString, lastPrompt);
    QFETCH(int, documents);
    auto recorder = std::make_unique<testsupport::RecordingPrinter>();
    recorder->setAvailable(available);
    testsupport::RecordingPrinter &printer = *recorder;
    h->setPrinter(std::move(recorder));
    h->setText(QStringLiteral("Zum Drucken."));
    if (!locked)
        h->window().findChild<QAction *>(QStringLiteral("printerLockEntry"))->trigger();
    if (!locked)
        h->dialogs.queueAnswer(answer);
    if (locked || answer == Answer::Yes)
        h->dialogs.queueAnswer(Answer::Ok);
    h->window().findChild<QAction *>(QStringLiteral("printEntry"))->trigger();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QCOMPARE(h->dialogs.lastCall().prompt, lastPrompt);
    QCOMPARE(h->dialogs.lastCall().title, QStringLiteral("Drucken"));
    QCOMPARE(printer.documentsHtml().size(), documents);
    if (documents) {
        QCOMPARE(h->field().selLength(), h->field().length()); // the whole text stays selected
        QVERIFY(printer.documentsHtml()[0].contains(QStringLiteral("Zum Drucken.")));
    }
}

void TestSaving::printingToPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString pdf = h->folder() + QStringLiteral("/druck.pdf");
    h->setPrinter(std::make_unique<platform::QtPrinter>(pdf));
    h->setText(QStringLiteral("Grüße aus Köln."));
    h->window().findChild<QAction *>(QStringLiteral("printerLockEntry"))->trigger();
    h->dialogs.queueAnswer(Answer::Yes);
    h->dialogs.queueAnswer(Answer::Ok);
    h->window().printText();
    QVERIFY(h->dialogs.verifyAllAnswered());
    QProcess process;
    process.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("Grüße aus Köln.")));
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
