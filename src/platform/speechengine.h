#pragma once
// Speaking German text, word by word. Windows use a SpeechEngine through
// ReadAloud; the program's engine is EspeakEngine, tests use a fake that
// reports words when the test says so.
#include "textcore/readaloud.h"

#include <QObject>
#include <QString>

#include <string>

namespace platform {

enum class SpeechFailure {
    NoGermanVoice,   // the speech data are not installed
    NoAudioDevice,   // nothing to play sound on
    AudioDeviceBusy, // the sound device refused to open
};

// The German message for the user, lines joined with CR.
QString speechFailureMessage(SpeechFailure failure);

class SpeechEngine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~SpeechEngine() override;

    // Starts speaking `text` (in the engine's phoneme notation when
    // `phonemes`) at the current rate and returns at once. Whatever was
    // being spoken stops first, with its finished().
    virtual void speak(const std::u16string &text, bool phonemes) = 0;
    // Stops speaking; finished() follows at once. Nothing when silent.
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;

    textcore::SpeechRate rate() const { return m_rate; }
    // Takes effect from the next speak().
    void setRate(textcore::SpeechRate rate);

signals:
    // The word text[start, start + length) is being heard now (UTF-16
    // positions in the text given to speak()).
    void wordStarted(qsizetype start, qsizetype length);
    // The speaking has ended: spoken to the end, or stopped.
    void finished();
    // Nothing was or will be heard; no finished() follows.
    void failed(platform::SpeechFailure failure);
    void rateChanged(textcore::SpeechRate rate);

private:
    textcore::SpeechRate m_rate = textcore::SpeechRate::Normal;
};

} // namespace platform
