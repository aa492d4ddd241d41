#pragma once
// Reading the UTF-8 sample texts of tests/data into the program's UTF-16.
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace testdata {

inline std::u16string fromUtf8(const std::string &bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        if (extra > 0 && i + static_cast<std::size_t>(extra) >= bytes.size())
            throw std::runtime_error("truncated UTF-8");
        char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

inline std::string readBytes(const std::string &relativePath)
{
    std::ifstream in(std::string(KOLORAT_TEST_DATA) + "/" + relativePath, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing test data: " + relativePath);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::u16string readText(const std::string &relativePath) { return fromUtf8(readBytes(relativePath)); }

} // namespace testdata
