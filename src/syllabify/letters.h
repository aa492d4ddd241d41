#pragma once
// Character classes shared by the syllabifier, the text marker and the
// exception list. German text in the field is Latin-1 plus a few typographic
// characters, so "letter" means a Latin letter up to U+017F.
#include "textcore/separators.h"

#include <string>
#include <string_view>

namespace syllabify {

// The five characters that count as a syllable boundary anywhere in a text,
// the same set the editor converts.
constexpr bool isBoundaryMark(char16_t c)
{
    return textcore::isBoundary(c);
}

bool isLetter(char16_t c);
bool isUpper(char16_t c);
char16_t toLower(char16_t c);
std::u16string toLower(std::u16string_view s);

} // namespace syllabify
