#pragma once
// The one conversion between the program's colour integers and Qt's colours.
#include "textcore/colour.h"

#include <QColor>

namespace platform {

inline QColor toQColor(textcore::Colour colour)
{
    return QColor(int(textcore::red(colour)), int(textcore::green(colour)), int(textcore::blue(colour)));
}

inline textcore::Colour fromQColor(const QColor &colour)
{
    return textcore::rgb(unsigned(colour.red()), unsigned(colour.green()), unsigned(colour.blue()));
}

} // namespace platform
