#pragma once
// Test double for Timers: keeps every armed delay until the test fires it.
#include "platform/timers.h"

#include <QList>
#include <QPointer>

namespace testsupport {

class ManualTimers : public platform::Timers {
public:
    void singleShot(int milliseconds, QObject *context, std::function<void()> action) override;

    int pendingCount() const { return int(m_pending.size()); }
    // The delays armed and not yet fired, in the order they were armed.
    QList<int> pendingDelays() const;
    // Fires every pending delay in the order armed, also those armed while
    // firing. Delays whose context was destroyed are dropped. Returns how many ran.
    int fireAll();
    // Fires the oldest pending delay; false when there is none.
    bool fireNext();

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
