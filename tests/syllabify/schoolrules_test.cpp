// The school rules on their own, fed with chosen pattern points, so that a
// fault in the rules shows whatever the installed patterns say.
#include "syllabify/syllabifier.h"
#include "textcore/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

using namespace syllabify;

namespace {

struct Case {
    const char *name;
    const char *word; // lower case
    std::vector<size_t> patternPoints;
    const char *expected; // marked with "-"
};

std::string applyMarks(const std::u16string &word, const std::vector<size_t> &b)
{
    std::u16string out;
    size_t next = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        if (next < b.size() && b[next] == i) {
            out.push_back(u'-');
            ++next;
        }
        out.push_back(word[i]);
    }
    return textcore::encodeUtf8(out);
}

class SchoolRule : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(SchoolRule, MarksAsTheTeacherDoes)
{
    const Case &c = GetParam();
    const std::u16string word = *textcore::decodeUtf8(c.word);
    const std::vector<size_t> result = applySchoolRules(word, c.patternPoints);
    EXPECT_TRUE(std::is_sorted(result.begin(), result.end()));
    EXPECT_EQ(applyMarks(word, result), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SchoolRule,
    ::testing::Values(
        Case{"LoneVowelAtTheStart", "abend", {}, "a-bend"}, Case{"OneConsonantGoesRight", "ofen", {}, "o-fen"},
        Case{"LastOfSeveralConsonantsGoesRight", "fenster", {}, "fens-ter"},
        Case{"CkStaysWhole", "zucker", {}, "zu-cker"}, Case{"SchStaysWhole", "flasche", {}, "fla-sche"},
        Case{"ChStaysWhole", "kuchen", {}, "ku-chen"}, Case{"PhStaysWhole", "strophe", {}, "stro-phe"},
        Case{"QuIsAConsonant", "qualle", {}, "qual-le"}, Case{"TzSplits", "katze", {}, "kat-ze"},
        Case{"EszettGoesRight", "straße", {}, "stra-ße"}, Case{"VowelsSpokenApart", "piano", {}, "pi-a-no"},
        Case{"ThreeVowelsApart", "stereo", {3}, "ste-re-o"}, Case{"DiphthongBeforeVowel", "eier", {}, "ei-er"},
        Case{"AuBeforeVowel", "bauer", {}, "bau-er"}, Case{"EuBeforeVowel", "feuer", {}, "feu-er"},
        Case{"IeIsOneVowel", "wiese", {}, "wie-se"}, Case{"DoubleVowelIsOne", "boote", {}, "boo-te"},
        Case{"YIsAVowelInside", "baby", {}, "ba-by"}, Case{"YIsAConsonantBeforeAVowelAtTheStart", "yacht", {}, "yacht"},
        Case{"PieceWithoutVowelAtTheStartJoinsTheNext", "flüsse", {1, 4}, "flüs-se"},
        Case{"PieceWithoutVowelInsideJoinsThePrevious", "glücklich", {3, 5}, "glück-lich"},
        Case{"PieceWithoutVowelAtTheEndJoinsTheLeft", "hund", {3}, "hund"},
        Case{"PiecesWithoutVowelAtBothEnds", "sport", {1, 4}, "sport"},
        Case{
            "PieceWithoutVowelBeforeAVowelJoinsThePrevious", "zwischenablage", {3, 7, 8, 10, 12}, "zwi-schen-ab-la-ge"},
        Case{"PatternPointsAreKept", "farbauswahl", {4, 7}, "farb-aus-wahl"},
        Case{"AusAfterAConsonantStartsACompoundPart", "farbauswahl", {7}, "farb-aus-wahl"},
        Case{"AufAfterAConsonantStartsACompoundPart", "farbauftrag", {7}, "farb-auf-trag"},
        Case{"EinAfterAConsonantStartsACompoundPart", "wegeinfahrt", {}, "weg-ein-fahrt"},
        Case{"AusWithoutAConsonantBeforeIsAHiatus", "chaos", {}, "cha-os"},
        Case{"PointsOutsideTheWordAreDropped", "tee", {0, 3, 9}, "tee"},
        Case{"DuplicatePointsCountOnce", "mama", {2, 2}, "ma-ma"}, Case{"OneLetter", "o", {}, "o"},
        Case{"NoVowelAtAll", "hm", {1}, "hm"}),
    [](const auto &row) { return std::string(row.param.name); });
