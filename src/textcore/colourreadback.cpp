#include "textcore/colourreadback.h"

#include <bit>
#include <cstdint>

namespace textcore {
namespace {

constexpr unsigned bitOf(ReadBackClass c)
{
    return 1u << static_cast<unsigned>(c);
}
constexpr unsigned kAllClasses = (1u << kReadBackClassCount) - 1;

struct ClassTable {
    std::array<std::uint8_t, 256> bits{};
    constexpr ClassTable()
    {
        for (char16_t c : std::u16string_view(u"bcdfghjklmnpqrs\u00DFtvwxyz"))
            bits[c] |= bitOf(ReadBackClass::Consonants);
        for (char16_t c : std::u16string_view(u"aeiou"))
            bits[c] |= bitOf(ReadBackClass::Vowels);
        for (char16_t c : std::u16string_view(u"\u00E4\u00F6\u00FC"))
            bits[c] |= bitOf(ReadBackClass::Umlauts);
        for (char16_t c : std::u16string_view(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00DC"))
            bits[c] |= bitOf(ReadBackClass::Capitals);
        for (char16_t c : std::u16string_view(u".:,;-!?'"))
            bits[c] |= bitOf(ReadBackClass::Punctuation);
    }
};
constexpr ClassTable kClasses;

unsigned classesAt(std::u16string_view text, std::size_t i)
{
    const char16_t c = text[i];
    unsigned bits = c < 256 ? kClasses.bits[c] : 0u;
    if (i > 0) {
        const char16_t prev = text[i - 1];
        if (prev == c || (prev == u'c' && c == u'k') || (prev == u't' && c == u'z'))
            bits |= bitOf(ReadBackClass::DoubleConsonants);
    }
    return bits;
}

} // namespace

void ColourReadBack::applyTo(SoundColours &sound) const
{
    sound[SoundClass::Consonants] = (*this)[ReadBackClass::Consonants];
    sound[SoundClass::Vowels] = (*this)[ReadBackClass::Vowels];
    sound[SoundClass::Umlauts] = (*this)[ReadBackClass::Umlauts];
    sound[SoundClass::Capitals] = (*this)[ReadBackClass::Capitals];
    sound[SoundClass::Punctuation] = (*this)[ReadBackClass::Punctuation];
    sound[SoundClass::DoubleConsonants] = (*this)[ReadBackClass::DoubleConsonants];
}

ColourReadBack ReadColoursFromText(std::u16string_view text, std::span<const Colour> colours)
{
    ColourReadBack result;
    // Only the last character of each class counts, so the scan runs
    // backwards and stops once every class has been seen.
    unsigned seen = 0;
    for (std::size_t i = text.size(); i-- > 0 && seen != kAllClasses;) {
        unsigned fresh = classesAt(text, i) & ~seen;
        if (fresh == 0)
            continue;
        const Colour colour = i < colours.size() ? colours[i] : kBlack;
        seen |= fresh;
        while (fresh != 0) {
            const int k = std::countr_zero(fresh);
            result.classColours[static_cast<std::size_t>(k)] = colour;
            result.found[static_cast<std::size_t>(k)] = true;
            fresh &= fresh - 1;
        }
    }

    // A slot that found nothing reads as " 0", which differs from the "0" of
    // a black find: a missing class therefore counts as a second colour.
    const auto sameAsConsonants = [&](std::size_t k) {
        constexpr std::size_t c = static_cast<std::size_t>(ReadBackClass::Consonants);
        return result.found[k] == result.found[c]
            && (!result.found[k] || result.classColours[k] == result.classColours[c]);
    };
    result.syllableColours.first = result[ReadBackClass::Consonants];
    result.syllableColours.second = kWhite;
    for (std::size_t k = 1; k < kReadBackClassCount; ++k)
        if (!sameAsConsonants(k))
            result.syllableColours.second = result.classColours[k];
    return result;
}

} // namespace textcore
