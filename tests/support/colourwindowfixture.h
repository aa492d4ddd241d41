#pragma once
// One colour window (sound or syllable) with every service replaced by a
// test double: the editor's field holds the WorkingText, the folder is a
// fresh temporary one, boxes are scripted, printer and clipboard record,
// timers fire when the test says so. transcript() writes down what the
// window did since the last call, for a golden file.
#include "platform/richtextfield.h"
#include "session/session.h"
#include "support/manualtimers.h"
#include "support/recordingclipboard.h"
#include "support/recordingprinter.h"
#include "support/recordingrequests.h"
#include "support/scripteddialogs.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// The editor as a colour window uses it: its field is the WorkingText.
class FieldEditor : public RecordingRequests {
public:
    platform::RichTextField field;
    QStringList listed;
    QStringList loaded;
    int refreshes = 0;

    QStringList listedFileNames() const override { return listed; }
    void refreshFileList() override { ++refreshes; }
    bool loadRtfIntoWorkingText(const QString &path) override;
};

// "|" stands for the soft hyphen that marks a syllable boundary.
QString marked(QString text);

// What the doubles saw since the last call, one line per box, print call,
// clipboard text, loaded file and editor showing.
class Transcript {
public:
    QString take(const ScriptedDialogs &dialogs, const RecordingPrinter &printer, const RecordingClipboard &clipboard,
                 const FieldEditor &editor, const QString &folder);

private:
    qsizetype m_dialogs = 0, m_prints = 0, m_loaded = 0, m_showings = 0;
    int m_clipboardSets = 0, m_refreshes = 0;
};

template<typename Window>
struct ColourWindowFixture {
    QTemporaryDir folder;
    FieldEditor editor;
    session::Session shared{folder.path() + QLatin1Char('/')};
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    ManualTimers timers;
    std::unique_ptr<Window> window;
    Transcript log;

    ColourWindowFixture()
    {
        shared.workingText().attach(editor.field);
        shared.setRequests(&editor);
        shared.setPrinterLocked(false);
        window = std::make_unique<Window>(shared, dialogs, printer, clipboard, timers);
    }

    // The editor hands `text` over and opens the window; the delayed copy runs.
    void open(const QString &text)
    {
        editor.field.setText(marked(text));
        window->openAt(QPoint(40, 30));
        timers.fireAll();
    }

    QString transcript() { return log.take(dialogs, printer, clipboard, editor, folder.path()); }
};

} // namespace testsupport
