#include "textcore/colourwindowrules.h"

#include <algorithm>

namespace textcore {

namespace {
// Numbers of 9 characters or more are ignored, so 8 digits is the longest
// text that is read at all.
constexpr std::size_t kIgnoredLength = 9;

char16_t upperCase(char16_t c)
{
    if (c >= u'a' && c <= u'z')
        return char16_t(c - 0x20);
    // à-þ map to À-Þ, except ÷, which is no letter.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return char16_t(c - 0x20);
    if (c == 0xFF)
        return 0x178; // ÿ -> Ÿ
    return c;
}
} // namespace

std::u16string_view ColourWindowHelpText()
{
    return u"Die Farben werden mit Drag&Drop eingestellt.\r"
           u"Am rechten Rand befinden sich vordefinierte\r"
           u"Farbflächen. Diese können mit der Maus auf\r"
           u"die linken Zielflächen gezogen werden. Extra\r"
           u"Farben können mit den drei Schiebereglern am\r"
           u"linken oberen Bildrand eingestellt werden und\r"
           u"wieder durch Drag&Drop zugewiesen werden.\r";
}

ColourNumberEntry ReadColourNumber(std::u16string_view text)
{
    if (text.size() >= kIgnoredLength)
        return {ColourNumberEntry::Action::Ignore, kBlack};
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return {ColourNumberEntry::Action::Clear, kBlack};
        value = value * 10 + std::uint32_t(c - u'0'); // at most 8 digits: no overflow
    }
    if (value > kMaxColour)
        return {ColourNumberEntry::Action::Clear, kBlack};
    return {ColourNumberEntry::Action::Set, value};
}

std::u16string ColourNumberText(Colour colour)
{
    std::u16string digits;
    do {
        digits.push_back(char16_t(u'0' + colour % 10));
        colour /= 10;
    } while (colour != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::u16string UpperCaseFileName(std::u16string_view answer)
{
    std::u16string upper(answer);
    std::transform(upper.begin(), upper.end(), upper.begin(), upperCase);
    return upper;
}

bool IsReservedFileName(std::u16string_view upperCaseName)
{
    return upperCaseName == kHelpFileName;
}

std::size_t CountListedName(const std::vector<std::u16string> &listed, std::u16string_view upperCaseName)
{
    return std::size_t(std::count_if(listed.begin(), listed.end(), [&](const std::u16string &name) {
        return UpperCaseFileName(name) == upperCaseName;
    }));
}

} // namespace textcore
