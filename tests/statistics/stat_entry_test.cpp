#include "statistics/stat_entry.h"

#include <gtest/gtest.h>

#include <sstream>

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

// Every typed figure, read the same in every locale: the user's decimal separator is taken besides
// '.', and whatever is not a count or an average a game can give is refused with its reason.
TEST(ReadFigures, TakenInEveryLocaleOrRefusedWithTheReason) {
    const struct {
        const char *text, *count, *average;  // the value taken, or why not
    } cases[] = {{"0", "0", "0"},
                 {" 12 ", "12", "12"},
                 {"50", "50", "50"},
                 {"51", "is more than the season's 50 games", "51"},
                 {"94,5", "is not a whole number", "94.5"},
                 {"94.5", "is not a whole number", "94.5"},
                 {".5", "is not a whole number", "0.5"},
                 {"94.", "is not a whole number", "94"},
                 {"1,5", "is not a whole number", "1.5"},
                 {"94.55", "is not a whole number", "has more than one decimal"},
                 {"9,4.5", "is not a whole number", "is not a number"},
                 {"200", "is more than the season's 50 games", "200"},
                 {"200.1", "is not a whole number", "is not an average a basketball game can give"},
                 {"", "is empty", "is empty"},
                 {"  ", "is empty", "is empty"},
                 {"-5", "is below 0", "is below 0"},
                 {"abc", "is not a whole number", "is not a number"},
                 {"12abc", "is not a whole number", "is not a number"},
                 {"nan", "is not a whole number", "is not a number"},
                 {"inf", "is not a whole number", "is not a number"},
                 {"0x10", "is not a whole number", "is not a number"},
                 {"1e3", "is not a whole number", "is not a number"},
                 {"1 2", "is not a whole number", "is not a number"},
                 {"99999999999999999999", "is not a whole number", "is not a number"}};
    const auto Outcome = [](const TypedFigure& f) {
        std::ostringstream value;
        value << f.value;
        return f.Taken() ? value.str() : f.why;
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Outcome(ReadCount(c.text, 50)), c.count) << '"' << c.text << '"';
        EXPECT_EQ(Outcome(ReadAverage(c.text, ',')), c.average) << '"' << c.text << '"';
    }
    EXPECT_FALSE(ReadAverage("94,5", '.').Taken());   // a comma is a separator only where the user's is one
    EXPECT_EQ(ReadAverage("94.3", ',').value, 94.3);  // the double nearest to the figure typed
    EXPECT_EQ(SeasonGames(NBA{}), 82);                // no schedule: a full season
    const std::string refusal =
        CountRefusalText("number of wins", "Boston Celtics", "1,5", ReadCount("1,5", 50), 50);
    EXPECT_EQ(refusal.substr(0, refusal.find("\r\n\r\n")),
              "The number of wins for Boston Celtics (\"1,5\") is not a whole number.\r\n"
              "Please type a whole number from 0 to 50, the games of the season.");
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

// Any figure of any club, or the date, counts as a change; Discard puts every figure back.
TEST(EntryChanges, AnyFigureOrTheDateCounts) {
    const EntryDate today{3, "4", "1999"};
    const std::pair<std::function<void(NBA&, EntryDate&)>, bool> cases[] = {
        {[](NBA&, EntryDate&) {}, false},
        {[](NBA& n, EntryDate&) { n.Wins[29] = 3; }, true},
        {[](NBA& n, EntryDate&) { n.Losses[5] = 1; }, true},
        {[](NBA& n, EntryDate&) { n.Ties[5] = 1; }, true},
        {[](NBA& n, EntryDate&) { n.OffenseAve[1] = 90.1; }, true},
        {[](NBA& n, EntryDate&) { n.DefenseAve[9] += 1e-9; }, true},
        {[](NBA&, EntryDate& d) { d.month = 4; }, true},
        {[](NBA&, EntryDate& d) { d.day = "5"; }, true},
        {[](NBA&, EntryDate& d) { d.year = "2000"; }, true}};
    int row = 0;
    for (const auto& [edit, found] : cases) {
        NBA nba = testing::MadeUpLeague();
        const NBA before = nba;
        const EntrySnapshot saved = TakeEntrySnapshot(nba, today);
        EntryDate shown = today;
        edit(nba, shown);
        EXPECT_EQ(EntryChangesFound(nba, saved, shown), found) << "row " << row;
        RestoreEntrySnapshot(nba, saved);
        EXPECT_FALSE(EntryChangesFound(nba, saved, today)) << "row " << row++;
        EXPECT_EQ(nba.DefenseAve, before.DefenseAve);
    }
}

}  // namespace
}  // namespace tavix
