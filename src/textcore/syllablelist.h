#pragma once
// The syllables of a text as practice material: the list of distinct
// syllables in alphabetical order, and that list laid out as a table.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

// The 59 letters of the alphabet syllables are made of: a-z, ä, ö, ß, ü,
// A-Z, Ä, Ö, Ü. Soft hyphens, blanks, digits, punctuation and letters with
// other accents (é) end a syllable.
bool IsSyllableLetter(char16_t c);

struct SyllableListResult {
    std::vector<std::u16string> sequence; // every syllable in text order, duplicates included
    std::vector<std::u16string> list;     // distinct syllables (exact comparison), sorted
    std::size_t count = 0;                // list.size()
};

// Sorting key of a syllable: case-insensitive, ä/ö/ü right after a/o/u, ß
// as ss (right after it), lower case before upper case when the letters
// agree otherwise. Comparing two keys with < gives the list order; different
// syllables never get the same key.
std::u16string SyllableSortKey(std::u16string_view syllable);

// Runs in time linear in the text plus n log n in the distinct syllables.
SyllableListResult BuildSyllableList(std::u16string_view text);

// Each entry in a cell of exactly `width` characters (cut or filled with
// spaces), `columns` cells a row; a row ends with CR LF only when it is full.
// Widths below 0 count as 0 and fewer than one column as one, so a stray
// slider value cannot divide by zero.
std::u16string BuildSyllableTable(const std::vector<std::u16string> &list, int width, int columns);

} // namespace textcore
