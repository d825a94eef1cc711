#include "reference/windows/reading.h"

#include "reference/reading_list.h"

namespace tavix {

void ShowRecommendedReading(AppContext& ctx) {
    ctx.dialogs.Show(ReadingText(), kReadingTitle, Buttons::Ok, Icon::Information);
}

}  // namespace tavix
