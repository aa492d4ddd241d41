#include "editor/program.h"

namespace editor {

Program::Program(platform::Dialogs &dialogs, const QString &folder)
    : m_editor(std::make_unique<EditorWindow>(SharedSettings{m_sound, m_syllables, m_fonts}, dialogs, folder))
{
}

Program::~Program() = default;

} // namespace editor
