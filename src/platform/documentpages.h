#pragma once
// A formatted text laid out on pages, as the printer and the PDF worksheet
// show it: colours, fonts, the field's reading view (spacing and syllable
// arcs), and a page break wherever the page is full.
#include <QByteArray>

class QPagedPaintDevice;
class QTextDocument;

namespace platform {

// Paints every page of the document on the device, which must not be
// painted on yet. False when the device would not take a page.
bool paintDocumentPages(const QTextDocument &document, QPagedPaintDevice &device);

// The document as an A4 PDF with selectable text; empty on failure.
QByteArray pdfOfDocument(const QTextDocument &document);

} // namespace platform
