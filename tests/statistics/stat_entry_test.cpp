#include "statistics/stat_entry.h"

#include <gtest/gtest.h>

#include "tests/statistics/test_league.h"

namespace tavix {
namespace {

struct WholeCase {
    const char* text;
    std::optional<int16_t> expected;
};
class ReadWholeNumberTest : public ::testing::TestWithParam<WholeCase> {};
TEST_P(ReadWholeNumberTest, LeadingNumberRoundedHalfToEven) {
    EXPECT_EQ(ReadWholeNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}
INSTANTIATE_TEST_SUITE_P(
    Texts, ReadWholeNumberTest,
    ::testing::Values(WholeCase{"12", 12}, WholeCase{"  12 ", 12}, WholeCase{"1 2", 12},
                      WholeCase{"12abc", 12}, WholeCase{"abc", 0}, WholeCase{"", 0}, WholeCase{"2.5", 2},
                      WholeCase{"3.5", 4}, WholeCase{"-2.5", -2}, WholeCase{"2.51", 3},
                      WholeCase{"1e3", 1000}, WholeCase{"32767.4", 32767}, WholeCase{"-32768", -32768},
                      WholeCase{"32767.5", std::nullopt}, WholeCase{"99999", std::nullopt},
                      WholeCase{"-40000", std::nullopt}, WholeCase{"1e300", std::nullopt}));

struct GamesCase {
    const char* wins;
    const char* losses;
    const char* games;
    std::optional<std::string> pct;
};
class GamesAndPctTest : public ::testing::TestWithParam<GamesCase> {};
TEST_P(GamesAndPctTest, Panels) {
    const GamesCase& c = GetParam();
    EXPECT_EQ(GamesPlayedText(c.wins, c.losses), c.games);
    EXPECT_EQ(PercentageText(c.wins, c.losses), c.pct);
}
INSTANTIATE_TEST_SUITE_P(
    Records, GamesAndPctTest,
    ::testing::Values(GamesCase{"12", "4", "16", ".750"}, GamesCase{"5", "3", "8", ".625"},
                      GamesCase{"9", "0", "9", "1.000"}, GamesCase{"", "", "0", ".000"},
                      GamesCase{"0", "7", "7", ".000"}, GamesCase{"2.5", "1", "3.5", ".714"},
                      GamesCase{"x", "4", "4", ".000"}, GamesCase{"-5", "2", "-3", std::nullopt}));

TEST(AverageText, OneDecimalNoLeadingZero) {
    EXPECT_EQ(AverageText(98.46), "98.5");
    EXPECT_EQ(AverageText(0), ".0");
    EXPECT_EQ(AverageText(0.44), ".4");
    EXPECT_EQ(AverageText(101.25), "101.3");
}

struct DayCase {
    int day, month, up, down;
};
class DaySpinTest : public ::testing::TestWithParam<DayCase> {};
TEST_P(DaySpinTest, StopsAtTheMonthEnd) {
    EXPECT_EQ(DayUp(GetParam().day, GetParam().month), GetParam().up);
    EXPECT_EQ(DayDown(GetParam().day), GetParam().down);
}
INSTANTIATE_TEST_SUITE_P(Days, DaySpinTest,
                         ::testing::Values(DayCase{28, 2, 29, 27}, DayCase{29, 2, 29, 28},
                                           DayCase{30, 2, 31, 29}, DayCase{29, 4, 30, 28},
                                           DayCase{30, 4, 30, 29}, DayCase{30, 6, 30, 29},
                                           DayCase{30, 9, 30, 29}, DayCase{30, 11, 30, 29},
                                           DayCase{30, 1, 31, 29}, DayCase{31, 12, 31, 30},
                                           DayCase{1, 5, 2, 1}, DayCase{30, 12, 31, 29}));

TEST(DateSpins, MonthsAndYearsDoNotWrap) {
    EXPECT_EQ(MonthUp(12), 12);
    EXPECT_EQ(MonthUp(11), 12);
    EXPECT_EQ(MonthDown(1), 1);
    EXPECT_EQ(MonthDown(2), 1);
    EXPECT_EQ(YearUp(1999), 2000);
    EXPECT_EQ(YearDown(1999), 1998);
    EXPECT_EQ(YearUp(32767), 32767);
    EXPECT_EQ(YearDown(-32768), -32768);
}

TEST(EntryDate, TodayWithoutLeadingZeros) {
    const EntryDate d = EntryDateFrom({1999, 3, 4});
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, "4");
    EXPECT_EQ(d.year, "1999");
    EXPECT_STREQ(kMonthNames[d.month], "Mar");
    EXPECT_EQ(EntryDateFrom({2026, 12, 31}).day, "31");
}

struct ChangeCase {
    const char* name;
    std::function<void(NBA&)> edit;
    bool found;
};
class EntryChangesTest : public ::testing::TestWithParam<ChangeCase> {};
TEST_P(EntryChangesTest, OnlyWinsAndPointsScoredCount) {
    NBA nba = testing::MadeUpLeague();
    nba.OffenseAve[9] = 101.3;
    const EntrySnapshot saved = TakeEntrySnapshot(nba);
    GetParam().edit(nba);
    EXPECT_EQ(EntryChangesFound(nba, saved), GetParam().found);
}
INSTANTIATE_TEST_SUITE_P(
    Edits, EntryChangesTest,
    ::testing::Values(ChangeCase{"Nothing", [](NBA&) {}, false},
                      ChangeCase{"Wins", [](NBA& n) { n.Wins[29] = 3; }, true},
                      ChangeCase{"PointsScored", [](NBA& n) { n.OffenseAve[1] = 90.1; }, true},
                      ChangeCase{"Losses", [](NBA& n) { n.Losses[5] = 1; }, false},
                      ChangeCase{"Ties", [](NBA& n) { n.Ties[5] = 1; }, false},
                      ChangeCase{"PointsAllowed", [](NBA& n) { n.DefenseAve[5] = 1; }, false},
                      // The retyped "101.3" equals the stored figure in single precision.
                      ChangeCase{"BelowSinglePrecision", [](NBA& n) { n.OffenseAve[9] = 101.3000000001; },
                                 false},
                      ChangeCase{"SlotBeyondTheLeague", [](NBA& n) { n.Wins[30] = 9; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryMessages, Worded) {
    EXPECT_EQ(
        UnrecordedChangesText(),
        "Changes were detected in database,\r\nclick OK to exit or Cancel to go back\r\nand Record changes.");
    const std::string refusal = OutOfRangeText("number of wins", "99999", "Boston Celtics");
    EXPECT_NE(refusal.find("Boston Celtics"), std::string::npos);
    EXPECT_NE(refusal.find("\"99999\""), std::string::npos);
    EXPECT_NE(refusal.find("-32768 to 32767"), std::string::npos);
}

}  // namespace
}  // namespace tavix
