#pragma once
// The printed colour sheet: a title and one row per sound class with its
// name, a box in its colour and its colour number, on one page.
#include "textcore/soundcolours.h"

#include <QString>

namespace platform {
class Printer;
}

namespace soundcolours {

// Draws the sheet and ends the print job. `title` is printed in upper case.
// Returns false when the job failed.
bool printColourSheet(platform::Printer &printer, const QString &title, const textcore::SoundColours &colours);

} // namespace soundcolours
