// Kolorat's entry point: German Qt texts, the working folder, the program
// object with its editor window, and the other windows joined to it.
#include "app/program.h"
#include "app/programwindows.h"
#include "app/readingviewstore.h"
#include "editor/editorwindow.h"
#include "platform/application.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication::setApplicationName(QStringLiteral("kolorat"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // Lets the desktop match the windows to kolorat.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kolorat"));
    QApplication::setWindowIcon(platform::windowIcon());
    // Qt's own buttons ("Ja", "Nein", "Abbrechen") in German; without the
    // translation the boxes still work, with English captions.
    platform::installGermanTranslation(application);
    // The editor asks before it closes; the last window closing must not
    // end the program behind its back.
    QApplication::setQuitOnLastWindowClosed(false);

    // KOLORAT.INI and the texts live in the current folder.
    const QString folder = platform::chooseWorkingFolder();
    platform::QtDialogs dialogs;
    app::Program program(dialogs, folder);
    dialogs.setParent(&program.editor());
    app::ProgramWindows windows(program);
    program.editor().setReadingView(app::storedReadingView());
    QObject::connect(&program.editor(), &editor::EditorWindow::readingViewChanged, &app::storeReadingView);
    program.editor().show();
    // The hyphenation patterns take seconds to prepare; prepared once, they
    // are kept in the user's cache folder (~/.cache/kolorat) and load in
    // milliseconds. On a worker thread, once the window is up, so that the
    // first automatic marking finds them ready.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cache.isEmpty())
        program.editor().setPatternCache(cache + QStringLiteral("/silbenmuster.table"));
    QTimer::singleShot(0, &program.editor(), [&program] { program.editor().preloadSyllabifier(); });
    return application.exec();
}
