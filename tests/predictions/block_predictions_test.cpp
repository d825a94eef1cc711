#include "predictions/block_predictions.h"

#include <gtest/gtest.h>

#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "tests/support/leagues.h"
#include "tests/support/recording_printer.h"
#include "ui/main/schedule_views.h"

namespace tavix {
namespace {

using namespace testing;

const Date kToday{1999, 2, 9};

TEST(FindTeamInLine, FindsTheLowestNumberedCityInTheRange) {
    const NBA nba = SmallLeague();
    const struct {
        std::string line;
        int first, last, expected;
    } cases[] = {{"  Boston     Chicago     7:30", 3, 8, kBoston},
                 {"       Utah  Chicago", 3, 8, kUtah},  // road at 3, at 8
                 {"        Utah Chicago", 3, 8, 0},      // road at 9
                 {"  Utah     Chicago", 10, 22, kChicago},
                 {"  Utah               Chicago", 10, 22, kChicago},  // 10, 22
                 {"  Utah  Chicago", 10, 22, 0},
                 {"  Utah                Chicago", 10, 22, 0},  // 9, 23
                 {"  BOSTON     cHiCaGo", 10, 22, kChicago},
                 {"  BOSTON     cHiCaGo", 3, 8, kBoston},
                 // Both Los Angeles spellings in one range: the lower team number wins wherever it stands.
                 {"  L. A.  L.A.", 3, 10, kClippers},
                 {"  L. A.   Chicago", 3, 8, kLakers},
                 {"  Bost", 3, 8, 0},
                 {"", 3, 8, 0},
                 {"Tuesday, February 9, 1999", 3, 8, 0}};
    for (const auto& c : cases) EXPECT_EQ(FindTeamInLine(nba, c.line, c.first, c.last), c.expected) << c.line;
}

// A renamed, moved or blanked team is still found by the names the season came with; a blank or
// shared city tells nothing, and the two Los Angeles teams are told apart by their nicknames.
TEST(FindTeamInLine, RenamedBlankAndSharedCities) {
    const struct {
        int team;
        std::string city, nickname, line;
        int expected;
    } cases[] = {{kUtah, "", "Jazz", "  Utah     Chicago", kUtah},
                 {kUtah, "   ", "Jazz", "  Miami    Chicago", 2},
                 {kUtah, "", "Jazz", "", 0},
                 {22, "Memphis", "Grizzlies", "  Vancouver", 22},
                 {22, "Memphis", "Grizzlies", "  MEMPHIS", 22},
                 {kBoston, "Boston, Mass.", "Celtics", "  Boston   at Chicago", kBoston},
                 {kClippers, "L. A.", "Clippers", "  L. A.", kLakers},
                 {kClippers, "L. A.", "Clippers", "  L.A.", kClippers},
                 {kUtah,
                  "Montr\xe9"
                  "al",
                  "Jazz",
                  "  MONTR\xc9"
                  "AL at Chicago",
                  kUtah}};
    for (const auto& c : cases) {
        NBA nba = SmallLeague();
        nba.CityNames[c.team] = c.city;
        nba.TeamNames[c.team] = c.nickname;
        EXPECT_EQ(FindTeamInLine(nba, c.line, 3, 8), c.expected) << c.city << " | " << c.line;
    }
}

// A league where every team played 30 games, so ratings and totals are settled figures.
NBA RatedLeague() {
    NBA nba = SmallLeague();
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.Wins[t] = static_cast<int16_t>(t);
        nba.Losses[t] = static_cast<int16_t>(30 - t);
        nba.OffenseAve[t] = 90 + t * 0.5;
        nba.DefenseAve[t] = 100 - t * 0.25;
        nba.PrevOffenseAve[t] = nba.PrevDefenseAve[t] = 95;
    }
    return nba;
}

std::string Predicted(int road, int home) {
    const NBA nba = RatedLeague();
    return FormatPredictionLine(nba, ComputeRatings(nba, SeasonView::Current), road, home, false,
                                TotalPrecision::Double);
}

// The block window's list for schedule file lines selected as the main list shows them.
std::vector<std::string> Build(const std::vector<std::string>& fileLines,
                               SeasonView view = SeasonView::Current) {
    NBA nba = RatedLeague();
    nba.PrevOffenseAve[kBoston] = 120;  // last season Boston was far better
    nba.SecondHalfCount = static_cast<int16_t>(fileLines.size());
    for (size_t i = 0; i < fileLines.size(); ++i) nba.SecondHalfSchedule[i + 1] = fileLines[i];
    const ScheduleList list = SecondHalfLines(nba);
    const auto lines = CollectBlockLines(list.lines, list.games, std::vector<bool>(list.lines.size(), true));
    return BuildBlockPredictionList(nba, view, lines, kToday);
}

// Headings and lines without two cities stay as they are; the same city twice is a game.
TEST(BlockPredictionList, GamesPredictedOtherLinesKept) {
    const std::vector<std::string> lines = {"Tuesday, February 9, 1999", "Utah       L. A.      10:30",
                                            "Utah  Chicago", "Chicago    Chicago"};
    const std::vector<std::string> expected = {" ",
                                               "  " + lines[0],
                                               Predicted(kUtah, kLakers),
                                               "  " + lines[2],
                                               Predicted(kChicago, kChicago),
                                               " ",
                                               "Predictions made 02-09-1999"};
    EXPECT_EQ(Build(lines), expected);
    EXPECT_EQ(expected[4].substr(0, 41), "Chicago Bulls            at Chicago Bulls");
    EXPECT_EQ(expected[4].substr(53, 6), "Bulls ");  // the home edge decides it
}

TEST(BlockPredictionList, NoGamesGiveTheMessage) {
    const std::vector<std::string> message = {
        " ",
        "  Monday, March 1, 1999",
        " ",
        "No games were selected, use the mouse to highlight a group",
        "on the schedule list, then click on the Game Predicitions",
        "button to view the predictions.         Click Done to continue..."};
    EXPECT_EQ(Build({"Monday, March 1, 1999"}), message);
    EXPECT_EQ(Build({}), (std::vector<std::string>{" ", " ", message[3], message[4], message[5]}));
}

TEST(BlockPredictionList, UsesTheSeasonTheRatingsWindowShowsAndOnlyTheFirst300Lines) {
    const std::string day = "Monday, March 1, 1999";
    EXPECT_EQ(Build({day, "Boston     New York"})[2].substr(53, 7), "Knicks ");
    EXPECT_EQ(Build({day, "Boston     New York"}, SeasonView::Previous)[2].substr(53, 7), "Celtics");
    std::vector<std::string> lines(302, "Utah       L. A.");
    lines[0] = day;
    lines[300] = "late heading";
    const auto list = Build(lines);
    ASSERT_EQ(list.size(), 303u);
    EXPECT_EQ(list[300], Predicted(kUtah, kLakers));  // the last selected line took the last slot
}

TEST(CollectBlockLines, KeepsOrderAndLetsTheLastOverflowTakeTheLastSlot) {
    std::vector<std::string> items;
    std::vector<int> games;
    std::vector<bool> selected;
    for (int i = 0; i < 700; ++i) {
        items.push_back("line " + std::to_string(i));
        games.push_back(i);
        selected.push_back(i % 2 == 0);
    }
    const auto lines = CollectBlockLines(items, games, selected);
    ASSERT_EQ(lines.size(), 300u);
    EXPECT_EQ(lines[1].text, "line 2");
    EXPECT_EQ(lines[298].text, "line 596");
    EXPECT_EQ(lines[299].text, "line 698");
    EXPECT_EQ(lines[299].game, 698);
}

TEST(BlockPredictionsPrint, TitleBlockThenCounterPageBreaks) {
    std::vector<std::string> list;
    for (int i = 1; i <= 130; ++i) list.push_back("list line " + std::to_string(i));
    RecordingPrinter printer;
    SendList(BlockPredictionsPrintScheme(), {list, {}}, "Courier New", printer);
    const auto page0 = printer.Page(0, 0), page1 = printer.Page(0, 1), page2 = printer.Page(0, 2);
    EXPECT_EQ(std::vector<std::string>(page0.begin(), page0.begin() + 5),
              (std::vector<std::string>{" ", " ", "      Tavix Predictions", " ", "     list line 1"}));
    EXPECT_EQ(page0.size(), 4u + 64u);
    ASSERT_EQ(page1.size(), 5u + 65u);
    EXPECT_EQ(std::vector<std::string>(page1.begin(), page1.begin() + 6),
              (std::vector<std::string>{"", "", "", "", "", "     list line 65"}));
    EXPECT_EQ(page1.back(), "     list line 129");
    EXPECT_EQ(page2.size(), 6u);
    EXPECT_EQ(printer.documentsEnded, 1);
    for (size_t i = 0; i < printer.lines.size(); ++i) EXPECT_EQ(printer.lines[i].size, i < 4 ? 18 : 9) << i;
}

}  // namespace
}  // namespace tavix
