#include "textcore/settings.h"

#include "textcore/cp1252.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace textcore {
namespace {

constexpr std::size_t kNumberLinesBeforeGroups = 8;
constexpr std::size_t kGroupsLine = 9;
constexpr std::size_t kFirstSyllableLine = 10;
constexpr std::size_t kSecondSyllableLine = 11;
constexpr std::size_t kSeparatorLine = 12;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Bytes that no typed text holds: controls other than tab, DEL, and the five
// bytes Windows-1252 leaves undefined. Their presence means a binary file.
bool isForeignByte(unsigned char b)
{
    return (b < 0x20 && b != '\t') || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool holdsForeignBytes(std::string_view line)
{
    for (char c : line)
        if (isForeignByte(static_cast<unsigned char>(c)))
            return true;
    return false;
}

std::optional<Colour> parseColour(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    const bool negative = i < line.size() && line[i] == '-';
    if (negative)
        ++i;
    const std::size_t digitsStart = i;
    // A 32-bit integer: up to 2147483647, or 2147483648 after a minus sign.
    const std::int64_t limit = negative ? std::int64_t(1) << 31 : (std::int64_t(1) << 31) - 1;
    std::int64_t value = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        value = value * 10 + (line[i] - '0');
        if (value > limit)
            return std::nullopt;
        ++i;
    }
    if (i == digitsStart)
        return std::nullopt;
    if (i < line.size() && line[i] == ',')
        ++i;
    for (; i < line.size(); ++i)
        if (!isBlank(line[i]))
            return std::nullopt;
    // The lowest 24 bits, in two's complement for a negative number.
    return static_cast<Colour>(static_cast<std::uint64_t>(negative ? -value : value)) & kMaxColour;
}

// Splits a line into input fields: leading and trailing blanks dropped,
// fields end at commas.
std::vector<std::u16string> inputFields(std::string_view line)
{
    std::vector<std::u16string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        std::string_view field = line.substr(start, comma == std::string_view::npos ? line.npos : comma - start);
        while (!field.empty() && isBlank(field.front()))
            field.remove_prefix(1);
        while (!field.empty() && isBlank(field.back()))
            field.remove_suffix(1);
        fields.push_back(decodeCp1252(field));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// Appends the non-empty fonts as long as the font window can hold them;
// returns how many were left out.
std::size_t appendFonts(std::vector<std::u16string> &fonts, const std::vector<std::u16string> &fields)
{
    std::size_t leftOut = 0;
    for (const auto &f : fields) {
        if (f.empty())
            continue;
        if (fonts.size() == kMaxOfferedFonts)
            ++leftOut;
        else
            fonts.push_back(f);
    }
    return leftOut;
}

// One line of a string value: anything that would end the line or break
// the reader becomes a blank.
std::string encodeLine(std::u16string_view text)
{
    std::string bytes = encodeCp1252(text);
    for (char &c : bytes)
        if (isForeignByte(static_cast<unsigned char>(c)))
            c = ' ';
    return bytes;
}

void appendNumber(std::string &out, Colour value)
{
    out += ' ';
    out += std::to_string(value);
    out += " \r\n";
}

} // namespace

SettingsReadResult parseSettings(std::string_view bytes)
{
    SettingsReadResult result;
    Settings &s = result.settings;
    std::size_t pos = 0;
    std::size_t lineNo = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const std::string_view line = bytes.substr(pos, end - pos);
        if (end < bytes.size() && bytes[end] == '\r') {
            ++end;
            if (end < bytes.size() && bytes[end] == '\n')
                ++end;
        } else if (end < bytes.size()) {
            ++end; // a lone LF
        }
        pos = end;
        ++lineNo;

        if (line.size() > kMaxSettingsLineBytes || pos > kMaxSettingsFileBytes) {
            result.failed = true;
            return result;
        }

        if (lineNo <= kNumberLinesBeforeGroups || lineNo == kFirstSyllableLine || lineNo == kSecondSyllableLine) {
            const auto colour = parseColour(line);
            if (!colour) {
                result.failed = true;
                return result;
            }
            if (lineNo <= kNumberLinesBeforeGroups)
                s.soundColours.colours[lineNo - 1] = *colour;
            else if (lineNo == kFirstSyllableLine)
                s.syllableColours.first = *colour;
            else
                s.syllableColours.second = *colour;
        } else {
            if (holdsForeignBytes(line)) {
                result.failed = true;
                return result;
            }
            if (lineNo == kGroupsLine) {
                s.specialGroupsText = decodeCp1252(line);
            } else {
                auto fields = inputFields(line);
                if (lineNo == kSeparatorLine) {
                    // One character or none: the editor converts syllable
                    // marks character for character.
                    if (fields.front().size() > 1) {
                        result.failed = true;
                        return result;
                    }
                    s.separator = fields.front();
                    fields.erase(fields.begin());
                }
                result.fontsLeftOut += appendFonts(s.offeredFonts, fields);
            }
        }
        result.linesRead = lineNo;
    }
    // Reading past the end of a file that stops before the separator line.
    if (lineNo < kSeparatorLine)
        result.failed = true;
    return result;
}

void ApplyReadSettings(const SettingsReadResult &read, Settings &current)
{
    const std::size_t lines = read.linesRead;
    for (std::size_t line = 1; line <= kNumberLinesBeforeGroups && line <= lines; ++line)
        current.soundColours.colours[line - 1] = read.settings.soundColours.colours[line - 1];
    if (lines >= kGroupsLine)
        current.specialGroupsText = read.settings.specialGroupsText;
    if (lines >= kFirstSyllableLine)
        current.syllableColours.first = read.settings.syllableColours.first;
    if (lines >= kSecondSyllableLine)
        current.syllableColours.second = read.settings.syllableColours.second;
    if (lines >= kSeparatorLine) {
        current.separator = read.settings.separator;
        current.offeredFonts = read.settings.offeredFonts;
    }
}

std::string formatSettings(const Settings &settings)
{
    std::string out;
    for (std::size_t i = 0; i < kNumberLinesBeforeGroups; ++i)
        appendNumber(out, settings.soundColours.colours[i]);
    out += encodeLine(settings.specialGroupsText);
    out += "\r\n";
    appendNumber(out, settings.syllableColours.first);
    appendNumber(out, settings.syllableColours.second);
    out += encodeLine(settings.separator);
    out += "\r\n";
    for (const auto &font : settings.offeredFonts) {
        out += encodeLine(font);
        out += "\r\n";
    }
    return out;
}

SettingsReadResult ReadSettings(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SettingsReadResult missing;
        missing.failed = true;
        return missing;
    }
    // One byte beyond the limit is enough for the parser to see that the
    // file is too large.
    std::string bytes(kMaxSettingsFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        SettingsReadResult unreadable;
        unreadable.failed = true;
        return unreadable;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parseSettings(bytes);
}

namespace {

// Writes through a temporary file and a rename, so the file is either whole
// or untouched. `stamp`, when given, becomes the new file's time.
bool writeAtomically(const std::filesystem::path &path, const std::string &bytes,
                     const std::filesystem::file_time_type *stamp = nullptr)
{
    std::filesystem::path temp = path;
    temp += ".new";
    std::error_code ignored;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    if (stamp)
        std::filesystem::last_write_time(temp, *stamp, ignored);
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace

bool WriteSettings(const std::filesystem::path &path, const Settings &settings)
{
    return writeAtomically(path, formatSettings(settings));
}

std::filesystem::path SettingsBackupPath(const std::filesystem::path &path)
{
    std::filesystem::path backup = path;
    backup += ".BAK";
    return backup;
}

bool BackUpSettings(const std::filesystem::path &path)
{
    std::error_code ec;
    const auto fileTime = std::filesystem::last_write_time(path, ec);
    if (ec)
        return false;
    const std::filesystem::path backup = SettingsBackupPath(path);
    const auto backupTime = std::filesystem::last_write_time(backup, ec);
    if (!ec && backupTime > fileTime)
        return true; // a newer broken file is kept already

    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return false;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            return false;
    }
    // The backup carries the time of the file it keeps, so that a later
    // broken file is compared with that file, not with the moment of copying.
    return writeAtomically(backup, bytes, &fileTime);
}

} // namespace textcore
