#pragma once
// How a text is shown to a reader, apart from the text itself: syllable
// arcs and wider letter, word and line spacing. A view belongs to the field
// (and goes with it to the printer), never to the text: no character is
// inserted, and saved files do not change.
#include <QMetaType>

class QTextDocument;

namespace platform {

enum class LetterSpacing {
    Normal,
    Wider,
    Widest
}; // 100 %, 110 %, 125 % of each letter's width
enum class WordSpacing {
    Normal,
    Wide,
    VeryWide
}; // the blank plus 0, 1/5, 2/5 of the line height
enum class LineSpacing {
    Single,
    OneAndAHalf,
    Double
}; // 1, 1.5, 2 times the line height

struct ReadingView {
    bool syllableArcs = false;
    LetterSpacing letters = LetterSpacing::Normal;
    WordSpacing words = WordSpacing::Normal;
    LineSpacing lines = LineSpacing::Single;
    bool operator==(const ReadingView &) const = default;
};

// Gives the document the view's spacing: letter and word spacing on its
// default font (characters inherit them; their own fonts stay as they are),
// the line height on every paragraph. Word spacing is measured for the
// device the document is laid out on, so apply the view again after
// setting a paint device (the printer does). The view is remembered on the
// document, so that printing a copy draws the same arcs. Neither the text
// nor any character's format changes.
void applyReadingView(QTextDocument &document, const ReadingView &view);
ReadingView readingViewOf(const QTextDocument &document);

} // namespace platform

Q_DECLARE_METATYPE(platform::ReadingView)
