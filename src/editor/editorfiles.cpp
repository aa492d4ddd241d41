// The file browser, loading texts, the unsaved-text questions, change
// tracking and the sentence list.
#include "editor/editorwindow.h"

#include "platform/dialogs.h"
#include "platform/filelistbox.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "textcore/colourreadback.h"

namespace editor {

namespace {

const QString kUnsavedTitle = QStringLiteral("Ungesicherter Text");
const QString kInitialPattern = QStringLiteral("*.RTF;*.TXT");

} // namespace

void EditorWindow::setFilter(const QString &pattern)
{
    m_files->setPattern(pattern);
}

void EditorWindow::refreshFileList(const QString &pattern)
{
    // Passing through a pattern that matches nothing makes the browser read
    // the folder again even when the pattern stays the same.
    m_files->setPattern(QStringLiteral("*.ZAF"));
    m_files->setPattern(pattern);
}

void EditorWindow::refreshFileList()
{
    refreshFileList(kInitialPattern);
}

QStringList EditorWindow::listedFileNames() const
{
    return m_files->fileNames();
}

void EditorWindow::loadSelectedFile()
{
    if (m_files->selectedIndex() < 0)
        return;
    if (m_textChanged
        && m_dialogs.ask(QStringLiteral("Dieses Textfeld wurde geändert!\rDie Änderungen gehen verloren!\r\r"
                                        "Wollen Sie nochmals abbrechen?\r\r"),
                         kUnsavedTitle, platform::Answer::Yes))
        return;
    const int index = m_files->selectedIndex();
    if (index < 0)
        return;
    const QString name = m_files->fileName(index);

    m_field->setText(QString());
    if (m_separatorsVisible)
        toggleSeparators();
    if (m_clickMode)
        toggleClickMode();

    // The browser matches names without regard to case, so «brief.txt» is a
    // text file too; the file itself is opened by its real name.
    const QString kindName = name.toUpper();
    bool loaded = false;
    if (kindName.endsWith(QStringLiteral(".RTF")))
        loaded = loadFileIntoField(m_session.folder() + name, platform::FileKind::Rtf);
    else if (kindName.endsWith(QStringLiteral(".TXT")))
        loaded = loadFileIntoField(m_session.folder() + name, platform::FileKind::PlainText);

    setInfo(QStringLiteral("Sie können den Text jetzt bearbeiten."));
    m_textChanged = false;
    // Nothing read, nothing to take over: an unreadable file must not turn
    // every colour setting black.
    if (loaded)
        readColoursFromText();
}

bool EditorWindow::loadFileIntoField(const QString &path, platform::FileKind kind, bool asOneUndoStep)
{
    const textcore::Result<> loaded = m_field->loadFile(path, kind,
                                                        asOneUndoStep ? platform::RichTextField::History::OneStep
                                                                      : platform::RichTextField::History::Cleared);
    if (loaded.ok())
        return true;
    m_dialogs.inform(platform::messageOf(loaded), QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
    return false;
}

bool EditorWindow::loadRtfIntoWorkingText(const QString &path)
{
    return loadFileIntoField(path, platform::FileKind::Rtf);
}

void EditorWindow::readColoursFromText()
{
    const std::vector<textcore::Colour> colours = m_field->coloursOfAllPositions();
    const textcore::ColourReadBack found = textcore::ReadColoursFromText(m_field->text().toStdU16String(), colours);
    found.applyTo(m_session.sound().colours);
    m_session.syllables().colours = found.syllableColours;
}

void EditorWindow::newText()
{
    if (m_textChanged
        && m_dialogs.ask(QStringLiteral("Dieses Textfeld wurde verändert!\rDie Änderungen gehen verloren!\r\r"
                                        "Möchten Sie nochmals abbrechen?\r\r"),
                         kUnsavedTitle))
        return;
    m_field->setText(QString());
    m_textChanged = false;
}

void EditorWindow::onTextChange()
{
    m_textChanged = true;
    // The word marks would no longer match the text.
    stopReading();
    if (m_field->length() != 0)
        return;
    m_files->setSelectedIndex(-1);
    setInfo(QStringLiteral("Geben Sie jetzt den Text ein. Am besten gibt man die Trennzeichen am Schluss ein, "
                           "dann kann im Klickmodus gearbeitet werden."));
}

void EditorWindow::buildSentenceList()
{
    m_session.workingText().buildSentenceList();
}

} // namespace editor
