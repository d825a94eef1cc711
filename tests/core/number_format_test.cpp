// Picture formats as the lists use them: where the integer digit is forced, how halves round, what
// a negative value that rounds to nothing shows, and that a value meant as a half still counts as
// one when binary arithmetic left it a hair below.

#include "core/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace tavix {
namespace {

TEST(FormatPicture, Formats) {
    const struct {
        double value;
        const char* picture;
        const char* expected;
    } cases[] = {
        // "0" forces an integer digit, "#" does not.
        {0, "0.000", "0.000"},
        {1.0 / 3.0, "0.000", "0.333"},
        {0.5, "#.000", ".500"},
        {0, "#.000", ".000"},
        {1, "#.000", "1.000"},
        {0.04, "###.0", ".0"},
        {101.25, "###.0", "101.3"},
        {0.04, "#0.0", "0.0"},
        {0, "##0", "0"},
        {199.4, "##0", "199"},
        // Halves go away from zero, on either side.
        {0.5, "##0", "1"},
        {2.5, "##0", "3"},
        {-2.5, "##0", "-3"},
        {0.25, "0.0", "0.3"},
        {-0.25, "0.0", "-0.3"},
        // A margin of 9.96 held in single precision rounds up into a fourth character.
        {static_cast<double>(9.96f), "#0.0", "10.0"},
        {99.96, "#0.0", "100.0"},
        // Decimal halves that binary cannot hold exactly are still halves (0.15 is 0.1499999...,
        // a total of four averages 207.4999...); a single value keeps its own side.
        {0.15, "0.0", "0.2"},
        {1.005, "0.00", "1.01"},
        {(104.7 + 106.0 + 105.1 + 99.2) / 2, "##0", "208"},
        {(109.9 + 101.4 + 106.4 + 99.3) / 2, "##0", "209"},
        {static_cast<double>(0.35f), "0.0", "0.3"},
        {static_cast<double>(0.15f), "0.0", "0.2"},
        // A negative value keeps its sign when it rounds to zero, so a signed column keeps its width.
        {-0.04, "#0.0", "-0.0"},
        {-0.004, "0.00", "-0.00"},
        {-0.4, "##0", "-0"},
        {-0.0, "0.0", "0.0"},
        {-3.456, "0.00", "-3.46"},
        {-0.5, "#.000", "-.500"},
        {std::numeric_limits<double>::quiet_NaN(), "0.0", "0.0"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), c.expected) << c.value << " as " << c.picture;
}

TEST(TextRules, PaddingLeadingNumberLetterCaseAndDates) {
    EXPECT_EQ(PaddedTo("", 3), "   ");
    EXPECT_EQ(PaddedTo("ab", 4), "ab  ");
    EXPECT_EQ(PaddedTo("abcdef", 4), "abcdef");  // never cuts
    const std::pair<const char*, double> typed[] = {
        {"", 0},      {"abc", 0}, {"  45", 45}, {"4 5", 45},    {"101.5pts", 101.5}, {"-3", -3}, {".5", 0.5},
        {"1e2", 100}, {"1e", 1},  {"12-3", 12}, {"1.2.3", 1.2}, {"+7", 7},           {"-", 0},   {"1d1", 10}};
    for (const auto& [text, expected] : typed) EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << text;
    EXPECT_EQ(ToLower("MONTR\xc9"
                      "AL \xd7\xdf 76ERS"),
              "montr\xe9"
              "al \xd7\xdf 76ers");
    EXPECT_EQ(ToUpper("montr\xe9"
                      "al \xf7\xdf\xff"),
              "MONTR\xc9"
              "AL \xf7\xdf\xff");
    EXPECT_EQ(FormatDate({1999, 2, 5}), "02-05-1999");
}

TEST(ToInt16, RoundsHalfToEvenWithinRange) {
    const std::pair<double, std::optional<int16_t>> cases[] = {{2.5, 2},
                                                               {3.5, 4},
                                                               {-2.5, -2},
                                                               {32767.4, 32767},
                                                               {32767.5, std::nullopt},
                                                               {-32768.5, -32768},
                                                               {-32768.6, std::nullopt}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(ToInt16(value), expected) << value;
}

}  // namespace
}  // namespace tavix
