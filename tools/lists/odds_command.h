#pragma once
// tavix-lists odds: each team's chance of reaching the play-offs, winning its conference and
// winning the title, from the rest of the season and its play-offs simulated many times.

#include <cstdint>
#include <string>
#include <vector>

#include "core/league.h"
#include "forecast/season_odds.h"
#include "tools/lists/list_records.h"

namespace tavix {

struct OddsOptions {
    long simulations = 100000;
    uint64_t seed = 1999;  // a fixed default, so the same data always gives the same odds
};

// The odds on the evening of the league's statistics date: its records, the ratings they give and
// the games of the schedule after that day (or without a score) still to play.
SeasonOdds LeagueOdds(const NBA& nba, const OddsOptions& options);

// One line per team in team-number order: number, name, and the three chances in percent.
std::vector<std::string> OddsLines(const NBA& nba, const SeasonOdds& odds);
// One record per team: team, name, playoff_chance, conference_chance, title_chance (fractions).
RecordTable OddsRecords(const NBA& nba, const SeasonOdds& odds);

}  // namespace tavix
