#include "app/program.h"

#include "editor/editorwindow.h"
#include "platform/printer.h"

namespace app {

Program::Program(platform::Dialogs &dialogs, const QString &folder)
    : m_session(folder), m_printer(std::make_unique<platform::QtPrinter>()),
      m_editor(std::make_unique<editor::EditorWindow>(m_session, dialogs))
{
    m_editor->setPrinter(m_printer.get());
}

Program::~Program() = default;

void Program::setWindowHooks(const editor::WindowHooks &hooks)
{
    m_editor->setWindowHooks(hooks);
}

void Program::setPrinter(std::unique_ptr<platform::Printer> printer)
{
    m_printer = std::move(printer);
    m_editor->setPrinter(m_printer.get());
}

} // namespace app
