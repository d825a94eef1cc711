#include "reference/windows/reading.h"

namespace tavix {
void ShowRecommendedReading(AppContext& ctx) {
    ctx.dialogs.Show("Being written.", "Recommended Reading", Buttons::Ok, Icon::Information);
}
}  // namespace tavix
