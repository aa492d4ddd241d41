#pragma once
// Reads a piece of a rich-text field aloud and marks the word being heard
// in the field (underlined on a light tint, drawn over the text without
// touching its colours). The speech engine is shared by every window;
// each window has its own ReadAloud. A failure is told to the user once,
// in German, through the window's Dialogs.
#include "platform/speechengine.h"
#include "textcore/readaloud.h"

#include <QObject>

#include <optional>

class QMenu;
class QSettings;
class QWidget;

namespace platform {

class Dialogs;
class RichTextField;

class ReadAloud : public QObject {
    Q_OBJECT

public:
    ReadAloud(SpeechEngine &engine, Dialogs &dialogs, RichTextField &field, QObject *parent = nullptr);

    // Speaks `piece` (positions of the field's text()) unless this field is
    // being read already: then it stops. An empty piece says nothing.
    void toggle(const textcore::SpeechPiece &piece);
    void stop();
    bool isSpeaking() const { return m_active; }
    // Where the mark stands now, in positions of the field's text().
    std::optional<textcore::TextRange> mark() const { return m_mark; }

    SpeechEngine &engine() { return m_engine; }

    // The "Sprechtempo" menu: one checkable entry per rate, in step with
    // the engine's rate whichever window changed it.
    static QMenu *rateMenu(SpeechEngine &engine, QWidget *parent);

signals:
    void speakingChanged(bool speaking);

private:
    void markWord(qsizetype start, qsizetype length);
    void end();
    void showMark();

    SpeechEngine &m_engine;
    Dialogs &m_dialogs;
    RichTextField &m_field;
    textcore::SpeechPiece m_piece;
    bool m_active = false;
    std::optional<textcore::TextRange> m_mark;
};

// Keeps the engine's rate between runs in `settings` (a file of its own;
// KOLORAT.INI keeps its fixed lines): reads it now, writes every change.
// The engine takes the settings object over.
void rememberSpeechRate(SpeechEngine &engine, QSettings *settings);

} // namespace platform
