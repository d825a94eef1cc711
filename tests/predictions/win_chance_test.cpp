#include "predictions/win_chance.h"

#include <gtest/gtest.h>

#include "tests/support/leagues.h"

namespace tavix {
namespace {

// A Pick is an even chance; the favourite's chance grows with every point of margin and stays
// below certainty; the home team's chance mirrors the road favourite's.
TEST(WinChance, FollowsTheMargin) {
    struct Case {
        Favoured favoured;
        float margin;
        double favourite, home;
    } cases[] = {
        {Favoured::None, 0, 0.5, 0.5},
        {Favoured::Home, 12, 0.8413, 0.8413},  // one spread above: the normal curve's 84%
        {Favoured::Road, 12, 0.8413, 0.1587},
        {Favoured::Home, 16, 0.9088, 0.9088},
    };
    for (const Case& c : cases) {
        const Prediction p{c.favoured, c.margin, 0};
        EXPECT_NEAR(FavouriteChance(p), c.favourite, 1e-4) << c.margin;
        EXPECT_NEAR(HomeChance(p), c.home, 1e-4) << c.margin;
    }
    for (double margin = 0; margin < 16; margin += 0.1)
        EXPECT_LT(FavouriteChance(margin), FavouriteChance(margin + 0.1)) << margin;
    EXPECT_LT(FavouriteChance(16.0), 1.0);
}

// The home edge and the neutral site act through the margin, as in the line.
TEST(WinChance, HomeEdgeActsThroughTheMargin) {
    const NBA nba = testing::SmallLeague();
    Ratings r;
    r.PointDiff[testing::kBoston] = 3;
    r.PointDiff[testing::kNewYork] = 3;
    EXPECT_DOUBLE_EQ(HomeWinChance(nba, r, testing::kBoston, testing::kNewYork, true), 0.5);
    EXPECT_DOUBLE_EQ(HomeWinChance(nba, r, testing::kBoston, testing::kNewYork, false), FavouriteChance(2.0));
    r.PointDiff[testing::kBoston] = 4.5;  // within the pick band once the home edge is added
    EXPECT_DOUBLE_EQ(HomeWinChance(nba, r, testing::kBoston, testing::kNewYork, false), 0.5);
}

}  // namespace
}  // namespace tavix
