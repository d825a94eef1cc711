#include "core/calendar.h"

#include <charconv>
#include <vector>

namespace tavix {
namespace {

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == ',')) ++i;
        size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != ',') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

// Letter by letter: a schedule's every line is tried as a day heading, so nothing is allocated.
bool SameWord(std::string_view word, std::string_view name) {
    if (word.size() != name.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (LowerChar(word[i]) != LowerChar(name[i])) return false;
    return true;
}

}  // namespace

std::optional<int> ParseDigits(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool operator==(const Date& a, const Date& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool operator<(const Date& a, const Date& b) {
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

bool IsRealDay(const Date& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.year, d.month);
}

std::optional<Date> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto y = ParseDigits(text.substr(0, 4)), m = ParseDigits(text.substr(5, 2)),
         d = ParseDigits(text.substr(8, 2));
    if (!y || !m || !d) return std::nullopt;
    Date date{*y, *m, *d};
    if (!IsRealDay(date)) return std::nullopt;
    return date;
}

int Weekday(const Date& date) {
    // Days from 1970-01-01 (a Thursday) by the civil-calendar formula.
    int y = date.year - (date.month <= 2 ? 1 : 0);
    int era = (y >= 0 ? y : y - 399) / 400;
    int yoe = y - era * 400;
    int mp = (date.month + 9) % 12;
    int doy = (153 * mp + 2) / 5 + date.day - 1;
    int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    long days = static_cast<long>(era) * 146097 + doe - 719468;
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

const char* WeekdayName(int weekday) {
    static const char* names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
    return names[((weekday % 7) + 7) % 7];
}

const char* MonthName(int month) {
    static const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? names[month - 1] : "";
}

std::string LongDate(const Date& d) {
    return std::string(WeekdayName(Weekday(d))) + ", " + MonthName(d.month) + " " + std::to_string(d.day) +
           ", " + std::to_string(d.year);
}

std::optional<Date> ParseLongDate(std::string_view text) {
    if (text.size() > 60) return std::nullopt;
    // Most lines tried are game lines: the first word tells them apart before the line is split.
    const size_t first = text.find_first_not_of(" ,");
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view start = text.substr(first, text.find_first_of(" ,", first) - first);
    bool weekday = false;
    for (int w = 0; w < 7 && !weekday; ++w) weekday = SameWord(start, WeekdayName(w));
    if (!weekday) return std::nullopt;
    const auto words = Words(text);
    if (words.size() != 4) return std::nullopt;
    int month = 0;
    for (int m = 1; m <= 12 && month == 0; ++m)
        if (SameWord(words[1], MonthName(m))) month = m;
    auto day = ParseDigits(words[2]), year = ParseDigits(words[3]);
    if (month == 0 || !day || !year) return std::nullopt;
    Date date{*year, month, *day};
    if (!IsRealDay(date)) return std::nullopt;
    return date;
}

}  // namespace tavix
