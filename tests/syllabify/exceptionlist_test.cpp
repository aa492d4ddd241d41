// The teacher's exception list file: reading in both encodings, lookup,
// adding, and writing without losing anything.
#include "syllabify/exceptionlist.h"
#include "syllabify/syllabifier.h"
#include "textcore/utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace syllabify;
namespace fs = std::filesystem;

namespace {

class ExceptionFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
            / ("kolorat-silben-" + std::to_string(::getpid()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / exceptionFileName;
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string &bytes)
    {
        std::ofstream out(file, std::ios::binary);
        out << bytes;
    }
    std::string read()
    {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    fs::path dir;
    fs::path file;
};

using Boundaries = std::vector<size_t>;

} // namespace

TEST_F(ExceptionFile, MissingFileIsAnEmptyListWithoutError)
{
    ExceptionList list;
    const textcore::Result<> loaded = list.load(file);
    EXPECT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded.message().empty());
    EXPECT_TRUE(list.empty());
}

TEST_F(ExceptionFile, ReadsUtf8WithAndWithoutByteOrderMark)
{
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        write(bom
              + "Farb-aus-wahl\r\nM\xC3\xBC"
                "s-li\nK\xC3\xA4"
                "se\xC2\xAD"
                "ku-chen");
        ExceptionList list;
        ASSERT_TRUE(list.load(file).ok());
        EXPECT_EQ(list.size(), 3u);
        EXPECT_EQ(list.find(u"farbauswahl"), (Boundaries{4, 7}));
        EXPECT_EQ(list.find(u"MÜSLI"), (Boundaries{3}));
        EXPECT_EQ(list.find(u"Käsekuchen"), (Boundaries{4, 6}));
        EXPECT_TRUE(list.problems().empty());
    }
}

TEST_F(ExceptionFile, ReadsWindows1252)
{
    write("M\xFCs-li\r\nStra-\xDF"
          "e\r\n"); // ü and ß as single bytes: not UTF-8
    ExceptionList list;
    ASSERT_TRUE(list.load(file).ok());
    EXPECT_EQ(list.find(u"Müsli"), (Boundaries{3}));
    EXPECT_EQ(list.find(u"straße"), (Boundaries{4}));
}

TEST_F(ExceptionFile, LookupIgnoresCaseButNotLetters)
{
    write("\xC3\x84p-fel\r\n");
    ExceptionList list;
    ASSERT_TRUE(list.load(file).ok());
    EXPECT_TRUE(list.find(u"äpfel"));
    EXPECT_TRUE(list.find(u"ÄPFEL"));
    EXPECT_FALSE(list.find(u"Apfel"));
    EXPECT_FALSE(list.find(u"Äpfe"));
}

TEST_F(ExceptionFile, BadLinesAreReportedKeptAndNotUsed)
{
    write("Farb-aus-wahl\r\nzwei Wörter\r\n\r\nOhnemarke\r\n-vorne\r\nGut-so\r\n");
    ExceptionList list;
    ASSERT_TRUE(list.load(file).ok());
    EXPECT_EQ(list.size(), 2u);
    ASSERT_EQ(list.problems().size(), 3u);
    EXPECT_NE(list.problems()[0].find(u"Zeile 2"), std::u16string::npos);
    EXPECT_FALSE(list.find(u"Ohnemarke"));
    ASSERT_TRUE(list.save(file).ok());
    EXPECT_EQ(read(), "Farb-aus-wahl\r\nzwei W\xC3\xB6rter\r\n\r\nOhnemarke\r\n-vorne\r\nGut-so\r\n");
}

TEST_F(ExceptionFile, AddedWordsAreStoredWithHyphensAndReadBack)
{
    ExceptionList list;
    EXPECT_EQ(list.add(u"Farb=aus~wahl").value(), ExceptionList::AddResult::Added);
    EXPECT_EQ(list.add(u"Pi\u00ADa/no").value(), ExceptionList::AddResult::Added);
    EXPECT_EQ(list.add(u"FARB-AUS-WAHL").value(), ExceptionList::AddResult::Replaced);
    EXPECT_EQ(list.size(), 2u);
    const textcore::Result<> saved = list.save(file);
    ASSERT_TRUE(saved.ok()) << textcore::encodeUtf8(saved.message());
    EXPECT_EQ(read(), "FARB-AUS-WAHL\r\nPi-a-no\r\n");
    EXPECT_FALSE(fs::exists(dir / (std::string(exceptionFileName) + ".tmp")));

    ExceptionList again;
    ASSERT_TRUE(again.load(file).ok());
    EXPECT_EQ(again.find(u"farbauswahl"), (Boundaries{4, 7}));
    EXPECT_EQ(again.find(u"piano"), (Boundaries{2, 3}));
}

TEST_F(ExceptionFile, ReplacingAWordKeepsItsPlace)
{
    write("Ab-end\r\nO-fen\r\n");
    ExceptionList list;
    ASSERT_TRUE(list.load(file).ok());
    EXPECT_EQ(list.add(u"A-bend").value(), ExceptionList::AddResult::Replaced);
    ASSERT_TRUE(list.save(file).ok());
    EXPECT_EQ(read(), "A-bend\r\nO-fen\r\n");
}

TEST_F(ExceptionFile, FailedWriteReportsAndKeepsTheOldList)
{
    write("O-fen\r\n");
    ExceptionList list;
    ASSERT_TRUE(list.load(file).ok());
    ASSERT_TRUE(list.add(u"A-bend").ok());
    // A directory in the way of the temporary file makes the write fail.
    fs::create_directory(dir / (std::string(exceptionFileName) + ".tmp"));
    const textcore::Result<> saved = list.save(file);
    EXPECT_FALSE(saved.ok());
    EXPECT_NE(saved.message().find(u"nicht geschrieben"), std::u16string::npos);
    EXPECT_EQ(read(), "O-fen\r\n");
}

TEST_F(ExceptionFile, UnreadableFileIsAnError)
{
    fs::create_directory(file); // exists, but cannot be read as a file
    ExceptionList list;
    const textcore::Result<> loaded = list.load(file);
    EXPECT_FALSE(loaded.ok());
    EXPECT_NE(loaded.message().find(u"nicht gelesen"), std::u16string::npos);
}

namespace {
struct AddCase {
    const char *name;
    const char16_t *text;
};
class InvalidAdd : public ::testing::TestWithParam<AddCase> {};
} // namespace

TEST_P(InvalidAdd, IsRefusedWithAGermanMessage)
{
    ExceptionList list;
    const textcore::Result<ExceptionList::AddResult> added = list.add(GetParam().text);
    EXPECT_FALSE(added.ok());
    EXPECT_NE(added.message().find(u"Wort"), std::u16string::npos);
    EXPECT_TRUE(list.empty());
}

INSTANTIATE_TEST_SUITE_P(Selections, InvalidAdd,
                         ::testing::Values(AddCase{"Empty", u""}, AddCase{"NoMark", u"Apfel"},
                                           AddCase{"TwoWords", u"Ap-fel Ku-chen"}, AddCase{"MarkAtTheStart", u"-Apfel"},
                                           AddCase{"MarkAtTheEnd", u"Ap-fel-"}, AddCase{"TwoMarksInARow", u"Ap--fel"},
                                           AddCase{"Digit", u"Ap-fel2"}, AddCase{"OnlyAMark", u"-"},
                                           AddCase{"LineBreak", u"Ap-fel\r\nBirne"}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(ExceptionListAdd, SurroundingBlanksOfASelectionAreIgnored)
{
    ExceptionList list;
    EXPECT_EQ(list.add(u" Ap-fel ").value(), ExceptionList::AddResult::Added);
    EXPECT_EQ(list.find(u"apfel"), (Boundaries{2}));
}

TEST(Syllabifier, MissingPatternsGiveAGermanMessageAndNoMarks)
{
    const Syllabifier s("/nonexistent/hyph_de_DE.dic");
    EXPECT_FALSE(s.isReady());
    EXPECT_NE(s.errorMessage().find(u"Silbenmuster"), std::u16string::npos);
    EXPECT_TRUE(s.boundaries(u"Abend").empty());
}

TEST_F(ExceptionFile, DamagedPatternsGiveAGermanMessage)
{
    write("UTF-8\nthis is no pattern file\n");
    const Syllabifier s(file.string());
    EXPECT_FALSE(s.isReady());
    EXPECT_NE(s.errorMessage().find(u"fehlerhaft"), std::u16string::npos);
}
