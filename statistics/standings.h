#pragma once
// The division standings shown in the main window's standings list.
#include <string>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"

namespace tavix {

// The record a division's games behind are measured against.
struct DivisionLeader {
    int wins = 0;
    int games = 0;  // wins + losses
};

// One club of the standings and the record its games behind are measured against.
struct StandingsEntry {
    int team = 0;
    DivisionLeader leader;
};

// Runs ComputeRatings for `view`, replaces WinPct by the standings percentage and returns the
// clubs division by division (Atlantic, Central, Midwest, Pacific), best percentage first.
std::vector<StandingsEntry> RankStandings(NBA& nba, SeasonView view);

// Runs ComputeRatings for `view`, replaces WinPct by the standings percentage (ties count as
// half a win) and returns the lines.
std::vector<std::string> BuildStandings(NBA& nba, SeasonView view);

// One club's line: name, wins, losses, percentage, games behind `leader` and scoring margin.
// Reads Wins, Losses, CityNames, WinPct and PointDiff of `team`.
std::string FormatStandingsLine(const NBA& nba, int team, const DivisionLeader& leader);

// Games behind the leader: whole or half games, negative for a better record than the leader's.
float GamesBehind(int wins, int losses, const DivisionLeader& leader);

// The standings percentage: ties count as half a win; no credit at all gives 0.
float StandingsPct(int wins, int losses, int ties);

// The values of the standings print.
PrintScheme StandingsPrintScheme();

}  // namespace tavix
