#include "statistics/windows/season_commands.h"

#include "statistics/season_setup.h"

namespace tavix {

void RunNewSeason(AppContext& ctx) { NewSeasonSetup(ctx.ownLeague, ctx.dialogs, ctx.dataDir); }

void PrintGatheringForm(AppContext& ctx) {
    if (!IsPositive(ctx.dialogs.Show(GatheringFormConfirmText(), kGatheringFormTitle, Buttons::OkCancel,
                                     Icon::Question)))
        return;
    ctx.host.StartWait();
    PrintJobWithMessages(ctx, "Statistics Form", [&](Printer& printer) {
        SendGatheringForm(ctx.League(), ctx.ownLeague.PrinterFontName, printer);
    });
}

}  // namespace tavix
