#include "textcore/soundcolouring.h"

#include "textcore/separators.h"

#include <algorithm>
#include <array>

namespace textcore {

// Every syllable boundary reaches the colour windows and trainers as a
// soft hyphen.

std::vector<std::u16string> ParseSpecialGroups(std::u16string_view text)
{
    std::vector<std::u16string> groups;
    if (text.empty())
        return groups;
    std::u16string current;
    for (char16_t c : text) {
        if (c == u',') {
            groups.push_back(std::move(current));
            current.clear();
        } else if (c != u' ') {
            current.push_back(c);
        }
    }
    // The missing final comma closes the last group.
    if (text.back() != u',')
        groups.push_back(std::move(current));
    return groups;
}

namespace {

// Colour of every Latin-1 character for one run; everything above is of no class.
std::array<Colour, 256> classTable(const SoundColours &colours, SoundVariant variant)
{
    std::array<Colour, 256> table;
    const Colour base = variant == SoundVariant::SoundTrainer ? colours[SoundClass::SpecialGroups] : kBlack;
    table.fill(base);
    auto assign = [&table](std::u16string_view set, Colour colour) {
        for (char16_t c : set)
            table[c] = colour;
    };
    assign(u"bcdfghjklmnpqrs\u00DFtvwxyz", colours[SoundClass::Consonants]);
    assign(u"aeiou", colours[SoundClass::Vowels]);
    assign(u"\u00E4\u00F6\u00FC", colours[SoundClass::Umlauts]);
    assign(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00DC", colours[SoundClass::Capitals]);
    assign(variant == SoundVariant::SoundTrainer ? u".:,;-!?'" : u".:,;-!?", colours[SoundClass::Punctuation]);
    return table;
}

} // namespace

SoundColouring ColourBySounds(std::u16string_view text, const SoundColours &colours,
                              const std::vector<std::u16string> &groups, SoundVariant variant)
{
    SoundColouring result;
    result.background = colours[SoundClass::Background];
    const std::size_t n = text.size();
    result.colours.resize(n);
    Colour *out = result.colours.data();

    const std::array<Colour, 256> table = classTable(colours, variant);
    const Colour base = table[0];
    const Colour doubled = colours[SoundClass::DoubleConsonants];
    // One sweep for the single letters and the doubled letters: the group
    // starting at j = i - 2 ends at i at the latest, so its characters have
    // their single-letter colour already when it is laid over them. Start
    // positions stop two short of the end, so the last pair is never examined.
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t c = text[i];
        out[i] = c < 256 ? table[c] : base;
        if (i < 2)
            continue;
        const std::size_t j = i - 2;
        const char16_t first = text[j];
        const char16_t next = text[j + 1];
        if (next == kSoftHyphen && (c == first || (first == u't' && c == u'z')))
            out[j] = out[j + 1] = out[j + 2] = doubled;
        else if (next == first || (first == u'c' && next == u'k') || (first == u't' && next == u'z'))
            out[j] = out[j + 1] = doubled;
    }

    const Colour special = colours[SoundClass::SpecialGroups];
    // All groups in one sweep: each group keeps the position from which it may
    // match again (one character after the end of its last match), so the
    // result equals searching the groups one after the other.
    std::vector<const std::u16string *> active;
    for (const std::u16string &group : groups) {
        if (!group.empty() && group.size() <= n)
            active.push_back(&group);
    }
    if (active.empty())
        return result;
    std::array<bool, 256> startsGroup{};
    bool highStart = false;
    for (const std::u16string *group : active) {
        if ((*group)[0] < 256)
            startsGroup[(*group)[0]] = true;
        else
            highStart = true;
    }
    std::vector<std::size_t> resumeAt(active.size(), 0);
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t c = text[i];
        if (!(c < 256 ? startsGroup[c] : highStart))
            continue;
        for (std::size_t g = 0; g < active.size(); ++g) {
            const std::u16string &group = *active[g];
            if (group[0] != c || i < resumeAt[g] || text.compare(i, group.size(), group) != 0)
                continue;
            std::fill_n(out + i, group.size(), special);
            resumeAt[g] = i + group.size() + 1;
        }
    }
    return result;
}

SoundColouring ColourBySounds(std::u16string_view text, const SoundColours &colours, std::u16string_view specialGroups,
                              SoundVariant variant)
{
    return ColourBySounds(text, colours, ParseSpecialGroups(specialGroups), variant);
}

} // namespace textcore
