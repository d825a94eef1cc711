#include "statistics/ratings_view.h"

#include <gtest/gtest.h>

#include "tests/statistics/test_league.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using testing::Blanks;
using testing::MadeUpLeague;
using testing::SetAverages;
using testing::SetPrevious;
using testing::SetRecord;

constexpr size_t kHeading = 5;

// Team numbers of the club lines, read back from the names ("TeamN").
std::vector<int> ListedTeams(const std::vector<std::string>& lines) {
    std::vector<int> teams;
    for (size_t i = kHeading; i < lines.size(); ++i) teams.push_back(std::stoi(lines[i].substr(5, 2)));
    return teams;
}

TEST(RatingsHeader, FiveLinesNamingTheOrder) {
    const std::string rule(70, '_');
    for (auto [order, name] : {std::pair{RatingsOrder::Scoring, "Scoring vs all Opponents"},
                               std::pair{RatingsOrder::Percentage, "Won / Loss Percentage"},
                               std::pair{RatingsOrder::Offense, "Average Offense"},
                               std::pair{RatingsOrder::Defense, "Average Defense"}}) {
        EXPECT_EQ(RatingsHeader(order),
                  (std::vector<std::string>{
                      std::string("           Tavix Statistics sorted by ") + name, rule,
                      "                                         Average   Average",
                      " - Teams -       Wins  Losses    Pct.    Offense   Defense      SCO", rule}));
    }
}

struct LineCase {
    const char* name;
    std::string team;
    int wins, losses;
    float pct, offense, defense, margin;
    std::string expected;
};

class RatingsLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(RatingsLineTest, BuildsTheColumns) {
    const LineCase& c = GetParam();
    NBA nba;
    nba.TeamNames[4] = c.team;
    SetRecord(nba, 4, c.wins, c.losses);
    nba.WinPct[4] = c.pct;
    nba.SeasonOffense[4] = c.offense;
    nba.SeasonDefense[4] = c.defense;
    nba.PointDiff[4] = c.margin;
    EXPECT_EQ(RatingsLine(nba, 4, SeasonView::Current), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RatingsLineTest,
    ::testing::Values(LineCase{"LosingClub", "Kings", 5, 12, 5.0f / 17, 98.4f, 102.7f, -4.3f,
                               " Kings" + Blanks(12) + " 5" + Blanks(5) + "12" + Blanks(5) + "0.294" +
                                   Blanks(5) + " 98.4" + Blanks(5) + "102.7" + Blanks(6) + "-4.3"},
                      LineCase{"WinningClubGetsPlus", "Bulls", 45, 5, 0.9f, 103.25f, 88.0f, 15.25f,
                               " Bulls" + Blanks(12) + "45" + Blanks(5) + " 5" + Blanks(5) + "0.900" +
                                   Blanks(5) + "103.3" + Blanks(5) + " 88.0" + Blanks(6) + "+15.3"},
                      LineCase{"NothingYet", "Heat", 0, 0, 0, 0, 0, 0,
                               " Heat" + Blanks(13) + " 0" + Blanks(5) + " 0" + Blanks(5) + "0.000" +
                                   Blanks(5) + "  0.0" + Blanks(5) + "  0.0" + Blanks(6) + " 0.0"},
                      LineCase{"SingleDigitAverages", "Nets", 1, 0, 1, 9.5f, 7.25f, 2.25f,
                               " Nets" + Blanks(13) + " 1" + Blanks(5) + " 0" + Blanks(5) + "1.000" +
                                   Blanks(5) + "  9.5" + Blanks(5) + "  7.3" + Blanks(6) + "+2.3"},
                      LineCase{"LongNameIsNotCut", "Timberwolves Extra", 10, 10, 0.5f, 100, 100, 0,
                               " Timberwolves Extra" + Blanks(0) + "10" + Blanks(5) + "10" + Blanks(5) +
                                   "0.500" + Blanks(5) + "100.0" + Blanks(5) + "100.0" + Blanks(6) + " 0.0"}),
    [](const auto& info) { return std::string(info.param.name); });

// The example club of the ratings view, built from typed-in figures rather than set ratings.
TEST(BuildRatingsView, ExampleLineFromTheStatistics) {
    NBA nba = MadeUpLeague();
    nba.TeamNames[6] = "Kings";
    SetRecord(nba, 6, 5, 12);
    SetAverages(nba, 6, 98.4, 102.7);
    const auto lines =
        BuildRatingsView(nba, RatingsOrder::Percentage, SeasonView::Current, RatingsRebuild::Option);
    const std::string expected = " Kings" + Blanks(12) + " 5" + Blanks(5) + "12" + Blanks(5) + "0.294" +
                                 Blanks(5) + " 98.4" + Blanks(5) + "102.7" + Blanks(6) + "-4.3";
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end());
}

// A league where every club's margin is distinct and clearly apart, except two near the top.
NBA CloseMarginsLeague() {
    NBA nba = MadeUpLeague();
    for (int t = 1; t <= kLeagueTeams; ++t) {
        SetAverages(nba, t, 90, 100 + t);  // margins -11 .. -39
        SetPrevious(nba, t, 20, 30, 90, 100 + t);
    }
    SetAverages(nba, 4, 103.46, 100);   // 3.46
    SetAverages(nba, 20, 103.41, 100);  // 3.41: the same tenth
    SetPrevious(nba, 4, 50, 32, 103.46, 100);
    SetPrevious(nba, 20, 49, 33, 103.41, 100);
    return nba;
}

struct CloseCase {
    const char* name;
    SeasonView view;
    RatingsRebuild cause;
    std::vector<int> top;
};

class CloseMarginsTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseMarginsTest, TenthsAtTheOptionHundredthsAfterASwitch) {
    NBA nba = CloseMarginsLeague();
    const auto lines = BuildRatingsView(nba, RatingsOrder::Scoring, GetParam().view, GetParam().cause);
    const auto teams = ListedTeams(lines);
    ASSERT_EQ(teams.size(), 29u);
    EXPECT_EQ(std::vector<int>(teams.begin(), teams.begin() + 3), GetParam().top);
    EXPECT_EQ(teams.back(), 29);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, CloseMarginsTest,
    ::testing::Values(
        CloseCase{"AtLoad", SeasonView::Current, RatingsRebuild::Load, {20, 4, 1}},
        CloseCase{"ScoringPicked", SeasonView::Current, RatingsRebuild::Option, {20, 4, 1}},
        CloseCase{"PreviousPicked", SeasonView::Previous, RatingsRebuild::Option, {20, 4, 1}},
        CloseCase{"SwitchToPrevious", SeasonView::Previous, RatingsRebuild::SeasonSwitch, {4, 20, 1}},
        CloseCase{"SwitchBackToCurrent", SeasonView::Current, RatingsRebuild::SeasonSwitch, {4, 20, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildRatingsView, SeasonSwitchListsByMarginWhateverTheOption) {
    NBA nba = CloseMarginsLeague();
    const auto lines =
        BuildRatingsView(nba, RatingsOrder::Defense, SeasonView::Previous, RatingsRebuild::SeasonSwitch);
    EXPECT_EQ(lines[0], "           Tavix Statistics sorted by Scoring vs all Opponents");
    EXPECT_EQ(ListedTeams(lines).front(), 4);
}

TEST(BuildRatingsView, PreviousSeasonShowsPreviousRecordsAndAverages) {
    NBA nba = CloseMarginsLeague();
    const auto lines =
        BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::SeasonSwitch);
    EXPECT_EQ(lines[kHeading], " Team4" + Blanks(12) + "50" + Blanks(5) + "32" + Blanks(5) + "0.610" +
                                   Blanks(5) + "103.5" + Blanks(5) + "100.0" + Blanks(6) + "+3.5");
}

struct OrderCase {
    const char* name;
    RatingsOrder order;
    SeasonView view;
    std::vector<int> expected;  // all 29 in list order
};

// Figures per club chosen so each order is different: offense rises with the team number in
// the current season and falls in the previous; defense the other way round.
NBA OrderLeague() {
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.TeamNames[t] = "Team" + std::to_string(t);
        SetRecord(nba, t, (t * 7) % 29 + 1, 30);                         // percentage order by (7t mod 29)
        SetAverages(nba, t, 90 + t * 0.25, 110 - ((t * 3) % 29) * 0.5);  // defense order by (3t mod 29)
        SetPrevious(nba, t, 1, 1, 120 - t * 0.25, 95 + t * 0.1);
    }
    return nba;
}

std::vector<int> ByKey(const std::function<int(int)>& key, bool descending) {
    std::vector<int> teams;
    for (int t = 1; t <= kLeagueTeams; ++t) teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) { return key(a) < key(b); });
    if (descending) std::reverse(teams.begin(), teams.end());
    return teams;
}

class OrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderTest, ListsTheClubsInTheChosenOrder) {
    NBA nba = OrderLeague();
    const auto lines = BuildRatingsView(nba, GetParam().order, GetParam().view, RatingsRebuild::Option);
    EXPECT_EQ(lines[0],
              std::string("           Tavix Statistics sorted by ") + RatingsOrderName(GetParam().order));
    EXPECT_EQ(ListedTeams(lines), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, OrderTest,
    ::testing::Values(OrderCase{"PercentageDescending", RatingsOrder::Percentage, SeasonView::Current,
                                ByKey([](int t) { return (t * 7) % 29; }, true)},
                      OrderCase{"OffenseDescending", RatingsOrder::Offense, SeasonView::Current,
                                ByKey([](int t) { return t; }, true)},
                      OrderCase{"DefenseFewestAllowedFirst", RatingsOrder::Defense, SeasonView::Current,
                                ByKey([](int t) { return -((t * 3) % 29); }, false)},
                      OrderCase{"PreviousOffense", RatingsOrder::Offense, SeasonView::Previous,
                                ByKey([](int t) { return -t; }, true)},
                      OrderCase{"PreviousDefense", RatingsOrder::Defense, SeasonView::Previous,
                                ByKey([](int t) { return t; }, false)},
                      // Every previous record is 1-1: equal keys, so descending team number.
                      OrderCase{"PreviousPercentageTies", RatingsOrder::Percentage, SeasonView::Previous,
                                ByKey([](int) { return 0; }, true)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildRatingsView, NegativeMarginsSortDownward) {
    NBA nba = MadeUpLeague();
    for (int t = 1; t <= kLeagueTeams; ++t) SetAverages(nba, t, 100, 100 - (t - 15) * 0.7);  // -9.8 .. +9.8
    const auto teams = ListedTeams(
        BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Option));
    EXPECT_EQ(teams, ByKey([](int t) { return t; }, true));
}

TEST(RatingsPrint, HeaderBlankBeforeFirstClubAndClosingRule) {
    const ListPrintSpec spec = RatingsPrintSpec();
    EXPECT_EQ(spec.confirmText, "Ready to send Statistics to the Printer.");
    EXPECT_EQ(spec.confirmTitle, "Quandor");

    NBA nba = OrderLeague();
    const ListContents list{
        BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load), {}};
    testing::RecordingPrinter printer;
    SendList(spec, list, "Courier New", printer);

    std::vector<std::string> expected = {" ", " ", " ", " "};
    for (size_t i = 0; i < list.items.size(); ++i) {
        if (i == kHeading) expected.push_back(" ");
        expected.push_back("    " + list.items[i]);
    }
    expected.push_back(" ");
    expected.push_back("    " + std::string(69, '_'));
    EXPECT_EQ(printer.Texts(), expected);
    for (const auto& line : printer.lines) EXPECT_EQ(line.size, 12);
    EXPECT_EQ(printer.PageCount(0), 1);
    EXPECT_EQ(printer.documentsEnded, 1);
}

}  // namespace
}  // namespace tavix
