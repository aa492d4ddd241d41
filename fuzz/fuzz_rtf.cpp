// Feeds arbitrary bytes to the RTF reader, and what it reads through the
// writer and the reader again: no crash, no hang, and a written text always
// reads back to the same characters.
#include "platform/documentfiles.h"
#include "platform/rtfreader.h"
#include "platform/rtfwriter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const textcore::Result<platform::StyledText> first = platform::readRtf(bytes);
    if (!first.ok())
        return 0;
    const QString text = platform::plainTextOf(first.value());
    const textcore::Result<platform::StyledText> second = platform::readRtf(platform::writeRtf(first.value()));
    if (!second.ok() || platform::plainTextOf(second.value()) != text)
        std::abort();
    return 0;
}
