#pragma once
// A league of the 1998-99 names in team-number order, for tests that must not depend on the
// supplied data files. Statistics start at zero; each test sets what it needs.

#include <string>

#include "core/league.h"

namespace tavix::testing {

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

}  // namespace tavix::testing
