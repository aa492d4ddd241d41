#pragma once
// The syllables a reader sees as arcs under a word: the pieces of each word
// between its syllable boundaries.
#include <cstddef>
#include <string_view>
#include <vector>

namespace textcore {

struct SyllablePiece {
    std::size_t start = 0; // 0-based position in the text
    std::size_t length = 0;
    bool operator==(const SyllablePiece &) const = default;
};

// Every syllable of every word, in text order. Words end where the syllable
// colouring starts a new word (blank, CR) and at any other white space;
// syllables end at the five boundary characters, visible or soft. Each piece
// is trimmed to its first and last letter, so quotes and punctuation stay
// outside the arc; a piece without a letter (a number, a lone dash) gives no
// arc. A word without boundaries is one piece. Linear in the text.
std::vector<SyllablePiece> SyllablePieces(std::u16string_view text);

} // namespace textcore
