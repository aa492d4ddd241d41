#include "soundcolours/soundcommands.h"

#include "editor/editoraccess.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "soundcolours/coloursheet.h"
#include "soundcolours/soundcolourstate.h"
#include "textcore/soundwindowrules.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

namespace soundcolours {

namespace {

const QString kPrintTitle = QStringLiteral("Drucken");
const QString kPrintingMessage = QStringLiteral("Die Daten werden gedruckt ...\r\r");
const QString kBadNameTitle = QStringLiteral("Unerlaubter Dateiname");

std::u16string_view view(const QString &text)
{
    return std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));
}

} // namespace

SoundCommands::SoundCommands(SoundColourState &state, platform::RichTextField &preview, editor::EditorAccess &editor,
                             platform::Dialogs &dialogs, platform::Printer &printer, platform::Clipboard &clipboard)
    : m_state(state), m_preview(preview), m_editor(editor), m_dialogs(dialogs), m_printer(printer),
      m_clipboard(clipboard)
{
}

bool SoundCommands::printerReady()
{
    if (m_printer.available())
        return true;
    m_dialogs.inform(platform::noPrinterMessage(), kPrintTitle);
    return false;
}

void SoundCommands::printColourSheet()
{
    if (!m_dialogs.ask(QStringLiteral("Die Farbwerte jetzt audrucken?\r"), QStringLiteral("Farbdruck")))
        return;
    const QString title = m_dialogs.input(QStringLiteral("Eine Bezeichnung für\rdas Farbset angeben:"),
                                          QStringLiteral("Farbwerte drucken (Abbruch mit Leereingabe)"),
                                          QStringLiteral("Farbset"));
    if (title.isEmpty())
        return;
    if (!printerReady())
        return;
    if (!soundcolours::printColourSheet(m_printer, title, m_state.colours)) {
        m_dialogs.inform(platform::printFailedMessage(), kPrintTitle);
        return;
    }
    m_dialogs.inform(kPrintingMessage, kPrintTitle);
}

void SoundCommands::printTextPage()
{
    if (m_editor.printerLocked()) {
        m_dialogs.inform(QStringLiteral("Drucker ist deaktiviert.\r\r"), kPrintTitle);
        return;
    }
    if (!m_dialogs.ask(QStringLiteral("Den Text jetzt audrucken?\r"), QStringLiteral("Textdruck")))
        return;
    if (!printerReady())
        return;
    m_preview.setSel(0, m_preview.length());
    const std::unique_ptr<QTextDocument> selection = m_preview.selectionAsDocument();
    if (!m_printer.printDocument(*selection)) {
        m_dialogs.inform(platform::printFailedMessage(), kPrintTitle);
        return;
    }
    m_dialogs.inform(kPrintingMessage, kPrintTitle);
}

void SoundCommands::copyText()
{
    m_clipboard.clear();
    m_clipboard.setText(m_preview.text());
    m_dialogs.inform(QStringLiteral("Der Text wurde in die Ablage kopiert.\r (Formatierung geht dabei verloren.)\r"),
                     QStringLiteral("Kopieren"));
}

void SoundCommands::saveText()
{
    const QString answer = m_dialogs.input(
        QStringLiteral("Geben Sie einen Namen für die Datei ein.\rDer Text wird im RTF-Format gespeichert."),
        QStringLiteral("Textseite speichern"), QStringLiteral("KOLORAT.RTF"));
    if (answer.isEmpty())
        return;
    const QString name = answer.toUpper();
    if (textcore::IsReservedHelpFileName(view(name))) {
        m_dialogs.inform(
            QStringLiteral("Der Dateiname KOLORATHELP.RTF ist\rfür die KOLORAT-Hilfedatei reserviert.\r\r"),
            kBadNameTitle);
        return;
    }
    // Every text lives in the current folder: a name with a folder in it
    // would write somewhere the browser never shows.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".")
        || name == QLatin1String("..")) {
        m_dialogs.inform(QStringLiteral("Der Dateiname darf keinen Ordner enthalten:\r") + name
                             + QStringLiteral("\r\r"),
                         kBadNameTitle);
        return;
    }

    const QString path = QDir(m_editor.currentFolder()).filePath(name);
    bool exists = QFileInfo::exists(path);
    for (const QString &listed : m_editor.listedFileNames())
        exists = exists || listed.toUpper() == name;
    if (exists
        && !m_dialogs.ask(QStringLiteral("Eine Datei mit diesem Namen ist schon vorhanden!\rWollen Sie die vorhandene "
                                         "Datei hiermit ersetzen?\r\r"),
                          name))
        return;

    QString error;
    if (!m_preview.saveFile(path, platform::FileKind::Rtf, &error)) {
        m_dialogs.inform(error + QStringLiteral("\r\r"), QStringLiteral("Dateifehler"), platform::Icon::Critical);
        return;
    }
    // The editor reports its own failure; the file is saved either way.
    m_editor.loadRtfIntoWorkingText(path);
    m_dialogs.inform(name + QStringLiteral(" wurde gespeichert.\r\r"), QStringLiteral("Textdatei sichern"),
                     platform::Icon::Information);
    m_editor.refreshFileList();
}

bool SoundCommands::enterSpecialGroups()
{
    const QString answer = m_dialogs.input(
        QStringLiteral("Geben Sie jetzt alle Sonderzeichen ein.\rDie Zeichen bitte mit Komma abtrennen."),
        QStringLiteral("Sonderzeichen"), QStringLiteral("ß,chs,"));
    if (answer.isEmpty())
        return false;
    m_state.specialGroupsText = answer.toStdU16String();
    return true;
}

} // namespace soundcolours
