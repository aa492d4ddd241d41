#include "textcore/syllablecolouring.h"

#include "textcore/separators.h"

namespace textcore {

// Every syllable boundary reaches the colour windows and trainers as a
// soft hyphen.

std::vector<Colour> ColourBySyllables(std::u16string_view text, Colour first, Colour second, SyllableCounting mode)
{
    std::vector<Colour> colours(text.size());
    const Colour pick[2] = {first, second};
    unsigned k = 0;
    if (mode == SyllableCounting::AllSyllablesAlternating) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c == kSoftHyphen || StartsNewWord(c))
                k ^= 1u;
            colours[i] = pick[k];
        }
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c == kSoftHyphen)
                k ^= 1u;
            else if (StartsNewWord(c))
                k = 0;
            colours[i] = pick[k];
        }
    }
    return colours;
}

} // namespace textcore
