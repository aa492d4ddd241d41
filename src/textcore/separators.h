#pragma once
// Syllable boundaries in the editor's text.
//
// Positions: text is one UTF-16 unit per position with CR LF line breaks,
// and every position in this header is 0-based, as the rich-text field
// selects ranges (start, length).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

constexpr char16_t kSoftHyphen = u'\u00AD';

// The five characters that mark a syllable boundary anywhere in the text: the
// four separators the user can choose and the soft hyphen of the hidden form.
// A real hyphen in a compound word counts as a boundary as well.
constexpr std::u16string_view kBoundaryCharacters = u"-=~/\u00AD";

constexpr bool isBoundary(char16_t c)
{
    return c == u'-' || c == u'=' || c == u'~' || c == u'/' || c == kSoftHyphen;
}

// The character boundaries take in the visible form. A blank separator line
// in the settings file leaves the separator empty; converting to "nothing"
// would delete every boundary the teacher set, so "-" stands in for it. So
// it does for a separator from the file that is no boundary character ("x"):
// marks shown as letters could never be told from the text again.
constexpr char16_t visibleSeparator(std::u16string_view separator)
{
    return separator.empty() || !isBoundary(separator.front()) ? u'-' : separator.front();
}

struct BoundaryConversion {
    std::u16string text;
    // Every boundary position, ascending, including those that already held
    // the target: the window gives all of them the separator colour, and
    // nothing else in the text changes.
    std::vector<std::size_t> changedPositions;
};

// Replaces every boundary character by target (the chosen separator for the
// visible form, kSoftHyphen for the hidden form), one character for one, so
// every other position keeps its character and its formatting.
BoundaryConversion ConvertBoundaries(std::u16string_view text, char16_t target);

enum class ReplaceBySeparatorOutcome {
    Replaced,
    NothingSelected,      // "Sie müssen das Trennzeichen erst markieren."
    SelectionIsSeparator, // "Auswahl und Zielzeichen sind identisch."
};

struct ReplaceBySeparatorResult {
    ReplaceBySeparatorOutcome outcome = ReplaceBySeparatorOutcome::Replaced;
    std::u16string text; // the new plain text; the input unchanged otherwise
};

// Turns every occurrence of the selected text into the separator: the first
// occurrence from the start is replaced again and again until none is left,
// so occurrences that a replacement creates are replaced too. The window
// sets the result as plain text, which drops all formatting.
ReplaceBySeparatorResult ReplaceBySeparator(std::u16string_view text, std::u16string_view selection,
                                            std::u16string_view separator);

} // namespace textcore
