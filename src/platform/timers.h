#pragma once
// One-shot delays ("show the window first, then do the slow work"). Windows
// arm them through this interface so that tests can fire them at once
// instead of waiting.
#include <QList>
#include <QPointer>

#include <functional>

namespace platform {

class Timers {
public:
    virtual ~Timers() = default;
    // Runs `action` once after `milliseconds`, unless `context` is gone by then.
    virtual void singleShot(int milliseconds, QObject *context, std::function<void()> action) = 0;
};

// QTimer::singleShot.
class QtTimers : public Timers {
public:
    void singleShot(int milliseconds, QObject *context, std::function<void()> action) override;
};

// Test double: keeps every armed delay until the test fires it.
class ManualTimers : public Timers {
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

} // namespace platform
