// Reading aloud must start at once: from asking to speak a page (about
// 2,000 characters) until its first sound is ready to play, 150 ms at most.
// The voice synthesizes sentence by sentence, so the first sound does not
// wait for the rest of the page. Also: loading the voice once per run, and
// how much faster than real time a whole page is synthesized.
#include "platform/espeaksynthesizer.h"
#include "qtbench.h"
#include "textcore/readaloud.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using platform::EspeakSynthesizer;
using platform::SpeechChunk;

constexpr int kPageSize = 2000;
const int kNormal = textcore::WordsPerMinute(textcore::SpeechRate::Normal);

std::u16string page()
{
    static const std::u16string text
        = qtbench::repeatedTo(qtbench::testText("platform/lesetext.txt"), kPageSize).toStdU16String();
    return text;
}

// Runs first, so it meets the library unloaded.
void BM_LoadVoice(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(EspeakSynthesizer::load());
}
BENCHMARK(BM_LoadVoice)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FirstSoundOfAPage(benchmark::State &state)
{
    const std::u16string text = page();
    for (auto _ : state) {
        std::size_t samples = 0;
        EspeakSynthesizer::synthesize(text, false, kNormal, [&](const SpeechChunk &chunk) {
            samples += chunk.sampleCount;
            return samples == 0;
        });
        benchmark::DoNotOptimize(samples);
    }
}
BENCHMARK(BM_FirstSoundOfAPage)->Unit(benchmark::kMillisecond);

// As the program does it: a worker thread synthesizes, the window's thread
// waits for the first buffer.
void BM_FirstSoundFromAWorkerThread(benchmark::State &state)
{
    const std::u16string text = page();
    for (auto _ : state) {
        std::promise<void> firstSound;
        std::atomic<bool> stop{false};
        bool told = false;
        std::thread worker([&] {
            EspeakSynthesizer::synthesize(text, false, kNormal, [&](const SpeechChunk &chunk) {
                if (!told && chunk.sampleCount > 0) {
                    told = true;
                    firstSound.set_value();
                }
                return !stop;
            });
        });
        firstSound.get_future().wait();
        state.PauseTiming();
        stop = true;
        worker.join();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstSoundFromAWorkerThread)->Unit(benchmark::kMillisecond);

void BM_WholePage(benchmark::State &state)
{
    const std::u16string text = page();
    std::size_t samples = 0;
    for (auto _ : state) {
        EspeakSynthesizer::synthesize(text, false, kNormal, [&](const SpeechChunk &chunk) {
            samples += chunk.sampleCount;
            return true;
        });
    }
    // Seconds of speech made per second of work.
    state.counters["speech_s_per_s"]
        = benchmark::Counter(double(samples) / EspeakSynthesizer::kSampleRate, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholePage)->Unit(benchmark::kMillisecond);

} // namespace

QTBENCH_MAIN()
