#pragma once
// Everything the syllable colour window needs, as doubles: an editor with a
// real working text field, scripted boxes, a recording printer and
// clipboard, and timers the test fires.
#include "../support/recordingrequests.h"

#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "platform/timers.h"
#include "session/session.h"
#include "support/manualtimers.h"
#include "support/recordingclipboard.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"
#include "syllables/syllablecolourwindow.h"

#include <QString>

#include <memory>

namespace syllabletest {

// The editor as far as this window uses it: its field holds the
// WorkingText, the rest is recorded.
class FieldEditor : public testsupport::RecordingRequests {
public:
    platform::RichTextField field;
    QStringList listed;
    QStringList loaded;
    int refreshes = 0;

    QStringList listedFileNames() const override { return listed; }
    void refreshFileList() override { ++refreshes; }
    bool loadRtfIntoWorkingText(const QString &path) override
    {
        loaded.append(path);
        return field.loadFile(path, platform::FileKind::Rtf).ok();
    }
};

// "|" stands for the soft hyphen that marks a syllable boundary.
inline QString marked(QString text)
{
    return text.replace(QLatin1Char('|'), QChar(0xAD));
}

struct WindowFixture {
    FieldEditor editor;
    session::Session shared;
    session::SyllableState &state = shared.syllables();
    session::SoundColourState &soundState = shared.sound();
    session::OfferedFonts &offered = shared.fonts();
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrinter printer;
    testsupport::RecordingClipboard clipboard;
    testsupport::ManualTimers timers;
    std::unique_ptr<syllables::SyllableColourWindow> window;

    // Saves into `folder`; prints on `otherPrinter` (a PDF, say) when one is given.
    explicit WindowFixture(const QString &folder = QString(), platform::Printer *otherPrinter = nullptr)
        : shared(folder)
    {
        shared.workingText().attach(editor.field);
        shared.setRequests(&editor);
        shared.setPrinterLocked(false);
        window = std::make_unique<syllables::SyllableColourWindow>(
            shared, dialogs, otherPrinter ? *otherPrinter : printer, clipboard, timers);
    }

    // The editor hands `text` over and opens the window; the delayed copy runs.
    void open(const QString &text)
    {
        editor.field.setText(marked(text));
        window->openAt(QPoint(40, 30));
        timers.fireAll();
    }
};

} // namespace syllabletest
