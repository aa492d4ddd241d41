// Speed of the colour engines, the syllable list and the reading steps on
// about 1 MB of German text with soft hyphens. Bytes are counted as
// characters, one byte each as in the Windows-1252 files the program writes.
#include "../tests/textcore/testdata.h"

#include "textcore/readingtrainer.h"
#include "textcore/soundcolouring.h"
#include "textcore/syllablecolouring.h"
#include "textcore/syllablelist.h"

#include <benchmark/benchmark.h>

using namespace textcore;

namespace {

constexpr std::size_t kTextSize = 1 << 20;

const std::u16string &germanText()
{
    static const std::u16string text = [] {
        const std::u16string sample = testdata::withCrLf(testdata::readText("engines/sample_de.txt"));
        std::u16string t;
        t.reserve(kTextSize + sample.size());
        while (t.size() < kTextSize)
            t += sample;
        t.resize(kTextSize);
        return t;
    }();
    return text;
}

// The editor's sentence list: cut after ". ? ! LF", line breaks and leading blanks removed.
std::vector<std::u16string> sentencesOf(std::u16string_view text)
{
    std::vector<std::u16string> list;
    std::u16string s;
    for (char16_t c : text) {
        if (c != u'\r' && c != u'\n' && !(s.empty() && c == u' '))
            s.push_back(c);
        if (c == u'\n' || c == u'.' || c == u'?' || c == u'!') {
            list.push_back(s);
            s.clear();
        }
    }
    return list;
}

void setBytes(benchmark::State &state)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(germanText().size()));
}

void colourBySounds(benchmark::State &state, SoundVariant variant)
{
    const auto groups = ParseSpecialGroups(u"sch,ch,ei,ß,");
    const SoundColours colours;
    for (auto _ : state)
        benchmark::DoNotOptimize(ColourBySounds(germanText(), colours, groups, variant));
    setBytes(state);
}

void BM_ColourBySoundsWindow(benchmark::State &state)
{
    colourBySounds(state, SoundVariant::ColourWindow);
}
BENCHMARK(BM_ColourBySoundsWindow)->Unit(benchmark::kMillisecond);

void BM_ColourBySoundsTrainer(benchmark::State &state)
{
    colourBySounds(state, SoundVariant::SoundTrainer);
}
BENCHMARK(BM_ColourBySoundsTrainer)->Unit(benchmark::kMillisecond);

void BM_ColourBySyllables(benchmark::State &state)
{
    const auto mode = static_cast<SyllableCounting>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ColourBySyllables(germanText(), 0, 255, mode));
    setBytes(state);
}
BENCHMARK(BM_ColourBySyllables)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildSyllableList(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSyllableList(germanText()));
    setBytes(state);
}
BENCHMARK(BM_BuildSyllableList)->Unit(benchmark::kMillisecond);

void BM_BuildSyllableTable(benchmark::State &state)
{
    const auto list = BuildSyllableList(germanText()).list;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSyllableTable(list, 10, 4));
}
BENCHMARK(BM_BuildSyllableTable)->Unit(benchmark::kMicrosecond);

// One iteration = 10,000 steps: blocks of sentence, word, syllable and letter
// steps, 2,500 of each, over the trainer holding the 1 MB text.
void BM_TenThousandSteps(benchmark::State &state)
{
    ReadingTrainer trainer(static_cast<TrainerKind>(state.range(0)));
    trainer.Activate(germanText(), sentencesOf(germanText()));
    std::size_t shown = 0;
    for (auto _ : state) {
        for (int block = 0; block < 250; ++block) {
            for (int i = 0; i < 10; ++i)
                shown += trainer.SentenceStep().size();
            for (int i = 0; i < 10; ++i)
                shown += trainer.WordStep().size();
            for (int i = 0; i < 10; ++i)
                shown += trainer.SyllableStep().size();
            for (int i = 0; i < 10; ++i)
                shown += trainer.LetterStep().size();
        }
    }
    benchmark::DoNotOptimize(shown);
    state.counters["steps"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_TenThousandSteps)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A text without sentence ends except one final full stop: one sentence of
// 1 MB. The growing steps must append, not rebuild the shown prefix.
void BM_StepsInOneHugeSentence(benchmark::State &state)
{
    std::u16string text = germanText();
    for (char16_t &c : text) {
        if (c == u'.' || c == u'?' || c == u'!' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    text.back() = u'.';
    ReadingTrainer trainer(TrainerKind::Syllables);
    trainer.Activate(text, {text});
    std::size_t shown = 0;
    for (auto _ : state) {
        for (int i = 0; i < 5000; ++i)
            shown += trainer.WordStep().size();
        for (int i = 0; i < 5000; ++i)
            shown += trainer.LetterStep().size();
    }
    benchmark::DoNotOptimize(shown);
}
BENCHMARK(BM_StepsInOneHugeSentence)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
