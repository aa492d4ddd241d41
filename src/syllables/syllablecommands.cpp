// The menu commands of the syllable colour window that print, copy, save
// and leave, and its help message.
#include "syllables/syllablecolourwindow.h"

#include "platform/clipboard.h"
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
    if (session_.printerLocked()) {
        dialogs_.inform(QStringLiteral("Drucker ist deaktiviert.\r\r"), kPrintTitle);
        return true;
    }
    if (!printer_.available()) {
        dialogs_.inform(platform::noPrinterMessage(), kPrintTitle);
        return true;
    }
    return false;
}

void SyllableColourWindow::printSyllableTable()
{
    if (tablePanel_->isHidden())
        showTable();
    if (refusedWhilePrinterLocked())
        return;
    if (!dialogs_.ask(QStringLiteral("Die Silbentabelle jetzt drucken?\r"), QStringLiteral("Silbendruck")))
        return;
    printer_.setPosition(0, 0);
    printer_.setFont(tablePanel_->tableFontName(), tablePanel_->tableFontSize());
    printer_.printText(tablePanel_->tableText());
    if (!printer_.endDocument()) {
        dialogs_.inform(platform::printFailedMessage(), kPrintTitle, platform::Icon::Exclamation);
        return;
    }
    dialogs_.inform(kPrinting, kPrintTitle);
}

void SyllableColourWindow::printTextPage()
{
    if (refusedWhilePrinterLocked())
        return;
    if (!dialogs_.ask(QStringLiteral("Den Text jetzt ausdrucken?\r"), QStringLiteral("Textdruck")))
        return;
    textField_->setSel(0, textField_->length());
    const std::unique_ptr<QTextDocument> document = textField_->selectionAsDocument();
    if (!printer_.printDocument(*document)) {
        dialogs_.inform(platform::printFailedMessage(), kPrintTitle, platform::Icon::Exclamation);
        return;
    }
    dialogs_.inform(kPrinting, kPrintTitle);
}

void SyllableColourWindow::copyText()
{
    clipboard_.clear();
    clipboard_.setText(textField_->text());
    dialogs_.inform(QStringLiteral("Der Text wurde in die Ablage kopiert.\r (Formatierung geht dabei verloren.)\r"),
                    QStringLiteral("Kopieren"));
}

void SyllableColourWindow::saveColouredText()
{
    platform::saveColouredText(*textField_, dialogs_,
                               {session_.folder(), session_.requests().listedFileNames(),
                                [this](const QString &path) { session_.requests().loadRtfIntoWorkingText(path); },
                                [this] { session_.requests().refreshFileList(); }});
}

void SyllableColourWindow::leaveWithQuestion()
{
    if (dialogs_.ask(QStringLiteral("Die Farben so übernehmen?\r\r"), QStringLiteral("Silbenfarben")))
        session_.workingText().applyColours(textField_->coloursOfAllPositions());
    leave();
}

void SyllableColourWindow::leave()
{
    hideTable();
    textField_->setText(QString());
    const QPoint corner = pos();
    hide();
    session_.requests().showEditor(corner);
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
    session_.requests().showEditor(std::nullopt);
}

void SyllableColourWindow::showHelp()
{
    dialogs_.inform(QString::fromStdU16String(std::u16string(textcore::ColourWindowHelpText())),
                    QStringLiteral("Silben einstellen"));
}

} // namespace syllables
