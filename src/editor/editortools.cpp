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
    // The folder's own help file wins; names are compared without case, as
    // in the file browser. Without one, the help installed with the program.
    const QString &folder = m_session.folder();
    QString path;
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &name : names)
        if (name.toUpper() == kHelpFileName) {
            path = folder + name;
            break;
        }
    if (path.isEmpty())
        path = platform::findHelpFile(folder);
    if (path.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Die Hilfedatei ''KOLORATHELP.RTF'' wurde nicht gefunden.\r"
                                        "Sie gehört in den aktuellen Ordner oder zum installierten Programm.\r"),
                         QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
        return;
    }
    if (!loadFileIntoField(path, platform::FileKind::Rtf))
        return;
    m_textChanged = false;
}

void EditorWindow::searchReplace()
{
    const QString title = QStringLiteral("SuchenErsetzen");
    const QString find = m_field->selText();
    if (find.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Es ist kein Text markiert.\r"), title);
        return;
    }
    const QString replacement
        = m_dialogs.input(QStringLiteral("Gesuchter Text: ") + find + QStringLiteral("\rErsetzter Text:"), title, QString());
    const std::optional<std::u16string> result = textcore::SearchReplace(
        m_field->text().toStdU16String(), find.toStdU16String(), replacement.toStdU16String());
    if (result)
        m_field->setText(QString::fromStdU16String(*result));
}

void EditorWindow::filterCharacter()
{
    const QString answer = m_dialogs.input(QStringLiteral("Geben Sie das zu filternde Zeichen an:"),
                                           QStringLiteral("Textfilter"), QStringLiteral("\""));
    const std::optional<std::u16string> result
        = textcore::FilterCharacter(m_field->text().toStdU16String(), answer.toStdU16String());
    if (result)
        m_field->setText(QString::fromStdU16String(*result));
}

} // namespace editor
