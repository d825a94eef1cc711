#pragma once
// The schedule as the main window lists it: half seasons, months and one team's games, plus the
// values of the schedule print. Every list is built here so anything else that lists the schedule
// (the window, a command-line companion, a test) gets exactly the same lines.

#include <string>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"

namespace tavix {

// The six month views, in menu order: November, December, January on the first half; February,
// March, April / May on the second.
constexpr int kMonthViews = 6;

// The month-range pair (1..8) that month view `index` (0..5) lists; 0 for an index outside 0..5.
int MonthPairOf(int index);
// True when month view `index` reads the second half of the schedule.
bool MonthOnSecondHalf(int index);

// The month view (0..5) that lists line `line` (1-based) of the first or second half, the first
// such view when ranges overlap; -1 when none does.
int MonthViewOfLine(const NBA& nba, bool firstHalf, int line);

// Every line of one half, each behind a two-blank indent.
std::vector<std::string> FirstHalfLines(const NBA& nba);
std::vector<std::string> SecondHalfLines(const NBA& nba);

// A date heading of the schedule file ("Friday, February 5, 1999"; a first-half heading starts
// with a blank), told by the weekday it starts with.
bool IsDateHeading(const std::string& fileLine, bool secondHalf);

// The lines MonthStart..MonthEnd of the month's pair. A range reaching outside the array is cut
// to the array (1..900 or 1..920); slots inside the array but past the loaded lines show as
// empty lines. An index outside 0..5 lists nothing.
std::vector<std::string> MonthLines(const NBA& nba, int index);

// What the team panel's combo starts with; choosing a team with it still there is no choice.
extern const char kSelectTeamPrompt[];  // "        Select Team Below"
// True for the prompt and for an empty combo text: the select button only beeps.
bool IsNoTeamChosen(const std::string& comboText);
// The combo's items: "City Nickname" for teams 1..29.
std::vector<std::string> TeamComboItems(const NBA& nba);
// The team whose nickname ends the combo text (exact case); the highest-numbered match wins, so
// a team with an empty nickname matches anything. 0 when none does.
int TeamFromComboText(const NBA& nba, const std::string& comboText);

enum class TeamScheduleMode { AllGames = 0, Home = 1, Road = 2 };

// The heading line of a team's schedule.
std::string TeamScheduleHeading(const NBA& nba, int team, TeamScheduleMode mode);
// The position (1-based) where the team's city first appears in `line`, ignoring case; 0 if not.
int CityPosition(const std::string& line, const std::string& city);
// The heading and, for every line of both halves that names the team's city (and passes the
// home/road filter), a one-blank line, the current date line and the game line.
std::vector<std::string> TeamScheduleLines(const NBA& nba, int team, TeamScheduleMode mode);

// The schedule print: confirmation, three blank header lines at 18 points, body at 12 behind an
// eight-blank margin, a new page only at a short line once 40 lines are counted, and the
// selected-lines rule.
PrintScheme SchedulePrintScheme();

}  // namespace tavix
