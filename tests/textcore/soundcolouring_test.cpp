#include "engines_support.h"

#include "textcore/colourruns.h"
#include "textcore/soundcolouring.h"

#include <gtest/gtest.h>

#include <random>

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

void PrintTo(const SoundCase &c, std::ostream *os)
{
    *os << c.name;
}

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
    testing::Values(SoundCase{"final_pair_of_ball_is_never_examined", u"Ball", u"", W, "Avcc"},
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
    [](const testing::TestParamInfo<SoundCase> &row) { return std::string(row.param.name); });

// The three passes exactly as the field version issues them, one position at
// a time and one group after the other, to compare the fast engine with.
std::vector<Colour> literalPasses(const std::u16string &t, const SoundColours &k, const std::u16string &specialGroups,
                                  SoundVariant variant)
{
    const std::u16string consonants = u"bcdfghjklmnpqrs\u00DFtvwxyz";
    const std::u16string capitals = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00DC";
    const std::u16string punctuation = variant == SoundVariant::SoundTrainer ? u".:,;-!?'" : u".:,;-!?";
    const std::size_t n = t.size();
    std::vector<Colour> out(n);
    for (std::size_t i = 1; i <= n; ++i) {
        const char16_t c = t[i - 1];
        out[i - 1] = variant == SoundVariant::SoundTrainer ? k[SoundClass::SpecialGroups] : 0;
        if (consonants.find(c) != std::u16string::npos)
            out[i - 1] = k[SoundClass::Consonants];
        if (std::u16string(u"aeiou").find(c) != std::u16string::npos)
            out[i - 1] = k[SoundClass::Vowels];
        if (std::u16string(u"\u00E4\u00F6\u00FC").find(c) != std::u16string::npos)
            out[i - 1] = k[SoundClass::Umlauts];
        if (capitals.find(c) != std::u16string::npos)
            out[i - 1] = k[SoundClass::Capitals];
        if (punctuation.find(c) != std::u16string::npos)
            out[i - 1] = k[SoundClass::Punctuation];
    }
    for (std::size_t i = 1; i + 2 <= n; ++i) {
        const std::u16string c(1, t[i - 1]);
        std::u16string g;
        if (t.substr(i, 1) == c)
            g = c + c;
        if (t.substr(i - 1, 2) == u"ck" || t.substr(i - 1, 2) == u"tz")
            g = t.substr(i - 1, 2);
        if (t.substr(i - 1, 3) == c + u"\u00AD" + c)
            g = t.substr(i - 1, 3);
        if (t.substr(i - 1, 3) == u"t\u00ADz")
            g = t.substr(i - 1, 3);
        for (std::size_t j = 0; j < g.size(); ++j)
            out[i - 1 + j] = k[SoundClass::DoubleConsonants];
    }
    if (specialGroups.empty())
        return out;
    std::u16string copy = specialGroups;
    if (copy.back() != u',')
        copy += u',';
    std::vector<std::u16string> list;
    std::u16string group;
    for (char16_t c : copy) {
        if (c == u',') {
            list.push_back(group);
            group.clear();
        } else if (c != u' ')
            group += c;
    }
    for (const std::u16string &s : list) {
        for (std::size_t i = 1; i <= n; ++i) {
            if (!s.empty() && t.substr(i - 1, s.size()) == s) {
                for (std::size_t j = 0; j < s.size(); ++j)
                    out[i - 1 + j] = k[SoundClass::SpecialGroups];
                i += s.size();
            }
        }
    }
    return out;
}

TEST(SoundRules, AgreesWithTheLiteralPassesOnRandomTexts)
{
    const std::u16string alphabet = u"aabcckttzssß\u00AD\u00AD  .-'AÄ\r\n1";
    const std::u16string groupAlphabet = u"abcksßt\u00AD ,,";
    std::mt19937 random(2026);
    const SoundColours probe = probeColours();
    for (int round = 0; round < 3000; ++round) {
        std::u16string text(random() % 24, u' ');
        for (char16_t &c : text)
            c = alphabet[random() % alphabet.size()];
        std::u16string groups(random() % 8, u' ');
        for (char16_t &c : groups)
            c = groupAlphabet[random() % groupAlphabet.size()];
        for (SoundVariant variant : {SoundVariant::ColourWindow, SoundVariant::SoundTrainer}) {
            ASSERT_EQ(codes(ColourBySounds(text, probe, groups, variant).colours),
                      codes(literalPasses(text, probe, groups, variant)))
                << "text " << enginetest::shown(text) << " groups " << enginetest::shown(groups);
        }
    }
}

TEST(SoundRules, DieKatzeWithInitialColours)
{
    const SoundColours initial;
    const Colour red = rgb(255, 0, 0), green = rgb(0, 192, 0), magenta = rgb(192, 0, 192), cyan = rgb(0, 192, 192),
                 black = 0;
    const SoundColouring result = ColourBySounds(u"Die Katze.", initial, u"", SoundVariant::ColourWindow);
    const std::vector<Colour> expected{red, green, green, black, red, green, magenta, magenta, green, cyan};
    EXPECT_EQ(result.colours, expected);
    EXPECT_EQ(result.background, kWhite);
    const std::vector<ColourRun> runs{{0, 1, red},   {1, 2, green},   {3, 1, black}, {4, 1, red},
                                      {5, 1, green}, {6, 2, magenta}, {8, 1, green}, {9, 1, cyan}};
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

INSTANTIATE_TEST_SUITE_P(Cases, SpecialGroupsText,
                         testing::Values(GroupsCase{u"", {}}, GroupsCase{u"ß,chs,", {u"ß", u"chs"}},
                                         GroupsCase{u"ch", {u"ch"}}, GroupsCase{u" c h , s ", {u"ch", u"s"}},
                                         GroupsCase{u"a,,b", {u"a", u"", u"b"}}, GroupsCase{u",", {u""}},
                                         GroupsCase{u" ", {u""}}, GroupsCase{u"sch,ei,sch", {u"sch", u"ei", u"sch"}}));

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
                         testing::Values(RunsCase{{}, {}}, RunsCase{{7}, {{0, 1, 7}}}, RunsCase{{1, 1, 1}, {{0, 3, 1}}},
                                         RunsCase{{1, 2, 1}, {{0, 1, 1}, {1, 1, 2}, {2, 1, 1}}},
                                         RunsCase{{0, 0, 5, 5, 5, 0}, {{0, 2, 0}, {2, 3, 5}, {5, 1, 0}}}));

} // namespace
