// Arbitrary text through the colour engines, the syllable list and a run of
// trainer steps: nothing may read out of range, every colouring must cover
// every position, and the trainer's cursors must stay inside its lists.
#include "textcore/readingtrainer.h"
#include "textcore/soundcolouring.h"
#include "textcore/syllablecolouring.h"
#include "textcore/syllablelist.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace textcore;

namespace {

// Bytes map onto a small alphabet so that groups, doubled letters and
// sentence ends turn up often.
constexpr char16_t kAlphabet[] = u"aAbcktzsß\u00AD .!?\r\n'\u00E4\u00C4,1";

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t groupLength = data[0] % 8;
    const std::size_t stepsFrom = 1 + (size - 1) / 2;
    std::u16string groups, text;
    for (std::size_t i = 1; i < stepsFrom; ++i) {
        const char16_t c = kAlphabet[data[i] % (sizeof kAlphabet / sizeof kAlphabet[0] - 1)];
        (i <= groupLength ? groups : text).push_back(c);
    }

    const SoundColours colours;
    for (SoundVariant v : {SoundVariant::ColourWindow, SoundVariant::SoundTrainer}) {
        const SoundColouring sounds = ColourBySounds(text, colours, groups, v);
        check(sounds.colours.size() == text.size());
    }
    check(ColourBySyllables(text, 1, 2, SyllableCounting::MultiSyllableWords).size() == text.size());
    const SyllableListResult syllables = BuildSyllableList(text);
    check(syllables.count == syllables.list.size() && syllables.list.size() <= syllables.sequence.size());
    BuildSyllableTable(syllables.list, data[0] % 5, data[1] % 4);

    // Sentences cut the way the editor does.
    std::vector<std::u16string> sentences;
    std::u16string s;
    for (char16_t c : text) {
        if (c != u'\r' && c != u'\n' && !(s.empty() && c == u' '))
            s.push_back(c);
        if (c == u'\n' || c == u'.' || c == u'?' || c == u'!') {
            sentences.push_back(s);
            s.clear();
        }
    }
    ReadingTrainer trainer(data[1] & 1 ? TrainerKind::Sounds : TrainerKind::Syllables);
    trainer.Activate(text, sentences);
    for (std::size_t i = stepsFrom; i < size; ++i) {
        const unsigned key = data[i] % 8;
        if (key < 5)
            trainer.RunStep(static_cast<ReadingStep>(key + 1));
        else if (key == 5)
            trainer.AddToExerciseList(trainer.DisplayText());
        else if (key == 6)
            trainer.AdoptExerciseList();
        else
            trainer.Activate(text, sentences);
        const auto count = static_cast<std::ptrdiff_t>(trainer.SentenceList().size());
        check(trainer.SentenceCursor() >= -1 && trainer.SentenceCursor() < std::max<std::ptrdiff_t>(count, 1));
        check((trainer.SentenceCursor() == -1) == (count == 0));
        check(trainer.PieceList().empty()
              || trainer.PieceCursor() < static_cast<std::ptrdiff_t>(trainer.PieceList().size()));
    }
    return 0;
}
