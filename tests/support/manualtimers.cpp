#include "support/manualtimers.h"

namespace testsupport {

void ManualTimers::singleShot(int milliseconds, QObject *context, std::function<void()> action)
{
    m_pending.append(Pending{milliseconds, QPointer<QObject>(context), context != nullptr, std::move(action)});
}

QList<int> ManualTimers::pendingDelays() const
{
    QList<int> delays;
    for (const Pending &pending : m_pending)
        delays.append(pending.milliseconds);
    return delays;
}

bool ManualTimers::fireNext()
{
    while (!m_pending.isEmpty()) {
        Pending next = m_pending.takeFirst();
        if (next.hadContext && next.context.isNull())
            continue;
        next.action();
        return true;
    }
    return false;
}

int ManualTimers::fireAll()
{
    int fired = 0;
    while (fireNext())
        ++fired;
    return fired;
}

} // namespace testsupport
