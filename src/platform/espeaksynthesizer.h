#pragma once
// German speech from eSpeak NG, as 16-bit mono samples with the words'
// positions. The library keeps global state and is not thread-safe: every
// call here takes one process-wide lock, so any thread may synthesize, one
// at a time. No Qt here, so developer tools and benchmarks use it directly.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace platform {

struct SpokenWord {
    std::size_t start = 0;  // UTF-16 position in the synthesized text
    std::size_t length = 0; // UTF-16 units
    int milliseconds = 0;   // where the word starts in the audio
};

// One buffer of audio, and the words that begin in it.
struct SpeechChunk {
    const std::int16_t *samples = nullptr;
    std::size_t sampleCount = 0;
    std::vector<SpokenWord> words;
};

class EspeakSynthesizer {
public:
    // Samples per second of the audio (the library's fixed rate).
    static constexpr int kSampleRate = 22050;

    // Loads the library and the German voice (once per process; about
    // 30 ms). False when either is missing.
    static bool load();

    // Synthesizes `text` (UTF-16; in eSpeak's phoneme notation "[[...]]"
    // when `phonemes`) at `wordsPerMinute`. `onChunk` receives the audio
    // as soon as each buffer of about 50 ms is ready, starting long before
    // the whole text is done; returning false stops the synthesis. Returns
    // false when the German voice cannot be loaded.
    static bool synthesize(std::u16string_view text, bool phonemes, int wordsPerMinute,
                           const std::function<bool(const SpeechChunk &)> &onChunk);
};

} // namespace platform
