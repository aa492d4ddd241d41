#pragma once
// The file browser and what it loads: the filter buttons, loading the
// clicked file (after asking when the text was changed), "Neuer Text", the
// help text, and the change tracking those questions rest on. A loaded
// file's colours become the session's colours.
#include <QObject>
#include <QString>
#include <QStringList>

class QPushButton;

namespace platform {
class Dialogs;
class FileListBox;
class RichTextField;
enum class FileKind;
} // namespace platform
namespace session {
class Session;
}

namespace editor {

class Separators;

struct FilterButtons {
    QPushButton *rtf;
    QPushButton *all;
    QPushButton *txt;
};

class FileBrowser : public QObject {
    Q_OBJECT
public:
    FileBrowser(platform::FileListBox &files, const FilterButtons &filters, platform::RichTextField &field,
                session::Session &session, platform::Dialogs &dialogs, Separators &separators,
                QObject *parent = nullptr);

    // Reads the folder again under `pattern`, or the browser's first one.
    void refresh(const QString &pattern);
    void refresh();
    QStringList listedFileNames() const;
    // Loads an RTF file as the working text, as a colour window's save does.
    bool loadRtf(const QString &path);
    // The help text "Anleitung" loads: the folder's own file, else the one
    // installed with the program; empty when there is none.
    QString helpFilePath() const;

public slots:
    void loadSelectedFile();
    void newText();
    void showHelpText();

signals:
    void info(const QString &text);

private:
    void onTextChange();
    // Loads into the working text; an unreadable file is reported by name.
    // `asOneUndoStep`: the text it replaces comes back with one undo step.
    bool loadFileIntoField(const QString &path, platform::FileKind kind, bool asOneUndoStep = false);
    void readColoursFromText();

    platform::FileListBox &m_files;
    platform::RichTextField &m_field;
    session::Session &m_session;
    platform::Dialogs &m_dialogs;
    Separators &m_separators;
    bool m_textChanged = false;
};

} // namespace editor
