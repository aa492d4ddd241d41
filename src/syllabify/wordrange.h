#pragma once
// Which characters of a text make up its words, for marking a selection and
// for taking one selected word into the exception list. Positions are
// 0-based, ranges half-open [start, end).
#include <cstddef>
#include <string_view>
#include <utility>

namespace syllabify {

// A letter, or a boundary mark standing between two letters.
bool isPartOfWord(std::u16string_view text, std::size_t i);

// The range widened so that it cuts no word at either edge: a teacher selects
// a sentence roughly and expects every word in it marked, and marking half a
// word ("Fens" of "Fenster") would put a boundary where none belongs.
std::pair<std::size_t, std::size_t> widenToWholeWords(std::u16string_view text, std::size_t start, std::size_t end);

bool containsLetter(std::u16string_view text);

// The text without the blanks and punctuation caught at either end of a
// selection; letters and boundary marks stay.
std::u16string_view trimToWord(std::u16string_view text);

} // namespace syllabify
