#pragma once
// Made-up leagues for tests that must not depend on the supplied data files, and setters for a
// club's figures.

#include <string>

#include "core/league.h"

namespace tavix::testing {

// The 1998-99 names in team-number order; statistics start at zero and each test sets what it needs.
inline NBA SmallLeague() {
    static const char* const names[][2] = {
        {"Boston", "Celtics"},
        {"Miami", "Heat"},
        {"New Jersey", "Nets"},
        {"New York", "Knicks"},
        {"Orlando", "Magic"},
        {"Philadelphia", "76ers"},
        {"Washington", "Wizards"},
        {"Atlanta", "Hawks"},
        {"Charlotte", "Hornets"},
        {"Chicago", "Bulls"},
        {"Cleveland", "Cavaliers"},
        {"Detroit", "Pistons"},
        {"Indiana", "Pacers"},
        {"Milwaukee", "Bucks"},
        {"Toronto", "Raptors"},
        {"Dallas", "Mavericks"},
        {"Denver", "Nuggets"},
        {"Houston", "Rockets"},
        {"Minnesota", "Timberwolves"},
        {"San Antonio", "Spurs"},
        {"Utah", "Jazz"},
        {"Vancouver", "Grizzlies"},
        {"Golden State", "Warriors"},
        {"L.A.", "Clippers"},
        {"L. A.", "Lakers"},
        {"Phoenix", "Suns"},
        {"Portland", "Trail Blazers"},
        {"Sacramento", "Kings"},
        {"Seattle", "SuperSonics"},
    };
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = names[t - 1][0];
        nba.TeamNames[t] = names[t - 1][1];
    }
    nba.PrinterFontName = "Courier New";
    return nba;
}

// Team numbers of the small league used by name in tests.
enum : int {
    kBoston = 1,
    kNewYork = 4,
    kPhiladelphia = 6,
    kChicago = 10,
    kMinnesota = 19,
    kSanAntonio = 20,
    kUtah = 21,
    kClippers = 24,
    kLakers = 25,
    kPortland = 27
};

// 29 clubs with plain names ("City7", "Team7").
inline NBA MadeUpLeague() {
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = "City" + std::to_string(t);
        nba.TeamNames[t] = "Team" + std::to_string(t);
        // Every club starts well past the early-season blend, with a distinct modest record.
        nba.Wins[t] = 20;
        nba.Losses[t] = 30;
        nba.OffenseAve[t] = 90;
        nba.DefenseAve[t] = 100 + t * 0.5;
    }
    return nba;
}

inline void SetRecord(NBA& nba, int team, int wins, int losses, int ties = 0) {
    nba.Wins[team] = static_cast<int16_t>(wins);
    nba.Losses[team] = static_cast<int16_t>(losses);
    nba.Ties[team] = static_cast<int16_t>(ties);
}

inline void SetAverages(NBA& nba, int team, double offense, double defense) {
    nba.OffenseAve[team] = offense;
    nba.DefenseAve[team] = defense;
}

inline void SetPrevious(NBA& nba, int team, int wins, int losses, double offense, double defense) {
    nba.PrevWins[team] = static_cast<int16_t>(wins);
    nba.PrevLosses[team] = static_cast<int16_t>(losses);
    nba.PrevOffenseAve[team] = offense;
    nba.PrevDefenseAve[team] = defense;
}

}  // namespace tavix::testing
