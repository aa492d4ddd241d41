// textcore against golden files, which KOLORAT_REGENERATE=1 (or the
// scripts/regenerate-* scripts) rewrite after an intended change; review the
// diff before committing. Three kinds:
// - tests/data/textcore/rules/*.txt: every line names a rule and its
//   arguments, separated by tabs, and holds the answer behind "=>";
// - tests/data/engines/colouring/NAME.txt (LF read as CR LF, NAME.groups the
//   special groups): every character's colour by sounds for the colour
//   window and the sound trainer, by syllables in both countings, and the
//   syllable list and table, in NAME.expected;
// - tests/data/settings/NAME.ini: the values read, in NAME.expected, which
//   also must come back unchanged once written.
// Notation: ␣ blank, ^ soft hyphen, ¶ CR LF, \r \n \t \0 lone controls.
#include "testdata.h"

#include "textcore/colourreadback.h"
#include "textcore/colourwindowrules.h"
#include "textcore/edittools.h"
#include "textcore/readaloud.h"
#include "textcore/readingtrainer.h"
#include "textcore/sentences.h"
#include "textcore/separators.h"
#include "textcore/settings.h"
#include "textcore/soundcolouring.h"
#include "textcore/soundwindowrules.h"
#include "textcore/syllablecolouring.h"
#include "textcore/syllablelist.h"
#include "textcore/syllablepieces.h"
#include "textcore/trainerkeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

using namespace textcore;
using testdata::notation;
using testdata::shown;
namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::u16string>;

std::vector<std::u16string> split(const std::u16string &list, char16_t at = u'|')
{
    std::vector<std::u16string> out;
    for (std::size_t pos = 0; !list.empty() && pos <= list.size();) {
        const std::size_t end = std::min(list.find(at, pos), list.size());
        out.push_back(list.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

std::string joined(const std::vector<std::u16string> &list)
{
    std::string out;
    for (const auto &entry : list)
        out += (out.empty() ? "[" : " [") + shown(entry) + "]";
    return out;
}

std::size_t number(const std::u16string &text)
{
    return std::stoul(testdata::toUtf8(text));
}

// One letter per sound class, in class order: . black, s special groups,
// b background, c consonant, v vowel, u umlaut, A capital, p punctuation,
// d double.
SoundColours probeColours()
{
    SoundColours c;
    for (std::size_t i = 0; i < kSoundClassCount; ++i)
        c.colours[i] = static_cast<Colour>(i + 1);
    return c;
}

std::string letters(const std::vector<Colour> &colours, const char *names)
{
    std::string out;
    for (Colour c : colours)
        out.push_back(c < std::strlen(names) ? names[c] : '?');
    return out;
}

// k black, r red, b blue, g green, w white.
const std::map<char16_t, Colour> kMaskColours{
    {u'k', kBlack}, {u'r', kRed}, {u'b', 16711680}, {u'g', 49152}, {u'w', kWhite}};

std::string maskOf(Colour colour)
{
    for (const auto &[letter, c] : kMaskColours)
        if (c == colour)
            return std::string(1, char(letter));
    return std::to_string(colour);
}

std::string orUnchanged(const std::optional<std::u16string> &text)
{
    return text ? shown(*text) : "unchanged";
}

ReadingStep stepOf(const std::u16string &key)
{
    return ReadingStep(std::u16string(u"TSWYL").find(key.at(0)) + 1);
}

std::string trainerRun(const Args &a)
{
    ReadingTrainer trainer(a[0] == u"sounds" ? TrainerKind::Sounds : TrainerKind::Syllables);
    std::string out = shown(trainer.Activate(a[1], split(a[2])));
    for (char16_t key : a[3]) {
        if (key == u'+')
            out += trainer.AddToExerciseList(trainer.DisplayText()) ? "  added" : "  refused";
        else {
            const std::u16string shownText = key == u'A' ? trainer.AdoptExerciseList() : trainer.RunStep(stepOf({key}));
            out += "  " + shown(shownText) + (shownText == trainer.DisplayText() ? "" : " (display differs)");
        }
    }
    return out;
}

const std::map<std::string, std::function<std::string(const Args &)>> kRules{
    {"sounds",
     [](const Args &a) {
         const auto variant = a[2] == u"trainer" ? SoundVariant::SoundTrainer : SoundVariant::ColourWindow;
         return letters(ColourBySounds(a[0], probeColours(), a[1], variant).colours, ".sbcvuApd");
     }},
    {"special groups", [](const Args &a) { return joined(ParseSpecialGroups(a[0])); }},
    {"syllables",
     [](const Args &a) {
         const auto counting
             = a[1] == u"multi" ? SyllableCounting::MultiSyllableWords : SyllableCounting::AllSyllablesAlternating;
         return letters(ColourBySyllables(a[0], 1, 2, counting), "?12");
     }},
    {"syllable list",
     [](const Args &a) {
         const SyllableListResult r = BuildSyllableList(a[0]);
         return joined(r.sequence) + " sorted " + joined(r.list) + " count " + std::to_string(r.count);
     }},
    {"syllable table",
     [](const Args &a) { return shown(BuildSyllableTable(split(a[0]), int(number(a[1])), int(number(a[2])))); }},
    {"syllable pieces",
     [](const Args &a) {
         std::u16string out;
         std::size_t next = 0;
         for (const SyllablePiece &p : SyllablePieces(a[0])) {
             out += a[0].substr(next, p.start - next) + u"[" + a[0].substr(p.start, p.length) + u"]";
             next = p.start + p.length;
         }
         return shown(out + a[0].substr(std::min(next, a[0].size())));
     }},
    {"read back",
     [](const Args &a) {
         std::vector<Colour> colours;
         for (char16_t m : a[1])
             colours.push_back(kMaskColours.at(m));
         // Taken over onto colours of 999 each: special groups and
         // background keep theirs.
         SoundColours sound;
         sound.colours.fill(999);
         const ColourReadBack r = ReadColoursFromText(a[0], colours);
         r.applyTo(sound);
         std::string out = "classes";
         for (Colour c : sound.colours)
             out += " " + maskOf(c);
         return out + " syllables " + maskOf(r.syllableColours.first) + " " + maskOf(r.syllableColours.second);
     }},
    {"colour number",
     [](const Args &a) {
         const ColourNumberEntry e = ReadColourNumber(a[0]);
         const char *actions[] = {"ignore", "clear", "set"};
         return actions[int(e.action)]
             + (e.action == ColourNumberEntry::Action::Set ? " " + std::to_string(e.colour) : "") + " / written "
             + shown(ColourNumberText(Colour(e.colour)));
     }},
    {"save name",
     [](const Args &a) {
         const std::u16string upper = UpperCaseFileName(a[0]);
         return shown(upper) + (IsReservedFileName(upper) ? " reserved" : "") + " listed "
             + std::to_string(CountListedName(split(a[1]), upper));
     }},
    {"search replace", [](const Args &a) { return orUnchanged(SearchReplace(a[0], a[1], a[2])); }},
    {"filter", [](const Args &a) { return orUnchanged(FilterCharacter(a[0], a[1])); }},
    {"boundaries",
     [](const Args &a) {
         const BoundaryConversion r = ConvertBoundaries(a[0], a[1].at(0));
         std::string out = shown(r.text) + " at";
         for (std::size_t p : r.changedPositions)
             out += " " + std::to_string(p);
         return out;
     }},
    {"visible separator", [](const Args &a) { return shown(std::u16string(1, visibleSeparator(a[0]))); }},
    {"replace by separator",
     [](const Args &a) {
         const ReplaceBySeparatorResult r = ReplaceBySeparator(a[0], a[1], a[2]);
         const char *outcomes[] = {"replaced", "nothing selected", "selection is the separator"};
         return std::string(outcomes[int(r.outcome)]) + ": " + shown(r.text);
     }},
    {"sentences", [](const Args &a) { return joined(BuildSentenceList(a[0])); }},
    {"speech",
     [](const Args &a) {
         const SpeechPiece piece = TrainerSpeechPiece(stepOf(a[0]), a[1]);
         if (piece.spoken.empty())
             return std::string("silent");
         const auto marked = piece.Shown(number(a[2]), number(a[3]));
         return shown(piece.spoken) + (piece.phonemes ? " (sound)" : "") + " marks "
             + (marked ? std::to_string(marked->start) + "," + std::to_string(marked->length) : "nothing");
     }},
    {"trainer key",
     [](const Args &a) {
         const auto action = TrainerActionForKey(int(number(a[0])));
         return action ? std::to_string(int(*action)) : std::string("none");
     }},
    {"font size",
     [](const Args &a) {
         const double size = std::stod(testdata::toUtf8(a[0]));
         std::ostringstream s;
         s << "larger " << TrainerFontLarger(size) << " smaller " << TrainerFontSmaller(size);
         return s.str();
     }},
    {"sound class",
     [](const Args &a) {
         const auto c = SoundClass(number(a[0]));
         return shown(CategoryCaption(c)) + ": " + shown(CategoryInfoText(c, a[1]));
     }},
    {"trainer", trainerRun},
};

std::string answer(const std::string &line)
{
    std::vector<std::u16string> fields = split(testdata::fromUtf8(line.substr(0, line.find("\t=>"))), u'\t');
    const auto rule = kRules.find(testdata::toUtf8(fields.at(0)));
    Args args;
    for (std::size_t i = 1; i < fields.size(); ++i)
        args.push_back(notation(fields[i]));
    args.resize(std::max<std::size_t>(args.size(), 4));
    return rule == kRules.end() ? "unknown rule" : rule->second(args);
}

std::string rulesAnswered(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::string out;
    for (std::string line; std::getline(in, line);)
        out += line.empty() || line[0] == '#' ? line + "\n"
                                              : line.substr(0, line.find("\t=>")) + "\t=>\t" + answer(line) + "\n";
    return out;
}

std::string engineReport(const fs::path &file)
{
    const std::u16string text = testdata::withCrLf(testdata::readText(file.string()));
    fs::path groupsFile = file;
    groupsFile.replace_extension(".groups");
    std::u16string groups = fs::exists(groupsFile) ? testdata::readText(groupsFile.string()) : u"";
    groups.erase(std::find(groups.begin(), groups.end(), u'\n'), groups.end());
    const auto window = ColourBySounds(text, probeColours(), groups, SoundVariant::ColourWindow);
    const auto trainer = ColourBySounds(text, probeColours(), groups, SoundVariant::SoundTrainer);
    const auto alternating = ColourBySyllables(text, 1, 2, SyllableCounting::AllSyllablesAlternating);
    const auto multi = ColourBySyllables(text, 1, 2, SyllableCounting::MultiSyllableWords);
    const char *kinds = ".sbcvuApd";
    std::string out = "# char\twindow\ttrainer\talternating\tmulti-syllable (. black, s special, b background, c "
                      "consonant, v vowel, u umlaut, A capital, p punctuation, d double)\nbackground\t"
        + letters({window.background}, kinds) + "\t" + letters({trainer.background}, kinds) + "\n";
    for (std::size_t i = 0; i < text.size(); ++i)
        out += shown(text.substr(i, 1)) + "\t" + letters({window.colours[i]}, kinds) + "\t"
            + letters({trainer.colours[i]}, kinds) + "\t" + std::to_string(alternating[i]) + "\t"
            + std::to_string(multi[i]) + "\n";
    const SyllableListResult syllables = BuildSyllableList(text);
    return out + "# syllables " + joined(syllables.sequence) + "\n# list, count " + std::to_string(syllables.count)
        + " " + joined(syllables.list) + "\n# table width 4, columns 3\n"
        + shown(BuildSyllableTable(syllables.list, 4, 3)) + "\n";
}

std::string settingsReading(const fs::path &file)
{
    const SettingsReadResult r = ReadSettings(file);
    std::string out = (r.failed ? "failed after " : "read ") + std::to_string(r.linesRead) + " lines, fonts left out "
        + std::to_string(r.fontsLeftOut) + (r.takenOverWhole() ? ", taken over whole\ncolours" : "\ncolours");
    for (Colour c : r.settings.soundColours.colours)
        out += " " + std::to_string(c);
    out += "\ngroups " + joined({r.settings.specialGroupsText}) + "\nsyllables "
        + std::to_string(r.settings.syllableColours.first) + " " + std::to_string(r.settings.syllableColours.second)
        + "\nseparator " + joined({r.settings.separator}) + "\nfonts " + joined(r.settings.offeredFonts) + "\n";
    // Written and read again, the values stay the same.
    const SettingsReadResult back = parseSettings(formatSettings(r.settings));
    return out + (!back.failed && back.settings == r.settings ? "" : "written back differently\n");
}

struct GoldenCase {
    fs::path source;
    fs::path golden;
    std::string (*actual)(const fs::path &);
};

void PrintTo(const GoldenCase &c, std::ostream *os)
{
    *os << c.source.string();
}

std::vector<GoldenCase> goldenCases()
{
    const fs::path data(KOLORAT_TEST_DATA);
    const GoldenCase kinds[] = {{data / "textcore" / "rules", ".txt", rulesAnswered},
                                {data / "engines" / "colouring", ".txt", engineReport},
                                {data / "settings", ".ini", settingsReading}};
    std::vector<GoldenCase> cases;
    for (const GoldenCase &kind : kinds) {
        for (const auto &entry : fs::directory_iterator(kind.source)) {
            fs::path golden = entry.path();
            if (entry.path().extension() == kind.golden)
                cases.push_back({entry.path(),
                                 kind.actual == rulesAnswered ? golden : golden.replace_extension(".expected"),
                                 kind.actual});
        }
    }
    std::sort(cases.begin(), cases.end(), [](const auto &a, const auto &b) { return a.source < b.source; });
    return cases;
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesTheFile)
{
    const std::string actual = GetParam().actual(GetParam().source);
    if (std::getenv("KOLORAT_REGENERATE"))
        std::ofstream(GetParam().golden, std::ios::binary) << actual;
    EXPECT_EQ(actual, fs::exists(GetParam().golden) ? testdata::readFile(GetParam().golden.string()) : "")
        << GetParam().golden.string();
}

INSTANTIATE_TEST_SUITE_P(Files, Golden, testing::ValuesIn(goldenCases()), [](const auto &row) {
    std::string name = row.param.source.parent_path().filename().string() + "_" + row.param.source.stem().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
});

} // namespace
