#pragma once
// Test double for Printer: records every call; available() is whatever the
// test sets.
#include "platform/printer.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace testsupport {

struct PrintCall {
    enum class Kind {
        Document,
        Text,
        Box,
        End
    };
    Kind kind = Kind::Text;
    QPoint position;             // Text and Box: where it started
    QString text;                // Text: the text; Document: the document's plain text
    QString fontName;            // Text
    qreal fontSize = 0;          // Text
    QRect rect;                  // Box
    textcore::Colour colour = 0; // Box
    bool filled = false;         // Box
};

class RecordingPrinter : public platform::Printer {
public:
    void setAvailable(bool available) { m_available = available; }
    bool available() const override { return m_available; }
    bool printDocument(const QTextDocument &document) override;
    void setPosition(int x, int y) override { m_position = QPoint(x, y); }
    QPoint position() const override { return m_position; }
    void setFont(const QString &name, qreal points) override;
    void printText(const QString &text) override;
    void drawBox(const QRect &rect, textcore::Colour colour, bool filled) override;
    bool endDocument() override;

    const QList<PrintCall> &calls() const { return m_calls; }
    // Lines printed with printText since the start, one entry per line.
    QStringList printedLines() const;
    // Documents printed with printDocument/printSelection, kept as HTML so
    // tests can look at the formatting.
    const QStringList &documentsHtml() const { return m_html; }
    int endCount() const;

private:
    bool m_available = true;
    QPoint m_position;
    QString m_fontName = QStringLiteral("Arial");
    qreal m_fontSize = 10;
    QList<PrintCall> m_calls;
    QStringList m_html;
};

} // namespace testsupport
