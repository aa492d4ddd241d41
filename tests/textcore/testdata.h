#pragma once
// Reading the UTF-8 sample texts of tests/data into the program's UTF-16.
#include "textcore/utf8.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace testdata {

// Sample texts are UTF-8; a file that is not fails the test loudly rather
// than testing with replacement characters.
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

inline std::string readBytes(const std::string &relativePath)
{
    return readFile(std::string(KOLORAT_TEST_DATA) + "/" + relativePath);
}

inline std::u16string readText(const std::string &relativePath)
{
    return fromUtf8(readBytes(relativePath));
}

} // namespace testdata
