#include "textcore/syllablelist.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace textcore {

bool IsSyllableLetter(char16_t c)
{
    static constexpr auto table = [] {
        std::array<bool, 256> t{};
        for (char16_t l = u'a'; l <= u'z'; ++l)
            t[l] = t[l - u'a' + u'A'] = true;
        for (char16_t l : std::u16string_view(u"\u00E4\u00F6\u00FC\u00DF\u00C4\u00D6\u00DC"))
            t[l] = true;
        return t;
    }();
    return c < 256 && table[c];
}

namespace {

// Weights per primary element. Level separators sort below every weight so a
// shorter primary string sorts first.
constexpr char16_t kLevelSeparator = 1;

struct Weights {
    char16_t primary;
    char16_t secondary; // 2 plain, 3 umlaut, 4 part of ß
    char16_t tertiary;  // 2 lower case, 3 upper case
};

Weights weightsOf(char16_t c)
{
    switch (c) {
    case u'\u00E4': return {u'a', 3, 2};
    case u'\u00F6': return {u'o', 3, 2};
    case u'\u00FC': return {u'u', 3, 2};
    case u'\u00C4': return {u'a', 3, 3};
    case u'\u00D6': return {u'o', 3, 3};
    case u'\u00DC': return {u'u', 3, 3};
    case u'\u00DF': return {u's', 4, 2};
    default: break;
    }
    if (c >= u'A' && c <= u'Z')
        return {static_cast<char16_t>(c - u'A' + u'a'), 2, 3};
    return {c, 2, 2};
}

} // namespace

std::u16string SyllableSortKey(std::u16string_view syllable)
{
    std::u16string primary;
    std::u16string secondary;
    std::u16string tertiary;
    primary.reserve(syllable.size() + 1);
    for (char16_t c : syllable) {
        const Weights w = weightsOf(c);
        const int repeat = c == u'\u00DF' ? 2 : 1;
        for (int r = 0; r < repeat; ++r) {
            primary.push_back(w.primary);
            secondary.push_back(w.secondary);
            tertiary.push_back(w.tertiary);
        }
    }
    std::u16string key;
    key.reserve(primary.size() * 3 + syllable.size() + 3);
    key += primary;
    key += kLevelSeparator;
    key += secondary;
    key += kLevelSeparator;
    key += tertiary;
    key += kLevelSeparator;
    // Characters outside the alphabet could share weights; the text itself
    // keeps the order total and consistent with exact equality.
    key += syllable;
    return key;
}

SyllableListResult BuildSyllableList(std::u16string_view text)
{
    SyllableListResult result;
    // Runs first, so that the sequence is allocated once.
    std::vector<std::u16string_view> runs;
    runs.reserve(text.size() / 4 + 1);
    std::size_t start = 0;
    bool inRun = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool letter = IsSyllableLetter(text[i]);
        if (letter && !inRun) {
            start = i;
            inRun = true;
        } else if (!letter && inRun) {
            runs.push_back(text.substr(start, i - start));
            inRun = false;
        }
    }
    if (inRun)
        runs.push_back(text.substr(start));

    result.sequence.reserve(runs.size());
    std::unordered_set<std::u16string_view> distinct;
    distinct.reserve(1024);
    for (std::u16string_view run : runs) {
        result.sequence.emplace_back(run);
        distinct.insert(run);
    }

    struct Keyed {
        std::u16string key;
        std::u16string_view syllable;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(distinct.size());
    for (std::u16string_view s : distinct)
        keyed.push_back({SyllableSortKey(s), s});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    result.list.reserve(keyed.size());
    for (const Keyed &k : keyed)
        result.list.emplace_back(k.syllable);
    result.count = result.list.size();
    return result;
}

std::u16string BuildSyllableTable(const std::vector<std::u16string> &list, int width, int columns)
{
    const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
    const std::size_t c = columns > 1 ? static_cast<std::size_t>(columns) : 1;
    std::u16string table;
    table.reserve(list.size() * w + (list.size() / c) * 2);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::u16string &entry = list[i];
        const std::size_t shown = std::min(entry.size(), w);
        table.append(entry, 0, shown);
        table.append(w - shown, u' ');
        if (i % c == c - 1)
            table += u"\r\n";
    }
    return table;
}

} // namespace textcore
