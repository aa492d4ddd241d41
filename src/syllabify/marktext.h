#pragma once
// Setting syllable marks in a whole text.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace syllabify {

class ExceptionList;
class Syllabifier;

struct MarkResult {
    std::u16string text;
    // 0-based positions in `text` of every mark that was inserted, ascending,
    // so that the caller can colour exactly these characters.
    std::vector<size_t> inserted;
    // Words that received at least one mark.
    size_t wordsMarked = 0;
};

// Inserts `mark` at the syllable boundaries of every word of `text`. A word is
// a run of letters, together with any boundary marks between its letters.
// Left alone: words that already carry a mark (any of - = ~ / or the soft
// hyphen), words in capitals only ("ABC"), and words touching a digit
// ("3D", "A4"). A word in the exception list is marked as written there,
// before any rule. Every character of `text` keeps its place in order; only
// marks are added.
MarkResult markText(std::u16string_view text, char16_t mark, const Syllabifier &syllabifier,
                    const ExceptionList &exceptions);

// The part of `text` that marking a selection covers: the whole text when
// nothing is selected, else the selection widened to whole words.
std::pair<size_t, size_t> markingRange(std::u16string_view text, size_t selStart, size_t selLength);

struct RangeMarks {
    // 0-based positions in the text as it stands, ascending, each the place
    // a new mark goes in front of; marks for one place follow each other.
    std::vector<size_t> positions;
    size_t wordsMarked = 0;
};

// markText() for the words of text[start, end) only, seen in their context:
// a digit or a mark touching the range's first or last word counts.
RangeMarks markRange(std::u16string_view text, size_t start, size_t end, char16_t mark, const Syllabifier &syllabifier,
                     const ExceptionList &exceptions);

} // namespace syllabify
