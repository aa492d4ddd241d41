#pragma once
// The program's speech engine: eSpeak NG synthesizes on a worker thread,
// Qt Multimedia plays while the rest is still being made, and the words are
// reported as the sound device reaches them. The window never waits.
#include "platform/speechengine.h"

#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <thread>

class QAudioSink;
class QIODevice;

namespace platform {

class EspeakEngine : public SpeechEngine {
    Q_OBJECT

public:
    explicit EspeakEngine(QObject *parent = nullptr);
    ~EspeakEngine() override;

    void speak(const std::u16string &text, bool phonemes) override;
    void stop() override;
    bool isSpeaking() const override { return bool(m_stream); }

private:
    struct Stream;
    void feed();
    void fail(SpeechFailure failure);
    void finish();
    void endStream();

    std::shared_ptr<Stream> m_stream;
    std::thread m_worker;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_device = nullptr;
    QTimer m_feedTimer;
    QElapsedTimer m_clock;      // since playing began
    qsizetype m_written = 0;    // bytes handed to the sink
    std::size_t m_nextWord = 0; // first word not reported yet
};

} // namespace platform
