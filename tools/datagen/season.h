#pragma once
// The season source tables of data/sources, read into teams, games, staff and rosters, and the
// sums the statistics file is made of.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/league.h"

namespace tavix::datagen {

struct Date {
    int year = 0, month = 0, day = 0;
};
bool operator==(const Date& a, const Date& b);
bool operator<(const Date& a, const Date& b);
inline bool operator<=(const Date& a, const Date& b) { return !(b < a); }

std::optional<Date> ParseIsoDate(std::string_view text);  // YYYY-MM-DD, a real calendar day
int Weekday(const Date& d);                               // 0 = Sunday
const char* WeekdayName(int weekday);
const char* MonthName(int month);
std::string LongDate(const Date& d);  // "Friday, February 5, 1999"

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

struct Totals {
    int wins = 0, losses = 0, games = 0;
    long pointsFor = 0, pointsAgainst = 0;
};

// Sums the games up to and including `through` (all when absent) for teams 1..29.
std::array<Totals, kTeamSlots> SeasonTotals(const std::vector<Game>& games, std::optional<Date> through);

// Points per game rounded to one decimal, halves upwards, as a newspaper prints it: the double
// nearest to that one-decimal figure (4640 points in 50 games give 92.8). 0 with no games.
double NewspaperAverage(long points, int games);

}  // namespace tavix::datagen
