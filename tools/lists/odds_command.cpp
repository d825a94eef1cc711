#include "tools/lists/odds_command.h"

#include "core/calendar.h"
#include "core/number_format.h"
#include "forecast/odds_inputs.h"

namespace tavix {
namespace {

std::string Percent(double chance) {
    std::string text = FormatPicture(chance * 100, "##0.0") + "%";
    return std::string(text.size() < 8 ? 8 - text.size() : 0, ' ') + text;
}

}  // namespace

SeasonOdds LeagueOdds(const NBA& nba, const OddsOptions& options) {
    const Date statistics{nba.UpdateYear, nba.UpdateMonth, nba.UpdateDay};
    // Without a statistics date every game with a score counts as played.
    const Date evening = IsRealDay(statistics) ? statistics : Date{9999, 12, 31};
    return SimulateSeasonOdds(StandingOnEvening(nba, SeasonGamesOf(nba), evening), options.simulations,
                              options.seed);
}

std::vector<std::string> OddsLines(const NBA& nba, const SeasonOdds& odds) {
    std::vector<std::string> lines = {"Team                              Play-offs  Conference     Title"};
    for (int t = 1; t <= kLeagueTeams; ++t) {
        std::string line =
            PaddedTo(std::string(t < 10 ? " " : "") + PlainInteger(t) + "  " + FullName(nba, t), 34);
        line +=
            Percent(odds.Playoffs(t)) + "    " + Percent(odds.Conference(t)) + "  " + Percent(odds.Title(t));
        lines.push_back(line);
    }
    return lines;
}

RecordTable OddsRecords(const NBA& nba, const SeasonOdds& odds) {
    RecordTable table;
    table.fields = {"team", "name", "playoff_chance", "conference_chance", "title_chance"};
    for (int t = 1; t <= kLeagueTeams; ++t)
        table.records.push_back({RecordValue{static_cast<long>(t)}, RecordValue{FullName(nba, t)},
                                 RecordValue{odds.Playoffs(t)}, RecordValue{odds.Conference(t)},
                                 RecordValue{odds.Title(t)}});
    return table;
}

}  // namespace tavix
