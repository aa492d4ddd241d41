#include "platform/syllablearcs.h"

#include "textcore/syllablepieces.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <string_view>

namespace platform {

namespace {

// Arcs under black letters would read as underlining; grey stays a mark.
const QColor kUncolouredArc(128, 128, 128);

bool laidOut(const QTextBlock &block)
{
    return block.layout() && block.layout()->lineCount() > 0;
}

// The first paragraph that reaches down to `top`. Paragraphs lie one below
// the other, and the layout works from the top, so a paragraph not laid out
// yet counts as lying below everything.
QTextBlock firstBlockReaching(const QTextDocument &document, qreal top)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    int low = 0;
    int high = document.blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QTextBlock block = document.findBlockByNumber(middle);
        if (laidOut(block) && layout->blockBoundingRect(block).bottom() < top)
            low = middle + 1;
        else
            high = middle;
    }
    return document.findBlockByNumber(low);
}

QColor colourAt(int position, QTextBlock::iterator &fragment)
{
    while (!fragment.atEnd()) {
        const QTextFragment f = fragment.fragment();
        if (position < f.position() + f.length()) {
            const QTextCharFormat format = f.charFormat();
            if (!format.hasProperty(QTextFormat::ForegroundBrush) || format.foreground().style() == Qt::NoBrush)
                break;
            const QColor colour = format.foreground().color();
            return colour.rgb() == QColor(Qt::black).rgb() ? kUncolouredArc : colour;
        }
        ++fragment;
    }
    return kUncolouredArc;
}

void drawArc(QPainter &painter, qreal left, qreal right, const QTextLine &line, qreal top, const QColor &colour)
{
    const qreal descent = std::max<qreal>(line.descent(), 2);
    const qreal height = line.ascent() + line.descent();
    // A clear gap between neighbouring syllables, so the arcs never read
    // as one underline.
    const qreal inset = std::min((right - left) * 0.18, height * 0.12);
    left += inset;
    right -= inset;
    if (right <= left)
        return;
    const qreal width = std::max<qreal>(1, height * 0.06);
    const qreal baseline = top + line.y() + line.ascent();
    const qreal y = baseline + descent * 0.1;
    const qreal depth = std::max<qreal>(descent * 0.8 - width / 2, 1);
    QPainterPath arc(QPointF(left, y));
    // A quadratic curve reaches half its control point's depth.
    arc.quadTo(QPointF((left + right) / 2, y + 2 * depth), QPointF(right, y));
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arc);
}

void paintBlockArcs(QPainter &painter, const QTextBlock &block, const QPointF &origin, const QRectF &area)
{
    const QTextLayout *layout = block.layout();
    const QString text = block.text();
    const std::u16string_view view(reinterpret_cast<const char16_t *>(text.utf16()), size_t(text.size()));
    QTextBlock::iterator fragment = block.begin();
    int lineIndex = 0;
    const int lines = layout->lineCount();
    for (const textcore::SyllablePiece &piece : textcore::SyllablePieces(view)) {
        const int start = int(piece.start);
        const int end = int(piece.start + piece.length);
        QColor colour;
        bool coloured = false;
        // One arc per line the syllable stands on.
        for (int s = start; s < end && lineIndex < lines;) {
            const QTextLine line = layout->lineAt(lineIndex);
            const int lineEnd = line.textStart() + line.textLength();
            if (s >= lineEnd) {
                ++lineIndex;
                continue;
            }
            const int e = std::min(end, lineEnd);
            const qreal top = origin.y() + line.y();
            if (top <= area.bottom() && top + line.height() >= area.top()) {
                if (!coloured) {
                    colour = colourAt(block.position() + start, fragment);
                    coloured = true;
                }
                const qreal a = origin.x() + line.cursorToX(s);
                const qreal b = origin.x() + line.cursorToX(e);
                drawArc(painter, std::min(a, b), std::max(a, b), line, origin.y(), colour);
            }
            s = e;
        }
    }
}

} // namespace

void paintSyllableArcs(QPainter &painter, const QTextDocument &document, const QRectF &area)
{
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (QTextBlock block = firstBlockReaching(document, area.top()); block.isValid() && laidOut(block);
         block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        if (rect.top() > area.bottom())
            break;
        paintBlockArcs(painter, block, rect.topLeft(), area);
    }
    painter.restore();
}

} // namespace platform
