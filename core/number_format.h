#pragma once
// Number and text formatting for fixed-pitch lists: picture formats, padding that never cuts,
// the leading-number reading of typed text, and dates as mm-dd-yyyy.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavix {

// Picture strings of the lists: "0.000", "0.00", "0.0", "#0.0", "##0", "###.0", "#.000".
// A '0' before the point (or at the end of a whole-number picture) forces an integer digit;
// '#' does not. Halves round away from zero, judged on the value's first 15 significant digits
// (so a sum meant as a half rounds as one). A negative value keeps its minus sign also when it
// rounds to zero ("-0.0").
std::string FormatPicture(double value, std::string_view picture);

// A whole number as plain text ("45", "-3").
std::string PlainInteger(long value);
// A number as plain text without trailing zeros ("3", "2.5", "-1.5"), as a list shows GB.
std::string PlainNumber(double value);

// A figure as a whole number (the fraction dropped) that any long holds: beyond 2^53 either way
// it stays there, and a value that is no number is 0. A plain conversion is undefined there.
long WholeNumber(double value);

// Appends blanks until the text is width characters long; a longer text stays whole.
void PadTo(std::string& text, size_t width);
std::string PaddedTo(std::string text, size_t width);

// The leading-number rule: blanks are skipped, reading stops at the first character that cannot
// continue a number, and text without a number reads as 0.
double LeadingNumber(std::string_view text);
// The same, but nothing for a number beyond the range of a double (such as 1e400), which the
// plain rule reads as 0.
std::optional<double> FiniteLeadingNumber(std::string_view text);

// A figure rounded to single precision as the lists hold it. Beyond the single range it stays at
// the largest single of its sign (a plain conversion would be undefined there), and a value that
// is no number at all counts as 0.
float ToSingle(double value);

// Rounds half to even; nothing when the result lies outside -32768..32767.
std::optional<int16_t> ToInt16(double value);

// Letter case of the 8-bit (Latin-1) text of the data files: accented letters change case too,
// so a city spelt in capitals with an accent still finds its entry in the names.
char LowerChar(char c);
char UpperChar(char c);
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);

// Text from a file as a list, window or printout can show it: a tab becomes blanks up to the next
// multiple of eight characters, any other control character (C0, DEL, and C1 in Latin-1) a
// question mark.
std::string Showable(std::string_view text);

struct Date {
    int year = 0, month = 0, day = 0;
};
// Ten characters, mm-dd-yyyy.
std::string FormatDate(const Date& date);

}  // namespace tavix
