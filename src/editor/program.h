#pragma once
// The program object: owns the holders of the shared settings and the editor
// window for the whole run. The other windows are created on first touch by
// factories that later code registers through windowHooks(); until a window
// is registered, its menu entries stay disabled.
#include "editor/editorwindow.h"
#include "fonts/offeredfonts.h"
#include "soundcolours/soundcolourstate.h"
#include "syllables/syllablestate.h"

#include <QString>

#include <memory>

namespace platform {
class Dialogs;
class Printer;
}

namespace editor {

class Program {
public:
    // `folder` is where KOLORAT.INI and the texts live.
    Program(platform::Dialogs &dialogs, const QString &folder);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    EditorWindow &editor() { return *m_editor; }
    soundcolours::SoundColourState &soundColours() { return m_sound; }
    syllables::SyllableState &syllables() { return m_syllables; }
    fonts::OfferedFonts &offeredFonts() { return m_fonts; }

    // Registers how the other windows are opened.
    void setWindowHooks(const WindowHooks &hooks) { m_editor->setWindowHooks(hooks); }

    // The system's default printer unless replaced (tests print to PDF).
    platform::Printer &printer() { return *m_printer; }
    void setPrinter(std::unique_ptr<platform::Printer> printer);

private:
    soundcolours::SoundColourState m_sound;
    syllables::SyllableState m_syllables;
    fonts::OfferedFonts m_fonts;
    std::unique_ptr<platform::Printer> m_printer;
    std::unique_ptr<EditorWindow> m_editor;
};

} // namespace editor
