// The sound colour window's rules for its number field, captions, colour
// sheet and reserved file name.
#include "textcore/soundwindowrules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace textcore {
namespace {

using Action = ColourNumberEntry::Action;

struct NumberCase {
    const char *name;
    std::u16string text;
    ColourNumberEntry expected;
};

class ColourNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ColourNumberTest, Decides)
{
    EXPECT_EQ(ReadColourNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Field, ColourNumberTest,
    testing::Values(NumberCase{"red", u"255", {Action::Set, 255}},
                    NumberCase{"empty_is_black", u"", {Action::Set, 0}},
                    NumberCase{"white", u"16777215", {Action::Set, 16777215}},
                    NumberCase{"leading_zeros", u"00000255", {Action::Set, 255}},
                    NumberCase{"one_above_white", u"16777216", {Action::Clear, 0}},
                    NumberCase{"largest_eight_digits", u"99999999", {Action::Clear, 0}},
                    NumberCase{"letter", u"12a", {Action::Clear, 0}},
                    NumberCase{"blank", u" 12", {Action::Clear, 0}},
                    NumberCase{"sign", u"+12", {Action::Clear, 0}},
                    NumberCase{"arabic_indic_digit", u"\u0661", {Action::Clear, 0}},
                    NumberCase{"nine_digits", u"123456789", {Action::Ignore, 0}},
                    NumberCase{"nine_letters", u"abcdefghi", {Action::Ignore, 0}},
                    NumberCase{"long_zeros", u"0000000000000000000000", {Action::Ignore, 0}}),
    [](const testing::TestParamInfo<NumberCase> &info) { return std::string(info.param.name); });

TEST(CategoryInfoText, PaddedLinesAreTwentyCharactersAndEveryTextEndsWithCr)
{
    for (SoundClass c : {SoundClass::Vowels, SoundClass::Umlauts, SoundClass::Punctuation}) {
        const std::u16string text = CategoryInfoText(c, u"");
        ASSERT_EQ(text.size(), 21u);
        EXPECT_EQ(text.back(), u'\r');
        EXPECT_EQ(text[19], u' ');
    }
    for (std::size_t i = 0; i < kSoundClassCount; ++i) {
        const std::u16string text = CategoryInfoText(SoundClass(i), u"x");
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), u'\r');
    }
}

TEST(CategoryInfoText, SpecialGroupsShowTheTextAsTyped)
{
    EXPECT_EQ(CategoryInfoText(SoundClass::SpecialGroups, u"ß, chs,"), u"ß, chs,\r");
    EXPECT_EQ(CategoryInfoText(SoundClass::SpecialGroups, u""), u"\r");
}

TEST(CategoryCaption, EveryClassHasItsOwnCaption)
{
    std::set<std::u16string_view> captions;
    for (std::size_t i = 0; i < kSoundClassCount; ++i)
        captions.insert(CategoryCaption(SoundClass(i)));
    EXPECT_EQ(captions.size(), kSoundClassCount);
    EXPECT_EQ(CategoryCaption(SoundClass::Capitals), u"Großbuchstaben");
    EXPECT_EQ(CategoryCaption(SoundClass::DoubleConsonants), u"Doppelmitlaute");
}

TEST(ColourSheetRows, OneRowPerClassThousandTwipsApart)
{
    const auto &rows = ColourSheetRows();
    std::set<SoundClass> classes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].y, int(1000 * (i + 1)));
        classes.insert(rows[i].soundClass);
    }
    EXPECT_EQ(classes.size(), kSoundClassCount);
    EXPECT_EQ(rows[0].soundClass, SoundClass::Background);
    EXPECT_EQ(rows[4].name, u"Doppelmitlaut");
    EXPECT_EQ(rows[4].soundClass, SoundClass::DoubleConsonants);
    EXPECT_EQ(rows[6].soundClass, SoundClass::SpecialGroups);
    EXPECT_EQ(rows[7].name, u"Satzzeichen");
}

TEST(ColourNumberText, DecimalWithoutPadding)
{
    EXPECT_EQ(ColourNumberText(0), u"0");
    EXPECT_EQ(ColourNumberText(32768), u"32768");
    EXPECT_EQ(ColourNumberText(16777215), u"16777215");
}

TEST(ReservedHelpFileName, OnlyTheUpperCasedHelpName)
{
    EXPECT_TRUE(IsReservedHelpFileName(u"KOLORATHELP.RTF"));
    EXPECT_FALSE(IsReservedHelpFileName(u"KOLORATHELP"));
    EXPECT_FALSE(IsReservedHelpFileName(u"KOLORATHELP.RTF "));
    EXPECT_FALSE(IsReservedHelpFileName(u"KOLORAT.RTF"));
}

} // namespace
} // namespace textcore
