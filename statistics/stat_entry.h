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

// A figure typed into the window, read the same way in every locale: a count is a whole number
// of games from 0 to the season's games; an average is from 0.0 to kHighestAverage points with
// at most one decimal, written with '.' or with the user's own decimal separator. Anything else
// (letters, an empty field, nan, hex, exponents, a second separator) is refused, and `why` says
// so in the words of the message ("is not a whole number").
constexpr double kHighestAverage = 200;
struct TypedFigure {
    double value = 0;
    std::string why;  // empty when the figure is taken
    bool Taken() const { return why.empty(); }
};
TypedFigure ReadCount(std::string_view text, int seasonGames);
TypedFigure ReadAverage(std::string_view text, char decimalPoint);
// A figure the window shows unchanged is the one in the league data, kept to the last digit;
// it only has to lie in the range.
TypedFigure CheckCount(double stored, int seasonGames);
TypedFigure CheckAverage(double stored);

// The most games a club has in the schedule, or the 82 of a full season when the schedule names
// no club: no count can be higher.
int SeasonGames(const NBA& nba);

// Messages naming the team, the field and what it holds, with the way to put it right.
std::string CountRefusalText(const std::string& what, const std::string& team, const std::string& typed,
                             const TypedFigure& figure, int seasonGames);
std::string AverageRefusalText(const std::string& what, const std::string& team, const std::string& typed,
                               const TypedFigure& figure);
// Wins and losses together beyond the season's games.
std::string GamesRefusalText(const std::string& team, int wins, int losses, int seasonGames);

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
inline bool operator==(const EntryDate& a, const EntryDate& b) {
    return a.month == b.month && a.day == b.day && a.year == b.year;
}

// The figures and the date as last loaded or recorded: leaving with anything else asks first.
struct EntrySnapshot {
    std::array<int16_t, kTeamSlots> wins{}, losses{}, ties{};
    std::array<double, kTeamSlots> offense{}, defense{};
    EntryDate date;
};
EntrySnapshot TakeEntrySnapshot(const NBA& nba, const EntryDate& shownDate);
// True when any figure of a club, or the date shown, differs from `saved`.
bool EntryChangesFound(const NBA& nba, const EntrySnapshot& saved, const EntryDate& shownDate);
// Puts the clubs' figures back as `saved` holds them: the unrecorded edits are dropped.
void RestoreEntrySnapshot(NBA& nba, const EntrySnapshot& saved);

// The question when leaving with unrecorded figures (Save, Discard or Cancel).
std::string UnrecordedChangesText();

}  // namespace tavix
