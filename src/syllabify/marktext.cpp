#include "syllabify/marktext.h"

#include "syllabify/exceptionlist.h"
#include "syllabify/letters.h"
#include "syllabify/syllabifier.h"
#include "syllabify/wordrange.h"

#include <algorithm>
#include <unordered_map>

namespace syllabify {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool allCapitals(std::u16string_view word)
{
    if (word.size() < 2)
        return false;
    for (char16_t c : word)
        if (!isUpper(c))
            return false;
    return true;
}

} // namespace

MarkResult markText(std::u16string_view text, char16_t mark, const Syllabifier &syllabifier,
                    const ExceptionList &exceptions)
{
    MarkResult result;
    result.text.reserve(text.size() + text.size() / 4);
    // Running text repeats its words; the patterns are the slow part.
    std::unordered_map<std::u16string, std::vector<size_t>> seen;

    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        if (!isLetter(text[i])) {
            result.text.push_back(text[i]);
            ++i;
            continue;
        }
        size_t j = i;
        bool carriesMark = false;
        while (j < n) {
            if (isLetter(text[j])) {
                ++j;
            } else if (isBoundaryMark(text[j]) && j + 1 < n && isLetter(text[j + 1])) {
                carriesMark = true;
                ++j;
            } else {
                break;
            }
        }
        const std::u16string_view word = text.substr(i, j - i);
        const bool touchesDigit = (i > 0 && isDigit(text[i - 1])) || (j < n && isDigit(text[j]));
        // A mark at either end ("3-teilig", "Lehrer/-innen", a half-marked
        // "Ko-") also shows that the teacher has been at work on this word.
        const bool markAtEdge = (i > 0 && isBoundaryMark(text[i - 1])) || (j < n && isBoundaryMark(text[j]));
        if (carriesMark || markAtEdge || touchesDigit || allCapitals(word)) {
            result.text.append(word);
            i = j;
            continue;
        }

        const std::u16string key = toLower(word);
        auto it = seen.find(key);
        if (it == seen.end()) {
            std::vector<size_t> b;
            if (std::optional<std::vector<size_t>> listed = exceptions.find(key))
                b = std::move(*listed);
            else
                b = syllabifier.boundaries(key);
            it = seen.emplace(key, std::move(b)).first;
        }
        const std::vector<size_t> &b = it->second;
        size_t next = 0;
        for (size_t k = 0; k < word.size(); ++k) {
            if (next < b.size() && b[next] == k) {
                result.inserted.push_back(result.text.size());
                result.text.push_back(mark);
                ++next;
            }
            result.text.push_back(word[k]);
        }
        if (!b.empty())
            ++result.wordsMarked;
        i = j;
    }
    return result;
}

std::pair<size_t, size_t> markingRange(std::u16string_view text, size_t selStart, size_t selLength)
{
    if (selLength == 0)
        return {0, text.size()};
    return widenToWholeWords(text, selStart, selStart + selLength);
}

RangeMarks markRange(std::u16string_view text, size_t start, size_t end, char16_t mark, const Syllabifier &syllabifier,
                     const ExceptionList &exceptions)
{
    // One character of context on either side (never part of a word) lets
    // the marker see a digit or a mark touching the range's first and last word.
    const size_t from = start > 0 ? start - 1 : start;
    const size_t to = std::min(end + 1, text.size());
    const MarkResult marked = markText(text.substr(from, to - from), mark, syllabifier, exceptions);
    RangeMarks result;
    result.wordsMarked = marked.wordsMarked;
    // The marker counts a mark's place in its result, the caller in the text
    // as it stands: every earlier mark shifts the places by one.
    result.positions.reserve(marked.inserted.size());
    for (size_t k = 0; k < marked.inserted.size(); ++k)
        result.positions.push_back(from + marked.inserted[k] - k);
    return result;
}

} // namespace syllabify
