#pragma once
// Spoken syllables of German words, the way a primary-school teacher marks
// them ("A-bend", "Zu-cker", "Pi-a-no"), built on the hyphenation patterns of
// the system's hyphenation library and corrected by our own rules where
// typographic hyphenation and reading syllables part ways.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace syllabify {

// Where Debian's hyphen-de package puts the German patterns (ISO-8859-1).
inline constexpr const char *defaultPatternFile = "/usr/share/hyphen/hyph_de_DE.dic";

struct SyllabifierOptions {
    // Passed to the pattern matcher; 1 lets "A-bend" and "Ei-er" through.
    int leftMin = 1;
    int rightMin = 1;
    // Our corrections on top of the patterns; off only to measure the patterns.
    bool schoolRules = true;
    // Where the prepared patterns are kept between runs; empty: nowhere.
    std::string cacheFile;
};

class Syllabifier {
public:
    // Loads the patterns once. A missing or unreadable file leaves the
    // syllabifier unusable: isReady() is false and errorMessage() says why.
    explicit Syllabifier(std::string patternFile = defaultPatternFile, SyllabifierOptions options = {});
    ~Syllabifier();
    Syllabifier(const Syllabifier &) = delete;
    Syllabifier &operator=(const Syllabifier &) = delete;

    bool isReady() const { return m_dict != nullptr; }
    // German, ready for a message box; empty while ready.
    const std::u16string &errorMessage() const { return m_error; }

    // Positions inside the word (1 .. size-1) before which a syllable mark
    // belongs, ascending. The word is letters only, in any case. Words with
    // characters outside ISO-8859-1 get the school rules alone; a syllabifier
    // that is not ready returns nothing.
    std::vector<size_t> boundaries(std::u16string_view word) const;

    // The word with `mark` inserted at every boundary.
    std::u16string marked(std::u16string_view word, char16_t mark = u'-') const;

private:
    struct Dict;
    std::string m_file;
    SyllabifierOptions m_options;
    std::unique_ptr<Dict> m_dict;
    std::u16string m_error;
};

// The school rules alone, applied to boundaries found elsewhere: a piece
// without a vowel joins a neighbour, a piece with two vowel groups is split
// between them. `word` is in lower case. Exposed for the tests.
std::vector<size_t> applySchoolRules(std::u16string_view word, std::vector<size_t> boundaries);

} // namespace syllabify
