#pragma once
// The season's odds: the games still to play simulated many times, each with its own chance, then
// the play-offs of that season, counting for each team how often it made the play-offs, won its
// conference and won the title. Ratings stay as they are within a simulation.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/league.h"

namespace tavix {

struct GameToPlay {
    int road = 0, home = 0;
    double homeChance = 0.5;  // worked out once per game, not per simulation
};

using TeamTable = std::array<std::array<uint8_t, kTeamSlots>, kTeamSlots>;
using ChanceTable = std::array<std::array<double, kTeamSlots>, kTeamSlots>;

// The league on one evening, teams 1..29 in their conferences and divisions by number.
struct SeasonStanding {
    std::array<int, kTeamSlots> wins{}, losses{};
    TeamTable headToHead{};  // [a][b]: games team a has won against team b so far
    std::vector<GameToPlay> toPlay;
    ChanceTable playoffHomeChance{};  // [home][road]: the home team's chance in a play-off game
};

struct SeasonOdds;

// A running simulation can be stopped, and tells how far it has come.
struct SimulationControl {
    const std::atomic<bool>* cancel = nullptr;  // set from anywhere to stop soon
    std::atomic<long>* done = nullptr;          // simulations finished so far are added here
    unsigned threads = 0;                       // 0: every core
    // Called with each day's odds as soon as they are finished (on the simulating thread).
    std::function<void(const SeasonOdds&)> dayDone;
};

struct SeasonOdds {
    long simulations = 0;
    bool cancelled = false;  // the counts are then incomplete and mean nothing
    std::array<long, kTeamSlots> playoffs{}, conference{}, title{};

    double Playoffs(int team) const { return Share(playoffs, team); }
    double Conference(int team) const { return Share(conference, team); }
    double Title(int team) const { return Share(title, team); }

  private:
    double Share(const std::array<long, kTeamSlots>& counts, int team) const {
        return simulations == 0 ? 0 : static_cast<double>(counts[static_cast<size_t>(team)]) / simulations;
    }
};

// The same standing, count and seed always give the same odds, however many threads run.
SeasonOdds SimulateSeasonOdds(const SeasonStanding& standing, long simulations, uint64_t seed,
                              const SimulationControl& control = {});

// The odds on the morning of each of `dayCount` game days; `morningOf(day)` gives that morning's
// standing and is called on the calling thread, one day after another. Stops early, with the days
// finished so far, when cancelled; `control.done` counts the simulations of all days.
std::vector<SeasonOdds> OddsThroughSeason(size_t dayCount,
                                          const std::function<SeasonStanding(size_t)>& morningOf,
                                          long simulations, uint64_t seed,
                                          const SimulationControl& control = {});

// The eight clubs of a conference as its play-offs seed them, by the standing's records as they
// are: the two division winners first, then the other six by record. Ties in record go to the
// games between the tied clubs, then to the conference record, then to lot (drawn from `lot`).
std::array<int, 8> PlayoffSeeds(const SeasonStanding& standing, Conference conference, uint64_t lot);

}  // namespace tavix
