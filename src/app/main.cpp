// Kolorat's entry point. Until the editor window lands this shows an empty
// main window with the editor's caption.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // Qt's own buttons ("Ja", "Nein", "Abbrechen") in German.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    QMainWindow window;
    window.setObjectName(QStringLiteral("Form0"));
    window.setWindowTitle(QStringLiteral("olorat: Editor"));
    window.resize(727, 593);
    window.show();
    return app.exec();
}
