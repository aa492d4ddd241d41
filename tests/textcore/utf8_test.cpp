#include "textcore/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace textcore;

struct Utf8Case {
    const char *name;
    std::string bytes;
    bool valid;
};
class Utf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, DecodesOnlyWellFormedInputAndRoundTrips)
{
    const auto &c = GetParam();
    const std::optional<std::u16string> text = decodeUtf8(c.bytes);
    EXPECT_EQ(text.has_value(), c.valid);
    if (text) {
        EXPECT_EQ(encodeUtf8(*text), c.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Utf8,
    ::testing::Values(Utf8Case{"Ascii", "Apfel", true}, Utf8Case{"Umlauts", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F", true},
                      Utf8Case{"SoftHyphen",
                               "A\xC2\xAD"
                               "b",
                               true},
                      Utf8Case{"EuroSign", "\xE2\x82\xAC", true},
                      Utf8Case{"OutsideTheBasicPlane", "\xF0\x9F\x98\x80", true},
                      Utf8Case{"Latin1Byte", "M\xFCsli", false}, Utf8Case{"Truncated", "\xC3", false},
                      Utf8Case{"Overlong", "\xC0\xAF", false}, Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                      Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", false},
                      Utf8Case{"StrayContinuation", "\x80", false}),
    [](const auto &row) { return std::string(row.param.name); });
