#pragma once
// Helpers shared by the engine tests and benchmarks: UTF-8 data files and the
// readable notation of the examples (␣ one blank, ^ one soft hyphen).
#include "testdata.h"

#include <string>
#include <string_view>

namespace enginetest {

using testdata::fromUtf8;
using testdata::readFile;
using testdata::toUtf8;

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
