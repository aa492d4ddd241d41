#pragma once
// The one conversion between the program's results and Qt's strings.
#include "textcore/result.h"

#include <QString>

namespace platform {

inline textcore::Result<> failure(const QString &message)
{
    return textcore::Result<>::failure(message.toStdU16String());
}

inline QString messageOf(const textcore::Result<> &result)
{
    return QString::fromStdU16String(result.message());
}

} // namespace platform
