#pragma once
// The rules of the sound colour window that decide a colour or a text: the
// colour number field, the captions and their information texts, the rows
// of the printed colour sheet and the file name kept for the help text.
#include "textcore/colour.h"
#include "textcore/soundcolours.h"

#include <array>
#include <string>
#include <string_view>

namespace textcore {

// What a change of the colour number field does.
struct ColourNumberEntry {
    enum class Action {
        Ignore, // nine characters or more: the field and the colour stay
        Clear,  // not a number, or above 16777215: the field is emptied
        Set,    // the custom colour becomes `colour` (an empty field gives 0)
    };
    Action action = Action::Ignore;
    Colour colour = kBlack;
    bool operator==(const ColourNumberEntry &) const = default;
};

ColourNumberEntry ReadColourNumber(std::u16string_view text);

// The caption shown above a category field ("Mitlaute", "Hintergrund", ...).
std::u16string_view CategoryCaption(SoundClass soundClass);

// The text of the box shown when a caption is clicked; every text ends with
// a CR. The special groups' box shows the current SpecialGroups text.
std::u16string CategoryInfoText(SoundClass soundClass, std::u16string_view specialGroups);

// One row of the printed colour sheet: the name at (1500, y), a box in the
// colour from (5000, y) to (7000, y + 500), the decimal value at (7500, y).
struct ColourSheetRow {
    int y = 0;
    std::u16string_view name;
    SoundClass soundClass = SoundClass::Background;
};

inline constexpr int kColourSheetNameX = 1500;
inline constexpr int kColourSheetBoxLeft = 5000;
inline constexpr int kColourSheetBoxRight = 7000;
inline constexpr int kColourSheetBoxHeight = 500;
inline constexpr int kColourSheetValueX = 7500;

// Top to bottom. The double consonants' row is named in the singular.
const std::array<ColourSheetRow, kSoundClassCount> &ColourSheetRows();

// The colour's value as the sheet and the number field show it.
std::u16string ColourNumberText(Colour colour);

// True for the help text's name, which no saved text may take. `name` is
// compared as given; the caller upper-cases it first.
bool IsReservedHelpFileName(std::u16string_view name);

} // namespace textcore
