#include "platform/application.h"

#include "textcore/colourwindowrules.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <unistd.h>

static void initKoloratResources()
{
    // The resources live in a static library; without this call the linker
    // may drop them from the program.
    Q_INIT_RESOURCE(kolorat);
}

namespace platform {

bool installGermanTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

QIcon windowIcon()
{
    static bool resourcesReady = false;
    if (!resourcesReady) {
        initKoloratResources();
        resourcesReady = true;
    }
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kolorat-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString chooseWorkingFolder(const QString &current, const QString &home, const QString &documents,
                            bool startedFromTerminal)
{
    const QString root = QDir::rootPath();
    const bool meaningless = QDir::cleanPath(current) == root || current.isEmpty();
    if (startedFromTerminal && !meaningless)
        return current;
    if (!startedFromTerminal && !meaningless && QDir::cleanPath(current) != QDir::cleanPath(home))
        return current;
    // The documents location falls back to home when the user has none.
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return home;
}

QString findHelpFile(const QString &currentFolder)
{
    const QString name = QString::fromStdU16String(std::u16string(textcore::kHelpFileName));
    QStringList candidates{QDir(currentFolder).filePath(name)};
    if (QCoreApplication::instance())
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/kolorat/") + name);
    candidates << QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("kolorat/") + name);
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

QString chooseWorkingFolder()
{
    const bool terminal = isatty(STDIN_FILENO) || isatty(STDOUT_FILENO) || isatty(STDERR_FILENO);
    const QString folder
        = chooseWorkingFolder(QDir::currentPath(), QDir::homePath(),
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), terminal);
    if (folder != QDir::currentPath())
        QDir::setCurrent(folder);
    return QDir::currentPath();
}

} // namespace platform
