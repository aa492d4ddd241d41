#include "textcore/edittools.h"

#include <cstdint>
#include <vector>

namespace textcore {
namespace {

std::u16string replaceContinuingBehind(std::u16string_view text, std::u16string_view find,
                                       std::u16string_view replacement)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = text.find(find, pos);
        if (hit == std::u16string_view::npos)
            break;
        out.append(text.substr(pos, hit - pos));
        out.append(replacement);
        pos = hit + find.size();
    }
    out.append(text.substr(pos));
    return out;
}

// Knuth-Morris-Pratt failure function: fail[i] is the length of the longest
// proper border of find[0..i].
std::vector<std::uint32_t> borders(std::u16string_view find)
{
    std::vector<std::uint32_t> fail(find.size(), 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < find.size(); ++i) {
        while (k > 0 && find[i] != find[k])
            k = fail[k - 1];
        if (find[i] == find[k])
            ++k;
        fail[i] = k;
    }
    return fail;
}

// Repeated first-occurrence replacement without rescanning from the start.
// The output built so far never contains find, so the first occurrence in
// (output + unread input) is the one that ends first: it is found the moment
// its last character is appended. It is then cut off the output and the
// replacement is read next, before the rest of the input. Each output
// position keeps its matcher state, so cutting needs no rescan.
// Returns nothing when the work grows beyond budget.
std::optional<std::u16string> replaceFirstRepeatedly(std::u16string_view text, std::u16string_view find,
                                                     std::u16string_view replacement, std::size_t budget)
{
    const std::vector<std::uint32_t> fail = borders(find);
    const std::uint32_t m = static_cast<std::uint32_t>(find.size());
    std::u16string out;
    out.reserve(text.size());
    std::vector<std::uint32_t> states;
    states.reserve(text.size());

    // Pending input: a stack of pieces still to be read, the top read first.
    std::vector<std::u16string_view> pending{text};
    std::size_t work = 0;
    std::uint32_t state = 0;
    while (!pending.empty()) {
        const std::u16string_view piece = pending.back();
        pending.pop_back();
        std::size_t i = 0;
        for (; i < piece.size(); ++i) {
            const char16_t c = piece[i];
            while (state > 0 && find[state] != c)
                state = fail[state - 1];
            if (find[state] == c)
                ++state;
            out.push_back(c);
            states.push_back(state);
            if (state == m)
                break;
        }
        work += i + 1;
        if (work > budget)
            return std::nullopt;
        if (state != m)
            continue;
        out.resize(out.size() - m);
        states.resize(states.size() - m);
        state = states.empty() ? 0 : states.back();
        if (i + 1 < piece.size())
            pending.push_back(piece.substr(i + 1));
        if (!replacement.empty())
            pending.push_back(replacement);
    }
    return out;
}

} // namespace

std::u16string replaceRepeatedly(std::u16string_view text, std::u16string_view find, std::u16string_view replacement)
{
    if (find.empty())
        return std::u16string(text);
    if (replacement.find(find) != std::u16string_view::npos)
        return replaceContinuingBehind(text, find, replacement);
    // Reading a character costs one step, so the usual answers need about
    // |text| + occurrences * |replacement| steps. The budget also bounds the
    // memory of answers that keep feeding themselves («ab» -> «bbaa» grows
    // without end); the floor keeps short texts exact even for answers that
    // shuffle characters around. Beyond it, continuing behind the insert gives
    // the same text whenever no replacement completes a new occurrence.
    const std::size_t budget = 1'000'000 + 32 * (text.size() + replacement.size());
    if (auto exact = replaceFirstRepeatedly(text, find, replacement, budget))
        return std::move(*exact);
    return replaceContinuingBehind(text, find, replacement);
}

std::optional<std::u16string> SearchReplace(std::u16string_view text, std::u16string_view find,
                                            std::u16string_view replacement)
{
    if (find.empty() || replacement.empty() || replacement == find)
        return std::nullopt;
    return replaceRepeatedly(text, find, replacement);
}

std::optional<std::u16string> FilterCharacter(std::u16string_view text, std::u16string_view answer)
{
    if (answer.empty())
        return std::nullopt;
    const bool pair = answer.size() >= 2 && answer[0] >= 0xD800 && answer[0] <= 0xDBFF && answer[1] >= 0xDC00
        && answer[1] <= 0xDFFF;
    std::u16string out;
    out.reserve(text.size());
    if (!pair) {
        for (char16_t c : text)
            if (c != answer[0])
                out.push_back(c);
        return out;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size() && text[i] == answer[0] && text[i + 1] == answer[1]) {
            ++i;
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

} // namespace textcore
