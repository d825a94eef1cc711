#pragma once
// How the prediction rule fared: every game of the schedule with a final score, predicted with the
// statistics as they stood on the morning of its day, set beside what happened, and summed up
// against the simple ways of picking games.
#include <array>
#include <string>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"
#include "predictions/prediction_rule.h"
#include "statistics/season_results.h"

namespace tavix {

enum class PickOutcome { Won, Lost, Pick };  // did the favourite win; a Pick has no favourite
enum class TotalOutcome { Over, Under, Push };

struct RecordedGame {
    ScheduledGame game;  // date, teams, final score and where the line stands
    int month = -1;      // the schedule's month view (0 November .. 5 April / May), -1 for none
    Prediction prediction;
    std::string line;  // the very line the block predictions would have shown that morning
    // The figures as the line shows them: the home margin (negative when the road team is
    // favoured, 0 for a Pick) to one decimal, and the whole-number over/under.
    double predictedHomeMargin = 0;
    int shownTotal = 0;
    PickOutcome pick = PickOutcome::Pick;
    TotalOutcome total = TotalOutcome::Push;
    bool homeWon = false;
    bool betterRecordWon = false;  // the team with the better record that morning won (equal: home)
    double chance = 0.5;           // the favourite's chance of winning that morning; 0.5 for a Pick
};

// Every game with a final score, in day order (schedule order within a day). The league is not
// changed: the previous season comes from its statistics, the current season from the results.
std::vector<RecordedGame> BuildPredictionRecord(const NBA& nba);

struct RecordSummary {
    int games = 0;
    int picks = 0;
    int favouriteWins = 0;   // of games - picks
    double marginError = 0;  // mean absolute error of the home margin, a Pick counting as 0
    double totalError = 0;   // mean absolute error of the over/under
    int overs = 0, unders = 0, pushes = 0;
    int homeWins = 0;
    int betterRecordWins = 0;
};

// All games, or one month view's (0..5).
RecordSummary SummariseRecord(const std::vector<RecordedGame>& games);
RecordSummary SummariseRecord(const std::vector<RecordedGame>& games, int month);

// How often the favourite won by predicted margin (as shown): from each lower figure up to, not
// including, the next; Picks are left out.
struct MarginBucket {
    const char* label;  // "0-2", "2-4", "4-7", "7-10", "10+"
    double from = 0;
    int games = 0;
    int favouriteWins = 0;
};
constexpr size_t kMarginBuckets = 5;
std::array<MarginBucket, kMarginBuckets> MarginBuckets(const std::vector<RecordedGame>& games);

// How often the favourite won against the chance it was given: from each lower percentage up to,
// not including, the next (the last band takes 100%); Picks are left out.
struct ChanceBand {
    const char* label;  // "50-60%" .. "90-100%"
    double from = 0;
    int games = 0;
    int favouriteWins = 0;
    double chanceSum = 0;  // the chances given, summed: over `games` their mean
};
constexpr size_t kChanceBands = 5;
struct Calibration {
    std::array<ChanceBand, kChanceBands> bands;
    int games = 0;     // every game, Picks included
    double brier = 0;  // mean squared gap between the home team's chance and what happened (0..1)
};
// A coin's Brier score: a one-half chance every game, whatever happens.
constexpr double kCoinBrier = 0.25;
Calibration CalibrateChances(const std::vector<RecordedGame>& games);
// The calibration as the window shows it beside the chart and the printout after the bars.
std::vector<std::string> CalibrationLines(const std::vector<RecordedGame>& games);

// The window's game list: for each day its date heading, then each game's prediction line, final
// score (road-home) and what became of the pick and the total; a blank line between days.
std::vector<std::string> RecordGameLines(const std::vector<RecordedGame>& games);
// Column headings over the game list's lines, on screen and on paper.
std::string RecordGameHeading();
// The favourite's chance beside each line of RecordGameLines, " " beside a date or a blank.
std::vector<std::string> RecordChanceColumn(const std::vector<RecordedGame>& games);
// One game as the companion lists it: MM-DD-YYYY, the line, road-home points, won|lost|pick.
std::string RecordListLine(const RecordedGame& game);
// The summary table: all games, then each month that has games; a note when no game has a score.
std::vector<std::string> RecordSummaryLines(const std::vector<RecordedGame>& games);
// The chart as fixed-pitch bars, for the printout.
std::vector<std::string> MarginChartLines(const std::vector<RecordedGame>& games);

// What the print sends: the summary, the chart's bars, the calibration and the game list, blank
// lines between.
std::vector<std::string> RecordPrintLines(const std::vector<RecordedGame>& games);

const char* PickOutcomeWord(PickOutcome outcome);    // "won", "lost", "pick"
const char* TotalOutcomeWord(TotalOutcome outcome);  // "over", "under", "push"
double Percent(int part, int whole);                 // 0 when whole is 0

// Summary, chart and game list on one printout: title at 18 points, body at 8 (the game lines are
// wider than the block predictions'), a new page every 65 lines, each page titled and numbered and,
// within the game list of `printLines` (RecordPrintLines), headed by its columns.
PrintScheme PredictionRecordPrintScheme(const std::vector<std::string>& printLines);

}  // namespace tavix
