#pragma once
// Writes runs as rich text that Word, WordPad and LibreOffice open and that
// readRtf() reads back with every character's text, colour, font, size, bold
// and italic unchanged (sizes are kept to the half point, as RTF counts them).
#include "platform/styledtext.h"

#include <QByteArray>

namespace platform {

// Windows-1252 header with a font and a colour table; per run \f, \fs, \cf,
// \b, \i where they change; soft hyphen as \-, no-break space as \~, other
// characters beyond Windows-1252 as \uN?, every "\r\n" as \par. A run without
// a font name or size writes none, so the reader leaves it open as well.
QByteArray writeRtf(const StyledText &text);

} // namespace platform
