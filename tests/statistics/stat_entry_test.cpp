#include "statistics/stat_entry.h"

#include <gtest/gtest.h>

#include "tests/support/leagues.h"

namespace tavix {
namespace {

TEST(ReadWholeNumber, LeadingNumberRoundedHalfToEvenWithinSixteenBits) {
    const std::pair<const char*, std::optional<int16_t>> cases[] = {{"  12 ", 12},
                                                                    {"1 2", 12},
                                                                    {"12abc", 12},
                                                                    {"abc", 0},
                                                                    {"", 0},
                                                                    {"2.5", 2},
                                                                    {"3.5", 4},
                                                                    {"-2.5", -2},
                                                                    {"2.51", 3},
                                                                    {"1e3", 1000},
                                                                    {"32767.4", 32767},
                                                                    {"-32768", -32768},
                                                                    {"32767.5", std::nullopt},
                                                                    {"-40000", std::nullopt},
                                                                    {"1e300", std::nullopt},
                                                                    {"1e400", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ReadWholeNumber(text), expected) << '"' << text << '"';
}

// What the statistics window stores for a club, and what it refuses with a message: counts below
// 0 or beyond 16 bits, and averages no basketball game gives (a float could not even hold some).
TEST(ReadFigures, CountsAndAveragesAGameCanGive) {
    const struct {
        const char* text;
        std::optional<int16_t> count;
        std::optional<double> average;
    } cases[] = {{"0", 0, 0.0},
                 {"", 0, 0.0},
                 {".0", 0, 0.0},
                 {"98.46", 98, 98.46},
                 {"300", 300, 300.0},
                 {"300.01", 300, std::nullopt},
                 {"-5", std::nullopt, std::nullopt},
                 {"-0.4", 0, std::nullopt},
                 {"32767", 32767, std::nullopt},
                 {"32768", std::nullopt, std::nullopt},
                 {"1234567890123.4", std::nullopt, std::nullopt},
                 {"1e39", std::nullopt, std::nullopt},
                 {"1e300", std::nullopt, std::nullopt},
                 {"1e400", std::nullopt, std::nullopt},
                 {"-1e400", std::nullopt, std::nullopt},
                 {"1e-300", 0, 1e-300}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadCount(c.text), c.count) << '"' << c.text << '"';
        EXPECT_EQ(ReadAverage(c.text), c.average) << '"' << c.text << '"';
    }
}

TEST(EntryPanels, GamesPercentageAndAverage) {
    const struct {
        const char *wins, *losses, *games;
        std::optional<std::string> pct;
    } cases[] = {{"12", "4", "16", ".750"},   {"9", "0", "9", "1.000"}, {"", "", "0", ".000"},
                 {"2.5", "1", "3.5", ".714"}, {"x", "4", "4", ".000"},  {"-5", "2", "-3", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(GamesPlayedText(c.wins, c.losses), c.games) << c.wins << "-" << c.losses;
        EXPECT_EQ(PercentageText(c.wins, c.losses), c.pct) << c.wins << "-" << c.losses;
    }
    EXPECT_EQ(AverageText(98.46), "98.5");
    EXPECT_EQ(AverageText(0.44), ".4");
}

TEST(DateSpins, StopAtTheEndsWithoutWrapping) {
    const int days[][4] = {{28, 2, 29, 27},  {29, 2, 29, 28}, {30, 2, 31, 29}, {29, 4, 30, 28},
                           {30, 4, 30, 29},  {30, 6, 30, 29}, {30, 9, 30, 29}, {30, 11, 30, 29},
                           {31, 12, 31, 30}, {1, 5, 2, 1}};
    for (const auto& d : days) {
        EXPECT_EQ(DayUp(d[0], d[1]), d[2]) << d[0] << "/" << d[1];
        EXPECT_EQ(DayDown(d[0]), d[3]) << d[0];
    }
    EXPECT_EQ(MonthUp(12), 12);
    EXPECT_EQ(MonthDown(1), 1);
    EXPECT_EQ(YearUp(32767), 32767);
    EXPECT_EQ(YearDown(-32768), -32768);
    const EntryDate d = EntryDateFrom({1999, 3, 4});
    EXPECT_EQ(std::make_tuple(d.month, d.day, d.year),
              std::make_tuple(3, std::string("4"), std::string("1999")));
}

// Only wins and points scored count as a change; a retyped "101.3" equals the stored figure in
// single precision.
TEST(EntryChanges, OnlyWinsAndPointsScoredCount) {
    const std::pair<std::function<void(NBA&)>, bool> cases[] = {
        {[](NBA&) {}, false},
        {[](NBA& n) { n.Wins[29] = 3; }, true},
        {[](NBA& n) { n.OffenseAve[1] = 90.1; }, true},
        {[](NBA& n) { n.Losses[5] = 1, n.Ties[5] = 1, n.DefenseAve[5] = 1; }, false},
        {[](NBA& n) { n.OffenseAve[9] = 101.3000000001; }, false},
        {[](NBA& n) { n.Wins[30] = 9; }, false}};
    int row = 0;
    for (const auto& [edit, found] : cases) {
        NBA nba = testing::MadeUpLeague();
        nba.OffenseAve[9] = 101.3;
        const EntrySnapshot saved = TakeEntrySnapshot(nba);
        edit(nba);
        EXPECT_EQ(EntryChangesFound(nba, saved), found) << "row " << row++;
    }
    const std::string refusal = OutOfRangeText("number of wins", "99999", "Boston Celtics");
    EXPECT_NE(refusal.find("Boston Celtics"), std::string::npos);
    EXPECT_NE(refusal.find("\"99999\""), std::string::npos);
    EXPECT_NE(refusal.find("0 to 32767"), std::string::npos);
    const std::string average = AverageOutOfRangeText("average of points scored", "1e39", "Boston Celtics");
    EXPECT_NE(average.find("\"1e39\""), std::string::npos);
    EXPECT_NE(average.find("from 0 to 300 points"), std::string::npos);
}

}  // namespace
}  // namespace tavix
