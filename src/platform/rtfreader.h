#pragma once
// Reads rich text as Word, WordPad, LibreOffice and other writers produce it
// into runs of one format each. Works on bytes only (no QTextDocument), so it
// is fast on long texts and can be fuzzed.
//
// Conventions, chosen to match how LibreOffice reads the same files:
// - every \par ends a paragraph; paragraphs are joined by "\r\n", so a final
//   \par adds no line break at the end; \sect ends an open paragraph only;
// - \line is a line break as well; table cells are joined by a tab and every
//   row ends with a line break;
// - fields give their result text; pictures, objects, footnotes, headers and
//   the other hidden destinations give nothing;
// - \cf0, a missing colour entry and the automatic colour read as black;
// - a run's fontName is empty where the file does not say (the field's
//   default font), its pointSize RTF's default of 12 without \fs.
#include "platform/styledtext.h"
#include "textcore/result.h"

#include <QByteArray>
#include <QString>

namespace platform {

// Bounds that keep hostile files from costing more than their size: deeper
// groups are read with the format of the deepest kept group.
inline constexpr int kRtfMaxGroupDepth = 256;
inline constexpr int kRtfMaxUnicodeSkip = 16;

// Adjacent runs always differ in format; there are no empty runs. A
// failure's message gives the reason without the file name.
textcore::Result<StyledText> readRtf(const QByteArray &data);

} // namespace platform
