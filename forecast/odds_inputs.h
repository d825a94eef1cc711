#pragma once
// What the season's odds start from, taken from the league: each game still to play with its
// chance from the ratings as they stand, the games already played for the tie-breaks, and the
// standing of every morning of the season for the odds through the season.

#include <vector>

#include "core/calendar.h"
#include "forecast/season_odds.h"

namespace tavix {

// A game of the season as the odds need it, however the schedule is read.
struct SeasonGame {
    Date date;
    int road = 0, home = 0;
    bool played = false;
    int roadPoints = 0, homePoints = 0;
};

// The league's games as its schedule holds them, with their scores where played. The one place the
// odds read the schedule.
std::vector<SeasonGame> SeasonGamesOf(const NBA& nba);

// The standing on the evening of `evening`: the records of the league's statistics, the chances
// from the ratings those give (the league itself is not changed), the games with a score on or
// before that evening for the tie-breaks, and every other game still to play.
SeasonStanding StandingOnEvening(const NBA& nba, const std::vector<SeasonGame>& games, const Date& evening);

// The days that have games, in calendar order, each once.
std::vector<Date> SeasonGameDays(const std::vector<SeasonGame>& games);

// The standing on the morning of `day`: the statistics summed from the results of the days before
// (as the prediction record takes them), the previous season's figures from the league.
SeasonStanding StandingOnMorning(const NBA& nba, const std::vector<SeasonGame>& games, const Date& day);

}  // namespace tavix
