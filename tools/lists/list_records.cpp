#include "tools/lists/list_records.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/win_chance.h"
#include "statistics/standings.h"

namespace tavix {
namespace {

// A figure exactly as the list prints it with `picture`, so the data and the text never differ
// by a rounding; adding 0.0 turns a "-0.0" into a plain zero.
double Shown(double value, const char* picture) { return LeadingNumber(FormatPicture(value, picture)) + 0.0; }

RecordValue Team(int team) { return team > 0 ? RecordValue{static_cast<long>(team)} : RecordValue{}; }
RecordValue Name(const NBA& nba, int team) {
    return team > 0 ? RecordValue{FullName(nba, team)} : RecordValue{};
}

const char* ConferenceName(int team) {
    switch (ConferenceOf(team)) {
        case Conference::Eastern:
            return "Eastern";
        case Conference::Western:
            return "Western";
        case Conference::None:
            break;
    }
    return "";
}

std::string IsoDate(const Date& d) {
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", d.year, d.month, d.day);
    return iso;
}

std::vector<RecordValue> PredictionFields(const NBA& nba, int road, int home, const Prediction& p) {
    const int favourite = p.favoured == Favoured::Road ? road : p.favoured == Favoured::Home ? home : 0;
    return {Team(road),
            Name(nba, road),
            Team(home),
            Name(nba, home),
            Team(favourite),
            Name(nba, favourite),
            favourite ? Shown(p.margin, "#0.0") : 0.0,
            WholeNumber(Shown(p.total, "##0")),
            Shown(FavouriteChance(p), "0.000")};
}

const std::vector<std::string> kPredictionFields = {"road_team", "road_name",      "home_team",
                                                    "home_name", "favourite_team", "favourite_name",
                                                    "margin",    "over_under",     "favourite_chance"};

}  // namespace

RecordTable StandingsRecords(const NBA& nba) {
    RecordTable table{
        {"team", "name", "conference", "division", "wins", "losses", "pct", "games_behind", "margin"}, {}};
    const RankedStandings ranked = RankStandings(nba, SeasonView::Current);
    const Ratings& ratings = ranked.ratings;
    for (const StandingsEntry& e : ranked.entries) {
        const int t = e.team;
        table.records.push_back({Team(t), Name(nba, t), std::string(ConferenceName(t)),
                                 std::string(DivisionName(DivisionOf(t))), static_cast<long>(nba.Wins[t]),
                                 static_cast<long>(nba.Losses[t]), Shown(ratings.WinPct[t], "0.000"),
                                 static_cast<double>(GamesBehind(nba.Wins[t], nba.Losses[t], e.leader)),
                                 Shown(ratings.PointDiff[t], "0.00")});
    }
    return table;
}

RecordTable RatingsRecords(const NBA& nba, RatingsOrder order, SeasonView view, RatingsRebuild cause) {
    RecordTable table{{"rank", "team", "name", "wins", "losses", "pct", "offense", "defense", "margin"}, {}};
    const bool previous = view == SeasonView::Previous;
    const Ratings ratings = ComputeRatings(nba, view);
    long rank = 0;
    for (int t : RatingsTeamOrder(nba, ratings, order, view, cause)) {
        table.records.push_back({++rank, Team(t), Name(nba, t),
                                 static_cast<long>(previous ? nba.PrevWins[t] : nba.Wins[t]),
                                 static_cast<long>(previous ? nba.PrevLosses[t] : nba.Losses[t]),
                                 Shown(ratings.WinPct[t], "0.000"), Shown(ratings.SeasonOffense[t], "0.0"),
                                 Shown(ratings.SeasonDefense[t], "0.0"), Shown(ratings.PointDiff[t], "0.0")});
    }
    return table;
}

RecordTable PredictionRecords(const NBA& nba, int road, int home, bool neutral) {
    RecordTable table{kPredictionFields, {}};
    table.fields.insert(table.fields.begin() + 4, "neutral");
    const Ratings ratings = ComputeRatings(nba, SeasonView::Current);
    auto record = PredictionFields(nba, road, home,
                                   PredictGame(nba, ratings, road, home, neutral, TotalPrecision::Single));
    record.insert(record.begin() + 4, neutral);
    table.records.push_back(record);
    return table;
}

RecordTable BlockRecords(const NBA& nba, const std::vector<BlockLine>& blockLines) {
    RecordTable table{kPredictionFields, {}};
    table.fields.insert(table.fields.begin(), "date");
    const auto model = ScheduleOf(nba);
    const Ratings ratings = ComputeRatings(nba, SeasonView::Current);
    // The window's 300-line limit is the window's: the companion lists any range whole.
    for (size_t g = 0; g < blockLines.size(); ++g) {
        const BlockGame game = RecognizeBlockGame(*model, blockLines[g]);
        if (!game.Recognised()) continue;
        auto record =
            PredictionFields(nba, game.road, game.home,
                             PredictGame(nba, ratings, game.road, game.home, false, TotalPrecision::Double));
        record.insert(record.begin(), IsoDate(model->games[static_cast<size_t>(blockLines[g].game)].date));
        table.records.push_back(record);
    }
    return table;
}

RecordTable RecordGameRecords(const NBA& nba, const std::vector<RecordedGame>& games) {
    RecordTable table{kPredictionFields, {}};
    table.fields.insert(table.fields.begin(), "date");
    for (const char* field : {"road_score", "home_score", "pick"}) table.fields.emplace_back(field);
    for (const RecordedGame& r : games) {
        auto record = PredictionFields(nba, r.game.road, r.game.home, r.prediction);
        record.insert(record.begin(), IsoDate(r.game.date));
        record.emplace_back(static_cast<long>(r.game.roadPoints));
        record.emplace_back(static_cast<long>(r.game.homePoints));
        record.emplace_back(std::string(PickOutcomeWord(r.pick)));
        table.records.push_back(std::move(record));
    }
    return table;
}

RecordTable ForecastRecords(const NBA& nba, const PlayoffForecast& forecast) {
    static const char* const kPlaces[kForecastBoxes] = {
        "Eastern seed 1",   "Eastern seed 2",   "Western seed 1", "Western seed 2",
        "Eastern champion", "Western champion", "favourite"};
    RecordTable table{{"box", "place", "team", "name"}, {}};
    for (int box = 1; box <= kForecastBoxes; ++box) {
        const int t = forecast.BoxTeam(box);
        table.records.push_back(
            {static_cast<long>(box), std::string(kPlaces[box - 1]), Team(t), Name(nba, t)});
    }
    return table;
}

RecordTable ScheduleRecords(const NBA& nba, const ScheduleList& view) {
    RecordTable table{
        {"date", "road_team", "road_name", "home_team", "home_name", "road_score", "home_score", "overtimes"},
        {}};
    const auto model = ScheduleOf(nba);
    for (int index : view.games) {
        if (index < 0 || static_cast<size_t>(index) >= model->games.size()) continue;
        const ScheduledGame& g = model->games[static_cast<size_t>(index)];
        auto points = [&](long value) { return g.played ? RecordValue{value} : RecordValue{}; };
        table.records.push_back({IsoDate(g.date), Team(g.road), Name(nba, g.road), Team(g.home),
                                 Name(nba, g.home), points(g.roadPoints), points(g.homePoints),
                                 points(g.overtimes)});
    }
    return table;
}

}  // namespace tavix
