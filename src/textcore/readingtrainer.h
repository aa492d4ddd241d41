#pragma once
// The stepping logic of the two reading trainers: which piece of the text is
// on display after each key press, and the exercise list of collected pieces.
// Colouring the display text is left to ColourBySounds (SoundTrainer variant)
// and ColourBySyllables.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

enum class TrainerKind {
    Sounds,    // "Laute lesen"
    Syllables, // "Silben lesen"
};

// Stored as the codes 1 to 5.
enum class ReadingStep {
    Text = 1,
    Sentence = 2,
    Word = 3,
    Syllable = 4,
    Letter = 5
};

class ReadingTrainer {
public:
    explicit ReadingTrainer(TrainerKind kind);

    // Takes the editor's text and SentenceList (empty entries are dropped),
    // puts the cursor on the last sentence, runs the text step and sets the
    // letter position to 0. Returns the display text.
    const std::u16string &Activate(std::u16string workingText, const std::vector<std::u16string> &editorSentenceList);

    // Each step returns the new display text. With an empty SentenceList the
    // sentence, word, syllable and letter steps show an empty text and leave
    // the cursor at -1. A step costs time in the length of the sentence it
    // shows (the whole text only for the text step), never of the whole text.
    const std::u16string &TextStep();
    const std::u16string &SentenceStep();
    const std::u16string &WordStep();
    const std::u16string &SyllableStep();
    const std::u16string &LetterStep();
    const std::u16string &RunStep(ReadingStep step);

    // Appends the display text unless the trainer is in the text step or the
    // text is empty or blanks only; returns whether it was added.
    bool AddToExerciseList(std::u16string_view displayText);

    // The collected pieces become the SentenceList, the current step runs once
    // over them; then the piece list, the letter position and the exercise
    // list are emptied (both trainers alike). Returns the display text.
    const std::u16string &AdoptExerciseList();

    // Leaving the trainer: display text and all lists emptied.
    void Leave();

    TrainerKind Kind() const { return kind_; }
    ReadingStep CurrentStep() const { return step_; }
    const std::vector<std::u16string> &SentenceList() const { return sentences_; }
    std::ptrdiff_t SentenceCursor() const { return sentenceCursor_; }
    const std::vector<std::u16string> &PieceList() const { return pieces_; }
    std::ptrdiff_t PieceCursor() const { return pieceCursor_; }
    std::size_t LetterPosition() const { return letterPosition_; }
    const std::u16string &DisplayText() const { return display_; }
    const std::vector<std::u16string> &ExerciseList() const { return exercises_; }
    const std::u16string &WorkingText() const { return workingText_; }

private:
    enum class Shown {
        Other,
        Pieces,
        Letters
    };

    void enter(ReadingStep step);
    std::ptrdiff_t nextSentence() const;
    void loadPieces(std::u16string_view sentence, bool bySyllables);
    const std::u16string &pieceStep(ReadingStep step);
    void clearPieces();

    TrainerKind kind_;
    ReadingStep step_ = ReadingStep::Text;
    std::u16string workingText_;
    std::vector<std::u16string> sentences_;
    std::ptrdiff_t sentenceCursor_ = -1;
    std::vector<std::u16string> pieces_;
    std::ptrdiff_t pieceCursor_ = -1;
    std::size_t letterPosition_ = 0;
    std::u16string display_;
    std::vector<std::u16string> exercises_;

    // What the display text was built from, so that the growing steps append
    // the new piece or letters instead of rebuilding the whole prefix.
    Shown shown_ = Shown::Other;
    std::size_t shownCount_ = 0;        // pieces of pieces_ in the display
    std::ptrdiff_t shownSentence_ = -1; // sentence whose prefix is on display
};

} // namespace textcore
