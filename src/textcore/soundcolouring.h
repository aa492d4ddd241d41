#pragma once
// Colouring by sounds: every character takes the colour of its letter class,
// doubled letters and the user's special letter groups are laid over that.
#include "textcore/colour.h"
#include "textcore/soundcolours.h"

#include <string>
#include <string_view>
#include <vector>

namespace textcore {

// The user's comma-separated SpecialGroups text as a group list: a missing
// final comma is added, blanks are dropped wherever they stand, every comma
// closes a group (so "a,,b" gives an empty group that colours nothing), order
// and duplicates are kept. An empty text gives an empty list.
std::vector<std::u16string> ParseSpecialGroups(std::u16string_view text);

enum class SoundVariant {
    // The sound colour window: characters of no class are black and the
    // punctuation set is ".:,;-!?".
    ColourWindow,
    // The sound trainer: characters of no class take the special-groups
    // colour and the apostrophe is punctuation as well.
    SoundTrainer,
};

struct SoundColouring {
    Colour background = kWhite;
    std::vector<Colour> colours; // one per UTF-16 position of the text
};

// Precedence, last writer wins: special groups over doubled letters over the
// single-letter class over the base colour. Doubled letters are looked for at
// start positions up to length - 2 only, so a pair in the last two positions
// stays uncoloured; a special group is searched again one character after the
// end of each of its matches. Linear in the text length for a given group list.
SoundColouring ColourBySounds(std::u16string_view text, const SoundColours &colours,
                              const std::vector<std::u16string> &groups, SoundVariant variant);

// Same, with the groups given as the SpecialGroups text.
SoundColouring ColourBySounds(std::u16string_view text, const SoundColours &colours, std::u16string_view specialGroups,
                              SoundVariant variant);

} // namespace textcore
