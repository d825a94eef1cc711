#pragma once
// The play-off forecast: the leader of each division by strength rating, the stronger leader of
// each conference as its champion, and the stronger champion as the favourite for the title.

#include <array>
#include <string>

#include "core/league.h"

namespace tavix {

// The bracket's seven boxes, numbered as the forecast window numbers them.
enum ForecastBox {
    kEastSeed1Box = 1,
    kEastSeed2Box = 2,
    kWestSeed1Box = 3,
    kWestSeed2Box = 4,
    kEastChampionBox = 5,
    kWestChampionBox = 6,
    kFavouriteBox = 7,
};
constexpr int kForecastBoxes = 7;

// Team numbers 1..29, or 0 where no team qualifies: only a team rated above 0 can be a seed.
// A conference whose seed 2 is missing sends seed 1 on alone; a conference with no seed at
// all has no champion, and the other conference's champion is then the favourite.
struct PlayoffForecast {
    // The working copy of the ratings; the search for a seed 2 zeroes teams it passes over.
    std::array<float, kTeamSlots> ForecastRatings{};
    int eastSeed1 = 0, eastSeed2 = 0, westSeed1 = 0, westSeed2 = 0;
    int eastChampion = 0, westChampion = 0, favourite = 0;

    // The team shown in box 1..7 (0 for an empty box or a box number out of range).
    int BoxTeam(int box) const;
};

// Runs the selection on the strength ratings of teams 1..teamCount (slots above 29 hold no team).
PlayoffForecast SelectPlayoffTeams(const std::array<float, kTeamSlots>& pointDiff, int teamCount);

// Computes the ratings for the season the ratings window shows, then selects.
PlayoffForecast ForecastPlayoffs(const NBA& nba, SeasonView view);

// A box's text: the city on the second line ("\r\n" + city), or nothing for an empty box.
std::string BoxText(const NBA& nba, int team);

// One line per box 1..7 for a plain-text listing: the city, or an empty line.
std::array<std::string, kForecastBoxes> ForecastLines(const NBA& nba, const PlayoffForecast& forecast);

}  // namespace tavix
