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

    TrainerKind Kind() const { return m_kind; }
    ReadingStep CurrentStep() const { return m_step; }
    const std::vector<std::u16string> &SentenceList() const { return m_sentences; }
    std::ptrdiff_t SentenceCursor() const { return m_sentenceCursor; }
    const std::vector<std::u16string> &PieceList() const { return m_pieces; }
    std::ptrdiff_t PieceCursor() const { return m_pieceCursor; }
    std::size_t LetterPosition() const { return m_letterPosition; }
    const std::u16string &DisplayText() const { return m_display; }
    const std::vector<std::u16string> &ExerciseList() const { return m_exercises; }
    const std::u16string &WorkingText() const { return m_workingText; }

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

    TrainerKind m_kind;
    ReadingStep m_step = ReadingStep::Text;
    std::u16string m_workingText;
    std::vector<std::u16string> m_sentences;
    std::ptrdiff_t m_sentenceCursor = -1;
    std::vector<std::u16string> m_pieces;
    std::ptrdiff_t m_pieceCursor = -1;
    std::size_t m_letterPosition = 0;
    std::u16string m_display;
    std::vector<std::u16string> m_exercises;

    // What the display text was built from, so that the growing steps append
    // the new piece or letters instead of rebuilding the whole prefix.
    Shown m_shown = Shown::Other;
    std::size_t m_shownCount = 0;        // pieces of m_pieces in the display
    std::ptrdiff_t m_shownSentence = -1; // sentence whose prefix is on display
};

} // namespace textcore
