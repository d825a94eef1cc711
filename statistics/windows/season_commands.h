#pragma once
// The two statistics commands that open no window.
#include "platform/app_context.h"

namespace tavix {

// New Season Setup: two confirmations, the games guard, the roll-over and one save.
void RunNewSeason(AppContext& ctx);
// Statistics Form: one confirmation, then the printed gathering form.
void PrintGatheringForm(AppContext& ctx);

}  // namespace tavix
