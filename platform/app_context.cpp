#include "platform/app_context.h"

namespace tavix {

void ReportPrintFailure(AppContext& ctx, const std::string& reason) {
    ctx.dialogs.Show(
        "The printout could not be made.\r\n" + reason + "\r\n\r\nYour lists and statistics are unchanged.",
        "Tavix", Buttons::Ok, Icon::Exclamation);
}

PrintOutcome PrintListWithMessages(AppContext& ctx, const PrintScheme& scheme, const ListContents& list) {
    std::string failure;
    PrintOutcome outcome = PrintList(
        scheme, list, ctx.nba.PrinterFontName, ctx.dialogs, ctx.printers, [&] { ctx.host.StartWait(); },
        &failure);
    if (outcome == PrintOutcome::Failed) ReportPrintFailure(ctx, failure);
    return outcome;
}

bool PrintJobWithMessages(AppContext& ctx, const std::string& documentName,
                          const std::function<void(Printer&)>& job) {
    std::string failure;
    if (RunPrintJob(ctx.printers, documentName, job, &failure)) return true;
    ReportPrintFailure(ctx, failure);
    return false;
}

}  // namespace tavix
