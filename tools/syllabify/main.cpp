// kolorat-syllabify: sets syllable marks in text read from stdin, or checks the
// syllabifier against lists of hand-marked words.
//
//   kolorat-syllabify [options] < text.txt         marked text on stdout
//   kolorat-syllabify [options] --check LIST...    misses and accuracy per list
//
// Options: --patterns-only (no school rules), --min L,R (pattern minimums),
// --exceptions FILE (an exception list), --mark C (default "-").
#include "syllabify/exceptionlist.h"
#include "syllabify/letters.h"
#include "syllabify/marktext.h"
#include "syllabify/syllabifier.h"
#include "textcore/utf8.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace syllabify;

namespace {

std::u16string fromUtf8(const std::string &s)
{
    return textcore::decodeUtf8(s).value_or(u"?");
}

int checkList(const Syllabifier &syl, const ExceptionList &exceptions, const char *file)
{
    std::ifstream in(file);
    if (!in) {
        std::cerr << "cannot read " << file << "\n";
        return -1;
    }
    size_t total = 0;
    size_t right = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::u16string expected = fromUtf8(line);
        std::u16string bare;
        for (char16_t c : expected)
            if (!isBoundaryMark(c))
                bare.push_back(c);
        const std::u16string got = markText(bare, u'-', syl, exceptions).text;
        ++total;
        if (got == expected)
            ++right;
        else
            std::cout << "  miss: " << textcore::encodeUtf8(got) << "  (expected " << line << ")\n";
    }
    std::printf("%s: %zu of %zu words right (%.1f%%)\n", file, right, total,
                total ? 100.0 * static_cast<double>(right) / static_cast<double>(total) : 0.0);
    return static_cast<int>(total - right);
}

} // namespace

int main(int argc, char **argv)
{
    SyllabifierOptions options;
    std::string exceptionFile;
    char16_t mark = u'-';
    std::vector<const char *> lists;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--patterns-only")) {
            options.schoolRules = false;
        } else if (!std::strcmp(argv[i], "--min") && i + 1 < argc) {
            std::sscanf(argv[++i], "%d,%d", &options.leftMin, &options.rightMin);
        } else if (!std::strcmp(argv[i], "--exceptions") && i + 1 < argc) {
            exceptionFile = argv[++i];
        } else if (!std::strcmp(argv[i], "--mark") && i + 1 < argc) {
            mark = fromUtf8(argv[++i]).at(0);
        } else if (!std::strcmp(argv[i], "--check")) {
            check = true;
        } else if (check) {
            lists.push_back(argv[i]);
        } else {
            std::cerr << "usage: kolorat-syllabify [--patterns-only] [--min L,R] "
                         "[--exceptions FILE] [--mark C] [--check LIST...]\n";
            return 2;
        }
    }

    Syllabifier syl(defaultPatternFile, options);
    if (!syl.isReady()) {
        std::cerr << textcore::encodeUtf8(syl.errorMessage()) << "\n";
        return 1;
    }
    ExceptionList exceptions;
    if (!exceptionFile.empty()) {
        if (const textcore::Result<> loaded = exceptions.load(exceptionFile); !loaded.ok()) {
            std::cerr << textcore::encodeUtf8(loaded.message()) << "\n";
            return 1;
        }
    }

    if (check) {
        int misses = 0;
        for (const char *file : lists)
            misses += checkList(syl, exceptions, file);
        return misses == 0 ? 0 : 3;
    }

    const std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const std::optional<std::u16string> text = textcore::decodeUtf8(input);
    if (!text) {
        std::cerr << "input is not UTF-8\n";
        return 1;
    }
    const MarkResult result = markText(*text, mark, syl, exceptions);
    std::cout << textcore::encodeUtf8(result.text);
    std::cerr << result.wordsMarked << " words marked\n";
    return 0;
}
