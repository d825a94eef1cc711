// How the rule fared against the results: lines worked out by hand, the whole supplied season, and
// a user's own small schedule with a renamed team.
#include "predictions/prediction_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/data_files.h"
#include "predictions/block_predictions.h"
#include "tests/support/leagues.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

class SuppliedSeason : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        league_ = new NBA;
        const LoadReport report =
            LoadLeague(std::string(TAVIX_SOURCE_DIR) + "/data", "/nonexistent/TVX.ini", *league_);
        if (report.statisticsOk && report.scheduleOk && report.namesOk)
            record_ = new std::vector<RecordedGame>(BuildPredictionRecord(*league_));
    }
    static void TearDownTestSuite() {
        delete record_;
        delete league_;
        record_ = nullptr;
        league_ = nullptr;
    }
    void SetUp() override {
        if (!record_) GTEST_SKIP() << "supplied data files not readable";
    }
    const RecordedGame* Find(Date day, const std::string& roadNickname) const {
        for (const RecordedGame& r : *record_)
            if (r.game.date == day && league_->TeamNames[r.game.road] == roadNickname) return &r;
        return nullptr;
    }
    static NBA* league_;
    static std::vector<RecordedGame>* record_;
};
NBA* SuppliedSeason::league_ = nullptr;
std::vector<RecordedGame>* SuppliedSeason::record_ = nullptr;

// Worked out by hand from the statistics file's 1997-98 figures and the results of the days before.
// Up to 11 games a team's averages are the mean of both seasons; a team yet to play stands at half
// its 1997-98 differential. Boston (team 1) has played fewer than 10 games, so every total is the
// 1997-98 figure rounded down. All rating arithmetic is single precision, as the rule holds it.
//
// Feb 5, Cleveland at Atlanta: nobody has played. Cleveland (92.5 - 89.8) / 2 = 1.35, Atlanta
//   (95.9 - 92.3) / 2 = 1.8, plus 2.0 at home = 3.8; margin 2.45, held as 2.4499999: "by 2.4".
//   Total (89.8 + 92.5 + 95.9 + 92.3) / 2 = 185.25 -> 185. 83-100: the Hawks won; 183 is under.
// Feb 5, New York at Orlando: New York (91.6 - 89.1) / 2 = 1.25, Orlando (90.1 - 91.2) / 2 + 2.0 =
//   1.45, within 1.0: a Pick. Total 362 / 2, but the double sum of the four is 361.99999999999994,
//   so the total rounds down to 180.
// Feb 6, New Jersey at Atlanta: New Jersey has not played: (99.6 - 98.1) / 2 = 0.75. Atlanta beat
//   Cleveland 100-83: offense 95.9 + (100 - 95.9) / 2 = 97.95, defense 92.3 - (92.3 - 83) / 2 =
//   87.65, rating 10.3, 12.3 at home; margin 11.55, held as 11.5500002: "by 11.6". Total
//   (98.1 + 99.6 + 95.9 + 92.3) / 2 = 192.95 -> 192. 106-111: won; 217 is over.
// Feb 6, Cleveland at Boston: Cleveland lost 83-100: offense 92.5 - 9.5 / 2 = 87.75, defense
//   89.8 + 10.2 / 2 = 94.9, rating -7.15. Boston lost 92-103 to Toronto: offense 95.9 - 3.9 / 2 =
//   93.95, defense 98.5 + 4.5 / 2 = 100.75, rating -6.8, -4.8 at home; margin 2.35, held as
//   2.3499999: "by 2.3". Total (89.8 + 92.5 + 95.9 + 98.5) / 2 = 188.35 -> 188. 73-77: won; 150 under.
TEST_F(SuppliedSeason, EarlyGamesGiveTheLinesWorkedOutByHand) {
    const struct {
        Date day;
        const char* road;
        const char* line;
        PickOutcome pick;
        TotalOutcome total;
        double homeMargin;
    } cases[] = {
        {{1999, 2, 5},
         "Cavaliers",
         "Cleveland Cavaliers      at Atlanta Hawks            Hawks         by   2.4   185",
         PickOutcome::Won,
         TotalOutcome::Under,
         2.4},
        {{1999, 2, 5},
         "Knicks",
         "New York Knicks          at Orlando Magic            --  Pick                 180",
         PickOutcome::Pick,
         TotalOutcome::Under,
         0},
        {{1999, 2, 6},
         "Nets",
         "New Jersey Nets          at Atlanta Hawks            Hawks         by  11.6   192",
         PickOutcome::Won,
         TotalOutcome::Over,
         11.6},
        {{1999, 2, 6},
         "Cavaliers",
         "Cleveland Cavaliers      at Boston Celtics           Celtics       by   2.3   188",
         PickOutcome::Won,
         TotalOutcome::Under,
         2.3},
    };
    for (const auto& c : cases) {
        const RecordedGame* r = Find(c.day, c.road);
        ASSERT_NE(r, nullptr) << c.line;
        EXPECT_EQ(r->line, c.line);
        EXPECT_EQ(r->pick, c.pick) << c.line;
        EXPECT_EQ(r->total, c.total) << c.line;
        EXPECT_DOUBLE_EQ(r->predictedHomeMargin, c.homeMargin) << c.line;
    }
    EXPECT_EQ(RecordListLine(*Find({1999, 2, 5}, "Cavaliers")),
              "02-05-1999 Cleveland Cavaliers      at Atlanta Hawks            Hawks         by   2.4   185 "
              "83-100 won");
}

// The whole season: every game once, each line the block window's line from that morning's full
// re-sum of the results (the record sums day by day instead), and the counts agree with each other.
TEST_F(SuppliedSeason, EveryPlayedGameIsTheBlockWindowsLineOfItsMorning) {
    const std::vector<RecordedGame>& record = *record_;
    ASSERT_EQ(record.size(), 725u);
    const std::vector<GameResult> results = PlayedGames(ScheduledGames(*league_));
    NBA morning = *league_;
    for (size_t i = 0; i < record.size(); ++i) {
        const RecordedGame& r = record[i];
        if (i == 0 || r.game.date != record[i - 1].game.date)
            SetCurrentSeason(morning, TotalsBefore(results, r.game.date));
        const std::string& scheduleLine = r.game.firstHalf ? league_->FirstHalfSchedule[r.game.line]
                                                           : league_->SecondHalfSchedule[r.game.line];
        const auto block = BuildBlockPredictionList(
            morning, SeasonView::Current,
            {{"  " + scheduleLine, morning.schedule->GameAt(r.game.firstHalf, r.game.line)}}, {1999, 6, 1});
        ASSERT_EQ(r.line, block.at(1)) << FormatDate(r.game.date) << " " << scheduleLine;
        EXPECT_EQ(r.pick == PickOutcome::Pick, r.line.find("--  Pick") != std::string::npos) << r.line;
        // The figures judged are those the line shows (margin in columns 72-75, total from 79).
        EXPECT_EQ(r.shownTotal, std::stoi(r.line.substr(78))) << r.line;
        const double shownMargin = r.pick == PickOutcome::Pick ? 0 : std::stod(r.line.substr(71, 5));
        EXPECT_EQ(std::fabs(r.predictedHomeMargin), shownMargin) << r.line;
        EXPECT_TRUE(i == 0 || !(r.game.date < record[i - 1].game.date));
    }

    const RecordSummary all = SummariseRecord(record);
    EXPECT_EQ(all.games, 725);
    EXPECT_EQ(all.homeWins, 452);
    EXPECT_EQ(all.overs + all.unders + all.pushes, 725);
    int monthGames = 0;
    for (int m = 0; m < 6; ++m) monthGames += SummariseRecord(record, m).games;
    EXPECT_EQ(monthGames, 725);  // every game in one of the schedule's months
    // The chart's margins and the calibration's chances each hold every game with a favourite once.
    const Calibration calibration = CalibrateChances(record);
    int games[2] = {}, wins[2] = {};
    for (const MarginBucket& b : MarginBuckets(record)) games[0] += b.games, wins[0] += b.favouriteWins;
    for (const ChanceBand& b : calibration.bands) games[1] += b.games, wins[1] += b.favouriteWins;
    for (int i : {0, 1})
        EXPECT_EQ(std::make_pair(games[i], wins[i]),
                  std::make_pair(all.games - all.picks, all.favouriteWins));
    EXPECT_LT(calibration.brier, kCoinBrier);  // the season's chances beat a coin
}

// Every printed page says what it is and which page of how many; a page that opens inside the game
// list repeats the columns' headings, and the game list starts under them.
TEST_F(SuppliedSeason, PrintedPagesAreTitledNumberedAndHeaded) {
    const std::vector<std::string> lines = RecordPrintLines(*record_);
    testing::RecordingPrinter printer;
    SendList(PredictionRecordPrintScheme(lines), {lines, {}}, "", printer);
    const int pages = printer.PageCount(0);
    ASSERT_GT(pages, 10);
    const std::string heading = "     " + RecordGameHeading();
    for (int p = 0; p < pages; ++p) {
        const std::vector<std::string> page = printer.Page(0, p);
        const size_t top = p == 0 ? 4 : 5;  // under the header, or under a new page's blank lines
        ASSERT_GT(page.size(), top + 2);
        EXPECT_EQ(page[top], "     Tavix Prediction Record   page " + std::to_string(p + 1) + " of " +
                                 std::to_string(pages));
        EXPECT_EQ(page[top + 2] == heading, p >= 1) << p;  // the games start on the first page
    }
    EXPECT_EQ(lines[std::find(lines.begin(), lines.end(), RecordGameHeading()) - lines.begin() + 1],
              "Friday, February 5, 1999");
}

// A user's own files: Boston renamed, a schedule typed with the days out of order, a game played
// twice on one day by the same team and a game without a score yet.
NBA TypedSchedule() {
    NBA nba = testing::SmallLeague();
    nba.CityNames[1] = "Beantown";
    nba.TeamNames[1] = "Shamrocks";
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.PrevOffenseAve[t] = 100;
        nba.PrevDefenseAve[t] = 100;
    }
    nba.PrevOffenseAve[1] = 104, nba.PrevDefenseAve[1] = 96;  // rating 8, 4 before a game
    nba.PrevOffenseAve[4] = 98;                               // New York: -2, -1 before a game
    const char* const lines[] = {
        "Saturday, February 6, 1999",
        "Beantown     at New York     90-100",
        " ",
        "Friday, February 5, 1999",
        "New York     at Beantown     95-105",
        "Miami        at Beantown     88-80",
        "Chicago      at Utah",
    };
    for (const char* line : lines) nba.SecondHalfSchedule[++nba.SecondHalfCount] = line;
    nba.MonthStart[6] = 1;
    nba.MonthEnd[6] = 9;
    return nba;
}

// By hand: Feb 5 nobody has played. New York -1, Beantown 4 + 2 at home: by 7.0; Miami 0: by 6.0;
// totals (98 + 100 + 104 + 96) / 2 = 199 and 200. Feb 6 Beantown is 1-1 with 92.5 and 91.5 a game:
// offense 104 - 11.5 / 2 = 98.25, defense 96 - 4.5 / 2 = 93.75, 4.5; New York lost 95-105: 98 - 1.5
// = 96.5 and 100 + 2.5 = 102.5, -6 and -4 at home: Beantown by 8.5, total 199.
TEST(TypedSchedule, RenamedTeamAndOwnResultsGiveTheRecordWorkedOutByHand) {
    const NBA nba = TypedSchedule();
    const std::vector<RecordedGame> record = BuildPredictionRecord(nba);
    const char* const expected[] = {
        "New York Knicks          at Beantown Shamrocks       Shamrocks     by   7.0   199",
        "Miami Heat               at Beantown Shamrocks       Shamrocks     by   6.0   200",
        "Beantown Shamrocks       at New York Knicks          Shamrocks     by   8.5   199",
    };
    ASSERT_EQ(record.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(record[i].line, expected[i]);
    EXPECT_EQ(record[0].pick, PickOutcome::Won);
    EXPECT_EQ(record[1].pick, PickOutcome::Lost);
    EXPECT_EQ(record[2].pick, PickOutcome::Lost);
    // Level records go to the home team; on Feb 6 Beantown (1-1) beats New York's 0-1.
    EXPECT_EQ(
        std::vector<bool>({record[0].betterRecordWon, record[1].betterRecordWon, record[2].betterRecordWon}),
        std::vector<bool>({true, false, false}));
    EXPECT_EQ(nba.CityNames[1], "Beantown");  // the league itself is left as it was
    EXPECT_EQ(nba.Wins[1], 0);

    // Margins off by 3, 14 and 18.5; totals off by 1, 32 and 9.
    const RecordSummary s = SummariseRecord(record);
    EXPECT_EQ(std::make_tuple(s.games, s.picks, s.favouriteWins, s.homeWins, s.betterRecordWins),
              std::make_tuple(3, 0, 1, 2, 1));
    EXPECT_NEAR(s.marginError, 35.5 / 3, 1e-9);
    EXPECT_NEAR(s.totalError, 14.0, 1e-9);
    EXPECT_EQ(std::make_tuple(s.overs, s.unders, s.pushes), std::make_tuple(1, 2, 0));
    EXPECT_EQ(SummariseRecord(record, 3).games, 3);  // February's month view holds every line
    EXPECT_EQ(SummariseRecord(record, 4).games, 0);

    const auto buckets = MarginBuckets(record);
    EXPECT_EQ(std::make_pair(buckets[2].games, buckets[2].favouriteWins), std::make_pair(1, 0));  // 4-7: 6.0
    EXPECT_EQ(std::make_pair(buckets[3].games, buckets[3].favouriteWins), std::make_pair(2, 1));  // 7-10

    // Chances by hand from the normal curve: 7.0 points 72.0%, 6.0 69.1%, 8.5 76.1%. Brier: the home
    // team's chance against what happened, (1 - .720)^2 + .691^2 + (.239 - 1)^2 over 3 = 0.378.
    const Calibration c = CalibrateChances(record);
    EXPECT_EQ(std::make_tuple(c.bands[1].games, c.bands[1].favouriteWins), std::make_tuple(1, 0));
    EXPECT_EQ(std::make_tuple(c.bands[2].games, c.bands[2].favouriteWins), std::make_tuple(2, 1));
    EXPECT_NEAR(c.bands[2].chanceSum, 0.7202 + 0.7606, 1e-4);
    EXPECT_NEAR(c.brier, 0.3783, 1e-4);
    EXPECT_EQ(RecordChanceColumn(record),
              (std::vector<std::string>{" ", "72.0%", "69.1%", " ", " ", "76.1%"}));

    const std::vector<std::string> lines = RecordGameLines(record);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Friday, February 5, 1999");
    EXPECT_EQ(lines[1], std::string(expected[0]) + "  95-105   won  over");
    EXPECT_EQ(lines[2], std::string(expected[1]) + "  88-80    lost under");
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "Saturday, February 6, 1999");
    EXPECT_EQ(lines[5], std::string(expected[2]) + "  90-100   lost under");
}

TEST(TypedSchedule, SummaryAndChartRowsShowTheFigures) {
    const std::vector<RecordedGame> record = BuildPredictionRecord(TypedSchedule());
    const std::vector<std::string> summary = RecordSummaryLines(record);
    const auto row = std::find_if(summary.begin(), summary.end(),
                                  [](const std::string& l) { return l.rfind("All games", 0) == 0; });
    ASSERT_NE(row, summary.end());
    EXPECT_EQ(*row,
              "All games       3     0       1-2  33.3%    11.8    14.0     1     2    0   66.7%   33.3%");
    EXPECT_EQ(summary.back(), "Picking the better record:   33.3% of 3 games (equal records: the home team)");

    const std::vector<std::string> chart = MarginChartLines(record);
    ASSERT_EQ(chart.size(), 7u);
    // 7-10: one of two won, 25 of the 50 bar characters; the home team's 66.7% stands at 33.
    EXPECT_EQ(chart[5], "7-10        2    50.0%  " + std::string(25, '#') + std::string(8, ' ') + "|");
    EXPECT_EQ(chart[2], "0-2         0     0.0%  " + std::string(33, ' ') + "|");

    const std::vector<std::string> calibration = CalibrationLines(record);
    ASSERT_EQ(calibration.size(), 9u);
    EXPECT_EQ(calibration[2], "50-60%        0    0.0%       -");
    EXPECT_EQ(calibration[4], "70-80%        2   50.0%   74.0%");
    EXPECT_EQ(calibration[7], "Brier score 0.378 over 3 games");
}

TEST(TypedSchedule, NoResultsGiveAnEmptyRecordWithoutDividingByZero) {
    NBA nba = testing::SmallLeague();
    nba.SecondHalfSchedule[++nba.SecondHalfCount] = "Friday, February 5, 1999";
    nba.SecondHalfSchedule[++nba.SecondHalfCount] = "Chicago      at Utah";
    const std::vector<RecordedGame> record = BuildPredictionRecord(nba);
    EXPECT_TRUE(record.empty());
    const RecordSummary s = SummariseRecord(record);
    EXPECT_EQ(std::make_tuple(s.games, s.marginError, s.totalError), std::make_tuple(0, 0.0, 0.0));
    EXPECT_TRUE(RecordGameLines(record).empty());
    EXPECT_EQ(RecordSummaryLines(record).at(0),
              "Prediction record: no game of the schedule has a final score yet.");
    for (const MarginBucket& b : MarginBuckets(record)) EXPECT_EQ(b.games, 0);
    EXPECT_EQ(CalibrateChances(record).brier, 0.0);
    EXPECT_EQ(RecordPrintLines(record), RecordSummaryLines(record));
}

}  // namespace
}  // namespace tavix
