// Picture formats as the lists use them: where the integer digit is forced, how halves round, what
// a negative value that rounds to nothing shows, and that a value meant as a half still counts as
// one when binary arithmetic left it a hair below.

#include "core/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace tavix {
namespace {

struct PictureCase {
    const char* name;
    double value;
    const char* picture;
    const char* expected;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

class Picture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Picture, Formats) {
    const PictureCase& c = GetParam();
    EXPECT_EQ(FormatPicture(c.value, c.picture), c.expected) << c.value << " as " << c.picture;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Picture,
    ::testing::Values(
        // Integer digits: "0" forces one, "#" does not.
        PictureCase{"PercentageZero", 0, "0.000", "0.000"},
        PictureCase{"PercentageThird", 1.0 / 3.0, "0.000", "0.333"},
        PictureCase{"PercentageWhole", 1, "0.000", "1.000"},
        PictureCase{"HashPercentageDropsZero", 0.5, "#.000", ".500"},
        PictureCase{"HashPercentageOfNothing", 0, "#.000", ".000"},
        PictureCase{"HashPercentageOne", 1, "#.000", "1.000"},
        PictureCase{"AverageBelowOne", 0.04, "###.0", ".0"},
        PictureCase{"AverageHundreds", 101.25, "###.0", "101.3"},
        PictureCase{"MarginBelowOne", 0.04, "#0.0", "0.0"}, PictureCase{"TotalZero", 0, "##0", "0"},
        PictureCase{"TotalHundreds", 199.4, "##0", "199"},
        // Halves go away from zero, on either side.
        PictureCase{"HalfUp", 0.5, "##0", "1"}, PictureCase{"OneAndAHalf", 1.5, "##0", "2"},
        PictureCase{"TwoAndAHalfNotToEven", 2.5, "##0", "3"},
        PictureCase{"NegativeHalfAway", -2.5, "##0", "-3"}, PictureCase{"TenthHalf", 0.25, "0.0", "0.3"},
        PictureCase{"NegativeTenthHalf", -0.25, "0.0", "-0.3"},
        // A margin of 9.96 held in single precision rounds up into a fourth character.
        PictureCase{"SingleNineNinetySix", static_cast<double>(9.96f), "#0.0", "10.0"},
        PictureCase{"SingleSixteen", static_cast<double>(16.0f), "#0.0", "16.0"},
        PictureCase{"NinesCarryIntoNewDigit", 99.96, "#0.0", "100.0"},
        // Decimal halves that binary cannot hold exactly are still halves: 0.15 is stored as
        // 0.1499999..., 1.005 as 1.00499..., and a total of four averages as 207.4999...
        PictureCase{"StoredBelowTenthHalf", 0.15, "0.0", "0.2"},
        PictureCase{"StoredBelowHundredthHalf", 1.005, "0.00", "1.01"},
        PictureCase{"SumOfAveragesJustBelowHalf", (104.7 + 106.0 + 105.1 + 99.2) / 2, "##0", "208"},
        PictureCase{"SumOfAveragesJustAboveHalf", (109.9 + 101.4 + 106.4 + 99.3) / 2, "##0", "209"},
        // A single value lies far enough from a half to keep its own side.
        PictureCase{"SingleBelowHalf", static_cast<double>(0.35f), "0.0", "0.3"},
        PictureCase{"SingleAboveHalf", static_cast<double>(0.15f), "0.0", "0.2"},
        // A negative value keeps its minus sign even when it rounds to zero, so a signed column
        // keeps its width ("-0.0" beside "+0.0" and " 0.0").
        PictureCase{"NegativeRoundsToZeroTenths", -0.04, "#0.0", "-0.0"},
        PictureCase{"NegativeRoundsToZeroHundredths", -0.004, "0.00", "-0.00"},
        PictureCase{"NegativeRoundsToZeroWhole", -0.4, "##0", "-0"},
        PictureCase{"NegativeZeroHasNoSign", -0.0, "0.0", "0.0"},
        PictureCase{"NegativeScoringMargin", -3.456, "0.00", "-3.46"},
        PictureCase{"NegativeBelowOneHash", -0.5, "#.000", "-.500"},
        PictureCase{"NotANumberShowsZero", std::numeric_limits<double>::quiet_NaN(), "0.0", "0.0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PadTo, FillsButNeverCuts) {
    struct {
        std::string text;
        size_t width;
        std::string expected;
    } cases[] = {{"", 3, "   "}, {"ab", 4, "ab  "}, {"abcd", 4, "abcd"}, {"abcdef", 4, "abcdef"}};
    for (const auto& c : cases) EXPECT_EQ(PaddedTo(c.text, c.width), c.expected);
}

TEST(LeadingNumber, ReadsWhatTypedTextStartsWith) {
    struct {
        const char* text;
        double expected;
    } cases[] = {{"", 0},        {"abc", 0},  {"  45", 45}, {"4 5", 45}, {"101.5pts", 101.5},
                 {"-3", -3},     {".5", 0.5}, {"1e2", 100}, {"1e", 1},   {"12-3", 12},
                 {"1.2.3", 1.2}, {"+7", 7},   {"-", 0},     {"1d1", 10}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(ToInt16, RoundsHalfToEvenWithinRange) {
    struct {
        double value;
        std::optional<int16_t> expected;
    } cases[] = {{2.5, 2},
                 {3.5, 4},
                 {-2.5, -2},
                 {32767.4, 32767},
                 {32767.5, std::nullopt},
                 {-32768.5, -32768},
                 {-32768.6, std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ToInt16(c.value), c.expected) << c.value;
}

TEST(LetterCase, LatinOneLettersChangeCaseOtherBytesStay) {
    EXPECT_EQ(ToLower("MONTR\xc9"
                      "AL \xd7\xdf 76ERS"),
              "montr\xe9"
              "al \xd7\xdf 76ers");
    EXPECT_EQ(ToUpper("montr\xe9"
                      "al \xf7\xdf\xff 76ers"),
              "MONTR\xc9"
              "AL \xf7\xdf\xff 76ERS");
}

TEST(FormatDate, TenCharacters) {
    EXPECT_EQ(FormatDate({1999, 2, 5}), "02-05-1999");
    EXPECT_EQ(FormatDate({1999, 12, 31}), "12-31-1999");
}

}  // namespace
}  // namespace tavix
