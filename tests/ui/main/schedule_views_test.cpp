#include "ui/main/schedule_views.h"

#include <gtest/gtest.h>

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
    nba.CityNames[1] = "Boston";
    nba.TeamNames[1] = "Celtics";
    nba.CityNames[2] = "Miami";
    nba.TeamNames[2] = "Heat";
    nba.CityNames[3] = "New York";
    nba.TeamNames[3] = "Knicks";
    const Lines first = {" Friday, November 6", "Boston at Miami  7:30", "Miami at New York 8:00",
                         " SATURDAY, November 7", "New York at Boston 7:00"};
    const Lines second = {"Monday, February 1", "Miami at Boston 7:30", " monday is no heading here",
                          "Boston at New York 7:30"};
    nba.FirstHalfCount = static_cast<int16_t>(first.size());
    nba.SecondHalfCount = static_cast<int16_t>(second.size());
    for (size_t i = 0; i < first.size(); ++i) nba.FirstHalfSchedule[i + 1] = first[i];
    for (size_t i = 0; i < second.size(); ++i) nba.SecondHalfSchedule[i + 1] = second[i];
    return nba;
}

TEST(HalfSeasonViews, EveryLineBehindTwoBlanks) {
    NBA nba = SmallLeague();
    EXPECT_EQ(FirstHalfLines(nba),
              (Lines{"   Friday, November 6", "  Boston at Miami  7:30", "  Miami at New York 8:00",
                     "   SATURDAY, November 7", "  New York at Boston 7:00"}));
    EXPECT_EQ(SecondHalfLines(nba).size(), 4u);
    EXPECT_EQ(SecondHalfLines(nba)[0], "  Monday, February 1");
    nba.FirstHalfCount = 0;
    EXPECT_TRUE(FirstHalfLines(nba).empty());
}

// ---- Month views ---------------------------------------------------------------------------

struct MonthCase {
    const char* name;
    int index;
    double start;
    int16_t end;
    Lines expected;
};

class MonthView : public ::testing::TestWithParam<MonthCase> {};

TEST_P(MonthView, ListsItsRange) {
    NBA nba = SmallLeague();
    const MonthCase& c = GetParam();
    const int pair = MonthPairOf(c.index);
    if (pair > 0) {
        nba.MonthStart[pair] = c.start;
        nba.MonthEnd[pair] = c.end;
    }
    EXPECT_EQ(MonthLines(nba, c.index), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, MonthView,
    ::testing::Values(
        MonthCase{"NovemberFirstHalf", 0, 2, 3, {"  Boston at Miami  7:30", "  Miami at New York 8:00"}},
        MonthCase{"JanuaryPair4", 2, 5, 5, {"  New York at Boston 7:00"}},
        MonthCase{"FebruarySecondHalf", 3, 1, 2, {"  Monday, February 1", "  Miami at Boston 7:30"}},
        // April / May is the last pair, read from the second half.
        MonthCase{"AprilMayPair8", 5, 4, 4, {"  Boston at New York 7:30"}},
        // Slots past the loaded lines hold nothing and show as indent only.
        MonthCase{"PastLoadedLines", 4, 4, 6, {"  Boston at New York 7:30", "  ", "  "}},
        MonthCase{"StartAfterEnd", 1, 4, 2, {}},
        MonthCase{"StartBelowOneIsCut", 0, -7, 1, {"   Friday, November 6"}},
        MonthCase{"ZeroStartIsCut", 0, 0, 1, {"   Friday, November 6"}},
        MonthCase{"HugeStart", 3, 1e300, 5, {}}, MonthCase{"IndexOutsideMenu", 6, 1, 3, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonthView, EndBeyondTheArrayStopsAtItsLimit) {
    NBA nba = SmallLeague();
    nba.MonthStart[4] = 899;
    nba.MonthEnd[4] = 32000;
    EXPECT_EQ(MonthLines(nba, 2).size(), 2u);  // lines 899 and 900
    nba.MonthStart[8] = 919;
    nba.MonthEnd[8] = 32767;
    EXPECT_EQ(MonthLines(nba, 5).size(), 2u);  // lines 919 and 920
    nba.MonthEnd[8] = -32768;
    EXPECT_TRUE(MonthLines(nba, 5).empty());
}

TEST(MonthView, MenuIndexToPair) {
    const int expected[] = {2, 3, 4, 6, 7, 8};
    for (int i = 0; i < kMonthViews; ++i) {
        EXPECT_EQ(MonthPairOf(i), expected[i]);
        EXPECT_EQ(MonthOnSecondHalf(i), i >= 3);
    }
    EXPECT_EQ(MonthPairOf(-1), 0);
}

// ---- Team selection ------------------------------------------------------------------------

struct ComboCase {
    const char* name;
    std::vector<std::pair<int, std::string>> nicknames;  // changes to the small league
    std::string text;
    int expected;
};

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

TEST(TeamSelection, PromptAndEmptyChooseNothing) {
    EXPECT_TRUE(IsNoTeamChosen(""));
    EXPECT_TRUE(IsNoTeamChosen("        Select Team Below"));
    EXPECT_FALSE(IsNoTeamChosen("Select Team Below"));
    EXPECT_FALSE(IsNoTeamChosen("Miami Heat"));
}

TEST(TeamSelection, ComboItemsAreCityAndNickname) {
    NBA nba = SmallLeague();
    Lines items = TeamComboItems(nba);
    ASSERT_EQ(items.size(), 29u);
    EXPECT_EQ(items[0], "Boston Celtics");
    EXPECT_EQ(items[28], "City29 Nick29");
}

// ---- Team schedules ------------------------------------------------------------------------

TEST(TeamSchedule, HeadingPerMode) {
    NBA nba = SmallLeague();
    EXPECT_EQ(TeamScheduleHeading(nba, 3, TeamScheduleMode::AllGames),
              "  NEW YORK KNICKS SCHEDULE  (all times Eastern)");
    EXPECT_EQ(TeamScheduleHeading(nba, 3, TeamScheduleMode::Home),
              "  NEW YORK KNICKS HOME SCHEDULE  (all times Eastern)");
    EXPECT_EQ(TeamScheduleHeading(nba, 1, TeamScheduleMode::Road),
              "  BOSTON CELTICS ROAD SCHEDULE  (all times Eastern)");
}

TEST(TeamSchedule, EachGameUnderItsDateBothHalves) {
    NBA nba = SmallLeague();
    EXPECT_EQ(TeamScheduleLines(nba, 2, TeamScheduleMode::AllGames),
              (Lines{"  MIAMI HEAT SCHEDULE  (all times Eastern)", " ", "   Friday, November 6",
                     "  Boston at Miami  7:30", " ", "   Friday, November 6", "  Miami at New York 8:00", " ",
                     "  Monday, February 1", "  Miami at Boston 7:30"}));
    // A second-half line starting with a blank is no date heading; the last date stays.
    EXPECT_EQ(TeamScheduleLines(nba, 3, TeamScheduleMode::AllGames).back(), "  Boston at New York 7:30");
    EXPECT_EQ(TeamScheduleLines(nba, 3, TeamScheduleMode::AllGames).at(8), "  Monday, February 1");
}

TEST(TeamSchedule, GameBeforeAnyDateGetsEmptyDate) {
    NBA nba = SmallLeague();
    nba.FirstHalfSchedule[1] = "Boston at Miami 6:00";
    EXPECT_EQ(TeamScheduleLines(nba, 1, TeamScheduleMode::AllGames).at(2), "  ");
}

TEST(TeamSchedule, CitySearchIgnoresCase) {
    NBA nba = SmallLeague();
    nba.FirstHalfCount = 1;
    nba.SecondHalfCount = 0;
    nba.FirstHalfSchedule[1] = "BOSTON at mIaMi";
    EXPECT_EQ(TeamScheduleLines(nba, 2, TeamScheduleMode::AllGames).size(), 4u);
    EXPECT_EQ(CityPosition("at the end: boston", "Boston"), 13);
    EXPECT_EQ(CityPosition("bosto", "Boston"), 0);
    // Accented capitals of the 8-bit files are letters too; the heading shows them in capitals.
    EXPECT_EQ(CityPosition("  MONTR\xc9"
                           "AL at Boston",
                           "Montr\xe9"
                           "al"),
              3);
    nba.CityNames[2] =
        "Montr\xe9"
        "al";
    EXPECT_EQ(TeamScheduleHeading(nba, 2, TeamScheduleMode::AllGames).substr(0, 10),
              "  MONTR\xc9"
              "AL");
}

TEST(TeamSchedule, EmptyCityListsEveryLine) {
    NBA nba = SmallLeague();
    nba.CityNames[2].clear();
    // Heading plus three items for each of the nine lines of both halves.
    EXPECT_EQ(TeamScheduleLines(nba, 2, TeamScheduleMode::Road).size(), 1u + 3u * 9u);
}

// Where the team's city starts decides whether a game is home or road.
struct FilterCase {
    int position;  // 1-based start of the city in the line
    bool listedHome, listedRoad;
};

class HomeRoadFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(HomeRoadFilter, ByCityPosition) {
    NBA nba = SmallLeague();
    const FilterCase& c = GetParam();
    nba.FirstHalfCount = 1;
    nba.SecondHalfCount = 0;
    nba.FirstHalfSchedule[1] = std::string(c.position - 1, 'x') + "Miami vs";
    auto listed = [&](TeamScheduleMode mode) { return TeamScheduleLines(nba, 2, mode).size() == 4; };
    EXPECT_TRUE(listed(TeamScheduleMode::AllGames));
    EXPECT_EQ(listed(TeamScheduleMode::Home), c.listedHome);
    EXPECT_EQ(listed(TeamScheduleMode::Road), c.listedRoad);
}

INSTANTIATE_TEST_SUITE_P(Positions, HomeRoadFilter,
                         ::testing::Values(FilterCase{1, false, true}, FilterCase{3, false, true},
                                           FilterCase{4, true, true}, FilterCase{5, true, false},
                                           FilterCase{12, true, false}));

TEST(TeamSchedule, DateLineNamingTheCityIsAlsoAGame) {
    NBA nba = SmallLeague();
    nba.FirstHalfSchedule[1] = " Friday, Miami day";
    Lines lines = TeamScheduleLines(nba, 2, TeamScheduleMode::AllGames);
    EXPECT_EQ(lines.at(2), "   Friday, Miami day");
    EXPECT_EQ(lines.at(3), "   Friday, Miami day");
}

TEST(TeamSchedule, NoTeamListsNothing) {
    NBA nba = SmallLeague();
    EXPECT_TRUE(TeamScheduleLines(nba, 0, TeamScheduleMode::AllGames).empty());
}

// ---- Schedule print ------------------------------------------------------------------------

struct PrintCase {
    const char* name;
    Lines items;
    std::vector<bool> selected;
    Lines page1;  // body lines of the first page (after the three header blanks), margin removed
    int pages;
};

Lines Numbered(int count, const std::string& stem = "game line ") {
    Lines lines;
    for (int i = 1; i <= count; ++i) lines.push_back(stem + std::to_string(i));
    return lines;
}

class SchedulePrint : public ::testing::TestWithParam<PrintCase> {};

TEST_P(SchedulePrint, Pages) {
    const PrintCase& c = GetParam();
    testing::RecordingPrinter printer;
    SendList(SchedulePrintSpec(), {c.items, c.selected}, "Courier New", printer);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(std::max(printer.PageCount(0), 1), c.pages);
    Lines first = printer.Page(0, 0);
    ASSERT_GE(first.size(), 3u);
    EXPECT_EQ(Lines(first.begin(), first.begin() + 3), (Lines{" ", " ", " "}));
    Lines body;
    for (size_t i = 3; i < first.size(); ++i) {
        ASSERT_EQ(first[i].substr(0, 8), "        ");
        body.push_back(first[i].substr(8));
    }
    EXPECT_EQ(body, c.page1);
}

Lines WithShortAt(int count, int shortIndex) {
    Lines lines = Numbered(count);
    lines[shortIndex] = " ";
    return lines;
}

std::vector<bool> Selecting(size_t size, std::initializer_list<size_t> picked) {
    std::vector<bool> selected(size, false);
    for (size_t i : picked) selected[i] = true;
    return selected;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SchedulePrint,
    ::testing::Values(PrintCase{"EmptyList", {}, {}, {}, 1},
                      PrintCase{"OneSelectedPrintsAll", Numbered(3), Selecting(3, {1}), Numbered(3), 1},
                      PrintCase{"TwoSelectedPrintOnlyThose",
                                Numbered(300),
                                Selecting(300, {10, 250}),
                                {"game line 11", "game line 251"},
                                1},
                      PrintCase{"SixtyLongLinesOnePage", Numbered(60), {}, Numbered(60), 1},
                      // Line 41 is the first counted past 40 but is long; the short line 45 starts page 2.
                      PrintCase{"BreakAtNextShortLine", WithShortAt(60, 44), {}, Numbered(44), 2},
                      // A short line at 40 does not break: only 40 lines are counted there.
                      PrintCase{"ShortLineAtFortyStays", WithShortAt(45, 39), {}, WithShortAt(45, 39), 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchedulePrint, ShortLineOpensPageTwoBelowFiveEmptyLines) {
    testing::RecordingPrinter printer;
    SendList(SchedulePrintSpec(), {WithShortAt(60, 44), {}}, "Courier New", printer);
    Lines page2 = printer.Page(0, 1);
    ASSERT_EQ(page2.size(), 5u + 16u);
    EXPECT_EQ(Lines(page2.begin(), page2.begin() + 5), Lines(5, ""));
    EXPECT_EQ(page2[5], "         ");  // the short line itself, behind the margin
    EXPECT_EQ(page2[6], "        game line 46");
    for (const auto& line : printer.lines) {
        if (line.page == 1) {
            EXPECT_EQ(line.size, 12);
            EXPECT_EQ(line.font, "Courier New");
        }
    }
}

Lines WithShortAt(int count, std::initializer_list<int> shortIndexes) {
    Lines lines = Numbered(count);
    for (int i : shortIndexes) lines[i] = " ";
    return lines;
}

struct BreakCase {
    const char* name;
    Lines items;
    std::vector<bool> selected;
    std::vector<std::string> firstLineOfEachPage;  // after the five empty lines, margin removed
};

void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }

class SchedulePageBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(SchedulePageBreaks, StartWhereTheCounterSays) {
    const BreakCase& c = GetParam();
    testing::RecordingPrinter printer;
    SendList(SchedulePrintSpec(), {c.items, c.selected}, "Courier New", printer);
    ASSERT_EQ(printer.PageCount(0), static_cast<int>(c.firstLineOfEachPage.size()) + 1);
    for (size_t p = 0; p < c.firstLineOfEachPage.size(); ++p) {
        const Lines page = printer.Page(0, static_cast<int>(p) + 1);
        ASSERT_GT(page.size(), 5u);
        EXPECT_EQ(Lines(page.begin(), page.begin() + 5), Lines(5, ""));
        EXPECT_EQ(page[5], "        " + c.firstLineOfEachPage[p]) << "page " << p + 2;
    }
}

std::vector<bool> SelectingRange(size_t size, size_t from, size_t to) {
    std::vector<bool> selected(size, false);
    for (size_t i = from; i <= to; ++i) selected[i] = true;
    return selected;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SchedulePageBreaks,
    ::testing::Values(
        // The line that breaks is not counted on its new page: 41 more lines are needed.
        BreakCase{"CounterRestartsAfterTheBreakingLine", WithShortAt(100, {44, 85}), {}, {" ", " "}},
        BreakCase{"FortyAfterTheBreakIsNotEnough", WithShortAt(100, {44, 84}), {}, {" "}},
        // In selected mode only selected lines count, but any short line can break, and an
        // unselected one is then not printed: the page starts with the next selected line.
        BreakCase{"UnselectedShortLineBreaksSelectedPrint",
                  WithShortAt(60, {50}),
                  [] {
                      auto s = SelectingRange(60, 0, 49);
                      s[55] = true;
                      return s;
                  }(),
                  {"game line 56"}},
        BreakCase{
            "UnselectedLinesAreNotCounted", WithShortAt(100, {44, 70}), SelectingRange(100, 60, 99), {}},
        BreakCase{"SelectedShortLineBreaksAndIsPrinted",
                  WithShortAt(100, {90}),
                  SelectingRange(100, 40, 99),
                  {" "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SchedulePrint, HeaderAtEighteenBodyAtTwelveInThePrinterFont) {
    testing::RecordingPrinter printer;
    SendList(SchedulePrintSpec(), {WithShortAt(60, {44}), {}}, "Lucida Console", printer);
    ASSERT_GT(printer.lines.size(), 3u);
    for (size_t i = 0; i < printer.lines.size(); ++i) {
        EXPECT_EQ(printer.lines[i].font, "Lucida Console");
        EXPECT_EQ(printer.lines[i].size, i < 3 ? 18 : 12) << i;
    }
}

TEST(SchedulePrint, Values) {
    ListPrintSpec spec = SchedulePrintSpec();
    EXPECT_EQ(spec.confirmText, "Ready to send Schedule to the Printer.");
    EXPECT_EQ(spec.confirmTitle, "Tavix");
    EXPECT_EQ(spec.headerSize, 18);
    EXPECT_EQ(spec.bodySize, 12);
    EXPECT_TRUE(spec.selectedLinesRule);
}

}  // namespace
}  // namespace tavix
