#pragma once
// Colouring by syllables: the syllables take the two syllable colours in turn.
#include "textcore/colour.h"

#include <string_view>
#include <vector>

namespace textcore {

enum class SyllableCounting {
    AllSyllablesAlternating, // "Alle Silben abwechselnd": one count over the whole text
    MultiSyllableWords,      // "Alle mehrsilbigen Wörter": every word starts with the first colour
};

// The characters at which the count steps (alternating) or starts again
// (per word): the blank and the CR of a line break.
constexpr bool StartsNewWord(char16_t c)
{
    return c == u' ' || c == u'\r';
}

// One colour per UTF-16 position. Only the soft hyphen, CR and space are
// looked at, and the count changes before the character is coloured, so a
// boundary character takes the colour of the syllable after it.
std::vector<Colour> ColourBySyllables(std::u16string_view text, Colour first, Colour second, SyllableCounting mode);

} // namespace textcore
