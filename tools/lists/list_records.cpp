#include "tools/lists/list_records.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "predictions/block_predictions.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/win_chance.h"
#include "statistics/standings.h"
#include "ui/main/schedule_views.h"

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

// The lists show the file's lines behind a two-blank indent.
std::string WithoutIndent(const std::string& line) {
    return line.rfind("  ", 0) == 0 ? line.substr(2) : line;
}

bool IsHeading(const std::string& viewLine) {
    const std::string line = WithoutIndent(viewLine);
    return IsDateHeading(line, true) || IsDateHeading(line, false);
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

struct Score {
    RecordValue road, home, overtimes;
};

// "83-100", "86-92 OT" or "102-99 2OT" after the home city; nothing for a game not played yet.
Score ScoreOf(const std::string& line) {
    for (size_t i = kHomeCityFirst - 1; i < line.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) continue;
        size_t dash = i;
        while (dash < line.size() && std::isdigit(static_cast<unsigned char>(line[dash]))) ++dash;
        size_t end = dash + 1;
        while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
        if (dash >= line.size() || line[dash] != '-' || end == dash + 1) {
            i = dash;
            continue;
        }
        Score s{std::strtol(line.c_str() + i, nullptr, 10), std::strtol(line.c_str() + dash + 1, nullptr, 10),
                0L};
        size_t ot = line.find("OT", end);
        if (ot != std::string::npos) {
            size_t first = line.find_first_not_of(' ', end);
            s.overtimes = first == ot ? 1L : std::strtol(line.c_str() + first, nullptr, 10);
        }
        return s;
    }
    return {};
}

}  // namespace

std::string HeadingDate(const std::string& heading) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    const size_t start = heading.find_first_not_of(' ');
    const std::string text = start == std::string::npos ? "" : heading.substr(start);
    const size_t comma = text.find(", ");
    if (comma != std::string::npos) {
        const std::string rest = text.substr(comma + 2);
        for (int m = 0; m < 12; ++m) {
            const std::string month = std::string(kMonths[m]) + " ";
            if (rest.rfind(month, 0) != 0) continue;
            int day = 0, year = 0;
            char tail = 0;
            if (std::sscanf(rest.c_str() + month.size(), "%d, %d%c", &day, &year, &tail) == 2 && day >= 1 &&
                day <= 31 && year >= 1000 && year <= 9999) {
                char iso[16];
                std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, m + 1, day);
                return iso;
            }
        }
    }
    return text;
}

RecordTable StandingsRecords(NBA& nba) {
    RecordTable table{
        {"team", "name", "conference", "division", "wins", "losses", "pct", "games_behind", "margin"}, {}};
    for (const StandingsEntry& e : RankStandings(nba, SeasonView::Current)) {
        const int t = e.team;
        table.records.push_back({Team(t), Name(nba, t), std::string(ConferenceName(t)),
                                 std::string(DivisionName(DivisionOf(t))), static_cast<long>(nba.Wins[t]),
                                 static_cast<long>(nba.Losses[t]), Shown(nba.WinPct[t], "0.000"),
                                 static_cast<double>(GamesBehind(nba.Wins[t], nba.Losses[t], e.leader)),
                                 Shown(nba.PointDiff[t], "0.00")});
    }
    return table;
}

RecordTable RatingsRecords(const NBA& nba, RatingsOrder order, SeasonView view, RatingsRebuild cause) {
    RecordTable table{{"rank", "team", "name", "wins", "losses", "pct", "offense", "defense", "margin"}, {}};
    const bool previous = view == SeasonView::Previous;
    long rank = 0;
    for (int t : RatingsTeamOrder(nba, order, view, cause)) {
        table.records.push_back({++rank, Team(t), Name(nba, t),
                                 static_cast<long>(previous ? nba.PrevWins[t] : nba.Wins[t]),
                                 static_cast<long>(previous ? nba.PrevLosses[t] : nba.Losses[t]),
                                 Shown(nba.WinPct[t], "0.000"), Shown(nba.SeasonOffense[t], "0.0"),
                                 Shown(nba.SeasonDefense[t], "0.0"), Shown(nba.PointDiff[t], "0.0")});
    }
    return table;
}

RecordTable PredictionRecords(const NBA& nba, int road, int home, bool neutral) {
    RecordTable table{kPredictionFields, {}};
    table.fields.insert(table.fields.begin() + 4, "neutral");
    auto record =
        PredictionFields(nba, road, home, PredictGame(nba, road, home, neutral, TotalPrecision::Single));
    record.insert(record.begin() + 4, neutral);
    table.records.push_back(record);
    return table;
}

RecordValue DateBefore(const std::vector<std::string>& viewLines, size_t end) {
    for (size_t i = std::min(end, viewLines.size()); i-- > 0;)
        if (IsHeading(viewLines[i])) return HeadingDate(WithoutIndent(viewLines[i]));
    return {};
}

RecordTable BlockRecords(NBA& nba, const std::vector<std::string>& blockLines,
                         const RecordValue& dateBefore) {
    RecordTable table{kPredictionFields, {}};
    table.fields.insert(table.fields.begin(), "date");
    RecordValue date = dateBefore;
    const size_t count = std::min(blockLines.size(), static_cast<size_t>(kBlockLineLimit));
    for (size_t g = 0; g < count; ++g) {
        if (IsHeading(blockLines[g])) date = HeadingDate(WithoutIndent(blockLines[g]));
        const BlockGame game = RecognizeBlockGame(nba, blockLines[g]);
        if (!game.Recognised()) continue;
        ComputeRatings(nba, SeasonView::Current);
        auto record = PredictionFields(nba, game.road, game.home,
                                       PredictGame(nba, game.road, game.home, false, TotalPrecision::Double));
        record.insert(record.begin(), date);
        table.records.push_back(record);
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

RecordTable ScheduleRecords(const NBA& nba, const std::vector<std::string>& viewLines) {
    RecordTable table{
        {"date", "road_team", "road_name", "home_team", "home_name", "road_score", "home_score", "overtimes"},
        {}};
    RecordValue date;
    for (const std::string& line : viewLines) {
        if (IsHeading(line)) {
            date = HeadingDate(WithoutIndent(line));
            continue;
        }
        // A team's heading can start with a city too; a game names its two teams around "at" or "vs".
        if (line.find(" at ") == std::string::npos && line.find(" vs ") == std::string::npos) continue;
        const BlockGame game = RecognizeBlockGame(nba, line);
        if (!game.Recognised()) continue;
        const Score s = ScoreOf(line);
        table.records.push_back({date, Team(game.road), Name(nba, game.road), Team(game.home),
                                 Name(nba, game.home), s.road, s.home, s.overtimes});
    }
    return table;
}

}  // namespace tavix
