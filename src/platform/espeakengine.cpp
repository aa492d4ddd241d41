#include "platform/espeakengine.h"

#include "platform/espeaksynthesizer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace platform {

namespace {

constexpr int kBytesPerSample = 2;
// The worker stays at most this far ahead of the sound device, so a long
// text does not pile up minutes of audio in memory.
constexpr qsizetype kMaxAhead = EspeakSynthesizer::kSampleRate * kBytesPerSample * 10;

QAudioFormat speechFormat()
{
    QAudioFormat format;
    format.setSampleRate(EspeakSynthesizer::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

// What the worker hands to the window's thread for one utterance.
struct EspeakEngine::Stream {
    std::mutex lock;
    std::condition_variable roomFreed;
    QByteArray audio; // not yet given to the sink
    std::vector<SpokenWord> words;
    bool done = false;
    bool voiceMissing = false;
    std::atomic<bool> cancelled{false};
};

EspeakEngine::EspeakEngine(QObject *parent) : SpeechEngine(parent)
{
    m_feedTimer.setInterval(20);
    connect(&m_feedTimer, &QTimer::timeout, this, &EspeakEngine::feed);
}

EspeakEngine::~EspeakEngine()
{
    endStream();
}

void EspeakEngine::speak(const std::u16string &text, bool phonemes)
{
    stop();
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(speechFormat())) {
        fail(SpeechFailure::NoAudioDevice);
        return;
    }
    m_sink = std::make_unique<QAudioSink>(output, speechFormat());
    m_device = m_sink->start();
    if (!m_device || m_sink->error() != QAudio::NoError) {
        fail(SpeechFailure::AudioDeviceBusy);
        return;
    }
    auto stream = std::make_shared<Stream>();
    m_stream = stream;
    m_written = 0;
    m_nextWord = 0;
    const int wordsPerMinute = textcore::WordsPerMinute(rate());
    m_worker = std::thread([this, stream, text, phonemes, wordsPerMinute] {
        bool first = true;
        const auto take = [&](const SpeechChunk &chunk) {
            std::unique_lock guard(stream->lock);
            stream->roomFreed.wait(guard, [&] { return stream->cancelled || stream->audio.size() < kMaxAhead; });
            if (stream->cancelled)
                return false;
            stream->audio.append(reinterpret_cast<const char *>(chunk.samples),
                                 qsizetype(chunk.sampleCount) * kBytesPerSample);
            stream->words.insert(stream->words.end(), chunk.words.begin(), chunk.words.end());
            guard.unlock();
            // The first sound goes out at once; the timer takes the rest.
            if (first)
                QMetaObject::invokeMethod(this, &EspeakEngine::feed, Qt::QueuedConnection);
            first = false;
            return true;
        };
        const bool loaded = EspeakSynthesizer::synthesize(text, phonemes, wordsPerMinute, take);
        {
            std::lock_guard guard(stream->lock);
            stream->done = true;
            stream->voiceMissing = !loaded;
        }
        QMetaObject::invokeMethod(this, &EspeakEngine::feed, Qt::QueuedConnection);
    });

    m_clock.start();
    m_feedTimer.start();
}

void EspeakEngine::feed()
{
    const std::shared_ptr<Stream> stream = m_stream;
    if (!stream || !m_sink)
        return;
    if (m_sink->error() == QAudio::OpenError || m_sink->error() == QAudio::FatalError) {
        fail(SpeechFailure::AudioDeviceBusy);
        return;
    }
    bool allWritten = false;
    bool voiceMissing = false;
    std::vector<SpokenWord> heard;
    {
        std::lock_guard guard(stream->lock);
        voiceMissing = stream->voiceMissing;
        const qsizetype room = std::min<qsizetype>(m_sink->bytesFree(), stream->audio.size()) & ~qsizetype(1);
        if (room > 0) {
            const qsizetype wrote = m_device->write(stream->audio.constData(), room);
            if (wrote > 0) {
                stream->audio.remove(0, wrote);
                m_written += wrote;
                stream->roomFreed.notify_all();
            }
        }
        allWritten = stream->done && stream->audio.isEmpty();
        // What the listener hears now: the device's own count, which some
        // sound systems take as "written" rather than "played", so never
        // more than the time since playing began.
        const qint64 heardMs = std::min<qint64>(m_sink->processedUSecs() / 1000, m_clock.elapsed());
        while (m_nextWord < stream->words.size() && stream->words[m_nextWord].milliseconds <= heardMs)
            heard.push_back(stream->words[m_nextWord++]);
    }
    if (voiceMissing) {
        fail(SpeechFailure::NoGermanVoice);
        return;
    }
    for (const SpokenWord &word : heard) {
        emit wordStarted(qsizetype(word.start), qsizetype(word.length));
        if (m_stream != stream)
            return;
    }
    const qint64 totalMs = qint64(m_written) * 1000 / (EspeakSynthesizer::kSampleRate * kBytesPerSample);
    // Right after writing, the sink may still look idle: only the time
    // the speech takes can tell that it has been heard. A device that
    // stalls still ends it a little later.
    const qint64 elapsed = m_clock.elapsed();
    const bool drained = m_sink->state() == QAudio::IdleState || m_sink->processedUSecs() / 1000 >= totalMs;
    if (allWritten && elapsed >= totalMs && (drained || elapsed >= totalMs + 2000))
        finish();
}

void EspeakEngine::stop()
{
    if (!m_stream)
        return;
    finish();
}

void EspeakEngine::fail(SpeechFailure failure)
{
    endStream();
    // The caller's speak() returns first; then the window hears of it.
    QMetaObject::invokeMethod(
        this, [this, failure] { emit failed(failure); }, Qt::QueuedConnection);
}

void EspeakEngine::finish()
{
    endStream();
    emit finished();
}

void EspeakEngine::endStream()
{
    m_feedTimer.stop();
    if (m_stream) {
        {
            std::lock_guard guard(m_stream->lock);
            m_stream->cancelled = true;
        }
        m_stream->roomFreed.notify_all();
    }
    if (m_worker.joinable())
        m_worker.join();
    m_stream.reset();
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_device = nullptr;
}

} // namespace platform
