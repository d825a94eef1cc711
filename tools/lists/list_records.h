#pragma once
// The lists as data: one record per team or game with named fields, built from the same ordering
// and prediction logic the text lists use, with every figure rounded as the list shows it.

#include <string>
#include <variant>
#include <vector>

#include "core/league.h"
#include "core/number_format.h"
#include "forecast/playoff_forecast.h"
#include "predictions/block_predictions.h"
#include "predictions/prediction_record.h"
#include "statistics/ratings_view.h"
#include "ui/main/schedule_views.h"

namespace tavix {

// Nothing (an empty box, a game not played yet), a whole number, a figure, a yes/no, or text in
// the data files' 8-bit encoding.
using RecordValue = std::variant<std::monostate, long, double, bool, std::string>;

struct RecordTable {
    std::vector<std::string> fields;
    std::vector<std::vector<RecordValue>> records;
};

// Each computes the ratings it shows for the season shown, as the text list of the same command does.
RecordTable StandingsRecords(const NBA& nba);
RecordTable RatingsRecords(const NBA& nba, RatingsOrder order, SeasonView view, RatingsRebuild cause);
RecordTable PredictionRecords(const NBA& nba, int road, int home, bool neutral);
// The games among the block's lines, each with its day.
RecordTable BlockRecords(const NBA& nba, const std::vector<BlockLine>& blockLines);
// Each game of the prediction record with its final score and what became of the pick.
RecordTable RecordGameRecords(const NBA& nba, const std::vector<RecordedGame>& games);
RecordTable ForecastRecords(const NBA& nba, const PlayoffForecast& forecast);
// The games among a schedule view's lines, each with its day.
RecordTable ScheduleRecords(const NBA& nba, const ScheduleList& view);

}  // namespace tavix
