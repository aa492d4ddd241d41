#include "textcore/readingtrainer.h"

#include "textcore/separators.h"

#include <algorithm>

namespace textcore {

// Every syllable boundary reaches the colour windows and trainers as a
// soft hyphen.

ReadingTrainer::ReadingTrainer(TrainerKind kind) : m_kind(kind)
{}

const std::u16string &ReadingTrainer::Activate(std::u16string workingText,
                                               const std::vector<std::u16string> &editorSentenceList)
{
    m_workingText = std::move(workingText);
    m_sentences.clear();
    for (const std::u16string &s : editorSentenceList) {
        if (!s.empty())
            m_sentences.push_back(s);
    }
    m_sentenceCursor = static_cast<std::ptrdiff_t>(m_sentences.size()) - 1;
    m_step = ReadingStep::Text;
    clearPieces();
    TextStep();
    m_letterPosition = 0;
    return m_display;
}

void ReadingTrainer::clearPieces()
{
    m_pieces.clear();
    if (m_shown == Shown::Pieces)
        m_shown = Shown::Other;
}

void ReadingTrainer::enter(ReadingStep step)
{
    if (m_step == step)
        return;
    m_step = step;
    clearPieces();
    if (step == ReadingStep::Letter && m_kind == TrainerKind::Syllables)
        m_letterPosition = 0;
}

std::ptrdiff_t ReadingTrainer::nextSentence() const
{
    const std::ptrdiff_t next = m_sentenceCursor + 1;
    return next > static_cast<std::ptrdiff_t>(m_sentences.size()) - 1 ? 0 : next;
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
    return m_display;
}

const std::u16string &ReadingTrainer::TextStep()
{
    enter(ReadingStep::Text);
    m_display = m_workingText;
    m_shown = Shown::Other;
    return m_display;
}

const std::u16string &ReadingTrainer::SentenceStep()
{
    enter(ReadingStep::Sentence);
    m_shown = Shown::Other;
    if (m_sentences.empty()) {
        m_display.clear();
        return m_display;
    }
    m_sentenceCursor = nextSentence();
    m_display = m_sentences[static_cast<std::size_t>(m_sentenceCursor)];
    return m_display;
}

void ReadingTrainer::loadPieces(std::u16string_view sentence, bool bySyllables)
{
    m_pieces.clear();
    std::size_t start = 0;
    // The appended blank ends the last piece.
    for (std::size_t i = 0; i <= sentence.size(); ++i) {
        const char16_t c = i < sentence.size() ? sentence[i] : u' ';
        if (c == u' ' || (bySyllables && c == kSoftHyphen)) {
            std::u16string piece(sentence.substr(start, i - start));
            if (bySyllables)
                piece.push_back(c);
            m_pieces.push_back(std::move(piece));
            start = i + 1;
        }
    }
}

const std::u16string &ReadingTrainer::pieceStep(ReadingStep step)
{
    enter(step);
    const bool bySyllables = step == ReadingStep::Syllable;
    if (m_sentences.empty()) {
        m_display.clear();
        m_shown = Shown::Other;
        return m_display;
    }
    if (m_pieces.empty()) {
        loadPieces(m_sentences[static_cast<std::size_t>(m_sentenceCursor)], bySyllables);
        m_sentenceCursor = nextSentence();
        m_pieceCursor = 0;
        m_display.clear();
        m_shown = Shown::Pieces;
        m_shownCount = 0;
    }
    const std::size_t upTo = static_cast<std::size_t>(m_pieceCursor) + 1;
    if (m_shown != Shown::Pieces || m_shownCount > upTo) {
        m_display.clear();
        m_shownCount = 0;
        m_shown = Shown::Pieces;
    }
    for (; m_shownCount < upTo; ++m_shownCount) {
        m_display += m_pieces[m_shownCount];
        if (!bySyllables)
            m_display += u' ';
    }
    if (m_pieceCursor + 1 < static_cast<std::ptrdiff_t>(m_pieces.size()))
        ++m_pieceCursor;
    else
        clearPieces();
    return m_display;
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
    if (m_sentences.empty()) {
        m_display.clear();
        m_shown = Shown::Other;
        m_letterPosition = 0;
        return m_display;
    }
    const std::u16string *s = &m_sentences[static_cast<std::size_t>(m_sentenceCursor)];
    std::size_t n = m_letterPosition + 1;
    // A blank or soft hyphen is taken together with the character after it (once).
    if (n > s->size() || (*s)[n - 1] == u' ' || (*s)[n - 1] == kSoftHyphen)
        ++n;
    m_letterPosition = n;
    if (n > s->size()) {
        m_sentenceCursor = nextSentence();
        s = &m_sentences[static_cast<std::size_t>(m_sentenceCursor)];
        n = 1;
        m_letterPosition = 1;
    }
    const std::size_t shownLength = std::min(n, s->size());
    if (m_shown == Shown::Letters && m_shownSentence == m_sentenceCursor && m_display.size() <= shownLength) {
        m_display.append(*s, m_display.size(), shownLength - m_display.size());
    } else {
        m_display.assign(*s, 0, shownLength);
    }
    m_shown = Shown::Letters;
    m_shownSentence = m_sentenceCursor;
    return m_display;
}

bool ReadingTrainer::AddToExerciseList(std::u16string_view displayText)
{
    if (m_step == ReadingStep::Text)
        return false;
    if (std::all_of(displayText.begin(), displayText.end(), [](char16_t c) { return c == u' '; }))
        return false;
    m_exercises.emplace_back(displayText);
    return true;
}

const std::u16string &ReadingTrainer::AdoptExerciseList()
{
    m_sentences = std::move(m_exercises);
    m_exercises.clear();
    m_sentenceCursor = static_cast<std::ptrdiff_t>(m_sentences.size()) - 1;
    // The display no longer stems from the current SentenceList.
    m_shown = Shown::Other;
    RunStep(m_step);
    // The sound trainer empties its piece list here; the syllable trainer does
    // the same, so a word or syllable step in progress does not go on with the
    // pieces of a sentence read before the list was adopted.
    clearPieces();
    m_letterPosition = 0;
    return m_display;
}

void ReadingTrainer::Leave()
{
    m_sentences.clear();
    m_pieces.clear();
    m_exercises.clear();
    m_display.clear();
    m_sentenceCursor = -1;
    m_shown = Shown::Other;
}

} // namespace textcore
