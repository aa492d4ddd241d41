// textcore against golden files and, for the fast rules, against literal
// oracles on random texts.
//
// The golden files are rewritten by KOLORAT_REGENERATE=1 (or the
// scripts/regenerate-* scripts) after an intended change; review the diff
// before committing. Three kinds:
// - tests/data/textcore/rules/*.txt: every line names a rule and its
//   arguments, separated by tabs, and holds the answer behind "=>";
// - tests/data/engines/colouring/NAME.txt (LF read as CR LF, NAME.groups the
//   special groups): every character's colour by sounds for the colour
//   window and the sound trainer, by syllables in both countings, and the
//   syllable list and table, in NAME.expected;
// - tests/data/settings/NAME.ini: the values read, in NAME.expected, which
//   also must come back unchanged once written.
// Notation: ␣ blank, ^ soft hyphen, ¶ CR LF, \r \n \t \0 lone controls.
//
// Each oracle does what its rule describes one character or one pass at a
// time. Last come what the golden files cannot hold: code pages, letter
// sounds and KOLORAT.INI on disk.
#include "testdata.h"

#include "textcore/colourreadback.h"
#include "textcore/colourwindowrules.h"
#include "textcore/cp1252.h"
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
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <unistd.h>

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

std::string kindOf(Colour colour)
{
    return std::string(1, colour < 9 ? ".sbcvuApd"[colour] : '?');
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

// What is spoken, and which shown characters the words heard at
// [a[at], a[at] + a[at + 1]) of it mark.
std::string spoken(const SpeechPiece &piece, const Args &a, std::size_t at)
{
    if (piece.empty())
        return "silent";
    const auto marked = piece.Shown(number(a[at]), number(a[at + 1]));
    return shown(piece.spoken) + (piece.phonemes ? " (sound)" : "") + " marks "
        + (marked ? std::to_string(marked->start) + "," + std::to_string(marked->length) : "nothing");
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
    {"special groups", [](const Args &a) { return joined(ParseSpecialGroups(a[0])); }},
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
    {"speech", [](const Args &a) { return spoken(TrainerSpeechPiece(stepOf(a[0]), a[1]), a, 2); }},
    {"editor speech",
     [](const Args &a) { return spoken(SelectionSpeechPiece(a[0], number(a[1]), number(a[2]), a[3]), a, 4); }},
    {"speech rate",
     [](const Args &a) {
         const auto rate = SpeechRateFromName(a[0]);
         return rate ? std::to_string(WordsPerMinute(*rate)) + " words a minute" : "unknown";
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
    {"settings written",
     [](const Args &a) {
         Settings s;
         s.specialGroupsText = a[0];
         s.offeredFonts = split(a[1]);
         const SettingsReadResult r = parseSettings(formatSettings(s));
         return (r.failed ? "failed " : "read ") + joined({r.settings.specialGroupsText}) + " fonts "
             + joined(r.settings.offeredFonts);
     }},
};

std::string answer(const std::string &line)
{
    std::vector<std::u16string> fields = split(testdata::fromUtf8(line.substr(0, line.find("\t=>"))), u'\t');
    const auto rule = kRules.find(testdata::toUtf8(fields.at(0)));
    Args args;
    for (std::size_t i = 1; i < fields.size(); ++i)
        args.push_back(notation(fields[i]));
    args.resize(std::max<std::size_t>(args.size(), 6));
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
    std::string out = "# char\twindow\ttrainer\talternating\tmulti-syllable (. black, s special, b background, c "
                      "consonant, v vowel, u umlaut, A capital, p punctuation, d double)\nbackground\t"
        + kindOf(window.background) + "\t" + kindOf(trainer.background) + "\n";
    for (std::size_t i = 0; i < text.size(); ++i)
        out += shown(text.substr(i, 1)) + "\t" + kindOf(window.colours[i]) + "\t" + kindOf(trainer.colours[i]) + "\t"
            + std::to_string(alternating[i]) + "\t" + std::to_string(multi[i]) + "\n";
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

std::vector<GoldenCase> goldenCases()
{
    const fs::path data(KOLORAT_TEST_DATA);
    const GoldenCase kinds[] = {{data / "textcore" / "rules", ".txt", rulesAnswered},
                                {data / "engines" / "colouring", ".txt", engineReport},
                                {data / "settings", ".ini", settingsReading}};
    std::vector<GoldenCase> cases;
    for (const GoldenCase &kind : kinds)
        for (const auto &entry : fs::directory_iterator(kind.source))
            if (fs::path golden = entry.path(); golden.extension() == kind.golden)
                cases.push_back({entry.path(),
                                 kind.actual == rulesAnswered ? golden : golden.replace_extension(".expected"),
                                 kind.actual});
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

std::u16string randomText(std::mt19937 &random, std::u16string_view alphabet, std::size_t maxLength)
{
    std::u16string text(random() % (maxLength + 1), u' ');
    for (char16_t &c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

// The three passes of the sound colouring, one position at a time and one
// group after the other.
std::vector<Colour> literalPasses(const std::u16string &t, const SoundColours &k, const std::u16string &specialGroups,
                                  SoundVariant variant)
{
    const bool trainer = variant == SoundVariant::SoundTrainer;
    const std::pair<std::u16string_view, SoundClass> classes[]
        = {{u"bcdfghjklmnpqrs\u00DFtvwxyz", SoundClass::Consonants},
           {u"aeiou", SoundClass::Vowels},
           {u"\u00E4\u00F6\u00FC", SoundClass::Umlauts},
           {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00DC", SoundClass::Capitals},
           {trainer ? u".:,;-!?'" : u".:,;-!?", SoundClass::Punctuation}};
    const std::size_t n = t.size();
    std::vector<Colour> out(n, trainer ? k[SoundClass::SpecialGroups] : 0);
    for (std::size_t i = 0; i < n; ++i)
        for (const auto &[members, soundClass] : classes)
            if (members.find(t[i]) != std::u16string::npos)
                out[i] = k[soundClass];
    for (std::size_t i = 1; i + 2 <= n; ++i) {
        const std::u16string c(1, t[i - 1]);
        std::u16string g;
        if (t.substr(i, 1) == c)
            g = c + c;
        if (t.substr(i - 1, 2) == u"ck" || t.substr(i - 1, 2) == u"tz")
            g = t.substr(i - 1, 2);
        if (t.substr(i - 1, 3) == c + u"\u00AD" + c || t.substr(i - 1, 3) == u"t\u00ADz")
            g = t.substr(i - 1, 3);
        std::fill_n(out.begin() + std::ptrdiff_t(i - 1), g.size(), k[SoundClass::DoubleConsonants]);
    }
    for (const std::u16string &s : ParseSpecialGroups(specialGroups)) {
        for (std::size_t i = 1; !s.empty() && i <= n; ++i) {
            if (t.substr(i - 1, s.size()) == s) {
                std::fill_n(out.begin() + std::ptrdiff_t(i - 1), s.size(), k[SoundClass::SpecialGroups]);
                i += s.size();
            }
        }
    }
    return out;
}

TEST(CrossCheck, SoundColouringAgreesWithTheLiteralPasses)
{
    std::mt19937 random(2026);
    const SoundColours probe = probeColours();
    for (int round = 0; round < 3000; ++round) {
        const std::u16string text = randomText(random, u"aabcckttzssß\u00AD\u00AD  .-'AÄ\r\n1", 23);
        const std::u16string groups = randomText(random, u"abcksßt\u00AD ,,", 7);
        for (SoundVariant variant : {SoundVariant::ColourWindow, SoundVariant::SoundTrainer}) {
            ASSERT_EQ(ColourBySounds(text, probe, groups, variant).colours, literalPasses(text, probe, groups, variant))
                << "text " << shown(text) << " groups " << shown(groups);
        }
    }
}

// The syllable list built the slow way: runs collected character by
// character, each new syllable inserted at its sorted place.
TEST(CrossCheck, SyllableListAgreesWithInsertionIntoASortedList)
{
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        const std::u16string text = randomText(random, u"aAäÄbBsßS \u00AD.1é", 29);
        std::vector<std::u16string> sequence{u""}, list;
        for (char16_t c : text + u" ") {
            if (IsSyllableLetter(c))
                sequence.back() += c;
            else if (!sequence.back().empty())
                sequence.emplace_back();
        }
        sequence.pop_back();
        for (const auto &syllable : sequence) {
            if (std::count(list.begin(), list.end(), syllable) != 0)
                continue;
            auto at = list.begin();
            while (at != list.end() && SyllableSortKey(*at) < SyllableSortKey(syllable))
                ++at;
            list.insert(at, syllable);
        }
        const SyllableListResult result = BuildSyllableList(text);
        ASSERT_EQ(result.sequence, sequence) << shown(text);
        ASSERT_EQ(result.list, list) << shown(text);
        ASSERT_EQ(result.count, list.size());
    }
    int letters = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c)
        letters += IsSyllableLetter(static_cast<char16_t>(c)) ? 1 : 0;
    EXPECT_EQ(letters, 59); // a-z, A-Z, äöüÄÖÜß
}

// The colour read-back as the editor describes it: every character from the
// first to the last, six slots starting at " 0", colours written as text.
ColourReadBack literalScan(std::u16string_view t, const std::vector<Colour> &col)
{
    std::array<std::string, 6> slot;
    slot.fill(" 0");
    const std::u16string_view sets[5] = {u"bcdfghjklmnpqrs\u00DFtvwxyz", u"aeiou", u"\u00E4\u00F6\u00FC",
                                         u"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00DC", u".:,;-!?'"};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::string s = std::to_string(col[i]);
        for (std::size_t k = 0; k < 5; ++k)
            if (sets[k].find(t[i]) != std::u16string_view::npos)
                slot[k] = s;
        if (i > 0 && ((t[i - 1] == u'c' && t[i] == u'k') || t[i] == t[i - 1] || (t[i - 1] == u't' && t[i] == u'z')))
            slot[5] = s;
    }
    ColourReadBack r;
    for (std::size_t k = 0; k < 6; ++k)
        r.classColours[k] = static_cast<Colour>(std::stoul(slot[k]));
    r.syllableColours = {r.classColours[0], kWhite};
    for (std::size_t k = 1; k < 6; ++k)
        if (slot[k] != slot[0])
            r.syllableColours.second = r.classColours[k];
    return r;
}

TEST(CrossCheck, ColourReadBackAgreesWithTheCharacterByCharacterScan)
{
    std::mt19937 random(4711);
    for (int round = 0; round < 20000; ++round) {
        const std::u16string text = randomText(random, u"abckstzeEAo\u00E4\u00C4\u00DF.' -\u00AD\r\n1\u20AC", 11);
        std::vector<Colour> colours;
        for (std::size_t i = 0; i < text.size(); ++i)
            colours.push_back(std::array{kBlack, kRed, Colour(16711680)}[random() % 3]);
        const ColourReadBack expected = literalScan(text, colours);
        const ColourReadBack actual = ReadColoursFromText(text, colours);
        ASSERT_EQ(actual.classColours, expected.classColours) << shown(text);
        ASSERT_EQ(actual.syllableColours, expected.syllableColours) << shown(text);
    }
}

// Search and replace as the tool describes it: the first occurrence from the
// start, again and again; nothing when it has not ended after `limit` passes.
std::optional<std::u16string> naiveRepeated(std::u16string text, const std::u16string &find,
                                            const std::u16string &replacement, int limit)
{
    for (int pass = 0; pass < limit; ++pass) {
        const std::size_t hit = text.find(find);
        if (hit == std::u16string::npos)
            return text;
        text.replace(hit, find.size(), replacement);
    }
    return std::nullopt;
}

TEST(CrossCheck, SearchReplaceAgreesWithRepeatedFirstOccurrence)
{
    // Two letters make replacements create new occurrences all the time.
    std::mt19937 random(20261206);
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::u16string text = randomText(random, u"ab", 24);
        const std::u16string find = u"ab"[random() % 2] + randomText(random, u"ab", 3);
        const std::u16string replacement = u"ab"[random() % 2] + randomText(random, u"ab", 3);
        if (replacement.find(find) != std::u16string::npos)
            continue;
        const auto expected = naiveRepeated(text, find, replacement, 300);
        const auto actual = SearchReplace(text, find, replacement);
        // Some answers («ab» -> «bbaa») keep growing the text: the plain rule
        // gives no result there, but the tool must still end.
        ASSERT_TRUE(actual.has_value());
        if (expected) {
            ASSERT_EQ(actual, expected) << shown(text) << " " << shown(find) << " " << shown(replacement);
            ++compared;
        }
    }
    EXPECT_GT(compared, 700);
    // «ab» -> «ba» would move every a behind every b, one swap a pass: the
    // search goes on behind each insert instead.
    const auto sorted = SearchReplace(std::u16string(5000, u'a') + std::u16string(5000, u'b'), u"ab", u"ba");
    EXPECT_EQ(sorted, std::u16string(4999, u'a') + u"ba" + std::u16string(4999, u'b'));
}

// Random key presses over odd sentence lists keep every index in range (run
// under the sanitizers) and every display consistent with its step.
TEST(CrossCheck, RandomTrainerStepsKeepTheStateValid)
{
    const std::vector<std::vector<std::u16string>> lists{
        {}, {u""}, {u" "}, {u"a"}, {u"\u00AD"}, {u"ab  c\u00ADd.", u"x", u"  "}, {u"Ich lese.", u"Du liest."}};
    std::mt19937 random(42);
    for (TrainerKind kind : {TrainerKind::Sounds, TrainerKind::Syllables}) {
        for (const auto &list : lists) {
            ReadingTrainer trainer(kind);
            trainer.Activate(u"T", list);
            for (int i = 0; i < 400; ++i) {
                const int key = static_cast<int>(random() % 8);
                if (key == 6)
                    trainer.AddToExerciseList(trainer.DisplayText());
                if (key == 7 && random() % 4 == 0)
                    trainer.AdoptExerciseList();
                if (key >= 6)
                    continue;
                const ReadingStep step = static_cast<ReadingStep>(key % 5 + 1);
                const std::u16string display = trainer.RunStep(step);
                const auto &sentences = trainer.SentenceList();
                const auto cursor = trainer.SentenceCursor();
                ASSERT_TRUE(cursor >= -1 && cursor < std::ptrdiff_t(sentences.size())
                            && (cursor == -1) == sentences.empty());
                ASSERT_TRUE(trainer.PieceList().empty()
                            || trainer.PieceCursor() < static_cast<std::ptrdiff_t>(trainer.PieceList().size()));
                if (step == ReadingStep::Text)
                    continue;
                ASSERT_TRUE(!sentences.empty() || display.empty());
                ASSERT_TRUE(sentences.empty() || step != ReadingStep::Sentence || display == sentences[cursor]);
                if (!sentences.empty() && step == ReadingStep::Letter) {
                    ASSERT_EQ(display, sentences[cursor].substr(0, display.size()));
                    ASSERT_EQ(display.size(), std::min(trainer.LetterPosition(), sentences[cursor].size()));
                }
            }
        }
    }
}

// The reference is written by scripts/regenerate-textcore-golden.py, which
// finds the sentences its own way.
TEST(CrossCheck, SentencesOfTheGermanParagraphAsTheScriptFindsThem)
{
    std::u16string sentences;
    for (const std::u16string &entry : BuildSentenceList(testdata::readText("textcore/german_paragraph.txt")))
        sentences += entry + u"\n";
    EXPECT_EQ(sentences, testdata::readText("textcore/german_paragraph.sentences.txt"));
}

TEST(CodePages, Cp1252AndUtf8RoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    ASSERT_EQ(decodeCp1252(all).size(), 256u);
    EXPECT_EQ(encodeCp1252(decodeCp1252(all)), all);
    EXPECT_EQ(decodeCp1252("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80\xAD\x84\x93\x96\x8D"), u"äöüÄÖÜß€\u00AD„“–\u008D");
    EXPECT_EQ(encodeCp1252(u"a\u0100bŸ\u4E2D"), "a?b\x9F?");
    for (const char *valid : {"Apfel", "\xC3\xA4\xC3\x9F", "A\xC2\xAD", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"})
        EXPECT_EQ(encodeUtf8(decodeUtf8(valid).value_or(u"")), valid);
    for (const char *invalid : {"M\xFCsli", "\xC3", "\xC3\x41", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
        EXPECT_FALSE(decodeUtf8(invalid).has_value()) << invalid;
    // A lone surrogate cannot be written; it becomes the replacement character.
    EXPECT_EQ(encodeUtf8(std::u16string{u'a', 0xD800, u'b', 0xDC00}), "a\uFFFDb\uFFFD");
}

// Every German letter sounds in the engine's phoneme notation, a capital as
// its small letter: a letter without one would be spelt by its name.
TEST(LetterSounds, EveryLetterInBothCases)
{
    for (const char16_t small : std::u16string_view(u"abcdefghijklmnopqrstuvwxyz\u00E4\u00F6\u00FC\u00DF")) {
        const std::u16string_view sound = LetterSound(small);
        EXPECT_TRUE(sound.size() > 4 && sound.starts_with(u"[[") && sound.ends_with(u"]]")) << int(small);
        if (small != u'\u00DF') {
            EXPECT_EQ(LetterSound(char16_t(small - 0x20)), sound) << int(small);
        }
    }
    for (const char16_t other : std::u16string_view(u"1 .-\u00AD\u00E9\u00C9"))
        EXPECT_TRUE(LetterSound(other).empty()) << int(other);
}

// A folder of its own for the files a test writes.
struct ScratchDir {
    fs::path path = fs::temp_directory_path() / ("kolorat_textcore_" + std::to_string(::getpid()));
    ScratchDir() { fs::create_directories(path); }
    ~ScratchDir() { fs::remove_all(path); }
};

// Written through a new file and a rename: whole, or the old file stays. A
// broken file is kept aside, the newest one winning.
TEST(SettingsFile, WrittenWholeOrNotAtAllAndBackedUp)
{
    const ScratchDir dir;
    const fs::path ini = dir.path / "KOLORAT.INI";
    std::ofstream(ini) << std::string(5000, 'x');
    ASSERT_TRUE(WriteSettings(ini, Settings{}));
    EXPECT_EQ(testdata::readFile(ini.string()), testdata::readFile(KOLORAT_TEST_DATA "/settings/defaults.ini"));
    EXPECT_FALSE(WriteSettings(dir.path / "missing_folder" / "KOLORAT.INI", Settings{}));
    const fs::path folder = dir.path / "FOLDER.INI";
    fs::create_directories(folder / "inside");
    EXPECT_FALSE(WriteSettings(folder, Settings{}));
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
    const SettingsReadResult r = ReadSettings(folder);
    EXPECT_TRUE(r.failed && r.linesRead == 0 && r.settings == Settings{});
    EXPECT_TRUE(ReadSettings(dir.path / "missing.ini").failed);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), {}), 2); // no new file left behind

    const auto backUp = [&](const std::string &bytes, std::chrono::hours age) {
        std::ofstream(ini, std::ios::binary) << bytes;
        fs::last_write_time(ini, fs::file_time_type::clock::now() - age);
        EXPECT_TRUE(BackUpSettings(ini));
        return testdata::readFile(SettingsBackupPath(ini).string());
    };
    EXPECT_EQ(backUp("erste kaputte Datei", std::chrono::hours(2)), "erste kaputte Datei");
    // An older broken file leaves the newer backup alone, a newer one replaces it.
    EXPECT_EQ(backUp("alte Datei", std::chrono::hours(3)), "erste kaputte Datei");
    EXPECT_EQ(backUp("neue Datei", std::chrono::hours(0)), "neue Datei");
    EXPECT_FALSE(fs::exists(dir.path / "KOLORAT.INI.BAK.new"));
    EXPECT_FALSE(BackUpSettings(dir.path / "missing.ini"));
}

} // namespace
