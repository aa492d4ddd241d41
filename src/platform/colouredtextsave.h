#pragma once
// "Sichern" of both colour windows: asks for a name, refuses the help
// text's name and names with a folder in them, asks before replacing any
// existing file, writes the field as RTF in one piece and hands the file
// to the editor.
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

class Dialogs;
class RichTextField;

// Where the saved text goes and what the editor does with it.
struct SaveDestination {
    QString folder;          // the current folder, ending with '/'
    QStringList listedNames; // what the file browser lists
    std::function<void(const QString &path)> loadIntoEditor;
    std::function<void()> refreshBrowser;
};

// Returns true when the file was written.
bool saveColouredText(const RichTextField &field, Dialogs &dialogs, const SaveDestination &destination);

} // namespace platform
