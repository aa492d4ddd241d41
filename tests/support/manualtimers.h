#pragma once
// Test double for Timers: keeps every armed delay until the test fires it.
#include "platform/timers.h"

#include <QList>
#include <QPointer>

namespace testsupport {

class ManualTimers : public platform::Timers {
public:
    void singleShot(int milliseconds, QObject *context, std::function<void()> action) override
    {
        m_pending.append({milliseconds, context, context != nullptr, std::move(action)});
    }

    int pendingCount() const { return int(m_pending.size()); }
    // The delays armed and not yet fired, in the order they were armed.
    QList<int> pendingDelays() const
    {
        QList<int> delays;
        for (const Pending &pending : m_pending)
            delays.append(pending.milliseconds);
        return delays;
    }
    // Fires the oldest pending delay whose context still lives; false when there is none.
    bool fireNext()
    {
        while (!m_pending.isEmpty()) {
            const Pending next = m_pending.takeFirst();
            if (!next.hadContext || next.context) {
                next.action();
                return true;
            }
        }
        return false;
    }
    // Fires every pending delay in the order armed, also those armed while
    // firing. Returns how many ran.
    int fireAll()
    {
        int fired = 0;
        while (fireNext())
            ++fired;
        return fired;
    }

private:
    struct Pending {
        int milliseconds;
        QPointer<QObject> context;
        bool hadContext;
        std::function<void()> action;
    };
    QList<Pending> m_pending;
};

} // namespace testsupport
