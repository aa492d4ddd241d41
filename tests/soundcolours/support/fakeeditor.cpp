#include "soundcolours/support/fakeeditor.h"

FakeEditor::FakeEditor() : field(std::make_unique<platform::RichTextField>())
{}

bool FakeEditor::loadRtfIntoWorkingText(const QString &path)
{
    loadedPaths.append(path);
    return field->loadFile(path, platform::FileKind::Rtf).ok();
}
