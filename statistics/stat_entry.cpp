#include "statistics/stat_entry.h"

#include <algorithm>

#include "core/number_format.h"

namespace tavix {

const std::array<const char*, 13> kMonthNames = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::optional<int16_t> ReadWholeNumber(std::string_view text) {
    const auto value = FiniteLeadingNumber(text);
    if (!value) return std::nullopt;
    return ToInt16(*value);
}

std::optional<int16_t> ReadCount(std::string_view text) {
    const auto count = ReadWholeNumber(text);
    if (!count || *count < 0) return std::nullopt;
    return count;
}

std::optional<double> ReadAverage(std::string_view text) {
    const auto value = FiniteLeadingNumber(text);
    if (!value || !(*value >= 0 && *value <= kHighestAverage)) return std::nullopt;
    return value;
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

EntrySnapshot TakeEntrySnapshot(const NBA& nba) {
    EntrySnapshot s;
    const int teams = std::min<int>(nba.TeamCount, kNameSlots - 1);
    for (int i = 1; i <= teams; ++i) {
        s.wins[i] = nba.Wins[i];
        s.offense[i] = ToSingle(nba.OffenseAve[i]);
    }
    return s;
}

bool EntryChangesFound(const NBA& nba, const EntrySnapshot& saved) {
    const int teams = std::min<int>(nba.TeamCount, kNameSlots - 1);
    for (int i = 1; i <= teams; ++i) {
        if (nba.Wins[i] != saved.wins[i] || ToSingle(nba.OffenseAve[i]) != saved.offense[i]) return true;
    }
    return false;
}

std::string UnrecordedChangesText() {
    return "Changes were detected in database,\r\nclick OK to exit or Cancel to go back\r\nand Record "
           "changes.";
}

std::string OutOfRangeText(const std::string& what, const std::string& typed, const std::string& team) {
    return "The " + what + " for " + team + " (\"" + typed +
           "\") is outside the range this program can keep.\r\n"
           "Please type a whole number from 0 to 32767.\r\n\r\n"
           "Nothing was stored or saved; the other figures are unchanged.";
}

std::string AverageOutOfRangeText(const std::string& what, const std::string& typed,
                                  const std::string& team) {
    return "The " + what + " for " + team + " (\"" + typed +
           "\") is not an average a basketball game can give.\r\n"
           "Please type an average from 0 to " +
           PlainNumber(kHighestAverage) +
           " points.\r\n\r\n"
           "Nothing was stored or saved; the other figures are unchanged.";
}

}  // namespace tavix
