#include "syllabify/exceptionlist.h"

#include "syllabify/letters.h"
#include "textcore/cp1252.h"
#include "textcore/utf8.h"

#include <cstdio>
#include <system_error>

namespace syllabify {

namespace {

std::u16string quotedName(const std::filesystem::path &file)
{
    const auto name = file.filename().u8string();
    return u"\u201E"
        + textcore::decodeUtf8(std::string_view(reinterpret_cast<const char *>(name.data()), name.size()))
              .value_or(u"KOLORAT-SILBEN.TXT")
        + u"\u201C";
}

std::u16string numberText(size_t n)
{
    std::u16string out;
    for (char c : std::to_string(n))
        out.push_back(static_cast<char16_t>(c));
    return out;
}

std::u16string_view trimmed(std::u16string_view s)
{
    auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == 0xFEFF; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<ParsedWord> parseMarkedWord(std::u16string_view markedWord)
{
    ParsedWord parsed;
    bool pendingMark = false;
    for (char16_t c : markedWord) {
        if (isBoundaryMark(c)) {
            // A mark must stand between two letters, and only one there.
            if (parsed.letters.empty() || pendingMark)
                return std::nullopt;
            pendingMark = true;
        } else if (isLetter(c)) {
            if (pendingMark)
                parsed.boundaries.push_back(parsed.letters.size());
            pendingMark = false;
            parsed.letters.push_back(c);
        } else {
            return std::nullopt;
        }
    }
    if (pendingMark || parsed.boundaries.empty())
        return std::nullopt;
    return parsed;
}

void ExceptionList::index(std::u16string_view line, size_t lineNumber)
{
    const std::u16string_view word = trimmed(line);
    if (word.empty())
        return;
    const std::optional<ParsedWord> parsed = parseMarkedWord(word);
    if (!parsed) {
        m_problems.push_back(u"Zeile " + numberText(lineNumber + 1) + u": \u201E" + std::u16string(word)
                             + u"\u201C ist kein Wort mit Trennzeichen.");
        return;
    }
    // A later line wins, as if the teacher had corrected the word.
    m_words[toLower(parsed->letters)] = Entry{parsed->boundaries, lineNumber};
}

textcore::Result<> ExceptionList::load(const std::filesystem::path &file)
{
    m_lines.clear();
    m_words.clear();
    m_problems.clear();

    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return {};
    // Read with stdio: a stream would throw on a directory of that name.
    std::string bytes;
    bool readable = false;
    if (std::FILE *f = std::fopen(file.c_str(), "rb")) {
        char buffer[16384];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            bytes.append(buffer, got);
        readable = !std::ferror(f);
        std::fclose(f);
    }
    if (!readable)
        return textcore::Result<>::failure(u"Die Ausnahmeliste " + quotedName(file)
                                           + u"\rkann nicht gelesen werden.\r");

    std::string_view view(bytes);
    if (view.starts_with("\xEF\xBB\xBF"))
        view.remove_prefix(3);
    // Text that is not valid UTF-8 comes from an editor writing the Windows
    // code page; every byte string is valid there.
    const std::u16string text = textcore::decodeUtf8(view).value_or(textcore::decodeCp1252(view));

    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        std::u16string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        if (!(end == text.size() && line.empty())) {
            m_lines.emplace_back(line);
            index(line, m_lines.size() - 1);
        }
        start = end + 1;
    }
    return {};
}

textcore::Result<> ExceptionList::save(const std::filesystem::path &file) const
{
    std::u16string text;
    for (const std::u16string &line : m_lines) {
        text += line;
        text += u"\r\n";
    }
    const std::string bytes = textcore::encodeUtf8(text);

    auto fail = [&](const std::filesystem::path &tmp) {
        std::error_code ec;
        std::filesystem::remove(tmp, ec);
        return textcore::Result<>::failure(
            u"Die Ausnahmeliste " + quotedName(file)
            + u"\rkann nicht geschrieben werden.\rDie bisherige Liste bleibt erhalten.\r");
    };

    std::filesystem::path tmp = file;
    tmp += ".tmp";
    std::FILE *f = std::fopen(tmp.c_str(), "wb");
    if (!f)
        return fail(tmp);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0;
    if (std::fclose(f) != 0 || !written || !flushed)
        return fail(tmp);
    std::error_code ec;
    std::filesystem::rename(tmp, file, ec);
    if (ec)
        return fail(tmp);
    return {};
}

std::optional<std::vector<size_t>> ExceptionList::find(std::u16string_view word) const
{
    const auto it = m_words.find(toLower(word));
    if (it == m_words.end())
        return std::nullopt;
    return it->second.boundaries;
}

textcore::Result<ExceptionList::AddResult> ExceptionList::add(std::u16string_view markedWord)
{
    const std::optional<ParsedWord> parsed = parseMarkedWord(trimmed(markedWord));
    if (!parsed)
        return textcore::Result<>::failure(u"Bitte markieren Sie genau ein Wort,\rin dem Trennzeichen gesetzt sind.\r");
    std::u16string line;
    size_t next = 0;
    for (size_t i = 0; i < parsed->letters.size(); ++i) {
        if (next < parsed->boundaries.size() && parsed->boundaries[next] == i) {
            line.push_back(u'-');
            ++next;
        }
        line.push_back(parsed->letters[i]);
    }

    const std::u16string key = toLower(parsed->letters);
    const auto it = m_words.find(key);
    if (it != m_words.end()) {
        m_lines[it->second.line] = line;
        it->second.boundaries = parsed->boundaries;
        return AddResult::Replaced;
    }
    m_lines.push_back(line);
    m_words[key] = Entry{parsed->boundaries, m_lines.size() - 1};
    return AddResult::Added;
}

} // namespace syllabify
