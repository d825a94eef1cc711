#include "forecast/playoff_forecast.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>
#include <vector>

namespace tavix {
namespace {

// Boxes 1..7: East seed 1, East seed 2, West seed 1, West seed 2, East champion, West champion,
// favourite; 0 is an empty box.
using Boxes = std::array<int, kForecastBoxes>;

struct SeedCase {
    const char* name;
    std::vector<std::pair<int, float>> ratings;  // every other team is rated exactly 0
    Boxes boxes;
    int teamCount = kLeagueTeams;
};

// A small league with every team just below zero except the ones the case names.
std::array<float, kTeamSlots> Ratings(const SeedCase& c) {
    std::array<float, kTeamSlots> r{};
    for (int t = 1; t <= kLeagueTeams; ++t) r[t] = -1.0f;
    for (auto [team, value] : c.ratings) r[team] = value;
    return r;
}

Boxes BoxesOf(const PlayoffForecast& f) {
    Boxes b{};
    for (int box = 1; box <= kForecastBoxes; ++box) b[box - 1] = f.BoxTeam(box);
    return b;
}

class SeedRules : public ::testing::TestWithParam<SeedCase> {};

TEST_P(SeedRules, FillsTheBracket) {
    const SeedCase& c = GetParam();
    PlayoffForecast f = SelectPlayoffTeams(Ratings(c), c.teamCount);
    EXPECT_EQ(BoxesOf(f), c.boxes);
    // The seeds keep their ratings: only teams passed over in the search for a seed 2 are zeroed.
    for (int seed : {f.eastSeed1, f.eastSeed2, f.westSeed1, f.westSeed2})
        if (seed > 0) {
            EXPECT_EQ(f.ForecastRatings[seed], Ratings(c)[seed]) << "team " << seed;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Bracket, SeedRules,
    ::testing::Values(
        // A normal league: one leader per division, the stronger of each pair advances.
        SeedCase{"Normal", {{4, 5}, {11, 3}, {18, 8}, {25, 6}}, {4, 11, 18, 25, 4, 18, 18}},
        // Equal best ratings in one conference: the lower team number is seed 1.
        SeedCase{"EqualBestTakesLowerNumber",
                 {{5, 4}, {3, 4}, {9, 2}, {20, 1}, {27, 0.5f}},
                 {3, 9, 20, 27, 3, 20, 3}},
        SeedCase{"EqualBestInsideTheOtherDivision",
                 {{1, 6}, {12, 3}, {10, 3}, {17, 1}, {24, 1}},
                 {1, 10, 17, 24, 1, 17, 1}},
        // Three Atlantic teams above the best Central one: the Central team is seed 2 and the
        // second and third Atlantic teams appear nowhere.
        SeedCase{"BestCentralIsFourth",
                 {{2, 9}, {6, 8}, {1, 7}, {13, 6}, {8, 1}, {16, 2}, {29, 3}},
                 {2, 13, 29, 16, 2, 29, 2}},
        // The same with the strong division in the West.
        SeedCase{"BestMidwestIsFourth",
                 {{23, 9}, {24, 8}, {29, 7}, {22, 6}, {2, 1}, {15, 1}},
                 {2, 15, 23, 22, 2, 23, 23}},
        // Division boundaries: 7 Atlantic, 8 Central.
        SeedCase{"Boundary7And8", {{7, 5}, {6, 4.5f}, {8, 4}, {16, 1}, {23, 1}}, {7, 8, 16, 23, 7, 16, 7}},
        SeedCase{"Boundary8And7", {{8, 5}, {9, 4.5f}, {7, 4}, {16, 1}, {23, 1}}, {8, 7, 16, 23, 8, 16, 8}},
        // 15 is Central (East), 16 Midwest (West).
        SeedCase{"Boundary15And16", {{15, 9}, {16, 9.5f}, {1, 3}, {23, 2}}, {15, 1, 16, 23, 15, 16, 16}},
        // 22 Midwest, 23 Pacific.
        SeedCase{
            "Boundary22And23", {{22, 6}, {21, 5.5f}, {23, 5}, {1, 1}, {8, 1}}, {1, 8, 22, 23, 1, 22, 22}},
        SeedCase{
            "Boundary23And22", {{23, 6}, {24, 5.5f}, {22, 5}, {1, 1}, {8, 1}}, {1, 8, 23, 22, 1, 23, 23}},
        // Equal champions: the West is the favourite; a strictly better East champion wins.
        SeedCase{
            "EqualChampionsWestFavourite", {{4, 6}, {9, 1}, {20, 6}, {26, 1}}, {4, 9, 20, 26, 4, 20, 20}},
        SeedCase{"BetterEastChampion", {{4, 6.5f}, {9, 1}, {20, 6}, {26, 1}}, {4, 9, 20, 26, 4, 20, 4}},
        // An equal pair: seed 1 advances.
        SeedCase{"EqualPairSeed1Advances", {{2, 5}, {9, 5}, {17, 3}, {28, 3}}, {2, 9, 17, 28, 2, 17, 2}},
        SeedCase{"EqualPairSeed1AdvancesWest", {{25, 5}, {16, 5}, {1, 3}, {8, 3}}, {1, 8, 16, 25, 1, 16, 16}},
        // Only teams rated above 0 can be seeds: a division with nobody above 0 leaves its box
        // empty and the conference's seed 1 advances alone.
        SeedCase{"CentralWithoutPositiveTeam",
                 {{1, 3}, {2, 2}, {3, 1}, {10, 0}, {16, 2}, {23, 1}},
                 {1, 0, 16, 23, 1, 16, 1}},
        SeedCase{"PacificWithoutPositiveTeam",
                 {{16, 3}, {17, 2}, {22, 1}, {5, 1}, {12, 1}},
                 {5, 12, 16, 0, 5, 16, 16}},
        // No East team above 0: no East seeds, no East champion, the West champion is favourite.
        SeedCase{"EastWithoutPositiveTeam", {{18, 2}, {27, 4}}, {0, 0, 27, 18, 0, 27, 27}},
        SeedCase{"WestWithoutPositiveTeam", {{3, 0.1f}, {14, 0.2f}}, {14, 3, 0, 0, 14, 0, 14}},
        SeedCase{"NobodyAboveZero", {{1, 0}, {16, 0}}, {0, 0, 0, 0, 0, 0, 0}},
        // A league of 15 teams has no Western Conference.
        SeedCase{"OnlyTheEast", {{2, 3}, {9, 4}, {20, 9}}, {9, 2, 0, 0, 9, 0, 9}, 15}),
    [](const ::testing::TestParamInfo<SeedCase>& info) { return std::string(info.param.name); });

NBA LeagueWithCities() {
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = "City" + std::to_string(t);
        nba.Wins[t] = 20;
        nba.Losses[t] = 20;
        nba.OffenseAve[t] = 90;
        nba.DefenseAve[t] = 91;
        nba.PrevOffenseAve[t] = 90;
        nba.PrevDefenseAve[t] = 91;
    }
    return nba;
}

TEST(ForecastPlayoffs, RatesTheSeasonTheRatingsWindowShows) {
    NBA nba = LeagueWithCities();
    nba.OffenseAve[3] = 100;     // best East team this season
    nba.PrevOffenseAve[5] = 99;  // best East team last season
    nba.OffenseAve[12] = 92;
    nba.PrevOffenseAve[12] = 92;
    nba.OffenseAve[20] = 95;
    nba.PrevOffenseAve[26] = 95;
    nba.OffenseAve[26] = 92;
    nba.PrevOffenseAve[20] = 92;

    PlayoffForecast current = ForecastPlayoffs(nba, SeasonView::Current);
    EXPECT_EQ(current.eastSeed1, 3);
    EXPECT_EQ(current.westSeed1, 20);
    PlayoffForecast previous = ForecastPlayoffs(nba, SeasonView::Previous);
    EXPECT_EQ(previous.eastSeed1, 5);
    EXPECT_EQ(previous.westSeed1, 26);
    EXPECT_EQ(previous.favourite, 5);
}

TEST(ForecastPlayoffs, BlendsTheFirstGamesWithThePreviousSeason) {
    NBA nba = LeagueWithCities();
    // Five games in: 100-104 this season, 110-100 last season blend to +3; team 9's +2 stands.
    nba.Wins[2] = 2;
    nba.Losses[2] = 3;
    nba.OffenseAve[2] = 100;
    nba.DefenseAve[2] = 104;
    nba.PrevOffenseAve[2] = 110;
    nba.PrevDefenseAve[2] = 100;
    nba.OffenseAve[9] = 93;
    PlayoffForecast f = ForecastPlayoffs(nba, SeasonView::Current);
    EXPECT_EQ(f.eastSeed1, 2);
    EXPECT_EQ(f.eastSeed2, 9);
    EXPECT_EQ(f.ForecastRatings[2], 3.0f);
}

TEST(BoxTexts, PutTheCityOnTheSecondLineOrLeaveTheBoxEmpty) {
    NBA nba = LeagueWithCities();
    nba.CityNames[26] = "L. A.";
    nba.CityNames[27] = "L.A.";
    EXPECT_EQ(BoxText(nba, 26), "\r\nL. A.");
    EXPECT_EQ(BoxText(nba, 27), "\r\nL.A.");
    EXPECT_EQ(BoxText(nba, 0), "");

    std::array<float, kTeamSlots> r{};
    r[26] = 2;
    r[17] = 1;
    PlayoffForecast f = SelectPlayoffTeams(r, kLeagueTeams);
    std::array<std::string, kForecastBoxes> expected{"", "", "L. A.", "City17", "", "L. A.", "L. A."};
    EXPECT_EQ(ForecastLines(nba, f), expected);
}

}  // namespace
}  // namespace tavix
