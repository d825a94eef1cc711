#include "statistics/ratings_view.h"

#include <gtest/gtest.h>

#include "tests/support/leagues.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

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

TEST(RatingsLine, BuildsTheColumns) {
    const struct {
        std::string team;
        int wins, losses;
        float pct, offense, defense, margin;
        std::string expected;
    } cases[] = {
        {"Kings", 5, 12, 5.0f / 17, 98.4f, 102.7f, -4.3f,
         " Kings             5     12     0.294      98.4     102.7      -4.3"},
        {"Bulls", 45, 5, 0.9f, 103.25f, 88.0f, 15.25f,
         " Bulls            45      5     0.900     103.3      88.0      +15.3"},
        {"Heat", 0, 0, 0, 0, 0, 0, " Heat              0      0     0.000       0.0       0.0       0.0"},
        {"Nets", 1, 0, 1, 9.5f, 7.25f, 2.25f,
         " Nets              1      0     1.000       9.5       7.3      +2.3"},
        {"Timberwolves Extra", 10, 10, 0.5f, 100, 100, 0,
         " Timberwolves Extra10     10     0.500     100.0     100.0       0.0"}};
    for (const auto& c : cases) {
        NBA nba;
        nba.TeamNames[4] = c.team;
        SetRecord(nba, 4, c.wins, c.losses);
        Ratings r;
        r.WinPct[4] = c.pct;
        r.SeasonOffense[4] = c.offense;
        r.SeasonDefense[4] = c.defense;
        r.PointDiff[4] = c.margin;
        EXPECT_EQ(RatingsLine(nba, r, 4, SeasonView::Current), c.expected);
    }
    // The column heads stand over the columns above.
    EXPECT_EQ(RatingsHeader(RatingsOrder::Offense)[3],
              " - Teams -       Wins  Losses    Pct.    Offense   Defense      SCO");
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

// Margins are sorted by tenths when the order is picked, by hundredths after a season switch,
// which also lists by margin whatever order was picked.
TEST(BuildRatingsView, TenthsAtTheOptionHundredthsAfterASwitch) {
    const struct {
        RatingsOrder order;
        SeasonView view;
        RatingsRebuild cause;
        std::vector<int> top;
    } cases[] = {{RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load, {20, 4, 1}},
                 {RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::Option, {20, 4, 1}},
                 {RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::SeasonSwitch, {4, 20, 1}},
                 {RatingsOrder::Defense, SeasonView::Current, RatingsRebuild::SeasonSwitch, {4, 20, 1}}};
    for (const auto& c : cases) {
        NBA nba = CloseMarginsLeague();
        const auto lines = BuildRatingsView(nba, c.order, c.view, c.cause);
        EXPECT_EQ(lines[0], "           Tavix Statistics sorted by Scoring vs all Opponents");
        const auto teams = ListedTeams(lines);
        ASSERT_EQ(teams.size(), 29u);
        EXPECT_EQ(std::vector<int>(teams.begin(), teams.begin() + 3), c.top);
        EXPECT_EQ(teams.back(), 29);
    }
    NBA nba = CloseMarginsLeague();
    EXPECT_EQ(BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Previous,
                               RatingsRebuild::SeasonSwitch)[kHeading],
              " Team4            50     32     0.610     103.5     100.0      +3.5");
}

std::vector<int> ByKey(const std::function<double(int)>& key, bool descending) {
    std::vector<int> teams;
    for (int t = 1; t <= kLeagueTeams; ++t) teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) { return key(a) < key(b); });
    if (descending) std::reverse(teams.begin(), teams.end());
    return teams;
}

// Figures per club chosen so each order is different: offense rises with the team number in the
// current season and falls in the previous; defense the other way round; negative margins too.
TEST(BuildRatingsView, ListsTheClubsInTheChosenOrder) {
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.TeamNames[t] = "Team" + std::to_string(t);
        SetRecord(nba, t, (t * 7) % 29 + 1, 30);
        SetAverages(nba, t, 90 + t * 0.25, 110 - ((t * 3) % 29) * 0.5);
        SetPrevious(nba, t, 1, 1, 120 - t * 0.25, 95 + t * 0.1);
    }
    const struct {
        RatingsOrder order;
        SeasonView view;
        std::vector<int> expected;
    } cases[] = {
        {RatingsOrder::Percentage, SeasonView::Current, ByKey([](int t) { return (t * 7) % 29; }, true)},
        {RatingsOrder::Offense, SeasonView::Current, ByKey([](int t) { return t; }, true)},
        {RatingsOrder::Defense, SeasonView::Current, ByKey([](int t) { return -((t * 3) % 29); }, false)},
        {RatingsOrder::Offense, SeasonView::Previous, ByKey([](int t) { return -t; }, true)},
        {RatingsOrder::Defense, SeasonView::Previous, ByKey([](int t) { return t; }, false)},
        // Every previous record is 1-1: equal keys, so descending team number.
        {RatingsOrder::Percentage, SeasonView::Previous, ByKey([](int) { return 0; }, true)},
        {RatingsOrder::Scoring, SeasonView::Current,
         ByKey([](int t) { return 90 + t * 0.25 - 110 + ((t * 3) % 29) * 0.5; }, true)}};
    for (const auto& c : cases) {
        const auto lines = BuildRatingsView(nba, c.order, c.view, RatingsRebuild::Option);
        EXPECT_EQ(lines[0],
                  std::string("           Tavix Statistics sorted by ") + RatingsOrderName(c.order));
        EXPECT_EQ(ListedTeams(lines), c.expected) << RatingsOrderName(c.order);
    }
}

TEST(RatingsPrint, HeaderBlankBeforeFirstClubAndClosingRule) {
    NBA nba = MadeUpLeague();
    const ListContents list{
        BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load), {}};
    testing::RecordingPrinter printer;
    SendList(RatingsPrintScheme(), list, "Courier New", printer);
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
    EXPECT_EQ(RatingsPrintScheme().confirmTitle, "Quandor");
}

}  // namespace
}  // namespace tavix
