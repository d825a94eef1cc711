#pragma once
// Timers reach the windows through the program context, so a test can move time on by hand
// instead of waiting for it.

#include <functional>
#include <memory>

namespace tavix {

// A repeating timer: once started, `tick` runs every interval until it is stopped.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void Start() = 0;  // (re)starts: the next tick is one whole interval away
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    virtual int IntervalMs() const = 0;
};

class Timers {
  public:
    virtual ~Timers() = default;
    // A stopped timer; it never ticks after it is destroyed.
    virtual std::unique_ptr<Timer> Make(int intervalMs, std::function<void()> tick) = 0;
};

}  // namespace tavix
