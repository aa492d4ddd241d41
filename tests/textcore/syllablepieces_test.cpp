#include "engines_support.h"

#include "textcore/syllablepieces.h"

#include <gtest/gtest.h>

using namespace textcore;
using enginetest::notation;

namespace {

// The text with every piece in brackets: "[Ro]^[si]^[ne]."
std::u16string bracketed(std::u16string_view text, const std::vector<SyllablePiece> &pieces)
{
    std::u16string out;
    std::size_t next = 0;
    for (const SyllablePiece &p : pieces) {
        out.append(text.substr(next, p.start - next));
        out += u'[';
        out.append(text.substr(p.start, p.length));
        out += u']';
        next = p.start + p.length;
    }
    out.append(text.substr(std::min(next, text.size())));
    return out;
}

struct PiecesCase {
    const char *name;
    std::u16string text;     // ^ soft hyphen, ␣ blank, ¶ CR LF
    std::u16string expected; // the same text, every piece in brackets
};

void PrintTo(const PiecesCase &c, std::ostream *os)
{
    *os << c.name;
}

class SyllablePiecesCase : public testing::TestWithParam<PiecesCase> {};

TEST_P(SyllablePiecesCase, BracketsEverySyllable)
{
    const PiecesCase &c = GetParam();
    const std::u16string text = notation(c.text);
    EXPECT_EQ(enginetest::shown(bracketed(text, SyllablePieces(text))), enginetest::shown(notation(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SyllablePiecesCase,
    testing::Values(PiecesCase{"soft_hyphens_split_words", u"Ro^si^ne␣und␣Ei", u"[Ro]^[si]^[ne]␣[und]␣[Ei]"},
                    PiecesCase{"every_visible_separator_splits", u"a-b=c~d/e", u"[a]-[b]=[c]~[d]/[e]"},
                    PiecesCase{"punctuation_stays_outside", u"„Ha^se“,␣rief␣er.", u"„[Ha]^[se]“,␣[rief]␣[er]."},
                    PiecesCase{"line_breaks_tabs_and_double_blanks_end_words", u"Ei¶und\tEi␣␣zu",
                               u"[Ei]¶[und]\t[Ei]␣␣[zu]"},
                    PiecesCase{"marks_at_word_edges_make_no_empty_arcs", u"-Ro--se-␣^", u"-[Ro]--[se]-␣^"},
                    PiecesCase{"numbers_and_lone_signs_get_no_arc", u"12␣–␣3^4␣?", u"12␣–␣3^4␣?"},
                    PiecesCase{"signs_inside_a_syllable_stay_in_it", u"geht's␣Ca^fé", u"[geht's]␣[Ca]^[fé]"},
                    PiecesCase{"empty", u"", u""}),
    [](const testing::TestParamInfo<PiecesCase> &row) { return std::string(row.param.name); });

} // namespace
