#pragma once
// Today's date from the computer's clock, in local time, and timers that run on it.

#include "core/dialogs.h"
#include "platform/timers.h"

namespace tavix {

class SystemClock : public Clock {
  public:
    Date Today() const override;
};

class SystemTimers : public Timers {
  public:
    std::unique_ptr<Timer> Make(int intervalMs, std::function<void()> tick) override;
};

}  // namespace tavix
