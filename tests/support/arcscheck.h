#pragma once
// Looks at a field's syllable arcs on screen: grabbed once without and once
// with arcs, every changed pixel must lie in the descent of a text line
// (between baseline and line bottom), and the changed columns of each line
// are its arcs, left to right.
#include "platform/richtextfield.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

struct ArcsSeen {
    QString error;          // a pixel changed outside a descent; empty when none did
    QList<QRgb> arcColours; // per arc, its darkest pixel
};

inline ArcsSeen arcsOf(platform::RichTextField &field)
{
    QList<std::pair<int, int>> bands; // first and last row of each line's descent
    for (QTextBlock b = field.document()->begin(); b.isValid(); b = b.next()) {
        const qreal top
            = field.document()->documentLayout()->blockBoundingRect(b).top() - field.verticalScrollBar()->value();
        for (int i = 0; b.layout() && i < b.layout()->lineCount(); ++i) {
            const qreal baseline = top + b.layout()->lineAt(i).y() + b.layout()->lineAt(i).ascent();
            bands.append({int(baseline) - 1, int(baseline + b.layout()->lineAt(i).descent()) + 1});
        }
    }
    const platform::ReadingView view = field.readingView();
    const auto shot = [&field, view](bool arcs) {
        platform::ReadingView shown = view;
        shown.syllableArcs = arcs;
        field.setReadingView(shown);
        return field.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage without = shot(false), with = shot(true);
    field.setReadingView(view);

    ArcsSeen seen;
    for (int y = 0; y < with.height() && seen.error.isEmpty(); ++y)
        for (int x = 0; x < with.width() && seen.error.isEmpty(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)
                && std::none_of(bands.begin(), bands.end(), [y](auto b) { return y >= b.first && y <= b.second; }))
                seen.error = QStringLiteral("pixel %1,%2 changed outside the descent of a line").arg(x).arg(y);
    const auto brightness = [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); };
    for (const auto &[top, bottom] : bands) {
        bool inArc = false;
        for (int x = 0; x < with.width(); ++x) {
            bool changed = false;
            for (int y = std::max(top, 0); y <= std::min(bottom, with.height() - 1); ++y) {
                if (with.pixel(x, y) == without.pixel(x, y))
                    continue;
                if (!changed && !inArc)
                    seen.arcColours.append(qRgb(255, 255, 255));
                changed = true;
                if (brightness(with.pixel(x, y)) < brightness(seen.arcColours.last()))
                    seen.arcColours.last() = with.pixel(x, y);
            }
            inArc = changed;
        }
    }
    return seen;
}
