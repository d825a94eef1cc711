#pragma once
// The season source tables of data/sources, read into teams, games, staff and rosters, and the
// sums the statistics file is made of.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "core/league.h"
#include "statistics/season_results.h"

namespace tavix::datagen {

using tavix::Date;

struct Team {
    int number = 0;        // 1..29, from the division and the alphabetical order inside it
    std::string fullName;  // as the source tables write it, "Portland Trail Blazers"
    std::string city, nickname;
    Division division = Division::None;
};

struct Game {
    Date date;
    int visitor = 0, home = 0;
    int visitorPoints = 0, homePoints = 0;
    std::string overtime;  // "", "OT", "2OT", "3OT"
};

struct Coach {
    std::string name;
    int wins = 0, losses = 0;
};

struct Staff {
    std::vector<Coach> coaches;           // in the order they led the team
    std::vector<std::string> executives;  // empty when the source has none
    std::string arena;
};

struct Player {
    std::string name;      // UTF-8, as the source writes it
    std::string position;  // PG, SG, SF, PF or C
    bool moreThanOneTeam = false;
};

// One team's season line of the reference tables (basketball-reference totals and the derived
// standings), kept to check what is computed from the game results.
struct ReferenceLine {
    int wins = 0, losses = 0, games = 0;
    long points = 0, pointsAllowed = 0;
    double perGame = 0, allowedPerGame = 0;
};

struct Sources {
    std::array<Team, kLeagueTeams + 1> teams{};  // slot 0 unused
    std::vector<Game> current;                   // 1998-99 regular season
    std::vector<Game> previous;                  // 1997-98 regular season
    std::array<Staff, kLeagueTeams + 1> staff{};
    std::array<std::vector<Player>, kLeagueTeams + 1> rosters{};
    std::array<ReferenceLine, kLeagueTeams + 1> referenceCurrent{}, referencePrevious{};
    std::array<ReferenceLine, kLeagueTeams + 1> standingsCurrent{}, standingsPrevious{};

    int TeamByFullName(const std::string& fullName) const;  // 0 when unknown
};

// Reads every table of the folder; any unknown team, bad number, bad date or missing file is a
// failure described in error.
bool LoadSources(const std::string& folder, Sources& sources, std::string& error);

// The games as results the statistics rule sums.
std::vector<GameResult> Results(const std::vector<Game>& games);

}  // namespace tavix::datagen
