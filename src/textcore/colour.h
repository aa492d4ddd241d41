#pragma once
// Colours are the 24-bit integer R + 256*G + 65536*B that the settings file
// and every colour number field use (red 255, blue 16711680, white 16777215).
#include <cstdint>

namespace textcore {

using Colour = std::uint32_t;

constexpr Colour kMaxColour = 0xFFFFFF;

constexpr Colour rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned red(Colour c)
{
    return c & 0xFF;
}
constexpr unsigned green(Colour c)
{
    return (c >> 8) & 0xFF;
}
constexpr unsigned blue(Colour c)
{
    return (c >> 16) & 0xFF;
}

constexpr Colour kBlack = 0;
constexpr Colour kWhite = 16777215;
constexpr Colour kRed = 255;

} // namespace textcore
