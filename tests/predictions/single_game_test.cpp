#include "predictions/single_game.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/win_chance.h"
#include "tests/support/leagues.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using namespace testing;

TEST(PredictionsHeadings, ColumnsOverThePredictionLines) {
    const std::string load = PredictionsLoadHeading(), clear = PredictionsClearHeading();
    EXPECT_EQ(load, "            --  Teams  --                                 Prediction          O/U");
    EXPECT_EQ(PredictionsLoadRule(), std::string(82, '-'));
    EXPECT_EQ(clear, "            --  Teams  --                            Prediction        O/U");
    EXPECT_EQ(PredictionsClearRule(), std::string(75, '-'));
}

TEST(PredictionsLabels, OnlyTimberwolvesAreShortenedAndTheDateIsPlain) {
    NBA nba = SmallLeague();
    EXPECT_EQ(TeamLabelCaption(nba, kMinnesota), "Minnesota Twolves");
    nba.TeamNames[kMinnesota] = "TIMBERWOLVES";
    EXPECT_EQ(TeamLabelCaption(nba, kMinnesota), "Minnesota Twolves");
    nba.TeamNames[kMinnesota] = "Timberwolves ";
    EXPECT_EQ(TeamLabelCaption(nba, kMinnesota), "Minnesota Timberwolves ");
    nba.UpdateMonth = 2, nba.UpdateDay = 7, nba.UpdateYear = 1999;
    EXPECT_EQ(UpdateDateCaption(nba), "Statistics were updated on 2/7/1999");
}

// A click script ("1 4 r p x": click team 1, team 4, reverse, predict, clear) and the state it
// leaves: teams chosen, the game box, the caption and the labels still chosen.
TEST(PredictionSession, FollowsTheClicks) {
    const std::string B = "Boston Celtics", N = "New York Knicks", C = "Chicago Bulls";
    const struct {
        const char* script;
        int chosen;
        bool gameBox;
        std::string caption;
        std::vector<int> red;
    } cases[] = {
        {"1", 1, false, B + " at ", {1}},
        {"1 1", 0, false, "", {}},
        {"1 4", 2, true, B + " at " + N, {1, 4}},
        {"1 4 1", 1, false, N + " at ", {4}},  // the other stays as the road team
        {"1 4 4", 1, false, B + " at ", {1}},
        {"1 4 10", 2, true, B + " at " + N, {1, 4}},  // a third team is ignored
        {"1 4 r", 2, true, N + " at " + B, {1, 4}},
        {"1 r", 1, false, B + " at ", {1}},  // reverse needs a game
        {"1 4 p", 0, false, "", {}},
        // Clear keeps the colours and the game box; a click afterwards starts a new game, and a
        // click on a still-red old team makes it the first choice and takes the game box away.
        {"1 4 x 10", 1, true, C + " at ", {1, 4, 10}},
        {"1 4 x 4", 1, false, N + " at ", {1, 4}},
        {"1 4 x 10 1", 0, false, "", {4, 10}},  // a new first choice, then an old red team un-chooses it
        {"1 4 x 10 21 1", 2, false, C + " at Utah Jazz", {1, 4, 10, 21}},
        {"1 4 x p", 0, false, "", {}}};
    for (const auto& c : cases) {
        const NBA nba = SmallLeague();
        PredictionSession session;
        std::istringstream script(c.script);
        for (std::string step; script >> step;) {
            if (step == "r")
                session.Reverse(nba);
            else if (step == "p")
                session.Predict(nba, SeasonView::Current);
            else if (step == "x")
                session.Clear();
            else
                session.Clabel_Click(nba, std::stoi(step));
        }
        std::vector<int> red;
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (session.LabelChosen(t)) red.push_back(t);
        EXPECT_EQ(
            std::make_tuple(session.TeamsChosen(), session.GameBoxEnabled(), session.GameCaption(), red),
            std::make_tuple(c.chosen, c.gameBox, c.caption, c.red))
            << c.script;
    }
}

NBA RatedLeague() {
    NBA nba = SmallLeague();
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.Wins[t] = 20;
        nba.Losses[t] = 10;
        nba.OffenseAve[t] = 95 + t * 0.3;
        nba.DefenseAve[t] = 95;
    }
    return nba;
}

std::string Expected(int road, int home, bool neutral) {
    const NBA nba = RatedLeague();
    return FormatPredictionLine(nba, ComputeRatings(nba, SeasonView::Current), road, home, neutral,
                                TotalPrecision::Single);
}

TEST(PredictionSession, PredictAppendsBlankAndLineAndRemoveSparesTheFirstThreeLines) {
    const NBA nba = RatedLeague();
    PredictionSession session;
    EXPECT_FALSE(session.Predict(nba, SeasonView::Current));
    session.Clabel_Click(nba, kBoston);
    session.Clabel_Click(nba, kNewYork);
    session.SetNeutral(true);
    ASSERT_TRUE(session.Predict(nba, SeasonView::Current));
    EXPECT_FALSE(session.Neutral());
    session.Clabel_Click(nba, kChicago);
    session.Clabel_Click(nba, kUtah);
    session.Reverse(nba);
    ASSERT_TRUE(session.Predict(nba, SeasonView::Current));
    const std::vector<std::string> expected = {
        PredictionsLoadHeading(),        PredictionsLoadRule(), " ", Expected(kBoston, kNewYork, true), " ",
        Expected(kUtah, kChicago, false)};
    EXPECT_EQ(session.List(), expected);
    const std::string utah = ChanceText(FavouriteChance(PredictGame(
        nba, ComputeRatings(nba, SeasonView::Current), kUtah, kChicago, false, TotalPrecision::Single)));
    for (int index : {-1, 0, 1, 2, 6}) EXPECT_FALSE(session.Remove(index)) << index;
    EXPECT_TRUE(session.Remove(3));
    EXPECT_EQ(session.List().size(), 5u);
    // The chance column keeps step with the lines it stands beside.
    EXPECT_EQ(session.ChanceColumn(), (std::vector<std::string>{"Chance", " ", " ", " ", utah}));
    EXPECT_TRUE(session.ClearNeedsQuestion());
    session.Clear();
    EXPECT_EQ(session.List(), (std::vector<std::string>{PredictionsClearHeading(), PredictionsClearRule()}));
    EXPECT_TRUE(session.ClearNeedsQuestion());  // even with only heading and rule
}

TEST(SinglePredictionsPrint, TitleHeadingAndRuleAndNoBreaksOfItsOwn) {
    RecordingPrinter printer;
    SendList(SinglePredictionsPrintScheme({1999, 3, 14}),
             {{PredictionsLoadHeading(), PredictionsLoadRule()}, {true, true}}, "Courier New", printer);
    EXPECT_EQ(printer.Texts(), (std::vector<std::string>{
                                   " ", " ", "         Tavix Predictions      03-14-1999", " ",
                                   "       " + PredictionsLoadHeading(), "       " + PredictionsLoadRule()}));
    EXPECT_EQ(printer.lines[3].size, 18);
    EXPECT_EQ(printer.lines[4].size, 10);
    RecordingPrinter longList;
    SendList(SinglePredictionsPrintScheme({1999, 3, 14}), {std::vector<std::string>(200, "x"), {}},
             "Courier New", longList);
    EXPECT_EQ(longList.PageCount(0), 1);
    EXPECT_EQ(longList.lines.size(), 204u);
}

}  // namespace
}  // namespace tavix
