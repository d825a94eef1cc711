#include "statistics/standings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "statistics/sort_keys.h"
#include "tests/support/leagues.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using testing::MadeUpLeague;
using testing::SetRecord;

TEST(StandingsLine, BuildsTheColumns) {
    const struct {
        std::string city;
        int wins, losses, ties;
        DivisionLeader leader;
        float margin;
        std::string expected;
        const char* nickname = "";
        const char* otherCity = "";  // a second club's city
    } cases[] = {
        {"Boston", 30, 20, 0, {30, 50}, 5.25f, "     Boston          30     20    0.600   -     +5.25"},
        {"Miami", 8, 6, 0, {10, 15}, 0.0f, "     Miami            8      6    0.571   1.5    0.00"},
        {"Miami",
         10,
         5,
         0,
         {10, 15},
         -3.1f,
         "     Miami           10      5    0.667   -     -3.10"},  // level
        {"Miami", 9, 4, 0, {10, 15}, 12.5f, "     Miami            9      4    0.692   -    +12.50"},
        {"Denver", 20, 30, 0, {40, 50}, -12.5f, "     Denver          20     30    0.400  20    -12.50"},
        // A better balance than the leader's goes negative.
        {"Utah", 72, 31, 0, {7, 10}, 105.0f, "     Utah            72     31    0.699   -18.5+105.00"},
        // Two clubs of one city, however it is spelt, are told apart by their names.
        {"L. A.",
         3,
         12,
         0,
         {10, 15},
         -1.5f,
         "     L. A. Lakers     3     12    0.200   7     -1.50",
         "Lakers",
         "L.A."},
        {"L.A.",
         0,
         5,
         0,
         {0, 5},
         1.0f,
         "     L.A. Clippers    0      5    0.000   -     +1.00",
         "Clippers",
         "L. A."},
        {"L.A.",
         0,
         5,
         0,
         {0, 5},
         1.0f,
         "     L.A. Lakers      0      5    0.000   -     +1.00",
         "Lakers",
         "L.A."},
        {"L.A",
         0,
         0,
         3,
         {0, 0},
         0.0f,
         "     L.A              0      0    0.500   -      0.00",
         "Lakers",
         "Los Angeles"},
        {"Twentyone Characters",
         5,
         5,
         0,
         {5, 10},
         2.0f,
         "     Twentyone Characters 5      5    0.500   -     +2.00"}};
    for (const auto& c : cases) {
        NBA nba;
        nba.TeamCount = kLeagueTeams;
        nba.CityNames[3] = c.city;
        nba.TeamNames[3] = c.nickname;
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (t != 3) nba.CityNames[t] = t == 4 ? c.otherCity : "City" + std::to_string(t);
        SetRecord(nba, 3, c.wins, c.losses, c.ties);
        Ratings r;
        r.WinPct[3] = StandingsPct(c.wins, c.losses, c.ties);
        r.PointDiff[3] = c.margin;
        EXPECT_EQ(FormatStandingsLine(nba, r, 3, c.leader), c.expected);
    }
}

TEST(StandingsPct, TiesCountHalfAndSevenThreeKeysAs699) {
    EXPECT_EQ(StandingsPct(0, 0, 3), 0.5f);
    EXPECT_EQ(StandingsPct(0, 0, 0), 0.0f);
    EXPECT_EQ(StandingsPct(5, 4, 2), static_cast<float>(6.0 / 11));
    // The key is taken from the single-precision value, stored just below 0.7.
    EXPECT_EQ(static_cast<int>(static_cast<double>(StandingsPct(7, 3, 0)) * 1000), 699);
    EXPECT_EQ(static_cast<int>(static_cast<double>(StandingsPct(72, 31, 0)) * 1000), 699);
}

// The club names of a division's lines, in list order.
std::vector<std::string> Cities(const std::vector<std::string>& lines, size_t first, size_t count) {
    std::vector<std::string> out;
    for (size_t i = first; i < first + count; ++i) {
        std::string name = lines.at(i).substr(5, 16);
        out.push_back(name.erase(name.find_last_not_of(' ') + 1));
    }
    return out;
}

constexpr size_t kAtlanticFirst = 7, kCentralFirst = 16, kMidwestFirst = 31;

TEST(BuildStandings, HeadingLinesSitWhereTheyBelong) {
    NBA nba = MadeUpLeague();
    const auto lines = BuildStandings(nba, SeasonView::Current);
    ASSERT_EQ(lines.size(), 49u);
    const std::string rule = "  " + std::string(58, '_');
    const std::string columns = "                    Wins  Losses   Pct.   GB     SCO";
    const std::pair<size_t, std::string> fixed[] = {{1, "              NATIONAL BASKETBALL LEAGUE STANDINGS"},
                                                    {3, "   EASTERN CONFERENCE"},
                                                    {4, rule},
                                                    {5, "   Atlantic Division"},
                                                    {6, columns},
                                                    {14, " "},
                                                    {15, "   Central Division"},
                                                    {24, " "},
                                                    {26, " "},
                                                    {27, "   WESTERN CONFERENCE"},
                                                    {28, rule},
                                                    {29, "   Midwest Division"},
                                                    {30, columns},
                                                    {38, " "},
                                                    {39, "   Pacific Division"},
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
    EXPECT_EQ(Cities(lines, kAtlanticFirst, 7),
              (std::vector<std::string>{"City5", "City2", "City7", "City6", "City4", "City3", "City1"}));
    EXPECT_EQ(lines[kAtlanticFirst + 1].substr(41, 5), " -0.5");  // 6-4 against a 3-2 leader
    EXPECT_EQ(Cities(lines, kCentralFirst, 2), (std::vector<std::string>{"City12", "City9"}));
    EXPECT_EQ(lines[kCentralFirst + 1].substr(41, 6), " -18.5");  // 72-31 against a 7-3 leader
}

TEST(BuildStandings, TiesHalfWinsZeroWinsAtTheBottomAndTheMarginFromTheRatings) {
    NBA nba = MadeUpLeague();
    SetRecord(nba, 16, 0, 0, 3);  // .500 from ties alone: above the 20-30 clubs
    SetRecord(nba, 18, 0, 9, 0);  // nothing won: .000 whatever the losses
    SetRecord(nba, 21, 0, 0, 0);  // no games: .000 too, higher number first
    SetRecord(nba, 22, 1, 40, 0);
    testing::SetAverages(nba, 19, 105.25, 100);
    testing::SetAverages(nba, 17, 90, 102.5);
    const auto lines = BuildStandings(nba, SeasonView::Current);
    EXPECT_EQ(
        Cities(lines, kMidwestFirst, 7),
        (std::vector<std::string>{"City16", "City20", "City19", "City17", "City22", "City21", "City18"}));
    EXPECT_EQ(lines[kMidwestFirst].substr(34, 5), "0.500");
    EXPECT_EQ(lines[kMidwestFirst + 2].substr(46), "  +5.25");
    EXPECT_EQ(lines[kMidwestFirst + 1].substr(41, 5), " 5   ");  // 20-30 against 0-0
    EXPECT_EQ(lines[kMidwestFirst + 3].substr(46), " -12.50");
}

TEST(StandingsPrint, ThreeBlankHeaderLinesMarginAndNoBreaks) {
    NBA nba = MadeUpLeague();
    ListContents list{BuildStandings(nba, SeasonView::Current), {}};
    list.selected.assign(list.items.size(), false);
    list.selected[10] = true;  // a selection does not restrict this print
    testing::RecordingPrinter printer;
    SendList(StandingsPrintScheme(), list, "Courier New", printer);
    std::vector<std::string> expected(3, " ");
    for (const auto& item : list.items) expected.push_back("       " + item);
    EXPECT_EQ(printer.Texts(), expected);
    for (const auto& line : printer.lines) EXPECT_EQ(line.size, 12);
    EXPECT_EQ(printer.PageCount(0), 1);
    // No page of its own to keep whole: a long list goes on to the next sheet when one is full.
    EXPECT_FALSE(printer.keepsPagesWhole);
}

}  // namespace
}  // namespace tavix
