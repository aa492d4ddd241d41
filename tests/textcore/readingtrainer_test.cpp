#include "engines_support.h"

#include "textcore/readingtrainer.h"
#include "textcore/trainercolouring.h"

#include <gtest/gtest.h>

#include <random>

using namespace textcore;
using enginetest::notation;

namespace {

// One action of a scenario: T text, S sentence, W word, Y syllable, L letter
// step, A adopt the exercise list (each followed by the display text it must
// give), + add the display text to the exercise list ("yes" or "no").
struct Action {
    char key;
    std::u16string expected; // ␣ blank, ^ soft hyphen, ¶ CR LF
};

struct Scenario {
    const char *name;
    TrainerKind kind;
    std::vector<std::u16string> sentences;
    std::vector<Action> actions;
    std::u16string workingText = u"Text.";
};

void PrintTo(const Scenario &s, std::ostream *os)
{
    *os << s.name;
}

std::vector<std::u16string> decoded(const std::vector<std::u16string> &list)
{
    std::vector<std::u16string> out;
    for (const auto &s : list)
        out.push_back(notation(s));
    return out;
}

class Stepping : public testing::TestWithParam<Scenario> {};

TEST_P(Stepping, ShowsTheExpectedPieces)
{
    const Scenario &s = GetParam();
    ReadingTrainer trainer(s.kind);
    EXPECT_EQ(trainer.Activate(notation(s.workingText), decoded(s.sentences)), notation(s.workingText));
    int index = 0;
    for (const Action &a : s.actions) {
        SCOPED_TRACE(testing::Message() << "action " << index++ << " '" << a.key << "'");
        std::u16string shown;
        switch (a.key) {
        case 'T': shown = trainer.TextStep(); break;
        case 'S': shown = trainer.SentenceStep(); break;
        case 'W': shown = trainer.WordStep(); break;
        case 'Y': shown = trainer.SyllableStep(); break;
        case 'L': shown = trainer.LetterStep(); break;
        case 'A': shown = trainer.AdoptExerciseList(); break;
        case '+': shown = trainer.AddToExerciseList(trainer.DisplayText()) ? u"yes" : u"no"; break;
        default: FAIL() << "unknown action";
        }
        EXPECT_EQ(enginetest::shown(shown), enginetest::shown(notation(a.expected)));
        if (a.key != '+') {
            EXPECT_EQ(shown, trainer.DisplayText());
        }
    }
}

constexpr auto Sounds = TrainerKind::Sounds;
constexpr auto Syllables = TrainerKind::Syllables;

INSTANTIATE_TEST_SUITE_P(
    Cases, Stepping,
    testing::Values(
        Scenario{"sentences_wrap",
                 Sounds,
                 {u"Ich␣lese.", u"Du␣liest."},
                 {{'S', u"Ich␣lese."}, {'S', u"Du␣liest."}, {'S', u"Ich␣lese."}}},
        Scenario{"first_word_step_reads_last_sentence",
                 Sounds,
                 {u"Ich␣lese.", u"Du␣liest."},
                 {{'W', u"Du␣"}, {'W', u"Du␣liest.␣"}, {'W', u"Ich␣"}, {'W', u"Ich␣lese.␣"}, {'W', u"Du␣"}}},
        Scenario{"syllables_keep_their_terminators",
                 Syllables,
                 {u"Wir␣le^sen."},
                 {{'Y', u"Wir␣"}, {'Y', u"Wir␣le^"}, {'Y', u"Wir␣le^sen.␣"}, {'Y', u"Wir␣"}}},
        Scenario{"sound_trainer_steps_syllables_alike", Sounds, {u"Kat^ze."}, {{'Y', u"Kat^"}, {'Y', u"Kat^ze.␣"}}},
        Scenario{"letters_take_a_blank_with_the_next_letter",
                 Syllables,
                 {u"Xy.", u"Ab␣cd"},
                 {{'L', u"A"}, {'L', u"Ab"}, {'L', u"Ab␣c"}, {'L', u"Ab␣cd"}, {'L', u"X"}, {'L', u"Xy"}}},
        Scenario{"letters_take_a_soft_hyphen_with_the_next_letter",
                 Sounds,
                 {u"le^sen"},
                 {{'L', u"l"}, {'L', u"le"}, {'L', u"le^s"}, {'L', u"le^se"}}},
        Scenario{
            "two_blanks_give_a_step_of_one_blank", Sounds, {u"a␣␣b"}, {{'W', u"a␣"}, {'W', u"a␣␣"}, {'W', u"a␣␣b␣"}}},
        Scenario{"double_blank_in_letter_step_ends_on_the_blank",
                 Sounds,
                 {u"a␣␣b"},
                 {{'L', u"a"}, {'L', u"a␣␣"}, {'L', u"a␣␣b"}}},
        Scenario{"sentence_step_after_word_step_skips_one",
                 Sounds,
                 {u"A.", u"B.", u"C."},
                 {{'S', u"A."}, {'W', u"A.␣"}, {'S', u"C."}}},
        Scenario{"changing_step_empties_the_pieces",
                 Sounds,
                 {u"Ich␣lese.", u"Du␣liest."},
                 {{'W', u"Du␣"}, {'Y', u"Ich␣"}, {'W', u"Du␣"}}},
        Scenario{"sound_trainer_keeps_letter_position",
                 Sounds,
                 {u"Xyz.", u"Ab␣cd"},
                 {{'L', u"A"}, {'L', u"Ab"}, {'S', u"Xyz."}, {'L', u"Xyz"}}},
        Scenario{"syllable_trainer_resets_letter_position",
                 Syllables,
                 {u"Xyz.", u"Ab␣cd"},
                 {{'L', u"A"}, {'L', u"Ab"}, {'S', u"Xyz."}, {'L', u"X"}}},
        Scenario{"text_step_shows_everything",
                 Sounds,
                 {u"Hallo␣Welt."},
                 {{'S', u"Hallo␣Welt."}, {'T', u"Hallo␣Welt.¶Rest^chen"}},
                 u"Hallo␣Welt.¶Rest^chen"},
        Scenario{"empty_sentence_list_shows_empty_text",
                 Syllables,
                 {},
                 {{'S', u""}, {'W', u""}, {'Y', u""}, {'L', u""}, {'+', u"no"}, {'T', u"ohne␣Ende"}},
                 u"ohne␣Ende"},
        Scenario{"empty_entries_are_dropped", Sounds, {u"", u"A.", u""}, {{'S', u"A."}, {'S', u"A."}, {'L', u"A"}}},
        Scenario{"sentence_of_blanks_only",
                 Sounds,
                 {u"␣␣"},
                 {{'W', u"␣"}, {'+', u"no"}, {'W', u"␣␣"}, {'W', u"␣␣␣"}, {'L', u"␣␣"}, {'L', u"␣"}}},
        Scenario{"adding_refused_in_text_step",
                 Sounds,
                 {u"Ich␣lese."},
                 {{'+', u"no"}, {'W', u"Ich␣"}, {'W', u"Ich␣lese.␣"}, {'+', u"yes"}, {'+', u"yes"}}},
        Scenario{"adopted_list_replaces_sentences",
                 Sounds,
                 {u"A.", u"B.", u"C."},
                 {{'S', u"A."},
                  {'+', u"yes"},
                  {'S', u"B."},
                  {'W', u"B.␣"},
                  {'+', u"yes"},
                  {'S', u"A."},
                  {'A', u"A."},
                  {'S', u"B.␣"},
                  {'S', u"A."},
                  {'A', u""},
                  {'W', u""}}},
        Scenario{"adoption_in_word_step_sound_trainer",
                 Sounds,
                 {u"Ich␣lese␣gern."},
                 {{'W', u"Ich␣"}, {'+', u"yes"}, {'A', u"Ich␣lese␣"}, {'W', u"Ich␣"}, {'W', u"Ich␣␣"}}},
        Scenario{"adoption_in_word_step_syllable_trainer",
                 Syllables,
                 {u"Ich␣lese␣gern."},
                 {{'W', u"Ich␣"}, {'+', u"yes"}, {'A', u"Ich␣lese␣"}, {'W', u"Ich␣"}, {'W', u"Ich␣␣"}}},
        Scenario{"adoption_in_letter_step_restarts_letters",
                 Syllables,
                 {u"Ab.", u"Cd."},
                 {{'L', u"C"},
                  {'+', u"yes"},
                  {'L', u"Cd"},
                  {'+', u"yes"},
                  {'A', u"C"},
                  {'L', u"C"},
                  {'L', u"C"},
                  {'L', u"Cd"}}}),
    [](const testing::TestParamInfo<Scenario> &row) { return std::string(row.param.name); });

TEST(ReadingTrainerState, ActivationFields)
{
    ReadingTrainer trainer(TrainerKind::Sounds);
    trainer.Activate(u"A. B.", {u"A.", u"", u"B."});
    EXPECT_EQ(trainer.CurrentStep(), ReadingStep::Text);
    EXPECT_EQ(trainer.SentenceList(), (std::vector<std::u16string>{u"A.", u"B."}));
    EXPECT_EQ(trainer.SentenceCursor(), 1);
    EXPECT_TRUE(trainer.PieceList().empty());
    EXPECT_EQ(trainer.LetterPosition(), 0u);
    EXPECT_EQ(trainer.DisplayText(), u"A. B.");
    EXPECT_EQ(static_cast<int>(ReadingStep::Letter), 5);
}

TEST(ReadingTrainerState, WordStepFields)
{
    ReadingTrainer trainer(TrainerKind::Syllables);
    trainer.Activate(u"", {u"Ich lese.", u"Du liest."});
    trainer.WordStep();
    EXPECT_EQ(trainer.CurrentStep(), ReadingStep::Word);
    EXPECT_EQ(trainer.PieceList(), (std::vector<std::u16string>{u"Du", u"liest."}));
    EXPECT_EQ(trainer.PieceCursor(), 1);
    EXPECT_EQ(trainer.SentenceCursor(), 0);
    trainer.WordStep();
    EXPECT_TRUE(trainer.PieceList().empty()); // the last piece was shown
    trainer.SyllableStep();
    EXPECT_EQ(trainer.PieceList(), (std::vector<std::u16string>{u"Ich ", u"lese. "}));
}

TEST(ReadingTrainerState, AdoptionEmptiesExerciseListAndLetterPosition)
{
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables}) {
        ReadingTrainer trainer(kind);
        trainer.Activate(u"", {u"Ab cd."});
        trainer.LetterStep();
        trainer.LetterStep();
        ASSERT_TRUE(trainer.AddToExerciseList(trainer.DisplayText()));
        EXPECT_EQ(trainer.ExerciseList(), (std::vector<std::u16string>{u"Ab"}));
        trainer.AdoptExerciseList();
        EXPECT_TRUE(trainer.ExerciseList().empty());
        EXPECT_EQ(trainer.SentenceList(), (std::vector<std::u16string>{u"Ab"}));
        EXPECT_EQ(trainer.LetterPosition(), 0u);
        EXPECT_TRUE(trainer.PieceList().empty());
    }
}

TEST(ReadingTrainerState, LeaveEmptiesEverything)
{
    ReadingTrainer trainer(TrainerKind::Sounds);
    trainer.Activate(u"A.", {u"A."});
    trainer.SentenceStep();
    trainer.AddToExerciseList(u"A.");
    trainer.Leave();
    EXPECT_TRUE(trainer.SentenceList().empty());
    EXPECT_TRUE(trainer.ExerciseList().empty());
    EXPECT_TRUE(trainer.DisplayText().empty());
    EXPECT_EQ(trainer.SentenceStep(), u""); // still safe afterwards
}

// Random key presses over odd sentence lists must keep every index in range
// (run under the sanitizers) and every display text consistent with its step.
TEST(ReadingTrainerState, RandomStepsKeepStateValid)
{
    const std::vector<std::vector<std::u16string>> lists{
        {}, {u""}, {u" "}, {u"a"}, {u"\u00AD"}, {u"ab  c\u00ADd.", u"x", u"  "}, {u"Ich lese.", u"Du liest."}};
    std::mt19937 random(42);
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables}) {
        for (const auto &list : lists) {
            ReadingTrainer trainer(kind);
            trainer.Activate(u"T", list);
            for (int i = 0; i < 400; ++i) {
                const int key = static_cast<int>(random() % 8);
                if (key == 6) {
                    trainer.AddToExerciseList(trainer.DisplayText());
                    continue;
                }
                if (key == 7) {
                    if (random() % 4 == 0)
                        trainer.AdoptExerciseList();
                    continue;
                }
                const ReadingStep step = static_cast<ReadingStep>(key % 5 + 1);
                const std::u16string shown = trainer.RunStep(step);
                const auto &sentences = trainer.SentenceList();
                const auto count = static_cast<std::ptrdiff_t>(sentences.size());
                ASSERT_GE(trainer.SentenceCursor(), -1);
                ASSERT_LT(trainer.SentenceCursor(), std::max<std::ptrdiff_t>(count, 0));
                ASSERT_EQ(trainer.SentenceCursor() == -1, sentences.empty());
                if (!trainer.PieceList().empty()) {
                    ASSERT_LT(trainer.PieceCursor(), static_cast<std::ptrdiff_t>(trainer.PieceList().size()));
                }
                if (sentences.empty() && step != ReadingStep::Text) {
                    ASSERT_TRUE(shown.empty());
                }
                if (!sentences.empty() && step == ReadingStep::Sentence) {
                    ASSERT_EQ(shown, sentences[trainer.SentenceCursor()]);
                }
                if (!sentences.empty() && step == ReadingStep::Letter) {
                    const auto &current = sentences[trainer.SentenceCursor()];
                    ASSERT_EQ(shown, current.substr(0, shown.size()));
                    ASSERT_EQ(shown.size(), std::min(trainer.LetterPosition(), current.size()));
                }
            }
        }
    }
}

TEST(TrainerColours, EachTrainerUsesItsOwnRule)
{
    SoundColours sounds;
    sounds[SoundClass::SpecialGroups] = 11;
    sounds[SoundClass::Background] = 12;
    sounds[SoundClass::Capitals] = 13;
    sounds[SoundClass::Vowels] = 14;
    sounds[SoundClass::Consonants] = 15;
    sounds[SoundClass::Punctuation] = 16;
    const SyllableColours syllables{21, 22};
    const std::u16string text = notation(u"Ro^se␣1'");

    const TrainerColouring bySounds = ColourReadingText(TrainerKind::Sounds, text, sounds, {}, syllables,
                                                        SyllableCounting::AllSyllablesAlternating);
    EXPECT_EQ(bySounds.colours, (std::vector<Colour>{13, 14, 11, 15, 14, 11, 11, 16}));
    EXPECT_EQ(bySounds.background, std::optional<Colour>(12));

    const TrainerColouring alternating = ColourReadingText(TrainerKind::Syllables, text, sounds, {}, syllables,
                                                           SyllableCounting::AllSyllablesAlternating);
    EXPECT_EQ(alternating.colours, (std::vector<Colour>{21, 21, 22, 22, 22, 21, 21, 21}));
    EXPECT_FALSE(alternating.background.has_value());

    const std::u16string twoWords = notation(u"Ro␣se");
    EXPECT_EQ(
        ColourReadingText(TrainerKind::Syllables, twoWords, sounds, {}, syllables, SyllableCounting::MultiSyllableWords)
            .colours,
        (std::vector<Colour>{21, 21, 21, 21, 21}));
    EXPECT_EQ(ColourReadingText(TrainerKind::Syllables, twoWords, sounds, {}, syllables,
                                SyllableCounting::AllSyllablesAlternating)
                  .colours,
              (std::vector<Colour>{21, 21, 22, 22, 22}));
}

} // namespace
