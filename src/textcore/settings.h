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
// - Number lines: blanks are skipped; the number ends at a blank, a comma or
//   the line end; only blanks (after at most one comma) may follow it. It must be a colour
//   (0 to 16777215); anything else is a broken file.
// - Line 9 is taken whole.
// - Input fields (line 12 and the font lines): leading blanks are skipped and
//   a field ends at a comma or the line end, so a font name holding a comma
//   comes back as two fonts. Empty fields are skipped. Further fields after a
//   comma on line 12 are read as fonts, because the reader takes fields one
//   after another.
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

// The separators the user can choose; an empty separator is also accepted
// when read, since the file may hold a blank line 12.
constexpr std::u16string_view kSeparatorChoices = u"-=~/";

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
    Settings settings;      // defaults where reading did not get
    bool failed = false;    // missing, unreadable, too short or broken file
    std::size_t linesRead = 0; // lines taken over before reading stopped
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

} // namespace textcore
