#include "ui/main/schedule_views.h"

#include <algorithm>
#include <utility>

#include "core/number_format.h"

namespace tavix {
namespace {

const char kIndent[] = "  ";

// Lines first..last of one half (1-based, `limit` slots), each behind the indent, with their games.
// The range is cut to the array so a damaged statistics file cannot reach outside it.
ScheduleList IndentedRange(const NBA& nba, bool firstHalf, long first, long last) {
    const std::string* slots = firstHalf ? nba.FirstHalfSchedule.data() : nba.SecondHalfSchedule.data();
    first = std::max(first, 1L);
    last = std::min(last, static_cast<long>(firstHalf ? kFirstHalfLimit : kSecondHalfLimit));
    const auto model = ScheduleOf(nba);
    ScheduleList list;
    for (long i = first; i <= last; ++i)
        list.Add(kIndent + slots[i], model->GameAt(firstHalf, static_cast<int>(i)));
    return list;
}

bool PassesFilter(const ScheduledGame& game, int team, TeamScheduleMode mode) {
    if (mode == TeamScheduleMode::Home) return game.home == team;
    if (mode == TeamScheduleMode::Road) return game.road == team;
    return game.home == team || game.road == team;
}

}  // namespace

// Date headings are told by the weekday they start with; only four letters are compared.
bool IsDateHeading(const std::string& line, bool secondHalf) {
    static const char* const kDays[] = {"mond", "sund", "tues", "wedn", "thur", "frid", "satu"};
    const std::string start = ToLower(line.substr(0, secondHalf ? 4 : 5));
    for (const char* day : kDays) {
        if (start == (secondHalf ? std::string(day) : " " + std::string(day))) return true;
    }
    return false;
}

const char kSelectTeamPrompt[] = "        Select Team Below";

ScheduleList FirstHalfLines(const NBA& nba) { return IndentedRange(nba, true, 1, nba.FirstHalfCount); }

ScheduleList SecondHalfLines(const NBA& nba) { return IndentedRange(nba, false, 1, nba.SecondHalfCount); }

ScheduleList MonthLines(const NBA& nba, int index) {
    const auto [first, last] = MonthRange(nba, index);
    if (first > last) return {};
    return IndentedRange(nba, !MonthOnSecondHalf(index), first, last);
}

bool IsNoTeamChosen(const std::string& comboText) {
    return comboText.empty() || comboText == kSelectTeamPrompt;
}

std::vector<std::string> TeamComboItems(const NBA& nba) {
    std::vector<std::string> items;
    for (int n = 1; n <= kLeagueTeams; ++n) items.push_back(nba.CityNames[n] + " " + nba.TeamNames[n]);
    return items;
}

int TeamFromComboText(const NBA& nba, const std::string& comboText) {
    int chosen = 0;
    for (int n = 1; n <= kLeagueTeams; ++n) {
        const std::string& nickname = nba.TeamNames[n];
        const std::string tail = comboText.size() > nickname.size()
                                     ? comboText.substr(comboText.size() - nickname.size())
                                     : comboText;
        if (tail == nickname) chosen = n;
    }
    return chosen;
}

std::string TeamScheduleHeading(const NBA& nba, int team, TeamScheduleMode mode) {
    std::string prefix;
    if (mode == TeamScheduleMode::Home) prefix = "HOME ";
    if (mode == TeamScheduleMode::Road) prefix = "ROAD ";
    return kIndent + ToUpper(nba.CityNames[team]) + " " + ToUpper(nba.TeamNames[team]) + " " + prefix +
           "SCHEDULE  (all times Eastern)";
}

ScheduleList TeamScheduleLines(const NBA& nba, int team, TeamScheduleMode mode) {
    if (team < 1 || team >= kNameSlots) return {};
    ScheduleList list;
    list.Add(TeamScheduleHeading(nba, team, mode));
    const auto model = ScheduleOf(nba);
    for (size_t g = 0; g < model->games.size(); ++g) {
        const ScheduledGame& game = model->games[g];
        if (!PassesFilter(game, team, mode)) continue;
        list.Add(" ");
        list.Add(kIndent + LineOf(nba, game.heading));
        list.Add(kIndent + GameLineOf(nba, game), static_cast<int>(g));
    }
    return list;
}

PrintScheme SchedulePrintScheme() {
    PrintScheme scheme;
    scheme.documentName = "Schedule";
    scheme.confirmText = "Ready to send Schedule to the Printer.";
    scheme.confirmTitle = "Tavix";
    scheme.headerLines = {" ", " ", " "};
    scheme.headerSize = 18;
    scheme.bodySize = 12;
    scheme.margin = "        ";
    scheme.pageBreak = {PageBreakRule::Kind::ShortLine, 40, 5};
    scheme.newPageBlankLines = 5;
    scheme.selectedLinesRule = true;
    return scheme;
}

}  // namespace tavix
