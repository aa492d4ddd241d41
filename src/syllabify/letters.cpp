#include "syllabify/letters.h"

namespace syllabify {

bool isLetter(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
        return true;
    if (c >= 0xC0 && c <= 0xFF)
        return c != 0xD7 && c != 0xF7; // multiplication and division signs
    return c >= 0x100 && c <= 0x17F;   // Latin Extended-A
}

bool isUpper(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return true;
    if (c >= 0xC0 && c <= 0xDE)
        return c != 0xD7;
    // Latin Extended-A pairs capital and small letter on neighbouring code
    // points; in two stretches the capital comes on the odd one.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return (c & 1) == 0;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c & 1) == 1;
    return c == 0x178;
}

char16_t toLower(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<char16_t>(c + 32);
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F && isUpper(c))
        return static_cast<char16_t>(c + 1);
    return c;
}

std::u16string toLower(std::u16string_view s)
{
    std::u16string out(s);
    for (char16_t &c : out)
        c = toLower(c);
    return out;
}

} // namespace syllabify
