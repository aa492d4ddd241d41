// Any bytes as a settings file: reading must end on the failure path or with
// values the program can use, never crash, and whatever was read must be
// written out and read back unchanged.
#include "textcore/settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace textcore;

namespace {

bool usable(const Settings &s)
{
    for (Colour c : s.soundColours.colours)
        if (c > kMaxColour)
            return false;
    if (s.syllableColours.first > kMaxColour || s.syllableColours.second > kMaxColour)
        return false;
    if (s.separator.size() > 1)
        return false;
    if (s.offeredFonts.size() > kMaxOfferedFonts)
        return false;
    for (const auto &f : s.offeredFonts)
        if (f.empty())
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const SettingsReadResult r = parseSettings(bytes);
    if (!usable(r.settings))
        std::abort();
    if (r.failed)
        return 0;
    const SettingsReadResult again = parseSettings(formatSettings(r.settings));
    if (again.failed || !(again.settings == r.settings))
        std::abort();
    return 0;
}
