#pragma once
// Everything the syllable colour window needs, as doubles: an editor with a
// real working text field, scripted boxes, a recording printer and
// clipboard, and timers the test fires.
#include "../support/recordingeditor.h"

#include "fonts/offeredfonts.h"
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/richtextfield.h"
#include "platform/scripteddialogs.h"
#include "platform/timers.h"
#include "soundcolours/soundcolourstate.h"
#include "syllables/syllablecolourwindow.h"
#include "syllables/syllablestate.h"

#include <QString>

#include <memory>

namespace syllabletest {

// The editor as far as this window uses it: its field holds the
// WorkingText, the rest is recorded.
class FieldEditor : public testsupport::RecordingEditor {
public:
    platform::RichTextField field;
    bool locked = false;
    QString folder;
    QStringList listed;
    QStringList loaded;
    int refreshes = 0;

    platform::RichTextField &workingTextField() override { return field; }
    bool printerLocked() const override { return locked; }
    QString currentFolder() const override { return folder; }
    QStringList listedFileNames() const override { return listed; }
    void refreshFileList() override { ++refreshes; }
    bool loadRtfIntoWorkingText(const QString &path) override
    {
        loaded.append(path);
        return field.loadFile(path, platform::FileKind::Rtf);
    }
};

// "|" stands for the soft hyphen that marks a syllable boundary.
inline QString marked(QString text)
{
    return text.replace(QLatin1Char('|'), QChar(0xAD));
}

struct WindowFixture {
    syllables::SyllableState state;
    soundcolours::SoundColourState soundState;
    fonts::OfferedFonts offered;
    FieldEditor editor;
    platform::ScriptedDialogs dialogs;
    platform::RecordingPrinter printer;
    platform::RecordingClipboard clipboard;
    platform::ManualTimers timers;
    std::unique_ptr<syllables::SyllableColourWindow> window;

    // Prints on `otherPrinter` (a PDF, say) when one is given.
    explicit WindowFixture(platform::Printer *otherPrinter = nullptr)
    {
        window = std::make_unique<syllables::SyllableColourWindow>(
            state, soundState, offered, editor, dialogs, otherPrinter ? *otherPrinter : printer, clipboard, timers);
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
