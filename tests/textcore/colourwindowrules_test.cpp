// The rules both colour windows share: the colour number field, the
// number text and the name a coloured text is saved under.
#include "textcore/colourwindowrules.h"

#include <gtest/gtest.h>

using namespace textcore;
using Action = ColourNumberEntry::Action;

namespace {

struct NumberCase {
    const char *name;
    std::u16string text;
    ColourNumberEntry expected;
};

void PrintTo(const NumberCase &c, std::ostream *os)
{
    *os << c.name;
}

class ColourNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ColourNumber, DecidesWhatTheFieldDoes)
{
    EXPECT_EQ(ReadColourNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ColourNumber,
    testing::Values(NumberCase{"red", u"255", {Action::Set, 255}}, NumberCase{"green", u"65280", {Action::Set, 65280}},
                    NumberCase{"white is the largest", u"16777215", {Action::Set, 16777215}},
                    NumberCase{"one above white", u"16777216", {Action::Clear, 0}},
                    NumberCase{"eight digits above white", u"99999999", {Action::Clear, 0}},
                    NumberCase{"letter after digits", u"12a", {Action::Clear, 0}},
                    NumberCase{"minus sign", u"-1", {Action::Clear, 0}}, NumberCase{"blank", u" 1", {Action::Clear, 0}},
                    NumberCase{"blank before two digits", u" 12", {Action::Clear, 0}},
                    NumberCase{"plus sign", u"+12", {Action::Clear, 0}},
                    NumberCase{"arabic-indic digit", u"\u0661", {Action::Clear, 0}},
                    NumberCase{"empty gives black", u"", {Action::Set, 0}},
                    NumberCase{"leading zeros", u"00000255", {Action::Set, 255}},
                    NumberCase{"nine digits are ignored", u"123456789", {Action::Ignore, 0}},
                    NumberCase{"nine letters are ignored", u"abcdefghi", {Action::Ignore, 0}},
                    NumberCase{"long run of zeros is ignored", u"0000000000000000000000", {Action::Ignore, 0}}),
    [](const testing::TestParamInfo<NumberCase> &row) {
        std::string name = row.param.name;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(ColourNumberText, WritesDecimalWithoutPadding)
{
    EXPECT_EQ(ColourNumberText(0), u"0");
    EXPECT_EQ(ColourNumberText(32768), u"32768");
    EXPECT_EQ(ColourNumberText(16777215), u"16777215");
}

TEST(ColourNumberText, ReadsBackAsTheSameColour)
{
    for (Colour c : {Colour(0), Colour(7), Colour(255), Colour(32768), Colour(12632256), kMaxColour})
        EXPECT_EQ(ReadColourNumber(ColourNumberText(c)), (ColourNumberEntry{Action::Set, c}));
}

TEST(SaveName, CapitalisesGermanLettersButKeepsSharpS)
{
    EXPECT_EQ(UpperCaseFileName(u"test"), u"TEST");
    EXPECT_EQ(UpperCaseFileName(u"Übung_ä.rtf"), u"ÜBUNG_Ä.RTF");
    EXPECT_EQ(UpperCaseFileName(u"straße"), u"STRAßE");
    EXPECT_EQ(UpperCaseFileName(u"a÷b"), u"A÷B");
}

TEST(SaveName, HelpFileIsReservedInAnySpelling)
{
    EXPECT_TRUE(IsReservedFileName(UpperCaseFileName(u"kolorathelp.rtf")));
    EXPECT_TRUE(IsReservedFileName(UpperCaseFileName(u"KoloratHelp.RTF")));
    EXPECT_FALSE(IsReservedFileName(UpperCaseFileName(u"kolorathelp")));
    EXPECT_FALSE(IsReservedFileName(UpperCaseFileName(u"kolorat.rtf")));
}

TEST(SaveName, ReservedNameIsComparedAsGiven)
{
    EXPECT_TRUE(IsReservedFileName(u"KOLORATHELP.RTF"));
    EXPECT_FALSE(IsReservedFileName(u"KOLORATHELP"));
    EXPECT_FALSE(IsReservedFileName(u"KOLORATHELP.RTF "));
    EXPECT_FALSE(IsReservedFileName(u"KOLORAT.RTF"));
}

TEST(SaveName, CountsListedNamesWithoutRegardToCase)
{
    const std::vector<std::u16string> listed{u"Brief.rtf", u"BRIEF.RTF", u"brief.txt", u"übung.rtf"};
    EXPECT_EQ(CountListedName(listed, u"BRIEF.RTF"), 2u);
    EXPECT_EQ(CountListedName(listed, u"ÜBUNG.RTF"), 1u);
    EXPECT_EQ(CountListedName(listed, u"BRIEF"), 0u);
}

} // namespace
