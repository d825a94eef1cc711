// Building the team schedule view of every team over the whole schedule, and laying out a long
// print, as a user does with the schedule views and their print button.

#include <benchmark/benchmark.h>

#include <string>

#include "core/data_files.h"
#include "core/print_list.h"
#include "core/text_printer.h"
#include "ui/main/schedule_views.h"

namespace {

const std::string kData = std::string(TAVIX_SOURCE_DIR) + "/data";

tavix::NBA Supplied(benchmark::State& state) {
    tavix::NBA nba;
    if (tavix::LoadLeague(kData, "/nonexistent/TVX.ini", nba).NeedsLoadingMessage())
        state.SkipWithError("the supplied data did not load");
    return nba;
}

void BM_TeamViewsOfEveryTeam(benchmark::State& state) {
    tavix::NBA nba = Supplied(state);
    const auto mode = static_cast<tavix::TeamScheduleMode>(state.range(0));
    for (auto _ : state) {
        size_t lines = 0;
        for (int team = 1; team <= nba.TeamCount; ++team)
            lines += tavix::TeamScheduleLines(nba, team, mode).lines.size();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_TeamViewsOfEveryTeam)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// 760 lines of the second half, with its short separator lines, through the schedule print scheme.
void BM_LayOutA760LinePrint(benchmark::State& state) {
    tavix::NBA nba = Supplied(state);
    std::vector<std::string> items = tavix::SecondHalfLines(nba).lines;
    items.resize(760);
    const tavix::ListContents list{items, {}};
    const tavix::PrintScheme scheme = tavix::SchedulePrintScheme();
    for (auto _ : state) {
        tavix::TextPrinter printer;
        tavix::SendList(scheme, list, "Courier New", printer);
        benchmark::DoNotOptimize(printer);
    }
}
BENCHMARK(BM_LayOutA760LinePrint)->Unit(benchmark::kMicrosecond);

}  // namespace
