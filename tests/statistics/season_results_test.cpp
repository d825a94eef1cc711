// The statistics of any day from the schedule's results, and the calendar they rest on.
#include "statistics/season_results.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/data_files.h"
#include "statistics/season_replay.h"
#include "tests/support/data_folders.h"
#include "tests/support/leagues.h"
#include "ui/main/schedule_views.h"

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

// Games are read under the heading above them, across the halves; a line under a heading that
// names no two teams is kept out and reported once with its place in the file.
TEST(ScheduleModel, GamesTheirDaysAndTheLinesThatNameNoTeam) {
    NBA nba = tavix::testing::SmallLeague();
    const std::vector<std::string> first = {"No games yet", "Thursday, February 4, 1999",
                                            "Utah   at Boston  90-80 2OT"};
    const std::vector<std::string> second = {"Chicago at Utah", "Tip-off at noon", " ",
                                             "Friday, February 5, 1999", "Boston at Chicago 77-88"};
    nba.FirstHalfCount = 3, nba.SecondHalfCount = 5;
    for (size_t i = 0; i < first.size(); ++i) nba.FirstHalfSchedule[i + 1] = first[i];
    for (size_t i = 0; i < second.size(); ++i) nba.SecondHalfSchedule[i + 1] = second[i];
    const auto model = BuildScheduleModel(nba);
    ASSERT_EQ(model->games.size(), 3u);
    const struct {
        Date date;
        int road, home, roadPoints, overtimes;
        bool played;
    } expected[] = {{{1999, 2, 4}, tavix::testing::kUtah, tavix::testing::kBoston, 90, 2, true},
                    {{1999, 2, 4}, tavix::testing::kChicago, tavix::testing::kUtah, 0, 0, false},
                    {{1999, 2, 5}, tavix::testing::kBoston, tavix::testing::kChicago, 77, 0, true}};
    for (size_t i = 0; i < 3; ++i) {
        const ScheduledGame& g = model->games[i];
        EXPECT_EQ(std::tie(g.date.day, g.road, g.home, g.roadPoints, g.overtimes, g.played),
                  std::tie(expected[i].date.day, expected[i].road, expected[i].home, expected[i].roadPoints,
                           expected[i].overtimes, expected[i].played))
            << i;
    }
    EXPECT_EQ(model->GameAt(false, 1), 1);
    EXPECT_EQ(model->GameAt(false, 2), -1);
    EXPECT_EQ(UnknownGamesMessage(*model),
              "These lines of the schedule file name no team Tavix knows; their games are left out:\n"
              "TavixSC.dat, line 5: Tip-off at noon");
    EXPECT_EQ(ScheduleAsOf(*model, {1999, 2, 4})->games[2].played, false);
    EXPECT_EQ(ScheduleAsOf(*model, {1999, 2, 5})->games[2].played, true);
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
    NBA nba = testing::SuppliedLeague();
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

// One rule for the figures, whoever worked them out: the league as of the season's last evening
// is the supplied statistics file to the byte.
TEST_F(SuppliedSchedule, TheLastEveningGivesTheSuppliedStatistics) {
    const std::string fileText = StatisticsText(nba);
    ShowLeagueAsOf(nba, Date{1999, 5, 5});
    EXPECT_EQ(StatisticsText(nba), fileText);
}

// ---- The season replay -----------------------------------------------------------------------

bool HasScore(const std::string& line) { return ScorePosition(line) != std::string::npos; }

TEST_F(SuppliedSchedule, ReplayShowsTheEveningOfADayInALeagueOfItsOwn) {
    const NBA before = nba;
    const std::string fileText = StatisticsText(nba);
    const auto games = ScheduledGames(nba);
    const auto days = GameDays(games);
    ASSERT_EQ(days.front(), (Date{1999, 2, 5}));
    ASSERT_EQ(days.back(), (Date{1999, 5, 5}));
    const struct {
        Date day;
        const char* caption;  // without the day count
    } cases[] = {
        {{1999, 2, 5}, "Replay: Friday, February 5, 1999 - game day 1 of "},
        {{1999, 3, 10}, "Replay: Wednesday, March 10, 1999 - game day "},
        {{1999, 2, 24}, "Replay: Wednesday, February 24, 1999 - game day "},
        {{1999, 5, 5}, "Replay: Wednesday, May 5, 1999 - game day "},
        {{1999, 4, 14}, "Replay: Wednesday, April 14, 1999 - game day "},
        {{1999, 1, 20}, "Replay: Wednesday, January 20, 1999"},  // before the season: no game day
    };
    // One replay jumps back and forth, as the calendar and the keys make it.
    SeasonReplay replay(nba);
    const NBA& shown = replay.League();
    for (const auto& c : cases) {
        SCOPED_TRACE(LongDate(c.day));
        replay.ShowDay(c.day);
        const auto totals = TotalsThrough(PlayedGames(games), c.day);
        for (int t = 1; t <= kLeagueTeams; ++t) {
            EXPECT_EQ(std::make_tuple(shown.Wins[t], shown.Losses[t], shown.Ties[t]),
                      std::make_tuple(totals[t].wins, totals[t].losses, 0));
            EXPECT_EQ(shown.OffenseAve[t], NewspaperAverage(totals[t].pointsFor, totals[t].games));
        }
        EXPECT_EQ(std::make_tuple(shown.UpdateMonth, shown.UpdateDay, shown.UpdateYear),
                  std::make_tuple(c.day.month, c.day.day, c.day.year));
        EXPECT_EQ(shown.PrevWins, before.PrevWins);
        EXPECT_EQ(shown.PrevDefenseAve, before.PrevDefenseAve);
        EXPECT_EQ(shown.TeamReserve, before.TeamReserve);
        for (size_t i = 0; i < games.size(); ++i) {
            const ScheduledGame& g = games[i];
            const std::string& line =
                g.firstHalf ? shown.FirstHalfSchedule[g.line] : shown.SecondHalfSchedule[g.line];
            ASSERT_EQ(HasScore(line), g.date <= c.day) << line;
            ASSERT_EQ(shown.schedule->games[i].played, g.date <= c.day) << line;
        }
        const int number = replay.DayNumber();
        EXPECT_EQ(replay.Caption(), number == 0
                                        ? std::string(c.caption)
                                        : c.caption + (number == 1 ? "" : std::to_string(number) + " of ") +
                                              std::to_string(days.size()));
        // The user's league is never touched.
        ASSERT_EQ(StatisticsText(nba), fileText);
        ASSERT_EQ(nba.SecondHalfSchedule, before.SecondHalfSchedule);
        ASSERT_EQ(nba.schedule, before.schedule);
    }
    EXPECT_EQ(nba.FirstHalfSchedule, before.FirstHalfSchedule);
}

TEST_F(SuppliedSchedule, ReplayStepsThroughEveryGameDayAndStopsAtBothEnds) {
    SeasonReplay replay(nba);
    const auto days = replay.Days();
    replay.ShowDay(days.front());
    EXPECT_FALSE(replay.PreviousDay());
    for (size_t i = 1; i < days.size(); ++i) {
        ASSERT_EQ(replay.NextDay(), days[i]);
        replay.ShowDay(*replay.NextDay());
        ASSERT_EQ(replay.DayNumber(), static_cast<int>(i) + 1);
        ASSERT_EQ(replay.PreviousDay(), days[i - 1]);
    }
    EXPECT_FALSE(replay.NextDay());
    // Days outside the season step onto its ends.
    replay.ShowDay(Date{1999, 1, 20});
    EXPECT_EQ(std::make_tuple(replay.DayNumber(), replay.PreviousDay(), replay.NextDay()),
              std::make_tuple(0, std::optional<Date>(), std::optional<Date>(days.front())));
    replay.ShowDay(Date{1999, 5, 20});
    EXPECT_EQ(std::make_tuple(replay.DayNumber(), replay.PreviousDay(), replay.NextDay()),
              std::make_tuple(0, std::optional<Date>(days.back()), std::optional<Date>()));
}

// Nothing saves a replay's figures: its league, or a copy of it, refuses every save and says why;
// the user's league saves its own figures while a replay is on.
TEST_F(SuppliedSchedule, AReplaysLeagueIsNeverSaved) {
    const std::string fileText = StatisticsText(nba);
    const testing::TempFolder folder;
    const std::string& dir = folder.path;
    SeasonReplay replay(nba);
    replay.ShowDay(Date{1999, 3, 1});
    NBA copy = replay.League();
    for (NBA* evening : {&replay.League(), &copy}) {
        const WriteResult saved = SaveStatistics(dir, *evening);
        EXPECT_FALSE(saved.ok);
        EXPECT_NE(saved.error.find("season replay"), std::string::npos) << saved.error;
        EXPECT_FALSE(SaveSettings(*evening).ok);
    }
    EXPECT_FALSE(ReadWholeFile(JoinPath(dir, kStatisticsFile)));
    ASSERT_TRUE(SaveStatistics(dir, nba).ok);
    EXPECT_EQ(*ReadWholeFile(JoinPath(dir, kStatisticsFile)), fileText);
    // The companion's --as-of keeps the league it was given savable.
    ShowLeagueAsOf(nba, Date{1999, 3, 1});
    EXPECT_TRUE(SaveStatistics(dir, nba).ok);
}

// A schedule view on show follows a step: its items become what the same view built on the new day
// shows, whichever days they were built on.
TEST_F(SuppliedSchedule, ScheduleItemsFollowTheShownDay) {
    const std::function<ScheduleList(const NBA&)> views[] = {
        [](const NBA& n) { return SecondHalfLines(n); },
        [](const NBA& n) { return MonthLines(n, 4); },
        [](const NBA& n) { return TeamScheduleLines(n, 25, TeamScheduleMode::AllGames); },
        [](const NBA& n) { return TeamScheduleLines(n, 3, TeamScheduleMode::Road); },
    };
    const std::pair<Date, std::optional<Date>> steps[] = {
        {{1999, 3, 10}, Date{1999, 3, 11}},
        {{1999, 3, 11}, Date{1999, 2, 5}},
        {{1999, 5, 5}, Date{1999, 3, 20}},
        {{1999, 3, 20}, std::nullopt},  // the replay ends: every score is back
    };
    const auto fileView = [&](size_t v) { return views[v](nba); };
    for (size_t v = 0; v < std::size(views); ++v) {
        for (const auto& [from, to] : steps) {
            SeasonReplay replay(nba);
            replay.ShowDay(from);
            const ScheduleList built = views[v](replay.League());
            std::vector<std::string> items = built.lines;
            if (to) replay.ShowDay(*to);
            RefreshScheduleItems(to ? replay.League() : nba, items, built.games);
            EXPECT_EQ(items, views[v](to ? replay.League() : nba).lines)
                << "view " << v << " to " << (to ? LongDate(*to) : "the end");
        }
        EXPECT_EQ(views[v](nba).lines, fileView(v).lines);
    }
}

}  // namespace
}  // namespace tavix
