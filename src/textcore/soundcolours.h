#pragma once
// The eight sound classes and their colours, in the order of the settings
// file's lines 1 to 8.
#include "textcore/colour.h"

#include <array>
#include <cstddef>

namespace textcore {

enum class SoundClass : std::size_t {
    SpecialGroups = 0,
    Background,
    Consonants,
    Vowels,
    Umlauts,
    Capitals,
    Punctuation,
    DoubleConsonants,
};

constexpr std::size_t kSoundClassCount = 8;

struct SoundColours {
    // Initial values: black, white, black, green 0,192,0, blue, red,
    // cyan 0,192,192, magenta 192,0,192.
    std::array<Colour, kSoundClassCount> colours{0, 16777215, 0, 49152, 16711680, 255, 12632064, 12583104};

    Colour &operator[](SoundClass c) { return colours[static_cast<std::size_t>(c)]; }
    Colour operator[](SoundClass c) const { return colours[static_cast<std::size_t>(c)]; }
    bool operator==(const SoundColours &) const = default;
};

struct SyllableColours {
    Colour first = 0;    // black
    Colour second = 255; // red
    bool operator==(const SyllableColours &) const = default;
};

} // namespace textcore
