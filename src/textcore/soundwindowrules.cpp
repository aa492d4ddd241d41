#include "textcore/soundwindowrules.h"

namespace textcore {

namespace {

constexpr std::size_t kPaddedInfoWidth = 20;

std::u16string padded(std::u16string_view text)
{
    std::u16string line(text);
    if (line.size() < kPaddedInfoWidth)
        line.append(kPaddedInfoWidth - line.size(), u' ');
    return line;
}

} // namespace

std::u16string_view CategoryCaption(SoundClass soundClass)
{
    switch (soundClass) {
    case SoundClass::SpecialGroups: return u"Sonderzeichen";
    case SoundClass::Background: return u"Hintergrund";
    case SoundClass::Consonants: return u"Mitlaute";
    case SoundClass::Vowels: return u"Selbstlaute";
    case SoundClass::Umlauts: return u"Umlaute";
    case SoundClass::Capitals: return u"Großbuchstaben";
    case SoundClass::Punctuation: return u"Satzzeichen";
    case SoundClass::DoubleConsonants: return u"Doppelmitlaute";
    }
    return {};
}

std::u16string CategoryInfoText(SoundClass soundClass, std::u16string_view specialGroups)
{
    switch (soundClass) {
    case SoundClass::DoubleConsonants: return u"bb,dd,ff,gg,kk,ll,mm,nn,pp,rr,ss,tt,ww,zz\r";
    case SoundClass::Consonants: return u"BCDFGHJKLMNPQRSTVWXYZ\rbcdfghjklmnpqrsßtvwxyz\r";
    case SoundClass::Vowels: return padded(u"Aa Ee Ii Oo Uu") + u"\r";
    case SoundClass::Umlauts: return padded(u"Äa Öö Üü") + u"\r";
    case SoundClass::Capitals: return u"AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZ\r";
    case SoundClass::Punctuation: return padded(u". : , ; - ! ?") + u"\r";
    case SoundClass::Background: return u"Die Hintergrundfarbe lässt sich\rnur für den Monitor einstellen!\r";
    case SoundClass::SpecialGroups: return std::u16string(specialGroups) + u"\r";
    }
    return {};
}

const std::array<ColourSheetRow, kSoundClassCount> &ColourSheetRows()
{
    static const std::array<ColourSheetRow, kSoundClassCount> rows{{
        {1000, u"Hintergrund", SoundClass::Background},
        {2000, u"Mitlaute", SoundClass::Consonants},
        {3000, u"Selbstlaute", SoundClass::Vowels},
        {4000, u"Umlaute", SoundClass::Umlauts},
        {5000, u"Doppelmitlaut", SoundClass::DoubleConsonants},
        {6000, u"Großbuchstaben", SoundClass::Capitals},
        {7000, u"Sonderzeichen", SoundClass::SpecialGroups},
        {8000, u"Satzzeichen", SoundClass::Punctuation},
    }};
    return rows;
}

} // namespace textcore
