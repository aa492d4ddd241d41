#include "platform/documentpages.h"

#include "platform/readingview.h"
#include "platform/syllablearcs.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace platform {

bool paintDocumentPages(const QTextDocument &document, QPagedPaintDevice &device)
{
    // Our own page loop rather than QTextDocument::print, which adds page
    // numbers that the program never printed.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setDefaultFont(document.defaultFont());
    copy->documentLayout()->setPaintDevice(&device);
    // The spacing again, measured for the device's pixels.
    applyReadingView(*copy, readingViewOf(document));
    const bool arcs = readingViewOf(document).syllableArcs;
    const QSizeF page(device.width(), device.height());
    copy->setPageSize(page);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pages = copy->pageCount();
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        painter.save();
        painter.translate(0, -i * page.height());
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        if (arcs)
            paintSyllableArcs(painter, *copy, context.clip);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

QByteArray pdfOfDocument(const QTextDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                         QPageLayout::Millimeter));
        writer.setResolution(600);
        writer.setTitle(QStringLiteral("Kolorat"));
        writer.setCreator(QStringLiteral("Kolorat"));
        if (!paintDocumentPages(document, writer))
            return {};
    }
    return bytes;
}

} // namespace platform
