#pragma once
// The teacher's own syllable marks for words the rules get wrong, kept in a
// plain text file KOLORAT-SILBEN.TXT in the current folder, one marked word a
// line ("Farb-aus-wahl"). Written as UTF-8; a file from an older editor in
// Windows-1252 is read as well.
#include "textcore/result.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace syllabify {

inline constexpr const char *exceptionFileName = "KOLORAT-SILBEN.TXT";

class ExceptionList {
public:
    // Reads the file. A missing file is an empty list and no error. Lines that
    // are not one marked word are kept (so that writing loses nothing) but not
    // used; `problems` then names them in German. Fails only when an existing
    // file cannot be read.
    textcore::Result<> load(const std::filesystem::path &file);

    // Writes every line atomically: a temporary file beside the target, then a
    // rename, so that a failed write leaves the old list intact.
    textcore::Result<> save(const std::filesystem::path &file) const;

    // Boundaries for a word (letters only, any case) as written in the list,
    // counted like Syllabifier::boundaries, or nothing when it is not listed.
    std::optional<std::vector<size_t>> find(std::u16string_view word) const;

    enum class AddResult {
        Added,
        Replaced
    };
    // Adds a word as the teacher marked it, with any of the five marks; it is
    // stored with "-". A word already listed (in any case) takes the new marks.
    // Fails when the text is not one word of letters with at least one mark
    // between letters.
    textcore::Result<AddResult> add(std::u16string_view markedWord);

    size_t size() const { return m_words.size(); }
    bool empty() const { return m_words.empty(); }
    // German descriptions of the lines that were skipped while loading.
    const std::vector<std::u16string> &problems() const { return m_problems; }

private:
    struct Entry {
        std::vector<size_t> boundaries;
        size_t line; // index into m_lines
    };
    std::vector<std::u16string> m_lines;     // the file's lines, as they will be written
    std::map<std::u16string, Entry> m_words; // key: the letters in lower case
    std::vector<std::u16string> m_problems;

    void index(std::u16string_view line, size_t lineNumber);
};

// Splits a marked word into its letters and boundaries; nothing when it is
// not one word of letters with marks only between letters. Shared with the
// window that checks the teacher's selection.
struct ParsedWord {
    std::u16string letters;
    std::vector<size_t> boundaries;
};
std::optional<ParsedWord> parseMarkedWord(std::u16string_view markedWord);

} // namespace syllabify
