#include "textcore/sentences.h"

namespace textcore {

std::vector<std::u16string> BuildSentenceList(std::u16string_view text)
{
    std::vector<std::u16string> sentences;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\n' && c != u'.' && c != u'?' && c != u'!')
            continue;
        const std::u16string_view piece = text.substr(start, i + 1 - start);
        start = i + 1;
        if (piece == u"\r\n")
            continue;
        // Line breaks go wherever they stand; only then are the leading
        // blanks cut, so blanks behind a leading CR LF are cut too.
        std::u16string entry;
        entry.reserve(piece.size());
        for (char16_t p : piece)
            if (p != u'\r' && p != u'\n' && (p != u' ' || !entry.empty()))
                entry.push_back(p);
        sentences.push_back(std::move(entry));
    }
    return sentences;
}

} // namespace textcore
