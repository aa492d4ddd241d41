#pragma once
// Joins the windows to the program: registers the editor's hooks, builds
// each window the first time it is touched with the services it needs,
// answers the windows' requests and keeps what the windows share (the
// background colour, the reading font) in step. The windows know only the
// session, so this is the one place that knows every window.
#include "session/requests.h"
#include "textcore/colour.h"
#include "textcore/readingtrainer.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace app {
class Program;
}
namespace platform {
class Clipboard;
class Dialogs;
class SpeechEngine;
class Timers;
} // namespace platform
namespace about {
class AboutWindow;
}
namespace fonts {
class FontSelectionWindow;
}
namespace soundcolours {
class SoundColourWindow;
}
namespace syllables {
class SyllableColourWindow;
}
namespace trainer {
class TrainerWindow;
}

namespace app {

// What the windows talk to besides the editor. Every empty member takes the
// real service: message boxes modal over their own window, the system
// clipboard, Qt timers, the installed fonts. Tests replace them.
struct WindowServices {
    // Makes the message boxes of one window, called once per window built.
    std::function<std::unique_ptr<platform::Dialogs>()> makeDialogs;
    platform::Clipboard *clipboard = nullptr;
    platform::Timers *timers = nullptr;
    std::function<QStringList()> installedFonts;
    // The one voice of the editor and both trainers; the real one keeps its
    // speaking rate between runs.
    platform::SpeechEngine *speech = nullptr;
};

class ProgramWindows : public QObject, public session::Requests {
    Q_OBJECT

public:
    // Registers the hooks with the program's editor at once; every menu
    // entry of the editor is enabled from then on. The program (and its
    // printer) must outlive this object.
    explicit ProgramWindows(Program &program, WindowServices services = {});
    ~ProgramWindows() override;

    // Each window, built on first touch and kept from then on (a trainer is
    // built anew after its close box discarded it).
    soundcolours::SoundColourWindow &soundColours();
    syllables::SyllableColourWindow &syllableColours();
    trainer::TrainerWindow &trainerWindow(textcore::TrainerKind kind);
    fonts::FontSelectionWindow &fontSelection();
    about::AboutWindow &about();

    // The windows built so far, null for the others; touches nothing.
    soundcolours::SoundColourWindow *soundColoursIfBuilt() const { return m_sound.get(); }
    syllables::SyllableColourWindow *syllableColoursIfBuilt() const { return m_syllables.get(); }
    trainer::TrainerWindow *trainerIfBuilt(textcore::TrainerKind kind) const;
    fonts::FontSelectionWindow *fontSelectionIfBuilt() const { return m_fonts.get(); }
    about::AboutWindow *aboutIfBuilt() const { return m_about.get(); }

    // The program's top-level windows that are on screen now, the editor
    // included. Exactly one, whenever the user can act.
    QList<QWidget *> visibleWindows() const;

    // The windows' requests: the editor's answers, and the font the font
    // selection window gives the four reading fields (the windows built now
    // take it at once, the others when they are built).
    void showEditor(std::optional<QPoint> topLeft) override;
    QStringList listedFileNames() const override;
    void refreshFileList() override;
    bool loadRtfIntoWorkingText(const QString &path) override;
    void setReadingFieldsFont(const QString &fontName) override;

private:
    struct OwnedDialogs;
    std::unique_ptr<platform::Dialogs> makeDialogs();
    // Message boxes of a real window appear over that window, not over the
    // hidden editor.
    void parentDialogs(platform::Dialogs &dialogs, QWidget *window);
    void discardTrainer(textcore::TrainerKind kind);
    static std::size_t slot(textcore::TrainerKind kind);

    Program &m_program;
    WindowServices m_services;
    std::unique_ptr<platform::Clipboard> m_ownClipboard;
    std::unique_ptr<platform::Timers> m_ownTimers;
    std::unique_ptr<platform::SpeechEngine> m_ownSpeech;

    // Declared before the windows, so that the boxes outlive them.
    std::unique_ptr<platform::Dialogs> m_soundDialogs, m_syllableDialogs, m_fontDialogs;
    std::unique_ptr<soundcolours::SoundColourWindow> m_sound;
    std::unique_ptr<syllables::SyllableColourWindow> m_syllables;
    std::unique_ptr<fonts::FontSelectionWindow> m_fonts;
    std::unique_ptr<about::AboutWindow> m_about;
    // A discarded trainer is deleted later by Qt, together with its boxes.
    std::array<trainer::TrainerWindow *, 2> m_trainers{};

    // The reading font each window not built yet is to take when it is built.
    std::optional<QString> m_soundFont, m_syllableFont;
    std::array<std::optional<QString>, 2> m_trainerFonts;
};

} // namespace app
