#include "engines_support.h"

#include "textcore/colourruns.h"
#include "textcore/soundcolouring.h"

#include <gtest/gtest.h>

using namespace textcore;
using enginetest::notation;

namespace {

// One letter per SoundClass, so that an expectation reads like the text:
// s special, b background, c consonant, v vowel, u umlaut, A capital,
// p punctuation, d double, . black.
SoundColours probeColours()
{
    SoundColours c;
    for (std::size_t i = 0; i < kSoundClassCount; ++i)
        c.colours[i] = static_cast<Colour>(i + 1);
    return c;
}

std::string codes(const std::vector<Colour> &colours)
{
    static const char letters[] = ".sbcvuApd";
    std::string out;
    for (Colour c : colours)
        out.push_back(c < sizeof letters - 1 ? letters[c] : '?');
    return out;
}

struct SoundCase {
    const char *name;
    std::u16string text; // ^ soft hyphen, ␣ blank
    std::u16string groups;
    SoundVariant variant;
    std::string expected;
};

void PrintTo(const SoundCase &c, std::ostream *os) { *os << c.name; }

class SoundRules : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundRules, ColoursEveryPosition)
{
    const SoundCase &c = GetParam();
    const SoundColouring result = ColourBySounds(notation(c.text), probeColours(), c.groups, c.variant);
    EXPECT_EQ(codes(result.colours), c.expected) << enginetest::shown(notation(c.text));
    EXPECT_EQ(result.background, probeColours()[SoundClass::Background]);
}

constexpr auto W = SoundVariant::ColourWindow;
constexpr auto T = SoundVariant::SoundTrainer;

INSTANTIATE_TEST_SUITE_P(
    Cases, SoundRules,
    testing::Values(
        SoundCase{"final_pair_of_ball_is_never_examined", u"Ball", u"", W, "Avcc"},
        SoundCase{"double_l_in_baelle", u"Bälle", u"", W, "Auddv"},
        SoundCase{"any_repeated_character_counts", u"Saal.", u"", W, "Addcp"},
        SoundCase{"two_blanks_and_two_marks", u"a␣␣b!!x", u"", W, "vddcddc"},
        SoundCase{"ck_and_tz", u"Zucker␣Katze", u"", W, "Avddvc.Avddv"},
        SoundCase{"t_soft_hyphen_z", u"Kat^ze", u"", W, "Avdddv"},
        SoundCase{"letter_soft_hyphen_same_letter", u"Bal^le", u"", W, "Avdddv"},
        SoundCase{"visible_separator_makes_no_group", u"Bal-le", u"", W, "Avcpcv"},
        SoundCase{"c_soft_hyphen_k_is_no_group", u"Zuc^ker", u"", W, "Avc.cvc"},
        SoundCase{"three_equal_letters_all_coloured", u"Schifffahrt", u"", W, "Accvdddvccc"},
        SoundCase{"three_soft_hyphens", u"a^^^b", u"", W, "vdddc"},
        SoundCase{"capital_vowels_are_capitals", u"Apfel␣Öl␣Ärger", u"", W, "Accvc.Ac.Accvc"},
        SoundCase{"y_and_sharp_s_are_consonants", u"yß", u"", W, "cc"},
        SoundCase{"no_class_is_black_in_the_window", u"␣1^'\"é-?", u"", W, "......pp"},
        SoundCase{"no_class_is_special_in_the_trainer", u"␣1^'\"é-?", u"", T, "ssspsspp"},
        SoundCase{"line_break_is_no_class", u"a¶b", u"", W, "v..c"},
        SoundCase{"shorter_than_three", u"ll", u"", W, "cc"},
        SoundCase{"doubled_letter_in_last_two_positions", u"Will", u"", T, "Avcc"},
        SoundCase{"doubled_letter_once_more_is_shown", u"Will.", u"", T, "Avddp"},
        SoundCase{"special_group_over_consonants", u"Fuchs", u"ß,chs,", W, "Avsss"},
        SoundCase{"special_sharp_s", u"Straße", u"ß,chs,", W, "Accvsv"},
        SoundCase{"adjacent_match_is_skipped", u"ßß", u"ß", W, "sc"},
        SoundCase{"search_resumes_after_the_gap", u"ssss", u"ss", W, "ssdc"},
        SoundCase{"special_group_over_double", u"Bälle", u"ll", W, "Aussv"},
        SoundCase{"overlapping_groups_all_coloured", u"Fuchsschwanz", u"sch,ch,hs", W, "Avsssssscvcc"},
        SoundCase{"blanks_inside_groups_dropped", u"Fuchs", u" c h , s ", W, "Avsss"},
        SoundCase{"empty_groups_colour_nothing", u"ab", u",,", W, "vc"},
        SoundCase{"groups_are_case_sensitive", u"Ei␣ei", u"ei", W, "Av.ss"},
        SoundCase{"group_longer_than_remainder", u"abc", u"bcd", W, "vcc"},
        SoundCase{"trainer_groups_in_every_step", u"Ich␣", u"ch", T, "Asss"}),
    [](const testing::TestParamInfo<SoundCase> &info) { return std::string(info.param.name); });

TEST(SoundRules, DieKatzeWithInitialColours)
{
    const SoundColours initial;
    const Colour red = rgb(255, 0, 0), green = rgb(0, 192, 0), magenta = rgb(192, 0, 192),
                 cyan = rgb(0, 192, 192), black = 0;
    const SoundColouring result = ColourBySounds(u"Die Katze.", initial, u"", SoundVariant::ColourWindow);
    const std::vector<Colour> expected{red, green, green, black, red, green, magenta, magenta, green, cyan};
    EXPECT_EQ(result.colours, expected);
    EXPECT_EQ(result.background, kWhite);
    const std::vector<ColourRun> runs{{0, 1, red},     {1, 2, green}, {3, 1, black}, {4, 1, red},
                                      {5, 1, green},   {6, 2, magenta}, {8, 1, green}, {9, 1, cyan}};
    EXPECT_EQ(ToColourRuns(result.colours), runs);
}

TEST(SoundRules, EmptyTextGivesOnlyTheBackground)
{
    SoundColours colours;
    colours[SoundClass::Background] = rgb(1, 2, 3);
    const SoundColouring result = ColourBySounds(u"", colours, u"ß,", SoundVariant::SoundTrainer);
    EXPECT_TRUE(result.colours.empty());
    EXPECT_EQ(result.background, rgb(1, 2, 3));
}

struct GroupsCase {
    std::u16string text;
    std::vector<std::u16string> groups;
};

class SpecialGroupsText : public testing::TestWithParam<GroupsCase> {};

TEST_P(SpecialGroupsText, ParsesIntoGroupList)
{
    EXPECT_EQ(ParseSpecialGroups(GetParam().text), GetParam().groups);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpecialGroupsText,
    testing::Values(GroupsCase{u"", {}}, GroupsCase{u"ß,chs,", {u"ß", u"chs"}},
                    GroupsCase{u"ch", {u"ch"}},
                    GroupsCase{u" c h , s ", {u"ch", u"s"}},
                    GroupsCase{u"a,,b", {u"a", u"", u"b"}},
                    GroupsCase{u",", {u""}},
                    GroupsCase{u" ", {u""}},
                    GroupsCase{u"sch,ei,sch", {u"sch", u"ei", u"sch"}}));

struct RunsCase {
    std::vector<Colour> colours;
    std::vector<ColourRun> runs;
};

class ColourRuns : public testing::TestWithParam<RunsCase> {};

TEST_P(ColourRuns, JoinsEqualNeighbours)
{
    EXPECT_EQ(ToColourRuns(GetParam().colours), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(Cases, ColourRuns,
                         testing::Values(RunsCase{{}, {}}, RunsCase{{7}, {{0, 1, 7}}},
                                         RunsCase{{1, 1, 1}, {{0, 3, 1}}},
                                         RunsCase{{1, 2, 1}, {{0, 1, 1}, {1, 1, 2}, {2, 1, 1}}},
                                         RunsCase{{0, 0, 5, 5, 5, 0}, {{0, 2, 0}, {2, 3, 5}, {5, 1, 0}}}));

} // namespace
