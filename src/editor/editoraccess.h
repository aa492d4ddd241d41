#pragma once
// What the other windows may use of the editor window. The editor implements
// it; window tests implement it with a fake, so no window needs the editor's
// library to be built or tested.
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace platform {
class RichTextField;
}

namespace editor {

class EditorAccess {
public:
    virtual ~EditorAccess() = default;

    // The field holding the WorkingText: read its text, copy colours into it.
    virtual platform::RichTextField &workingTextField() = 0;

    // The SentenceList as the editor built it before handing over.
    virtual std::vector<std::u16string> sentenceList() const = 0;

    virtual bool printerLocked() const = 0;

    // The folder every file is loaded from and saved to, ending with '/'.
    virtual QString currentFolder() const = 0;

    // The names the file browser lists under its current pattern.
    virtual QStringList listedFileNames() const = 0;

    // Sets the browser back to "*.RTF;*.TXT" and reads the folder again.
    virtual void refreshFileList() = 0;

    // Loads a saved RTF file into the WorkingText, as after a colour window's
    // "Sichern". Returns false after telling the user why.
    virtual bool loadRtfIntoWorkingText(const QString &path) = 0;

    // Hides nothing: the caller hides itself, then asks the editor to show
    // itself, moved to `topLeft` when one is given.
    virtual void showEditor(std::optional<QPoint> topLeft) = 0;

    // Gives every reading field (both colour windows, both trainers) this
    // font; windows not created yet take it when they are created.
    virtual void setReadingFieldsFont(const QString &fontName) = 0;
};

} // namespace editor
