// The syllabifier against words marked by hand the way a primary-school
// teacher marks spoken syllables (tests/data/syllables/*.txt).
#include "syllabify/exceptionlist.h"
#include "syllabify/letters.h"
#include "syllabify/marktext.h"
#include "syllabify/syllabifier.h"
#include "textcore/utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

using namespace syllabify;

namespace {

std::vector<std::u16string> readList(const std::string &name)
{
    std::ifstream in(std::string(KOLORAT_TEST_DATA) + "/syllables/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::u16string> words;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::optional<std::u16string> word = textcore::decodeUtf8(line);
        EXPECT_TRUE(word) << line;
        if (word)
            words.push_back(*word);
    }
    return words;
}

std::u16string stripped(std::u16string_view marked)
{
    std::u16string out;
    for (char16_t c : marked)
        if (!isBoundaryMark(c))
            out.push_back(c);
    return out;
}

const Syllabifier &syllabifier()
{
    static const Syllabifier instance;
    return instance;
}

std::u16string markWord(const std::u16string &expected)
{
    return markText(stripped(expected), u'-', syllabifier(), ExceptionList()).text;
}

} // namespace

// Lists the rules were tuned on: every word must come out as marked, except
// the misses named in known-misses.txt, which the exception list is for.
class TuningList : public ::testing::TestWithParam<const char *> {};

TEST_P(TuningList, EveryWordIsMarkedAsTheTeacherMarksIt)
{
    ASSERT_TRUE(syllabifier().isReady()) << textcore::encodeUtf8(syllabifier().errorMessage());
    const std::vector<std::u16string> known = readList("known-misses.txt");
    const std::set<std::u16string> knownMisses(known.begin(), known.end());
    const std::vector<std::u16string> words = readList(GetParam());
    ASSERT_GE(words.size(), 50u);
    for (const std::u16string &expected : words) {
        const std::u16string got = markWord(expected);
        if (knownMisses.contains(expected))
            EXPECT_NE(got, expected) << textcore::encodeUtf8(expected)
                                     << " is right now: remove it from known-misses.txt";
        else
            EXPECT_EQ(textcore::encodeUtf8(got), textcore::encodeUtf8(expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, TuningList, ::testing::Values("welcome-words.txt", "tuning.txt"), [](const auto &row) {
    return std::string(row.param) == std::string("tuning.txt") ? "Collected" : "WelcomeText";
});

// The held-out list was written before tuning and never tuned on; it measures
// how the syllabifier does on words nobody looked at.
TEST(HeldOutList, AccuracyStaysAboveTheMeasuredFloor)
{
    ASSERT_TRUE(syllabifier().isReady());
    const std::vector<std::u16string> words = readList("heldout.txt");
    ASSERT_GE(words.size(), 200u);
    size_t right = 0;
    for (const std::u16string &expected : words) {
        const std::u16string got = markWord(expected);
        if (got == expected)
            ++right;
        else
            std::cout << "  miss: " << textcore::encodeUtf8(got) << " (expected " << textcore::encodeUtf8(expected)
                      << ")\n";
    }
    const double accuracy = static_cast<double>(right) / static_cast<double>(words.size());
    std::cout << "held-out: " << right << " of " << words.size() << " words right\n";
    EXPECT_GE(accuracy, 0.99);
}

// The known misses are right once the teacher puts them into the list.
TEST(KnownMisses, AreMendedByTheExceptionList)
{
    ExceptionList list;
    const std::vector<std::u16string> misses = readList("known-misses.txt");
    for (const std::u16string &word : misses)
        ASSERT_TRUE(list.add(word).ok()) << textcore::encodeUtf8(word);
    for (const std::u16string &expected : misses)
        EXPECT_EQ(textcore::encodeUtf8(markText(stripped(expected), u'-', syllabifier(), list).text),
                  textcore::encodeUtf8(expected));
}

// The patterns alone miss the syllables beginning readers need; the school
// rules are what make the difference, so switching them off must show it.
TEST(SchoolRules, MakeTheDifferenceOnTheWelcomeText)
{
    const Syllabifier patternsOnly(defaultPatternFile, {2, 2, false});
    ASSERT_TRUE(patternsOnly.isReady());
    size_t plain = 0;
    size_t school = 0;
    for (const std::u16string &expected : readList("welcome-words.txt")) {
        plain += patternsOnly.marked(stripped(expected)) == expected;
        school += syllabifier().marked(stripped(expected)) == expected;
    }
    EXPECT_GT(school, plain + 4);
}
