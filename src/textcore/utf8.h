#pragma once
// UTF-8 for files written by hand: the exception list, word lists and
// sample texts.
#include <optional>
#include <string>
#include <string_view>

namespace textcore {

// Nothing when the bytes are not well-formed UTF-8 (overlong forms,
// surrogates and truncated sequences included).
std::optional<std::u16string> decodeUtf8(std::string_view bytes);

// Unpaired surrogates become U+FFFD.
std::string encodeUtf8(std::u16string_view text);

} // namespace textcore
