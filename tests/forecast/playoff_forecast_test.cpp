#include "forecast/playoff_forecast.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace tavix {
namespace {

// Boxes 1..7: East seed 1, East seed 2, West seed 1, West seed 2, East champion, West champion,
// favourite; 0 is an empty box.
using Boxes = std::array<int, kForecastBoxes>;

struct SeedCase {
    const char* name;
    std::vector<std::pair<int, float>> ratings;  // every other team is rated -1
    Boxes boxes;
    int teamCount = kLeagueTeams;
};

// Divisions: Atlantic 1-7, Central 8-15 (East), Midwest 16-22, Pacific 23-29 (West).
const SeedCase kSeedCases[] = {
    {"Normal", {{4, 5}, {11, 3}, {18, 8}, {25, 6}}, {4, 11, 18, 25, 4, 18, 18}},
    {"EqualBestTakesLowerNumber", {{5, 4}, {3, 4}, {9, 2}, {20, 1}, {27, 0.5f}}, {3, 9, 20, 27, 3, 20, 3}},
    {"EqualBestInsideTheOtherDivision",
     {{1, 6}, {12, 3}, {10, 3}, {17, 1}, {24, 1}},
     {1, 10, 17, 24, 1, 17, 1}},
    // Three Atlantic teams above the best Central one: the Central team is still seed 2.
    {"BestCentralIsFourth",
     {{2, 9}, {6, 8}, {1, 7}, {13, 6}, {8, 1}, {16, 2}, {29, 3}},
     {2, 13, 29, 16, 2, 29, 2}},
    {"Boundary7And8", {{7, 5}, {6, 4.5f}, {8, 4}, {16, 1}, {23, 1}}, {7, 8, 16, 23, 7, 16, 7}},
    {"Boundary15And16", {{15, 9}, {16, 9.5f}, {1, 3}, {23, 2}}, {15, 1, 16, 23, 15, 16, 16}},
    {"Boundary22And23", {{22, 6}, {21, 5.5f}, {23, 5}, {1, 1}, {8, 1}}, {1, 8, 22, 23, 1, 22, 22}},
    {"Boundary23And22", {{23, 6}, {24, 5.5f}, {22, 5}, {1, 1}, {8, 1}}, {1, 8, 23, 22, 1, 23, 23}},
    // Equal champions: the West is the favourite; an equal pair sends seed 1 on.
    {"EqualChampionsWestFavourite", {{4, 6}, {9, 1}, {20, 6}, {26, 1}}, {4, 9, 20, 26, 4, 20, 20}},
    {"BetterEastChampion", {{4, 6.5f}, {9, 1}, {20, 6}, {26, 1}}, {4, 9, 20, 26, 4, 20, 4}},
    {"EqualPairSeed1Advances", {{2, 5}, {9, 5}, {17, 3}, {28, 3}}, {2, 9, 17, 28, 2, 17, 2}},
    // Only a team rated above 0 can be a seed.
    {"CentralWithoutPositiveTeam",
     {{1, 3}, {2, 2}, {3, 1}, {10, 0}, {16, 2}, {23, 1}},
     {1, 0, 16, 23, 1, 16, 1}},
    {"EastWithoutPositiveTeam", {{18, 2}, {27, 4}}, {0, 0, 27, 18, 0, 27, 27}},
    {"NobodyAboveZero", {{1, 0}, {16, 0}}, {0, 0, 0, 0, 0, 0, 0}},
    {"FifteenTeamsHaveNoWest", {{2, 3}, {9, 4}, {20, 9}}, {9, 2, 0, 0, 9, 0, 9}, 15},
};

// The seeds keep their ratings: only teams passed over in the search for a seed 2 are zeroed.
TEST(SelectPlayoffTeams, FillsTheBracket) {
    for (const SeedCase& c : kSeedCases) {
        std::array<float, kTeamSlots> ratings{};
        for (int t = 1; t <= kLeagueTeams; ++t) ratings[t] = -1.0f;
        for (auto [team, value] : c.ratings) ratings[team] = value;
        const PlayoffForecast f = SelectPlayoffTeams(ratings, c.teamCount);
        Boxes boxes{};
        for (int box = 1; box <= kForecastBoxes; ++box) boxes[box - 1] = f.BoxTeam(box);
        EXPECT_EQ(boxes, c.boxes) << c.name;
        for (int seed : {f.eastSeed1, f.eastSeed2, f.westSeed1, f.westSeed2})
            EXPECT_EQ(f.ForecastRatings[seed], seed ? ratings[seed] : 0.0f) << c.name << " team " << seed;
    }
}

NBA EvenLeague() {
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = "City" + std::to_string(t);
        nba.Wins[t] = nba.Losses[t] = 20;
        nba.OffenseAve[t] = nba.PrevOffenseAve[t] = 90;
        nba.DefenseAve[t] = nba.PrevDefenseAve[t] = 91;
    }
    return nba;
}

// The forecast rates the season the ratings window shows, and early in a season blends the first
// games with last season: five games at 100-104 and last season's 110-100 make +3.
TEST(ForecastPlayoffs, RatesTheShownSeasonAndBlendsTheFirstGames) {
    NBA nba = EvenLeague();
    nba.OffenseAve[3] = 100;
    nba.PrevOffenseAve[5] = 99;
    EXPECT_EQ(ForecastPlayoffs(nba, SeasonView::Current).eastSeed1, 3);
    EXPECT_EQ(ForecastPlayoffs(nba, SeasonView::Previous).eastSeed1, 5);

    nba = EvenLeague();
    nba.Wins[2] = 2;
    nba.Losses[2] = 3;
    nba.OffenseAve[2] = 100;
    nba.DefenseAve[2] = 104;
    nba.PrevOffenseAve[2] = 110;
    nba.PrevDefenseAve[2] = 100;
    nba.OffenseAve[9] = 93;
    const PlayoffForecast f = ForecastPlayoffs(nba, SeasonView::Current);
    EXPECT_EQ(f.eastSeed1, 2);
    EXPECT_EQ(f.eastSeed2, 9);
    EXPECT_EQ(f.ForecastRatings[2], 3.0f);
}

TEST(BoxTexts, PutTheCityOnTheSecondLineOrLeaveTheBoxEmpty) {
    NBA nba = EvenLeague();
    nba.CityNames[26] = "L. A.";
    EXPECT_EQ(BoxText(nba, 26), "\r\nL. A.");
    EXPECT_EQ(BoxText(nba, 0), "");
    std::array<float, kTeamSlots> r{};
    r[26] = 2;
    r[17] = 1;
    const std::array<std::string, kForecastBoxes> expected{"", "", "L. A.", "City17", "", "L. A.", "L. A."};
    EXPECT_EQ(ForecastLines(nba, SelectPlayoffTeams(r, kLeagueTeams)), expected);
}

}  // namespace
}  // namespace tavix
