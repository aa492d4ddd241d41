// Handing the working text over to the other windows, the author note, the
// two text tools of the menu "Extras", and what the other windows ask of the
// editor.
#include "editor/editorwindow.h"

#include "editor/filebrowser.h"
#include "editor/separators.h"
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "textcore/colourwindowrules.h"
#include "textcore/edittools.h"

#include <QDir>

namespace editor {

namespace {

const QString kHelpFileName = QString::fromStdU16String(std::u16string(textcore::kHelpFileName));

} // namespace

QStringList EditorWindow::listedFileNames() const
{
    return m_fileBrowser->listedFileNames();
}

void EditorWindow::refreshFileList()
{
    m_fileBrowser->refresh();
}

bool EditorWindow::loadRtfIntoWorkingText(const QString &path)
{
    return m_fileBrowser->loadRtf(path);
}

bool EditorWindow::prepareHandOver(const QString &emptyTextTitle)
{
    m_separators->prepareHandOver();
    if (m_field->length() == 0) {
        m_dialogs.inform(QStringLiteral("Es ist kein Text vorhanden!\r\r"), emptyTextTitle);
        return false;
    }
    m_session.workingText().buildSentenceList();
    return true;
}

void EditorWindow::handOver(const OpenWindowHook &hook)
{
    if (!hook)
        return;
    const QPoint topLeft = pos();
    hide();
    hook(topLeft);
}

void EditorWindow::openSoundColours()
{
    if (prepareHandOver(QStringLiteral("Tintaro")))
        handOver(m_hooks.openSoundColours);
}

void EditorWindow::openSyllableColours()
{
    if (prepareHandOver(QStringLiteral("Tintaro")))
        handOver(m_hooks.openSyllableColours);
}

void EditorWindow::openSoundTrainer()
{
    if (prepareHandOver(QStringLiteral("Kolorat")))
        handOver(m_hooks.openSoundTrainer);
}

void EditorWindow::openSyllableTrainer()
{
    if (prepareHandOver(QStringLiteral("Kolorat")))
        handOver(m_hooks.openSyllableTrainer);
}

void EditorWindow::openFontSelection()
{
    handOver(m_hooks.openFontSelection);
}

void EditorWindow::openAbout()
{
    handOver(m_hooks.openAbout);
}

void EditorWindow::showAuthorNote()
{
    // Only what the build and the folder tell: no address or author that
    // nobody answers for.
    const QString licence = QStringLiteral(KOLORAT_LICENCE);
    const QString help = m_fileBrowser->helpFilePath();
    m_dialogs.inform(
        QStringLiteral("Kolorat, farbige Lesehilfe, Version " KOLORAT_VERSION "\r\n") + QStringLiteral("Lizenz: ")
            + (licence.isEmpty() ? QStringLiteral("nicht angegeben") : licence) + QStringLiteral("\r\nHilfetext: ")
            + (help.isEmpty() ? QStringLiteral("nicht gefunden (") + kHelpFileName + QLatin1Char(')')
                              : QDir::toNativeSeparators(help)),
        QStringLiteral("Tintaro"));
}

void EditorWindow::searchReplace()
{
    const QString title = QStringLiteral("SuchenErsetzen");
    const QString find = m_field->selText();
    if (find.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Es ist kein Text markiert.\r"), title);
        return;
    }
    const QString replacement = m_dialogs.input(
        QStringLiteral("Gesuchter Text: ") + find + QStringLiteral("\rErsetzter Text:"), title, QString());
    const std::optional<std::u16string> result = textcore::SearchReplace(
        m_field->text().toStdU16String(), find.toStdU16String(), replacement.toStdU16String());
    if (result)
        m_field->setText(QString::fromStdU16String(*result), platform::RichTextField::History::OneStep);
}

void EditorWindow::filterCharacter()
{
    const QString answer = m_dialogs.input(QStringLiteral("Geben Sie das zu filternde Zeichen an:"),
                                           QStringLiteral("Textfilter"), QStringLiteral("\""));
    const std::optional<std::u16string> result
        = textcore::FilterCharacter(m_field->text().toStdU16String(), answer.toStdU16String());
    if (result)
        m_field->setText(QString::fromStdU16String(*result), platform::RichTextField::History::OneStep);
}

} // namespace editor
