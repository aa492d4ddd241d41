// Automatic syllable marks on a 100 KB text (target: well under 200 ms, the
// rest of that budget belongs to applying the marks to the field).
#include "syllabify/exceptionlist.h"
#include "syllabify/letters.h"
#include "syllabify/marktext.h"
#include "syllabify/syllabifier.h"
#include "textcore/utf8.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace syllabify;

namespace {

std::vector<std::u16string> benchWords()
{
    std::vector<std::u16string> words;
    for (const char *name : {"heldout.txt", "tuning.txt", "welcome-words.txt"}) {
        std::ifstream in(std::string(KOLORAT_TEST_DATA) + "/syllables/" + name);
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            std::u16string word;
            for (char16_t c : textcore::decodeUtf8(line).value_or(u""))
                if (!isBoundaryMark(c))
                    word.push_back(c);
            words.push_back(word);
        }
    }
    return words;
}

// About 100 KB of running text: the collected words in random order, with
// the short words and punctuation of real sentences in between.
std::u16string benchText()
{
    const std::vector<std::u16string> words = benchWords();
    const std::u16string glue[] = {u" ", u" und ", u" die ", u", ", u" ist ", u". ", u"!\r\n"};
    std::mt19937 random(11);
    std::u16string text;
    while (text.size() < 100 * 1024) {
        text += words[random() % words.size()];
        text += glue[random() % std::size(glue)];
    }
    return text;
}

const Syllabifier &syllabifier()
{
    static const Syllabifier instance;
    return instance;
}

void BM_MarkText100KB(benchmark::State &state)
{
    const std::u16string text = benchText();
    ExceptionList exceptions;
    if (!exceptions.add(u"Farb-aus-wahl").ok()) {
        state.SkipWithError("exception list refused its word");
        return;
    }
    if (!syllabifier().isReady()) {
        state.SkipWithError("no hyphenation patterns");
        return;
    }
    for (auto _ : state) {
        MarkResult r = markText(text, u'-', syllabifier(), exceptions);
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(BM_MarkText100KB)->Unit(benchmark::kMillisecond);

// One word without the cache of markText: the cost when a text repeats
// nothing (a 100 KB text holds about 14,000 words).
void BM_BoundariesPerWord(benchmark::State &state)
{
    const std::vector<std::u16string> words = benchWords();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(syllabifier().boundaries(words[i]));
        i = (i + 1) % words.size();
    }
}
BENCHMARK(BM_BoundariesPerWord)->Unit(benchmark::kMicrosecond);

// Loading the patterns happens once per run, on a worker thread from the
// start: prepared by libhyphen from the pattern file (the first run), or
// read back from the cache file (every later run).
void BM_LoadPatterns(benchmark::State &state)
{
    const std::string cache
        = state.range(0) ? (std::filesystem::temp_directory_path() / "kolorat-bench-patterns.table").string() : "";
    if (!cache.empty())
        Syllabifier(defaultPatternFile, {1, 1, true, cache});
    for (auto _ : state) {
        Syllabifier s(defaultPatternFile, {1, 1, true, cache});
        benchmark::DoNotOptimize(s.isReady());
    }
    if (!cache.empty())
        std::filesystem::remove(cache);
}
BENCHMARK(BM_LoadPatterns)->ArgName("cached")->Arg(0)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPatterns)->ArgName("cached")->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
