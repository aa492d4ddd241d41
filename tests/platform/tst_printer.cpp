// Printing to a PDF file that poppler's tools read back: text, positions,
// pages and colours of page drawing, formatted text and the worksheet.
#include "platform/documentfiles.h"
#include "platform/documentpages.h"
#include "platform/printer.h"
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
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace platform;

namespace {

QString run(const char *tool, QStringList arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning() << tool << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Words with their top left in points, top to bottom, then left to right.
QList<std::pair<QString, QPointF>> pdfWords(const QString &pdf)
{
    static const QRegularExpression word(u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"_qs);
    QList<std::pair<QString, QPointF>> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(run("pdftotext", {u"-bbox"_qs, pdf, u"-"_qs})))
        words.append({m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())});
    std::sort(words.begin(), words.end(), [](const auto &a, const auto &b) {
        return qAbs(a.second.y() - b.second.y()) > 1 ? a.second.y() < b.second.y() : a.second.x() < b.second.x();
    });
    return words;
}

int pdfPages(const QString &pdf)
{
    return QRegularExpression(u"Pages:\\s+(\\d+)"_qs).match(run("pdfinfo", {pdf})).captured(1).toInt();
}

QImage pdfPage(const QString &pdf, int dpi)
{
    run("pdftoppm", {u"-r"_qs, QString::number(dpi), u"-l"_qs, u"1"_qs, u"-png"_qs, u"-singlefile"_qs, pdf, pdf});
    return QImage(pdf + u".png"_qs);
}

int redPixels(const QImage &page)
{
    int count = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            count += qRed(page.pixel(x, y)) > 150 && qGreen(page.pixel(x, y)) < 120 && qBlue(page.pixel(x, y)) < 120;
    return count;
}

// Top left of the printable area in points, where QtPrinter's PDFs place the origin.
QPointF origin()
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
    void pageDrawing();
    void longTextBreaksPages();
    void selectionKeepsItsFormatting_data();
    void selectionKeepsItsFormatting();
    void nothingToPrint();
    void worksheetPdf();

private:
    QTemporaryDir m_dir;
};

void PrinterTest::initTestCase()
{
    for (const char *tool : {"pdftotext", "pdftoppm", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP("poppler-utils (pdftotext, pdftoppm, pdfinfo) are not installed");
}

// The colour sheet as the sound colour window draws it: text at its place in
// twips, filled boxes in their colours, an outlined box, lines that after the
// first start at the left edge.
void PrinterTest::pageDrawing()
{
    const QString pdf = m_dir.filePath(u"sheet.pdf"_qs);
    const std::pair<const char *, textcore::Colour> rows[]
        = {{"Hintergrund", 16777215},   {"Mitlaute", 0},         {"Selbstlaute", 49152},   {"Umlaute", 16711680},
           {"Doppelmitlaut", 12583104}, {"Großbuchstaben", 255}, {"Satzzeichen", 12632064}};
    QtPrinter printer(pdf);
    QVERIFY(printer.available());
    printer.setFont(u"Arial"_qs, 18);
    for (int i = 0; i < 7; ++i) {
        printer.setPosition(1500, 1000 * (i + 1));
        printer.printText(QString::fromUtf8(rows[i].first));
        printer.drawBox(QRect(5000, 1000 * (i + 1), 2000, 500), rows[i].second, true);
    }
    printer.drawBox(QRect(1440, 8640, 2880, 1440), 255, false);
    printer.setFont(u"Courier New"_qs, 12);
    printer.setPosition(2880, 11000);
    printer.printText(u"ne  Ro  \r\nsi  se"_qs);
    QCOMPARE(printer.position().x(), 0);
    QVERIFY(printer.endDocument());
    QCOMPARE(pdfPages(pdf), 1);

    const QPointF o = origin();
    const auto words = pdfWords(pdf);
    QStringList texts;
    for (const auto &w : words)
        texts << w.first;
    QCOMPARE(texts,
             (QStringList{"Hintergrund", "Mitlaute", "Selbstlaute", "Umlaute", "Doppelmitlaut", "Großbuchstaben",
                          "Satzzeichen", "ne", "Ro", "si", "se"}));
    // 1500 twips are 75 pt; the text's top is at the row's y, within the font's inner leading.
    QVERIFY(qAbs(words[0].second.x() - (o.x() + 75)) < 3);
    QVERIFY(words[0].second.y() >= o.y() + 50 - 1 && words[0].second.y() < o.y() + 50 + 8);
    QVERIFY(qAbs(words[6].second.y() - words[0].second.y() - 300) < 2);
    QVERIFY(qAbs(words[7].second.x() - (o.x() + 144)) < 2);
    QVERIFY(qAbs(words[9].second.x() - o.x()) < 2);
    QVERIFY(words[9].second.y() - words[7].second.y() > 11 && words[9].second.y() - words[7].second.y() < 20);

    const QImage page = pdfPage(pdf, 72);
    auto at = [&](double x, double y) { return QColor(page.pixel(qRound(o.x() + x), qRound(o.y() + y))).name(); };
    for (int i = 0; i < 7; ++i) {
        const textcore::Colour c = rows[i].second;
        const QColor wanted(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        const QColor seen(at(300, 50 * (i + 1) + 12.5));
        QVERIFY2(qAbs(seen.red() - wanted.red()) <= 3 && qAbs(seen.green() - wanted.green()) <= 3
                     && qAbs(seen.blue() - wanted.blue()) <= 3,
                 qPrintable(seen.name() + u" instead of "_qs + wanted.name()));
        QCOMPARE(at(245, 50 * (i + 1) + 12.5), u"#ffffff"_qs);
    }
    // The outlined box: 72..216 pt across, 432..504 pt down, a red edge, a white inside.
    QCOMPARE(at(144, 468), u"#ffffff"_qs);
    const QColor edge(at(144, 432));
    QVERIFY2(edge.red() > 200 && edge.green() < 90 && edge.blue() < 90, qPrintable(edge.name()));
}

void PrinterTest::longTextBreaksPages()
{
    const QString pdf = m_dir.filePath(u"long.pdf"_qs);
    QtPrinter printer(pdf);
    printer.setFont(u"Courier New"_qs, 12);
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << u"Zeile %1"_qs.arg(i);
    printer.printText(lines.join(u"\r\n"_qs));
    QVERIFY(printer.endDocument());
    QVERIFY(pdfPages(pdf) >= 3 && pdfPages(pdf) <= 4);
    // Nothing lost at the page ends, nothing printed twice.
    const QString text = run("pdftotext", {pdf, u"-"_qs});
    for (int i = 1; i <= 150; ++i)
        QCOMPARE(text.count(QRegularExpression(u"Zeile %1\\n"_qs.arg(i))), 1);
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
    RichTextField field;
    field.setFieldFont(u"DejaVu Sans"_qs, 20);
    field.setStyledText({{u"Anfang "_qs, {}},
                         {u"Rosine"_qs, {textcore::kRed, {}, 40, true, false}},
                         {u" Ende\r\nzweite Zeile"_qs, {}}});
    QTextCursor selection(field.document());
    selection.setPosition(start);
    selection.setPosition(start + length, QTextCursor::KeepAnchor);
    const QString pdf = m_dir.filePath(u"selection-%1-%2.pdf"_qs.arg(start).arg(length));
    QtPrinter printer(pdf);
    QVERIFY(printer.printSelection(selection));
    // Line by line as laid out, blanks between words collapsed.
    const QString text = run("pdftotext", {u"-layout"_qs, pdf, u"-"_qs});
    QCOMPARE(text.simplified(), QString(printed).replace(u'\n', u' '));
    QCOMPARE(text.trimmed().count(QRegularExpression(u"\n\\s*"_qs)), printed.count(u'\n'));
    QCOMPARE(redPixels(pdfPage(pdf, 50)) > 20, redExpected);
    QCOMPARE(field.text(), u"Anfang Rosine Ende\r\nzweite Zeile"_qs);
}

void PrinterTest::nothingToPrint()
{
    const QString pdf = m_dir.filePath(u"nothing.pdf"_qs);
    QVERIFY(QtPrinter(pdf).endDocument());
    QVERIFY(!QFile::exists(pdf));
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this machine has a printer");
    QtPrinter printer;
    QVERIFY(!printer.available());
    QVERIFY(!printer.printDocument(QTextDocument(u"Text"_qs)));
    printer.printText(u"Text"_qs);
    QVERIFY(!printer.endDocument());
    QVERIFY(noPrinterMessage().contains(u"kein Drucker"_qs));
}

// The PDF worksheet is the printed page: A4, real text, page breaks, and the
// field's reading view (arcs, spacing) on every page.
void PrinterTest::worksheetPdf()
{
    RichTextField field;
    field.setFieldFont(u"DejaVu Sans"_qs, 14);
    const QString line = u"Ro\u00ADsi\u00ADne und Ei.\r\n"_qs;
    field.setText(line.repeated(40));
    for (int i = 0; i < 40; ++i)
        field.applyFormatToRange(i * int(line.size()), 2, CharFormat{textcore::kRed, {}, 0, false, false});
    auto write = [&](const QString &name, ReadingView view) {
        field.setReadingView(view);
        const QString path = m_dir.filePath(name);
        return saveFileBytes(path, pdfOfDocument(*field.document())).ok() ? path : QString();
    };
    const QString single = write(u"single.pdf"_qs, ReadingView{});
    ReadingView view{false, LetterSpacing::Normal, WordSpacing::Normal, LineSpacing::Double};
    const QString spaced = write(u"spaced.pdf"_qs, view);
    view.syllableArcs = true;
    const QString arcs = write(u"arcs.pdf"_qs, view);
    QVERIFY(run("pdfinfo", {arcs}).contains(u"pts (A4)"_qs));
    QVERIFY2(pdfPages(spaced) > pdfPages(single) && pdfPages(single) >= 1, "double line spacing reaches the page");
    QCOMPARE(pdfPages(arcs), pdfPages(spaced));
    QCOMPARE(run("pdftotext", {arcs, u"-"_qs}).remove(QChar(0x00AD)).count(u"Rosine und Ei."_qs), 40);
    // Arcs add colour under the lines: a red arc under every red «Ro».
    QVERIFY(redPixels(pdfPage(arcs, 50)) > redPixels(pdfPage(spaced, 50)) + 20);
}

QTEST_MAIN(PrinterTest)
#include "tst_printer.moc"
