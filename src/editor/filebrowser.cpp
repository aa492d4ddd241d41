#include "editor/filebrowser.h"

#include "editor/separators.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/filelistbox.h"
#include "platform/result.h"
#include "platform/richtextfield.h"
#include "session/session.h"
#include "textcore/colourreadback.h"
#include "textcore/colourwindowrules.h"

#include <QDir>
#include <QPushButton>

namespace editor {

namespace {

const QString kUnsavedTitle = QStringLiteral("Ungesicherter Text");
const QString kInitialPattern = QStringLiteral("*.RTF;*.TXT");

} // namespace

FileBrowser::FileBrowser(platform::FileListBox &files, const FilterButtons &filters, platform::RichTextField &field,
                         session::Session &session, platform::Dialogs &dialogs, Separators &separators, QObject *parent)
    : QObject(parent), m_files(files), m_field(field), m_session(session), m_dialogs(dialogs), m_separators(separators)
{
    m_files.setPath(m_session.folder());
    m_files.setPattern(QStringLiteral("*.ZAF"));
    m_files.setPattern(kInitialPattern);
    const std::pair<QPushButton *, QString> filterPatterns[] = {
        {filters.rtf, QStringLiteral("*.RTF")},
        {filters.all, QStringLiteral("*.TXT;*.RTF")},
        {filters.txt, QStringLiteral("*.TXT")},
    };
    for (const auto &[button, pattern] : filterPatterns)
        connect(button, &QPushButton::clicked, this, [this, filter = pattern] { m_files.setPattern(filter); });
    connect(&m_files, &platform::FileListBox::fileClicked, this, &FileBrowser::loadSelectedFile);
    connect(&m_field, &platform::RichTextField::changed, this, &FileBrowser::onTextChange);
}

void FileBrowser::refresh(const QString &pattern)
{
    // Passing through a pattern that matches nothing makes the browser read
    // the folder again even when the pattern stays the same.
    m_files.setPattern(QStringLiteral("*.ZAF"));
    m_files.setPattern(pattern);
}

void FileBrowser::refresh()
{
    refresh(kInitialPattern);
}

QStringList FileBrowser::listedFileNames() const
{
    return m_files.fileNames();
}

void FileBrowser::loadSelectedFile()
{
    if (m_files.selectedIndex() < 0)
        return;
    if (m_textChanged
        && m_dialogs.ask(QStringLiteral("Dieses Textfeld wurde geändert!\rDie Änderungen gehen verloren!\r\r"
                                        "Wollen Sie nochmals abbrechen?\r\r"),
                         kUnsavedTitle, platform::Answer::Yes))
        return;
    const int index = m_files.selectedIndex();
    if (index < 0)
        return;
    const QString name = m_files.fileName(index);

    m_field.setText(QString());
    if (m_separators.visible())
        m_separators.hide();
    if (m_separators.clickMode())
        m_separators.toggleClickMode();

    // The browser matches names without regard to case, so «brief.txt» is a
    // text file too; the file itself is opened by its real name.
    const QString kindName = name.toUpper();
    bool loaded = false;
    if (kindName.endsWith(QStringLiteral(".RTF")))
        loaded = loadFileIntoField(m_session.folder() + name, platform::FileKind::Rtf);
    else if (kindName.endsWith(QStringLiteral(".TXT")))
        loaded = loadFileIntoField(m_session.folder() + name, platform::FileKind::PlainText);

    emit info(QStringLiteral("Sie können den Text jetzt bearbeiten."));
    m_textChanged = false;
    // Nothing read, nothing to take over: an unreadable file must not turn
    // every colour setting black.
    if (loaded)
        readColoursFromText();
}

bool FileBrowser::loadFileIntoField(const QString &path, platform::FileKind kind, bool asOneUndoStep)
{
    const textcore::Result<> loaded = m_field.loadFile(path, kind,
                                                       asOneUndoStep ? platform::RichTextField::History::OneStep
                                                                     : platform::RichTextField::History::Cleared);
    if (loaded.ok())
        return true;
    m_dialogs.inform(platform::messageOf(loaded), QStringLiteral("Dateifehler"), platform::Icon::Exclamation);
    return false;
}

bool FileBrowser::loadRtf(const QString &path)
{
    return loadFileIntoField(path, platform::FileKind::Rtf);
}

void FileBrowser::readColoursFromText()
{
    const std::vector<textcore::Colour> colours = m_field.coloursOfAllPositions();
    const textcore::ColourReadBack found = textcore::ReadColoursFromText(m_field.text().toStdU16String(), colours);
    found.applyTo(m_session.sound().colours);
    m_session.syllables().colours = found.syllableColours;
}

void FileBrowser::newText()
{
    if (m_textChanged
        && m_dialogs.ask(QStringLiteral("Dieses Textfeld wurde verändert!\rDie Änderungen gehen verloren!\r\r"
                                        "Möchten Sie nochmals abbrechen?\r\r"),
                         kUnsavedTitle))
        return;
    m_field.setText(QString());
    m_textChanged = false;
}

QString FileBrowser::helpFilePath() const
{
    // Names compared without case, as in the file browser.
    const QString helpName = QString::fromStdU16String(std::u16string(textcore::kHelpFileName));
    const QString &folder = m_session.folder();
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString &name : names)
        if (name.toUpper() == helpName)
            return folder + name;
    return platform::findHelpFile(folder);
}

void FileBrowser::showHelpText()
{
    const QString path = helpFilePath();
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

void FileBrowser::onTextChange()
{
    m_textChanged = true;
    if (m_field.length() != 0)
        return;
    m_files.setSelectedIndex(-1);
    emit info(QStringLiteral("Geben Sie jetzt den Text ein. Am besten gibt man die Trennzeichen am Schluss ein, "
                             "dann kann im Klickmodus gearbeitet werden."));
}

} // namespace editor
