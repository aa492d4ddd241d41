#include "support/recordingprinter.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>

namespace testsupport {

namespace {

QStringList splitLines(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

} // namespace

bool RecordingPrinter::printDocument(const QTextDocument &document)
{
    PrintCall call;
    call.kind = PrintCall::Kind::Document;
    call.text = document.toRawText();
    m_calls.append(call);
    m_html.append(document.toHtml());
    return m_available;
}

void RecordingPrinter::setFont(const QString &name, qreal points)
{
    m_fontName = name;
    m_fontSize = points > 0 ? points : m_fontSize;
}

void RecordingPrinter::printText(const QString &text)
{
    // A line is 1.2 times the font size here (a point is 20 twips): enough
    // for tests to see that lines go downwards and start at x = 0.
    const int lineHeight = int(std::lround(m_fontSize * 20 * 1.2));
    for (const QString &line : splitLines(text)) {
        PrintCall call;
        call.kind = PrintCall::Kind::Text;
        call.position = m_position;
        call.text = line;
        call.fontName = m_fontName;
        call.fontSize = m_fontSize;
        m_calls.append(call);
        m_position = QPoint(0, m_position.y() + lineHeight);
    }
}

void RecordingPrinter::drawBox(const QRect &rect, textcore::Colour colour, bool filled)
{
    PrintCall call;
    call.kind = PrintCall::Kind::Box;
    call.position = rect.topLeft();
    call.rect = rect;
    call.colour = colour;
    call.filled = filled;
    m_calls.append(call);
}

bool RecordingPrinter::endDocument()
{
    PrintCall call;
    call.kind = PrintCall::Kind::End;
    m_calls.append(call);
    m_position = QPoint();
    return m_available;
}

QStringList RecordingPrinter::printedLines() const
{
    QStringList lines;
    for (const PrintCall &call : m_calls) {
        if (call.kind == PrintCall::Kind::Text)
            lines.append(call.text);
    }
    return lines;
}

int RecordingPrinter::endCount() const
{
    int count = 0;
    for (const PrintCall &call : m_calls)
        count += call.kind == PrintCall::Kind::End ? 1 : 0;
    return count;
}

} // namespace testsupport
