// The sound colour window's rules for its captions and colour sheet.
#include "textcore/soundwindowrules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace textcore {
namespace {

TEST(CategoryInfoText, PaddedLinesAreTwentyCharactersAndEveryTextEndsWithCr)
{
    for (SoundClass c : {SoundClass::Vowels, SoundClass::Umlauts, SoundClass::Punctuation}) {
        const std::u16string text = CategoryInfoText(c, u"");
        ASSERT_EQ(text.size(), 21u);
        EXPECT_EQ(text.back(), u'\r');
        EXPECT_EQ(text[19], u' ');
    }
    for (std::size_t i = 0; i < kSoundClassCount; ++i) {
        const std::u16string text = CategoryInfoText(SoundClass(i), u"x");
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), u'\r');
    }
}

TEST(CategoryInfoText, SpecialGroupsShowTheTextAsTyped)
{
    EXPECT_EQ(CategoryInfoText(SoundClass::SpecialGroups, u"ß, chs,"), u"ß, chs,\r");
    EXPECT_EQ(CategoryInfoText(SoundClass::SpecialGroups, u""), u"\r");
}

TEST(CategoryCaption, EveryClassHasItsOwnCaption)
{
    std::set<std::u16string_view> captions;
    for (std::size_t i = 0; i < kSoundClassCount; ++i)
        captions.insert(CategoryCaption(SoundClass(i)));
    EXPECT_EQ(captions.size(), kSoundClassCount);
    EXPECT_EQ(CategoryCaption(SoundClass::Capitals), u"Großbuchstaben");
    EXPECT_EQ(CategoryCaption(SoundClass::DoubleConsonants), u"Doppelmitlaute");
}

TEST(ColourSheetRows, OneRowPerClassThousandTwipsApart)
{
    const auto &rows = ColourSheetRows();
    std::set<SoundClass> classes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].y, int(1000 * (i + 1)));
        classes.insert(rows[i].soundClass);
    }
    EXPECT_EQ(classes.size(), kSoundClassCount);
    EXPECT_EQ(rows[0].soundClass, SoundClass::Background);
    EXPECT_EQ(rows[4].name, u"Doppelmitlaut");
    EXPECT_EQ(rows[4].soundClass, SoundClass::DoubleConsonants);
    EXPECT_EQ(rows[6].soundClass, SoundClass::SpecialGroups);
    EXPECT_EQ(rows[7].name, u"Satzzeichen");
}

} // namespace
} // namespace textcore
