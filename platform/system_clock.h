#pragma once
// Today's date from the computer's clock, in local time.

#include "core/dialogs.h"

namespace tavix {

class SystemClock : public Clock {
  public:
    Date Today() const override;
};

}  // namespace tavix
