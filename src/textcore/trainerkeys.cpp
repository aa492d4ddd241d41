#include "textcore/trainerkeys.h"

namespace textcore {

std::optional<TrainerAction> TrainerActionForKey(int virtualKey)
{
    switch (virtualKey) {
    case 27: return TrainerAction::Leave;
    case 17: return TrainerAction::ToggleView;
    case 45: return TrainerAction::AddToExerciseList;
    case 37: return TrainerAction::FontSmaller;
    case 39: return TrainerAction::FontLarger;
    case 38: return TrainerAction::SyllableStep;
    case 40: return TrainerAction::LetterStep;
    case 35: return TrainerAction::WordStep;
    case 36: return TrainerAction::SentenceStep;
    case 13: return TrainerAction::TextStep;
    case 112: return TrainerAction::KeyHelp;
    case 46: return TrainerAction::ToggleFontList;
    // A key a child finds without looking.
    case 32: return TrainerAction::ReadAloud;
    default: return std::nullopt;
    }
}

double TrainerFontLarger(double pointSize)
{
    const double size = pointSize + 2;
    return size > kTrainerFontMax ? kTrainerFontMin : size;
}

double TrainerFontSmaller(double pointSize)
{
    const double size = pointSize - 2;
    return size < kTrainerFontMin ? kTrainerFontMax : size;
}

} // namespace textcore
