// Kolorat's entry point: German Qt texts, the working folder, the program
// object with its editor window.
#include "editor/program.h"
#include "platform/application.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolorat"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setWindowIcon(platform::windowIcon());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform::installGermanTranslation(app);
    // The editor asks before it closes; the last window closing must not
    // end the program behind its back.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString folder = platform::chooseWorkingFolder();
    platform::QtDialogs dialogs;
    editor::Program program(dialogs, folder);
    dialogs.setParent(&program.editor());
    program.editor().show();
    return app.exec();
}
