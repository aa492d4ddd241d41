#pragma once
// What is read aloud and where the spoken word stands in the shown text.
//
// The text handed to the speech engine differs from the text on screen:
// soft hyphens and visible syllable separators are left out, and a single
// letter is spoken as its sound in the engine's phoneme notation. A
// SpeechPiece keeps, for every UTF-16 unit it speaks, the position of the
// shown character it stands for, so a word the engine reports can be marked
// on screen.
#include "textcore/readingtrainer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

enum class SpeechRate {
    Slow,
    Medium,
    Normal
};

// Words per minute: "normal" is the engine's usual 175, "langsam" 70 % of it.
int WordsPerMinute(SpeechRate rate);
// The menu caption and stored name: "langsam", "mittel", "normal".
std::u16string_view SpeechRateName(SpeechRate rate);
std::optional<SpeechRate> SpeechRateFromName(std::u16string_view name);
inline constexpr SpeechRate kSpeechRates[] = {SpeechRate::Slow, SpeechRate::Medium, SpeechRate::Normal};

struct TextRange {
    std::size_t start = 0;
    std::size_t length = 0;
    friend bool operator==(const TextRange &, const TextRange &) = default;
};

struct SpeechPiece {
    std::u16string spoken;
    // origin[i] is the position in the shown text of spoken[i].
    std::vector<std::size_t> origin;
    // `spoken` is in the engine's phoneme notation (a letter's sound).
    bool phonemes = false;

    bool empty() const { return spoken.empty(); }
    // The shown characters behind spoken[start, start + length): from the
    // first one's position to behind the last one's. Clamped to the piece;
    // nothing for an empty range.
    std::optional<TextRange> Shown(std::size_t start, std::size_t length) const;
};

// What a trainer speaks after `step` put `display` on screen: the whole text
// or sentence, the newest word or syllable, or the newest letter as its
// sound. Nothing when the newest piece holds no character to speak.
SpeechPiece TrainerSpeechPiece(ReadingStep step, std::u16string_view display);

// The characters [start, start + length) of `text`, without soft hyphens and
// without the characters of `leftOut` (the visible syllable separator).
SpeechPiece RangeSpeechPiece(std::u16string_view text, std::size_t start, std::size_t length,
                             std::u16string_view leftOut);

// What the editor reads aloud: the selection; without one, the text from the
// caret on, or all of it when the caret stands at the very end.
SpeechPiece SelectionSpeechPiece(std::u16string_view text, std::size_t selStart, std::size_t selLength,
                                 std::u16string_view leftOut);

// The sound of a letter in the engine's phoneme notation ("[[mmm]]"), so a
// child hears the sound it blends into words rather than the letter's name
// ("em"). Empty for characters that are no German letter.
std::u16string_view LetterSound(char16_t letter);

// The UTF-16 position of every code point of `text`, and its length at the
// end: the engine counts code points, the shown text UTF-16 units.
std::vector<std::size_t> CodePointStarts(std::u16string_view text);

} // namespace textcore
