// Block predictions over the supplied season and the prediction rule alone.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/data_files.h"
#include "predictions/block_predictions.h"
#include "predictions/prediction_record.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "ui/main/schedule_views.h"

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

// Every schedule line of both halves as the main list shows it, with its game.
std::vector<BlockLine> WholeSeason() {
    const NBA& nba = SuppliedLeague();
    std::vector<BlockLine> lines;
    for (const ScheduleList& half : {FirstHalfLines(nba), SecondHalfLines(nba)})
        for (size_t i = 0; i < half.lines.size(); ++i) lines.push_back({half.lines[i], half.games[i]});
    return lines;
}

// The main window's button with the whole second half selected: collection keeps 300 lines.
void BM_BlockPredictSecondHalfSelected(benchmark::State& state) {
    NBA nba = SuppliedLeague();
    const ScheduleList items = SecondHalfLines(nba);
    const std::vector<bool> selected(items.lines.size(), true);
    for (auto _ : state) {
        auto lines = CollectBlockLines(items.lines, items.games, selected);
        auto list = BuildBlockPredictionList(nba, SeasonView::Current, lines, Date{1999, 3, 14});
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["lines"] = static_cast<double>(std::min<size_t>(items.lines.size(), kBlockLineLimit));
}
BENCHMARK(BM_BlockPredictSecondHalfSelected)->Unit(benchmark::kMicrosecond);

// The list builder over every line of the season, 300 lines at a time.
void BM_BlockPredictWholeSeasonInChunks(benchmark::State& state) {
    NBA nba = SuppliedLeague();
    const std::vector<BlockLine> season = WholeSeason();
    size_t predictions = 0;
    for (auto _ : state) {
        predictions = 0;
        for (size_t start = 0; start < season.size(); start += kBlockLineLimit) {
            const size_t end = std::min(season.size(), start + kBlockLineLimit);
            const std::vector<BlockLine> chunk(season.begin() + start, season.begin() + end);
            auto list = BuildBlockPredictionList(nba, SeasonView::Current, chunk, Date{1999, 3, 14});
            predictions += list.size();
            benchmark::DoNotOptimize(list.data());
        }
    }
    state.counters["lines"] = static_cast<double>(season.size());
}
BENCHMARK(BM_BlockPredictWholeSeasonInChunks)->Unit(benchmark::kMicrosecond);

// One prediction line, ratings already computed.
void BM_FormatPredictionLine(benchmark::State& state) {
    const NBA& nba = SuppliedLeague();
    const Ratings ratings = ComputeRatings(nba, SeasonView::Current);
    int road = 1, home = 2;
    for (auto _ : state) {
        std::string line = FormatPredictionLine(nba, ratings, road, home, false, TotalPrecision::Single);
        benchmark::DoNotOptimize(line.data());
        road = road % 29 + 1;
        home = home % 29 + 1;
    }
}
BENCHMARK(BM_FormatPredictionLine);

void BM_ComputeRatings(benchmark::State& state) {
    const NBA& nba = SuppliedLeague();
    for (auto _ : state) {
        const Ratings ratings = ComputeRatings(nba, SeasonView::Current);
        benchmark::DoNotOptimize(ratings.PointDiff.data());
    }
}
BENCHMARK(BM_ComputeRatings);

// The whole season's record (725 games, each from its morning's statistics) with its summary and
// lists, as the window and the companion build them; the aim is well under 10 ms.
void BM_PredictionRecordWholeSeason(benchmark::State& state) {
    const NBA& nba = SuppliedLeague();
    size_t games = 0;
    for (auto _ : state) {
        const std::vector<RecordedGame> record = BuildPredictionRecord(nba);
        auto summary = RecordSummaryLines(record);
        auto lines = RecordGameLines(record);
        benchmark::DoNotOptimize(summary.data());
        benchmark::DoNotOptimize(lines.data());
        games = record.size();
    }
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_PredictionRecordWholeSeason)->Unit(benchmark::kMillisecond);

}  // namespace
