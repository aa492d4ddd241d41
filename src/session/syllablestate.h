#pragma once
// The values the syllable colour window holds for the whole program: the two
// syllable colours (stored in the settings file) and the colouring mode
// (for the run only). Created at start-up, because reading the settings file
// fills the colours before the window itself exists.
#include "textcore/soundcolours.h"
#include "textcore/syllablecolouring.h"

namespace session {

struct SyllableState {
    textcore::SyllableColours colours;
    textcore::SyllableCounting counting = textcore::SyllableCounting::AllSyllablesAlternating;
};

} // namespace session
