#pragma once
// The statistics a season's results give on any day: each team's record and points per game,
// summed from the game results and rounded as a newspaper prints them. The data tool writes the
// supplied statistics file by this rule, and every view of the league "as it stood" on a day uses it,
// so a figure never depends on which of them made it.
#include <array>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/league.h"
#include "core/schedule_model.h"

namespace tavix {

struct GameResult {
    Date date;
    int road = 0, home = 0;  // team numbers 1..29
    int roadPoints = 0, homePoints = 0;
};

struct TeamTotals {
    int wins = 0, losses = 0, games = 0;
    long pointsFor = 0, pointsAgainst = 0;
};
using LeagueTotals = std::array<TeamTotals, kTeamSlots>;

// Adds one game to running sums, as every sum below does; a game naming a team number outside
// 1..32 is passed over.
void AddGameResult(LeagueTotals& totals, const GameResult& game);
// Sums of the games played on or before `last` (the evening of that day).
LeagueTotals TotalsThrough(const std::vector<GameResult>& games, const Date& last);
// Sums of the games played before `day` (its morning: games of the same day never see each other).
LeagueTotals TotalsBefore(const std::vector<GameResult>& games, const Date& day);
LeagueTotals TotalsOfAll(const std::vector<GameResult>& games);

// Points per game rounded to one decimal, halves upwards, as a newspaper prints it: the double
// nearest to that one-decimal figure (4640 points in 50 games give 92.8). 0 with no games.
double NewspaperAverage(long points, int games);

// Teams 1..29 of the current (or previous) season take the totals: wins, losses, no ties and the
// rounded averages. Slots 30..32 and the other season are left as they are.
void SetCurrentSeason(NBA& nba, const LeagueTotals& totals);
void SetPreviousSeason(NBA& nba, const LeagueTotals& totals);

// Every game of the schedule model, in schedule order.
std::vector<ScheduledGame> ScheduledGames(const NBA& nba);
std::vector<GameResult> PlayedGames(const std::vector<ScheduledGame>& games);

}  // namespace tavix
