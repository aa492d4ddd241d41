#pragma once
// Windows-1252, the code page of the settings file and of plain-text files.
// All 256 bytes map to one UTF-16 unit; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, so every byte string survives a round trip.
#include <optional>
#include <string>
#include <string_view>

namespace textcore {

char16_t cp1252ToUnicode(unsigned char byte);

// The byte for a character, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> unicodeToCp1252(char16_t ch);

std::u16string decodeCp1252(std::string_view bytes);

// Characters without a byte become '?', as Windows does when it writes ANSI text.
std::string encodeCp1252(std::u16string_view text, char replacement = '?');

} // namespace textcore
