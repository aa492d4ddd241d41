#include "textcore/syllablepieces.h"

#include "textcore/separators.h"
#include "textcore/syllablecolouring.h"
#include "textcore/syllablelist.h"

namespace textcore {

namespace {

// A tab or a line feed between two words must not join them under one arc,
// although the colouring counts neither.
bool endsPiece(char16_t c)
{
    return isBoundary(c) || StartsNewWord(c) || c == u'\t' || c == u'\n' || c == u'\u00A0' || c == u'\u2028'
        || c == u'\u2029';
}

// The German alphabet plus the accented Latin letters of borrowed words
// ("Café"), so an arc covers the whole word and no sign beside it.
bool isArcLetter(char16_t c)
{
    return IsSyllableLetter(c) || (c >= u'\u00C0' && c <= u'\u024F' && c != u'\u00D7' && c != u'\u00F7');
}

} // namespace

std::vector<SyllablePiece> SyllablePieces(std::u16string_view text)
{
    std::vector<SyllablePiece> pieces;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && endsPiece(text[i]))
            ++i;
        const std::size_t begin = i;
        while (i < n && !endsPiece(text[i]))
            ++i;
        std::size_t first = begin;
        while (first < i && !isArcLetter(text[first]))
            ++first;
        std::size_t last = i;
        while (last > first && !isArcLetter(text[last - 1]))
            --last;
        if (first < last)
            pieces.push_back({first, last - first});
    }
    return pieces;
}

} // namespace textcore
