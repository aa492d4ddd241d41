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

} // namespace platform
