#pragma once
// The formatted text that travels between the rich-text field and the RTF
// reader and writer: runs of characters sharing one format. The runs'
// characters joined give exactly the field's plain text (line breaks are
// "\r\n"), so positions mean the same on both sides.
#include "textcore/colour.h"

#include <QString>
#include <vector>

namespace platform {

struct CharFormat {
    textcore::Colour colour = 0;
    QString fontName;     // empty: the field's default font
    double pointSize = 0; // 0: the field's default size
    bool bold = false;
    bool italic = false;
    bool operator==(const CharFormat &) const = default;
};

struct StyledRun {
    QString text;
    CharFormat format;
};

using StyledText = std::vector<StyledRun>;

} // namespace platform
