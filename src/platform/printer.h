#pragma once
// The printer as the windows use it: either a whole formatted text (a
// field's selection with its colours and fonts), or a page drawn piece by
// piece: position, font, text lines, boxes in a colour, end of document.
// Positions are twips from the top left corner of the printable area.
#include "textcore/colour.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;
class QTextCursor;
class QTextDocument;

namespace platform {

class Printer {
public:
    virtual ~Printer() = default;

    // False when there is nowhere to print to (no printer installed). The
    // caller then shows noPrinterMessage() and prints nothing.
    virtual bool available() const = 0;

    // Prints the whole document as one job, with page breaks, keeping each
    // character's colour, font, size, bold and italic. An open page drawing
    // is ended first. False when the job failed.
    virtual bool printDocument(const QTextDocument &document) = 0;

    // Prints the selected text with its formatting; with nothing selected,
    // the whole document of the cursor.
    bool printSelection(const QTextCursor &selection);

    // Page drawing. The first call starts a job; endDocument() sends it.
    virtual void setPosition(int x, int y) = 0;
    virtual QPoint position() const = 0;
    void setCurrentX(int x) { setPosition(x, position().y()); }
    void setCurrentY(int y) { setPosition(position().x(), y); }
    virtual void setFont(const QString &name, qreal points) = 0;
    // Prints the text with its top at the current position. Every line
    // ("\r\n", "\r" or "\n" separated) moves the position to the start
    // (x = 0) of the next line; a line that would leave the page starts a
    // new page. Like every output call, an empty text still moves down one line.
    virtual void printText(const QString &text) = 0;
    // A box from rect's top left to its bottom right, filled or outlined.
    virtual void drawBox(const QRect &rect, textcore::Colour colour, bool filled) = 0;
    // Ends the job and sends it; false when the job failed. Without any
    // page drawing since the last end, nothing is printed and true returned.
    virtual bool endDocument() = 0;
};

// German messages for the caller's message box (title "Drucken").
QString noPrinterMessage();
QString printFailedMessage();

// The system's default printer through QPrinter, or a PDF file for tests
// and for a user without a printer.
class QtPrinter : public Printer {
public:
    QtPrinter();
    // Every job goes into this PDF file (each job replaces it).
    explicit QtPrinter(const QString &pdfPath);
    ~QtPrinter() override;

    bool available() const override;
    bool printDocument(const QTextDocument &document) override;
    void setPosition(int x, int y) override;
    QPoint position() const override { return m_position; }
    void setFont(const QString &name, qreal points) override;
    void printText(const QString &text) override;
    void drawBox(const QRect &rect, textcore::Colour colour, bool filled) override;
    bool endDocument() override;

private:
    std::unique_ptr<QPrinter> makePrinter() const;
    bool beginPage();
    int toDevice(int twips) const;

    QString m_pdfPath;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    bool m_failed = false;
    QPoint m_position;
    QString m_fontName = QStringLiteral("Arial");
    qreal m_fontSize = 10;
};

} // namespace platform
