#include "predictions/block_predictions.h"

#include <gtest/gtest.h>

#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "tests/predictions/small_league.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using namespace testing;

const Date kToday{1999, 2, 9};

struct FindCase {
    const char* name;
    std::string line;
    int first, last;
    int expected;
};

class FindTeam : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTeam, FindsTheLowestNumberedCityInTheRange) {
    const NBA nba = SmallLeague();
    EXPECT_EQ(FindTeamInLine(nba, GetParam().line, GetParam().first, GetParam().last), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FindTeam,
    ::testing::Values(
        FindCase{"RoadAtThree", "  Boston     Chicago     7:30", 3, 8, kBoston},
        FindCase{"RoadAtEight", "       Utah  Chicago", 3, 8, kUtah},
        FindCase{"RoadAtNineTooFar", "        Utah Chicago", 3, 8, 0},
        FindCase{"HomeAtTen", "  Utah     Chicago", 10, 22, kChicago},
        FindCase{"HomeAtTwentyTwo", "  Utah               Chicago", 10, 22, kChicago},
        FindCase{"HomeAtNineNotSeen", "  Utah  Chicago", 10, 22, 0},
        FindCase{"HomeAtTwentyThreeNotSeen", "  Utah                Chicago", 10, 22, 0},
        FindCase{"Capitals", "  BOSTON     cHiCaGo", 10, 22, kChicago},
        FindCase{"CapitalsRoad", "  BOSTON     cHiCaGo", 3, 8, kBoston},
        // Both Los Angeles spellings in one range: the lower team number wins wherever it stands.
        FindCase{"LowerNumberWinsOverPosition", "  L. A.  L.A.", 3, 10, kClippers},
        FindCase{"LakersSpelling", "  L. A.   Chicago", 3, 8, kLakers},
        FindCase{"CityCutByLineEnd", "  Bost", 3, 8, 0}, FindCase{"EmptyLine", "", 3, 8, 0},
        FindCase{"DateHeading", "Tuesday, February 9, 1999", 3, 8, 0}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

TEST(FindTeamInLine, EmptyCityMatchesEveryLineUnlessALowerTeamDoes) {
    NBA nba = SmallLeague();
    nba.CityNames[kUtah].clear();
    EXPECT_EQ(FindTeamInLine(nba, "  Miami   Chicago", 3, 8), 2);  // Miami is the lower number
    EXPECT_EQ(FindTeamInLine(nba, "Tuesday", 3, 8), kUtah);
    EXPECT_EQ(FindTeamInLine(nba, "", 10, 22), kUtah);
    nba.CityNames[1].clear();
    EXPECT_EQ(FindTeamInLine(nba, "  Miami   Chicago", 3, 8), 1);
}

TEST(FindTeamInLine, AccentedCapitalsMatch) {
    NBA nba = SmallLeague();
    nba.CityNames[kUtah] =
        "Montr\xe9"
        "al";
    EXPECT_EQ(FindTeamInLine(nba,
                             "  MONTR\xc9"
                             "AL at Chicago",
                             3, 8),
              kUtah);
}

// A league where every team played 30 games, so ratings and totals are settled figures.
NBA RatedLeague() {
    NBA nba = SmallLeague();
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.Wins[t] = static_cast<int16_t>(t);
        nba.Losses[t] = static_cast<int16_t>(30 - t);
        nba.OffenseAve[t] = 90 + t * 0.5;
        nba.DefenseAve[t] = 100 - t * 0.25;
        nba.PrevOffenseAve[t] = 95;
        nba.PrevDefenseAve[t] = 95;
    }
    return nba;
}

std::string Predicted(NBA nba, int road, int home) {
    ComputeRatings(nba, SeasonView::Current);
    return FormatPredictionLine(nba, road, home, false, TotalPrecision::Double);
}

TEST(BlockPredictionList, HeadingAndGamesWithoutBlankLines) {
    NBA nba = RatedLeague();
    const std::vector<std::string> lines = {
        "Tuesday, February 9, 1999",
        "  Boston     New York    7:30",
        "  Utah       L. A.      10:30",
    };
    const auto list = BuildBlockPredictionList(nba, SeasonView::Current, lines, kToday);
    const std::vector<std::string> expected = {
        " ",
        "Tuesday, February 9, 1999",
        Predicted(RatedLeague(), kBoston, kNewYork),
        Predicted(RatedLeague(), kUtah, kLakers),
        " ",
        "Predictions made 02-09-1999",
    };
    EXPECT_EQ(list, expected);
    EXPECT_EQ(list[2].substr(24, 4), " at ");
}

TEST(BlockPredictionList, OnlyHeadingsGiveTheMessage) {
    NBA nba = RatedLeague();
    const auto list = BuildBlockPredictionList(nba, SeasonView::Current,
                                               {"Monday, March 1, 1999", "  Boston  only"}, kToday);
    const std::vector<std::string> expected = {
        " ",
        "Monday, March 1, 1999",
        "  Boston  only",
        " ",
        "No games were selected, use the mouse to highlight a group",
        "on the schedule list, then click on the Game Predicitions",
        "button to view the predictions.         Click Done to continue...",
    };
    EXPECT_EQ(list, expected);
}

TEST(BlockPredictionList, NothingSelected) {
    NBA nba = RatedLeague();
    const auto list = BuildBlockPredictionList(nba, SeasonView::Current, {}, kToday);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0], " ");
    EXPECT_EQ(list[1], " ");
    EXPECT_EQ(list[2], NoGamesSelectedMessage()[0]);
}

TEST(BlockPredictionList, UnrecognisedAndSameCityLines) {
    NBA nba = RatedLeague();
    const std::vector<std::string> lines = {
        "  Utah  Chicago",                // home city at 9: shown unchanged
        "  Utah                Chicago",  // home city at 23: shown unchanged
        "  Chicago    Chicago",           // the same city in both ranges: a game against itself
    };
    const auto list = BuildBlockPredictionList(nba, SeasonView::Current, lines, kToday);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[1], lines[0]);
    EXPECT_EQ(list[2], lines[1]);
    EXPECT_EQ(list[3], Predicted(RatedLeague(), kChicago, kChicago));
    EXPECT_EQ(list[3].substr(0, 41), "Chicago Bulls            at Chicago Bulls");
    EXPECT_EQ(list[3].substr(53, 6), "Bulls ");  // the home edge decides it
    EXPECT_EQ(list[5], "Predictions made 02-09-1999");
}

TEST(BlockPredictionList, UsesTheSeasonTheRatingsWindowShows) {
    NBA nba = RatedLeague();
    nba.PrevOffenseAve[kBoston] = 120;  // last season Boston was far better
    const std::vector<std::string> lines = {"  Boston     New York"};
    const auto current = BuildBlockPredictionList(nba, SeasonView::Current, lines, kToday);
    const auto previous = BuildBlockPredictionList(nba, SeasonView::Previous, lines, kToday);
    EXPECT_EQ(current[1].substr(53, 7), "Knicks ");
    EXPECT_EQ(previous[1].substr(53, 7), "Celtics");
}

TEST(BlockPredictionList, OnlyTheFirst300LinesCount) {
    NBA nba = RatedLeague();
    std::vector<std::string> lines(302, "  Boston     New York");
    lines[300] = "late heading";
    const auto list = BuildBlockPredictionList(nba, SeasonView::Current, lines, kToday);
    ASSERT_EQ(list.size(), 303u);
    EXPECT_EQ(list[300], Predicted(RatedLeague(), kBoston, kNewYork));
}

TEST(CollectBlockLines, KeepsOrderAndLetsTheLastOverflowTakeTheLastSlot) {
    std::vector<std::string> items;
    std::vector<bool> selected;
    for (int i = 0; i < 700; ++i) {
        items.push_back("line " + std::to_string(i));
        selected.push_back(i % 2 == 0);
    }
    const auto lines = CollectBlockLines(items, selected);
    ASSERT_EQ(lines.size(), 300u);
    EXPECT_EQ(lines[0], "line 0");
    EXPECT_EQ(lines[1], "line 2");
    EXPECT_EQ(lines[298], "line 596");
    EXPECT_EQ(lines[299], "line 698");
}

TEST(BlockPredictionsPrint, TitleBlockThenCounterPageBreaks) {
    std::vector<std::string> list;
    for (int i = 1; i <= 130; ++i) list.push_back("list line " + std::to_string(i));
    RecordingPrinter printer;
    SendList(BlockPredictionsPrintSpec(), {list, {}}, "Courier New", printer);

    const auto page0 = printer.Page(0, 0);
    ASSERT_GE(page0.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(page0.begin(), page0.begin() + 4),
              (std::vector<std::string>{" ", " ", "      Tavix Predictions", " "}));
    EXPECT_EQ(page0.size(), 4u + 64u);
    EXPECT_EQ(page0.back(), "     list line 64");

    const auto page1 = printer.Page(0, 1);
    ASSERT_EQ(page1.size(), 5u + 65u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(page1[i], "");
    EXPECT_EQ(page1[5], "     list line 65");
    EXPECT_EQ(page1.back(), "     list line 129");

    const auto page2 = printer.Page(0, 2);
    ASSERT_EQ(page2.size(), 6u);
    EXPECT_EQ(page2[5], "     list line 130");
    EXPECT_EQ(printer.documentsEnded, 1);

    for (size_t i = 0; i < printer.lines.size(); ++i) {
        EXPECT_EQ(printer.lines[i].font, "Courier New");
        EXPECT_EQ(printer.lines[i].size, i < 4 ? 18 : 9) << i;
    }
}

}  // namespace
}  // namespace tavix
