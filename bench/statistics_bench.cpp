// Time to build the standings and each order of the ratings view on the supplied statistics
// (a generated league when the data files are missing), and the sort on its own.
#include <benchmark/benchmark.h>

#include "core/data_files.h"
#include "statistics/ratings_view.h"
#include "statistics/sort_keys.h"
#include "statistics/standings.h"

namespace {

using namespace tavix;

NBA League() {
    NBA nba;
    LoadReport report = LoadLeague(std::string(TAVIX_SOURCE_DIR) + "/data", "/nonexistent/TVX.ini", nba);
    if (report.statisticsOk && report.namesOk) return nba;
    nba = NBA{};
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = "City" + std::to_string(t);
        nba.TeamNames[t] = "Team" + std::to_string(t);
        nba.Wins[t] = static_cast<int16_t>((t * 7) % 29 + 10);
        nba.Losses[t] = static_cast<int16_t>(50 - nba.Wins[t]);
        nba.OffenseAve[t] = 88 + (t * 3) % 13;
        nba.DefenseAve[t] = 87 + (t * 5) % 11;
        nba.PrevWins[t] = static_cast<int16_t>(82 - (t * 11) % 60 - 11);
        nba.PrevLosses[t] = static_cast<int16_t>(82 - nba.PrevWins[t]);
        nba.PrevOffenseAve[t] = 90 + t * 0.3;
        nba.PrevDefenseAve[t] = 99 - t * 0.2;
    }
    return nba;
}

void BM_Standings(benchmark::State& state) {
    NBA nba = League();
    for (auto _ : state) benchmark::DoNotOptimize(BuildStandings(nba, SeasonView::Current));
}
BENCHMARK(BM_Standings);

// Arguments: order 0..3, then the season (0 current, 1 previous), then the cause (0 load,
// 1 option, 2 season switch).
void BM_RatingsView(benchmark::State& state) {
    NBA nba = League();
    const auto order = static_cast<RatingsOrder>(state.range(0));
    const SeasonView view = state.range(1) ? SeasonView::Previous : SeasonView::Current;
    const auto cause = static_cast<RatingsRebuild>(state.range(2));
    for (auto _ : state) benchmark::DoNotOptimize(BuildRatingsView(nba, order, view, cause));
}
BENCHMARK(BM_RatingsView)
    ->ArgNames({"order", "previous", "cause"})
    ->Args({0, 0, 0})
    ->Args({0, 0, 1})
    ->Args({1, 0, 1})
    ->Args({2, 0, 1})
    ->Args({3, 0, 1})
    ->Args({0, 1, 2})
    ->Args({1, 1, 1})
    ->Args({2, 1, 1})
    ->Args({3, 1, 1});

void BM_SortTeamKeys(benchmark::State& state) {
    NBA nba = League();
    SortKeys keys{};
    for (auto _ : state) {
        for (int t = 1; t <= kLeagueTeams; ++t)
            keys[t] = TeamKey(nba.OffenseAve[t] * 100 - nba.DefenseAve[t], t);
        SortTeamKeys(keys, kLeagueTeams);
        benchmark::DoNotOptimize(keys);
    }
}
BENCHMARK(BM_SortTeamKeys);

}  // namespace
