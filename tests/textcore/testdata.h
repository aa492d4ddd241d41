#pragma once
// The UTF-8 data files of tests/data in the program's UTF-16, and the
// readable notation of the golden files: ␣ blank, ^ soft hyphen, ¶ CR LF,
// \r \n \t \0 lone control characters.
#include "textcore/utf8.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace testdata {

// A data file that is not UTF-8 fails the test loudly rather than testing
// with replacement characters.
inline std::u16string fromUtf8(std::string_view bytes)
{
    return textcore::decodeUtf8(bytes).value();
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
    return {std::istreambuf_iterator<char>(in), {}};
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

// Each sign of the notation and what it stands for; CR LF before a lone CR.
inline constexpr std::pair<std::u16string_view, std::u16string_view> kNotation[]
    = {{u"\u00B6", u"\r\n"}, {u"\u2423", u" "}, {u"^", u"\u00AD"},   {u"\\r", u"\r"},
       {u"\\n", u"\n"},      {u"\\t", u"\t"},   {u"\\0", {u"\0", 1}}};

// Text in notation (toSigns) or the other way round.
inline std::u16string translated(std::u16string_view text, bool toSigns)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto *hit = std::find_if(std::begin(kNotation), std::end(kNotation), [&](const auto &pair) {
            return text.substr(i).starts_with(toSigns ? pair.second : pair.first);
        });
        if (hit == std::end(kNotation)) {
            out += text[i++];
        } else {
            out += toSigns ? hit->first : hit->second;
            i += (toSigns ? hit->second : hit->first).size();
        }
    }
    return out;
}

inline std::u16string notation(std::u16string_view text)
{
    return translated(text, false);
}

inline std::string shown(std::u16string_view text)
{
    return toUtf8(translated(text, true));
}

} // namespace testdata
