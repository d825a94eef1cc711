#pragma once
// Timers that tick only when the test moves time on, so no test waits for the clock.

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/timers.h"

namespace tavix::testing {

class ManualTimers : public Timers {
  public:
    std::unique_ptr<Timer> Make(int intervalMs, std::function<void()> tick) override {
        return std::make_unique<Manual>(*this, intervalMs, std::move(tick));
    }

    // Moves time on by `ms`, ticking every timer that comes due on the way, in time order.
    void Advance(int ms) {
        const long long until = now_ + ms;
        for (;;) {
            Manual* next = nullptr;
            for (Manual* t : timers_)
                if (t->active && t->due <= until && (!next || t->due < next->due)) next = t;
            if (!next) break;
            now_ = next->due;
            next->due += next->interval;
            next->tick();  // may stop, start or destroy timers
        }
        now_ = until;
    }

  private:
    struct Manual : Timer {
        Manual(ManualTimers& owner, int ms, std::function<void()> onTick)
            : timers(owner), interval(ms), tick(std::move(onTick)) {
            timers.timers_.push_back(this);
        }
        ~Manual() override {
            auto& all = timers.timers_;
            all.erase(std::remove(all.begin(), all.end(), this), all.end());
        }
        void Start() override {
            active = true;
            due = timers.now_ + interval;
        }
        void Stop() override { active = false; }
        bool IsActive() const override { return active; }
        int IntervalMs() const override { return interval; }

        ManualTimers& timers;
        int interval;
        std::function<void()> tick;
        bool active = false;
        long long due = 0;
    };

    long long now_ = 0;
    std::vector<Manual*> timers_;
};

}  // namespace tavix::testing
