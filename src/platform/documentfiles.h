#pragma once
// Reading and writing the two kinds of text file the program knows: rich
// text (RTF) and plain text. The rich-text field loads and saves through
// these functions, and so do the developer tools, so both see the same text.
#include "platform/styledtext.h"
#include "textcore/result.h"

#include <QString>

namespace platform {

enum class FileKind {
    Rtf,
    PlainText
};

// Reads a file into runs; joined they give the plain text with "\r\n" line
// breaks. A failure's message names the file and the reason. Plain text:
// Windows-1252, or UTF-8 when the file has a UTF-8 byte-order mark or is
// valid UTF-8 with non-ASCII bytes; every character gets `defaults`. RTF:
// our RTF reader; runs carry what the file says, and `defaults` fills what it
// leaves open.
textcore::Result<StyledText> loadDocument(const QString &path, FileKind kind, const CharFormat &defaults = {});

// Writes atomically (QSaveFile): on failure the old file stays and the
// message names the file and the reason.
// Plain text: Windows-1252 with CR LF, or UTF-8 with a byte-order mark when a
// character cannot be written in Windows-1252.
textcore::Result<> saveDocument(const QString &path, FileKind kind, const StyledText &text);

// Writes any finished file (a PDF) the same way.
textcore::Result<> saveFileBytes(const QString &path, const QByteArray &bytes);

// The steps of the plain-text files, for the tools and the tests. Decoding
// also reads UTF-16 with a byte-order mark (as Notepad's "Unicode"), and turns every lone CR and every lone LF into CR LF, because the field's
// positions count a line break as exactly those two characters; encoding does
// the same for the line breaks it writes and adds nothing at the end.
QString decodePlainText(const QByteArray &bytes);
QByteArray encodePlainText(const QString &text);

// The runs' characters joined: the field's plain text.
QString plainTextOf(const StyledText &text);

// Files above this size are refused rather than read into memory.
inline constexpr qint64 kMaxDocumentFileSize = 256 * 1024 * 1024;

} // namespace platform
