#pragma once
// KOLORAT.INI: the settings that outlive a run. The file has no keys; the
// meaning of a line is its position (lines counted from 1, as in the file):
//   1-8   the eight sound colours, in SoundClass order        (number)
//   9     the special letter groups text, commas kept          (whole line)
//   10-11 first and second syllable colour                     (number)
//   12    the syllable separator                               (input field)
//   13..  one offered font per line                            (input fields)
// Windows-1252, every line ending in CR LF. A number is written as its sign
// place (a blank) or minus sign, the digits and one blank (" 255 ").
//
// Reading rules:
// - Number lines: blanks are skipped; the number, with a minus sign in
//   front when it is negative, ends at a blank, a comma or the line end; only
//   blanks (after at most one comma) may follow it. Any 32-bit integer is
//   taken, as its lowest 24 bits (-1 is white): every such value is a colour
//   the windows can show. Anything else is a broken file.
// - Line 9 is taken whole.
// - Input fields (line 12 and the font lines): leading blanks are skipped and
//   a field ends at a comma or the line end, so a font name holding a comma
//   comes back as two fonts. Empty fields are skipped. Further fields after a
//   comma on line 12 are read as fonts, because the reader takes fields one
//   after another.
// - The separator is one character or none; a longer one is a broken file.
// - Fonts beyond the first 18 are left out (the font window holds no more);
//   the file still counts as read, but not as taken over whole.
// - Line ends may be CR LF, a lone CR or a lone LF.
// A broken file is read up to the first bad line; the values before it are
// kept, the rest stay at their defaults and the caller tells the user.
#include "textcore/soundcolours.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

constexpr std::size_t kMaxOfferedFonts = 18;
// Longer lines and larger files are not settings files.
constexpr std::size_t kMaxSettingsLineBytes = 4096;
constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

struct Settings {
    SoundColours soundColours;
    std::u16string specialGroupsText;
    SyllableColours syllableColours;
    std::u16string separator = u"-";
    std::vector<std::u16string> offeredFonts; // without "Arial" and "Verdana"

    bool operator==(const Settings &) const = default;
};

struct SettingsReadResult {
    Settings settings;            // defaults where reading did not get
    bool failed = false;          // missing, unreadable, too short or broken file
    std::size_t linesRead = 0;    // lines taken over before reading stopped
    std::size_t fontsLeftOut = 0; // fonts beyond the first 18

    // Everything the file holds was taken over: writing the settings back
    // loses nothing of it.
    bool takenOverWhole() const { return !failed && fontsLeftOut == 0; }
};

// Reads the settings from the bytes of a settings file.
SettingsReadResult parseSettings(std::string_view bytes);

// The bytes of a settings file for these values. Characters that
// Windows-1252 cannot hold are written as '?'; line breaks inside a value
// are written as blanks, since they would shift every following line.
std::string formatSettings(const Settings &settings);

// Takes over into `current` what a read got to before it stopped: a value
// replaces the current one only when its line was read (the offered fonts
// together with the separator line), so a broken file keeps the rest.
void ApplyReadSettings(const SettingsReadResult &read, Settings &current);

// Reads the file at path; a file that cannot be opened takes the failure
// path with no line read.
SettingsReadResult ReadSettings(const std::filesystem::path &path);

// Writes the file at path through a temporary file in the same folder that
// is renamed over it, so an interrupted write never leaves a half-written
// file. Returns false when the file could not be written; an existing file
// is then left as it was.
bool WriteSettings(const std::filesystem::path &path, const Settings &settings);

// The name a settings file not taken over whole is kept under: path + ".BAK".
std::filesystem::path SettingsBackupPath(const std::filesystem::path &path);

// Keeps the file at `path` as SettingsBackupPath(path), written through a
// temporary file and renamed, with the file's own time. An existing backup
// is replaced only by a file that is not older than it, so the newest
// broken file is the one kept. True when the backup holds the file's bytes
// afterwards (also when the existing backup was newer and stays); false
// when the file could not be read or the backup not written.
bool BackUpSettings(const std::filesystem::path &path);

} // namespace textcore
