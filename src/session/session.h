#pragma once
// The program's shared state: what more than one window reads or changes
// during a run. The colour and font holders are filled from KOLORAT.INI at
// start-up, before the windows that show them exist, and written back on a
// confirmed exit. Windows reach each other only through this object.
#include "session/offeredfonts.h"
#include "session/requests.h"
#include "session/soundcolourstate.h"
#include "session/syllablestate.h"
#include "session/workingtext.h"
#include "textcore/colour.h"
#include "textcore/separators.h"

#include <QString>

namespace session {

// The syllable separator the editor shows and sets, and its colour.
struct Separator {
    QString mark = QStringLiteral("-");
    textcore::Colour colour = textcore::kRed;

    // The mark the text shows: a blank separator line in the settings
    // leaves the mark empty, and converting to "nothing" would delete every
    // boundary, so a stand-in takes its place.
    char16_t visibleMark() const { return textcore::visibleSeparator(mark.toStdU16String()); }
};

// What writing KOLORAT.INI came to.
enum class SettingsWrite {
    Written,
    // A file not read whole could not be kept as KOLORAT.INI.BAK; it stays
    // as it was and nothing is written.
    NotKeptAside,
    NotWritten,
};

class Session {
public:
    // `folder` is the program's current folder: KOLORAT.INI and every text
    // are loaded from and saved to it.
    explicit Session(const QString &folder);
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // The folder, ending with '/'.
    const QString &folder() const { return m_folder; }

    SoundColourState &sound() { return m_sound; }
    const SoundColourState &sound() const { return m_sound; }
    SyllableState &syllables() { return m_syllables; }
    const SyllableState &syllables() const { return m_syllables; }
    OfferedFonts &fonts() { return m_fonts; }
    const OfferedFonts &fonts() const { return m_fonts; }
    Separator &separator() { return m_separator; }
    const Separator &separator() const { return m_separator; }
    WorkingText &workingText() { return m_workingText; }
    const WorkingText &workingText() const { return m_workingText; }

    // "Extras" > "Drucker sperren": on at start.
    bool printerLocked() const { return m_printerLocked; }
    void setPrinterLocked(bool locked) { m_printerLocked = locked; }

    // Who answers the windows' requests; until one is set, nobody does.
    Requests &requests() { return *m_requests; }
    void setRequests(Requests *requests);

    // Reads KOLORAT.INI: what was read replaces the current values, a
    // broken file keeps the rest. False when the file is missing or broken.
    bool readSettings();
    // Writes KOLORAT.INI atomically. A file that was not taken over whole is
    // first kept aside as KOLORAT.INI.BAK, so nothing of it is lost.
    SettingsWrite writeSettings();

private:
    QString m_folder;
    SoundColourState m_sound;
    SyllableState m_syllables;
    OfferedFonts m_fonts;
    Separator m_separator;
    WorkingText m_workingText;
    bool m_printerLocked = true;
    bool m_settingsToKeep = false;
    Requests *m_requests;
};

} // namespace session
