#include "textcore/readaloud.h"

#include <algorithm>

namespace textcore {

namespace {

constexpr char16_t kSoftHyphen = u'\u00AD';
constexpr int kNormalWordsPerMinute = 175;

bool isPieceEnd(char16_t c, ReadingStep step)
{
    return c == u' ' || (step == ReadingStep::Syllable && c == kSoftHyphen);
}

void appendSpoken(SpeechPiece &piece, std::u16string_view text, std::size_t from, std::size_t to,
                  std::u16string_view leftOut)
{
    for (std::size_t i = from; i < to; ++i) {
        const char16_t c = text[i];
        if (c == kSoftHyphen || leftOut.find(c) != std::u16string_view::npos)
            continue;
        piece.spoken.push_back(c);
        piece.origin.push_back(i);
    }
}

// The newest word or syllable: the display ends with its terminator, and
// the piece before it starts behind the previous terminator.
SpeechPiece newestPiece(ReadingStep step, std::u16string_view display)
{
    SpeechPiece piece;
    if (display.empty())
        return piece;
    const std::size_t end = display.size() - 1;
    std::size_t start = end;
    while (start > 0 && !isPieceEnd(display[start - 1], step))
        --start;
    appendSpoken(piece, display, start, end, {});
    return piece;
}

SpeechPiece newestLetter(std::u16string_view display)
{
    SpeechPiece piece;
    if (display.empty())
        return piece;
    const std::size_t at = display.size() - 1;
    const char16_t letter = display[at];
    if (letter == u' ' || letter == kSoftHyphen)
        return piece;
    const std::u16string_view sound = LetterSound(letter);
    if (sound.empty()) {
        // Digits and signs: the engine says them by name ("drei", "Punkt").
        piece.spoken.assign(1, letter);
    } else {
        piece.spoken.assign(sound);
        piece.phonemes = true;
    }
    piece.origin.assign(piece.spoken.size(), at);
    return piece;
}

} // namespace

int WordsPerMinute(SpeechRate rate)
{
    switch (rate) {
    case SpeechRate::Slow: return kNormalWordsPerMinute * 70 / 100;
    case SpeechRate::Medium: return kNormalWordsPerMinute * 85 / 100;
    case SpeechRate::Normal: break;
    }
    return kNormalWordsPerMinute;
}

std::u16string_view SpeechRateName(SpeechRate rate)
{
    switch (rate) {
    case SpeechRate::Slow: return u"langsam";
    case SpeechRate::Medium: return u"mittel";
    case SpeechRate::Normal: break;
    }
    return u"normal";
}

std::optional<SpeechRate> SpeechRateFromName(std::u16string_view name)
{
    for (SpeechRate rate : kSpeechRates)
        if (SpeechRateName(rate) == name)
            return rate;
    return std::nullopt;
}

std::optional<TextRange> SpeechPiece::Shown(std::size_t start, std::size_t length) const
{
    if (start >= origin.size() || length == 0)
        return std::nullopt;
    const std::size_t last = std::min(start + length, origin.size()) - 1;
    return TextRange{origin[start], origin[last] + 1 - origin[start]};
}

SpeechPiece TrainerSpeechPiece(ReadingStep step, std::u16string_view display)
{
    switch (step) {
    case ReadingStep::Word:
    case ReadingStep::Syllable: return newestPiece(step, display);
    case ReadingStep::Letter: return newestLetter(display);
    case ReadingStep::Text:
    case ReadingStep::Sentence: break;
    }
    SpeechPiece piece;
    appendSpoken(piece, display, 0, display.size(), {});
    return piece;
}

SpeechPiece RangeSpeechPiece(std::u16string_view text, std::size_t start, std::size_t length,
                             std::u16string_view leftOut)
{
    SpeechPiece piece;
    start = std::min(start, text.size());
    appendSpoken(piece, text, start, start + std::min(length, text.size() - start), leftOut);
    return piece;
}

SpeechPiece SelectionSpeechPiece(std::u16string_view text, std::size_t selStart, std::size_t selLength,
                                 std::u16string_view leftOut)
{
    if (selLength > 0)
        return RangeSpeechPiece(text, selStart, selLength, leftOut);
    // A caret at the very end would read nothing.
    const std::size_t start = selStart >= text.size() ? 0 : selStart;
    return RangeSpeechPiece(text, start, text.size() - start, leftOut);
}

std::u16string_view LetterSound(char16_t letter)
{
    // Lower case only; capitals sound alike. Vowels long as in a word's
    // stressed syllable; consonants that can be held are held, the others
    // take a short murmur vowel ("bə"), as children are taught to blend.
    switch (letter) {
    case u'a':
    case u'A': return u"[[A:]]";
    case u'b':
    case u'B': return u"[[b@]]";
    case u'c':
    case u'C': return u"[[k@]]";
    case u'd':
    case u'D': return u"[[d@]]";
    case u'e':
    case u'E': return u"[[e:]]";
    case u'f':
    case u'F': return u"[[fff]]";
    case u'g':
    case u'G': return u"[[g@]]";
    case u'h':
    case u'H': return u"[[h@]]";
    case u'i':
    case u'I': return u"[[i:]]";
    case u'j':
    case u'J': return u"[[jjj]]";
    case u'k':
    case u'K': return u"[[k@]]";
    case u'l':
    case u'L': return u"[[lllll]]";
    case u'm':
    case u'M': return u"[[mmm]]";
    case u'n':
    case u'N': return u"[[nnnnnn]]";
    case u'o':
    case u'O': return u"[[o:]]";
    case u'p':
    case u'P': return u"[[p@]]";
    case u'q':
    case u'Q': return u"[[kv@]]";
    case u'r':
    case u'R': return u"[[rrr]]";
    case u's':
    case u'S': return u"[[sss]]";
    case u't':
    case u'T': return u"[[t@]]";
    case u'u':
    case u'U': return u"[[u:]]";
    case u'v':
    case u'V': return u"[[fff]]";
    case u'w':
    case u'W': return u"[[vvv]]";
    case u'x':
    case u'X': return u"[[ks]]";
    case u'y':
    case u'Y': return u"[[y:]]";
    case u'z':
    case u'Z': return u"[[ts]]";
    case u'\u00E4':
    case u'\u00C4': return u"[[E:]]";
    case u'\u00F6':
    case u'\u00D6': return u"[[Y:]]";
    case u'\u00FC':
    case u'\u00DC': return u"[[y:]]";
    case u'\u00DF': return u"[[sss]]";
    default: return {};
    }
}

std::vector<std::size_t> CodePointStarts(std::u16string_view text)
{
    std::vector<std::size_t> starts;
    starts.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        starts.push_back(i);
        const bool pair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00
            && text[i + 1] < 0xE000;
        if (pair)
            ++i;
    }
    starts.push_back(text.size());
    return starts;
}

} // namespace textcore
