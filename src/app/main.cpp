// Kolorat's entry point. Until the editor window lands this shows an empty
// main window with the editor's caption.
#include "platform/application.h"

#include <QApplication>
#include <QLocale>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication::setWindowIcon(platform::windowIcon());
    // Qt's own buttons ("Ja", "Nein", "Abbrechen") in German; without the
    // translation the boxes still work, with English captions.
    platform::installGermanTranslation(app);
    // KOLORAT.INI and the texts live in the current folder.
    platform::chooseWorkingFolder();

    QMainWindow window;
    window.setObjectName(QStringLiteral("Form0"));
    window.setWindowTitle(QStringLiteral("olorat: Editor"));
    window.resize(727, 593);
    window.show();
    return app.exec();
}
