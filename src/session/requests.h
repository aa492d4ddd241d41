#pragma once
// What a window asks of the program besides the shared values: to stand
// aside for the editor again, and the editor's file browser. The program
// answers (app wires it to the editor and the other windows); a window
// test answers with a recording double.
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace session {

class Requests {
public:
    virtual ~Requests() = default;

    // The caller has hidden itself; the editor shows itself again, moved to
    // `topLeft` when one is given.
    virtual void showEditor(std::optional<QPoint> topLeft) = 0;

    // The names the file browser lists under its current pattern.
    virtual QStringList listedFileNames() const = 0;

    // Sets the browser back to "*.RTF;*.TXT" and reads the folder again.
    virtual void refreshFileList() = 0;

    // Loads a saved RTF file into the working text, as after a colour
    // window's "Sichern". Returns false after telling the user why.
    virtual bool loadRtfIntoWorkingText(const QString &path) = 0;

    // Gives every reading field (both colour windows, both trainers) this
    // font; windows not created yet take it when they are created.
    virtual void setReadingFieldsFont(const QString &fontName) = 0;
};

} // namespace session
