#pragma once
// What the program sets up once at start: Qt's German texts, the window
// icon and the folder it works in.
#include <QIcon>
#include <QString>

class QApplication;

namespace platform {

// Loads Qt's own German translation (qtbase_de from Qt's translations
// folder) so that standard buttons read "Ja", "Nein", "Abbrechen". Returns
// false when the translation is not installed; the boxes then show English
// captions but work. The translator lives as long as `app`.
bool installGermanTranslation(QApplication &app);

// The program's icon: a light capital K on a dark square, in every size we ship.
QIcon windowIcon();

// Which folder the program should work in. From a terminal it keeps the
// folder it was started in. Started from a desktop menu (no terminal) the
// launcher's folder means nothing to the user, usually "/" or the home
// folder; then it is the documents folder when that exists, else home.
// A current folder of "/" is never kept: nobody keeps texts there.
QString chooseWorkingFolder(const QString &current, const QString &home, const QString &documents,
                            bool startedFromTerminal);

// The help text "KOLORATHELP.RTF": the copy in `currentFolder` when there
// is one (a teacher may keep her own), else the one installed with the
// program (share/kolorat beside bin, where a build also puts a copy, or the
// system's data folders). Empty when none exists.
QString findHelpFile(const QString &currentFolder);

// Applies chooseWorkingFolder to this process (QDir::setCurrent) with the
// real folders and terminal state. Returns the folder now current.
QString chooseWorkingFolder();

} // namespace platform
