// The statistics of any day from the schedule's results, and the calendar they rest on.
#include "statistics/season_results.h"

#include <gtest/gtest.h>

#include "core/data_files.h"

namespace tavix {
namespace {

TEST(Dates, LongAndIsoFormsRoundTripAndNonDaysAreRefused) {
    for (const auto& [iso, longDate] : {std::pair{"1999-02-05", "Friday, February 5, 1999"},
                                        {"1999-05-05", "Wednesday, May 5, 1999"},
                                        {"2000-02-29", "Tuesday, February 29, 2000"},
                                        {"1997-10-31", "Friday, October 31, 1997"}}) {
        ASSERT_TRUE(ParseIsoDate(iso)) << iso;
        EXPECT_EQ(LongDate(*ParseIsoDate(iso)), longDate);
        EXPECT_EQ(ParseLongDate(longDate), ParseIsoDate(iso)) << longDate;
    }
    for (const char* bad : {"1999-02-29", "1999-13-01", "1999-2-5", "1999-02-00", "19990205", ""})
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
    for (const char* heading :
         {"FRIDAY, february 5, 1999", "Friday,February 5,1999", " Friday, February 5, 1999"})
        EXPECT_TRUE(ParseLongDate(heading)) << heading;
    for (const char* other : {"Friday, February 30, 1999", "Fri, February 5, 1999", "Friday, Febr 5, 1999",
                              "Boston       at Miami         90-85", " ", "Friday, February 5, 1999 x", ""})
        EXPECT_FALSE(ParseLongDate(other)) << other;
}

TEST(Scores, FoundAfterTheHomeCityWithOrWithoutOvertime) {
    const struct {
        const char* line;
        const char* bare;
    } cases[] = {
        {"Dallas       at Seattle      86-92 OT", "Dallas       at Seattle"},
        {"Dallas       at Golden State 102-99 2OT", "Dallas       at Golden State"},
        {"Toronto      at Boston       103-92", "Toronto      at Boston"},
        {"Toronto      at Boston       103-92   ", "Toronto      at Boston"},
        {"Toronto      at Boston", "Toronto      at Boston"},                        // not played yet
        {"Toronto      at Boston       103-", "Toronto      at Boston       103-"},  // no score
        {"Toronto      at Boston       1030-92", "Toronto      at Boston       1030-92"},
        {"Toronto      at Boston       OT", "Toronto      at Boston       OT"},
        {"10-2 at 3", "10-2 at 3"},  // too early in the line to follow a home city
    };
    for (const auto& c : cases) EXPECT_EQ(WithoutScore(c.line), c.bare) << c.line;
}

TEST(Totals, EveningIncludesTheDayAndMorningDoesNot) {
    const std::vector<GameResult> games = {
        {{1999, 2, 5}, 1, 2, 100, 90},
        {{1999, 2, 6}, 2, 1, 95, 91},
        {{1999, 2, 6}, 3, 1, 80, 70},
        {{1999, 2, 7}, 40, 1, 1, 2},  // no such team: never summed, never indexed
    };
    const Date day{1999, 2, 6};
    const auto morning = TotalsBefore(games, day), evening = TotalsThrough(games, day);
    EXPECT_EQ(std::make_tuple(morning[1].wins, morning[1].losses, morning[1].pointsFor),
              std::make_tuple(1, 0, 100L));
    EXPECT_EQ(std::make_tuple(evening[1].wins, evening[1].losses, evening[1].games, evening[1].pointsAgainst),
              std::make_tuple(1, 2, 3, 90L + 95 + 80));
    EXPECT_EQ(evening[3].wins, 1);
    EXPECT_EQ(morning[3].games, 0);
    NBA nba;
    nba.Ties[1] = 4;
    nba.Wins[30] = 7;
    SetCurrentSeason(nba, evening);
    EXPECT_EQ(std::make_tuple(nba.Wins[1], nba.Losses[1], nba.Ties[1], nba.Wins[30]),
              std::make_tuple(1, 2, 0, 7));
    EXPECT_EQ(nba.OffenseAve[1], NewspaperAverage(100 + 91 + 70, 3));
    EXPECT_EQ(nba.OffenseAve[4], 0.0);  // no game yet
}

TEST(Figures, AveragesRoundToOneDecimalHalvesUp) {
    const std::tuple<long, int, double> cases[] = {
        {4640, 50, 92.8},      {4650, 50, 93.0},  {8652, 82, 105.5}, {3, 20, 0.2} /*0.15*/,
        {5, 20, 0.3} /*0.25*/, {1001, 10, 100.1}, {0, 0, 0.0},       {99, 0, 0.0}};
    for (const auto& [points, games, expected] : cases)
        EXPECT_EQ(NewspaperAverage(points, games), expected) << points << " in " << games;
}

class SuppliedSchedule : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadLeague(std::string(TAVIX_SOURCE_DIR) + "/data", "/nonexistent/TVX.ini", nba)
                        .NeedsLoadingMessage() == false);
    }
    NBA nba;
};

TEST_F(SuppliedSchedule, EveryGameIsFoundWithItsResult) {
    const auto games = ScheduledGames(nba);
    ASSERT_EQ(games.size(), 725u);
    int homeWins = 0;
    for (const auto& g : games) {
        EXPECT_TRUE(g.played);
        EXPECT_NE(g.road, g.home);
        homeWins += g.homePoints > g.roadPoints;
    }
    EXPECT_EQ(homeWins, 452);
    EXPECT_EQ(games.front().date, (Date{1999, 2, 5}));
    EXPECT_EQ(games.back().date, (Date{1999, 5, 5}));
}

TEST_F(SuppliedSchedule, TheLastEveningGivesTheSuppliedStatistics) {
    NBA replayed = nba;
    SetCurrentSeason(replayed, TotalsThrough(PlayedGames(ScheduledGames(nba)), Date{1999, 5, 5}));
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(
            std::make_tuple(replayed.Wins[t], replayed.Losses[t], replayed.Ties[t], replayed.OffenseAve[t],
                            replayed.DefenseAve[t]),
            std::make_tuple(nba.Wins[t], nba.Losses[t], nba.Ties[t], nba.OffenseAve[t], nba.DefenseAve[t]))
            << "team " << t;
    }
}

}  // namespace
}  // namespace tavix
