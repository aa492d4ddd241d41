// The syllable colour window's commands that leave it, save, copy and print
// the text page.
#include "windowfixture.h"

#include "syllables/tablepanel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace syllabletest;
using platform::Answer;
using textcore::Colour;

namespace {

const QString kText = QStringLiteral("Ro|si|ne und Ei");
const QString kSavePrompt
    = QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert.");
const QString kOverwritePrompt = QStringLiteral(
    "Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die vorhandene Datei hiermit ersetzen?\r\r");

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SyllableCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void leaveCopiesColoursOnlyOnYes_data();
    void leaveCopiesColoursOnlyOnYes();
    void closeBoxHidesWithoutQuestion();
    void saveUnderTest();
    void saveStopsWithoutWriting_data();
    void saveStopsWithoutWriting();
    void saveReplacesAfterYes();
    void failedSaveSaysSo();
    void copyPutsPlainText();
    void printTextPage_data();
    void printTextPage();
};

void SyllableCommandsTest::leaveCopiesColoursOnlyOnYes_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void SyllableCommandsTest::leaveCopiesColoursOnlyOnYes()
{
    QFETCH(bool, yes);
    WindowFixture f;
    f.state.colours.second = textcore::rgb(0, 0, 192);
    f.open(kText);
    // The editor's separators are in their own colour before.
    const std::vector<Colour> before(std::size_t(f.editor.field.length()), textcore::rgb(0, 192, 0));
    f.editor.field.applyColours(before);
    f.window->toggleTable();
    f.window->move(QPoint(70, 80));
    // Keys pressed in the field change nothing: a typed or deleted letter
    // would shift every following colour onto the wrong letter.
    platform::RichTextField *field = f.window->textField();
    field->setSelStart(2);
    QTest::keyClicks(field, QStringLiteral("x"));
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(field->text(), marked(kText));
    const std::vector<Colour> here = field->coloursOfAllPositions();

    f.dialogs.queueAnswer(yes ? Answer::Yes : Answer::No);
    f.window->leaveWithQuestion();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("Die Farben so übernehmen?\r\r"));
    QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Silbenfarben"));
    QCOMPARE(f.dialogs.lastCall().defaultButton, Answer::No);
    QCOMPARE(f.dialogs.lastCall().icon, platform::Icon::Question);

    QCOMPARE(f.editor.field.coloursOfAllPositions(), yes ? here : before);
    QCOMPARE(f.editor.field.text(), marked(kText));
    // Left in both cases, the editor moved to this window's place.
    QVERIFY(f.window->isHidden());
    QCOMPARE(f.window->textField()->text(), QString());
    QVERIFY(f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->tablePanel()->tableText(), QString());
    QCOMPARE(f.editor.showings.size(), 1);
    QCOMPARE(f.editor.showings.front(), std::optional<QPoint>(f.window->pos()));
    // Colours and mode stay for the next opening.
    QCOMPARE(f.state.colours.second, textcore::rgb(0, 0, 192));
}

void SyllableCommandsTest::closeBoxHidesWithoutQuestion()
{
    WindowFixture f;
    f.open(kText);
    const std::vector<Colour> before = f.editor.field.coloursOfAllPositions();
    QVERIFY(!f.window->close());
    QVERIFY(f.window->isHidden());
    QVERIFY(f.dialogs.calls().isEmpty());
    QCOMPARE(f.editor.field.coloursOfAllPositions(), before);
    QCOMPARE(f.editor.showings.size(), 1);
    QCOMPARE(f.editor.showings.front(), std::nullopt);
    // Closing keeps the text until the next opening replaces it.
    QCOMPARE(f.window->textField()->text(), marked(kText));
}

void SyllableCommandsTest::saveUnderTest()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WindowFixture f(dir.path() + QLatin1Char('/'));
    f.open(kText);
    const std::vector<Colour> coloured = f.window->textField()->coloursOfAllPositions();
    f.editor.field.setText(QStringLiteral("anders"));

    f.dialogs.queueInput(QStringLiteral("test"));
    f.dialogs.queueAnswer(Answer::Ok);
    f.window->saveColouredText();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.calls().at(0).prompt, kSavePrompt);
    QCOMPARE(f.dialogs.calls().at(0).title, QStringLiteral("Textseite speichern"));
    QCOMPARE(f.dialogs.calls().at(0).proposed, QStringLiteral("KOLORAT.RTF"));
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("TEST wurde gespeichert.\r\r"));
    QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Textdatei sichern"));
    QCOMPARE(f.dialogs.lastCall().icon, platform::Icon::Information);

    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("TEST")});
    QVERIFY(readFile(dir.filePath(QStringLiteral("TEST"))).startsWith("{\\rtf"));
    QCOMPARE(f.editor.loaded, QStringList{dir.filePath(QStringLiteral("TEST"))});
    // The editor shows the saved text with its syllable colours.
    QCOMPARE(f.editor.field.text(), marked(kText));
    QCOMPARE(f.editor.field.coloursOfAllPositions(), coloured);
    QCOMPARE(f.editor.refreshes, 1);
}

void SyllableCommandsTest::saveStopsWithoutWriting_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<bool>("existsUnlisted");
    QTest::addColumn<QString>("lastTitle");
    QTest::addColumn<QString>("lastPrompt");
    QTest::newRow("cancelled") << "" << QStringList() << false << "Textseite speichern" << kSavePrompt;
    QTest::newRow("reserved name in lower case")
        << "kolorathelp.rtf" << QStringList() << false << "Unerlaubter Dateiname"
        << "Der Dateiname KOLORATHELP.RTF ist\rfür die KOLORAT-Hilfedatei reserviert.\r\r";
    QTest::newRow("listed name, No") << "brief.rtf" << QStringList{"Brief.rtf"} << true << "BRIEF.RTF"
                                     << kOverwritePrompt;
    QTest::newRow("unlisted existing file, No")
        << "brief" << QStringList{"Brief.rtf"} << true << "BRIEF" << kOverwritePrompt;
}

void SyllableCommandsTest::saveStopsWithoutWriting()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, listed);
    QFETCH(bool, existsUnlisted);
    QFETCH(QString, lastTitle);
    QFETCH(QString, lastPrompt);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(answer.toUpper());
    if (existsUnlisted)
        writeFile(existing, "alt");
    WindowFixture f(dir.path() + QLatin1Char('/'));
    f.editor.listed = listed;
    f.open(kText);

    f.dialogs.queueInput(answer);
    if (answer.toUpper() == QLatin1String("KOLORATHELP.RTF"))
        f.dialogs.queueAnswer(Answer::Ok);
    else if (!answer.isEmpty())
        f.dialogs.queueAnswer(Answer::No);
    f.window->saveColouredText();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.lastCall().title, lastTitle);
    QCOMPARE(f.dialogs.lastCall().prompt, lastPrompt);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), existsUnlisted ? QStringList{answer.toUpper()} : QStringList());
    if (existsUnlisted)
        QCOMPARE(readFile(existing), QByteArray("alt"));
    QVERIFY(f.editor.loaded.isEmpty());
    QCOMPARE(f.editor.refreshes, 0);
}

void SyllableCommandsTest::saveReplacesAfterYes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("BRIEF.RTF")), "alt");
    WindowFixture f(dir.path() + QLatin1Char('/'));
    f.editor.listed = {QStringLiteral("brief.rtf")};
    f.open(kText);
    f.dialogs.queueInput(QStringLiteral("Brief.rtf"));
    f.dialogs.queueAnswer(Answer::Yes);
    f.dialogs.queueAnswer(Answer::Ok);
    f.window->saveColouredText();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.calls().at(1).title, QStringLiteral("BRIEF.RTF"));
    QCOMPARE(f.dialogs.calls().at(1).defaultButton, Answer::No);
    QVERIFY(readFile(dir.filePath(QStringLiteral("BRIEF.RTF"))).startsWith("{\\rtf"));
    QCOMPARE(f.editor.refreshes, 1);
}

void SyllableCommandsTest::failedSaveSaysSo()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WindowFixture f(dir.filePath(QStringLiteral("gibt-es-nicht")) + QLatin1Char('/'));
    f.open(kText);
    f.editor.field.setText(QStringLiteral("bleibt"));
    f.dialogs.queueInput(QStringLiteral("test"));
    f.dialogs.queueAnswer(Answer::Ok);
    f.window->saveColouredText();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Dateifehler"));
    QVERIFY(!f.dialogs.lastCall().prompt.contains(QStringLiteral("wurde gespeichert")));
    QVERIFY(!f.dialogs.lastCall().prompt.isEmpty());
    QVERIFY(f.editor.loaded.isEmpty());
    QCOMPARE(f.editor.field.text(), QStringLiteral("bleibt"));
    QCOMPARE(f.editor.refreshes, 0);
}

void SyllableCommandsTest::copyPutsPlainText()
{
    WindowFixture f;
    f.open(QStringLiteral("Ro|se\r\nund Ei"));
    f.dialogs.queueAnswer(Answer::Ok);
    f.window->copyText();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.clipboard.clearCount(), 1);
    QCOMPARE(f.clipboard.text(), marked(QStringLiteral("Ro|se\r\nund Ei")));
    QCOMPARE(f.dialogs.lastCall().prompt,
             QStringLiteral("Der Text wurde in die Ablage kopiert.\r (Formatierung geht dabei verloren.)\r"));
    QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Kopieren"));
}

void SyllableCommandsTest::printTextPage_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("documents");
    QTest::newRow("locked") << true << false << 0;
    QTest::newRow("No") << false << false << 0;
    QTest::newRow("Yes") << false << true << 1;
}

void SyllableCommandsTest::printTextPage()
{
    QFETCH(bool, locked);
    QFETCH(bool, yes);
    QFETCH(int, documents);
    WindowFixture f;
    f.open(kText);
    f.shared.setPrinterLocked(locked);
    if (locked) {
        f.dialogs.queueAnswer(Answer::Ok);
    } else {
        f.dialogs.queueAnswer(yes ? Answer::Yes : Answer::No);
        if (yes)
            f.dialogs.queueAnswer(Answer::Ok);
    }
    f.window->printTextPage();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.printer.documentsHtml().size(), documents);
    if (locked) {
        QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("Drucker ist deaktiviert.\r\r"));
        QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Drucken"));
        return;
    }
    QCOMPARE(f.dialogs.calls().at(0).prompt, QStringLiteral("Den Text jetzt ausdrucken?\r"));
    QCOMPARE(f.dialogs.calls().at(0).title, QStringLiteral("Textdruck"));
    if (!yes)
        return;
    QCOMPARE(f.printer.calls().front().text, marked(kText));
    // The second syllable colour reaches the printed page.
    QVERIFY(f.printer.documentsHtml().front().contains(QStringLiteral("#ff0000")));
    QCOMPARE(f.window->textField()->selLength(), f.window->textField()->length());
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("Die Daten werden gedruckt ...\r\r"));
}

QTEST_MAIN(SyllableCommandsTest)
#include "tst_syllablecommands.moc"
