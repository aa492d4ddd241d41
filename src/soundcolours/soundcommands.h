#pragma once
// The sound colour window's menu commands that act on its colours and its
// coloured preview: colour sheet, text print, copy, save and the special
// letter groups.
#include <QString>

namespace platform {
class Clipboard;
class Dialogs;
class Printer;
class RichTextField;
} // namespace platform
namespace session {
class Session;
struct SoundColourState;
} // namespace session

namespace soundcolours {

class SoundCommands {
public:
    SoundCommands(session::Session &session, platform::RichTextField &preview, platform::Dialogs &dialogs,
                  platform::Printer &printer, platform::Clipboard &clipboard);

    // "Drucken" > "Farbwerte": asks, asks for a title, prints the sheet.
    // Prints also while the editor's printer lock is on.
    void printColourSheet();
    // "Drucken" > "Textseite": the whole preview with its colours and fonts.
    void printTextPage();
    // "Kopieren": the preview's plain text.
    void copyText();
    // "Sichern": the preview as an RTF file in the current folder, then
    // loaded into the editor.
    void saveText();
    // "Zeichen": asks for the special letter groups. True when they were
    // changed (the caller recolours the preview).
    bool enterSpecialGroups();

private:
    bool printerReady();

    session::Session &m_session;
    session::SoundColourState &m_state;
    platform::RichTextField &m_preview;
    platform::Dialogs &m_dialogs;
    platform::Printer &m_printer;
    platform::Clipboard &m_clipboard;
};

} // namespace soundcolours
