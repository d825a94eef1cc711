// The season's odds: 100,000 simulated seasons with their play-offs from the opening day, the
// forecast window's opening on a late evening, and the odds on the morning of every game day.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/data_files.h"
#include "forecast/odds_view.h"
#include "forecast/playoff_forecast.h"
#include "statistics/season_replay.h"

namespace {

using namespace tavix;

const NBA& SuppliedLeague() {
    static const NBA league = [] {
        NBA nba;
        LoadLeague(std::string(TAVIX_SOURCE_DIR) + "/data", "/nonexistent/TVX.ini", nba);
        return nba;
    }();
    return league;
}

// Every game of the season still to play; each game's chance worked out once, before the clock.
void BM_SeasonOddsFromOpeningDay(benchmark::State& state) {
    const std::vector<SeasonGame> games = SeasonGamesOf(SuppliedLeague());
    const SeasonStanding opening = StandingOnMorning(SuppliedLeague(), games, SeasonGameDays(games).front());
    const long simulations = state.range(0);
    SimulationControl control;
    control.threads = static_cast<unsigned>(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(SimulateSeasonOdds(opening, simulations, 1999, control).title.data());
    state.counters["games"] = static_cast<double>(opening.toPlay.size());
}
// Every core (0), and one: its CPU time is all the work, whatever else the machine is doing.
BENCHMARK(BM_SeasonOddsFromOpeningDay)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What the forecast window works out as it opens, on the evening of April 28, 1999, a week before
// the season's end: the bracket, the evening, the games, the key its kept odds go by, and the
// evening's odds from 100,000 seasons (which the window works out in the background).
void BM_ForecastWindowOpening(benchmark::State& state) {
    NBA evening = SuppliedLeague();
    ShowLeagueAsOf(evening, Date{1999, 4, 28});
    for (auto _ : state) {
        NBA nba = evening;
        benchmark::DoNotOptimize(ForecastPlayoffs(nba, SeasonView::Current).favourite);
        const Date day = OddsEvening(nba);
        const std::vector<SeasonGame> games = SeasonGamesOf(nba);
        benchmark::DoNotOptimize(OddsKey(nba, games, day, kOddsSimulations, kOddsSeed).size());
        benchmark::DoNotOptimize(
            SimulateSeasonOdds(StandingOnEvening(nba, games, day), kOddsSimulations, kOddsSeed).title.data());
    }
}
BENCHMARK(BM_ForecastWindowOpening)->Unit(benchmark::kMillisecond)->UseRealTime();

// One point per game day, each from that morning's statistics, ratings and chances; the time for
// 100,000 simulations a day is about ten times the time for 10,000.
void BM_OddsThroughSeason(benchmark::State& state) {
    const std::vector<SeasonGame> games = SeasonGamesOf(SuppliedLeague());
    const std::vector<Date> days = SeasonGameDays(games);
    const long simulations = state.range(0);
    SimulationControl control;
    control.threads = static_cast<unsigned>(state.range(1));
    for (auto _ : state) {
        auto odds = OddsThroughSeason(
            days.size(), [&](size_t day) { return StandingOnMorning(SuppliedLeague(), games, days[day]); },
            simulations, 1999, control);
        benchmark::DoNotOptimize(odds.data());
    }
    state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(BM_OddsThroughSeason)
    ->Args({100000, 0})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
