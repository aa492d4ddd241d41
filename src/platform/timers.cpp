#include "platform/timers.h"

#include <QTimer>

namespace platform {

void QtTimers::singleShot(int milliseconds, QObject *context, std::function<void()> action)
{
    if (context)
        QTimer::singleShot(milliseconds, context, std::move(action));
    else
        QTimer::singleShot(milliseconds, std::move(action));
}

} // namespace platform
