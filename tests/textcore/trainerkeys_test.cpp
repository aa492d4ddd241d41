#include "textcore/trainerkeys.h"

#include <gtest/gtest.h>

#include <vector>

using namespace textcore;

namespace {

struct KeyCase {
    int key;
    std::optional<TrainerAction> action;
};

class TrainerKeyCase : public testing::TestWithParam<KeyCase> {};

TEST_P(TrainerKeyCase, MapsTheKeyToItsActionOnly)
{
    EXPECT_EQ(TrainerActionForKey(GetParam().key), GetParam().action) << "key " << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(
    KeyTable, TrainerKeyCase,
    testing::Values(KeyCase{27, TrainerAction::Leave}, KeyCase{17, TrainerAction::ToggleView},
                    KeyCase{45, TrainerAction::AddToExerciseList}, KeyCase{37, TrainerAction::FontSmaller},
                    KeyCase{39, TrainerAction::FontLarger}, KeyCase{38, TrainerAction::SyllableStep},
                    KeyCase{40, TrainerAction::LetterStep}, KeyCase{35, TrainerAction::WordStep},
                    KeyCase{36, TrainerAction::SentenceStep}, KeyCase{13, TrainerAction::TextStep},
                    KeyCase{112, TrainerAction::KeyHelp}, KeyCase{46, TrainerAction::ToggleFontList},
                    KeyCase{32, TrainerAction::ReadAloud},
                    // Neighbours of the table's keys and other keys a child may hit.
                    KeyCase{0, std::nullopt}, KeyCase{8, std::nullopt}, KeyCase{9, std::nullopt},
                    KeyCase{16, std::nullopt}, KeyCase{18, std::nullopt}, KeyCase{31, std::nullopt},
                    KeyCase{33, std::nullopt}, KeyCase{34, std::nullopt}, KeyCase{44, std::nullopt},
                    KeyCase{47, std::nullopt}, KeyCase{65, std::nullopt}, KeyCase{113, std::nullopt}));

TEST(TrainerFontSize, UpwardsFrom24RunsTo72ThenWrapsTo12)
{
    std::vector<double> seen;
    double size = 24;
    for (int i = 0; i < 26; ++i) {
        size = TrainerFontLarger(size);
        seen.push_back(size);
    }
    std::vector<double> expected;
    for (double s = 26; s <= 72; s += 2)
        expected.push_back(s);
    expected.push_back(12);
    expected.push_back(14);
    EXPECT_EQ(seen, expected);
}

TEST(TrainerFontSize, DownwardsFrom24RunsTo12ThenWrapsTo72)
{
    std::vector<double> seen;
    double size = 24;
    for (int i = 0; i < 8; ++i) {
        size = TrainerFontSmaller(size);
        seen.push_back(size);
    }
    EXPECT_EQ(seen, (std::vector<double>{22, 20, 18, 16, 14, 12, 72, 70}));
}

struct SizeCase {
    double from;
    double larger;
    double smaller;
};

class TrainerFontSizeEdge : public testing::TestWithParam<SizeCase> {};

TEST_P(TrainerFontSizeEdge, StaysWithinTwelveToSeventyTwo)
{
    const auto &c = GetParam();
    EXPECT_DOUBLE_EQ(TrainerFontLarger(c.from), c.larger);
    EXPECT_DOUBLE_EQ(TrainerFontSmaller(c.from), c.smaller);
}

INSTANTIATE_TEST_SUITE_P(Edges, TrainerFontSizeEdge,
                         testing::Values(SizeCase{72, 12, 70}, SizeCase{12, 14, 72}, SizeCase{70, 72, 68},
                                         SizeCase{14, 16, 12}, SizeCase{71, 12, 69}, SizeCase{13, 15, 72},
                                         SizeCase{13.5, 15.5, 72}, SizeCase{70.5, 12, 68.5}));

} // namespace
