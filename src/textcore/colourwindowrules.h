#pragma once
// Rules the two colour windows share: what a typed colour number does to the
// mixer's custom colour, how the mixer writes a colour as a number, and which
// name a text is saved under (the editor's saves follow the same rule).
#include "textcore/colour.h"

#include <string>
#include <string_view>
#include <vector>

namespace textcore {

// The text of both windows' "?" menu: how colours are dragged and mixed.
// Every line ends with a CR.
std::u16string_view ColourWindowHelpText();

// What a change of the colour number field's text leads to.
struct ColourNumberEntry {
    enum class Action {
        Ignore, // 9 or more characters: the field and the colour stay as they are
        Clear,  // not a number or above 16777215: the field is emptied
        Set,    // the custom colour becomes `colour` (an empty text gives black)
    };
    Action action = Action::Ignore;
    Colour colour = kBlack;
    bool operator==(const ColourNumberEntry &) const = default;
};

// Only the digits 0-9 count as a number; signs, blanks and other digit
// forms empty the field. Emptying is itself a change, so a refused entry
// ends with an empty field and a black custom colour. A pasted long text is
// left alone rather than wiped: the user may still be about to shorten it.
ColourNumberEntry ReadColourNumber(std::u16string_view text);

// The colour's value as the number field and the colour sheet show it:
// decimal, no leading zeros or blanks.
std::u16string ColourNumberText(Colour colour);

// The name a file is saved under: the answer in capital letters (ä, ö, ü
// and the other Latin-1 letters too; ß has no single capital and stays).
std::u16string UpperCaseFileName(std::u16string_view answer);

// The help text's file name, in the current folder or installed.
constexpr std::u16string_view kHelpFileName = u"KOLORATHELP.RTF";

// kHelpFileName belongs to the help text and is never saved over. The
// name is compared as given; the caller upper-cases it first.
bool IsReservedFileName(std::u16string_view upperCaseName);

// How many of the listed names are `upperCaseName` when written in capitals.
std::size_t CountListedName(const std::vector<std::u16string> &listed, std::u16string_view upperCaseName);

} // namespace textcore
