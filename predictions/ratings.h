#pragma once
// Derived team ratings: winning percentage, season averages and the strength rating PointDiff,
// blending the previous season into a team's first games of a new one.

#include "core/league.h"

namespace tavix {

constexpr int EarlySeasonGames = 11;

// Overwrites WinPct, SeasonOffense, SeasonDefense and PointDiff for teams 1..TeamCount.
// Every caller passes the season the ratings window currently shows (Current when it is closed).
void ComputeRatings(NBA& nba, SeasonView view);

}  // namespace tavix
