#include "tools/lists/odds_command.h"

#include "core/calendar.h"
#include "core/number_format.h"
#include "forecast/odds_inputs.h"

namespace tavix {
namespace {

std::string Right(const std::string& text, size_t width) {
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

// The three columns end under the last letter of their headings.
std::string Columns(const std::string& first, const std::string& second, const std::string& third) {
    return Right(first, 9) + Right(second, 12) + Right(third, 10);
}

std::string Percent(double chance) { return FormatPicture(chance * 100, "##0.0") + "%"; }

}  // namespace

SeasonOdds LeagueOdds(const NBA& nba, const OddsOptions& options) {
    const Date statistics{nba.UpdateYear, nba.UpdateMonth, nba.UpdateDay};
    // Without a statistics date every game with a score counts as played.
    const Date evening = IsRealDay(statistics) ? statistics : Date{9999, 12, 31};
    return SimulateSeasonOdds(StandingOnEvening(nba, SeasonGamesOf(nba), evening), options.simulations,
                              options.seed);
}

std::vector<std::string> OddsLines(const NBA& nba, const SeasonOdds& odds) {
    std::vector<std::string> lines = {PaddedTo("Team", 34) + Columns("Play-offs", "Conference", "Title")};
    for (int t = 1; t <= kLeagueTeams; ++t) {
        std::string line =
            PaddedTo(std::string(t < 10 ? " " : "") + PlainInteger(t) + "  " + FullName(nba, t), 34);
        line += Columns(Percent(odds.Playoffs(t)), Percent(odds.Conference(t)), Percent(odds.Title(t)));
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
