#pragma once
// Derived team ratings: winning percentage, season averages and the strength rating PointDiff,
// blending the previous season into a team's first games of a new one.

#include <array>

#include "core/league.h"

namespace tavix {

constexpr int EarlySeasonGames = 11;

// Whether team t's strength rating is rated half on last season's averages: its early games.
inline bool RatingBlended(const NBA& nba, int team) {
    return nba.Wins[team] + nba.Losses[team] <= EarlySeasonGames;
}

// Derived from a league's figures and never saved; slot 0 and the slots above TeamCount stay 0.
struct Ratings {
    std::array<float, kTeamSlots> WinPct{}, SeasonOffense{}, SeasonDefense{}, PointDiff{};
};

// The ratings of teams 1..TeamCount. Every caller passes the season the ratings window currently
// shows (Current when it is closed).
Ratings ComputeRatings(const NBA& nba, SeasonView view);

}  // namespace tavix
