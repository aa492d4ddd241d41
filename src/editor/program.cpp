#include "editor/program.h"

#include "platform/printer.h"

namespace editor {

Program::Program(platform::Dialogs &dialogs, const QString &folder)
    : m_printer(std::make_unique<platform::QtPrinter>()),
      m_editor(std::make_unique<EditorWindow>(SharedSettings{m_sound, m_syllables, m_fonts}, dialogs, folder))
{
    m_editor->setPrinter(m_printer.get());
}

Program::~Program() = default;

void Program::setPrinter(std::unique_ptr<platform::Printer> printer)
{
    m_printer = std::move(printer);
    m_editor->setPrinter(m_printer.get());
}

} // namespace editor
