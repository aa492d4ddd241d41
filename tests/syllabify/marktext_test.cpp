// Marking whole texts: which words are touched, where marks go, and that
// nothing else changes.
#include "syllabify/exceptionlist.h"
#include "syllabify/letters.h"
#include "syllabify/marktext.h"
#include "syllabify/syllabifier.h"
#include "textcore/utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

using namespace syllabify;

namespace {

const Syllabifier &syllabifier()
{
    static const Syllabifier instance;
    return instance;
}

std::u16string u(const char *utf8)
{
    return *textcore::decodeUtf8(utf8);
}

struct Case {
    const char *name;
    const char *text;
    const char *expected;
    size_t wordsMarked;
};

class MarkText : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(MarkText, MarksOnlyWhatItShould)
{
    const Case &c = GetParam();
    ASSERT_TRUE(syllabifier().isReady());
    const MarkResult r = markText(u(c.text), u'-', syllabifier(), ExceptionList());
    EXPECT_EQ(textcore::encodeUtf8(r.text), c.expected);
    EXPECT_EQ(r.wordsMarked, c.wordsMarked);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MarkText,
    ::testing::Values(
        Case{"PlainSentence", "Der Hund frisst Zucker.", "Der Hund frisst Zu-cker.", 1},
        Case{"MarkedWordsStayAsTheTeacherMarkedThem", "Zuc-ker und Ap-fel", "Zuc-ker und Ap-fel", 0},
        Case{"EveryKindOfMarkCounts",
             "Kat=ze Ap~fel Stra/ße A\xC2\xAD"
             "bend Ofen",
             "Kat=ze Ap~fel Stra/ße A\xC2\xAD"
             "bend O-fen",
             1},
        Case{"MarkAtTheWordsEdgeCounts", "3-teilige Lehrer/-innen Fenster", "3-teilige Lehrer/-innen Fens-ter", 1},
        Case{"CapitalsOnlyStayAlone", "ABENDESSEN im Abendessen", "ABENDESSEN im A-bend-es-sen", 1},
        Case{"NumbersStayAlone", "12 Katzen und 3D-Brillen A4papier", "12 Kat-zen und 3D-Brillen A4papier", 1},
        Case{"CapitalisedWordIsMarked", "Zucker ZUCKER zucker", "Zu-cker ZUCKER zu-cker", 2},
        Case{"LineBreaksAndPunctuationKept", "Katze,\r\nApfel!\r\n", "Kat-ze,\r\nAp-fel!\r\n", 2},
        Case{"OneSyllableWordsGetNothing", "Hund Baum Berg", "Hund Baum Berg", 0}, Case{"EmptyText", "", "", 0},
        Case{"WordCutByAnApostrophe", "Ofen's", "O-fen's", 1},
        Case{"LettersBeyondLatin1", "\xC5\x81odz Piano", "\xC5\x81odz Pi-a-no", 1}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(MarkText, ReportsExactlyTheInsertedPositions)
{
    const std::u16string text = u("Die Katze sitzt im Fenster \xC2\xAD Apfel");
    const MarkResult r = markText(text, u'~', syllabifier(), ExceptionList());
    ASSERT_FALSE(r.inserted.empty());
    std::u16string withoutInserted;
    size_t next = 0;
    for (size_t i = 0; i < r.text.size(); ++i) {
        if (next < r.inserted.size() && r.inserted[next] == i) {
            EXPECT_EQ(r.text[i], u'~');
            ++next;
            continue;
        }
        withoutInserted.push_back(r.text[i]);
    }
    EXPECT_EQ(next, r.inserted.size()) << "positions out of order or beyond the text";
    EXPECT_EQ(withoutInserted, text);
    EXPECT_EQ(r.text.size(), text.size() + r.inserted.size());
}

TEST(MarkText, SoftHyphenAsTheMarkForTheHiddenForm)
{
    const MarkResult r = markText(u"Ofen", textcore::kSoftHyphen, syllabifier(), ExceptionList());
    EXPECT_EQ(r.text, u"O\u00ADfen");
    EXPECT_EQ(r.inserted, std::vector<size_t>{1});
}

TEST(MarkText, ExceptionListComesBeforeTheRules)
{
    ExceptionList list;
    // Marks the rules would not set: the teacher's word counts.
    ASSERT_EQ(list.add(u"Farbaus-wahl").value(), ExceptionList::AddResult::Added);
    ASSERT_EQ(list.add(u"Zuck-er").value(), ExceptionList::AddResult::Added);
    const MarkResult r = markText(u"Die Farbauswahl, FARBAUSWAHL und zucker", u'=', syllabifier(), list);
    EXPECT_EQ(r.text, u"Die Farbaus=wahl, FARBAUSWAHL und zuck=er");
    EXPECT_EQ(r.wordsMarked, 2u);
}

// The welcome text carries its marks already: marking it again changes
// nothing. Without its marks it comes back as the teacher marked it, apart
// from the one place where the text splits "sch".
TEST(MarkText, WelcomeText)
{
    std::ifstream in(std::string(KOLORAT_TEST_DATA) + "/syllables/welcome.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::u16string welcome
        = *textcore::decodeUtf8(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));

    const MarkResult again = markText(welcome, u'-', syllabifier(), ExceptionList());
    EXPECT_EQ(again.text, welcome);
    EXPECT_EQ(again.wordsMarked, 0u);

    std::u16string bare;
    std::u16string expected;
    for (char16_t c : welcome) {
        if (!isBoundaryMark(c))
            bare.push_back(c);
        expected.push_back(isBoundaryMark(c) ? u'-' : c);
    }
    const size_t typo = expected.find(u"Zwi-sch-en");
    ASSERT_NE(typo, std::u16string::npos);
    expected.replace(typo, 10, u"Zwi-schen");

    const MarkResult fresh = markText(bare, u'-', syllabifier(), ExceptionList());
    EXPECT_EQ(textcore::encodeUtf8(fresh.text), textcore::encodeUtf8(expected));
}

// Words far longer than the pattern library's fixed buffers, and words of
// letters that the patterns cannot hold, must come through whole.
TEST(MarkText, VeryLongAndUnusualWordsKeepTheirLetters)
{
    std::u16string longWord;
    for (int i = 0; i < 400; ++i)
        longWord += u"ba";
    const std::u16string text
        = longWord + u" " + std::u16string(300, u'\u0142') + u" x" + std::u16string(500, u'a') + u" \u00FFber";
    const MarkResult r = markText(text, u'-', syllabifier(), ExceptionList());
    std::u16string back;
    for (char16_t c : r.text)
        if (c != u'-')
            back.push_back(c);
    EXPECT_EQ(back, text);
    EXPECT_EQ(r.text.size(), text.size() + r.inserted.size());
    EXPECT_GE(r.wordsMarked, 1u);
}
