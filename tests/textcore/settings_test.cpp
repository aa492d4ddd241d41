#include "textcore/settings.h"

#include "testdata.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

using namespace textcore;

namespace {

// The twelve lines of a file that holds the default values.
const std::string kDefaultLines = " 0 \r\n 16777215 \r\n 0 \r\n 49152 \r\n 16711680 \r\n 255 \r\n"
                                  " 12632064 \r\n 12583104 \r\n\r\n 0 \r\n 255 \r\n-\r\n";

// Replaces line n (1-based) of the default file.
std::string withLine(int n, const std::string &content)
{
    std::string out;
    std::size_t pos = 0;
    for (int line = 1; pos < kDefaultLines.size(); ++line) {
        const std::size_t end = kDefaultLines.find("\r\n", pos);
        out += line == n ? content : kDefaultLines.substr(pos, end - pos);
        out += "\r\n";
        pos = end + 2;
    }
    return out;
}

Settings sampleSettings()
{
    Settings s;
    s.soundColours.colours = {1, 16777215, 0, 65280, 16711680, 255, 12632064, 12583104};
    s.specialGroupsText = u"ß,chs,sch,";
    s.syllableColours = {16711680, 255};
    s.separator = u"~";
    s.offeredFonts = {u"Comic Sans MS", u"Übungsschrift", u"Times New Roman"};
    return s;
}

} // namespace

TEST(SettingsFormat, WritesNumbersWithSignPlaceAndTrailingBlank)
{
    const std::string bytes = formatSettings(Settings{});
    EXPECT_EQ(bytes, kDefaultLines);
}

TEST(SettingsFormat, WritesFontsAfterTheSeparatorInWindows1252)
{
    Settings s;
    s.specialGroupsText = u"ß,chs,";
    s.offeredFonts = {u"Übungsschrift", u"Arial Black"};
    const std::string bytes = formatSettings(s);
    EXPECT_NE(bytes.find("\r\n\xDF,chs,\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 31),
              "-\r\n\xDC"
              "bungsschrift\r\nArial Black\r\n");
}

TEST(SettingsFormat, LineBreaksInsideValuesDoNotShiftTheFollowingLines)
{
    Settings s;
    s.specialGroupsText = u"ch\r\nsch";
    s.offeredFonts = {u"A\nB"};
    const SettingsReadResult back = parseSettings(formatSettings(s));
    EXPECT_FALSE(back.failed);
    EXPECT_EQ(back.settings.specialGroupsText, u"ch  sch");
    EXPECT_EQ(back.settings.syllableColours, s.syllableColours);
    EXPECT_EQ(back.settings.offeredFonts, std::vector<std::u16string>{u"A B"});
}

TEST(SettingsRoundTrip, RestoresEveryValueAndTheFontOrder)
{
    const Settings s = sampleSettings();
    const SettingsReadResult back = parseSettings(formatSettings(s));
    EXPECT_FALSE(back.failed);
    EXPECT_EQ(back.linesRead, 15u);
    EXPECT_EQ(back.settings, s);
}

TEST(SettingsRoundTrip, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    Settings s;
    s.specialGroupsText = u"\u20AC,\u0141,";
    s.offeredFonts = {u"\u5B8B\u4F53", u"Caf\u00E9 \u2013 Serif"};
    const std::string bytes = formatSettings(s);
    EXPECT_NE(bytes.find("\x80,?,\r\n"), std::string::npos);
    const SettingsReadResult back = parseSettings(bytes);
    EXPECT_FALSE(back.failed);
    EXPECT_EQ(back.settings.specialGroupsText, u"\u20AC,?,");
    EXPECT_EQ(back.settings.offeredFonts, (std::vector<std::u16string>{u"??", u"Caf\u00E9 \u2013 Serif"}));
}

TEST(SettingsRoundTrip, FontNameWithCommaComesBackSplit)
{
    Settings s;
    s.offeredFonts = {u"Schulschrift, fett"};
    const SettingsReadResult back = parseSettings(formatSettings(s));
    EXPECT_FALSE(back.failed);
    EXPECT_EQ(back.settings.offeredFonts, (std::vector<std::u16string>{u"Schulschrift", u"fett"}));
}

// Files that read without failure, with one value to check each.
struct GoodFile {
    const char *name;
    std::string bytes;
    std::size_t linesRead;
    std::function<void(const Settings &)> check;
};

class SettingsReadsGoodFile : public testing::TestWithParam<GoodFile> {};

TEST_P(SettingsReadsGoodFile, TakesOverTheValues)
{
    const SettingsReadResult r = parseSettings(GetParam().bytes);
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(r.linesRead, GetParam().linesRead);
    EXPECT_EQ(r.takenOverWhole(), r.fontsLeftOut == 0);
    EXPECT_EQ(r.fontsLeftOut, r.linesRead > 30 ? r.linesRead - 30 : 0);
    GetParam().check(r.settings);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsReadsGoodFile,
    testing::Values(
        GoodFile{"only_twelve_lines_give_no_fonts", kDefaultLines, 12,
                 [](const Settings &s) {
                     EXPECT_EQ(s, Settings{});
                     EXPECT_TRUE(s.offeredFonts.empty());
                 }},
        GoodFile{"blanks_around_a_number_are_skipped", withLine(3, "    4711    "), 12,
                 [](const Settings &s) { EXPECT_EQ(s.soundColours[SoundClass::Consonants], 4711u); }},
        GoodFile{"number_without_blanks", withLine(1, "255"), 12,
                 [](const Settings &s) { EXPECT_EQ(s.soundColours[SoundClass::SpecialGroups], 255u); }},
        GoodFile{"number_ending_at_a_comma", withLine(10, " 12,"), 12,
                 [](const Settings &s) { EXPECT_EQ(s.syllableColours.first, 12u); }},
        GoodFile{"largest_colour", withLine(11, " 16777215 "), 12,
                 [](const Settings &s) { EXPECT_EQ(s.syllableColours.second, kWhite); }},
        // Any 32-bit integer is a colour by its lowest 24 bits.
        GoodFile{"negative_number", withLine(4, "-255 "), 12,
                 [](const Settings &s) { EXPECT_EQ(s.soundColours[SoundClass::Vowels], kWhite - 254); }},
        GoodFile{"smallest_32_bit_number", withLine(5, "-2147483648"), 12,
                 [](const Settings &s) { EXPECT_EQ(s.soundColours[SoundClass::Umlauts], kBlack); }},
        GoodFile{"number_above_24_bits", withLine(2, " 16777471 "), 12,
                 [](const Settings &s) { EXPECT_EQ(s.soundColours[SoundClass::Background], kRed); }},
        GoodFile{"groups_line_keeps_commas_and_blanks", withLine(9, " \xDF, chs ,"), 12,
                 [](const Settings &s) { EXPECT_EQ(s.specialGroupsText, u" \u00DF, chs ,"); }},
        GoodFile{"separator_equals", withLine(12, "="), 12, [](const Settings &s) { EXPECT_EQ(s.separator, u"="); }},
        GoodFile{"separator_with_leading_blanks", withLine(12, "   /"), 12,
                 [](const Settings &s) { EXPECT_EQ(s.separator, u"/"); }},
        GoodFile{"letter_as_separator", withLine(12, "x"), 12, [](const Settings &s) { EXPECT_EQ(s.separator, u"x"); }},
        GoodFile{"blank_separator_line_gives_empty_separator", withLine(12, ""), 12,
                 [](const Settings &s) { EXPECT_EQ(s.separator, u""); }},
        GoodFile{"field_after_separator_is_read_as_font", withLine(12, "~,Arial Narrow"), 12,
                 [](const Settings &s) {
                     EXPECT_EQ(s.separator, u"~");
                     EXPECT_EQ(s.offeredFonts, std::vector<std::u16string>{u"Arial Narrow"});
                 }},
        GoodFile{"blank_font_lines_are_skipped", kDefaultLines + "\r\nGaramond\r\n   \r\n\r\nFutura\r\n", 17,
                 [](const Settings &s) {
                     EXPECT_EQ(s.offeredFonts, (std::vector<std::u16string>{u"Garamond", u"Futura"}));
                 }},
        GoodFile{"last_line_without_line_end", kDefaultLines + "Garamond", 13,
                 [](const Settings &s) { EXPECT_EQ(s.offeredFonts, std::vector<std::u16string>{u"Garamond"}); }},
        GoodFile{"lone_cr_line_ends",
                 std::string(" 7 \r 16777215 \r 0 \r 49152 \r 16711680 \r 255 \r 12632064 \r"
                             " 12583104 \rch\r 0 \r 255 \r-\rCalibri\r"),
                 13,
                 [](const Settings &s) {
                     EXPECT_EQ(s.soundColours[SoundClass::SpecialGroups], 7u);
                     EXPECT_EQ(s.specialGroupsText, u"ch");
                     EXPECT_EQ(s.offeredFonts, std::vector<std::u16string>{u"Calibri"});
                 }},
        GoodFile{"eighteen_fonts_fit",
                 [] {
                     std::string b = kDefaultLines;
                     for (int i = 0; i < 18; ++i)
                         b += "Font " + std::to_string(i) + "\r\n";
                     return b;
                 }(),
                 30, [](const Settings &s) { EXPECT_EQ(s.offeredFonts.size(), 18u); }},
        GoodFile{"fonts_beyond_eighteen_are_left_out",
                 [] {
                     std::string b = kDefaultLines;
                     for (int i = 0; i < 20; ++i)
                         b += "Font " + std::to_string(i) + "\r\n";
                     return b;
                 }(),
                 32,
                 [](const Settings &s) {
                     EXPECT_EQ(s.offeredFonts.size(), 18u);
                     EXPECT_EQ(s.offeredFonts.back(), u"Font 17");
                 }}),
    [](const auto &row) { return std::string(row.param.name); });

// Broken files: reading stops at the bad line, keeps what came before and
// leaves the rest at the defaults.
struct BrokenFile {
    const char *name;
    std::string bytes;
    std::size_t linesRead;
};

class SettingsRejectsBrokenFile : public testing::TestWithParam<BrokenFile> {};

TEST_P(SettingsRejectsBrokenFile, StopsAtTheBadLine)
{
    const SettingsReadResult r = parseSettings(GetParam().bytes);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.linesRead, GetParam().linesRead);
    for (Colour c : r.settings.soundColours.colours)
        EXPECT_LE(c, kMaxColour);
    EXPECT_LE(r.settings.syllableColours.first, kMaxColour);
    EXPECT_LE(r.settings.syllableColours.second, kMaxColour);
    EXPECT_LE(r.settings.offeredFonts.size(), kMaxOfferedFonts);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsRejectsBrokenFile,
    testing::Values(
        BrokenFile{"empty_file", "", 0},
        BrokenFile{"file_ends_before_separator_line", kDefaultLines.substr(0, kDefaultLines.size() - 3), 11},
        BrokenFile{"number_beyond_32_bits", withLine(2, " 2147483648 "), 1},
        BrokenFile{"minus_without_digits", withLine(4, " - "), 3},
        BrokenFile{"huge_number", withLine(5, " 99999999999999999999999 "), 4},
        BrokenFile{"word_instead_of_number", withLine(6, " rot "), 5},
        BrokenFile{"empty_number_line", withLine(7, ""), 6},
        BrokenFile{"number_followed_by_text", withLine(8, " 255 abc"), 7},
        BrokenFile{"hexadecimal_number", withLine(10, "&HFF"), 9},
        BrokenFile{"decimal_fraction", withLine(11, " 2.5 "), 10},
        BrokenFile{"binary_in_groups_line", withLine(9, std::string("ch\0sch", 6)), 8},
        BrokenFile{"separator_of_two_characters", withLine(12, "--"), 11},
        BrokenFile{"huge_line", withLine(9, std::string(kMaxSettingsLineBytes + 1, 'a')), 8},
        BrokenFile{"binary_font_line", kDefaultLines + "Garamond\r\n\x01\x02\x7F\r\n", 13},
        BrokenFile{"file_larger_than_a_settings_file", kDefaultLines + std::string(kMaxSettingsFileBytes, '\n'),
                   12 + kMaxSettingsFileBytes - kDefaultLines.size()}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(SettingsRead, ValuesBeforeTheBadLineAreKept)
{
    std::string bytes = withLine(1, " 42 ");
    bytes = bytes.substr(0, bytes.find("\r\n 255 \r\n")); // cut after line 5
    bytes.replace(bytes.find(" 16711680 "), 10, " 16711680 \r\n kaputt");
    const SettingsReadResult r = parseSettings(bytes);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.linesRead, 5u);
    EXPECT_EQ(r.settings.soundColours[SoundClass::SpecialGroups], 42u);
    EXPECT_EQ(r.settings.soundColours[SoundClass::Capitals], Settings{}.soundColours[SoundClass::Capitals]);
}

// Sample files that also seed the fuzzer.
struct SampleFile {
    const char *file;
    bool failed;
    std::size_t linesRead;
};

class SettingsSampleFile : public testing::TestWithParam<SampleFile> {};

TEST_P(SettingsSampleFile, ReadsAsExpected)
{
    const SettingsReadResult r = ReadSettings(std::string(KOLORAT_TEST_DATA) + "/settings/" + GetParam().file);
    EXPECT_EQ(r.failed, GetParam().failed);
    EXPECT_EQ(r.linesRead, GetParam().linesRead);
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsSampleFile,
                         testing::Values(SampleFile{"defaults.ini", false, 12}, SampleFile{"fonts.ini", false, 17},
                                         SampleFile{"blank_separator.ini", false, 12},
                                         SampleFile{"lf_only.ini", false, 13}, SampleFile{"broken_colour.ini", true, 1},
                                         SampleFile{"no_such_file.ini", true, 0}));

TEST(SettingsSampleFile, FontsFileValues)
{
    const SettingsReadResult r = ReadSettings(std::string(KOLORAT_TEST_DATA) + "/settings/fonts.ini");
    EXPECT_EQ(r.settings.soundColours[SoundClass::SpecialGroups], 128u);
    EXPECT_EQ(r.settings.specialGroupsText, u"ß,chs,sch,");
    EXPECT_EQ(r.settings.separator, u"=");
    EXPECT_EQ(r.settings.offeredFonts,
              (std::vector<std::u16string>{u"Comic Sans MS", u"Times New Roman", u"Schulschrift", u"fett",
                                           u"Übungsschrift"}));
}

class SettingsFileOnDisk : public testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path()
            / ("kolorat_settings_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
               + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(SettingsFileOnDisk, WriteThenReadRestoresEverything)
{
    const Settings s = sampleSettings();
    ASSERT_TRUE(WriteSettings(dir / "KOLORAT.INI", s));
    const SettingsReadResult r = ReadSettings(dir / "KOLORAT.INI");
    EXPECT_FALSE(r.failed);
    EXPECT_EQ(r.settings, s);
    // Nothing but the settings file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST_F(SettingsFileOnDisk, OverwritesAnExistingFile)
{
    std::ofstream(dir / "KOLORAT.INI") << std::string(5000, 'x');
    ASSERT_TRUE(WriteSettings(dir / "KOLORAT.INI", Settings{}));
    EXPECT_EQ(testdata::readBytes("settings/defaults.ini"), [&] {
        std::ifstream in(dir / "KOLORAT.INI", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }());
}

TEST_F(SettingsFileOnDisk, FailedWriteReportsFailureAndKeepsTheOldFile)
{
    // The file's place is taken by a folder that holds a file, so the
    // rename cannot replace it.
    std::filesystem::create_directories(dir / "KOLORAT.INI" / "inside");
    EXPECT_FALSE(WriteSettings(dir / "KOLORAT.INI", Settings{}));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "KOLORAT.INI" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(dir / "KOLORAT.INI.new"));
    EXPECT_FALSE(WriteSettings(dir / "missing_folder" / "KOLORAT.INI", Settings{}));
}

TEST_F(SettingsFileOnDisk, FolderInsteadOfFileTakesTheFailurePath)
{
    std::filesystem::create_directories(dir / "KOLORAT.INI");
    const SettingsReadResult r = ReadSettings(dir / "KOLORAT.INI");
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.linesRead, 0u);
    EXPECT_EQ(r.settings, Settings{});
}

TEST_F(SettingsFileOnDisk, OversizedFileIsRefused)
{
    {
        std::ofstream out(dir / "KOLORAT.INI", std::ios::binary);
        out << kDefaultLines << std::string(kMaxSettingsFileBytes * 4, 'A');
    }
    const SettingsReadResult r = ReadSettings(dir / "KOLORAT.INI");
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.linesRead, 12u);
}

TEST_F(SettingsFileOnDisk, BackupKeepsTheNewestBrokenFile)
{
    const auto ini = dir / "KOLORAT.INI";
    const auto backUp = [&](const std::string &bytes, std::chrono::hours age) {
        std::ofstream(ini, std::ios::binary) << bytes;
        std::filesystem::last_write_time(ini, std::filesystem::file_time_type::clock::now() - age);
        EXPECT_TRUE(BackUpSettings(ini));
        return testdata::readFile(SettingsBackupPath(ini).string());
    };
    EXPECT_EQ(backUp("erste kaputte Datei", std::chrono::hours(2)), "erste kaputte Datei");
    // An older broken file leaves the newer backup alone, a newer one replaces it.
    EXPECT_EQ(backUp("alte Datei", std::chrono::hours(3)), "erste kaputte Datei");
    EXPECT_EQ(backUp("neue Datei", std::chrono::hours(0)), "neue Datei");
    EXPECT_FALSE(std::filesystem::exists(dir / "KOLORAT.INI.BAK.new"));
    EXPECT_FALSE(BackUpSettings(dir / "missing.ini"));
}
