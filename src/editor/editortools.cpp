// Handing the WorkingText over to the other windows, the help text and the
// two text tools of the menu "Extras".
#include "editor/editorwindow.h"

#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "textcore/colourwindowrules.h"
#include "textcore/edittools.h"

#include <QDir>
#include <QFileInfo>

namespace editor {

namespace {

const QString kHelpFileName = QString::fromStdU16String(std::u16string(textcore::kHelpFileName));

// The help text "Anleitung" loads: the folder's own file wins (names
// compared without case, as in the file browser), then the one installed
// with the program. Empty when there is none.
QString helpFilePath(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &name : names)
        if (name.toUpper() == kHelpFileName)
            return folder + name;
    return platform::findHelpFile(folder);
}

} // namespace

bool EditorWindow::prepareHandOver(const QString &emptyTextTitle)
{
    // Whatever separators were typed, the other window sees soft hyphens in
    // the separator colour; OnActivate restores the display on return.
    applySeparator();
    hideSeparators();
    if (m_field->length() == 0) {
        m_dialogs.inform(QStringLiteral("Es ist kein Text vorhanden!\r\r"), emptyTextTitle);
        return false;
    }
    buildSentenceList();
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

void EditorWindow::showHelpText()
{
    const QString path = helpFilePath(m_session.folder());
    if (path.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Die Hilfedatei ''KOLORATHELP.RTF'' wurde nicht gefunden.\r"
                                        "Sie gehört in den aktuellen Ordner oder zum installierten Programm.\r"),
                         QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
        return;
    }
    // The replaced text, colours and all, comes back with one undo step.
    if (!loadFileIntoField(path, platform::FileKind::Rtf, true))
        return;
    m_textChanged = false;
}

void EditorWindow::showAuthorNote()
{
    // Only what the build and the folder tell: no address or author that
    // nobody answers for.
    const QString licence = QStringLiteral(KOLORAT_LICENCE);
    const QString help = helpFilePath(m_session.folder());
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
