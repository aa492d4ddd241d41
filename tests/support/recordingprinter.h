#pragma once
// Test double for Printer: records every call; available() is whatever the
// test sets.
#include "platform/printer.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextDocument>

#include <cmath>

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
    bool printDocument(const QTextDocument &document) override
    {
        add(PrintCall::Kind::Document).text = document.toRawText();
        m_html.append(document.toHtml());
        return m_available;
    }
    void setPosition(int x, int y) override { m_position = QPoint(x, y); }
    QPoint position() const override { return m_position; }
    void setFont(const QString &name, qreal points) override
    {
        m_fontName = name;
        m_fontSize = points > 0 ? points : m_fontSize;
    }
    // One call per line; a line is 1.2 times the font size here (a point is
    // 20 twips): enough to see that lines go downwards and start at x = 0.
    void printText(const QString &text) override
    {
        for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
            PrintCall &call = add(PrintCall::Kind::Text);
            call.text = line;
            call.fontName = m_fontName;
            call.fontSize = m_fontSize;
            m_position = QPoint(0, m_position.y() + int(std::lround(m_fontSize * 24)));
        }
    }
    void drawBox(const QRect &rect, textcore::Colour colour, bool filled) override
    {
        PrintCall &call = add(PrintCall::Kind::Box);
        call.position = rect.topLeft();
        call.rect = rect;
        call.colour = colour;
        call.filled = filled;
    }
    bool endDocument() override
    {
        add(PrintCall::Kind::End);
        m_position = QPoint();
        return m_available;
    }

    const QList<PrintCall> &calls() const { return m_calls; }
    // Lines printed with printText since the start, one entry per line.
    QStringList printedLines() const
    {
        QStringList lines;
        for (const PrintCall &call : m_calls)
            if (call.kind == PrintCall::Kind::Text)
                lines.append(call.text);
        return lines;
    }
    // Documents printed with printDocument/printSelection, kept as HTML so
    // tests can look at the formatting.
    const QStringList &documentsHtml() const { return m_html; }

private:
    PrintCall &add(PrintCall::Kind kind)
    {
        m_calls.append(PrintCall());
        m_calls.last().kind = kind;
        m_calls.last().position = m_position;
        return m_calls.last();
    }

    bool m_available = true;
    QPoint m_position;
    QString m_fontName = QStringLiteral("Arial");
    qreal m_fontSize = 10;
    QList<PrintCall> m_calls;
    QStringList m_html;
};

} // namespace testsupport
