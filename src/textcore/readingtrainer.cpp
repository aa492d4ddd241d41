#include "textcore/readingtrainer.h"

#include "textcore/separators.h"

#include <algorithm>

namespace textcore {

// Every syllable boundary reaches the colour windows and trainers as a
// soft hyphen.

ReadingTrainer::ReadingTrainer(TrainerKind kind) : kind_(kind)
{}

const std::u16string &ReadingTrainer::Activate(std::u16string workingText,
                                               const std::vector<std::u16string> &editorSentenceList)
{
    workingText_ = std::move(workingText);
    sentences_.clear();
    for (const std::u16string &s : editorSentenceList) {
        if (!s.empty())
            sentences_.push_back(s);
    }
    sentenceCursor_ = static_cast<std::ptrdiff_t>(sentences_.size()) - 1;
    step_ = ReadingStep::Text;
    clearPieces();
    TextStep();
    letterPosition_ = 0;
    return display_;
}

void ReadingTrainer::clearPieces()
{
    pieces_.clear();
    if (shown_ == Shown::Pieces)
        shown_ = Shown::Other;
}

void ReadingTrainer::enter(ReadingStep step)
{
    if (step_ == step)
        return;
    step_ = step;
    clearPieces();
    if (step == ReadingStep::Letter && kind_ == TrainerKind::Syllables)
        letterPosition_ = 0;
}

std::ptrdiff_t ReadingTrainer::nextSentence() const
{
    const std::ptrdiff_t next = sentenceCursor_ + 1;
    return next > static_cast<std::ptrdiff_t>(sentences_.size()) - 1 ? 0 : next;
}

const std::u16string &ReadingTrainer::RunStep(ReadingStep step)
{
    switch (step) {
    case ReadingStep::Text: return TextStep();
    case ReadingStep::Sentence: return SentenceStep();
    case ReadingStep::Word: return WordStep();
    case ReadingStep::Syllable: return SyllableStep();
    case ReadingStep::Letter: return LetterStep();
    }
    return display_;
}

const std::u16string &ReadingTrainer::TextStep()
{
    enter(ReadingStep::Text);
    display_ = workingText_;
    shown_ = Shown::Other;
    return display_;
}

const std::u16string &ReadingTrainer::SentenceStep()
{
    enter(ReadingStep::Sentence);
    shown_ = Shown::Other;
    if (sentences_.empty()) {
        display_.clear();
        return display_;
    }
    sentenceCursor_ = nextSentence();
    display_ = sentences_[static_cast<std::size_t>(sentenceCursor_)];
    return display_;
}

void ReadingTrainer::loadPieces(std::u16string_view sentence, bool bySyllables)
{
    pieces_.clear();
    std::size_t start = 0;
    // The appended blank ends the last piece.
    for (std::size_t i = 0; i <= sentence.size(); ++i) {
        const char16_t c = i < sentence.size() ? sentence[i] : u' ';
        if (c == u' ' || (bySyllables && c == kSoftHyphen)) {
            std::u16string piece(sentence.substr(start, i - start));
            if (bySyllables)
                piece.push_back(c);
            pieces_.push_back(std::move(piece));
            start = i + 1;
        }
    }
}

const std::u16string &ReadingTrainer::pieceStep(ReadingStep step)
{
    enter(step);
    const bool bySyllables = step == ReadingStep::Syllable;
    if (sentences_.empty()) {
        display_.clear();
        shown_ = Shown::Other;
        return display_;
    }
    if (pieces_.empty()) {
        loadPieces(sentences_[static_cast<std::size_t>(sentenceCursor_)], bySyllables);
        sentenceCursor_ = nextSentence();
        pieceCursor_ = 0;
        display_.clear();
        shown_ = Shown::Pieces;
        shownCount_ = 0;
    }
    const std::size_t upTo = static_cast<std::size_t>(pieceCursor_) + 1;
    if (shown_ != Shown::Pieces || shownCount_ > upTo) {
        display_.clear();
        shownCount_ = 0;
        shown_ = Shown::Pieces;
    }
    for (; shownCount_ < upTo; ++shownCount_) {
        display_ += pieces_[shownCount_];
        if (!bySyllables)
            display_ += u' ';
    }
    if (pieceCursor_ + 1 < static_cast<std::ptrdiff_t>(pieces_.size()))
        ++pieceCursor_;
    else
        clearPieces();
    return display_;
}

const std::u16string &ReadingTrainer::WordStep()
{
    return pieceStep(ReadingStep::Word);
}

const std::u16string &ReadingTrainer::SyllableStep()
{
    return pieceStep(ReadingStep::Syllable);
}

const std::u16string &ReadingTrainer::LetterStep()
{
    enter(ReadingStep::Letter);
    if (sentences_.empty()) {
        display_.clear();
        shown_ = Shown::Other;
        letterPosition_ = 0;
        return display_;
    }
    const std::u16string *s = &sentences_[static_cast<std::size_t>(sentenceCursor_)];
    std::size_t n = letterPosition_ + 1;
    // A blank or soft hyphen is taken together with the character after it (once).
    if (n > s->size() || (*s)[n - 1] == u' ' || (*s)[n - 1] == kSoftHyphen)
        ++n;
    letterPosition_ = n;
    if (n > s->size()) {
        sentenceCursor_ = nextSentence();
        s = &sentences_[static_cast<std::size_t>(sentenceCursor_)];
        n = 1;
        letterPosition_ = 1;
    }
    const std::size_t shownLength = std::min(n, s->size());
    if (shown_ == Shown::Letters && shownSentence_ == sentenceCursor_ && display_.size() <= shownLength) {
        display_.append(*s, display_.size(), shownLength - display_.size());
    } else {
        display_.assign(*s, 0, shownLength);
    }
    shown_ = Shown::Letters;
    shownSentence_ = sentenceCursor_;
    return display_;
}

bool ReadingTrainer::AddToExerciseList(std::u16string_view displayText)
{
    if (step_ == ReadingStep::Text)
        return false;
    if (std::all_of(displayText.begin(), displayText.end(), [](char16_t c) { return c == u' '; }))
        return false;
    exercises_.emplace_back(displayText);
    return true;
}

const std::u16string &ReadingTrainer::AdoptExerciseList()
{
    sentences_ = std::move(exercises_);
    exercises_.clear();
    sentenceCursor_ = static_cast<std::ptrdiff_t>(sentences_.size()) - 1;
    // The display no longer stems from the current SentenceList.
    shown_ = Shown::Other;
    RunStep(step_);
    // The sound trainer empties its piece list here; the syllable trainer does
    // the same, so a word or syllable step in progress does not go on with the
    // pieces of a sentence read before the list was adopted.
    clearPieces();
    letterPosition_ = 0;
    return display_;
}

void ReadingTrainer::Leave()
{
    sentences_.clear();
    pieces_.clear();
    exercises_.clear();
    display_.clear();
    sentenceCursor_ = -1;
    shown_ = Shown::Other;
}

} // namespace textcore
