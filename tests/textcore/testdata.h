#pragma once
// The UTF-8 data files of tests/data in the program's UTF-16, and the
// readable notation of the golden files: ␣ blank, ^ soft hyphen, ¶ CR LF,
// \r \n \t \0 lone control characters.
#include "textcore/utf8.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace testdata {

// A data file that is not UTF-8 fails the test loudly rather than testing
// with replacement characters.
inline std::u16string fromUtf8(std::string_view bytes)
{
    std::optional<std::u16string> text = textcore::decodeUtf8(bytes);
    if (!text)
        throw std::runtime_error("test data is not UTF-8");
    return std::move(*text);
}

inline std::string toUtf8(std::u16string_view text)
{
    return textcore::encodeUtf8(text);
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

// A path relative to tests/data, or an absolute one.
inline std::u16string readText(const std::string &path)
{
    return fromUtf8(readFile(path.starts_with("/") ? path : KOLORAT_TEST_DATA "/" + path));
}

// Data files are stored with LF line ends; the field reports CR LF.
inline std::u16string withCrLf(std::u16string_view text)
{
    std::u16string out;
    for (char16_t c : text)
        out += c == u'\n' ? std::u16string(u"\r\n") : std::u16string(1, c);
    return out;
}

inline std::u16string notation(std::u16string_view text)
{
    static const std::u16string escaped = u"rnt0";
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\\' && i + 1 < text.size() && escaped.find(text[i + 1]) != std::u16string::npos)
            out.push_back(u"\r\n\t"[escaped.find(text[++i])]);
        else if (c == u'\u00B6')
            out += u"\r\n";
        else
            out.push_back(c == u'\u2423' ? u' ' : c == u'^' ? u'\u00AD' : c);
    }
    return out;
}

inline std::string shown(std::u16string_view text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += u'\u00B6';
            ++i;
        } else if (c == u'\r' || c == u'\n' || c == u'\t' || c == 0) {
            out += u'\\';
            out += u"rnt0"[std::u16string_view(u"\r\n\t\0", 4).find(c)];
        } else
            out += c == u' ' ? u'\u2423' : c == u'\u00AD' ? u'^' : c;
    }
    return toUtf8(out);
}

} // namespace testdata

// The benchmarks read their samples with these too.
namespace enginetest = testdata;
