#include "platform/colouredtextsave.h"

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "textcore/colourwindowrules.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

const QString kBadNameTitle = QStringLiteral("Unerlaubter Dateiname");

std::vector<std::u16string> toU16(const QStringList &names)
{
    std::vector<std::u16string> out;
    out.reserve(std::size_t(names.size()));
    for (const QString &name : names)
        out.push_back(name.toStdU16String());
    return out;
}

} // namespace

bool saveColouredText(const RichTextField &field, Dialogs &dialogs, const SaveDestination &destination)
{
    const QString answer = dialogs.input(
        QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert."),
        QStringLiteral("Textseite speichern"), QStringLiteral("KOLORAT.RTF"));
    if (answer.isEmpty())
        return false;
    const std::u16string upper = textcore::UpperCaseFileName(answer.toStdU16String());
    const QString name = QString::fromStdU16String(upper);
    if (textcore::IsReservedFileName(upper)) {
        dialogs.inform(QStringLiteral("Der Dateiname KOLORATHELP.RTF ist\rfür die KOLORAT-Hilfedatei reserviert.\r\r"),
                       kBadNameTitle);
        return false;
    }
    // Every text lives in the current folder: a name with a folder in it
    // would write somewhere the browser never shows.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".")
        || name == QLatin1String("..")) {
        dialogs.inform(QStringLiteral("Der Dateiname darf keinen Ordner enthalten:\r") + name + QStringLiteral("\r\r"),
                       kBadNameTitle);
        return false;
    }

    const QString path = QDir(destination.folder).filePath(name);
    // A file the browser does not list (another pattern, no extension) would
    // otherwise be replaced silently, so any existing file is asked for.
    const bool exists = textcore::CountListedName(toU16(destination.listedNames), upper) > 0 || QFileInfo::exists(path);
    if (exists
        && !dialogs.ask(QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\r"
                                       "Wollen Sie die vorhandene Datei hiermit ersetzen?\r\r"),
                        name))
        return false;

    if (const textcore::Result<> saved = field.saveFile(path, FileKind::Rtf); !saved.ok()) {
        dialogs.inform(messageOf(saved) + QStringLiteral("\r\r"), QStringLiteral("Dateifehler"), Icon::Exclamation);
        return false;
    }
    // The editor reports its own failure to load; the file is saved either way.
    if (destination.loadIntoEditor)
        destination.loadIntoEditor(path);
    dialogs.inform(name + QStringLiteral(" wurde gespeichert.\r\r"), QStringLiteral("Textdatei sichern"),
                   Icon::Information);
    if (destination.refreshBrowser)
        destination.refreshBrowser();
    return true;
}

void copyPlainText(const RichTextField &field, Clipboard &clipboard, Dialogs &dialogs)
{
    clipboard.clear();
    clipboard.setText(field.text());
    dialogs.inform(QStringLiteral("Der Text wurde in die Ablage kopiert.\r (Formatierung geht dabei verloren.)\r"),
                   QStringLiteral("Kopieren"));
}

} // namespace platform
