#pragma once
// The rules of the statistics entry window, kept apart from the window: how typed figures are
// read, what the games and percentage panels show, the date arrows and the unrecorded-edit check.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/league.h"
#include "core/number_format.h"

namespace tavix {

extern const std::array<const char*, 13> kMonthNames;  // 1..12: "Jan" .. "Dec"

// Date parts: the leading number of the text, rounded half to even. Nothing when the value lies
// outside -32768..32767.
std::optional<int16_t> ReadWholeNumber(std::string_view text);
// Wins, losses and ties: the same, from 0 to 32767; the window refuses anything else.
std::optional<int16_t> ReadCount(std::string_view text);
// The averages: the leading number as typed, from 0 to kHighestAverage points; the window refuses
// anything else, as no basketball game gives it.
constexpr double kHighestAverage = 300;
std::optional<double> ReadAverage(std::string_view text);

// Games played as the GP panel shows it: wins + losses, ties not counted, fractions kept.
std::string GamesPlayedText(std::string_view winsText, std::string_view lossesText);
// The PCT panel: ".000" for no games, wins / games as "#.000" otherwise; nothing (the panel
// keeps what it shows) when the games come to less than 0.
std::optional<std::string> PercentageText(std::string_view winsText, std::string_view lossesText);
// An average as the fields show it: "###.0" (98.46 as 98.5, 0 as ".0").
std::string AverageText(double value);

// The date arrows never wrap: months 1..12, days 1..31 with 29 for February (no leap years) and
// 30 for April, June, September and November, years within the 16-bit range.
int MonthUp(int month);
int MonthDown(int month);
int DayUp(int day, int month);
int DayDown(int day);
int YearUp(int year);
int YearDown(int year);

// Today's date as the window opens on it.
struct EntryDate {
    int month = 1;
    std::string day;  // without a leading zero
    std::string year;
};
EntryDate EntryDateFrom(const Date& today);

// Copies of the figures the exit check compares: wins and points scored only.
struct EntrySnapshot {
    std::array<int16_t, kNameSlots> wins{};
    std::array<float, kNameSlots> offense{};
};
EntrySnapshot TakeEntrySnapshot(const NBA& nba);
// True when a club's wins or points scored (compared in single precision) differ from `saved`.
bool EntryChangesFound(const NBA& nba, const EntrySnapshot& saved);

// The question when leaving with unrecorded edits.
std::string UnrecordedChangesText();
// The refusal of a count that is negative or beyond the 16-bit range.
std::string OutOfRangeText(const std::string& what, const std::string& typed, const std::string& team);
// The refusal of an average no game can give.
std::string AverageOutOfRangeText(const std::string& what, const std::string& typed, const std::string& team);

}  // namespace tavix
