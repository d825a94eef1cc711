// The season replay's logic on the supplied data: the statistics of any day (the evening's totals,
// the update date and the schedule lines' scores), and a whole replay taken and dropped.
#include <benchmark/benchmark.h>

#include "core/data_files.h"
#include "statistics/season_replay.h"

namespace {

using namespace tavix;

NBA League() {
    NBA nba;
    LoadLeague(std::string(TAVIX_SOURCE_DIR) + "/data", "/nonexistent/TVX.ini", nba);
    return nba;
}

// One day after another across the season, so each call changes figures and lines.
void BM_ReplayShowDay(benchmark::State& state) {
    NBA nba = League();
    SeasonReplay replay(nba);
    const auto days = replay.Days();
    if (days.empty()) {
        state.SkipWithError("no game days in the supplied data");
        return;
    }
    size_t i = 0;
    for (auto _ : state) {
        // Far jumps (first half, second half of the season) as well as neighbouring days.
        replay.ShowDay(days[(i * 37) % days.size()]);
        ++i;
        benchmark::DoNotOptimize(replay.League().Wins);
    }
}
BENCHMARK(BM_ReplayShowDay)->Unit(benchmark::kMicrosecond);

void BM_ReplayStartAndEnd(benchmark::State& state) {
    NBA nba = League();
    for (auto _ : state) {
        SeasonReplay replay(nba);
        replay.ShowDay(Date{1999, 3, 10});
        benchmark::DoNotOptimize(replay.League().Wins);
    }
}
BENCHMARK(BM_ReplayStartAndEnd)->Unit(benchmark::kMicrosecond);

}  // namespace
