#include "syllabify/patterntable.h"

#include <hyphen.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace syllabify {

// Either libhyphen's own table or a copy read back from the cache file, in
// which every pointer points into the vectors here. libhyphen only reads the
// table while it hyphenates.
struct PatternTable::Storage {
    HyphenDict *library = nullptr;
    std::string text;
    std::vector<HyphenDict> levels;
    std::vector<HyphenState> states;
    std::vector<HyphenTrans> trans;

    ~Storage()
    {
        if (library)
            hnj_hyphen_free(library);
    }
};

namespace {

namespace fs = std::filesystem;

// The version changes whenever the layout below does.
constexpr std::string_view kMagic = "kolorat pattern table 1\n";
constexpr std::uint32_t kMaxLevels = 8;

struct Stamp {
    std::uint64_t size = 0;
    std::int64_t time = 0;
};

std::optional<Stamp> stampOf(const std::string &file)
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return std::nullopt;
    const fs::file_time_type time = fs::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return Stamp{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

class Writer {
public:
    template<typename T>
    void put(T value)
    {
        m_out.append(reinterpret_cast<const char *>(&value), sizeof value);
    }
    void put(std::string_view bytes)
    {
        put(static_cast<std::uint32_t>(bytes.size()));
        m_out.append(bytes);
    }
    const std::string &bytes() const { return m_out; }

private:
    std::string m_out;
};

class Reader {
public:
    explicit Reader(std::string_view in) : m_in(in) {}
    template<typename T>
    bool get(T &value)
    {
        if (m_in.size() < sizeof value)
            return false;
        std::memcpy(&value, m_in.data(), sizeof value);
        m_in.remove_prefix(sizeof value);
        return true;
    }
    bool get(std::string &bytes)
    {
        std::uint32_t size = 0;
        if (!get(size) || m_in.size() < size)
            return false;
        bytes.assign(m_in.substr(0, size));
        m_in.remove_prefix(size);
        return true;
    }
    bool atEnd() const { return m_in.empty(); }

private:
    std::string_view m_in;
};

// FNV-1a over the whole copy, kept at its end: a damaged file costs a fresh
// load instead of marks from a wrong table.
std::uint64_t checksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    return hash;
}

void putHeader(Writer &out, const std::string &patternFile, Stamp stamp)
{
    out.put(kMagic);
    out.put(std::string_view(patternFile));
    out.put(stamp.size);
    out.put(stamp.time);
}

// Strings go into one block of text, named by their offset (-1: none).
std::int32_t addString(std::string &text, const char *s, std::size_t length)
{
    if (!s)
        return -1;
    const auto offset = static_cast<std::int32_t>(text.size());
    text.append(s, length);
    text.push_back('\0');
    return offset;
}

std::string serialise(const HyphenDict *dict, const std::string &patternFile, Stamp stamp)
{
    std::string text;
    Writer body;
    std::uint32_t levels = 0;
    for (const HyphenDict *level = dict; level; level = level->nextlevel)
        ++levels;
    body.put(levels);
    for (const HyphenDict *level = dict; level; level = level->nextlevel) {
        body.put(level->lhmin);
        body.put(level->rhmin);
        body.put(level->clhmin);
        body.put(level->crhmin);
        body.put(level->nohyphenl);
        // nohyphenl + 1 strings, one after the other.
        std::size_t nohyphenLength = 0;
        for (int i = 0; level->nohyphen && i <= level->nohyphenl; ++i)
            nohyphenLength += std::strlen(level->nohyphen + nohyphenLength) + 1;
        const std::int32_t nohyphen = addString(text, level->nohyphen, nohyphenLength > 0 ? nohyphenLength - 1 : 0);
        body.put(nohyphen);
        body.put(static_cast<std::int32_t>(nohyphenLength));
        body.put(std::string_view(level->cset, sizeof level->cset));
        body.put(level->utf8);
        body.put(level->num_states);
        for (int i = 0; i < level->num_states; ++i) {
            const HyphenState &s = level->states[i];
            body.put(addString(text, s.match, s.match ? std::strlen(s.match) : 0));
            body.put(addString(text, s.repl, s.repl ? std::strlen(s.repl) : 0));
            // libhyphen leaves these unset where there is no replacement.
            body.put(s.repl ? s.replindex : static_cast<signed char>(0));
            body.put(s.repl ? s.replcut : static_cast<signed char>(0));
            body.put(s.fallback_state);
            body.put(s.num_trans);
            for (int t = 0; t < s.num_trans; ++t) {
                body.put(s.trans[t].ch);
                body.put(s.trans[t].new_state);
            }
        }
    }
    Writer out;
    putHeader(out, patternFile, stamp);
    out.put(std::string_view(text));
    Writer sum;
    std::string bytes = out.bytes() + body.bytes();
    sum.put(checksum(bytes));
    return bytes + sum.bytes();
}

bool validString(const std::string &text, std::int32_t offset)
{
    return offset == -1 || (offset >= 0 && static_cast<std::size_t>(offset) < text.size());
}

// Every index and offset is checked: libhyphen follows them blindly, and a
// damaged or foreign file must cost a fresh load, not a crash.
std::unique_ptr<PatternTable::Storage> restore(std::string_view bytes, const std::string &patternFile, Stamp stamp)
{
    Writer expected;
    putHeader(expected, patternFile, stamp);
    std::uint64_t sum = 0;
    if (bytes.size() < expected.bytes().size() + sizeof sum
        || bytes.substr(0, expected.bytes().size()) != expected.bytes())
        return nullptr;
    std::memcpy(&sum, bytes.data() + bytes.size() - sizeof sum, sizeof sum);
    bytes.remove_suffix(sizeof sum);
    if (checksum(bytes) != sum)
        return nullptr;
    Reader in(bytes.substr(expected.bytes().size()));

    auto table = std::make_unique<PatternTable::Storage>();
    std::uint32_t levels = 0;
    if (!in.get(table->text) || (!table->text.empty() && table->text.back() != '\0') || !in.get(levels) || levels == 0
        || levels > kMaxLevels)
        return nullptr;
    const std::string &text = table->text;
    std::vector<std::size_t> firstState;
    std::vector<std::size_t> firstTrans;
    table->levels.resize(levels);
    for (HyphenDict &level : table->levels) {
        std::int32_t nohyphen = 0;
        std::int32_t nohyphenLength = 0;
        std::string cset;
        if (!in.get(level.lhmin) || !in.get(level.rhmin) || !in.get(level.clhmin) || !in.get(level.crhmin)
            || !in.get(level.nohyphenl) || !in.get(nohyphen) || !in.get(nohyphenLength) || !in.get(cset)
            || cset.size() != sizeof level.cset || !in.get(level.utf8) || !in.get(level.num_states)
            || level.num_states < 1 || !validString(text, nohyphen))
            return nullptr;
        if (nohyphen >= 0) {
            const std::string_view list = std::string_view(text).substr(std::size_t(nohyphen));
            if (level.nohyphenl < 0 || nohyphenLength < 0 || std::size_t(nohyphenLength) > list.size()
                || std::count(list.begin(), list.begin() + nohyphenLength, '\0') < level.nohyphenl + 1)
                return nullptr;
        }
        // Pointers are set once the vectors have stopped growing.
        level.nohyphen = reinterpret_cast<char *>(static_cast<std::intptr_t>(nohyphen));
        std::copy(cset.begin(), cset.end(), level.cset);
        firstState.push_back(table->states.size());
        for (int i = 0; i < level.num_states; ++i) {
            HyphenState s{};
            std::int32_t match = 0;
            std::int32_t repl = 0;
            if (!in.get(match) || !in.get(repl) || !in.get(s.replindex) || !in.get(s.replcut)
                || !in.get(s.fallback_state) || !in.get(s.num_trans) || !validString(text, match)
                || !validString(text, repl) || s.fallback_state < -1 || s.fallback_state >= level.num_states
                || s.num_trans < 0)
                return nullptr;
            s.match = reinterpret_cast<char *>(static_cast<std::intptr_t>(match));
            s.repl = reinterpret_cast<char *>(static_cast<std::intptr_t>(repl));
            firstTrans.push_back(table->trans.size());
            for (int t = 0; t < s.num_trans; ++t) {
                HyphenTrans edge{};
                if (!in.get(edge.ch) || !in.get(edge.new_state) || edge.new_state < 0
                    || edge.new_state >= level.num_states)
                    return nullptr;
                table->trans.push_back(edge);
            }
            table->states.push_back(s);
        }
    }
    if (!in.atEnd())
        return nullptr;

    char *base = table->text.data();
    auto pointer = [base](char *offset) {
        const auto at = reinterpret_cast<std::intptr_t>(offset);
        return at < 0 ? nullptr : base + at;
    };
    for (std::size_t i = 0; i < table->states.size(); ++i) {
        HyphenState &s = table->states[i];
        s.match = pointer(s.match);
        s.repl = pointer(s.repl);
        s.trans = s.num_trans > 0 ? &table->trans[firstTrans[i]] : nullptr;
    }
    for (std::size_t l = 0; l < levels; ++l) {
        HyphenDict &level = table->levels[l];
        level.nohyphen = pointer(level.nohyphen);
        level.states = &table->states[firstState[l]];
        level.nextlevel = l + 1 < levels ? &table->levels[l + 1] : nullptr;
    }
    return table;
}

std::string readFile(const std::string &file)
{
    // A folder opens like a file but reports an end far beyond memory.
    std::error_code error;
    if (!fs::is_regular_file(file, error))
        return {};
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return in ? bytes : std::string();
}

// Written beside its place and renamed into it, so that a reader (another
// Kolorat starting at the same moment) sees the old copy or the whole new one.
void writeAtomically(const std::string &file, const std::string &bytes)
{
    std::error_code error;
    const fs::path target(file);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), error);
    const fs::path part = target.string() + ".part" + std::to_string(std::random_device{}());
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(part, error);
            return;
        }
    }
    fs::rename(part, target, error);
    if (error)
        fs::remove(part, error);
}

} // namespace

PatternTable::PatternTable(std::unique_ptr<Storage> storage) : m_storage(std::move(storage))
{}

PatternTable::~PatternTable() = default;

std::unique_ptr<PatternTable> PatternTable::open(const std::string &patternFile, const std::string &cacheFile)
{
    const std::optional<Stamp> stamp = stampOf(patternFile);
    if (!cacheFile.empty() && stamp) {
        if (auto restored = restore(readFile(cacheFile), patternFile, *stamp))
            return std::unique_ptr<PatternTable>(new PatternTable(std::move(restored)));
    }
    auto loaded = std::make_unique<Storage>();
    loaded->library = hnj_hyphen_load(patternFile.c_str());
    if (!loaded->library)
        return nullptr;
    if (!cacheFile.empty() && stamp && !loaded->library->utf8)
        writeAtomically(cacheFile, serialise(loaded->library, patternFile, *stamp));
    return std::unique_ptr<PatternTable>(new PatternTable(std::move(loaded)));
}

HyphenDict *PatternTable::dict() const
{
    return m_storage->library ? m_storage->library : m_storage->levels.data();
}

bool PatternTable::cameFromCache() const
{
    return !m_storage->library;
}

} // namespace syllabify
