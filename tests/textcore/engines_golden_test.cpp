// Reference files for the colour engines: every tests/data/engines/colouring/
// NAME.txt (UTF-8, LF line ends read as CR LF, optional NAME.groups holding
// the SpecialGroups text) is coloured by sounds for the colour window and the
// sound trainer, and by syllables in both counting modes; the result, one
// line per character, and the syllable list must equal NAME.expected.
// scripts/regenerate-engine-references.sh rewrites the references after an
// intended change; review the diff before committing it.
#include "engines_support.h"

#include "textcore/soundcolouring.h"
#include "textcore/syllablecolouring.h"
#include "textcore/syllablelist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

using namespace textcore;
namespace fs = std::filesystem;

namespace {

const fs::path kFolder = fs::path(KOLORAT_TEST_DATA) / "engines" / "colouring";

// Distinct colours per class, so each colour names the rule that gave it.
SoundColours probeColours()
{
    SoundColours c;
    for (std::size_t i = 0; i < kSoundClassCount; ++i)
        c.colours[i] = static_cast<Colour>(i + 1);
    return c;
}

std::string className(Colour c)
{
    static const char *const names[]
        = {"black", "special", "background", "consonant", "vowel", "umlaut", "capital", "punctuation", "double"};
    return c < std::size(names) ? names[c] : "?" + std::to_string(c);
}

std::string report(const std::u16string &text, const std::u16string &groups)
{
    const SoundColours probe = probeColours();
    const SoundColouring window = ColourBySounds(text, probe, groups, SoundVariant::ColourWindow);
    const SoundColouring trainer = ColourBySounds(text, probe, groups, SoundVariant::SoundTrainer);
    const auto alternating = ColourBySyllables(text, 1, 2, SyllableCounting::AllSyllablesAlternating);
    const auto multi = ColourBySyllables(text, 1, 2, SyllableCounting::MultiSyllableWords);

    std::string out = "# char\twindow\ttrainer\talternating\tmulti-syllable\n";
    out += "background\t" + className(window.background) + "\t" + className(trainer.background) + "\n";
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += enginetest::shown(text.substr(i, 1)) + "\t" + className(window.colours[i]) + "\t"
            + className(trainer.colours[i]) + "\t" + std::to_string(alternating[i]) + "\t" + std::to_string(multi[i])
            + "\n";
    }
    const SyllableListResult syllables = BuildSyllableList(text);
    out += "# syllable sequence\n";
    for (const auto &s : syllables.sequence)
        out += enginetest::toUtf8(s) + "\n";
    out += "# syllable list, count " + std::to_string(syllables.count) + "\n";
    for (const auto &s : syllables.list)
        out += enginetest::toUtf8(s) + "\n";
    out += "# table width 4, columns 3\n";
    out += enginetest::shown(BuildSyllableTable(syllables.list, 4, 3)) + "\n";
    return out;
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(kFolder)) {
        if (entry.path().extension() == ".txt")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class EngineReference : public testing::TestWithParam<std::string> {};

TEST_P(EngineReference, MatchesExpectedColours)
{
    const fs::path base = kFolder / GetParam();
    const std::u16string text
        = enginetest::withCrLf(enginetest::fromUtf8(enginetest::readFile((base.string() + ".txt"))));
    std::u16string groups;
    if (fs::exists(base.string() + ".groups")) {
        groups = enginetest::fromUtf8(enginetest::readFile(base.string() + ".groups"));
        while (!groups.empty() && (groups.back() == u'\n' || groups.back() == u'\r'))
            groups.pop_back();
    }
    const std::string actual = report(text, groups);
    const std::string expectedPath = base.string() + ".expected";
    if (std::getenv("KOLORAT_REGENERATE")) {
        std::ofstream(expectedPath, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << expectedPath;
    }
    ASSERT_TRUE(fs::exists(expectedPath)) << "no reference; run scripts/regenerate-engine-references.sh";
    EXPECT_EQ(actual, enginetest::readFile(expectedPath)) << "reference " << expectedPath;
}

INSTANTIATE_TEST_SUITE_P(Files, EngineReference, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string> &row) {
                             std::string n = row.param;
                             std::replace_if(
                                 n.begin(), n.end(),
                                 [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                             return n;
                         });

TEST(EngineReference, FolderHoldsCases)
{
    EXPECT_GE(caseNames().size(), 5u);
}

} // namespace
