#pragma once
// The rich-text field colours ranges, the engines give one colour per position:
// this joins neighbouring positions of equal colour.
#include "textcore/colour.h"

#include <cstddef>
#include <vector>

namespace textcore {

struct ColourRun {
    std::size_t start = 0; // 0-based, as the field selects
    std::size_t length = 0;
    Colour colour = kBlack;
    bool operator==(const ColourRun &) const = default;
};

// Maximal runs of equal colour, in position order; no run is empty.
std::vector<ColourRun> ToColourRuns(const std::vector<Colour> &colours);

} // namespace textcore
