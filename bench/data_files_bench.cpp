// Loading the supplied data files and saving the statistics, as the program does at start-up and
// after each recorded team.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "core/schedule_model.h"

namespace {

const std::string kData = std::string(TAVIX_SOURCE_DIR) + "/data";

void BM_LoadLeague(benchmark::State& state) {
    for (auto _ : state) {
        tavix::NBA nba;
        auto report = tavix::LoadLeague(kData, "/nonexistent/TVX.ini", nba);
        benchmark::DoNotOptimize(report);
        if (report.NeedsLoadingMessage()) state.SkipWithError("the supplied data did not load");
    }
}
BENCHMARK(BM_LoadLeague)->Unit(benchmark::kMicrosecond);

// Parsing alone, from bytes already in memory.
void BM_ParseAll(benchmark::State& state) {
    auto statistics = tavix::ReadWholeFile(tavix::JoinPath(kData, tavix::kStatisticsFile));
    auto schedule = tavix::ReadWholeFile(tavix::JoinPath(kData, tavix::kScheduleFile));
    auto names = tavix::ReadWholeFile(tavix::JoinPath(kData, tavix::kNamesFile));
    if (!statistics || !schedule || !names) {
        state.SkipWithError("the supplied data is missing");
        return;
    }
    for (auto _ : state) {
        tavix::NBA nba;
        bool ok = tavix::ParseStatistics(*statistics, nba) && tavix::ParseSchedule(*schedule, nba) &&
                  tavix::ParseNames(*names, nba);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ParseAll)->Unit(benchmark::kMicrosecond);

// The schedule lines read into the model once the names are known, as every load does.
void BM_ReadScheduleModel(benchmark::State& state) {
    tavix::NBA nba;
    tavix::LoadLeague(kData, "/nonexistent/TVX.ini", nba);
    for (auto _ : state) benchmark::DoNotOptimize(tavix::BuildScheduleModel(nba));
}
BENCHMARK(BM_ReadScheduleModel)->Unit(benchmark::kMicrosecond);

void BM_StatisticsText(benchmark::State& state) {
    tavix::NBA nba;
    tavix::LoadLeague(kData, "/nonexistent/TVX.ini", nba);
    for (auto _ : state) benchmark::DoNotOptimize(tavix::StatisticsText(nba));
}
BENCHMARK(BM_StatisticsText)->Unit(benchmark::kMicrosecond);

// The whole save: text, a new file beside the old one, flushed to disk, renamed over it.
void BM_SaveStatistics(benchmark::State& state) {
    tavix::NBA nba;
    tavix::LoadLeague(kData, "/nonexistent/TVX.ini", nba);
    char pattern[] = "/tmp/tavix-bench-XXXXXX";
    const std::string dir = ::mkdtemp(pattern);
    for (auto _ : state) {
        auto result = tavix::SaveStatistics(dir, nba);
        if (!result.ok) state.SkipWithError(result.error.c_str());
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_SaveStatistics)->Unit(benchmark::kMicrosecond);

}  // namespace
