#pragma once
// Timers that tick only when the test moves time on, so no test waits for the clock.

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/timers.h"

namespace tavix::testing {

class ManualTimers : public Timers {
    struct Manual : Timer {
        Manual(ManualTimers& all, int ms, std::function<void()> onTick)
            : all(all), interval(ms), tick(std::move(onTick)) {
            all.timers_.push_back(this);
        }
        ~Manual() override { all.timers_.erase(std::find(all.timers_.begin(), all.timers_.end(), this)); }
        void Start() override { active = true, due = all.now_ + interval; }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }
        int IntervalMs() const override { return interval; }

        ManualTimers& all;
        int interval;
        std::function<void()> tick;
        bool active = false;
        long long due = 0;
    };
    long long now_ = 0;
    std::vector<Manual*> timers_;  // oldest first, which ticks first at the same moment

  public:
    std::unique_ptr<Timer> Make(int ms, std::function<void()> tick) override {
        return std::make_unique<Manual>(*this, ms, std::move(tick));
    }
    // Moves time on by `ms`, ticking every timer that comes due on the way, in time order.
    void Advance(int ms) {
        for (const long long until = now_ + ms;;) {
            Manual* next = nullptr;
            for (Manual* t : timers_)
                if (t->active && t->due <= until && (!next || t->due < next->due)) next = t;
            if (!next) return void(now_ = until);
            now_ = next->due;
            next->due += next->interval;
            next->tick();  // may stop, start or destroy timers
        }
    }
};

}  // namespace tavix::testing
