#include "predictions/ratings.h"

#include <gtest/gtest.h>

#include "tests/predictions/small_league.h"

namespace tavix {
namespace {

struct TeamRecord {
    int wins, losses, ties;
    double offense, defense;
    int prevWins, prevLosses;
    double prevOffense, prevDefense;
};

struct RatingsCase {
    const char* name;
    SeasonView view;
    TeamRecord team;
    float winPct, seasonOffense, seasonDefense, pointDiff;
};

class RatingsTest : public ::testing::TestWithParam<RatingsCase> {};

TEST_P(RatingsTest, DerivesTheFourFiguresOfOneTeam) {
    const RatingsCase& c = GetParam();
    NBA nba = testing::SmallLeague();
    const int t = 12;
    nba.Wins[t] = c.team.wins;
    nba.Losses[t] = c.team.losses;
    nba.Ties[t] = c.team.ties;
    nba.OffenseAve[t] = c.team.offense;
    nba.DefenseAve[t] = c.team.defense;
    nba.PrevWins[t] = c.team.prevWins;
    nba.PrevLosses[t] = c.team.prevLosses;
    nba.PrevOffenseAve[t] = c.team.prevOffense;
    nba.PrevDefenseAve[t] = c.team.prevDefense;

    ComputeRatings(nba, c.view);

    EXPECT_FLOAT_EQ(nba.WinPct[t], c.winPct);
    EXPECT_FLOAT_EQ(nba.SeasonOffense[t], c.seasonOffense);
    EXPECT_FLOAT_EQ(nba.SeasonDefense[t], c.seasonDefense);
    EXPECT_FLOAT_EQ(nba.PointDiff[t], c.pointDiff);
}

constexpr auto kCur = SeasonView::Current;
constexpr auto kPrev = SeasonView::Previous;

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, RatingsTest,
    ::testing::Values(
        // Straight after the new-season roll-over: nothing played, current averages still 0.
        RatingsCase{"NoGamesYetHalvesLastSeason", kCur, {0, 0, 0, 0, 0, 40, 42, 104, 98}, 0, 0, 0, 3},
        RatingsCase{"FiveGamesBlendBothWays", kCur, {3, 2, 0, 100, 104, 50, 32, 110, 100}, 0.6f, 100, 104, 3},
        RatingsCase{"CurrentAboveLastSeason", kCur, {3, 2, 0, 112, 96, 50, 32, 100, 100}, 0.6f, 112, 96, 8},
        RatingsCase{"ElevenGamesStillBlended", kCur, {6, 5, 0, 100, 90, 0, 0, 90, 90}, 6.0f / 11, 100, 90, 5},
        RatingsCase{"TiesDoNotCountAsGames", kCur, {6, 5, 3, 100, 90, 0, 0, 90, 90}, 6.0f / 11, 100, 90, 5},
        RatingsCase{"TwelveGamesUnblended", kCur, {6, 6, 0, 100, 90, 0, 0, 90, 90}, 0.5f, 100, 90, 10},
        RatingsCase{"EqualAveragesUnchanged",
                    kCur,
                    {1, 1, 0, 101.5, 99.5, 0, 0, 101.5, 99.5},
                    0.5f,
                    101.5f,
                    99.5f,
                    2},
        RatingsCase{"WinlessTeam", kCur, {0, 5, 0, 90, 100, 0, 0, 90, 100}, 0, 90, 100, -10},
        RatingsCase{
            "PreviousViewNoWinsButLosses", kPrev, {20, 10, 0, 100, 90, 0, 82, 88, 104}, 0, 88, 104, -16},
        RatingsCase{"PreviousViewUnbeaten", kPrev, {20, 10, 0, 100, 90, 82, 0, 112, 95}, 1, 112, 95, 17},
        // Previous view: no blending even when the current season has hardly started.
        RatingsCase{
            "PreviousViewIgnoresEarlySeason", kPrev, {1, 1, 0, 120, 80, 41, 41, 100, 99}, 0.5f, 100, 99, 1}),
    [](const ::testing::TestParamInfo<RatingsCase>& info) { return std::string(info.param.name); });

TEST(Ratings, LeavesSlotsWithoutATeamAtZero) {
    NBA nba = testing::SmallLeague();
    for (int slot : {0, 30, 31, 32}) {
        nba.Wins[slot] = 10;
        nba.OffenseAve[slot] = 100;
        nba.PrevOffenseAve[slot] = 100;
    }
    ComputeRatings(nba, SeasonView::Previous);
    for (int slot : {0, 30, 31, 32}) {
        EXPECT_EQ(nba.WinPct[slot], 0) << slot;
        EXPECT_EQ(nba.SeasonOffense[slot], 0) << slot;
        EXPECT_EQ(nba.PointDiff[slot], 0) << slot;
    }
}

TEST(Ratings, CurrentViewReplacesWhatThePreviousViewLeft) {
    NBA nba = testing::SmallLeague();
    nba.Wins[1] = 30;
    nba.Losses[1] = 10;
    nba.OffenseAve[1] = 105;
    nba.DefenseAve[1] = 95;
    nba.PrevWins[1] = 10;
    nba.PrevLosses[1] = 30;
    nba.PrevOffenseAve[1] = 90;
    nba.PrevDefenseAve[1] = 99;

    ComputeRatings(nba, SeasonView::Previous);
    EXPECT_FLOAT_EQ(nba.PointDiff[1], -9);
    EXPECT_FLOAT_EQ(nba.WinPct[1], 0.25f);

    ComputeRatings(nba, SeasonView::Current);
    EXPECT_FLOAT_EQ(nba.PointDiff[1], 10);
    EXPECT_FLOAT_EQ(nba.WinPct[1], 0.75f);
    EXPECT_FLOAT_EQ(nba.SeasonOffense[1], 105);
}

TEST(Ratings, FiguresAreTheSingleRoundingOfTheDoubleResult) {
    NBA nba = testing::SmallLeague();
    nba.Wins[3] = 20;
    nba.Losses[3] = 20;
    nba.OffenseAve[3] = 101.23456789;
    nba.DefenseAve[3] = 99.87654321;
    nba.Wins[4] = 1;
    nba.Losses[4] = 2;
    ComputeRatings(nba, SeasonView::Current);
    EXPECT_EQ(nba.PointDiff[3], static_cast<float>(101.23456789 - 99.87654321));
    EXPECT_EQ(nba.SeasonOffense[3], static_cast<float>(101.23456789));
    EXPECT_EQ(nba.WinPct[4], static_cast<float>(1.0 / 3.0));
}

TEST(Ratings, BlendRoundsTheDifferenceToSingleBeforeHalving) {
    // Mirror-image seasons would blend to exactly even in double arithmetic; rounding each
    // difference to single first leaves a hair below zero, which the lists show as "-0.0".
    NBA nba = testing::SmallLeague();
    nba.Wins[5] = 1;
    nba.PrevOffenseAve[5] = 100.1;
    nba.OffenseAve[5] = 100.0;
    nba.PrevDefenseAve[5] = 100.0;
    nba.DefenseAve[5] = 100.1;
    ComputeRatings(nba, SeasonView::Current);
    const double offense = 100.1 - static_cast<float>(100.1 - 100.0) / 2.0;
    const double defense = 100.0 + static_cast<float>(100.1 - 100.0) / 2.0;
    EXPECT_EQ(nba.PointDiff[5], static_cast<float>(offense - defense));
    EXPECT_LT(nba.PointDiff[5], 0.0f);
}

}  // namespace
}  // namespace tavix
