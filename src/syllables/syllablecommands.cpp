// The menu commands of the syllable colour window that print, copy, save
// and leave, and its help message.
#include "syllables/syllablecolourwindow.h"

#include "platform/colouredtextsave.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "syllables/tablepanel.h"
#include "textcore/colourwindowrules.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace syllables {

namespace {

const QString kPrintTitle = QStringLiteral("Drucken");
const QString kPrinting = QStringLiteral("Die Daten werden gedruckt ...\r\r");

} // namespace

bool SyllableColourWindow::refusedWhilePrinterLocked()
{
    if (m_session.printerLocked()) {
        m_dialogs.inform(QStringLiteral("Drucker ist deaktiviert.\r\r"), kPrintTitle);
        return true;
    }
    if (!m_printer.available()) {
        m_dialogs.inform(platform::noPrinterMessage(), kPrintTitle);
        return true;
    }
    return false;
}

void SyllableColourWindow::printSyllableTable()
{
    if (m_tablePanel->isHidden())
        showTable();
    if (refusedWhilePrinterLocked())
        return;
    if (!m_dialogs.ask(QStringLiteral("Die Silbentabelle jetzt drucken?\r"), QStringLiteral("Silbendruck")))
        return;
    m_printer.setPosition(0, 0);
    m_printer.setFont(m_tablePanel->tableFontName(), m_tablePanel->tableFontSize());
    m_printer.printText(m_tablePanel->tableText());
    if (!m_printer.endDocument()) {
        m_dialogs.inform(platform::printFailedMessage(), kPrintTitle, platform::Icon::Exclamation);
        return;
    }
    m_dialogs.inform(kPrinting, kPrintTitle);
}

void SyllableColourWindow::printTextPage()
{
    if (refusedWhilePrinterLocked())
        return;
    if (!m_dialogs.ask(QStringLiteral("Den Text jetzt ausdrucken?\r"), QStringLiteral("Textdruck")))
        return;
    m_textField->setSel(0, m_textField->length());
    const std::unique_ptr<QTextDocument> document = m_textField->selectionAsDocument();
    if (!m_printer.printDocument(*document)) {
        m_dialogs.inform(platform::printFailedMessage(), kPrintTitle, platform::Icon::Exclamation);
        return;
    }
    m_dialogs.inform(kPrinting, kPrintTitle);
}

void SyllableColourWindow::copyText()
{
    platform::copyPlainText(*m_textField, m_clipboard, m_dialogs);
}

void SyllableColourWindow::saveColouredText()
{
    platform::saveColouredText(*m_textField, m_dialogs,
                               {m_session.folder(), m_session.requests().listedFileNames(),
                                [this](const QString &path) { m_session.requests().loadRtfIntoWorkingText(path); },
                                [this] { m_session.requests().refreshFileList(); }});
}

void SyllableColourWindow::leaveWithQuestion()
{
    if (m_dialogs.ask(QStringLiteral("Die Farben so übernehmen?\r\r"), QStringLiteral("Silbenfarben")))
        m_session.workingText().applyColours(m_textField->coloursOfAllPositions());
    leave();
}

void SyllableColourWindow::leave()
{
    hideTable();
    m_textField->setText(QString());
    const QPoint corner = pos();
    hide();
    m_session.requests().showEditor(corner);
}

void SyllableColourWindow::closeEvent(QCloseEvent *event)
{
    // The window lives for the whole run; the close box only hides it and
    // leaves the editor where it was. A hidden window has nothing to
    // refuse (the program closing all its windows at the end).
    if (!isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
    m_session.requests().showEditor(std::nullopt);
}

void SyllableColourWindow::showHelp()
{
    m_dialogs.inform(QString::fromStdU16String(std::u16string(textcore::ColourWindowHelpText())),
                     QStringLiteral("Silben einstellen"));
}

} // namespace syllables
