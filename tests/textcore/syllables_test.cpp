#include "engines_support.h"

#include "textcore/syllablecolouring.h"
#include "textcore/syllablelist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace textcore;
using enginetest::notation;

namespace {

constexpr auto All = SyllableCounting::AllSyllablesAlternating;
constexpr auto Multi = SyllableCounting::MultiSyllableWords;

// '1' first colour, '2' second colour, one digit per position.
std::string digits(const std::vector<Colour> &colours)
{
    std::string out;
    for (Colour c : colours)
        out.push_back(c == 10 ? '1' : c == 20 ? '2' : '?');
    return out;
}

struct SyllableCase {
    const char *name;
    std::u16string text; // ^ soft hyphen, ␣ blank, ¶ CR LF
    SyllableCounting mode;
    std::string expected;
};

void PrintTo(const SyllableCase &c, std::ostream *os)
{
    *os << c.name;
}

class SyllableColouring : public testing::TestWithParam<SyllableCase> {};

TEST_P(SyllableColouring, ColoursEveryPosition)
{
    const SyllableCase &c = GetParam();
    EXPECT_EQ(digits(ColourBySyllables(notation(c.text), 10, 20, c.mode)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SyllableColouring,
                         testing::Values(
                             // «Rosine und Ei»: Ro / ^si / ^ne / ␣und / ␣Ei
                             SyllableCase{"rosine_alternating", u"Ro^si^ne␣und␣Ei", All, "112221112222111"},
                             SyllableCase{"rosine_multi_syllable", u"Ro^si^ne␣und␣Ei", Multi, "112221111111111"},
                             SyllableCase{"leading_blank_alternating", u"␣ab", All, "222"},
                             SyllableCase{"two_blanks_step_twice", u"a␣␣b", All, "1211"},
                             SyllableCase{"crlf_steps_once", u"a¶b", All, "1222"},
                             SyllableCase{"crlf_resets", u"a^b¶c", Multi, "122111"},
                             SyllableCase{"three_after_two_syllables", u"ab^c␣d^e^f␣g", Multi, "112211221111"},
                             SyllableCase{"visible_hyphens_alternating", u"Bal-le␣Ro-se", All, "111111222222"},
                             SyllableCase{"visible_hyphens_multi", u"Bal-le␣Ro-se", Multi, "111111111111"},
                             SyllableCase{"glued_punctuation_continues", u"Ha^us,Ma^us", Multi, "11222222111"},
                             SyllableCase{"empty", u"", All, ""}),
                         [](const testing::TestParamInfo<SyllableCase> &row) { return std::string(row.param.name); });

struct ListCase {
    const char *name;
    std::u16string text;
    std::vector<std::u16string> sequence;
    std::vector<std::u16string> list;
};

void PrintTo(const ListCase &c, std::ostream *os)
{
    *os << c.name;
}

class SyllableList : public testing::TestWithParam<ListCase> {};

TEST_P(SyllableList, SequenceAndSortedDistinctList)
{
    const ListCase &c = GetParam();
    const SyllableListResult result = BuildSyllableList(notation(c.text));
    EXPECT_EQ(result.sequence, c.sequence);
    EXPECT_EQ(result.list, c.list);
    EXPECT_EQ(result.count, c.list.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, SyllableList,
                         testing::Values(ListCase{"rosine_und_rose",
                                                  u"Ro^si^ne␣und␣Ro^se.",
                                                  {u"Ro", u"si", u"ne", u"und", u"Ro", u"se"},
                                                  {u"ne", u"Ro", u"se", u"si", u"und"}},
                                         ListCase{"case_makes_two_entries",
                                                  u"Der␣Apfel,␣der␣Baum.",
                                                  {u"Der", u"Apfel", u"der", u"Baum"},
                                                  {u"Apfel", u"Baum", u"der", u"Der"}},
                                         ListCase{"hyphen_is_no_letter", u"E-Mail.", {u"E", u"Mail"}, {u"E", u"Mail"}},
                                         ListCase{"digits_are_no_letters", u"2007er.", {u"er"}, {u"er"}},
                                         ListCase{"last_run_without_mark", u"Rosine", {u"Rosine"}, {u"Rosine"}},
                                         ListCase{"accented_letter_ends_a_run", u"café.", {u"caf"}, {u"caf"}},
                                         ListCase{"umlauts_beside_base_letters",
                                                  u"zu␣Übel␣ab␣Ufer␣über␣uber␣ob␣öde",
                                                  {u"zu", u"Übel", u"ab", u"Ufer", u"über", u"uber", u"ob", u"öde"},
                                                  {u"ab", u"ob", u"öde", u"Übel", u"uber", u"über", u"Ufer", u"zu"}},
                                         ListCase{"sharp_s_beside_ss",
                                                  u"Stra^ße␣Stras^se␣ßt␣sst␣su␣sr",
                                                  {u"Stra", u"ße", u"Stras", u"se", u"ßt", u"sst", u"su", u"sr"},
                                                  {u"se", u"sr", u"ße", u"sst", u"ßt", u"Stra", u"Stras", u"su"}},
                                         ListCase{"empty", u"", {}, {}}),
                         [](const testing::TestParamInfo<ListCase> &row) { return std::string(row.param.name); });

// The list order must be a strict total order that agrees with exact
// equality; a shuffled input must give the same list.
TEST(SyllableList, OrderDoesNotDependOnTextOrder)
{
    std::vector<std::u16string> words{u"Ab", u"ab", u"äb", u"Äb", u"ass", u"aß", u"Aß", u"asz", u"a", u"A",
                                      u"ä",  u"ss", u"ß",  u"s",  u"z",   u"Z",  u"öl", u"Öl",  u"ol"};
    std::mt19937 random(7);
    std::vector<std::u16string> first;
    for (int round = 0; round < 20; ++round) {
        std::shuffle(words.begin(), words.end(), random);
        std::u16string text;
        for (const auto &w : words)
            text += w + u" ";
        const auto list = BuildSyllableList(text).list;
        ASSERT_EQ(list.size(), words.size());
        if (round == 0)
            first = list;
        EXPECT_EQ(list, first);
    }
    for (std::size_t i = 1; i < first.size(); ++i)
        EXPECT_LT(SyllableSortKey(first[i - 1]), SyllableSortKey(first[i]))
            << enginetest::toUtf8(first[i - 1]) << " / " << enginetest::toUtf8(first[i]);
    const std::vector<std::u16string> expected{u"a",   u"A",  u"ä",  u"ab", u"Ab", u"äb", u"Äb", u"ass", u"aß", u"Aß",
                                               u"asz", u"ol", u"öl", u"Öl", u"s",  u"ss", u"ß",  u"z",   u"Z"};
    EXPECT_EQ(first, expected);
}

TEST(SyllableList, AlphabetHasExactlyTheFiftyNineLetters)
{
    const std::u16string alphabet = u"aäbcdefghijklmnoöpqrsßtuüvwxyzAÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZ";
    ASSERT_EQ(alphabet.size(), 59u);
    for (char16_t c : alphabet)
        EXPECT_TRUE(IsSyllableLetter(c)) << static_cast<int>(c);
    int letters = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c)
        letters += IsSyllableLetter(static_cast<char16_t>(c)) ? 1 : 0;
    EXPECT_EQ(letters, 59);
}

// The list built the slow way: runs collected character by character, each
// new syllable compared with every entry and inserted at its sorted place.
TEST(SyllableList, AgreesWithInsertionIntoASortedList)
{
    const std::u16string alphabet = u"aAäÄbBsßS \u00AD.1é";
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        std::u16string text(random() % 30, u' ');
        for (char16_t &c : text)
            c = alphabet[random() % alphabet.size()];
        std::vector<std::u16string> sequence;
        std::u16string run;
        for (char16_t c : text) {
            if (IsSyllableLetter(c))
                run += c;
            if (!run.empty() && !IsSyllableLetter(c)) {
                sequence.push_back(run);
                run.clear();
            }
        }
        if (!run.empty())
            sequence.push_back(run);
        std::vector<std::u16string> list;
        for (const auto &syllable : sequence) {
            if (std::count(list.begin(), list.end(), syllable) != 0)
                continue;
            auto at = list.begin();
            while (at != list.end() && SyllableSortKey(*at) < SyllableSortKey(syllable))
                ++at;
            list.insert(at, syllable);
        }
        const SyllableListResult result = BuildSyllableList(text);
        ASSERT_EQ(result.sequence, sequence) << enginetest::shown(text);
        ASSERT_EQ(result.list, list) << enginetest::shown(text);
        ASSERT_EQ(result.count, list.size());
    }
}

struct TableCase {
    const char *name;
    std::vector<std::u16string> list;
    int width;
    int columns;
    std::u16string table; // ␣ blank, ¶ CR LF
};

void PrintTo(const TableCase &c, std::ostream *os)
{
    *os << c.name;
}

class SyllableTable : public testing::TestWithParam<TableCase> {};

TEST_P(SyllableTable, LaysOutCells)
{
    const TableCase &c = GetParam();
    EXPECT_EQ(enginetest::shown(BuildSyllableTable(c.list, c.width, c.columns)), enginetest::shown(notation(c.table)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SyllableTable,
    testing::Values(
        TableCase{"worked_example", {u"ne", u"Ro", u"si"}, 4, 2, u"ne␣␣Ro␣␣¶si␣␣"},
        TableCase{"width_one_shows_first_letter", {u"ne", u"Ro", u"si"}, 1, 5, u"nRs"},
        TableCase{"one_column", {u"ne", u"Ro"}, 3, 1, u"ne␣¶Ro␣¶"},
        TableCase{"seven_entries_four_columns", {u"a", u"b", u"c", u"d", u"e", u"f", u"g"}, 2, 4, u"a␣b␣c␣d␣¶e␣f␣g␣"},
        TableCase{"exact_width_touches_next_cell", {u"abc", u"de"}, 3, 2, u"abcde␣¶"},
        TableCase{"full_rows_end_with_crlf", {u"a", u"b"}, 1, 2, u"ab¶"}, TableCase{"no_entries", {}, 10, 4, u""},
        TableCase{"zero_columns_count_as_one", {u"a", u"b"}, 1, 0, u"a¶b¶"},
        TableCase{"zero_width_gives_empty_cells", {u"a", u"b"}, 0, 1, u"¶¶"}),
    [](const testing::TestParamInfo<TableCase> &row) { return std::string(row.param.name); });

} // namespace
