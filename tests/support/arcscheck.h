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
    struct Band {
        int top, bottom;
    };
    QList<Band> bands;
    const int scrolled = field.verticalScrollBar()->value();
    for (QTextBlock b = field.document()->begin(); b.isValid(); b = b.next()) {
        const QPointF origin = field.document()->documentLayout()->blockBoundingRect(b).topLeft();
        for (int i = 0; b.layout() && i < b.layout()->lineCount(); ++i) {
            const QTextLine line = b.layout()->lineAt(i);
            const qreal baseline = origin.y() + line.y() + line.ascent() - scrolled;
            bands.append({int(baseline) - 1, int(baseline + line.descent()) + 1});
        }
    }
    auto shot = [&field] { return field.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const platform::ReadingView view = field.readingView();
    platform::ReadingView off = view, on = view;
    off.syllableArcs = false;
    on.syllableArcs = true;
    field.setReadingView(off);
    const QImage without = shot();
    field.setReadingView(on);
    const QImage with = shot();
    field.setReadingView(view);

    ArcsSeen seen;
    for (int y = 0; y < with.height() && seen.error.isEmpty(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y) && std::none_of(bands.begin(), bands.end(), [y](const Band &b) {
                    return y >= b.top && y <= b.bottom;
                })) {
                seen.error = QStringLiteral("pixel %1,%2 changed outside the descent of a line").arg(x).arg(y);
                break;
            }
    auto brightness = [](QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); };
    for (const Band &band : bands) {
        bool inArc = false;
        for (int x = 0; x < with.width(); ++x) {
            bool changed = false;
            for (int y = std::max(band.top, 0); y <= std::min(band.bottom, with.height() - 1); ++y) {
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
