#pragma once
// The rules of the sound colour window that decide a colour or a text: the
// captions and their information texts and the rows of the printed colour
// sheet. The number field and file name rules are shared with the syllable
// colour window (colourwindowrules.h).
#include "textcore/colour.h"
#include "textcore/colourwindowrules.h"
#include "textcore/soundcolours.h"

#include <array>
#include <string>
#include <string_view>

namespace textcore {

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

} // namespace textcore
