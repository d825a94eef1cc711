#pragma once
// The recommended reading message (Rules & Info > Recommended Reading); it opens no window.

#include "platform/app_context.h"

namespace tavix {
// The Recommended Reading message.
void ShowRecommendedReading(AppContext& ctx);
}  // namespace tavix
