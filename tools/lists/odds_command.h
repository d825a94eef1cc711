#pragma once
// tavix-lists odds: each team's chance of reaching the play-offs, winning its conference and
// winning the title, from the rest of the season and its play-offs simulated many times.

#include <cstdint>
#include <string>
#include <vector>

#include "core/league.h"
#include "forecast/odds_view.h"
#include "tools/lists/list_records.h"

namespace tavix {

struct OddsOptions {
    long simulations = kOddsSimulations;
    uint64_t seed = kOddsSeed;
};

// The odds on the evening of the league's statistics date: its records, the ratings they give and
// the games of the schedule after that day (or without a score) still to play.
SeasonOdds LeagueOdds(const NBA& nba, const OddsOptions& options);

// One record per team: team, name, playoff_chance, conference_chance, title_chance (fractions).
RecordTable OddsRecords(const NBA& nba, const SeasonOdds& odds);

}  // namespace tavix
