#pragma once
// The schedule as the main window lists it: half seasons, months and one team's games, plus the
// values of the schedule print. Every list is built here so anything else that lists the schedule
// (the window, a command-line companion, a test) gets exactly the same lines.

#include <string>
#include <utility>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"
#include "core/schedule_model.h"

namespace tavix {

// A list of the schedule: its lines as shown and, beside each, the game it holds (an index into
// the schedule model's games) or -1. The games travel with the lines so that nothing ever reads a
// shown line back to learn which game it was.
struct ScheduleList {
    std::vector<std::string> lines;
    std::vector<int> games;
    void Add(std::string line, int game = -1) {
        lines.push_back(std::move(line));
        games.push_back(game);
    }
};

// Every line of one half, each behind a two-blank indent.
ScheduleList FirstHalfLines(const NBA& nba);
ScheduleList SecondHalfLines(const NBA& nba);

// A date heading of the schedule file ("Friday, February 5, 1999"; a first-half heading starts
// with a blank), told by the weekday it starts with.
bool IsDateHeading(const std::string& fileLine, bool secondHalf);

// The lines MonthStart..MonthEnd of the month's pair. A range reaching outside the array is cut
// to the array (1..900 or 1..920); slots inside the array but past the loaded lines show as
// empty lines. An index outside 0..5 lists nothing.
ScheduleList MonthLines(const NBA& nba, int index);

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
// The heading and, for every game the team plays (at home, on the road or both), a one-blank line,
// the game's day heading and the game line.
ScheduleList TeamScheduleLines(const NBA& nba, int team, TeamScheduleMode mode);

// The schedule print: confirmation, three blank header lines at 18 points, body at 12 behind an
// eight-blank margin, a new page only at a short line once 40 lines are counted, and the
// selected-lines rule.
PrintScheme SchedulePrintScheme();

}  // namespace tavix
