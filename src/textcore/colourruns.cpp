#include "textcore/colourruns.h"

namespace textcore {

std::vector<ColourRun> ToColourRuns(const std::vector<Colour> &colours)
{
    std::vector<ColourRun> runs;
    if (colours.empty())
        return runs;
    // Counting the changes first spares the reallocations of a long text.
    std::size_t changes = 0;
    for (std::size_t i = 1; i < colours.size(); ++i)
        changes += colours[i] != colours[i - 1];
    runs.reserve(changes + 1);
    std::size_t start = 0;
    for (std::size_t i = 1; i <= colours.size(); ++i) {
        if (i == colours.size() || colours[i] != colours[start]) {
            runs.push_back({start, i - start, colours[start]});
            start = i;
        }
    }
    return runs;
}

} // namespace textcore
