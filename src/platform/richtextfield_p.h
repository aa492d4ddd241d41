#pragma once
// Inside the rich-text field: the position map between plain text and
// document and the format helpers its source files share. Not for use
// outside platform/richtextfield*.cpp.
#include "platform/qtcolour.h"
#include "platform/richtextfield.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <unordered_map>

namespace platform::fieldinternals {

constexpr QChar kParagraphSeparator(0x2029);
constexpr QChar kLineSeparator(0x2028);

// A character without a foreground of its own is drawn in the palette's text
// colour, which the field keeps black.
inline textcore::Colour colourOf(const QTextFormat &format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return textcore::kBlack;
    const QBrush brush = format.brushProperty(QTextFormat::ForegroundBrush);
    if (brush.style() == Qt::NoBrush)
        return textcore::kBlack;
    return fromQColor(brush.color());
}

// QTextCursor::insertText turns "\r\n", "\r", "\n" and U+2029 into block
// separators but keeps U+2028 as a character, and it turns the frame marks
// U+FDD0/U+FDD1 into separators too, which would shift every position after
// them. Everything that enters the document passes through here, so that one
// line break is always exactly one separator.
inline QString normaliseLineBreaks(const QString &in)
{
    QString out;
    out.reserve(in.size());
    const int n = int(in.size());
    for (int i = 0; i < n; ++i) {
        const QChar ch = in.at(i);
        if (ch == u'\r') {
            if (i + 1 < n && in.at(i + 1) == u'\n')
                ++i;
            out.append(u'\n');
        } else if (ch == kLineSeparator || ch == kParagraphSeparator) {
            out.append(u'\n');
        } else if (ch.unicode() == 0xFDD0 || ch.unicode() == 0xFDD1) {
            out.append(QChar(QChar::ReplacementCharacter));
        } else {
            out.append(ch);
        }
    }
    return out;
}

inline QString withCrLf(const QString &raw)
{
    QString out;
    out.reserve(raw.size() + raw.count(kParagraphSeparator));
    for (const QChar ch : raw) {
        if (ch == kParagraphSeparator)
            out.append(QStringLiteral("\r\n"));
        else
            out.append(ch);
    }
    return out;
}

inline QTextCharFormat toQtFormat(const CharFormat &f)
{
    QTextCharFormat q;
    q.setForeground(toQColor(f.colour));
    if (!f.fontName.isEmpty())
        q.setFontFamilies(QStringList{f.fontName});
    if (f.pointSize > 0)
        q.setFontPointSize(f.pointSize);
    q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(f.italic);
    return q;
}

// What the reader sees: the format's own values, the field's default font
// where the format says nothing.
inline CharFormat effectiveFormat(const QTextFormat &format, const QFont &defaults)
{
    CharFormat f;
    f.colour = colourOf(format);
    f.fontName = defaults.family();
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            f.fontName = families.first();
    } else if (format.hasProperty(QTextFormat::FontFamily)) {
        const QString family = format.stringProperty(QTextFormat::FontFamily);
        if (!family.isEmpty())
            f.fontName = family;
    }
    f.pointSize = defaults.pointSizeF();
    if (format.hasProperty(QTextFormat::FontPointSize) && format.doubleProperty(QTextFormat::FontPointSize) > 0)
        f.pointSize = format.doubleProperty(QTextFormat::FontPointSize);
    f.bold = format.hasProperty(QTextFormat::FontWeight)
        ? format.intProperty(QTextFormat::FontWeight) >= QFont::DemiBold
        : defaults.bold();
    f.italic = format.hasProperty(QTextFormat::FontItalic) ? format.boolProperty(QTextFormat::FontItalic)
                                                           : defaults.italic();
    return f;
}

} // namespace platform::fieldinternals

namespace platform {

using namespace fieldinternals;

struct RichTextField::Private {
    QTextDocument *doc = nullptr;
    // Document positions of the block separators in order; the CR of
    // separator k sits at plain position sepDoc[k] + k.
    std::vector<int> sepDoc;
    bool mapValid = false;
    // QTextDocument::characterCount() walks the fragment tree; remember it.
    mutable int cachedLength = -1;
    // Our own colour and font runs leave the text alone; skip the map update.
    bool formatOnly = false;
    // While > 0 the field raises changed() itself, once, at the end.
    int ownChange = 0;
    textcore::Colour back = textcore::kWhite;

    void rebuildMap()
    {
        sepDoc.clear();
        sepDoc.reserve(size_t(doc->blockCount()));
        for (QTextBlock b = doc->begin(); b.isValid() && b.next().isValid(); b = b.next())
            sepDoc.push_back(b.position() + b.length() - 1);
        mapValid = true;
    }

    void ensureMap()
    {
        if (!mapValid || int(sepDoc.size()) != doc->blockCount() - 1)
            rebuildMap();
    }

    // Old range [pos, pos + removed) became [pos, pos + added).
    void updateMap(int pos, int removed, int added)
    {
        if (formatOnly)
            return;
        cachedLength = -1;
        if (!mapValid)
            return;
        const auto first = std::lower_bound(sepDoc.begin(), sepDoc.end(), pos);
        const auto last = std::lower_bound(first, sepDoc.end(), pos + removed);
        const int delta = added - removed;
        for (auto it = last; it != sepDoc.end(); ++it)
            *it += delta;
        std::vector<int> inserted;
        for (QTextBlock b = doc->findBlock(pos); b.isValid() && b.next().isValid(); b = b.next()) {
            const int sep = b.position() + b.length() - 1;
            if (sep >= pos + added)
                break;
            if (sep >= pos)
                inserted.push_back(sep);
        }
        const auto at = sepDoc.erase(first, last);
        sepDoc.insert(at, inserted.begin(), inserted.end());
        if (int(sepDoc.size()) != doc->blockCount() - 1)
            mapValid = false;
    }

    // Number of separators whose LF lies before plain position p.
    int separatorsBefore(int p) const
    {
        // crPlain(k) = sepDoc[k] + k grows strictly, so binary search works.
        int lo = 0;
        int hi = int(sepDoc.size());
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (sepDoc[size_t(mid)] + mid + 1 < p)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    int plainLength() const
    {
        if (cachedLength < 0)
            cachedLength = doc->characterCount() - 1 + doc->blockCount() - 1;
        return cachedLength;
    }

    // A range boundary in plain text -> document. A start between CR and LF
    // moves back before the separator, an end there moves behind it, so a
    // range touching half a line break holds the whole break.
    int docStart(int p)
    {
        ensureMap();
        const int m = separatorsBefore(p);
        if (m < int(sepDoc.size()) && sepDoc[size_t(m)] + m + 1 == p)
            return sepDoc[size_t(m)];
        return p - m;
    }
    int docEnd(int p)
    {
        ensureMap();
        return p - separatorsBefore(p);
    }
    int toPlain(int docPos)
    {
        ensureMap();
        const auto k = std::lower_bound(sepDoc.begin(), sepDoc.end(), docPos) - sepDoc.begin();
        return docPos + int(k);
    }
};

} // namespace platform
