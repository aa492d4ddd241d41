#include "textcore/trainercolouring.h"

#include "textcore/soundcolouring.h"

namespace textcore {

TrainerColouring ColourReadingText(TrainerKind kind, std::u16string_view displayText, const SoundColours &soundColours,
                                   const std::vector<std::u16string> &specialGroups,
                                   const SyllableColours &syllableColours, SyllableCounting counting)
{
    TrainerColouring result;
    if (kind == TrainerKind::Sounds) {
        SoundColouring sounds = ColourBySounds(displayText, soundColours, specialGroups, SoundVariant::SoundTrainer);
        result.colours = std::move(sounds.colours);
        result.background = sounds.background;
    } else {
        result.colours = ColourBySyllables(displayText, syllableColours.first, syllableColours.second, counting);
    }
    return result;
}

} // namespace textcore
