#pragma once
// A readable, diffable form of runs: JSON lines, first {"text": ...} with the
// whole plain text, then one object per run with start, length, text, colour
// (the integer), font, size, bold and italic. Used by kolorat-rtfdump and by
// the golden files of the RTF tests.
#include "platform/styledtext.h"

#include <QByteArray>

namespace platform {

QByteArray dumpStyledText(const StyledText &text);

} // namespace platform
