#include "syllabify/wordrange.h"

#include "syllabify/letters.h"

#include <algorithm>

namespace syllabify {

bool isPartOfWord(std::u16string_view text, std::size_t i)
{
    if (isLetter(text[i]))
        return true;
    return isBoundaryMark(text[i]) && i > 0 && i + 1 < text.size() && isLetter(text[i - 1]) && isLetter(text[i + 1]);
}

std::pair<std::size_t, std::size_t> widenToWholeWords(std::u16string_view text, std::size_t start, std::size_t end)
{
    end = std::min(end, text.size());
    start = std::min(start, end);
    if (start < text.size() && isPartOfWord(text, start))
        while (start > 0 && isPartOfWord(text, start - 1))
            --start;
    if (end > 0 && isPartOfWord(text, end - 1))
        while (end < text.size() && isPartOfWord(text, end))
            ++end;
    return {start, end};
}

bool containsLetter(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return isLetter(c); });
}

std::u16string_view trimToWord(std::u16string_view text)
{
    auto belongs = [](char16_t c) { return isLetter(c) || isBoundaryMark(c); };
    while (!text.empty() && !belongs(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && !belongs(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace syllabify
