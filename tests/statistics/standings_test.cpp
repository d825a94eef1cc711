#include "statistics/standings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "statistics/sort_keys.h"
#include "tests/statistics/test_league.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using testing::Blanks;
using testing::MadeUpLeague;
using testing::SetRecord;

// ---------------------------------------------------------------- one line

struct LineCase {
    const char* name;
    std::string city;
    int wins, losses, ties;
    DivisionLeader leader;
    float margin;
    std::string expected;
};

class StandingsLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(StandingsLineTest, BuildsTheColumns) {
    const LineCase& c = GetParam();
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    nba.CityNames[3] = c.city;
    SetRecord(nba, 3, c.wins, c.losses, c.ties);
    nba.WinPct[3] = StandingsPct(c.wins, c.losses, c.ties);
    nba.PointDiff[3] = c.margin;
    EXPECT_EQ(FormatStandingsLine(nba, 3, c.leader), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StandingsLineTest,
    ::testing::Values(LineCase{"LeaderShowsDash",
                               "Boston",
                               30,
                               20,
                               0,
                               {30, 50},
                               5.25f,
                               "     Boston" + Blanks(10) + "30" + Blanks(5) + "20" + Blanks(4) + "0.600" +
                                   Blanks(2) + " -   " + "  +5.25"},
                      LineCase{"HalfGameBehindAndZeroMargin",
                               "Miami",
                               8,
                               6,
                               0,
                               {10, 15},
                               0.0f,
                               "     Miami" + Blanks(11) + " 8" + Blanks(5) + " 6" + Blanks(4) + "0.571" +
                                   Blanks(2) + " 1.5" + Blanks(1) + "   0.00"},
                      LineCase{"SameRecordAsLeader",
                               "Miami",
                               10,
                               5,
                               0,
                               {10, 15},
                               -3.1f,
                               "     Miami" + Blanks(11) + "10" + Blanks(5) + " 5" + Blanks(4) + "0.667" +
                                   Blanks(2) + " -   " + "  -3.10"},
                      LineCase{"OneWinAndOneLossFewer",
                               "Miami",
                               9,
                               4,
                               0,
                               {10, 15},
                               12.5f,
                               "     Miami" + Blanks(11) + " 9" + Blanks(5) + " 4" + Blanks(4) + "0.692" +
                                   Blanks(2) + " -   " + " +12.50"},
                      LineCase{"TenOrMoreGamesBehindNoBlank",
                               "Denver",
                               20,
                               30,
                               0,
                               {40, 50},
                               -12.5f,
                               "     Denver" + Blanks(10) + "20" + Blanks(5) + "30" + Blanks(4) + "0.400" +
                                   Blanks(2) + "20" + Blanks(3) + " -12.50"},
                      LineCase{"BetterBalanceThanLeaderGoesNegative",
                               "Utah",
                               72,
                               31,
                               0,
                               {7, 10},
                               105.0f,
                               "     Utah" + Blanks(12) + "72" + Blanks(5) + "31" + Blanks(4) + "0.699" +
                                   Blanks(2) + " -18.5" + "+105.00"},
                      LineCase{"LakersByTheirCity",
                               "L. A.",
                               3,
                               12,
                               0,
                               {10, 15},
                               -1.5f,
                               "     L. A. Lakers" + Blanks(4) + " 3" + Blanks(5) + "12" + Blanks(4) +
                                   "0.200" + Blanks(2) + " 7" + Blanks(3) + "  -1.50"},
                      LineCase{"ClippersByTheirCity",
                               "L.A.",
                               0,
                               5,
                               0,
                               {0, 5},
                               1.0f,
                               "     L.A. Clippers" + Blanks(3) + " 0" + Blanks(5) + " 5" + Blanks(4) +
                                   "0.000" + Blanks(2) + " -   " + "  +1.00"},
                      LineCase{"OtherSpellingGetsNoNickname",
                               "L.A",
                               0,
                               0,
                               3,
                               {0, 0},
                               0.0f,
                               "     L.A" + Blanks(13) + " 0" + Blanks(5) + " 0" + Blanks(4) + "0.500" +
                                   Blanks(2) + " -   " + "   0.00"},
                      LineCase{"LongCityIsNotCut",
                               "Twentyone Characters",
                               5,
                               5,
                               0,
                               {5, 10},
                               2.0f,
                               "     Twentyone Characters" + Blanks(0) + " 5" + Blanks(5) + " 5" + Blanks(4) +
                                   "0.500" + Blanks(2) + " -   " + "  +2.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PctCase {
    int wins, losses, ties;
    float expected;
};
class StandingsPctTest : public ::testing::TestWithParam<PctCase> {};
TEST_P(StandingsPctTest, TiesCountHalf) {
    const PctCase& c = GetParam();
    EXPECT_EQ(StandingsPct(c.wins, c.losses, c.ties), c.expected);
}
INSTANTIATE_TEST_SUITE_P(Pct, StandingsPctTest,
                         ::testing::Values(PctCase{3, 0, 0, 1.0f}, PctCase{0, 0, 3, 0.5f},
                                           PctCase{0, 7, 0, 0.0f}, PctCase{0, 0, 0, 0.0f},
                                           PctCase{7, 3, 0, static_cast<float>(0.7)},
                                           PctCase{5, 4, 2, static_cast<float>(6.0 / 11)}));

TEST(StandingsPct, SevenThreeIsStoredJustBelowSeventyPercent) {
    // The key is taken from this single-precision value, which is why 7-3 keys as 699.
    EXPECT_LT(static_cast<double>(StandingsPct(7, 3, 0)), 0.7);
    EXPECT_EQ(static_cast<int>(static_cast<double>(StandingsPct(7, 3, 0)) * 1000), 699);
    EXPECT_EQ(static_cast<int>(static_cast<double>(StandingsPct(72, 31, 0)) * 1000), 699);
}

// ---------------------------------------------------------------- the whole list

// The club names of a division's lines, in list order.
std::vector<std::string> CitiesBetween(const std::vector<std::string>& lines, size_t first, size_t count) {
    std::vector<std::string> out;
    for (size_t i = first; i < first + count; ++i) {
        std::string name = lines.at(i).substr(5, 16);
        name.erase(name.find_last_not_of(' ') + 1);
        out.push_back(name);
    }
    return out;
}

constexpr size_t kAtlanticFirst = 7, kCentralFirst = 16, kMidwestFirst = 31, kPacificFirst = 40;

TEST(BuildStandings, HeadingLinesSitWhereTheyBelong) {
    NBA nba = MadeUpLeague();
    const auto lines = BuildStandings(nba, SeasonView::Current);
    ASSERT_EQ(lines.size(), 49u);
    const std::string rule = "  " + std::string(58, '_');
    const std::string columns = "                    Wins  Losses   Pct.   GB     SCO";
    const std::vector<std::pair<size_t, std::string>> fixed = {
        {0, " "},
        {1, "              NATIONAL BASKETBALL LEAGUE STANDINGS"},
        {2, " "},
        {3, "   EASTERN CONFERENCE"},
        {4, rule},
        {5, "   Atlantic Division"},
        {6, columns},
        {14, " "},
        {15, "   Central Division"},
        {24, " "},
        {25, " "},
        {26, " "},
        {27, "   WESTERN CONFERENCE"},
        {28, rule},
        {29, "   Midwest Division"},
        {30, columns},
        {38, " "},
        {39, "   Pacific Division"},
        {47, " "},
        {48, " "}};
    for (const auto& [index, text] : fixed) EXPECT_EQ(lines[index], text) << "line " << index;
}

TEST(BuildStandings, EqualTruncatedPercentagesGoByDescendingTeamNumber) {
    NBA nba = MadeUpLeague();
    SetRecord(nba, 2, 6, 4);    // .600
    SetRecord(nba, 5, 3, 2);    // .600, higher number: listed first and leads
    SetRecord(nba, 9, 72, 31);  // .699
    SetRecord(nba, 12, 7, 3);   // .6999999881: the same key 699, higher number
    const auto lines = BuildStandings(nba, SeasonView::Current);

    const auto atlantic = CitiesBetween(lines, kAtlanticFirst, 7);
    EXPECT_EQ(atlantic,
              (std::vector<std::string>{"City5", "City2", "City7", "City6", "City4", "City3", "City1"}));
    EXPECT_EQ(lines[kAtlanticFirst].substr(41, 5), " -   ");
    EXPECT_EQ(lines[kAtlanticFirst + 1].substr(41, 5), " -0.5");  // 6-4 against a 3-2 leader

    const auto central = CitiesBetween(lines, kCentralFirst, 2);
    EXPECT_EQ(central, (std::vector<std::string>{"City12", "City9"}));
    EXPECT_EQ(lines[kCentralFirst].substr(41, 5), " -   ");
    EXPECT_EQ(lines[kCentralFirst + 1].substr(41, 6), " -18.5");  // 72-31 against a 7-3 leader
}

TEST(BuildStandings, TiesHalfWinsAndZeroWinsAtTheBottom) {
    NBA nba = MadeUpLeague();
    SetRecord(nba, 16, 0, 0, 3);  // .500 from ties alone: above the 20-30 clubs
    SetRecord(nba, 18, 0, 9, 0);  // nothing won: .000 whatever the losses
    SetRecord(nba, 21, 0, 0, 0);  // no games: .000 too, higher number first
    SetRecord(nba, 22, 1, 40, 0);
    const auto lines = BuildStandings(nba, SeasonView::Current);

    const auto midwest = CitiesBetween(lines, kMidwestFirst, 7);
    EXPECT_EQ(midwest, (std::vector<std::string>{"City16", "City20", "City19", "City17", "City22", "City21",
                                                 "City18"}));
    EXPECT_EQ(lines[kMidwestFirst].substr(34, 5), "0.500");
    EXPECT_EQ(lines[kMidwestFirst + 1].substr(41, 5), " 5   ");  // 20-30 against 0-0
    EXPECT_EQ(lines[kMidwestFirst + 6].substr(34, 5), "0.000");
    EXPECT_FLOAT_EQ(nba.WinPct[16], 0.5f) << "the standings percentage replaces the ratings'";
}

TEST(BuildStandings, MarginComesFromTheRatings) {
    NBA nba = MadeUpLeague();
    testing::SetAverages(nba, 23, 105.25, 100);
    testing::SetAverages(nba, 24, 90, 102.5);
    const auto lines = BuildStandings(nba, SeasonView::Current);
    auto lineOf = [&](const std::string& city) {
        return *std::find_if(lines.begin() + kPacificFirst, lines.end(),
                             [&](const std::string& l) { return l.rfind("     " + city + " ", 0) == 0; });
    };
    EXPECT_EQ(lineOf("City23").substr(46), "  +5.25");
    EXPECT_EQ(lineOf("City24").substr(46), " -12.50");
}

TEST(StandingsPrint, ThreeBlankHeaderLinesMarginAndNoBreaks) {
    const ListPrintSpec spec = StandingsPrintSpec();
    EXPECT_EQ(spec.confirmText, "Ready to send Standings to the Printer.");
    EXPECT_EQ(spec.confirmTitle, "Tavix");

    NBA nba = MadeUpLeague();
    ListContents list{BuildStandings(nba, SeasonView::Current), {}};
    list.selected.assign(list.items.size(), false);
    list.selected[10] = list.selected[11] = true;  // a selection does not restrict this print
    testing::RecordingPrinter printer;
    SendList(spec, list, "Courier New", printer);

    ASSERT_EQ(printer.lines.size(), 3 + list.items.size());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(printer.lines[i].text, " ");
        EXPECT_EQ(printer.lines[i].size, 12);
    }
    for (size_t i = 0; i < list.items.size(); ++i) {
        EXPECT_EQ(printer.lines[3 + i].text, "       " + list.items[i]);
        EXPECT_EQ(printer.lines[3 + i].size, 12);
        EXPECT_EQ(printer.lines[3 + i].font, "Courier New");
    }
    EXPECT_EQ(printer.PageCount(0), 1);
    EXPECT_EQ(printer.documentsEnded, 1);
}

}  // namespace
}  // namespace tavix
