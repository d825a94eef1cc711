#pragma once
// Calendar days: comparing them, their weekday and the long form the schedule's day headings use.
#include <optional>
#include <string>
#include <string_view>

#include "core/number_format.h"

namespace tavix {

bool operator==(const Date& a, const Date& b);
bool operator<(const Date& a, const Date& b);
inline bool operator!=(const Date& a, const Date& b) { return !(a == b); }
inline bool operator<=(const Date& a, const Date& b) { return !(b < a); }

// A whole number written in plain digits, at most six of them (a day, a year, a score); nothing
// for signs, blanks or anything else.
std::optional<int> ParseDigits(std::string_view text);

bool IsRealDay(const Date& d);                            // a day the calendar has
std::optional<Date> ParseIsoDate(std::string_view text);  // YYYY-MM-DD, a real calendar day
int Weekday(const Date& d);                               // 0 = Sunday
const char* WeekdayName(int weekday);
const char* MonthName(int month);     // "" outside 1..12
std::string LongDate(const Date& d);  // "Friday, February 5, 1999"
// A schedule day heading back into its day: a weekday name, the month's name, the day and the year
// ("Friday, February 5, 1999"), in any letter case; nothing for any other line.
std::optional<Date> ParseLongDate(std::string_view text);

}  // namespace tavix
