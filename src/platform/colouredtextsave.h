#pragma once
// "Sichern" and "Kopieren" of both colour windows. Saving asks for a name,
// refuses the help text's name and names with a folder in them, asks before
// replacing any existing file, writes the field as RTF in one piece and
// hands the file to the editor.
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

class Clipboard;
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

// Puts the field's plain text on the emptied clipboard (colours and fonts
// stay behind) and says so.
void copyPlainText(const RichTextField &field, Clipboard &clipboard, Dialogs &dialogs);

} // namespace platform
