#include "statistics/stat_entry.h"

#include <algorithm>

#include "core/number_format.h"
#include "statistics/season_results.h"

namespace tavix {

// A regular season: what no count can pass when the schedule names no club.
constexpr int kFullSeasonGames = 82;

const std::array<const char*, 13> kMonthNames = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::optional<int16_t> ReadWholeNumber(std::string_view text) {
    const auto value = FiniteLeadingNumber(text);
    if (!value) return std::nullopt;
    return ToInt16(*value);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Whole digits only, so "1,5", "0x10", "1e3" and "-5" never pass for a count; at most five
// digits, which keeps the value exact and far from any overflow.
std::optional<int> WholeDigits(std::string_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

TypedFigure CheckCount(double stored, int seasonGames) {
    if (stored < 0) return {stored, "is below 0"};
    if (stored > seasonGames)
        return {stored, "is more than the season's " + PlainInteger(seasonGames) + " games"};
    return {stored, ""};
}

TypedFigure CheckAverage(double stored) {
    if (!(stored >= 0 && stored <= kHighestAverage))
        return {0, "is not an average a basketball game can give"};
    return {stored, ""};
}

TypedFigure ReadCount(std::string_view text, int seasonGames) {
    text = Trimmed(text);
    if (text.empty()) return {0, "is empty"};
    if (text.front() == '-') return {0, "is below 0"};
    const auto value = WholeDigits(text);
    if (!value) return {0, "is not a whole number"};
    return CheckCount(*value, seasonGames);
}

TypedFigure ReadAverage(std::string_view text, char decimalPoint) {
    text = Trimmed(text);
    if (text.empty()) return {0, "is empty"};
    if (text.front() == '-') return {0, "is below 0"};
    // Split at the separator: '.' always, and the user's own one ("94,5" in Germany).
    size_t at = std::string_view::npos;
    for (size_t i = 0; i < text.size() && at == std::string_view::npos; ++i)
        if (text[i] == '.' || text[i] == decimalPoint) at = i;
    const std::string_view whole = text.substr(0, at);
    const std::string_view decimals = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    const bool digitsOnly = std::all_of(whole.begin(), whole.end(), IsDigit) &&
                            std::all_of(decimals.begin(), decimals.end(), IsDigit);
    if (!digitsOnly || (whole.empty() && decimals.empty()) || whole.size() > 5) return {0, "is not a number"};
    if (decimals.size() > 1) return {0, "has more than one decimal"};
    // Exact in tenths, so the value is the double nearest to the figure as typed.
    const double value =
        (WholeDigits(whole).value_or(0) * 10 + (decimals.empty() ? 0 : decimals[0] - '0')) / 10.0;
    return CheckAverage(value);
}

int SeasonGames(const NBA& nba) {
    std::array<int, kTeamSlots> games{};
    for (const ScheduledGame& g : ScheduledGames(nba)) {
        if (g.road > 0 && g.road < kTeamSlots) ++games[g.road];
        if (g.home > 0 && g.home < kTeamSlots) ++games[g.home];
    }
    const int most = *std::max_element(games.begin(), games.end());
    return most > 0 ? most : kFullSeasonGames;
}

std::string CountRefusalText(const std::string& what, const std::string& team, const std::string& typed,
                             const TypedFigure& figure, int seasonGames) {
    return "The " + what + " for " + team + " (\"" + typed + "\") " + figure.why +
           ".\r\nPlease type a whole number from 0 to " + PlainInteger(seasonGames) +
           ", the games of the season.\r\n\r\nNothing was recorded; the other figures are unchanged.";
}

std::string AverageRefusalText(const std::string& what, const std::string& team, const std::string& typed,
                               const TypedFigure& figure) {
    return "The " + what + " for " + team + " (\"" + typed + "\") " + figure.why +
           ".\r\nPlease type an average from 0.0 to " + PlainInteger(static_cast<long>(kHighestAverage)) +
           ".0 points with one decimal at most, such as 94.5.\r\n\r\nNothing was recorded; the other figures "
           "are unchanged.";
}

std::string GamesRefusalText(const std::string& team, int wins, int losses, int seasonGames) {
    return "The record of " + team + " (" + PlainInteger(wins) + " wins, " + PlainInteger(losses) +
           " losses) comes to more than the season's " + PlainInteger(seasonGames) +
           " games.\r\nPlease correct the wins or the losses.\r\n\r\nNothing was recorded; the other figures "
           "are unchanged.";
}

std::string GamesPlayedText(std::string_view winsText, std::string_view lossesText) {
    return PlainNumber(LeadingNumber(lossesText) + LeadingNumber(winsText));
}

std::optional<std::string> PercentageText(std::string_view winsText, std::string_view lossesText) {
    const double games = LeadingNumber(lossesText) + LeadingNumber(winsText);
    if (games == 0) return std::string(".000");
    if (games > 0) return FormatPicture(LeadingNumber(winsText) / games, "#.000");
    return std::nullopt;
}

std::string AverageText(double value) { return FormatPicture(value, "###.0"); }

int MonthUp(int month) { return month < 12 ? month + 1 : month; }
int MonthDown(int month) { return month > 1 ? month - 1 : month; }

int DayUp(int day, int month) {
    if (day == 29 && month == 2) return day;
    if (day == 30 && (month == 4 || month == 6 || month == 9 || month == 11)) return day;
    if (day >= 31) return day;
    return day + 1;
}
int DayDown(int day) { return day > 1 ? day - 1 : day; }

int YearUp(int year) { return year < 32767 ? year + 1 : year; }
int YearDown(int year) { return year > -32768 ? year - 1 : year; }

EntryDate EntryDateFrom(const Date& today) {
    const std::string text = FormatDate(today);  // mm-dd-yyyy
    EntryDate date;
    date.month = std::clamp(static_cast<int>(LeadingNumber(text.substr(0, 2))), 1, 12);
    date.day = PlainInteger(static_cast<long>(LeadingNumber(text.substr(3, 2))));
    date.year = text.substr(text.size() - 4);
    return date;
}

EntrySnapshot TakeEntrySnapshot(const NBA& nba, const EntryDate& shownDate) {
    EntrySnapshot s;
    s.wins = nba.Wins;
    s.losses = nba.Losses;
    s.ties = nba.Ties;
    s.offense = nba.OffenseAve;
    s.defense = nba.DefenseAve;
    s.date = shownDate;
    return s;
}

bool EntryChangesFound(const NBA& nba, const EntrySnapshot& saved, const EntryDate& shownDate) {
    // Averages compare exactly: a figure left as loaded keeps every digit, so only a real edit
    // differs.
    return nba.Wins != saved.wins || nba.Losses != saved.losses || nba.Ties != saved.ties ||
           nba.OffenseAve != saved.offense || nba.DefenseAve != saved.defense || !(shownDate == saved.date);
}

void RestoreEntrySnapshot(NBA& nba, const EntrySnapshot& saved) {
    nba.Wins = saved.wins;
    nba.Losses = saved.losses;
    nba.Ties = saved.ties;
    nba.OffenseAve = saved.offense;
    nba.DefenseAve = saved.defense;
}

std::string UnrecordedChangesText() {
    return "Changes were detected in database.\r\nSave records them, Discard drops them,\r\nCancel goes back "
           "to the statistics.";
}

}  // namespace tavix
