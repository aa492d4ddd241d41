#include "textcore/sentences.h"

#include <algorithm>

namespace textcore {
namespace {

bool isEndMark(char16_t c)
{
    return c == u'\n' || c == u'.' || c == u'?' || c == u'!';
}
bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

std::vector<std::u16string> BuildSentenceList(std::u16string_view text)
{
    std::vector<std::u16string> sentences;
    const char16_t *const begin = text.data();
    const char16_t *const end = begin + text.size();
    const char16_t *start = begin;
    for (const char16_t *p = begin; p != end; ++p) {
        if (!isEndMark(*p))
            continue;
        std::u16string_view piece(start, static_cast<std::size_t>(p + 1 - start));
        start = p + 1;
        if (piece == u"\r\n")
            continue;
        // Removing every line break first and then the leading blanks is the
        // same as dropping a leading run of breaks and blanks, then the
        // breaks that are left.
        std::size_t lead = 0;
        while (lead < piece.size() && (piece[lead] == u' ' || isLineBreak(piece[lead])))
            ++lead;
        piece.remove_prefix(lead);
        std::u16string &entry = sentences.emplace_back(piece);
        if (std::find_if(entry.begin(), entry.end(), isLineBreak) != entry.end())
            std::erase_if(entry, isLineBreak);
    }
    return sentences;
}

} // namespace textcore
