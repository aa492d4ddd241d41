#pragma once
// One sound colour window with every service replaced by a test double.
#include "platform/clipboard.h"
#include "platform/printer.h"
#include "platform/timers.h"
#include "session/session.h"
#include "soundcolours/soundcolourwindow.h"
#include "soundcolours/support/fakeeditor.h"
#include "support/manualtimers.h"
#include "support/recordingclipboard.h"
#include "support/recordingprinter.h"
#include "support/scripteddialogs.h"
#include "textcore/colour.h"

#include <QString>

#include <memory>
#include <vector>

struct Harness {
    Harness();

    // Puts `text` into the WorkingText, opens the window and lets its
    // 200 ms delay run out, as the editor's menu does.
    void openWith(const QString &text);

    // The preview's colour at every position.
    std::vector<textcore::Colour> previewColours() const;

    FakeEditor editor;
    session::Session shared{editor.folder.path()};
    session::SoundColourState &state = shared.sound();
    session::OfferedFonts &fonts = shared.fonts();
    testsupport::ScriptedDialogs dialogs;
    testsupport::RecordingPrinter printer;
    testsupport::RecordingClipboard clipboard;
    testsupport::ManualTimers timers;
    std::unique_ptr<soundcolours::SoundColourWindow> window;
};

// The sample texts of tests/data/soundcolours, read as UTF-8.
QString sampleText(const QString &name);
