#pragma once
// The program object: owns the session (the state the windows share), the
// printer and the editor window for the whole run. The other windows are
// created on first touch by ProgramWindows, which registers the editor's
// hooks; until then, their menu entries stay disabled.
#include "session/session.h"

#include <QString>

#include <memory>

namespace editor {
class EditorWindow;
struct WindowHooks;
} // namespace editor
namespace platform {
class Dialogs;
class Printer;
} // namespace platform

namespace app {

class Program {
public:
    // `folder` is where KOLORAT.INI and the texts live.
    Program(platform::Dialogs &dialogs, const QString &folder);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    session::Session &session() { return m_session; }
    editor::EditorWindow &editor() { return *m_editor; }

    // Registers how the other windows are opened.
    void setWindowHooks(const editor::WindowHooks &hooks);

    // The system's default printer unless replaced (tests print to PDF).
    platform::Printer &printer() { return *m_printer; }
    void setPrinter(std::unique_ptr<platform::Printer> printer);

private:
    session::Session m_session;
    std::unique_ptr<platform::Printer> m_printer;
    std::unique_ptr<editor::EditorWindow> m_editor;
};

} // namespace app
