#pragma once
// A speech engine that says nothing: it records what it was asked to speak
// and reports words, the end or a failure when the test says so.
#include "platform/speechengine.h"

#include <QList>

namespace testsupport {

class FakeSpeechEngine : public platform::SpeechEngine {
public:
    struct Request {
        std::u16string text;
        bool phonemes = false;
    };
    QList<Request> requests;
    int stops = 0;

    void speak(const std::u16string &text, bool phonemes) override
    {
        stop();
        requests.append({text, phonemes});
        speaking_ = true;
    }
    void stop() override
    {
        if (speaking_)
            ++stops, endOfText();
    }
    bool isSpeaking() const override { return speaking_; }

    // The engine's side, played by the test.
    void hear(qsizetype start, qsizetype length) { emit wordStarted(start, length); }
    void endOfText()
    {
        speaking_ = false;
        emit finished();
    }
    void fail(platform::SpeechFailure failure)
    {
        speaking_ = false;
        emit failed(failure);
    }

private:
    bool speaking_ = false;
};

} // namespace testsupport
