#include "soundcolours/soundcommands.h"

#include "platform/colouredtextsave.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "soundcolours/coloursheet.h"

#include <QTextDocument>

namespace soundcolours {

namespace {

const QString kPrintTitle = QStringLiteral("Drucken");
const QString kPrintingMessage = QStringLiteral("Die Daten werden gedruckt ...\r\r");

} // namespace

SoundCommands::SoundCommands(session::Session &session, platform::RichTextField &preview, platform::Dialogs &dialogs,
                             platform::Printer &printer, platform::Clipboard &clipboard)
    : m_session(session), m_state(session.sound()), m_preview(preview), m_dialogs(dialogs), m_printer(printer),
      m_clipboard(clipboard)
{}

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
    const QString title
        = m_dialogs.input(QStringLiteral("Eine Bezeichnung für\rdas Farbset angeben:"),
                          QStringLiteral("Farbwerte drucken (Abbruch mit Leereingabe)"), QStringLiteral("Farbset"));
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
    if (m_session.printerLocked()) {
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
    platform::copyPlainText(m_preview, m_clipboard, m_dialogs);
}

void SoundCommands::saveText()
{
    platform::saveColouredText(m_preview, m_dialogs,
                               {m_session.folder(), m_session.requests().listedFileNames(),
                                [this](const QString &path) { m_session.requests().loadRtfIntoWorkingText(path); },
                                [this] { m_session.requests().refreshFileList(); }});
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
