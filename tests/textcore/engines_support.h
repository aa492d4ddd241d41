#pragma once
// Helpers shared by the engine tests and benchmarks: UTF-8 data files and the
// readable notation of the examples (␣ one blank, ^ one soft hyphen).
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace enginetest {

inline std::u16string fromUtf8(std::string_view in)
{
    std::u16string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        const unsigned char b = static_cast<unsigned char>(in[i]);
        char32_t cp;
        std::size_t len;
        if (b < 0x80) { cp = b; len = 1; }
        else if ((b >> 5) == 0x6) { cp = b & 0x1F; len = 2; }
        else if ((b >> 4) == 0xE) { cp = b & 0x0F; len = 3; }
        else if ((b >> 3) == 0x1E) { cp = b & 0x07; len = 4; }
        else throw std::runtime_error("invalid UTF-8");
        if (i + len > in.size())
            throw std::runtime_error("truncated UTF-8");
        for (std::size_t k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(in[i + k]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

inline std::string toUtf8(std::u16string_view in)
{
    std::string out;
    for (char16_t c : in) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Data files are stored with LF line ends; the field reports CR LF.
inline std::u16string withCrLf(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (char16_t c : text) {
        if (c == u'\n')
            out.push_back(u'\r');
        out.push_back(c);
    }
    return out;
}

// ␣ -> blank, ^ -> soft hyphen, ¶ -> CR LF.
inline std::u16string notation(std::u16string_view text)
{
    std::u16string out;
    for (char16_t c : text) {
        if (c == u'\u2423')
            out.push_back(u' ');
        else if (c == u'^')
            out.push_back(u'\u00AD');
        else if (c == u'\u00B6')
            out += u"\r\n";
        else
            out.push_back(c);
    }
    return out;
}

// The reverse, for readable failure messages and reference files.
inline std::string shown(std::u16string_view text)
{
    std::u16string out;
    for (char16_t c : text) {
        if (c == u' ')
            out.push_back(u'\u2423');
        else if (c == u'\u00AD')
            out.push_back(u'^');
        else if (c == u'\r')
            out += u"<CR>";
        else if (c == u'\n')
            out += u"<LF>";
        else
            out.push_back(c);
    }
    return toUtf8(out);
}

} // namespace enginetest
