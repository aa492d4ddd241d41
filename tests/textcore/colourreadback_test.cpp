#include "textcore/colourreadback.h"

#include "testdata.h"

#include <gtest/gtest.h>

#include <random>

using namespace textcore;

namespace {

constexpr Colour kBlue = 16711680;
constexpr Colour kGreen = 49152;

// One letter per character: k black, r red, b blue, g green, w white.
std::vector<Colour> coloursFromMask(std::string_view mask)
{
    std::vector<Colour> out;
    for (char m : mask)
        out.push_back(m == 'r' ? kRed : m == 'b' ? kBlue : m == 'g' ? kGreen : m == 'w' ? kWhite : kBlack);
    return out;
}

using Six = std::array<Colour, kReadBackClassCount>;

struct ReadBack {
    const char *name;
    std::u16string text;
    std::string mask;
    Six classColours; // consonants, vowels, umlauts, capitals, punctuation, double
    Colour syllable1;
    Colour syllable2;
};

class ReadColoursCase : public testing::TestWithParam<ReadBack> {};

TEST_P(ReadColoursCase, TakesTheColourOfTheLastCharacterOfEachClass)
{
    const auto &c = GetParam();
    ASSERT_EQ(c.mask.size(), c.text.size());
    const auto colours = coloursFromMask(c.mask);
    const ColourReadBack r = ReadColoursFromText(c.text, colours);
    EXPECT_EQ(r.classColours, c.classColours);
    EXPECT_EQ(r.syllableColours.first, c.syllable1);
    EXPECT_EQ(r.syllableColours.second, c.syllable2);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadColoursCase,
    testing::Values(
        ReadBack{"plain_text_with_all_classes_gives_white_second_colour", u"Zucker, B\u00E4r.", "kkkkkkkkkkkk",
                 Six{0, 0, 0, 0, 0, 0}, kBlack, kWhite},
        ReadBack{"plain_text_missing_umlauts_gives_black_second_colour", u"Zucker.", "kkkkkkk", Six{0, 0, 0, 0, 0, 0},
                 kBlack, kBlack},
        ReadBack{"empty_text", u"", "", Six{0, 0, 0, 0, 0, 0}, kBlack, kWhite},
        ReadBack{"ck_fills_the_double_slot", u"Zucker", "kkkrkk", Six{0, 0, 0, 0, 0, kRed}, kBlack, kRed},
        ReadBack{"soft_hyphen_splits_ck", u"Zuc\u00ADker", "kkkrrkk", Six{0, 0, 0, 0, 0, 0}, kBlack, kBlack},
        ReadBack{"apostrophe_is_punctuation", u"Apostroph'", "kkkkkkkkkr", Six{0, 0, 0, 0, kRed, 0}, kBlack, kBlack},
        ReadBack{"last_occurrence_wins", u"aba", "rkb", Six{0, kBlue, 0, 0, 0, 0}, kBlack, kBlack},
        ReadBack{"second_of_two_equal_vowels_fills_two_slots", u"Seen", "kkrk", Six{0, kRed, 0, 0, 0, kRed}, kBlack,
                 kRed},
        ReadBack{"tz_fills_consonants_and_double", u"Katze", "kkkrk", Six{kRed, 0, 0, 0, 0, kRed}, kRed, kBlack},
        ReadBack{"two_equal_blanks_fill_the_double_slot", u"a  b", "kkrk", Six{0, 0, 0, 0, 0, kRed}, kBlack, kRed},
        ReadBack{"umlauts_and_capital_umlauts", u"\u00D6l \u00FCber", "rkkbkkk", Six{0, 0, kBlue, kRed, 0, 0}, kBlack,
                 kBlack},
        ReadBack{"sharp_s_is_a_consonant", u"Fu\u00DF", "kkg", Six{kGreen, kBlack, 0, 0, 0, 0}, kGreen, kBlack},
        ReadBack{"hyphen_is_punctuation", u"a-", "kr", Six{0, 0, 0, 0, kRed, 0}, kBlack, kRed},
        // Syllables alternating red and blue, last consonant red: every class
        // found; the last class differing from the consonants is blue.
        ReadBack{"syllable_coloured_text", u"Ha\u00ADse, Zu\u00ADcker und \u00F6l!", "bbwrrrkbbwrrrrkbbbkrrr",
                 Six{kRed, kBlue, kRed, kBlue, kRed, kRed}, kRed, kBlue},
        ReadBack{"letters_beyond_latin1_belong_to_no_class", u"\u0100\u0101\u20AC", "rrr", Six{0, 0, 0, 0, 0, 0},
                 kBlack, kWhite}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(ReadColoursFromText, MissingColoursCountAsBlack)
{
    const std::vector<Colour> colours{kRed};
    const ColourReadBack r = ReadColoursFromText(u"ab", colours);
    EXPECT_EQ(r[ReadBackClass::Vowels], kRed);
    EXPECT_EQ(r[ReadBackClass::Consonants], kBlack);
}

TEST(ReadColoursFromText, LeavesSpecialGroupsAndBackgroundAlone)
{
    SoundColours sound;
    sound[SoundClass::SpecialGroups] = 123;
    sound[SoundClass::Background] = 456;
    const auto colours = coloursFromMask("rbg");
    ReadColoursFromText(u"Bab", colours).applyTo(sound);
    EXPECT_EQ(sound[SoundClass::SpecialGroups], 123u);
    EXPECT_EQ(sound[SoundClass::Background], 456u);
    EXPECT_EQ(sound[SoundClass::Capitals], kRed);
    EXPECT_EQ(sound[SoundClass::Vowels], kBlue);
    EXPECT_EQ(sound[SoundClass::Consonants], kGreen);
    EXPECT_EQ(sound[SoundClass::Umlauts], kBlack);
}

// The scan as the editor describes it: every character from the first to the
// last, six text slots starting at " 0", the colour written as decimal text.
ColourReadBack literalScan(std::u16string_view t, const std::vector<Colour> &col)
{
    std::array<std::string, 6> slot;
    slot.fill(" 0");
    const std::u16string_view sets[5] = {u"bcdfghjklmnpqrs\u00DFtvwxyz", u"aeiou", u"\u00E4\u00F6\u00FC",
                                         u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00DC", u".:,;-!?'"};
    for (std::size_t i = 1; i <= t.size(); ++i) {
        const char16_t c = t[i - 1];
        const std::string s = std::to_string(col[i - 1]);
        for (int k = 0; k < 5; ++k)
            if (sets[k].find(c) != std::u16string_view::npos)
                slot[static_cast<std::size_t>(k)] = s;
        if (i > 1) {
            const char16_t p = t[i - 2];
            if ((p == u'c' && c == u'k') || c == p || (p == u't' && c == u'z'))
                slot[5] = s;
        }
    }
    ColourReadBack r;
    for (std::size_t k = 0; k < 6; ++k)
        r.classColours[k] = static_cast<Colour>(std::stoul(slot[k]));
    r.syllableColours.first = r.classColours[0];
    r.syllableColours.second = kWhite;
    for (std::size_t k = 1; k < 6; ++k)
        if (slot[k] != slot[0])
            r.syllableColours.second = r.classColours[k];
    return r;
}

TEST(ReadColoursFromText, AgreesWithTheCharacterByCharacterScan)
{
    std::mt19937 rng(4711);
    const std::u16string alphabet = u"abckstzeEAo\u00E4\u00C4\u00DF.' -\u00AD\r\n1\u20AC";
    const Colour palette[] = {kBlack, kRed, kBlue};
    for (int round = 0; round < 20000; ++round) {
        std::u16string text(rng() % 12, u' ');
        std::vector<Colour> colours;
        for (auto &c : text) {
            c = alphabet[rng() % alphabet.size()];
            colours.push_back(palette[rng() % 3]);
        }
        const ColourReadBack expected = literalScan(text, colours);
        const ColourReadBack actual = ReadColoursFromText(text, colours);
        ASSERT_EQ(actual.classColours, expected.classColours) << "round " << round;
        ASSERT_EQ(actual.syllableColours, expected.syllableColours) << "round " << round;
    }
}

TEST(ReadColoursFromText, GermanParagraphInOneColour)
{
    const std::u16string text = testdata::readText("textcore/german_paragraph.txt");
    const std::vector<Colour> colours(text.size(), kGreen);
    const ColourReadBack r = ReadColoursFromText(text, colours);
    EXPECT_EQ(r.classColours, (Six{kGreen, kGreen, kGreen, kGreen, kGreen, kGreen}));
    EXPECT_EQ(r.syllableColours, (SyllableColours{kGreen, kWhite}));
}

} // namespace
