#pragma once
// The two reading trainers: the sound trainer ("Form1") and the syllable
// trainer ("Form4") are one window class. A child steps through the text
// with the keyboard alone; every key has a menu entry with the same action.
//
// The window is a shell: textcore::ReadingTrainer decides what is on
// display, textcore::ColourReadingText how it is coloured, and
// textcore::TrainerActionForKey what a key does.
//
// Lifetime: created when first opened, hidden by "Abbruch" (it keeps its
// font for the next opening), discarded by the close box: it then emits
// discarded() and the owner deletes it and creates a fresh one next time.
#include "textcore/readingtrainer.h"
#include "textcore/trainerkeys.h"

#include <QMainWindow>
#include <QString>

#include <functional>

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;

namespace platform {
class Dialogs;
class ReadAloud;
class RichTextField;
class SpeechEngine;
class Timers;
} // namespace platform
namespace session {
class Session;
struct OfferedFonts;
struct SoundColourState;
struct SyllableState;
} // namespace session

namespace trainer {

using textcore::TrainerKind;

class TrainerWindow : public QMainWindow {
    Q_OBJECT

public:
    // The holders are read at every colouring, so a colour changed in a
    // colour window shows at the next step. The trainer arms no delays;
    // `timers` is taken so that every window is built alike.
    TrainerWindow(TrainerKind kind, session::Session &session, platform::Dialogs &dialogs, platform::Timers &timers,
                  QWidget *parent = nullptr);
    ~TrainerWindow() override;

    // The editor has handed over its text and hidden itself: take the text
    // and the SentenceList, show the whole text on the full screen.
    void open();

    // The font selection window applies one font to every reading field.
    void setReadingFont(const QString &fontName);

    // The voice for "Vorlesen" and the space bar; without one both do nothing.
    void setSpeech(platform::SpeechEngine *engine);
    platform::ReadAloud *readAloudControl() const { return m_readAloud; }

    // Runs what the key with this Windows virtual-key code does; returns
    // false for keys without an action.
    bool pressKey(int virtualKey);

    TrainerKind kind() const { return m_kind; }
    const textcore::ReadingTrainer &trainer() const { return m_trainer; }
    bool isFullScreenView() const { return m_fullScreenView; }

    // Outer sizes of the window view in twips.
    static constexpr int kSoundWindowWidth = 10900, kSoundWindowHeight = 9000;
    static constexpr int kSyllableWindowWidth = 10900, kSyllableWindowHeight = 8900;

signals:
    // The close box was used: the window is hidden and has shown the editor;
    // its state is worthless. Emitted from inside the close event, so the
    // owner deletes it with deleteLater(), never directly.
    void discarded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    QAction *addMenuAction(QWidget *menu, const QString &caption, const QString &name, std::function<void()> handler);

    void run(textcore::TrainerAction action);
    void step(textcore::ReadingStep step);
    void display(const std::u16string &displayText);
    void colourDisplay();
    void applyWindowView();
    void applyFullScreenView();
    void setOuterGeometry(const QRect &outer);
    void fitReadingField();
    void changeFontSize(bool larger);
    void toggleFontList();
    void fillFontList();
    void chooseFont(QListWidgetItem *item);
    void addToExerciseList();
    void readAloud();
    void stopReading();
    void showKeyHelp();
    void leave();
    void returnFocus();
    static const QString &keyHelpText();

    TrainerKind m_kind;
    session::Session &m_session;
    const session::SoundColourState &m_soundColours;
    const session::SyllableState &m_syllableState;
    const session::OfferedFonts &m_offeredFonts;
    platform::Dialogs &m_dialogs;
    textcore::ReadingTrainer m_trainer;
    bool m_fullScreenView = false;

    platform::RichTextField *m_readingField = nullptr;
    QLineEdit *m_keyField = nullptr;
    QListWidget *m_fontList = nullptr;
    QListWidget *m_exerciseList = nullptr;
    platform::ReadAloud *m_readAloud = nullptr;
    QAction *m_readAloudEntry = nullptr;
    QMenu *m_rateMenu = nullptr;
};

} // namespace trainer
