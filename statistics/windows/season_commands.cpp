#include "statistics/windows/season_commands.h"

namespace tavix {

void RunNewSeason(AppContext& ctx) { ctx.dialogs.Beep(); }
void PrintGatheringForm(AppContext& ctx) { ctx.dialogs.Beep(); }

}  // namespace tavix
