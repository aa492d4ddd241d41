#pragma once
// Setting syllable marks in a whole text.
#include <cstddef>
#include <string>
#include <string_view>
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

} // namespace syllabify
