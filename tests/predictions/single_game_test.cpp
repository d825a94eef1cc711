#include "predictions/single_game.h"

#include <gtest/gtest.h>

#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "tests/predictions/small_league.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using namespace testing;

TEST(PredictionsHeadings, ColumnsOverThePredictionLines) {
    const std::string load = PredictionsLoadHeading();
    EXPECT_EQ(load, "            --  Teams  --                                 Prediction          O/U");
    EXPECT_EQ(load.size(), 81u);
    EXPECT_EQ(load.find("Prediction"), 58u);
    EXPECT_EQ(load.find("O/U"), 78u);
    EXPECT_EQ(PredictionsLoadRule(), std::string(82, '-'));

    const std::string clear = PredictionsClearHeading();
    EXPECT_EQ(clear, "            --  Teams  --                            Prediction        O/U");
    EXPECT_EQ(clear.size(), 74u);
    EXPECT_EQ(clear.find("Prediction"), 53u);
    EXPECT_EQ(clear.find("O/U"), 71u);
    EXPECT_EQ(PredictionsClearRule(), std::string(75, '-'));
}

TEST(PredictionsLabels, OnlyTimberwolvesAreShortened) {
    NBA nba = SmallLeague();
    EXPECT_EQ(TeamLabelCaption(nba, kMinnesota), "Minnesota Twolves");
    nba.TeamNames[kMinnesota] = "TIMBERWOLVES";
    EXPECT_EQ(TeamLabelCaption(nba, kMinnesota), "Minnesota Twolves");
    nba.TeamNames[kMinnesota] = "Timberwolves ";
    EXPECT_EQ(TeamLabelCaption(nba, kMinnesota), "Minnesota Timberwolves ");
    EXPECT_EQ(TeamLabelCaption(nba, kLakers), "L. A. Lakers");
}

TEST(PredictionsLabels, UpdateDateInPlainNumbers) {
    NBA nba = SmallLeague();
    nba.UpdateMonth = 2;
    nba.UpdateDay = 7;
    nba.UpdateYear = 1999;
    EXPECT_EQ(UpdateDateCaption(nba), "Statistics were updated on 2/7/1999");
}

// One step of a click script and the state it must leave.
struct Step {
    char action;  // 'c' click team, 'r' reverse, 'p' predict, 'x' clear
    int team;
    int teamsChosen;
    bool gameBox;
    std::string caption;
};

struct ChooseCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> redLabels;  // chosen labels at the end
};

class ChooseGame : public ::testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseGame, FollowsTheClicks) {
    NBA nba = SmallLeague();
    PredictionSession session(nba);
    int n = 0;
    for (const Step& s : GetParam().steps) {
        switch (s.action) {
            case 'c':
                session.Clabel_Click(s.team);
                break;
            case 'r':
                session.Reverse();
                break;
            case 'p':
                session.Predict(SeasonView::Current);
                break;
            case 'x':
                session.Clear();
                break;
        }
        SCOPED_TRACE("step " + std::to_string(n++));
        EXPECT_EQ(session.TeamsChosen(), s.teamsChosen);
        EXPECT_EQ(session.GameBoxEnabled(), s.gameBox);
        EXPECT_EQ(session.GameCaption(), s.caption);
    }
    std::vector<int> red;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (session.LabelChosen(t)) red.push_back(t);
    EXPECT_EQ(red, GetParam().redLabels);
}

const std::string kBos = "Boston Celtics", kNyk = "New York Knicks", kChi = "Chicago Bulls";

INSTANTIATE_TEST_SUITE_P(
    StateMachine, ChooseGame,
    ::testing::Values(ChooseCase{"SameTeamTwiceUnchooses",
                                 {{'c', kBoston, 1, false, kBos + " at "}, {'c', kBoston, 0, false, ""}},
                                 {}},
                      ChooseCase{"TwoTeamsMakeAGame",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk}},
                                 {kBoston, kNewYork}},
                      ChooseCase{"ABAKeepsBAsRoad",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'c', kBoston, 1, false, kNyk + " at "}},
                                 {kNewYork}},
                      ChooseCase{"ABBKeepsAAsRoad",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'c', kNewYork, 1, false, kBos + " at "}},
                                 {kBoston}},
                      ChooseCase{"ThirdTeamIgnored",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'c', kChicago, 2, true, kBos + " at " + kNyk}},
                                 {kBoston, kNewYork}},
                      ChooseCase{"ReverseSwapsCaption",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'r', 0, 2, true, kNyk + " at " + kBos}},
                                 {kBoston, kNewYork}},
                      ChooseCase{"ReverseNeedsAGame",
                                 {{'c', kBoston, 1, false, kBos + " at "}, {'r', 0, 1, false, kBos + " at "}},
                                 {kBoston}},
                      ChooseCase{"PredictResetsEverything",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'p', 0, 0, false, ""}},
                                 {}},
                      // Clear keeps the colours and the game box; a click afterwards starts a new game.
                      ChooseCase{"ClearThenClickStartsNewGame",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'x', 0, 0, true, ""},
                                  {'c', kChicago, 1, true, kChi + " at "}},
                                 {kBoston, kNewYork, kChicago}},
                      // After a Clear the old pair is still light red: clicking one of them makes it the
                      // first choice of a new game and takes the game box away.
                      ChooseCase{"ClearThenClickAChosenTeam",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'x', 0, 0, true, ""},
                                  {'c', kNewYork, 1, false, kNyk + " at "}},
                                 {kBoston, kNewYork}},
                      // A new first choice, then a still-red old team: that click un-chooses it.
                      ChooseCase{"ClearNewTeamThenOldRedTeam",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'x', 0, 0, true, ""},
                                  {'c', kChicago, 1, true, kChi + " at "},
                                  {'c', kBoston, 0, false, ""}},
                                 {kNewYork, kChicago}},
                      // Two new teams, then an old red one that is neither: the click only takes the
                      // game box away.
                      ChooseCase{"ClearTwoNewTeamsThenOldRedTeam",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'x', 0, 0, true, ""},
                                  {'c', kChicago, 1, true, kChi + " at "},
                                  {'c', kUtah, 2, true, kChi + " at Utah Jazz"},
                                  {'c', kBoston, 2, false, kChi + " at Utah Jazz"}},
                                 {kBoston, kNewYork, kChicago, kUtah}},
                      ChooseCase{"ClearThenPredictStillPredicts",
                                 {{'c', kBoston, 1, false, kBos + " at "},
                                  {'c', kNewYork, 2, true, kBos + " at " + kNyk},
                                  {'x', 0, 0, true, ""},
                                  {'p', 0, 0, false, ""}},
                                 {}}),
    [](const ::testing::TestParamInfo<ChooseCase>& info) { return std::string(info.param.name); });

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
    NBA nba = RatedLeague();
    ComputeRatings(nba, SeasonView::Current);
    return FormatPredictionLine(nba, road, home, neutral, TotalPrecision::Single);
}

TEST(PredictionSession, PredictAppendsBlankAndLineAndUnticksNeutral) {
    NBA nba = RatedLeague();
    PredictionSession session(nba);
    EXPECT_FALSE(session.Predict(SeasonView::Current));
    EXPECT_EQ(session.List().size(), 2u);

    session.Clabel_Click(kBoston);
    session.Clabel_Click(kNewYork);
    session.SetNeutral(true);
    ASSERT_TRUE(session.Predict(SeasonView::Current));
    EXPECT_FALSE(session.Neutral());
    session.Clabel_Click(kChicago);
    session.Clabel_Click(kUtah);
    session.Reverse();
    ASSERT_TRUE(session.Predict(SeasonView::Current));

    const std::vector<std::string> expected = {
        PredictionsLoadHeading(),         PredictionsLoadRule(), " ", Expected(kBoston, kNewYork, true), " ",
        Expected(kUtah, kChicago, false),
    };
    EXPECT_EQ(session.List(), expected);
    EXPECT_EQ(session.List()[3].substr(24, 4), " vs ");
    EXPECT_EQ(session.List()[5].substr(24, 4), " at ");
}

TEST(PredictionSession, RemoveSparesTheFirstThreeLines) {
    NBA nba = RatedLeague();
    PredictionSession session(nba);
    for (int home : {kNewYork, kChicago}) {
        session.Clabel_Click(kBoston);
        session.Clabel_Click(home);
        session.Predict(SeasonView::Current);
    }
    ASSERT_EQ(session.List().size(), 6u);
    for (int index : {-1, 0, 1, 2, 6}) EXPECT_FALSE(session.Remove(index)) << index;
    EXPECT_TRUE(session.Remove(3));
    const std::vector<std::string> expected = {PredictionsLoadHeading(), PredictionsLoadRule(), " ", " ",
                                               Expected(kBoston, kChicago, false)};
    EXPECT_EQ(session.List(), expected);
}

TEST(PredictionSession, ClearAsksEvenWithOnlyHeadingAndRule) {
    NBA nba = RatedLeague();
    PredictionSession session(nba);
    EXPECT_TRUE(session.ClearNeedsQuestion());
    session.Clear();
    EXPECT_EQ(session.List(), (std::vector<std::string>{PredictionsClearHeading(), PredictionsClearRule()}));
    EXPECT_TRUE(session.ClearNeedsQuestion());
}

TEST(SinglePredictionsPrint, EmptyListStillPrintsTitleHeadingAndRule) {
    NBA nba = RatedLeague();
    PredictionSession session(nba);
    RecordingPrinter printer;
    SendList(SinglePredictionsPrintSpec({1999, 3, 14}), {session.List(), {true, true}}, "Courier New",
             printer);
    const std::vector<std::string> expected = {
        " ",
        " ",
        "         Tavix Predictions      03-14-1999",
        " ",
        "       " + PredictionsLoadHeading(),
        "       " + PredictionsLoadRule(),
    };
    EXPECT_EQ(printer.Texts(), expected);
    EXPECT_EQ(printer.PageCount(0), 1);
    EXPECT_EQ(printer.lines[3].size, 18);
    EXPECT_EQ(printer.lines[4].size, 10);
}

TEST(SinglePredictionsPrint, LongListHasNoBreaksOfItsOwn) {
    std::vector<std::string> list(200, "x");
    RecordingPrinter printer;
    SendList(SinglePredictionsPrintSpec({1999, 3, 14}), {list, {}}, "Courier New", printer);
    EXPECT_EQ(printer.PageCount(0), 1);
    EXPECT_EQ(printer.lines.size(), 204u);
}

}  // namespace
}  // namespace tavix
