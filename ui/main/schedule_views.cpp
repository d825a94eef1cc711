#include "ui/main/schedule_views.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/number_format.h"

namespace tavix {
namespace {

const char kIndent[] = "  ";

// Lines first..last of one schedule array (1-based, `limit` slots), each behind the indent.
// The range is cut to the array so a damaged statistics file cannot reach outside it.
std::vector<std::string> IndentedRange(const std::string* slots, long first, long last, long limit) {
    first = std::max(first, 1L);
    last = std::min(last, limit);
    std::vector<std::string> lines;
    for (long i = first; i <= last; ++i) lines.push_back(kIndent + slots[i]);
    return lines;
}

// The city of a home game stands right of position 4, that of a road game left of it; a game
// found exactly at 4 passes both filters.
bool PassesFilter(int position, TeamScheduleMode mode) {
    if (mode == TeamScheduleMode::Home && position < 4) return false;
    if (mode == TeamScheduleMode::Road && position > 4) return false;
    return true;
}

// The first and last line of month view `index`, uncut; first above last when it lists nothing.
std::pair<long, long> MonthRange(const NBA& nba, int index) {
    const int pair = MonthPairOf(index);
    if (pair == 0) return {1, 0};
    // The start is kept as a general number; as a line index it rounds like every index does.
    const double start = nba.MonthStart[pair];
    if (!std::isfinite(start)) return {1, 0};
    const long first = static_cast<long>(std::clamp(std::nearbyint(start), -1.0, 100000.0));
    return {first, nba.MonthEnd[pair]};
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

int MonthViewOfLine(const NBA& nba, bool firstHalf, int line) {
    for (int index = 0; index < kMonthViews; ++index) {
        if (MonthOnSecondHalf(index) == firstHalf) continue;
        const auto [first, last] = MonthRange(nba, index);
        if (line >= first && line <= last) return index;
    }
    return -1;
}

const char kSelectTeamPrompt[] = "        Select Team Below";

int MonthPairOf(int index) {
    static const int kPairs[kMonthViews] = {2, 3, 4, 6, 7, 8};
    return index >= 0 && index < kMonthViews ? kPairs[index] : 0;
}

bool MonthOnSecondHalf(int index) { return index >= 3; }

std::vector<std::string> FirstHalfLines(const NBA& nba) {
    return IndentedRange(nba.FirstHalfSchedule.data(), 1, nba.FirstHalfCount, kFirstHalfLimit);
}

std::vector<std::string> SecondHalfLines(const NBA& nba) {
    return IndentedRange(nba.SecondHalfSchedule.data(), 1, nba.SecondHalfCount, kSecondHalfLimit);
}

std::vector<std::string> MonthLines(const NBA& nba, int index) {
    const auto [first, last] = MonthRange(nba, index);
    if (first > last) return {};
    if (MonthOnSecondHalf(index))
        return IndentedRange(nba.SecondHalfSchedule.data(), first, last, kSecondHalfLimit);
    return IndentedRange(nba.FirstHalfSchedule.data(), first, last, kFirstHalfLimit);
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

int CityPosition(const std::string& line, const std::string& city) {
    const long length = static_cast<long>(city.size());
    const std::string wanted = ToLower(city);
    const std::string lower = ToLower(line);
    // Every position at which the whole city fits, the last one included.
    for (long k = 1; k <= static_cast<long>(line.size()) - length + 1; ++k) {
        if (lower.compare(k - 1, length, wanted) == 0) return static_cast<int>(k);
    }
    return 0;
}

std::vector<std::string> TeamScheduleLines(const NBA& nba, int team, TeamScheduleMode mode) {
    if (team < 1 || team >= kNameSlots) return {};
    std::vector<std::string> lines{TeamScheduleHeading(nba, team, mode)};
    const std::string& city = nba.CityNames[team];
    std::string dateLine;
    auto scan = [&](const std::string* slots, int count, int limit, bool secondHalf) {
        count = std::min(static_cast<int>(count), limit);
        for (int i = 1; i <= count; ++i) {
            const std::string& line = slots[i];
            if (IsDateHeading(line, secondHalf)) dateLine = line;
            const int position = CityPosition(line, city);
            if (position == 0 || !PassesFilter(position, mode)) continue;
            lines.push_back(" ");
            lines.push_back(kIndent + dateLine);
            lines.push_back(kIndent + line);
        }
    };
    scan(nba.FirstHalfSchedule.data(), nba.FirstHalfCount, kFirstHalfLimit, false);
    scan(nba.SecondHalfSchedule.data(), nba.SecondHalfCount, kSecondHalfLimit, true);
    return lines;
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
