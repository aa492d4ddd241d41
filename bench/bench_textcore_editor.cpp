// The editor's text rules on long German text. Sizes are in characters, which
// is the size of the text as a Windows-1252 file, so MB/s here means million
// characters a second.
#include "textcore/colourreadback.h"
#include "textcore/edittools.h"
#include "textcore/sentences.h"
#include "textcore/separators.h"

#include "../tests/textcore/testdata.h"

#include <benchmark/benchmark.h>

namespace {

using namespace textcore;

std::u16string germanText(std::size_t size)
{
    const std::u16string paragraph = testdata::readText("textcore/german_paragraph.txt");
    std::u16string text;
    text.reserve(size + paragraph.size());
    while (text.size() < size)
        text += paragraph;
    text.resize(size);
    return text;
}

// Syllable colouring: two colours alternating at every boundary.
std::vector<Colour> syllableColours(const std::u16string &text)
{
    std::vector<Colour> colours(text.size());
    Colour current = kRed;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isBoundary(text[i]))
            current = current == kRed ? 16711680u : kRed;
        colours[i] = current;
    }
    return colours;
}

void setProcessed(benchmark::State &state, std::size_t chars)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(chars));
}

void BM_BuildSentenceList(benchmark::State &state)
{
    const std::u16string text = germanText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSentenceList(text));
    setProcessed(state, text.size());
}

void BM_ConvertBoundariesToSeparator(benchmark::State &state)
{
    const std::u16string text = germanText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertBoundaries(text, u'-'));
    setProcessed(state, text.size());
}

void BM_ConvertBoundariesToSoftHyphen(benchmark::State &state)
{
    const std::u16string text = ConvertBoundaries(germanText(static_cast<std::size_t>(state.range(0))), u'=').text;
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertBoundaries(text, kSoftHyphen));
    setProcessed(state, text.size());
}

void BM_ReadColoursFromText(benchmark::State &state)
{
    const std::u16string text = germanText(static_cast<std::size_t>(state.range(0)));
    const std::vector<Colour> colours = syllableColours(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadColoursFromText(text, colours));
    setProcessed(state, text.size());
}

// Without umlauts one class is never found, so the scan covers the whole text.
void BM_ReadColoursFromTextFullScan(benchmark::State &state)
{
    std::u16string text = germanText(static_cast<std::size_t>(state.range(0)));
    for (auto &c : text)
        if (c == u'\u00E4' || c == u'\u00F6' || c == u'\u00FC')
            c = u'e';
    const std::vector<Colour> colours = syllableColours(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadColoursFromText(text, colours));
    setProcessed(state, text.size());
}

void BM_SearchReplace(benchmark::State &state)
{
    const std::u16string text = germanText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SearchReplace(text, u"Bel\u00ADlo", u"Struppi"));
    setProcessed(state, text.size());
}

void BM_FilterCharacter(benchmark::State &state)
{
    const std::u16string text = germanText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FilterCharacter(text, u"\u00AD"));
    setProcessed(state, text.size());
}

constexpr std::int64_t k100KB = 100'000;
constexpr std::int64_t k1MB = 1'000'000;

} // namespace

BENCHMARK(BM_BuildSentenceList)->Arg(k100KB)->Arg(k1MB);
BENCHMARK(BM_ConvertBoundariesToSeparator)->Arg(k100KB)->Arg(k1MB);
BENCHMARK(BM_ConvertBoundariesToSoftHyphen)->Arg(k100KB)->Arg(k1MB);
BENCHMARK(BM_ReadColoursFromText)->Arg(k100KB)->Arg(k1MB);
BENCHMARK(BM_ReadColoursFromTextFullScan)->Arg(k100KB)->Arg(k1MB);
BENCHMARK(BM_SearchReplace)->Arg(k100KB)->Arg(k1MB);
BENCHMARK(BM_FilterCharacter)->Arg(k100KB)->Arg(k1MB);

BENCHMARK_MAIN();
