#pragma once
// The fonts the teacher chose to offer besides "Arial" and "Verdana". The
// font selection window keeps the list's rules (at most 18, sorted, no
// duplicates, never the two fixed fonts); everyone else only reads it.
#include <QStringList>

namespace fonts {

struct OfferedFonts {
    QStringList names;
};

} // namespace fonts
