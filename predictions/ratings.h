#pragma once
// Derived team ratings: winning percentage, season averages and the strength rating PointDiff,
// blending the previous season into a team's first games of a new one.

#include "core/league.h"

namespace tavix {

constexpr int EarlySeasonGames = 11;

// Whether team t's strength rating is rated half on last season's averages: its early games.
inline bool RatingBlended(const NBA& nba, int team) {
    return nba.Wins[team] + nba.Losses[team] <= EarlySeasonGames;
}

// Overwrites WinPct, SeasonOffense, SeasonDefense and PointDiff for teams 1..TeamCount.
// Every caller passes the season the ratings window currently shows (Current when it is closed).
void ComputeRatings(NBA& nba, SeasonView view);

}  // namespace tavix
