#include "syllabify/wordrange.h"

#include <gtest/gtest.h>

#include <string>

using namespace syllabify;

namespace {

struct WidenCase {
    const char *name;
    std::u16string text;
    std::size_t start, end;
    std::size_t wantStart, wantEnd;
};

class Widen : public testing::TestWithParam<WidenCase> {};

TEST_P(Widen, CutsNoWord)
{
    const WidenCase &c = GetParam();
    EXPECT_EQ(widenToWholeWords(c.text, c.start, c.end), std::make_pair(c.wantStart, c.wantEnd));
}

INSTANTIATE_TEST_SUITE_P(Selections, Widen,
                         testing::Values(WidenCase{"InsideOneWord", u"Das Fenster ist zu", 5, 7, 4, 11},
                                         WidenCase{"AcrossTwoWordsCut", u"Das Fenster ist zu", 6, 13, 4, 15},
                                         WidenCase{"ExactWordStaysAsItIs", u"Das Fenster ist zu", 4, 11, 4, 11},
                                         WidenCase{"BlanksAtTheEdgesStay", u"Das Fenster ist zu", 3, 12, 3, 12},
                                         WidenCase{"MarkedWordIsOneWord", u"ein Zu-cker-hut", 8, 9, 4, 15},
                                         WidenCase{"HyphenBetweenBlanksIsNoWord", u"a - b", 2, 3, 2, 3},
                                         WidenCase{"UmlautsAreLetters", u"über Äpfel", 1, 7, 0, 10},
                                         WidenCase{"WholeText", u"Ab cd", 0, 5, 0, 5},
                                         WidenCase{"EndBeyondTextIsClamped", u"Ab", 1, 9, 0, 2},
                                         WidenCase{"EmptyText", u"", 0, 0, 0, 0}),
                         [](const testing::TestParamInfo<WidenCase> &row) { return std::string(row.param.name); });

TEST(WordRange, MarkIsPartOfAWordOnlyBetweenLetters)
{
    const std::u16string text = u"Ap-fel -x y- \u00ADz";
    EXPECT_TRUE(isPartOfWord(text, 2));   // Ap-fel
    EXPECT_FALSE(isPartOfWord(text, 7));  // before x, after a blank
    EXPECT_FALSE(isPartOfWord(text, 11)); // after y, before a blank
    EXPECT_FALSE(isPartOfWord(text, 13)); // soft hyphen after a blank
    EXPECT_FALSE(isPartOfWord(text, 6));  // blank
}

TEST(WordRange, ContainsLetter)
{
    EXPECT_TRUE(containsLetter(u"  ß "));
    EXPECT_FALSE(containsLetter(u" -, 12 ! "));
    EXPECT_FALSE(containsLetter(u""));
}

TEST(WordRange, TrimToWordDropsWhatIsNeitherLetterNorMark)
{
    EXPECT_EQ(trimToWord(u" „Farb-aus-wahl“, "), u"Farb-aus-wahl");
    EXPECT_EQ(trimToWord(u"Zu\u00ADcker."), u"Zu\u00ADcker");
    EXPECT_EQ(trimToWord(u" ,.! "), u"");
    EXPECT_EQ(trimToWord(u"-Haus-"), u"-Haus-"); // marks at the edges are kept for the list to judge
}

} // namespace
