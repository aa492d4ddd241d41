#include "platform/printer.h"

#include "platform/documentpages.h"
#include "platform/qtcolour.h"
#include "platform/readingview.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <cmath>

namespace platform {

namespace {

QStringList splitLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

} // namespace

bool Printer::printSelection(const QTextCursor &selection)
{
    const QTextDocument *source = selection.document();
    if (!source)
        return false;
    if (!selection.hasSelection())
        return printDocument(*source);
    QTextDocument copy;
    copy.setDefaultFont(source->defaultFont());
    copy.setDocumentMargin(source->documentMargin());
    QTextCursor(&copy).insertFragment(selection.selection());
    applyReadingView(copy, readingViewOf(*source));
    return printDocument(copy);
}

QString noPrinterMessage()
{
    return QStringLiteral("Es ist kein Drucker eingerichtet.\rBitte richten Sie zuerst in den\rSystemeinstellungen "
                          "einen Drucker ein.\r\r");
}

QString printFailedMessage()
{
    return QStringLiteral("Der Druck ist fehlgeschlagen.\rBitte prüfen Sie den Drucker.\r\r");
}

QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const QString &pdfPath) : m_pdfPath(pdfPath)
{}

QtPrinter::~QtPrinter()
{
    // A drawn page that nobody ended is still sent, as a program end would.
    if (m_painter)
        endDocument();
}

bool QtPrinter::available() const
{
    if (!m_pdfPath.isEmpty())
        return true;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::unique_ptr<QPrinter> QtPrinter::makePrinter() const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfPath);
    }
    printer->setDocName(QStringLiteral("Kolorat"));
    // Colours are what the program is about: never let a driver default to grey.
    printer->setColorMode(QPrinter::Color);
    return printer;
}

bool QtPrinter::printDocument(const QTextDocument &document)
{
    if (m_painter)
        endDocument();
    if (!available())
        return false;
    std::unique_ptr<QPrinter> printer = makePrinter();
    if (!printer->isValid())
        return false;
    return paintDocumentPages(document, *printer) && printer->printerState() != QPrinter::Error;
}

int QtPrinter::toDevice(int twips) const
{
    return int(std::lround(twips * m_printer->resolution() / 1440.0));
}

bool QtPrinter::beginPage()
{
    if (m_painter)
        return !m_failed;
    m_failed = false;
    m_printer = makePrinter();
    m_painter = std::make_unique<QPainter>();
    if (!available() || !m_painter->begin(m_printer.get())) {
        m_failed = true;
        return false;
    }
    return true;
}

void QtPrinter::setPosition(int x, int y)
{
    m_position = QPoint(x, y);
}

void QtPrinter::setFont(const QString &name, qreal points)
{
    m_fontName = name;
    m_fontSize = points > 0 ? points : m_fontSize;
}

void QtPrinter::printText(const QString &text)
{
    if (!beginPage())
        return;
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    const QFontMetricsF metrics(font, m_printer.get());
    const qreal lineHeight = metrics.height();
    const qreal pageHeight = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    for (const QString &line : splitLines(text)) {
        qreal top = toDevice(m_position.y());
        if (top + lineHeight > pageHeight && top > 0) {
            m_printer->newPage();
            m_position.setY(0);
            top = 0;
        }
        m_painter->drawText(QPointF(toDevice(m_position.x()), top + metrics.ascent()), line);
        const qreal next = top + lineHeight;
        m_position = QPoint(0, int(std::lround(next * 1440.0 / m_printer->resolution())));
    }
}

void QtPrinter::drawBox(const QRect &rect, textcore::Colour colour, bool filled)
{
    if (!beginPage())
        return;
    const QRect device(QPoint(toDevice(rect.left()), toDevice(rect.top())),
                       QPoint(toDevice(rect.left() + rect.width()), toDevice(rect.top() + rect.height())));
    const QColor qcolour = toQColor(colour);
    if (filled) {
        m_painter->fillRect(QRect(device.topLeft(), QSize(device.width() - 1, device.height() - 1)), qcolour);
    } else {
        QPen pen(qcolour);
        pen.setWidth(std::max(1, toDevice(15)));
        m_painter->setPen(pen);
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawRect(device);
    }
}

bool QtPrinter::endDocument()
{
    if (!m_painter)
        return true;
    bool ok = !m_failed;
    if (m_painter->isActive())
        ok = m_painter->end() && ok;
    ok = ok && m_printer->printerState() != QPrinter::Error;
    m_painter.reset();
    m_printer.reset();
    m_failed = false;
    m_position = QPoint();
    return ok;
}

} // namespace platform
