#include "textcore/separators.h"

#include "testdata.h"

#include <gtest/gtest.h>

using namespace textcore;

namespace {

struct Conversion {
    const char *name;
    std::u16string text;
    char16_t target;
    std::u16string expected;
    std::vector<std::size_t> positions;
};

class ConvertBoundariesCase : public testing::TestWithParam<Conversion> {};

TEST_P(ConvertBoundariesCase, ReplacesOnlyBoundaryCharacters)
{
    const auto &c = GetParam();
    const BoundaryConversion r = ConvertBoundaries(c.text, c.target);
    EXPECT_EQ(r.text, c.expected);
    EXPECT_EQ(r.changedPositions, c.positions);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConvertBoundariesCase,
    testing::Values(
        Conversion{"all_five_marks_become_slashes", u"a-b=c~d/e\u00ADf", u'/', u"a/b/c/d/e/f", {1, 3, 5, 7, 9}},
        Conversion{"all_five_marks_become_soft_hyphens",
                   u"a-b=c~d/e\u00ADf",
                   kSoftHyphen,
                   u"a\u00ADb\u00ADc\u00ADd\u00ADe\u00ADf",
                   {1, 3, 5, 7, 9}},
        Conversion{"marks_already_in_target_form_are_still_listed", u"Ab-ba", u'-', u"Ab-ba", {2}},
        Conversion{"empty_text", u"", u'-', u"", {}},
        Conversion{"text_without_boundaries", u"Hallo Welt.\r\n", u'-', u"Hallo Welt.\r\n", {}},
        Conversion{
            "boundaries_at_both_ends_and_around_line_breaks", u"-a\r\n~\r\nb=", u'=', u"=a\r\n=\r\nb=", {0, 4, 8}},
        Conversion{"dashes_and_hyphens_beyond_latin1_are_not_boundaries",
                   u"Nord\u2013S\u00FCd \u2010 \u2212 x\u00AD",
                   u'-',
                   u"Nord\u2013S\u00FCd \u2010 \u2212 x-",
                   {14}},
        Conversion{"surrogate_pairs_stay_whole", u"\U0001F600-\U0001F600", u'~', u"\U0001F600~\U0001F600", {2}},
        Conversion{"lone_cr_and_lf", u"a\rb-c\nd", kSoftHyphen, u"a\rb\u00ADc\nd", {3}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(ConvertBoundaries, HidingThenShowingLosesTheMixOfMarks)
{
    const std::u16string mixed = u"Ha-se=Ig~el/Kat\u00ADze";
    const auto hidden = ConvertBoundaries(mixed, kSoftHyphen);
    const auto shown = ConvertBoundaries(hidden.text, u'-');
    EXPECT_EQ(shown.text, u"Ha-se-Ig-el-Kat-ze");
    EXPECT_EQ(shown.changedPositions, hidden.changedPositions);
}

TEST(ConvertBoundaries, GermanParagraphKeepsEveryOtherCharacter)
{
    const std::u16string text = testdata::readText("textcore/german_paragraph.txt");
    const auto shown = ConvertBoundaries(text, u'=');
    ASSERT_EQ(shown.text.size(), text.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (next < shown.changedPositions.size() && shown.changedPositions[next] == i) {
            EXPECT_TRUE(isBoundary(text[i])) << i;
            EXPECT_EQ(shown.text[i], u'=');
            ++next;
        } else {
            EXPECT_FALSE(isBoundary(text[i])) << i;
            EXPECT_EQ(shown.text[i], text[i]) << i;
        }
    }
    EXPECT_GT(shown.changedPositions.size(), 30u);
}

TEST(ConvertBoundaries, EmptySeparatorKeepsTheBoundaries)
{
    const auto r = ConvertBoundaries(u"Ha\u00ADse", visibleSeparator(u""));
    EXPECT_EQ(r.text, u"Ha-se");
    EXPECT_EQ(visibleSeparator(u"~"), u'~');
    EXPECT_EQ(visibleSeparator(u"x"), u'-');
}

TEST(ConvertBoundaries, VeryLongLine)
{
    std::u16string text;
    for (int i = 0; i < 200000; ++i)
        text += u"ab\u00AD";
    const auto r = ConvertBoundaries(text, u'/');
    ASSERT_EQ(r.changedPositions.size(), 200000u);
    EXPECT_EQ(r.changedPositions.back(), text.size() - 1);
    EXPECT_EQ(r.text.find(kSoftHyphen), std::u16string::npos);
}

struct Replacement {
    const char *name;
    std::u16string text;
    std::u16string selection;
    std::u16string separator;
    ReplaceBySeparatorOutcome outcome;
    std::u16string expected;
};

class ReplaceBySeparatorCase : public testing::TestWithParam<Replacement> {};

TEST_P(ReplaceBySeparatorCase, GivesTheExpectedText)
{
    const auto &c = GetParam();
    const ReplaceBySeparatorResult r = ReplaceBySeparator(c.text, c.selection, c.separator);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReplaceBySeparatorCase,
    testing::Values(
        Replacement{"equals_signs_become_hyphens", u"Ha=se und I=gel", u"=", u"-", ReplaceBySeparatorOutcome::Replaced,
                    u"Ha-se und I-gel"},
        Replacement{"a_letter_used_as_mark", u"Ha*se*n", u"*", u"~", ReplaceBySeparatorOutcome::Replaced, u"Ha~se~n"},
        Replacement{"nothing_selected", u"Ha=se", u"", u"-", ReplaceBySeparatorOutcome::NothingSelected, u"Ha=se"},
        Replacement{"separator_itself_selected", u"Ha-se", u"-", u"-", ReplaceBySeparatorOutcome::SelectionIsSeparator,
                    u"Ha-se"},
        Replacement{"selection_not_in_text", u"Hase", u"=", u"-", ReplaceBySeparatorOutcome::Replaced, u"Hase"},
        Replacement{"two_character_mark", u"Ha||se||n", u"||", u"/", ReplaceBySeparatorOutcome::Replaced, u"Ha/se/n"},
        // Each pass searches from the start again, so a mark that a
        // replacement completes is replaced as well.
        Replacement{"replacement_completes_a_new_mark", u"x--aa", u"-a", u"-", ReplaceBySeparatorOutcome::Replaced,
                    u"x--"},
        Replacement{"soft_hyphen_selected", u"Ha\u00ADse", u"\u00AD", u"/", ReplaceBySeparatorOutcome::Replaced,
                    u"Ha/se"},
        Replacement{"empty_separator_from_a_blank_settings_line", u"Ha=se", u"=", u"",
                    ReplaceBySeparatorOutcome::Replaced, u"Hase"}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
