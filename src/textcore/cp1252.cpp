#include "textcore/cp1252.h"

#include <array>

namespace textcore {
namespace {

// 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHigh[byte - 0x80];
    return static_cast<char16_t>(byte);
}

std::optional<unsigned char> unicodeToCp1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u16string decodeCp1252(std::string_view bytes)
{
    std::u16string out;
    out.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = cp1252ToUnicode(static_cast<unsigned char>(bytes[i]));
    return out;
}

std::string encodeCp1252(std::u16string_view text, char replacement)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t ch : text) {
        auto b = unicodeToCp1252(ch);
        out.push_back(b ? static_cast<char>(*b) : replacement);
    }
    return out;
}

} // namespace textcore
