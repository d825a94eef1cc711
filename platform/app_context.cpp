#include "platform/app_context.h"

#include <algorithm>

namespace tavix {

void DayFollowers::Add(QObject* window, std::function<void()> refill) {
    followers_.emplace_back(window, std::move(refill));
}

void DayFollowers::DayChanged() {
    followers_.erase(
        std::remove_if(followers_.begin(), followers_.end(), [](const auto& f) { return !f.first; }),
        followers_.end());
    // A refill may open or close windows; the ones known now are filled.
    const auto now = followers_;
    for (const auto& [window, refill] : now)
        if (window) refill();
}

std::string ReplayDayText(const AppContext& ctx) {
    return ctx.replayDay ? "Replay: " + LongDate(*ctx.replayDay) : std::string();
}

PrintScheme ForShownDay(const AppContext& ctx, PrintScheme scheme) {
    if (!ctx.replayDay) return scheme;
    // Above the header's closing blank line, which keeps it apart from the body.
    auto at = scheme.headerLines.empty() ? scheme.headerLines.end() : scheme.headerLines.end() - 1;
    scheme.headerLines.insert(at, "      " + ReplayDayText(ctx));
    return scheme;
}

void ReportPrintFailure(AppContext& ctx, const std::string& reason) {
    ctx.dialogs.Show(
        "The printout could not be made.\r\n" + reason + "\r\n\r\nYour lists and statistics are unchanged.",
        "Tavix", Buttons::Ok, Icon::Exclamation);
}

PrintOutcome PrintListWithMessages(AppContext& ctx, const PrintScheme& scheme, const ListContents& list) {
    std::string failure;
    PrintOutcome outcome = PrintList(
        ForShownDay(ctx, scheme), list, ctx.ownLeague.PrinterFontName, ctx.dialogs, ctx.printers,
        [&] { ctx.host.StartWait(); }, &failure);
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
