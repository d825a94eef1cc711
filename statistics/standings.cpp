#include "statistics/standings.h"

#include <algorithm>

#include "core/number_format.h"
#include "statistics/sort_keys.h"

namespace tavix {
namespace {

const char kColumnHeading[] = "                    Wins  Losses   Pct.   GB     SCO";
const char kConferenceRule[] = "  __________________________________________________________";

// Walking down from the best key, the first club of the division leads it.
DivisionLeader LeaderOf(const NBA& nba, const SortKeys& order, Division division) {
    DivisionLeader leader;
    for (int p = nba.TeamCount; p >= 1; --p) {
        const int t = static_cast<int>(order[p]);
        if (DivisionOf(t) == division) {
            leader.wins = nba.Wins[t];
            leader.games = nba.Losses[t] + nba.Wins[t];
            break;
        }
    }
    return leader;
}

void AddDivision(const NBA& nba, const RankedStandings& ranked, Division division, bool withColumnHeading,
                 std::vector<std::string>& lines) {
    if (withColumnHeading) lines.emplace_back(kColumnHeading);
    for (const StandingsEntry& e : ranked.entries) {
        if (DivisionOf(e.team) == division)
            lines.push_back(FormatStandingsLine(nba, ranked.ratings, e.team, e.leader));
    }
}

}  // namespace

float StandingsPct(int wins, int losses, int ties) {
    const double credit = wins + ties * 0.5;
    // Counts read from a file may be negative: no games, or fewer than none, give 0 as well.
    const int games = losses + wins + ties;
    if (credit == 0 || games <= 0) return 0;
    return ToSingle(credit / games);
}

float GamesBehind(int wins, int losses, const DivisionLeader& leader) {
    if (wins + losses == leader.games && wins == leader.wins) return 0;
    return static_cast<float>(((leader.wins - wins) + (losses - (leader.games - leader.wins))) / 2.0);
}

std::string FormatStandingsLine(const NBA& nba, const Ratings& ratings, int t, const DivisionLeader& leader) {
    const int w = nba.Wins[t];
    const int l = nba.Losses[t];
    const float gb = GamesBehind(w, l, leader);

    // A city with two clubs (Los Angeles, however it is spelt) names the club too.
    std::string line = "     " + nba.CityNames[t];
    for (int other = 1; other <= nba.TeamCount && other < kNameSlots; ++other) {
        if (other != t && SameName(nba.CityNames[other], nba.CityNames[t])) {
            line += " " + nba.TeamNames[t];
            break;
        }
    }
    PadTo(line, 21);

    if (w < 10) line += ' ';
    line += PlainInteger(w) + "     ";
    if (l < 10) line += ' ';
    line += PlainInteger(l) + "    ";
    line += FormatPicture(ratings.WinPct[t], "0.000") + "  ";
    if (gb < 10) line += ' ';
    line += gb == 0 ? std::string("-   ") : PlainNumber(gb);
    PadTo(line, 46);

    const float x = ratings.PointDiff[t];
    if (x > -10 && x < 10) line += ' ';
    if (x < 100) line += ' ';
    if (x > 0) line += '+';
    if (x == 0) line += ' ';
    line += FormatPicture(x, "0.00");
    return line;
}

RankedStandings RankStandings(const NBA& nba, SeasonView view) {
    RankedStandings ranked{{}, ComputeRatings(nba, view)};
    auto& pct = ranked.ratings.WinPct;
    const int teams = std::min<int>(nba.TeamCount, kTeamSlots - 1);
    SortKeys order{};
    for (int i = 1; i <= teams; ++i) {
        pct[i] = StandingsPct(nba.Wins[i], nba.Losses[i], nba.Ties[i]);
        // The key is taken from the single-precision percentage, so 7-3 (0.6999999881) keys as 699.
        order[i] = TeamKey(static_cast<double>(pct[i]) * 1000, i);
    }
    SortTeamKeys(order, teams);

    for (Division division : {Division::Atlantic, Division::Central, Division::Midwest, Division::Pacific}) {
        const DivisionLeader leader = LeaderOf(nba, order, division);
        for (int p = nba.TeamCount; p >= 1; --p) {
            const int t = static_cast<int>(order[p]);
            if (DivisionOf(t) == division) ranked.entries.push_back({t, leader});
        }
    }
    return ranked;
}

std::vector<std::string> BuildStandings(const NBA& nba, SeasonView view) {
    const RankedStandings ranked = RankStandings(nba, view);
    std::vector<std::string> lines = {" ",
                                      "              NATIONAL BASKETBALL LEAGUE STANDINGS",
                                      " ",
                                      "   EASTERN CONFERENCE",
                                      kConferenceRule,
                                      "   Atlantic Division"};
    AddDivision(nba, ranked, Division::Atlantic, true, lines);
    lines.insert(lines.end(), {" ", "   Central Division"});
    AddDivision(nba, ranked, Division::Central, false, lines);
    lines.insert(lines.end(),
                 {" ", " ", " ", "   WESTERN CONFERENCE", kConferenceRule, "   Midwest Division"});
    AddDivision(nba, ranked, Division::Midwest, true, lines);
    lines.insert(lines.end(), {" ", "   Pacific Division"});
    AddDivision(nba, ranked, Division::Pacific, false, lines);
    lines.insert(lines.end(), {" ", " "});
    return lines;
}

PrintScheme StandingsPrintScheme() {
    PrintScheme scheme;
    scheme.documentName = "Standings";
    scheme.confirmText = "Ready to send Standings to the Printer.";
    scheme.confirmTitle = "Tavix";
    scheme.headerLines = {" ", " ", " "};
    scheme.headerSize = 12;
    scheme.bodySize = 12;
    scheme.margin = "       ";
    scheme.pageBreak.kind = PageBreakRule::Kind::None;
    scheme.selectedLinesRule = false;
    return scheme;
}

}  // namespace tavix
