#pragma once
// The season's games, read once from the schedule lines: each game's day, its road and home team
// numbers, its final score when played and the line it came from. Every list, prediction and
// figure that needs a game reaches it here, so a team is recognised one way everywhere and a
// renamed or moved team keeps its games.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "core/league.h"

namespace tavix {

// Where the cities stand in a schedule file line, 1-based: the road team's starts at one of
// 1..6, the home team's at one of 8..20. The main list shows each line behind two blanks.
constexpr int kFileRoadFirst = 1, kFileRoadLast = 6;
constexpr int kFileHomeFirst = 8, kFileHomeLast = 20;
// The score follows the home city, which starts at column 17 at the latest.
constexpr size_t kEarliestScore = 17;

// The six month views, in menu order: November, December, January on the first half; February,
// March, April / May on the second.
constexpr int kMonthViews = 6;
// The month-range pair (1..8) that month view `index` (0..5) lists; 0 for an index outside 0..5.
int MonthPairOf(int index);
// True when month view `index` reads the second half of the schedule.
bool MonthOnSecondHalf(int index);
// The first and last line of month view `index`, uncut; first above last when it lists nothing.
std::pair<long, long> MonthRange(const NBA& nba, int index);
// The month view (0..5) that lists line `line` (1-based) of the first or second half, the first
// such view when ranges overlap; -1 when none does.
int MonthViewOfLine(const NBA& nba, bool firstHalf, int line);

// One line of the schedule arrays: which half, and its 1-based index there.
struct ScheduleLine {
    bool firstHalf = false;
    int line = 0;
};

struct ScheduledGame {
    Date date;
    int road = 0, home = 0;  // team numbers 1..29
    bool played = false;
    int roadPoints = 0, homePoints = 0;
    int overtimes = 0;  // 1 for "OT", 2 for "2OT"...
    bool firstHalf = false;
    int line = 0;          // index into FirstHalfSchedule or SecondHalfSchedule
    ScheduleLine heading;  // the day heading the game stands under
    int month = -1;        // the month view (0 November .. 5 April / May) listing it, -1 for none
};

// A line under a day heading that holds text but not two teams the program knows.
struct UnknownGameLine {
    int fileLine = 0;  // 1-based line of the schedule file
    std::string text;
};

struct ScheduleModel {
    std::vector<ScheduledGame> games;  // schedule order
    std::vector<UnknownGameLine> unknown;
    // The game each line of either half holds, -1 for none (headings, blank lines, notes).
    std::vector<int> firstHalfGames, secondHalfGames;

    int GameAt(bool firstHalf, int line) const;
};

// Reads every game of the league's schedule lines. Teams are found by the league's city names,
// and a line whose city no team holds now by the cities the season was supplied with, so a team
// renamed in the names editor still has its games. A city that is blank, or that two teams share,
// says nothing about which team plays.
std::shared_ptr<const ScheduleModel> BuildScheduleModel(const NBA& nba);
// The league's model, or one read now from its lines for a league put together without one.
std::shared_ptr<const ScheduleModel> ScheduleOf(const NBA& nba);
// The same games with the scores of games after `evening` taken away: the schedule as it stood
// that evening.
std::shared_ptr<const ScheduleModel> ScheduleAsOf(const ScheduleModel& model, const Date& evening);

// The lines a game and its day heading came from, as the league holds them now.
const std::string& LineOf(const NBA& nba, const ScheduleLine& at);
const std::string& GameLineOf(const NBA& nba, const ScheduledGame& game);

// The team whose city starts at one of the positions first..last (1-based) of a line, as the
// model finds it; 0 when none does.
int FindTeamInLine(const NBA& nba, const std::string& line, int first, int last);

// Where a line's final score starts ("86-92", and an overtime word after it), or npos when the
// line carries none; and the line without it, as it stood before the game was played.
size_t ScorePosition(const std::string& line);
std::string WithoutScore(const std::string& line);

// The one message naming the schedule lines whose teams were not found; empty when there are none.
std::string UnknownGamesMessage(const ScheduleModel& model);

}  // namespace tavix
