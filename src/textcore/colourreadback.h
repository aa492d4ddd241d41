#pragma once
// Taking the colour settings over from a loaded, already coloured text: the
// last letter of each class shows the colour that class was painted in.
#include "textcore/colour.h"
#include "textcore/soundcolours.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace textcore {

// The classes read back, in the order of their slots.
enum class ReadBackClass : std::size_t {
    Consonants = 0,  // "bcdfghjklmnpqrsßtvwxyz"
    Vowels,          // "aeiou"
    Umlauts,         // "äöü"
    Capitals,        // "A".."Z", "ÄÖÜ"
    Punctuation,     // ".:,;-!?'" (the apostrophe counts here)
    DoubleConsonants // second character of "ck", "tz" or of two equal characters
};

constexpr std::size_t kReadBackClassCount = 6;

struct ColourReadBack {
    // Colour of the last character of each class, black for a class that
    // does not occur.
    std::array<Colour, kReadBackClassCount> classColours{};
    // Which classes occur at all.
    std::array<bool, kReadBackClassCount> found{};
    // First: the consonants' colour. Second: the colour of the last class
    // (in slot order) whose finding differs from the consonants', where "not
    // found" differs from every colour, even black; white when all agree.
    SyllableColours syllableColours;

    Colour operator[](ReadBackClass c) const { return classColours[static_cast<std::size_t>(c)]; }

    // Sets the six read-back classes of sound; special letter groups and the
    // background keep their colours.
    void applyTo(SoundColours &sound) const;
};

// colours[i] is the colour of text[i] (positions 0-based); positions beyond
// the end of colours count as black. A double letter is recognised only at
// its second character and never across a soft hyphen, since the soft hyphen
// sits between the two.
ColourReadBack ReadColoursFromText(std::u16string_view text, std::span<const Colour> colours);

} // namespace textcore
