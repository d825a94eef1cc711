#pragma once
// Small made-up leagues for the statistics tests: 29 clubs with plain names, records set one by one.

#include <string>

#include "core/league.h"

namespace tavix::testing {

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

inline std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

}  // namespace tavix::testing
