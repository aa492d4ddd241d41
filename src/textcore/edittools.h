#pragma once
// The text rules of the editor's tools "Suchen/Ersetzen" and
// "Textfilter wählen". Both give a new plain text, which the window sets as
// plain text (formatting is dropped).
#include <optional>
#include <string>
#include <string_view>

namespace textcore {

// Replaces find by replacement throughout text and returns the new text, or
// nothing when the tool does nothing (find empty, replacement empty or
// equal to find: the tool never deletes text).
//
// The result is that of replacing the first occurrence, searched from the
// start, again and again until none is left: «aabb» with «ab» -> «a» gives
// «aa». When the replacement contains find, that would never end; then the
// search continues behind each inserted replacement instead («ab» -> «abab»
// turns «ab ab» into «abab abab»).
std::optional<std::u16string> SearchReplace(std::u16string_view text, std::u16string_view find,
                                            std::u16string_view replacement);

// Removes every occurrence of the first character of answer from text and
// returns the new text, or nothing for an empty answer. A character outside
// the Basic Multilingual Plane (a surrogate pair) counts as one character.
std::optional<std::u16string> FilterCharacter(std::u16string_view text, std::u16string_view answer);

// The rule shared by SearchReplace and ReplaceBySeparator, for a non-empty
// find and any replacement (empty included): repeated first-occurrence
// replacement, or continuing behind the inserted text when the replacement
// contains find. Linear in the text for the usual answers; an answer whose
// repeated replacement would need far more than linear work (such as «ab» ->
// «ba», which sorts the text) is also handled by continuing behind the
// inserted text.
std::u16string replaceRepeatedly(std::u16string_view text, std::u16string_view find, std::u16string_view replacement);

} // namespace textcore
