#include "forecast/playoff_forecast.h"

#include <algorithm>

#include "predictions/ratings.h"

namespace tavix {
namespace {

// The highest-rated team of first..last above zero, the lowest number among equals: a team
// replaces the running best only when strictly better, and the running best starts at 0.
int BestOf(const std::array<float, kTeamSlots>& ratings, int first, int last, int skip) {
    float best = 0;
    int bestTeam = 0;
    for (int t = first; t <= last; ++t) {
        if (t == skip) continue;
        if (ratings[t] > best) {
            best = ratings[t];
            bestTeam = t;
        }
    }
    return bestTeam;
}

// Seed 1 is the best of the conference, seed 2 the best of its other division: leaders found
// in seed 1's own division are zeroed and the search repeats. Every repeat zeroes one team rated
// above 0, so the loop ends, at the latest with no seed 2 when the other division has nobody
// rated above 0.
void SeedConference(std::array<float, kTeamSlots>& ratings, int first, int last, int& seed1, int& seed2) {
    seed1 = BestOf(ratings, first, last, 0);
    seed2 = 0;
    if (seed1 == 0) return;
    for (;;) {
        const int found = BestOf(ratings, first, last, seed1);
        if (found == 0 || DivisionOf(found) != DivisionOf(seed1)) {
            seed2 = found;
            return;
        }
        ratings[found] = 0;
    }
}

}  // namespace

int PlayoffForecast::BoxTeam(int box) const {
    switch (box) {
        case kEastSeed1Box:
            return eastSeed1;
        case kEastSeed2Box:
            return eastSeed2;
        case kWestSeed1Box:
            return westSeed1;
        case kWestSeed2Box:
            return westSeed2;
        case kEastChampionBox:
            return eastChampion;
        case kWestChampionBox:
            return westChampion;
        case kFavouriteBox:
            return favourite;
        default:
            return 0;
    }
}

PlayoffForecast SelectPlayoffTeams(const std::array<float, kTeamSlots>& pointDiff, int teamCount) {
    PlayoffForecast f;
    const int teams = std::clamp(teamCount, 0, kLeagueTeams);
    for (int t = 1; t <= teams; ++t) f.ForecastRatings[t] = pointDiff[t];

    SeedConference(f.ForecastRatings, 1, std::min(teams, 15), f.eastSeed1, f.eastSeed2);
    SeedConference(f.ForecastRatings, 16, teams, f.westSeed1, f.westSeed2);

    // Slot 0 stays 0, so a missing seed or champion loses every comparison with a real one
    // (whose rating is above 0), and two missing ones give no team.
    const auto& r = f.ForecastRatings;
    f.eastChampion = r[f.eastSeed1] >= r[f.eastSeed2] ? f.eastSeed1 : f.eastSeed2;
    f.westChampion = r[f.westSeed1] >= r[f.westSeed2] ? f.westSeed1 : f.westSeed2;
    // Equal champions: the West is the favourite.
    f.favourite = r[f.eastChampion] > r[f.westChampion] ? f.eastChampion : f.westChampion;
    return f;
}

PlayoffForecast ForecastPlayoffs(const NBA& nba, SeasonView view) {
    return SelectPlayoffTeams(ComputeRatings(nba, view).PointDiff, nba.TeamCount);
}

std::string BoxText(const NBA& nba, int team) {
    if (team < 1 || team >= kNameSlots) return std::string();
    return "\r\n" + nba.CityNames[team];
}

std::array<std::string, kForecastBoxes> ForecastLines(const NBA& nba, const PlayoffForecast& forecast) {
    std::array<std::string, kForecastBoxes> lines;
    for (int box = 1; box <= kForecastBoxes; ++box) {
        const int team = forecast.BoxTeam(box);
        if (team > 0) lines[box - 1] = nba.CityNames[team];
    }
    return lines;
}

}  // namespace tavix
