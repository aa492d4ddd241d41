#pragma once
// What a key press does in the reading trainers, and the font-size steps of
// the reading field. Keys are Windows virtual-key codes; the state of SHIFT,
// CTRL and ALT is never looked at, so CTRL+END is a word step like END.
#include <optional>

namespace textcore {

enum class TrainerAction {
    Leave,             // ESC, "Abbruch"
    ToggleView,        // CTRL
    AddToExerciseList, // INS, "Kopieren"
    FontSmaller,       // left arrow, "kleiner"
    FontLarger,        // right arrow, "größer"
    SyllableStep,      // up arrow, "Silbenweise"
    LetterStep,        // down arrow, "Letterweise"
    WordStep,          // END, "Wortweise"
    SentenceStep,      // HOME, "Satzweise"
    TextStep,          // ENTER, "Textweise"
    KeyHelp,           // F1, "?"
    ToggleFontList,    // DEL, "Schriften"
    ReadAloud,         // space bar, "Vorlesen"
};

// The action of a key; none for every key the trainers do not use.
std::optional<TrainerAction> TrainerActionForKey(int virtualKey);

// The reading field's font size runs from 12 to 72 points in steps of 2 and
// wraps at either end: above 72 comes 12, below 12 comes 72. Sizes with
// decimals keep them (13.5 + 2 = 15.5).
constexpr double kTrainerFontMin = 12;
constexpr double kTrainerFontMax = 72;
double TrainerFontLarger(double pointSize);
double TrainerFontSmaller(double pointSize);

} // namespace textcore
