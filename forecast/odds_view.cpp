#include "forecast/odds_view.h"

#include <cstring>

#include "core/calendar.h"
#include "core/number_format.h"

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

// A figure exactly, bit for bit: a rounded one could hide a change of the statistics.
void Put(std::string& key, double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    key += std::to_string(bits) + ',';
}
void Put(std::string& key, long value) { key += std::to_string(value) + ','; }

}  // namespace

Date OddsEvening(const NBA& nba) {
    const Date statistics{nba.UpdateYear, nba.UpdateMonth, nba.UpdateDay};
    return IsRealDay(statistics) ? statistics : Date{9999, 12, 31};
}

std::string OddsKey(const NBA& nba, const std::vector<SeasonGame>& games, const Date& evening,
                    long simulations, uint64_t seed) {
    std::string key;
    Put(key, simulations);
    Put(key, static_cast<long>(seed % 1000000007));
    Put(key, static_cast<long>(seed / 1000000007));
    for (long part :
         {static_cast<long>(evening.year), static_cast<long>(evening.month), static_cast<long>(evening.day)})
        Put(key, part);
    for (size_t t = 1; t <= kLeagueTeams; ++t) {
        for (long v :
             {nba.Wins[t], nba.Losses[t], nba.Ties[t], nba.PrevWins[t], nba.PrevLosses[t], nba.PrevTies[t]})
            Put(key, v);
        for (double v : {nba.OffenseAve[t], nba.DefenseAve[t], nba.PrevOffenseAve[t], nba.PrevDefenseAve[t]})
            Put(key, v);
    }
    for (const SeasonGame& g : games)
        for (long v : {static_cast<long>(g.date.year), static_cast<long>(g.date.month),
                       static_cast<long>(g.date.day), static_cast<long>(g.road), static_cast<long>(g.home),
                       g.played ? 1L : 0L, static_cast<long>(g.roadPoints), static_cast<long>(g.homePoints)})
            Put(key, v);
    return key;
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

std::string GroupedCount(long count) {
    std::string digits = std::to_string(count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0 && digits[static_cast<size_t>(at) - 1] != '-';
         at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

PrintScheme OddsPrintScheme(const Date& evening, long simulations) {
    PrintScheme scheme;
    scheme.documentName = "Play-Off Odds";
    scheme.confirmText = "Ready to send the Play-Off Odds to the Printer.";
    scheme.headerLines = {"Play-Off Odds",
                          IsRealDay(evening) ? "On the evening of " + LongDate(evening) : "After the season",
                          " "};
    scheme.headerSize = 14;
    scheme.bodySize = 10;
    scheme.margin = "    ";
    scheme.footerLines = {" ", "Chances from " + GroupedCount(simulations) +
                                   " simulations of the games still to play and of the play-offs."};
    return scheme;
}

std::vector<Date> ChartDays(const std::vector<SeasonGame>& games, const Date& evening) {
    std::vector<Date> days;
    for (const Date& d : SeasonGameDays(games))
        if (d <= evening) days.push_back(d);
    return days;
}

}  // namespace tavix
