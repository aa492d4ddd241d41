#pragma once
// The whole program headless: a temporary current folder, one script of
// dialog answers for every window's boxes, delays fired by the test, the
// clipboard and printer recorded, and the program's end counted instead of
// quitting the test.
#include "app/program.h"
#include "app/programwindows.h"
#include "editor/editorwindow.h"
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/timers.h"
#include "support/manualtimers.h"
#include "support/recordingclipboard.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"
#include "textcore/colour.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class QWidget;
namespace platform {
class RichTextField;
}

class ProgramFixture {
public:
    // The fonts the font window finds installed.
    static QStringList installedFonts();

    ProgramFixture();
    ~ProgramFixture();

    // Copies tests/data/<dataPath> into the current folder as <name>.
    void copyData(const QString &dataPath, const QString &name);
    QString path(const QString &name) const;
    QByteArray readFile(const QString &name) const;

    // Creates the program and its windows and runs the start-up step.
    // A settings error box is answered when `expectSettingsError`.
    void start(bool expectSettingsError = false);

    app::Program &program() { return *m_program; }
    editor::EditorWindow &editor() { return m_program->editor(); }
    app::ProgramWindows &windows() { return *m_windows; }
    platform::RichTextField &workingText();

    // Triggers the menu entry with this object name (or else this text) in
    // `window`; false when there is none or it is disabled.
    static bool trigger(QWidget &window, const QString &entryName);

    testsupport::ScriptedDialogs dialogs;
    testsupport::ManualTimers timers;
    testsupport::RecordingClipboard clipboard;
    testsupport::RecordingPrinter *printer = nullptr; // owned by the program
    int programEnds = 0;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<app::Program> m_program;
    std::unique_ptr<app::ProgramWindows> m_windows;
};

// The field a window shows its text in.
platform::RichTextField *readingField(QWidget &window);
