#include "predictions/ratings.h"

#include <gtest/gtest.h>

#include "tests/support/leagues.h"

namespace tavix {
namespace {

constexpr int kTeam = 12;

NBA WithRecord(int wins, int losses, int ties, double offense, double defense, int prevWins, int prevLosses,
               double prevOffense, double prevDefense) {
    NBA nba = testing::SmallLeague();
    testing::SetRecord(nba, kTeam, wins, losses, ties);
    testing::SetAverages(nba, kTeam, offense, defense);
    testing::SetPrevious(nba, kTeam, prevWins, prevLosses, prevOffense, prevDefense);
    return nba;
}

TEST(Ratings, DerivesTheFourFiguresOfOneTeam) {
    constexpr auto kCur = SeasonView::Current, kPrev = SeasonView::Previous;
    const struct {
        SeasonView view;
        int w, l, t;
        double off, def;
        int pw, pl;
        double poff, pdef;
        float winPct, offense, defense, diff;
    } cases[] = {
        {kCur, 0, 0, 0, 0, 0, 40, 42, 104, 98, 0, 0, 0, 3},  // nothing played yet: last season halved
        {kCur, 3, 2, 0, 100, 104, 50, 32, 110, 100, 0.6f, 100, 104, 3},  // blended both ways
        {kCur, 3, 2, 0, 112, 96, 50, 32, 100, 100, 0.6f, 112, 96, 8},
        {kCur, 6, 5, 0, 100, 90, 0, 0, 90, 90, 6.0f / 11, 100, 90, 5},  // eleven games still blended
        {kCur, 6, 5, 3, 100, 90, 0, 0, 90, 90, 6.0f / 11, 100, 90, 5},  // ties are not games
        {kCur, 6, 6, 0, 100, 90, 0, 0, 90, 90, 0.5f, 100, 90, 10},      // twelve games unblended
        {kCur, 0, 5, 0, 90, 100, 0, 0, 90, 100, 0, 90, 100, -10},
        {kPrev, 20, 10, 0, 100, 90, 0, 82, 88, 104, 0, 88, 104, -16},
        {kPrev, 20, 10, 0, 100, 90, 82, 0, 112, 95, 1, 112, 95, 17},
        {kPrev, 1, 1, 0, 120, 80, 41, 41, 100, 99, 0.5f, 100, 99, 1}};  // no blending in the previous view
    for (const auto& c : cases) {
        NBA nba = WithRecord(c.w, c.l, c.t, c.off, c.def, c.pw, c.pl, c.poff, c.pdef);
        const Ratings r = ComputeRatings(nba, c.view);
        SCOPED_TRACE(::testing::Message()
                     << c.w << "-" << c.l << "-" << c.t << " prev " << c.pw << "-" << c.pl);
        EXPECT_FLOAT_EQ(r.WinPct[kTeam], c.winPct);
        EXPECT_FLOAT_EQ(r.SeasonOffense[kTeam], c.offense);
        EXPECT_FLOAT_EQ(r.SeasonDefense[kTeam], c.defense);
        EXPECT_FLOAT_EQ(r.PointDiff[kTeam], c.diff);
    }
}

TEST(Ratings, SlotsWithoutATeamStayZeroAndFiguresAreTheSingleRoundingOfTheDoubleResult) {
    NBA nba = WithRecord(20, 20, 0, 101.23456789, 99.87654321, 0, 0, 0, 0);
    nba.Wins[4] = 1;
    nba.Losses[4] = 2;
    for (int slot : {0, 30, 31, 32})
        nba.Wins[slot] = 10, nba.OffenseAve[slot] = nba.PrevOffenseAve[slot] = 100;
    for (SeasonView view : {SeasonView::Current, SeasonView::Previous}) {
        const Ratings r = ComputeRatings(nba, view);
        for (int slot : {0, 30, 31, 32})
            EXPECT_EQ(r.WinPct[slot] + r.SeasonOffense[slot] + r.PointDiff[slot], 0);
    }
    Ratings r = ComputeRatings(nba, SeasonView::Current);
    EXPECT_EQ(r.PointDiff[kTeam], static_cast<float>(101.23456789 - 99.87654321));
    EXPECT_EQ(r.WinPct[4], static_cast<float>(1.0 / 3.0));
    // Mirror-image seasons would blend to exactly even in double arithmetic; rounding each
    // difference to single first leaves a hair below zero, which the lists show as "-0.0".
    r = ComputeRatings(WithRecord(1, 0, 0, 100.0, 100.1, 0, 0, 100.1, 100.0), SeasonView::Current);
    const double offense = 100.1 - static_cast<float>(100.1 - 100.0) / 2.0;
    const double defense = 100.0 + static_cast<float>(100.1 - 100.0) / 2.0;
    EXPECT_EQ(r.PointDiff[kTeam], static_cast<float>(offense - defense));
    EXPECT_LT(r.PointDiff[kTeam], 0.0f);
}

}  // namespace
}  // namespace tavix
