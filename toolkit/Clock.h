#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace rewrix {

class Timer;

// What drives the controls' timers. The system clock runs them on the event loop; a manual
// clock runs them only when told to advance, so a timed cycle can be stepped through without
// waiting.
class Clock {
public:
    virtual ~Clock() = default;
    // The process-wide clock on the toolkit's event loop.
    static Clock& System();

protected:
    friend class Timer;
    // The timer was started, stopped or given a new interval.
    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerDestroyed(Timer& timer) = 0;
};

// A timer as the controls use it: an interval in milliseconds and an enabled switch; while
// enabled it ticks once per interval. Changing the interval of a running timer, or enabling it
// again, starts a fresh interval. An interval of 0 never ticks.
class Timer {
public:
    Timer(Clock& clock, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // Runs the tick handler now (what the clock calls when an interval ends).
    void fire();

private:
    Clock& clock_;
    std::function<void()> onTick_;
    int interval_ = 0;
    bool enabled_ = false;
};

// A clock for tests: time stands still until advance() moves it, firing every due tick in time
// order (timers due at the same moment in the order they were started).
class ManualClock : public Clock {
public:
    ~ManualClock() override;
    std::int64_t now() const { return now_; }
    void advance(std::int64_t ms);
    // Advances to the next due tick, if any, and fires it. Returns false when no timer runs.
    bool fireNext();
    // When the next tick is due, or -1 when no timer runs.
    std::int64_t nextDue() const;

protected:
    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) override;

private:
    struct Pending {
        std::int64_t due;
        std::uint64_t order;
    };
    std::map<Timer*, Pending> pending_;
    std::int64_t now_ = 0;
    std::uint64_t order_ = 0;
};

} // namespace rewrix
