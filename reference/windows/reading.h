#pragma once
#include "platform/app_context.h"

namespace tavix {
// The Recommended Reading message.
void ShowRecommendedReading(AppContext& ctx);
}  // namespace tavix
