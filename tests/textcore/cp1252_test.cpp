#include "textcore/cp1252.h"

#include <gtest/gtest.h>

using namespace textcore;

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::u16string text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(encodeCp1252(text), all);
}

TEST(Cp1252, GermanAndTypographicCharacters)
{
    EXPECT_EQ(decodeCp1252("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), u"äöüÄÖÜß");
    EXPECT_EQ(cp1252ToUnicode(0x80), u'€');
    EXPECT_EQ(cp1252ToUnicode(0xAD), u'\u00AD'); // soft hyphen is a byte of its own
    EXPECT_EQ(cp1252ToUnicode(0x84), u'„');
    EXPECT_EQ(cp1252ToUnicode(0x93), u'“');
    EXPECT_EQ(cp1252ToUnicode(0x96), u'–');
    EXPECT_EQ(cp1252ToUnicode(0x8D), u'\u008D'); // undefined byte keeps its value
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(encodeCp1252(u"a\u0100b\u4E2D"), "a?b?");
    EXPECT_FALSE(unicodeToCp1252(u'\u0100').has_value());
    EXPECT_EQ(unicodeToCp1252(u'€'), std::optional<unsigned char>(0x80));
    EXPECT_EQ(unicodeToCp1252(u'Ÿ'), std::optional<unsigned char>(0x9F));
}
