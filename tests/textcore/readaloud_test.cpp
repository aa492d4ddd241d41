#include "engines_support.h"

#include "textcore/readaloud.h"

#include <gtest/gtest.h>

using namespace textcore;
using enginetest::notation;

namespace {

// What a trainer speaks after a step, and which shown characters a word the
// engine reports in the spoken text stands for.
struct TrainerCase {
    const char *name;
    ReadingStep step;
    std::u16string display; // ␣ blank, ^ soft hyphen, ¶ CR LF
    std::u16string spoken;
    bool phonemes;
    TextRange heard;  // in the spoken text
    TextRange marked; // in the display text
};

void PrintTo(const TrainerCase &c, std::ostream *os)
{
    *os << c.name;
}

class TrainerPieces : public testing::TestWithParam<TrainerCase> {};

TEST_P(TrainerPieces, SpeaksTheNewestPieceAndMarksItsWords)
{
    const TrainerCase &c = GetParam();
    const SpeechPiece piece = TrainerSpeechPiece(c.step, notation(c.display));
    EXPECT_EQ(piece.spoken, c.spoken);
    EXPECT_EQ(piece.phonemes, c.phonemes);
    if (c.spoken.empty())
        return;
    EXPECT_EQ(piece.Shown(c.heard.start, c.heard.length), c.marked);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TrainerPieces,
    testing::Values(
        TrainerCase{"text without soft hyphens, a word behind one",
                    ReadingStep::Text,
                    u"Wil^ly␣liest.¶Ja.",
                    u"Willy liest.\r\nJa.",
                    false,
                    {6, 5},
                    {7, 5}},
        TrainerCase{"a word across a soft hyphen",
                    ReadingStep::Sentence,
                    u"Wil^ly␣liest.",
                    u"Willy liest.",
                    false,
                    {0, 5},
                    {0, 6}},
        TrainerCase{"newest word only", ReadingStep::Word, u"Ich␣le^se.␣", u"lese.", false, {0, 4}, {4, 5}},
        TrainerCase{"first word", ReadingStep::Word, u"Ich␣", u"Ich", false, {0, 3}, {0, 3}},
        TrainerCase{"empty word of a double blank", ReadingStep::Word, u"Ich␣␣", u"", false, {}, {}},
        TrainerCase{"syllable before a soft hyphen", ReadingStep::Syllable, u"Wir␣le^", u"le", false, {0, 2}, {4, 2}},
        TrainerCase{
            "last syllable of a sentence", ReadingStep::Syllable, u"Wir␣le^sen.␣", u"sen.", false, {0, 3}, {7, 3}},
        TrainerCase{"letter as its sound", ReadingStep::Letter, u"Ab␣c", u"[[k@]]", true, {2, 2}, {3, 1}},
        TrainerCase{"capital umlaut", ReadingStep::Letter, u"Ä", u"[[E:]]", true, {0, 6}, {0, 1}},
        TrainerCase{"eszett", ReadingStep::Letter, u"Spaß", u"[[sss]]", true, {0, 7}, {3, 1}},
        TrainerCase{"a digit by its name", ReadingStep::Letter, u"Nr.␣3", u"3", false, {0, 1}, {4, 1}},
        TrainerCase{"a step ending on a blank says nothing", ReadingStep::Letter, u"Ab␣", u"", false, {}, {}}));

TEST(RangePiece, LeavesOutSeparatorsAndMarksAcrossThem)
{
    const std::u16string text = u"Will-kom-men\u00AD da.";
    const SpeechPiece all = RangeSpeechPiece(text, 0, 100, u"-");
    EXPECT_EQ(all.spoken, u"Willkommen da.");
    EXPECT_EQ(all.Shown(0, 10), (TextRange{0, 12}));
    EXPECT_EQ(all.Shown(11, 2), (TextRange{14, 2}));
    EXPECT_EQ(all.Shown(20, 2), std::nullopt);
    EXPECT_EQ(RangeSpeechPiece(text, 9, 3, u"").spoken, u"men");
    EXPECT_TRUE(RangeSpeechPiece(text, 40, 3, u"").empty());
}

TEST(SelectionPiece, SelectionElseFromTheCaretElseEverything)
{
    const std::u16string text = u"Gu-ten Tag.";
    EXPECT_EQ(SelectionSpeechPiece(text, 7, 3, u"-").spoken, u"Tag");
    EXPECT_EQ(SelectionSpeechPiece(text, 7, 0, u"-").spoken, u"Tag.");
    EXPECT_EQ(SelectionSpeechPiece(text, 11, 0, u"-").spoken, u"Guten Tag.");
}

} // namespace
