// Printing: page drawing and formatted text, to a PDF file that poppler's
// tools read back (text, positions, pages and colours), and the recording
// test double the windows' tests use.
#include "platform/printer.h"
#include "support/recordingprinter.h"

#include "platform/documentfiles.h"
#include "platform/documentpages.h"
#include "platform/result.h"
#include "platform/richtextfield.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace platform;
using namespace testsupport;

namespace {

struct Word {
    QString text;
    double xMin, yMin;
};

// The colour sheet as the sound colour window draws it.
struct SheetRow {
    const char *name;
    textcore::Colour colour;
};
const SheetRow sheet[]
    = {{"Hintergrund", 16777215},   {"Mitlaute", 0},         {"Selbstlaute", 49152}, {"Umlaute", 16711680},
       {"Doppelmitlaut", 12583104}, {"Großbuchstaben", 255}, {"Sonderzeichen", 0},   {"Satzzeichen", 12632064}};

void drawColourSheet(Printer &printer, const QString &title)
{
    printer.setPosition(0, 0);
    printer.setFont(QStringLiteral("Arial"), 18);
    printer.setCurrentX(1500);
    printer.printText(title.toUpper());
    printer.printText(QStringLiteral(" "));
    printer.printText(QStringLiteral(" "));
    int y = 1000;
    for (const SheetRow &row : sheet) {
        printer.setPosition(1500, y);
        printer.printText(QString::fromUtf8(row.name));
        printer.drawBox(QRect(5000, y, 2000, 500), row.colour, true);
        printer.setPosition(7500, y);
        printer.printText(QString::number(row.colour));
        y += 1000;
    }
}

// Top left of the printable area in points, as QtPrinter's PDFs place it.
QPointF printableOrigin()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printer.pageLayout().paintRect(QPageLayout::Point).topLeft();
}

} // namespace

class PrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void colourSheetToPdf();
    void colourSheetBoxesHaveTheirColours_data();
    void colourSheetBoxesHaveTheirColours();
    void outlinedBox();
    void linesStartAtTheLeftEdge();
    void longTextBreaksPages();
    void selectionKeepsItsFormatting_data();
    void selectionKeepsItsFormatting();
    void endWithoutDrawingPrintsNothing();
    void noPrinterInstalled();
    void worksheetPdf();

    void recordingPrinter();
    void recordingPrinterLines_data();
    void recordingPrinterLines();

private:
    QString pdfText(const QString &pdf, bool layout = true);
    QList<Word> pdfWords(const QString &pdf);
    int pdfPages(const QString &pdf);
    QImage pdfPage(const QString &pdf, int dpi);
    QString tool(const char *name);
    QString run(const QString &program, const QStringList &arguments);

    QTemporaryDir m_dir;
};

QString PrinterTest::tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString PrinterTest::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PrinterTest::pdfText(const QString &pdf, bool layout)
{
    QStringList arguments;
    if (layout)
        arguments << QStringLiteral("-layout");
    arguments << pdf << QStringLiteral("-");
    return run(tool("pdftotext"), arguments);
}

QList<Word> PrinterTest::pdfWords(const QString &pdf)
{
    const QString xhtml = run(tool("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    QList<Word> words;
    for (const QRegularExpressionMatch &match : word.globalMatch(xhtml))
        words.append(Word{match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
    // Reading order: top to bottom, then left to right.
    std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        return qAbs(a.yMin - b.yMin) > 1 ? a.yMin < b.yMin : a.xMin < b.xMin;
    });
    return words;
}

int PrinterTest::pdfPages(const QString &pdf)
{
    const QString info = run(tool("pdfinfo"), {pdf});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QImage PrinterTest::pdfPage(const QString &pdf, int dpi)
{
    const QString base = pdf + QStringLiteral("-page");
    run(tool("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
         QStringLiteral("1"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

void PrinterTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (tool("pdftotext").isEmpty() || tool("pdftoppm").isEmpty() || tool("pdfinfo").isEmpty())
        QSKIP("poppler-utils (pdftotext, pdftoppm, pdfinfo) are not installed");
}

void PrinterTest::colourSheetToPdf()
{
    const QString pdf = m_dir.filePath(QStringLiteral("sheet.pdf"));
    QtPrinter printer(pdf);
    QVERIFY(printer.available());
    drawColourSheet(printer, QStringLiteral("Farbset Grüße"));
    QVERIFY(printer.endDocument());
    QCOMPARE(pdfPages(pdf), 1);

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("FARBSET GRÜSSE")), qPrintable(text));
    // Every row reads name ... value on one line.
    for (const SheetRow &row : sheet) {
        const QRegularExpression line(QStringLiteral("%1\\s+%2\\n").arg(QString::fromUtf8(row.name)).arg(row.colour));
        QVERIFY2(line.match(text).hasMatch(), qPrintable(QString::fromUtf8(row.name) + QLatin1Char('\n') + text));
    }

    // Positions: names at 1500 twips (75 pt) and values at 7500 twips
    // (375 pt) from the printable area's left edge, rows 1000 twips apart.
    const QPointF origin = printableOrigin();
    const QList<Word> words = pdfWords(pdf);
    auto find = [&](const QString &wanted) {
        for (const Word &w : words)
            if (w.text == wanted)
                return w;
        return Word{QString(), -1, -1};
    };
    const Word background = find(QStringLiteral("Hintergrund"));
    const Word punctuation = find(QStringLiteral("Satzzeichen"));
    const Word white = find(QStringLiteral("16777215"));
    QVERIFY(!background.text.isEmpty() && !punctuation.text.isEmpty() && !white.text.isEmpty());
    QVERIFY2(qAbs(background.xMin - (origin.x() + 75)) < 3, qPrintable(QString::number(background.xMin)));
    QVERIFY2(qAbs(white.xMin - (origin.x() + 375)) < 3, qPrintable(QString::number(white.xMin)));
    // Seven rows of 50 pt between the first and the last.
    QVERIFY2(qAbs((punctuation.yMin - background.yMin) - 350) < 2,
             qPrintable(QString::number(punctuation.yMin - background.yMin)));
    // The text's top is at the row's y (50 pt), within the font's inner leading.
    QVERIFY2(background.yMin >= origin.y() + 50 - 1 && background.yMin < origin.y() + 50 + 8,
             qPrintable(QString::number(background.yMin)));
}

void PrinterTest::colourSheetBoxesHaveTheirColours_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(sheet[i].name) << i;
}

void PrinterTest::colourSheetBoxesHaveTheirColours()
{
    QFETCH(int, row);
    const QString pdf = m_dir.filePath(QStringLiteral("boxes.pdf"));
    if (!QFile::exists(pdf)) {
        QtPrinter printer(pdf);
        drawColourSheet(printer, QStringLiteral("Farbset"));
        QVERIFY(printer.endDocument());
    }
    const QImage page = pdfPage(pdf, 72);
    QVERIFY(!page.isNull());
    const QPointF origin = printableOrigin();
    // Box from (5000, y) to (7000, y + 500) twips: 250..350 pt across, 25 pt high.
    const int y = 1000 * (row + 1);
    const QPoint centre(qRound(origin.x() + 300), qRound(origin.y() + (y + 250) / 20.0));
    const QColor seen(page.pixel(centre));
    const textcore::Colour colour = sheet[row].colour;
    const QColor wanted(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
    QVERIFY2(qAbs(seen.red() - wanted.red()) <= 3 && qAbs(seen.green() - wanted.green()) <= 3
                 && qAbs(seen.blue() - wanted.blue()) <= 3,
             qPrintable(QStringLiteral("%1 instead of %2").arg(seen.name(), wanted.name())));
    // Just outside the box, left of it, the page is white.
    const QColor outside(page.pixel(QPoint(qRound(origin.x() + 245), centre.y())));
    QCOMPARE(outside.name(), QStringLiteral("#ffffff"));
}

void PrinterTest::outlinedBox()
{
    const QString pdf = m_dir.filePath(QStringLiteral("outline.pdf"));
    QtPrinter printer(pdf);
    printer.drawBox(QRect(1440, 1440, 2880, 1440), 255, false);
    QVERIFY(printer.endDocument());
    const QImage page = pdfPage(pdf, 72);
    const QPointF origin = printableOrigin();
    // 72..216 pt across, 72..144 pt down: a red edge, a white inside.
    const QColor edge(page.pixel(qRound(origin.x() + 144), qRound(origin.y() + 72)));
    const QColor inside(page.pixel(qRound(origin.x() + 144), qRound(origin.y() + 108)));
    QVERIFY2(edge.red() > 200 && edge.green() < 90 && edge.blue() < 90, qPrintable(edge.name()));
    QCOMPARE(inside.name(), QStringLiteral("#ffffff"));
}

void PrinterTest::linesStartAtTheLeftEdge()
{
    const QString pdf = m_dir.filePath(QStringLiteral("lines.pdf"));
    QtPrinter printer(pdf);
    printer.setFont(QStringLiteral("Courier New"), 12);
    printer.setPosition(2880, 0);
    printer.printText(QStringLiteral("ne  Ro  \r\nsi  se  \r\nund"));
    QCOMPARE(printer.position().x(), 0);
    QVERIFY(printer.position().y() > 3 * 240);
    QVERIFY(printer.endDocument());

    const QList<Word> words = pdfWords(pdf);
    QStringList texts;
    for (const Word &w : words)
        texts << w.text;
    QCOMPARE(texts, (QStringList{"ne", "Ro", "si", "se", "und"}));
    const QPointF origin = printableOrigin();
    // Only the first line starts at 2 inches; the next lines at the left edge.
    QVERIFY2(qAbs(words[0].xMin - (origin.x() + 144)) < 2, qPrintable(QString::number(words[0].xMin)));
    QVERIFY2(qAbs(words[2].xMin - origin.x()) < 2, qPrintable(QString::number(words[2].xMin)));
    QVERIFY2(qAbs(words[4].xMin - origin.x()) < 2, qPrintable(QString::number(words[4].xMin)));
    // Lines go down by about one line of 12 pt type.
    const double step = words[2].yMin - words[0].yMin;
    QVERIFY2(step > 11 && step < 20, qPrintable(QString::number(step)));
    QVERIFY2(qAbs((words[4].yMin - words[2].yMin) - step) < 0.5, qPrintable(QString::number(words[4].yMin)));
}

void PrinterTest::longTextBreaksPages()
{
    const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
    QtPrinter printer(pdf);
    printer.setFont(QStringLiteral("Courier New"), 12);
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    printer.printText(lines.join(QStringLiteral("\r\n")));
    QVERIFY(printer.endDocument());
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= 3 && pages <= 4, qPrintable(QString::number(pages)));
    const QString text = pdfText(pdf, false);
    // Nothing lost at the page ends, nothing printed twice.
    for (int i = 1; i <= 150; ++i)
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("Zeile %1\\n").arg(i))), 1);
}

void PrinterTest::selectionKeepsItsFormatting_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<bool>("redExpected");
    QTest::newRow("the red word only") << 7 << 6 << "Rosine" << true;
    QTest::newRow("black part only") << 0 << 6 << "Anfang" << false;
    QTest::newRow("nothing selected prints everything") << 3 << 0 << "Anfang Rosine Ende\nzweite Zeile" << true;
    QTest::newRow("across the line break") << 14 << 11 << "Ende\nzweite" << false;
}

void PrinterTest::selectionKeepsItsFormatting()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, printed);
    QFETCH(bool, redExpected);

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(20);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Anfang "));
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontWeight(QFont::Bold);
    red.setFontPointSize(40);
    cursor.insertText(QStringLiteral("Rosine"), red);
    cursor.insertText(QStringLiteral(" Ende"), QTextCharFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("zweite Zeile"));

    QTextCursor selection(&document);
    selection.setPosition(start);
    selection.setPosition(start + length, QTextCursor::KeepAnchor);

    const QString pdf = m_dir.filePath(QStringLiteral("selection-%1-%2.pdf").arg(start).arg(length));
    QtPrinter printer(pdf);
    QVERIFY(printer.printSelection(selection));
    // Line by line as laid out, blanks between words collapsed.
    QStringList lines;
    for (const QString &line : pdfText(pdf).split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    QCOMPARE(lines.join(QLatin1Char('\n')), printed);

    const QImage page = pdfPage(pdf, 50);
    QVERIFY(!page.isNull());
    int redPixels = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c(page.pixel(x, y));
            redPixels += (c.red() > 200 && c.green() < 60 && c.blue() < 60) ? 1 : 0;
        }
    QCOMPARE(redPixels > 20, redExpected);
    // The field's own document is untouched by printing.
    QCOMPARE(document.toRawText(), QStringLiteral("Anfang Rosine Ende\u2029zweite Zeile"));
}

void PrinterTest::endWithoutDrawingPrintsNothing()
{
    const QString pdf = m_dir.filePath(QStringLiteral("nothing.pdf"));
    QtPrinter printer(pdf);
    QVERIFY(printer.endDocument());
    QVERIFY(!QFile::exists(pdf));
}

void PrinterTest::noPrinterInstalled()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this machine has a printer");
    QtPrinter printer;
    QVERIFY(!printer.available());
    QTextDocument document(QStringLiteral("Text"));
    QVERIFY(!printer.printDocument(document));
    printer.printText(QStringLiteral("Text"));
    printer.drawBox(QRect(0, 0, 100, 100), 255, true);
    QVERIFY(!printer.endDocument());
    QVERIFY(noPrinterMessage().contains(QStringLiteral("kein Drucker")));
}

void PrinterTest::recordingPrinter()
{
    RecordingPrinter printer;
    drawColourSheet(printer, QStringLiteral("Farbset"));
    QVERIFY(printer.endDocument());
    QCOMPARE(printer.endCount(), 1);
    const QStringList lines = printer.printedLines();
    QCOMPARE(lines.mid(0, 5), (QStringList{"FARBSET", " ", " ", "Hintergrund", "16777215"}));
    QList<PrintCall> boxes;
    for (const PrintCall &call : printer.calls())
        if (call.kind == PrintCall::Kind::Box)
            boxes << call;
    QCOMPARE(boxes.size(), 8);
    QCOMPARE(boxes[5].rect, QRect(5000, 6000, 2000, 500));
    QCOMPARE(boxes[5].colour, textcore::Colour(255));
    QVERIFY(boxes[5].filled);
    QCOMPARE(printer.calls().first().position, QPoint(1500, 0));
    QCOMPARE(printer.calls().first().fontName, QStringLiteral("Arial"));
    QCOMPARE(printer.calls().first().fontSize, 18.0);

    printer.setAvailable(false);
    QVERIFY(!printer.available());
    QTextDocument document(QStringLiteral("Hallo"));
    QVERIFY(!printer.printDocument(document));
    QCOMPARE(printer.calls().last().text, QStringLiteral("Hallo"));
}

void PrinterTest::recordingPrinterLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "ne  Ro  \r\nsi  " << QStringList{"ne  Ro  ", "si  "};
    QTest::newRow("trailing line break gives an empty last line") << "a\r\n" << QStringList{"a", ""};
    QTest::newRow("lone CR and LF") << "a\rb\nc" << QStringList{"a", "b", "c"};
    QTest::newRow("empty text is one empty line") << "" << QStringList{""};
}

void PrinterTest::recordingPrinterLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    RecordingPrinter printer;
    printer.setFont(QStringLiteral("Courier New"), 12);
    printer.setPosition(720, 100);
    printer.printText(text);
    QCOMPARE(printer.printedLines(), lines);
    QCOMPARE(printer.calls().first().position, QPoint(720, 100));
    for (int i = 1; i < printer.calls().size(); ++i) {
        QCOMPARE(printer.calls()[i].position.x(), 0);
        QVERIFY(printer.calls()[i].position.y() > printer.calls()[i - 1].position.y());
    }
    QCOMPARE(printer.position().x(), 0);
}

// The PDF worksheet is the printed page: A4, real text, page breaks, and the
// field's reading view (arcs, spacing) on every page.
void PrinterTest::worksheetPdf()
{
    RichTextField field;
    field.setFieldFont(QStringLiteral("DejaVu Sans"), 14);
    const QString line = QStringLiteral("Ro\u00ADsi\u00ADne und Ei.\r\n");
    field.setText(line.repeated(40));
    for (int i = 0; i < 40; ++i)
        field.applyFormatToRange(i * int(line.size()), 2, CharFormat{textcore::kRed, {}, 0, false, false});
    auto write = [&](const QString &name, const ReadingView &view) {
        field.setReadingView(view);
        const QString path = m_dir.filePath(name);
        const textcore::Result<> saved = saveFileBytes(path, pdfOfDocument(*field.document()));
        return saved.ok() ? path : messageOf(saved);
    };
    const QString single = write(QStringLiteral("single.pdf"), ReadingView{});
    const ReadingView doubleSpaced{false, LetterSpacing::Normal, WordSpacing::Normal, LineSpacing::Double};
    const QString spaced = write(QStringLiteral("spaced.pdf"), doubleSpaced);
    ReadingView arcsView = doubleSpaced;
    arcsView.syllableArcs = true;
    const QString arcs = write(QStringLiteral("arcs.pdf"), arcsView);

    QVERIFY2(run(tool("pdfinfo"), {arcs}).contains(QStringLiteral("pts (A4)")),
             qPrintable(run(tool("pdfinfo"), {arcs})));
    QVERIFY(pdfPages(single) >= 1);
    QVERIFY2(pdfPages(spaced) > pdfPages(single), "double line spacing reaches the page");
    QCOMPARE(pdfPages(arcs), pdfPages(spaced));
    const QString text = pdfText(arcs, false).remove(QChar(0x00AD));
    QCOMPARE(text.count(QStringLiteral("Rosine und Ei.")), 40);

    // Arcs add colour under the lines, and only there: a red arc under
    // every red «Ro».
    const QImage withoutArcs = pdfPage(spaced, 50);
    const QImage withArcs = pdfPage(arcs, 50);
    QCOMPARE(withArcs.size(), withoutArcs.size());
    auto redPixels = [](const QImage &page) {
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb p = page.pixel(x, y);
                count += qRed(p) > 150 && qGreen(p) < 120 && qBlue(p) < 120;
            }
        return count;
    };
    QVERIFY2(redPixels(withArcs) > redPixels(withoutArcs) + 20,
             qPrintable(QStringLiteral("%1 %2").arg(redPixels(withArcs)).arg(redPixels(withoutArcs))));
}

QTEST_MAIN(PrinterTest)
#include "tst_printer.moc"
