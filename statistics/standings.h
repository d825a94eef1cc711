#pragma once
// The division standings shown in the main window's standings list.
#include <string>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"
#include "predictions/ratings.h"

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

// The clubs in standings order and the figures their lines show: the ratings for the season
// asked for, with WinPct the standings percentage (ties count as half a win).
struct RankedStandings {
    std::vector<StandingsEntry> entries;  // division by division (Atlantic, Central, Midwest, Pacific)
    Ratings ratings;
};

// Ranks each division's clubs, best standings percentage first.
RankedStandings RankStandings(const NBA& nba, SeasonView view);

// The standings list: the headings and each division's lines.
std::vector<std::string> BuildStandings(const NBA& nba, SeasonView view);

// One club's line: name, wins, losses, percentage, games behind `leader` and scoring margin.
// Reads Wins, Losses and CityNames of `team` from the league, WinPct and PointDiff from `ratings`.
std::string FormatStandingsLine(const NBA& nba, const Ratings& ratings, int team,
                                const DivisionLeader& leader);

// Games behind the leader: whole or half games, negative for a better record than the leader's.
float GamesBehind(int wins, int losses, const DivisionLeader& leader);

// The standings percentage: ties count as half a win; no credit at all gives 0.
float StandingsPct(int wins, int losses, int ties);

// The values of the standings print.
PrintScheme StandingsPrintScheme();

}  // namespace tavix
