// The syllable table: opening and closing the panel, the sliders, and
// printing the table (recorded, and for real into a PDF).
#include "windowfixture.h"

#include "support/recordingprinter.h"
#include "syllables/tablepanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace syllabletest;
using platform::Answer;
using testsupport::PrintCall;

namespace {

// Seven distinct syllables: Ap, fel, ne, Ro, se, si, und.
const QString kSevenSyllables = QStringLiteral("Ro|si|ne und Ro|se. Ap|fel");
const QString kSevenAsTable = QStringLiteral("Ap        fel       ne        Ro        \r\n"
                                             "se        si        und       ");

QString countText(const WindowFixture &f)
{
    return f.window->tablePanel()->findChild<QLabel *>(QStringLiteral("countLabel"))->text();
}

QString valueText(const WindowFixture &f, const char *name)
{
    return f.window->tablePanel()->findChild<QLabel *>(QString::fromLatin1(name))->text();
}

} // namespace

class TablePanelTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsParameters();
    void sevenEntriesInFourColumns();
    void slidersRebuildTheTable_data();
    void slidersRebuildTheTable();
    void sizeSliderSetsTheFontOnly();
    void toggleHidesAndEmpties();
    void closeButtonToggles();
    void passUpdatesCountButNotTable();
    void emptyTextGivesEmptyTable();
    void printTableRefusals_data();
    void printTableRefusals();
    void printTableOnThePrinter();
    void printTableIntoPdf();
};

void TablePanelTest::startsWithItsParameters()
{
    WindowFixture f;
    syllables::TablePanel *panel = f.window->tablePanel();
    QCOMPARE(panel->columnsSlider()->minimum(), 1);
    QCOMPARE(panel->columnsSlider()->maximum(), 20);
    QCOMPARE(panel->columnsSlider()->value(), 4);
    QCOMPARE(panel->widthSlider()->minimum(), 1);
    QCOMPARE(panel->widthSlider()->maximum(), 50);
    QCOMPARE(panel->widthSlider()->value(), 10);
    QCOMPARE(panel->sizeSlider()->minimum(), 5);
    QCOMPARE(panel->sizeSlider()->maximum(), 12);
    QCOMPARE(panel->sizeSlider()->value(), 6);
    QCOMPARE(valueText(f, "columnsValue"), QStringLiteral("4"));
    QCOMPARE(valueText(f, "widthValue"), QStringLiteral("10"));
    QCOMPARE(valueText(f, "sizeValue"), QStringLiteral("12"));
    QCOMPARE(countText(f), QStringLiteral("0"));
    QCOMPARE(panel->tableFontName(), QStringLiteral("Courier New"));
    QCOMPARE(panel->tableFontSize(), 12.0);
    QVERIFY(panel->tableField()->font().bold());
    QCOMPARE(panel->tableField()->palette().color(QPalette::Text), QColor(0, 0, 192));
    QCOMPARE(panel->tableField()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(panel->closeButton()->text(), QStringLiteral("X"));
}

void TablePanelTest::sevenEntriesInFourColumns()
{
    WindowFixture f;
    f.open(kSevenSyllables);
    QCOMPARE(countText(f), QStringLiteral("7"));
    QCOMPARE(f.window->tablePanel()->tableText(), QString());
    f.window->toggleTable();
    QVERIFY(!f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->tablePanel()->tableText(), kSevenAsTable);
}

void TablePanelTest::slidersRebuildTheTable_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("table");
    QTest::newRow("one column") << 1 << 4 << "Ap  \r\nfel \r\nne  \r\nRo  \r\nse  \r\nsi  \r\nund \r\n";
    QTest::newRow("width one") << 4 << 1 << "AfnR\r\nssu";
    QTest::newRow("a full cell touches the next") << 7 << 3 << "Ap felne Ro se si und\r\n";
    QTest::newRow("cut at the width") << 3 << 2 << "Apfene\r\nRosesi\r\nun";
}

void TablePanelTest::slidersRebuildTheTable()
{
    QFETCH(int, columns);
    QFETCH(int, width);
    QFETCH(QString, table);
    WindowFixture f;
    f.open(kSevenSyllables);
    f.window->toggleTable();
    f.window->tablePanel()->columnsSlider()->setValue(columns);
    f.window->tablePanel()->widthSlider()->setValue(width);
    QCOMPARE(valueText(f, "columnsValue"), QString::number(columns));
    QCOMPARE(valueText(f, "widthValue"), QString::number(width));
    QCOMPARE(f.window->tablePanel()->tableText(), table);
}

void TablePanelTest::sizeSliderSetsTheFontOnly()
{
    WindowFixture f;
    f.open(kSevenSyllables);
    f.window->toggleTable();
    QTextCursor cursor = f.window->tablePanel()->tableField()->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" Extra"));
    f.window->tablePanel()->sizeSlider()->setValue(9);
    QCOMPARE(valueText(f, "sizeValue"), QStringLiteral("18"));
    QCOMPARE(f.window->tablePanel()->tableFontSize(), 18.0);
    QCOMPARE(f.window->tablePanel()->tableText(), kSevenAsTable + QStringLiteral(" Extra"));
}

void TablePanelTest::toggleHidesAndEmpties()
{
    WindowFixture f;
    f.open(kSevenSyllables);
    f.window->toggleTable();
    f.window->toggleTable();
    QVERIFY(f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->tablePanel()->tableText(), QString());
    f.window->toggleTable();
    QCOMPARE(f.window->tablePanel()->tableText(), kSevenAsTable);
}

void TablePanelTest::closeButtonToggles()
{
    WindowFixture f;
    f.open(kSevenSyllables);
    f.window->toggleTable();
    QTest::mouseClick(f.window->tablePanel()->closeButton(), Qt::LeftButton);
    QVERIFY(f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->tablePanel()->tableText(), QString());
}

void TablePanelTest::passUpdatesCountButNotTable()
{
    WindowFixture f;
    f.open(kSevenSyllables);
    f.window->toggleTable();
    f.window->textField()->setText(marked(QStringLiteral("Ro|se")));
    f.window->chooseCounting(textcore::SyllableCounting::MultiSyllableWords);
    QCOMPARE(countText(f), QStringLiteral("2"));
    QCOMPARE(f.window->tablePanel()->tableText(), kSevenAsTable);
    // Moving a slider builds from the new list.
    f.window->tablePanel()->columnsSlider()->setValue(1);
    QCOMPARE(f.window->tablePanel()->tableText(), QStringLiteral("Ro        \r\nse        \r\n"));
}

void TablePanelTest::emptyTextGivesEmptyTable()
{
    WindowFixture f;
    f.window->colourPass();
    f.window->toggleTable();
    QCOMPARE(countText(f), QStringLiteral("0"));
    QCOMPARE(f.window->tablePanel()->tableText(), QString());
}

void TablePanelTest::printTableRefusals_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("printerInstalled");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("printer locked") << true << true << "Drucken"
                                    << "Drucker ist deaktiviert.\r\r";
    QTest::newRow("no printer installed") << false << false << "Drucken" << platform::noPrinterMessage();
    QTest::newRow("answered No") << false << true << "Silbendruck"
                                 << "Die Silbentabelle jetzt drucken?\r";
}

void TablePanelTest::printTableRefusals()
{
    QFETCH(bool, locked);
    QFETCH(bool, printerInstalled);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    WindowFixture f;
    f.open(kSevenSyllables);
    f.shared.setPrinterLocked(locked);
    f.printer.setAvailable(printerInstalled);
    const bool question = !locked && printerInstalled;
    f.dialogs.queueAnswer(question ? Answer::No : Answer::Ok);
    f.window->printSyllableTable();
    // The panel opens first in any case.
    QVERIFY(!f.window->tablePanel()->isHidden());
    QCOMPARE(f.window->tablePanel()->tableText(), kSevenAsTable);
    QCOMPARE(f.dialogs.calls().size(), 1);
    QCOMPARE(f.dialogs.lastCall().title, title);
    QCOMPARE(f.dialogs.lastCall().prompt, prompt);
    QCOMPARE(f.dialogs.lastCall().buttons, question ? platform::Buttons::YesNo : platform::Buttons::Ok);
    if (question) {
        QCOMPARE(f.dialogs.lastCall().defaultButton, Answer::No);
        QCOMPARE(f.dialogs.lastCall().icon, platform::Icon::Question);
    }
    QVERIFY(f.printer.calls().isEmpty());
}

void TablePanelTest::printTableOnThePrinter()
{
    WindowFixture f;
    f.open(kSevenSyllables);
    f.window->toggleTable();
    f.window->tablePanel()->sizeSlider()->setValue(10);
    f.dialogs.queueAnswer(Answer::Yes);
    f.dialogs.queueAnswer(Answer::Ok);
    f.window->printSyllableTable();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QCOMPARE(f.dialogs.lastCall().prompt, QStringLiteral("Die Daten werden gedruckt ...\r\r"));
    QCOMPARE(f.dialogs.lastCall().title, QStringLiteral("Drucken"));

    const QList<PrintCall> &calls = f.printer.calls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls.at(0).kind, PrintCall::Kind::Text);
    QCOMPARE(calls.at(0).position, QPoint(0, 0));
    QCOMPARE(calls.at(0).fontName, QStringLiteral("Courier New"));
    QCOMPARE(calls.at(0).fontSize, 20.0);
    QCOMPARE(f.printer.printedLines(), kSevenAsTable.split(QStringLiteral("\r\n")));
    QCOMPARE(calls.at(2).kind, PrintCall::Kind::End);
}

void TablePanelTest::printTableIntoPdf()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("table.pdf"));
    platform::QtPrinter printer(pdf);
    WindowFixture f(QString(), &printer);
    f.open(kSevenSyllables);
    f.dialogs.queueAnswer(Answer::Yes);
    f.dialogs.queueAnswer(Answer::Ok);
    f.window->printSyllableTable();
    QVERIFY(f.dialogs.verifyAllAnswered());
    QVERIFY(QFileInfo::exists(pdf));

    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(30000));
    QStringList rows;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            rows.append(line.simplified());
    QCOMPARE(rows, QStringList({"Ap fel ne Ro", "se si und"}));
}

QTEST_MAIN(TablePanelTest)
#include "tst_tablepanel.moc"
