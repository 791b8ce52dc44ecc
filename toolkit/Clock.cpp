#include "toolkit/Clock.h"

#include <QObject>
#include <QTimer>

#include <limits>
#include <unordered_map>

namespace rewrix {
namespace {

class SystemClock final : public Clock {
protected:
    void timerChanged(Timer& timer) override {
        auto& q = timers_[&timer];
        if (!q) {
            q = std::make_unique<QTimer>();
            q->setTimerType(Qt::PreciseTimer);
            QObject::connect(q.get(), &QTimer::timeout, [&timer] { timer.fire(); });
        }
        if (timer.enabled() && timer.interval() > 0)
            q->start(timer.interval());
        else
            q->stop();
    }
    void timerDestroyed(Timer& timer) override { timers_.erase(&timer); }

private:
    std::unordered_map<Timer*, std::unique_ptr<QTimer>> timers_;
};

} // namespace

Clock& Clock::System() {
    static SystemClock clock;
    return clock;
}

Timer::Timer(Clock& clock, std::function<void()> onTick)
    : clock_(clock), onTick_(std::move(onTick)) {}

Timer::~Timer() {
    clock_.timerDestroyed(*this);
}

void Timer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    clock_.timerChanged(*this);
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    clock_.timerChanged(*this);
}

void Timer::fire() {
    if (onTick_)
        onTick_();
}

ManualClock::~ManualClock() = default;

void ManualClock::timerChanged(Timer& timer) {
    if (timer.enabled() && timer.interval() > 0)
        pending_[&timer] = {now_ + timer.interval(), order_++};
    else
        pending_.erase(&timer);
}

void ManualClock::timerDestroyed(Timer& timer) {
    pending_.erase(&timer);
}

std::int64_t ManualClock::nextDue() const {
    std::int64_t due = -1;
    for (const auto& [t, p] : pending_)
        if (due < 0 || p.due < due)
            due = p.due;
    return due;
}

bool ManualClock::fireNext() {
    Timer* next = nullptr;
    Pending best{std::numeric_limits<std::int64_t>::max(),
                 std::numeric_limits<std::uint64_t>::max()};
    for (const auto& [t, p] : pending_) {
        if (p.due < best.due || (p.due == best.due && p.order < best.order)) {
            best = p;
            next = t;
        }
    }
    if (!next)
        return false;
    now_ = std::max(now_, best.due);
    // The next interval starts as the tick fires; the handler may stop or restart the timer.
    pending_[next] = {now_ + next->interval(), order_++};
    next->fire();
    return true;
}

void ManualClock::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    for (;;) {
        const std::int64_t due = nextDue();
        if (due < 0 || due > until)
            break;
        fireNext();
    }
    now_ = until;
}

} // namespace rewrix
