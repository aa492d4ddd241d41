#pragma once
// Saving the working text ("Sichern": RTF, TXT with soft hyphens, plain
// text without them, a PDF worksheet) and printing it. Every save asks for a
// name, refuses the help file's, asks before replacing any file of the
// folder and leaves the separators hidden.
#include <QObject>
#include <QString>

namespace platform {
class Dialogs;
class Printer;
class RichTextField;
} // namespace platform
namespace session {
class Session;
}

namespace editor {

class FileBrowser;
class Separators;

class Saving : public QObject {
    Q_OBJECT
public:
    Saving(platform::RichTextField &field, session::Session &session, platform::Dialogs &dialogs,
           Separators &separators, FileBrowser &files, QObject *parent = nullptr);

    // Where "Drucken" prints; without one, printing says there is no printer.
    void setPrinter(platform::Printer *printer) { m_printer = printer; }

public slots:
    void saveAsRtf();
    void saveAsTxt();
    void saveUnformatted();
    void saveAsPdf();
    void printText();

signals:
    void info(const QString &text);

private:
    enum class Kind {
        Rtf,
        Txt,
        Unformatted,
        Pdf
    };
    void save(Kind kind);
    bool fileExistsInFolder(const QString &upperName) const;

    platform::RichTextField &m_field;
    session::Session &m_session;
    platform::Dialogs &m_dialogs;
    Separators &m_separators;
    FileBrowser &m_files;
    platform::Printer *m_printer = nullptr;
};

} // namespace editor
