#include "ui/main/schedule_views.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/print_list.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using Lines = std::vector<std::string>;

// A league with a handful of named teams and a short schedule of both halves.
NBA SmallLeague() {
    NBA nba;
    nba.TeamCount = kLeagueTeams;
    for (int n = 1; n <= kLeagueTeams; ++n) {
        nba.CityNames[n] = "City" + std::to_string(n);
        nba.TeamNames[n] = "Nick" + std::to_string(n);
    }
    nba.CityNames[1] = "Boston", nba.TeamNames[1] = "Celtics";
    nba.CityNames[2] = "Miami", nba.TeamNames[2] = "Heat";
    nba.CityNames[3] = "New York", nba.TeamNames[3] = "Knicks";
    const Lines first = {" Friday, November 6, 1998", "Boston at Miami  7:30", "Miami at New York 8:00",
                         " SATURDAY, November 7, 1998", "New York at Boston 7:00"};
    const Lines second = {"Monday, February 1, 1999", "Miami at Boston 7:30", " monday is no heading here",
                          "Boston at New York 7:30"};
    nba.FirstHalfCount = static_cast<int16_t>(first.size());
    nba.SecondHalfCount = static_cast<int16_t>(second.size());
    for (size_t i = 0; i < first.size(); ++i) nba.FirstHalfSchedule[i + 1] = first[i];
    for (size_t i = 0; i < second.size(); ++i) nba.SecondHalfSchedule[i + 1] = second[i];
    return nba;
}

struct MonthCase {
    const char* name;
    int index;
    double start;
    int16_t end;
    Lines expected;
};

// Every case prints as its name, so ctest's list and a failure say which case it is.
void PrintTo(const MonthCase& c, std::ostream* os) { *os << c.name; }

class MonthView : public ::testing::TestWithParam<MonthCase> {};

TEST_P(MonthView, ListsItsRange) {
    NBA nba = SmallLeague();
    const MonthCase& c = GetParam();
    if (const int pair = MonthPairOf(c.index); pair > 0) {
        nba.MonthStart[pair] = c.start;
        nba.MonthEnd[pair] = c.end;
    }
    EXPECT_EQ(MonthLines(nba, c.index).lines, c.expected);
    // The same range tells which month a line of its half belongs to; the other half has none.
    if (MonthPairOf(c.index) == 0) return;
    const bool firstHalf = !MonthOnSecondHalf(c.index);
    for (int line = 1; line <= 10; ++line) {
        const bool inRange = line >= std::nearbyint(c.start) && line <= c.end;
        EXPECT_EQ(MonthViewOfLine(nba, firstHalf, line), inRange ? c.index : -1) << line;
        EXPECT_EQ(MonthViewOfLine(nba, !firstHalf, line), -1) << line;
    }
}

const Lines kTwoEmpty = {"  ", "  "};
INSTANTIATE_TEST_SUITE_P(
    Ranges, MonthView,
    ::testing::Values(
        MonthCase{"NovemberFirstHalf", 0, 2, 3, {"  Boston at Miami  7:30", "  Miami at New York 8:00"}},
        MonthCase{"JanuaryPair4", 2, 5, 5, {"  New York at Boston 7:00"}},
        MonthCase{"FebruarySecondHalf", 3, 1, 2, {"  Monday, February 1, 1999", "  Miami at Boston 7:30"}},
        MonthCase{"AprilMayPair8", 5, 4, 4, {"  Boston at New York 7:30"}},
        // Slots past the loaded lines hold nothing and show as indent only.
        MonthCase{"PastLoadedLines", 4, 4, 6, {"  Boston at New York 7:30", "  ", "  "}},
        MonthCase{"StartAfterEnd", 1, 4, 2, {}},
        MonthCase{"StartBelowOneIsCut", 0, -7, 1, {"   Friday, November 6, 1998"}},
        MonthCase{"HugeStart", 3, 1e300, 5, {}}, MonthCase{"IndexOutsideMenu", 6, 1, 3, {}},
        // An end beyond the arrays stops at their last slot (900 and 920 lines).
        MonthCase{"EndBeyondFirstHalfArray", 2, 899, 32000, kTwoEmpty},
        MonthCase{"EndBeyondSecondHalfArray", 5, 919, 32767, kTwoEmpty},
        MonthCase{"MostNegativeEnd", 5, 4, -32768, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ComboCase {
    const char* name;
    std::vector<std::pair<int, std::string>> nicknames;  // changes to the small league
    std::string text;
    int expected;
};

void PrintTo(const ComboCase& c, std::ostream* os) { *os << c.name; }

class TeamSelection : public ::testing::TestWithParam<ComboCase> {};

TEST_P(TeamSelection, PicksByNicknameTail) {
    NBA nba = SmallLeague();
    for (const auto& [team, nickname] : GetParam().nicknames) nba.TeamNames[team] = nickname;
    EXPECT_EQ(TeamFromComboText(nba, GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TeamSelection,
    ::testing::Values(ComboCase{"ComboItem", {}, "Miami Heat", 2},
                      ComboCase{"TypedNicknameAlone", {}, "Knicks", 3},
                      ComboCase{"CaseMatters", {}, "Miami heat", 0},
                      ComboCase{"NoNickname", {}, "Somewhere Else", 0},
                      // "Heat" ends "Miami Heat" and so does "Miami Heat" itself: the later team wins.
                      ComboCase{"TailOfAnotherTeam", {{20, "Miami Heat"}}, "Miami Heat", 20},
                      ComboCase{"TailLowerNumberLoses", {{2, "Heat"}, {1, "at"}}, "Miami Heat", 2},
                      // An empty nickname matches everything; the highest such team is listed.
                      ComboCase{"EmptyNicknameWins", {{7, ""}, {12, ""}}, "Boston Celtics", 12},
                      ComboCase{"EmptyNicknameBelowMatch", {{1, ""}}, "Miami Heat", 2},
                      ComboCase{"ShortText", {}, "at", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TeamSchedule, EachGameUnderItsDateBothHalves) {
    NBA nba = SmallLeague();
    EXPECT_EQ(
        TeamScheduleLines(nba, 2, TeamScheduleMode::AllGames).lines,
        (Lines{"  MIAMI HEAT SCHEDULE  (all times Eastern)", " ", "   Friday, November 6, 1998",
               "  Boston at Miami  7:30", " ", "   Friday, November 6, 1998", "  Miami at New York 8:00", " ",
               "  Monday, February 1, 1999", "  Miami at Boston 7:30"}));
    // A second-half line starting with a blank is no date heading; the last date stays.
    const Lines knicks = TeamScheduleLines(nba, 3, TeamScheduleMode::AllGames).lines;
    EXPECT_EQ(knicks.at(8), "  Monday, February 1, 1999");
    EXPECT_EQ(knicks.back(), "  Boston at New York 7:30");
    EXPECT_EQ(TeamScheduleHeading(nba, 3, TeamScheduleMode::Home),
              "  NEW YORK KNICKS HOME SCHEDULE  (all times Eastern)");
    EXPECT_EQ(TeamScheduleHeading(nba, 1, TeamScheduleMode::Road),
              "  BOSTON CELTICS ROAD SCHEDULE  (all times Eastern)");
    EXPECT_TRUE(TeamScheduleLines(nba, 0, TeamScheduleMode::AllGames).lines.empty());
}

// Games are the schedule's, whatever the names say now: renamed teams keep every game under their
// new names, a blank city finds nothing of its own, and lines that hold no game are never listed.
TEST(TeamSchedule, RenamedAndBlankCities) {
    NBA nba = SmallLeague();
    const Lines before = TeamScheduleLines(nba, 2, TeamScheduleMode::AllGames).lines;
    nba.CityNames[2] = "Memphis", nba.TeamNames[2] = "Grizzlies";
    nba.CityNames[3] = "";  // found by its nickname, though the league numbers it unlike the files
    Lines after = TeamScheduleLines(nba, 2, TeamScheduleMode::AllGames).lines;
    EXPECT_EQ(after.front(), "  MEMPHIS GRIZZLIES SCHEDULE  (all times Eastern)");
    EXPECT_EQ(Lines(after.begin() + 1, after.end()), Lines(before.begin() + 1, before.end()));
    EXPECT_EQ(TeamScheduleLines(nba, 3, TeamScheduleMode::AllGames).lines.size(), 1u + 3u * 3u);
    EXPECT_EQ(TeamScheduleLines(nba, 4, TeamScheduleMode::AllGames).lines.size(), 1u);
    // Accented capitals of the 8-bit files are letters too; the heading shows them in capitals.
    nba.CityNames[2] = "Montr\351al";
    EXPECT_EQ(TeamScheduleHeading(nba, 2, TeamScheduleMode::AllGames).substr(0, 10), "  MONTR\311AL");
}

// Where the team's city starts in a game line decides whether the game is home or road.
struct FilterCase {
    const char* name;
    const char* line;
    bool listedHome, listedRoad;
};
void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class HomeRoadFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(HomeRoadFilter, ByCityPosition) {
    NBA nba = SmallLeague();
    nba.FirstHalfCount = 2;
    nba.SecondHalfCount = 0;
    nba.FirstHalfSchedule[1] = " Friday, November 6, 1998";
    nba.FirstHalfSchedule[2] = GetParam().line;
    auto listed = [&](TeamScheduleMode mode) { return TeamScheduleLines(nba, 2, mode).lines.size() == 4; };
    EXPECT_TRUE(listed(TeamScheduleMode::AllGames));
    EXPECT_EQ(listed(TeamScheduleMode::Home), GetParam().listedHome);
    EXPECT_EQ(listed(TeamScheduleMode::Road), GetParam().listedRoad);
}

INSTANTIATE_TEST_SUITE_P(Positions, HomeRoadFilter,
                         ::testing::Values(FilterCase{"RoadFirst", "Miami at Boston", false, true},
                                           FilterCase{"RoadAfterText", "xxxxxMiami at Boston", false, true},
                                           FilterCase{"HomeFirst", "Boston Miami", true, false},
                                           FilterCase{"HomeWideGap", "Boston     Miami", true, false},
                                           FilterCase{"AnyCaseHome", "BOSTON at mIaMi", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Schedule print ------------------------------------------------------------------------

Lines Games(int from, int to) {  // "game from" .. "game to"
    Lines lines;
    for (int i = from; i <= to; ++i) lines.push_back("game " + std::to_string(i));
    return lines;
}

Lines Short(int count, std::initializer_list<int> shortIndexes) {
    Lines lines = Games(1, count);
    for (int i : shortIndexes) lines[i] = " ";
    return lines;
}

std::vector<bool> Pick(size_t size, std::initializer_list<size_t> picked, size_t from = 1, size_t to = 0) {
    std::vector<bool> selected(size, false);
    for (size_t i : picked) selected[i] = true;
    for (size_t i = from; i <= to; ++i) selected[i] = true;
    return selected;
}

Lines Tail(const Lines& lines, int from) { return Lines(lines.begin() + from, lines.end()); }
const Lines kShort4470 = Short(100, {44, 70});

struct PrintCase {
    const char* name;
    Lines items;
    std::vector<bool> selected;
    Lines page1;       // body of the first page (after the three header blanks), margin removed
    Lines laterFirst;  // first line of each later page (after its five empty lines), margin removed
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

class SchedulePrint : public ::testing::TestWithParam<PrintCase> {};

TEST_P(SchedulePrint, Pages) {
    const PrintCase& c = GetParam();
    testing::RecordingPrinter printer;
    SendList(SchedulePrintScheme(), {c.items, c.selected}, "Lucida Console", printer);
    EXPECT_EQ(printer.documentsEnded, 1);
    ASSERT_EQ(std::max(printer.PageCount(0), 1), 1 + static_cast<int>(c.laterFirst.size()));
    Lines first = printer.Page(0, 0), body;
    ASSERT_GE(first.size(), 3u);
    EXPECT_EQ(Lines(first.begin(), first.begin() + 3), Lines(3, " "));
    for (size_t i = 3; i < first.size(); ++i)
        body.push_back(first[i].substr(0, 8) == "        " ? first[i].substr(8) : "no margin: " + first[i]);
    EXPECT_EQ(body, c.page1);
    for (size_t p = 0; p < c.laterFirst.size(); ++p) {
        const Lines page = printer.Page(0, static_cast<int>(p) + 1);
        ASSERT_GT(page.size(), 5u);
        EXPECT_EQ(Lines(page.begin(), page.begin() + 5), Lines(5, ""));
        EXPECT_EQ(page[5], "        " + c.laterFirst[p]) << "page " << p + 2;
    }
    // Header at 18 points, the rest at 12, all in the printer font.
    for (size_t i = 0; i < printer.lines.size(); ++i) {
        EXPECT_EQ(printer.lines[i].font, "Lucida Console");
        EXPECT_EQ(printer.lines[i].size, i < 3 ? 18 : 12) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SchedulePrint,
    ::testing::Values(
        PrintCase{"EmptyList", {}, {}, {}, {}},
        PrintCase{"OneSelectedPrintsAll", Games(1, 3), Pick(3, {1}), Games(1, 3), {}},
        PrintCase{
            "TwoSelectedPrintOnlyThose", Games(1, 300), Pick(300, {10, 250}), {"game 11", "game 251"}, {}},
        PrintCase{"SixtyLongLinesOnePage", Games(1, 60), {}, Games(1, 60), {}},
        // Line 41 is the first counted past 40 but is long; the short line 45 starts page 2.
        PrintCase{"BreakAtNextShortLine", Short(60, {44}), {}, Games(1, 44), {" "}},
        // A short line at 40 does not break: only 40 lines are counted there.
        PrintCase{"ShortLineAtFortyStays", Short(45, {39}), {}, Short(45, {39}), {}},
        // The line that breaks is not counted on its new page: 41 more lines are needed.
        PrintCase{"CounterRestartsAfterBreak", Short(100, {44, 85}), {}, Games(1, 44), {" ", " "}},
        PrintCase{"FortyAfterBreakIsNotEnough", Short(100, {44, 84}), {}, Games(1, 44), {" "}},
        // In selected mode only selected lines count, but any short line can break, and an
        // unselected one is then not printed: the page starts with the next selected line.
        PrintCase{"UnselectedShortBreaks", Short(60, {50}), Pick(60, {55}, 0, 49), Games(1, 50), {"game 56"}},
        PrintCase{"UnselectedNotCounted", kShort4470, Pick(100, {}, 60, 99), Tail(kShort4470, 60), {}},
        PrintCase{"SelectedShortBreaks", Short(100, {90}), Pick(100, {}, 40, 99), Games(41, 90), {" "}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavix
