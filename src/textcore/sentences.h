#pragma once
// The sentence list that the reading trainers step through.
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

// Cuts the text behind every line feed, ".", "?" and "!". Each piece loses
// all its CR and LF characters and then its leading blanks; syllable
// boundaries stay in place. A piece that was exactly CR LF (an empty line)
// is dropped, while a line of blanks gives an empty entry. Text behind the
// last end mark is not listed, so a text without end marks gives no entry.
std::vector<std::u16string> BuildSentenceList(std::u16string_view text);

} // namespace textcore
