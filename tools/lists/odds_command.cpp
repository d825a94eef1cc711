#include "tools/lists/odds_command.h"

#include "forecast/odds_inputs.h"

namespace tavix {

SeasonOdds LeagueOdds(const NBA& nba, const OddsOptions& options) {
    return SimulateSeasonOdds(StandingOnEvening(nba, SeasonGamesOf(nba), OddsEvening(nba)),
                              options.simulations, options.seed);
}

RecordTable OddsRecords(const NBA& nba, const SeasonOdds& odds) {
    RecordTable table;
    table.fields = {"team", "name", "playoff_chance", "conference_chance", "title_chance"};
    for (int t = 1; t <= kLeagueTeams; ++t)
        table.records.push_back({RecordValue{static_cast<long>(t)}, RecordValue{FullName(nba, t)},
                                 RecordValue{odds.Playoffs(t)}, RecordValue{odds.Conference(t)},
                                 RecordValue{odds.Title(t)}});
    return table;
}

}  // namespace tavix
