#include "predictions/prediction_rule.h"

#include <gtest/gtest.h>

#include "tests/support/leagues.h"

namespace tavix {
namespace {

using testing::kBoston;
using testing::kNewYork;

// Text of the 1-based columns from..to (to included), or up to the end.
std::string Cols(const std::string& line, size_t from, size_t to = std::string::npos) {
    if (line.size() < from) return "";
    return line.substr(from - 1, to == std::string::npos ? std::string::npos : to - from + 1);
}

// Boston's and New York's strength ratings set directly, as ComputeRatings could give them.
Ratings Rated(float roadDiff, float homeDiff) {
    Ratings r;
    r.PointDiff[kBoston] = roadDiff;
    r.PointDiff[kNewYork] = homeDiff;
    return r;
}

// Boston at New York: the previous season's averages make the total 199 while team 1 has played
// fewer than 10 games.
NBA BostonAtNewYork() {
    NBA nba = testing::SmallLeague();
    for (int t : {kBoston, kNewYork}) {
        nba.PrevOffenseAve[t] = 100;
        nba.PrevDefenseAve[t] = 99.6;
    }
    return nba;
}

TEST(PredictionLine, WorkedExamples) {
    struct Case {
        float road, home;
        int total1Games;  // games of team 1; 20 or more uses the current averages
        std::string expected;
    } cases[] = {
        {6.0f, 1.0f, 0, "Boston Celtics           at New York Knicks          Celtics       by   3.0   199"},
        {3.0f, 1.5f, 0, "Boston Celtics           at New York Knicks          --  Pick                 199"},
        {-8.0f, 7.5f, 25,
         "Boston Celtics           at New York Knicks          Knicks        by  16.0   186"},
    };
    for (const auto& c : cases) {
        NBA nba = BostonAtNewYork();
        nba.Wins[1] = static_cast<int16_t>(c.total1Games);
        for (int t : {kBoston, kNewYork}) {
            nba.OffenseAve[t] = 95;
            nba.DefenseAve[t] = 91;
        }
        const std::string line = FormatPredictionLine(nba, Rated(c.road, c.home), kBoston, kNewYork, false,
                                                      TotalPrecision::Single);
        EXPECT_EQ(line, c.expected);
        EXPECT_EQ(line.size(), 81u);
    }
}

TEST(PredictionLine, PickAndMarginInColumns54To78) {
    const struct {
        float road, home;
        bool neutral;
        std::string from54;
    } cases[] = {{4.0f, 1.0f, false, "--  Pick                 "},  // exactly one apart
                 {4.5f, 1.0f, false, "Celtics       by   1.5   "},
                 {0.0f, -1.0f, false, "--  Pick                 "},
                 // Home rated 1.5 below: the edge puts it 0.5 above, a Pick; at a neutral site the road wins.
                 {1.5f, 0.0f, false, "--  Pick                 "},
                 {1.5f, 0.0f, true, "Celtics       by   1.5   "},
                 {2.0f, 2.0f, true, "--  Pick                 "},
                 {-3.0f, 1.2f, false, "Knicks        by   6.2   "},
                 {18.0f, 0.0f, false, "Celtics       by  16.0   "},
                 {18.1f, 0.0f, false, "Celtics       by  16.0   "},
                 {-30.0f, 30.0f, false, "Knicks        by  16.0   "},
                 // Below 10 it gets the extra space, then rounds up to four characters: columns 72-76.
                 {11.96f, 0.0f, false, "Celtics       by   10.0  "},
                 {12.0f, 0.0f, false, "Celtics       by  10.0   "},
                 // 0.1f + 1.0f is exactly 1.1f in single precision, so this is within the band.
                 {1.1f, 0.1f, true, "--  Pick                 "}};
    for (const auto& c : cases) {
        const std::string line = FormatPredictionLine(BostonAtNewYork(), Rated(c.road, c.home), kBoston,
                                                      kNewYork, c.neutral, TotalPrecision::Double);
        EXPECT_EQ(Cols(line, 54, 78), c.from54) << line;
        EXPECT_EQ(Cols(line, 25, 28), c.neutral ? " vs " : " at ");
    }
}

// The game is Philadelphia at Chicago; only team 1's record says how far the season is.
TEST(PredictionLine, OverUnderFollowsTheGamesOfTeamOne) {
    constexpr auto kSingle = TotalPrecision::Single, kDouble = TotalPrecision::Double;
    const struct {
        int wins1, losses1, ties1;
        double off[2], def[2];  // current averages of road and home
        TotalPrecision precision;
        const char* total;
    } cases[] = {
        {5, 4, 0, {110, 110}, {110, 110}, kSingle, "199"},  // nine games: the previous total, 199.2, rounded
                                                            // down
        {5, 4, 7, {110, 110}, {110, 110}, kSingle, "199"},  // ties of team 1 do not count
        {6, 4, 0, {110, 110}, {110, 110}, kSingle, "209"},  // from ten games (199.2 + 220) / 2, rounded down
        {10, 9, 0, {110, 110}, {110, 110}, kDouble, "209"},
        {12, 8, 0, {110.5, 110}, {110, 90.7}, kSingle, "211"},     // from 20 games the current total, rounded
        {12, 8, 0, {101.7, 96.7}, {97.3, 103.3}, kDouble, "200"},  // an exact half rounds up
        {12, 8, 0, {101.7, 96.7}, {97.3, 103.3}, kSingle, "200"},
        // The double sum is stored a hair below 199.5 but is the half the averages make.
        {12, 8, 0, {100.1, 102.9}, {99.3, 96.7}, kDouble, "200"},
        {12, 8, 0, {100.1, 102.9}, {99.3, 96.7}, kSingle, "200"},
        // Single-precision steps can leave the half behind where double keeps it...
        {12, 8, 0, {100.1, 99.3}, {100.2, 99.4}, kDouble, "200"},
        {12, 8, 0, {100.1, 99.3}, {100.2, 99.4}, kSingle, "199"},
        // ...and single precision can land on a half that the exact averages fall short of.
        {12, 8, 0, {100, 100}, {100, 98.9999999}, kDouble, "199"},
        {12, 8, 0, {100, 100}, {100, 98.9999999}, kSingle, "200"},
        {0, 0, 0, {0, 0}, {0, 0}, kSingle, "199"}};  // a new season: nothing played
    for (const auto& c : cases) {
        NBA nba = testing::SmallLeague();
        const int road = testing::kPhiladelphia, home = testing::kChicago;
        nba.Wins[1] = static_cast<int16_t>(c.wins1);
        nba.Losses[1] = static_cast<int16_t>(c.losses1);
        nba.Ties[1] = static_cast<int16_t>(c.ties1);
        nba.Wins[road] = nba.Wins[home] = 40;  // must not matter
        nba.PrevOffenseAve[road] = 101.3;
        nba.PrevDefenseAve[road] = 100.0;
        nba.PrevOffenseAve[home] = 98.0;
        nba.PrevDefenseAve[home] = 99.1;
        nba.OffenseAve[road] = c.off[0];
        nba.DefenseAve[road] = c.def[0];
        nba.OffenseAve[home] = c.off[1];
        nba.DefenseAve[home] = c.def[1];
        const std::string line = FormatPredictionLine(nba, Ratings{}, road, home, false, c.precision);
        EXPECT_EQ(Cols(line, 76), std::string("   ") + c.total) << line;
    }
}

TEST(PredictionLine, LongNamesPushLaterColumnsWithoutCutting) {
    NBA nba = BostonAtNewYork();
    nba.CityNames[kBoston] = "North Massachusetts";  // 19 + 1 + 7 = 27 characters
    std::string line =
        FormatPredictionLine(nba, Rated(6.0f, 1.0f), kBoston, kNewYork, false, TotalPrecision::Double);
    // The home field still ends at 53, so the prediction keeps its column.
    EXPECT_EQ(Cols(line, 1, 60), "North Massachusetts Celtics at New York Knicks       Celtics");

    // A home name that runs past column 53 pushes everything after it.
    nba.TeamNames[kNewYork] = "Knickerbockers of Manhattan";
    line = FormatPredictionLine(nba, Rated(6.0f, 1.0f), kBoston, kNewYork, false, TotalPrecision::Double);
    const std::string home = "New York Knickerbockers of Manhattan";
    EXPECT_EQ(Cols(line, 32, 31 + home.size()), home);
    EXPECT_EQ(Cols(line, 68, 74), "Celtics");
    EXPECT_EQ(line.substr(line.size() - 3), "199");
    EXPECT_GT(line.size(), 81u);
}

TEST(PredictionLine, PickAndMarginFollowTheRatingsTheTotalDoesNot) {
    // The current-season total uses the averages as typed, whatever the ratings say.
    NBA nba = BostonAtNewYork();
    nba.Wins[1] = 20;
    nba.OffenseAve[kBoston] = nba.DefenseAve[kBoston] = 100;
    nba.OffenseAve[kNewYork] = nba.DefenseAve[kNewYork] = 95;
    const Prediction p = PredictGame(nba, Ratings{}, kBoston, kNewYork, false, TotalPrecision::Double);
    EXPECT_EQ(p.favoured, Favoured::Home);
    EXPECT_FLOAT_EQ(p.margin, 2.0f);
    EXPECT_DOUBLE_EQ(p.total, 195);
}

}  // namespace
}  // namespace tavix
