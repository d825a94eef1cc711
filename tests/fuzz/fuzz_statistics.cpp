// The statistics reader on any bytes: no crash, and a file it accepts is saved and read back to
// the same text. Whatever figures it accepts, the standings and the ratings list every club once
// and nothing on the way is undefined (the sanitizers watch the float conversions).

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "core/data_files.h"
#include "forecast/playoff_forecast.h"
#include "statistics/ratings_view.h"
#include "statistics/standings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tavix::NBA nba, again;
    nba = tavix::NBA{};
    std::string bytes(reinterpret_cast<const char*>(data), size);
    // A damaged file still gives the lists what was sound in it, and every problem names a line
    // the file has.
    tavix::FileProblems problems;
    if (tavix::ParseStatistics(bytes, nba, &problems)) {
        if (!problems.empty()) std::abort();
        const std::string saved = tavix::StatisticsText(nba);
        again = tavix::NBA{};
        if (!tavix::ParseStatistics(saved, again)) std::abort();
        if (tavix::StatisticsText(again) != saved) std::abort();
    } else if (problems.empty()) {
        std::abort();
    }
    for (const auto& p : problems)
        if (p.line < 0 || static_cast<size_t>(p.line) > size + 1 || p.what.empty()) std::abort();

    nba.TeamCount = tavix::kLeagueTeams;
    for (auto view : {tavix::SeasonView::Current, tavix::SeasonView::Previous}) {
        for (int order = 0; order < 4; ++order) {
            const auto lines = tavix::BuildRatingsView(nba, static_cast<tavix::RatingsOrder>(order), view,
                                                       tavix::RatingsRebuild::Option);
            if (lines.size() != 5u + tavix::kLeagueTeams) std::abort();
            std::set<int> clubs;
            for (int t : tavix::RatingsTeamOrder(nba, tavix::ComputeRatings(nba, view),
                                                 static_cast<tavix::RatingsOrder>(order), view,
                                                 tavix::RatingsRebuild::Load))
                if (t >= 1 && t <= tavix::kLeagueTeams) clubs.insert(t);
            if (clubs.size() != static_cast<size_t>(tavix::kLeagueTeams)) std::abort();
        }
    }
    tavix::BuildStandings(nba, tavix::SeasonView::Current);
    const auto forecast = tavix::ForecastPlayoffs(nba, tavix::SeasonView::Current);
    if (forecast.favourite < 0 || forecast.favourite > tavix::kLeagueTeams) std::abort();
    return 0;
}
