#pragma once
// The prepared table libhyphen matches words against. libhyphen builds it
// from the pattern file in seconds of CPU (it looks every prefix of every
// pattern up in a small hash table); a copy of the finished table, kept in
// a cache file, loads in milliseconds. The copy names the size and time of
// the pattern file it was made from and is made again when either differs.
#include <memory>
#include <string>

struct _HyphenDict;

namespace syllabify {

class PatternTable {
public:
    // The table of `patternFile`: read from `cacheFile` when that holds a
    // sound copy made from this very file, else built by libhyphen and then
    // written to `cacheFile` (atomically; an empty name keeps no copy, and a
    // copy that cannot be written is only a missed saving). Null when
    // libhyphen cannot read the pattern file.
    static std::unique_ptr<PatternTable> open(const std::string &patternFile, const std::string &cacheFile = {});
    ~PatternTable();
    PatternTable(const PatternTable &) = delete;
    PatternTable &operator=(const PatternTable &) = delete;

    _HyphenDict *dict() const;
    bool cameFromCache() const;

    // The table's memory, known to patterntable.cpp only.
    struct Storage;

private:
    explicit PatternTable(std::unique_ptr<Storage> storage);
    std::unique_ptr<Storage> m_storage;
};

} // namespace syllabify
