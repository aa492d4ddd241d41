#include "textcore/sentences.h"

#include "testdata.h"

#include <gtest/gtest.h>

using namespace textcore;

namespace {

using List = std::vector<std::u16string>;

struct Sentences {
    const char *name;
    std::u16string text;
    List expected;
};

class BuildSentenceListCase : public testing::TestWithParam<Sentences> {};

TEST_P(BuildSentenceListCase, GivesTheExpectedEntries)
{
    EXPECT_EQ(BuildSentenceList(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BuildSentenceListCase,
    testing::Values(
        Sentences{"three_end_marks", u"Hallo Welt. Wie geht es? Gut!", {u"Hallo Welt.", u"Wie geht es?", u"Gut!"}},
        Sentences{"every_dot_ends_a_sentence", u"Ende...", {u"Ende.", u".", u"."}},
        Sentences{"text_without_end_marks", u"Hallo Welt", {}}, Sentences{"empty_text", u"", {}},
        Sentences{"words_after_the_last_end_mark_are_dropped", u"Eins. Zwei", {u"Eins."}},
        Sentences{"empty_line_between_two_lines_is_dropped",
                  u"Zeile eins\r\n\r\nZeile zwei\r\n",
                  {u"Zeile eins", u"Zeile zwei"}},
        Sentences{"line_of_blanks_gives_an_empty_entry", u"Eins\r\n   \r\nZwei\r\n", {u"Eins", u"", u"Zwei"}},
        Sentences{"blank_before_a_line_break_gives_an_empty_entry", u"Eins. \r\nZwei.", {u"Eins.", u"", u"Zwei."}},
        Sentences{"blanks_behind_a_line_break_are_cut", u"Eins.\r\n  Zwei.", {u"Eins.", u"Zwei."}},
        Sentences{"lone_cr_is_removed_but_ends_nothing", u"Ei\rns.", {u"Eins."}},
        Sentences{"lone_lf_ends_a_line", u"Eins\nZwei.", {u"Eins", u"Zwei."}},
        Sentences{"lone_lf_after_an_end_mark_gives_an_empty_entry", u"Eins.\nZwei.", {u"Eins.", u"", u"Zwei."}},
        Sentences{"boundaries_stay_in_place", u"Ha\u00ADse und I-gel. Kat~ze!", {u"Ha\u00ADse und I-gel.", u"Kat~ze!"}},
        Sentences{"tabs_are_not_blanks", u"\tEins.", {u"\tEins."}},
        Sentences{"characters_beyond_latin1", u"\u201EJa!\u201C \U0001F600.", {u"\u201EJa!", u"\u201C \U0001F600."}}),
    [](const auto &row) { return std::string(row.param.name); });

// The reference holds one entry per line; it is made by
// scripts/regenerate-textcore-golden.py.
TEST(BuildSentenceList, GermanParagraphMatchesTheReference)
{
    const std::u16string text = testdata::readText("textcore/german_paragraph.txt");
    const std::u16string reference = testdata::readText("textcore/german_paragraph.sentences.txt");
    List expected;
    for (std::size_t pos = 0; pos < reference.size();) {
        const std::size_t end = reference.find(u'\n', pos);
        expected.push_back(reference.substr(pos, end - pos));
        pos = end + 1;
    }
    EXPECT_EQ(BuildSentenceList(text), expected);
}

TEST(BuildSentenceList, VeryLongLineWithoutEndMark)
{
    const std::u16string text(1'000'000, u'a');
    EXPECT_TRUE(BuildSentenceList(text).empty());
    EXPECT_EQ(BuildSentenceList(text + u"!").front().size(), 1'000'001u);
}

} // namespace
