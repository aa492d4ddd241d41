#pragma once
// How each reading trainer colours its display text after every step.
#include "textcore/colour.h"
#include "textcore/readingtrainer.h"
#include "textcore/soundcolours.h"
#include "textcore/syllablecolouring.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

struct TrainerColouring {
    std::vector<Colour> colours; // one per position of the display text
    // Set by the sound trainer on every run; the syllable trainer sets its
    // background once on activation and leaves it alone here.
    std::optional<Colour> background;
};

// Sound trainer: the sound colouring in its trainer variant, the special
// groups searched after every step. Syllable trainer: the syllable colouring
// with the current syllable colours and counting mode.
TrainerColouring ColourReadingText(TrainerKind kind, std::u16string_view displayText, const SoundColours &soundColours,
                                   const std::vector<std::u16string> &specialGroups,
                                   const SyllableColours &syllableColours, SyllableCounting counting);

} // namespace textcore
