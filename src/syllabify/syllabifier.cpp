#include "syllabify/syllabifier.h"

#include "syllabify/letters.h"
#include "syllabify/patterntable.h"

#include <hyphen.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace syllabify {

struct Syllabifier::Dict {
    std::unique_ptr<PatternTable> table;
    HyphenDict *handle = nullptr;
};

namespace {

bool isVowelLetter(char16_t c)
{
    switch (c) {
    case u'a':
    case u'e':
    case u'i':
    case u'o':
    case u'u':
    case u'y':
    case u'ä':
    case u'ö':
    case u'ü':
    case u'à':
    case u'á':
    case u'â':
    case u'è':
    case u'é':
    case u'ê':
    case u'ë':
    case u'ì':
    case u'í':
    case u'î':
    case u'ï':
    case u'ò':
    case u'ó':
    case u'ô':
    case u'ù':
    case u'ú':
    case u'û': return true;
    default: return false;
    }
}

// "u" after "q" is part of the consonant ("Qual-le"); "y" before a vowel at
// the start of a word is a consonant ("Yacht").
bool isVowelAt(std::u16string_view w, size_t i)
{
    const char16_t c = w[i];
    if (!isVowelLetter(c))
        return false;
    if (c == u'u' && i > 0 && w[i - 1] == u'q')
        return false;
    if (c == u'y' && i == 0 && w.size() > 1 && isVowelLetter(w[1]))
        return false;
    return true;
}

// Two letters read as one vowel sound. Other neighbouring vowels are spoken
// apart ("Pi-a-no", "The-a-ter").
bool isVowelPair(char16_t a, char16_t b)
{
    static constexpr std::u16string_view pairs[]
        = {u"ei", u"ai", u"au", u"eu", u"äu", u"ie", u"aa", u"ee", u"oo", u"ey", u"ay", u"ou", u"oi"};
    for (std::u16string_view p : pairs)
        if (p[0] == a && p[1] == b)
            return true;
    return false;
}

struct Group {
    size_t begin;
    size_t end;
};

std::vector<Group> vowelGroups(std::u16string_view w, size_t begin, size_t end)
{
    std::vector<Group> groups;
    size_t i = begin;
    while (i < end) {
        if (!isVowelAt(w, i)) {
            ++i;
            continue;
        }
        size_t len = 1;
        if (i + 1 < end && isVowelAt(w, i + 1) && isVowelPair(w[i], w[i + 1]))
            len = 2;
        groups.push_back({i, i + len});
        i += len;
    }
    return groups;
}

// Consonant letters that a reader speaks as one sound and that stay together.
size_t consonantUnitLength(std::u16string_view w, size_t i, size_t end)
{
    auto starts = [&](std::u16string_view s) { return i + s.size() <= end && w.substr(i, s.size()) == s; };
    if (starts(u"sch"))
        return 3;
    if (starts(u"ch") || starts(u"ck") || starts(u"ph") || starts(u"qu") || starts(u"th"))
        return 2;
    return 1;
}

// Where the boundary goes between two vowel groups: one consonant goes to
// the next syllable; of several, only the last.
size_t splitBetween(std::u16string_view w, const Group &left, const Group &right)
{
    // "aus", "auf" and "ein" after a consonant inside one piece start the next
    // part of a compound the patterns did not know ("Farb-aus-wahl",
    // "Schreib-auf-ga-be", "Weg-ein-fahrt"); the consonants stay with the first
    // part. Ordinary words with these letters ("ge-kauft", "Ge-mein-de") reach
    // this point already split by the patterns.
    if (right.begin > left.end) {
        const std::u16string_view next = w.substr(right.begin, 3);
        if (next == u"aus" || next == u"auf" || next == u"ein")
            return right.begin;
    }
    size_t lastUnit = left.end;
    for (size_t i = left.end; i < right.begin;) {
        lastUnit = i;
        i += consonantUnitLength(w, i, right.begin);
    }
    return lastUnit;
}

bool hasVowel(std::u16string_view w, size_t begin, size_t end)
{
    for (size_t i = begin; i < end; ++i)
        if (isVowelAt(w, i))
            return true;
    return false;
}

} // namespace

std::vector<size_t> applySchoolRules(std::u16string_view w, std::vector<size_t> b)
{
    std::sort(b.begin(), b.end());
    b.erase(std::unique(b.begin(), b.end()), b.end());
    std::erase_if(b, [&](size_t p) { return p == 0 || p >= w.size(); });

    // A piece without a vowel cannot be spoken on its own. At the start of a
    // word it joins the next piece ("S-port"); elsewhere the previous one
    // ("glü-ck-lich", "Hun-d"), because of several consonants between two
    // vowels only the last may begin the next syllable.
    for (bool changed = true; changed && !b.empty();) {
        changed = false;
        for (size_t k = 0; k <= b.size(); ++k) {
            const size_t begin = k == 0 ? 0 : b[k - 1];
            const size_t end = k == b.size() ? w.size() : b[k];
            if (hasVowel(w, begin, end))
                continue;
            const bool joinRight = k == 0;
            b.erase(b.begin() + static_cast<std::ptrdiff_t>(joinRight ? k : k - 1));
            changed = true;
            break;
        }
    }

    // A piece that still holds two vowel groups is two spoken syllables.
    std::vector<size_t> out;
    for (size_t k = 0; k <= b.size(); ++k) {
        const size_t begin = k == 0 ? 0 : b[k - 1];
        const size_t end = k == b.size() ? w.size() : b[k];
        const std::vector<Group> groups = vowelGroups(w, begin, end);
        for (size_t g = 1; g < groups.size(); ++g)
            out.push_back(splitBetween(w, groups[g - 1], groups[g]));
        if (k < b.size())
            out.push_back(b[k]);
    }
    return out;
}

Syllabifier::Syllabifier(std::string patternFile, SyllabifierOptions options)
    : m_file(std::move(patternFile)), m_options(options)
{
    // hnj_hyphen_load prints nothing useful on failure, so check the file first
    // to tell a missing package from a damaged file.
    std::FILE *f = std::fopen(m_file.c_str(), "rb");
    if (!f) {
        m_error = u"Die Silbenmuster wurden nicht gefunden.\r"
                  u"Bitte installieren Sie das Paket \u201Ehyphen-de\u201C.\r";
        return;
    }
    std::fclose(f);
    std::unique_ptr<PatternTable> table = PatternTable::open(m_file, m_options.cacheFile);
    if (!table || table->dict()->utf8) {
        // The byte conversion below assumes ISO-8859-1 patterns.
        m_error = u"Die Silbenmuster sind fehlerhaft und\rkönnen nicht geladen werden.\r";
        return;
    }
    m_dict = std::make_unique<Dict>();
    m_dict->handle = table->dict();
    m_dict->table = std::move(table);
}

Syllabifier::~Syllabifier() = default;

std::vector<size_t> Syllabifier::boundaries(std::u16string_view word) const
{
    if (!m_dict || word.size() < 2)
        return {};
    const std::u16string lower = toLower(word);

    std::vector<size_t> points;
    std::string bytes;
    bytes.reserve(lower.size());
    bool latin1 = true;
    for (char16_t c : lower) {
        if (c > 0xFF) {
            latin1 = false;
            break;
        }
        bytes.push_back(static_cast<char>(c));
    }
    if (latin1) {
        std::vector<char> hyphens(bytes.size() + 5, '0');
        char **rep = nullptr;
        int *pos = nullptr;
        int *cut = nullptr;
        const int n = static_cast<int>(bytes.size());
        if (hnj_hyphen_hyphenate3(m_dict->handle, bytes.data(), n, hyphens.data(), nullptr, &rep, &pos, &cut,
                                  m_options.leftMin, m_options.rightMin, 1, 1)
            == 0) {
            for (int i = 0; i + 1 < n; ++i) {
                // A point that changes the spelling (old "Schiff-fahrt") is not
                // a place for a mark; German reformed patterns have none.
                if ((hyphens[i] & 1) && !(rep && rep[i]))
                    points.push_back(static_cast<size_t>(i) + 1);
            }
        }
        if (rep) {
            for (int i = 0; i < n; ++i)
                std::free(rep[i]);
            std::free(rep);
        }
        std::free(pos);
        std::free(cut);
    }
    if (!m_options.schoolRules)
        return points;
    return applySchoolRules(lower, std::move(points));
}

std::u16string Syllabifier::marked(std::u16string_view word, char16_t mark) const
{
    std::u16string out;
    out.reserve(word.size() + 8);
    const std::vector<size_t> b = boundaries(word);
    size_t next = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        if (next < b.size() && b[next] == i) {
            out.push_back(mark);
            ++next;
        }
        out.push_back(word[i]);
    }
    return out;
}

} // namespace syllabify

#if defined(__SANITIZE_ADDRESS__)
// libhyphen does not free a few small strings of the pattern file in
// hnj_hyphen_free (a fixed 908 bytes for the German patterns); that is the
// library's, not ours, so keep it out of the leak reports of sanitizer builds.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libhyphen.so\n";
}
#endif
