#include "platform/espeaksynthesizer.h"

#include "textcore/readaloud.h"
#include "textcore/utf8.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>

namespace platform {

namespace {

constexpr int kBufferMilliseconds = 50;

std::mutex &engineLock()
{
    static std::mutex lock;
    return lock;
}

// What the library's callback writes into; only touched under the lock.
struct Job {
    const std::function<bool(const SpeechChunk &)> *onChunk = nullptr;
    const std::vector<std::size_t> *utf16Starts = nullptr;
    SpeechChunk chunk;
    bool stopped = false;
};
Job *currentJob = nullptr;

int receive(short *samples, int count, espeak_EVENT *events)
{
    Job &job = *currentJob;
    if (job.stopped)
        return 1;
    job.chunk.words.clear();
    const std::vector<std::size_t> &starts = *job.utf16Starts;
    for (espeak_EVENT *event = events; event && event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type != espeakEVENT_WORD)
            continue;
        // The library counts code points from 1; the text is UTF-16.
        const std::size_t first = std::size_t(std::max(event->text_position - 1, 0));
        const std::size_t last = first + std::size_t(std::max(event->length, 0));
        if (first + 1 >= starts.size())
            continue;
        const std::size_t end = starts[std::min(last, starts.size() - 1)];
        job.chunk.words.push_back({starts[first], end - starts[first], event->audio_position});
    }
    job.chunk.samples = samples;
    job.chunk.sampleCount = samples ? std::size_t(std::max(count, 0)) : 0;
    if (job.chunk.sampleCount == 0 && job.chunk.words.empty())
        return 0;
    if (!(*job.onChunk)(job.chunk))
        job.stopped = true;
    return job.stopped ? 1 : 0;
}

bool loadLocked()
{
    static const bool loaded = [] {
        const int sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferMilliseconds, nullptr, 0);
        if (sampleRate != EspeakSynthesizer::kSampleRate)
            return false;
        if (espeak_SetVoiceByName("de") != EE_OK)
            return false;
        espeak_SetSynthCallback(receive);
        return true;
    }();
    return loaded;
}

} // namespace

bool EspeakSynthesizer::load()
{
    std::lock_guard guard(engineLock());
    return loadLocked();
}

bool EspeakSynthesizer::synthesize(std::u16string_view text, bool phonemes, int wordsPerMinute,
                                   const std::function<bool(const SpeechChunk &)> &onChunk)
{
    std::lock_guard guard(engineLock());
    if (!loadLocked())
        return false;
    const std::string utf8 = textcore::encodeUtf8(text);
    const std::vector<std::size_t> starts = textcore::CodePointStarts(text);
    Job job;
    job.onChunk = &onChunk;
    job.utf16Starts = &starts;
    currentJob = &job;
    espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
    unsigned flags = espeakCHARS_UTF8;
    if (phonemes)
        flags |= espeakPHONEMES;
    espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, flags, nullptr, nullptr);
    currentJob = nullptr;
    return true;
}

} // namespace platform
