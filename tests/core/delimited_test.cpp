#include "core/delimited.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

namespace tavix {
namespace {

struct ReadCase {
    const char* input;
    std::vector<std::string> values;
};

class DelimitedReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DelimitedReadTest, SplitsValuesAsADelimitedReadDoes) {
    DelimitedReader in(GetParam().input);
    std::vector<std::string> got;
    while (auto v = in.Next()) got.push_back(*v);
    EXPECT_EQ(got, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DelimitedReadTest,
    ::testing::Values(ReadCase{"45\r\n101.5\r\n", {"45", "101.5"}},
                      ReadCase{"\"Boston\"\r\n\"New, York\"\r\n", {"Boston", "New, York"}},
                      ReadCase{"Courier, New\r\n", {"Courier", "New"}},  // unquoted text ends at a comma
                      ReadCase{"   7  \n8", {"7", "8"}},                 // LF alone and no final line end
                      ReadCase{"\"L. A.\"\r\n\"\"\r\n", {"L. A.", ""}}, ReadCase{"", {}}));

TEST(DelimitedNumbers, RefusesWhatIsNotANumberOrOutOfRange) {
    for (const char* bad : {"abc", "12x", "40000", "-32769", "1e", "."}) {
        DelimitedReader in(bad);
        EXPECT_FALSE(in.NextInt16().has_value()) << bad;
    }
    DelimitedReader ok("-32768\r\n32767\r\n");
    EXPECT_EQ(ok.NextInt16(), -32768);
    EXPECT_EQ(ok.NextInt16(), 32767);
}

TEST(DelimitedNumbers, WritesShortestTextThatReadsBackToTheSameBits) {
    const float floats[] = {0.0f,    1.0f / 3.0f, -2.5e-8f,
                            3.4e38f, 98.25f,      std::numeric_limits<float>::denorm_min()};
    for (float f : floats) {
        DelimitedWriter out;
        out.Single(f);
        DelimitedReader in(out.Text());
        auto back = in.NextSingle();
        ASSERT_TRUE(back.has_value()) << out.Text();
        EXPECT_EQ(std::memcmp(&f, &*back, sizeof f), 0) << out.Text();
    }
    const double doubles[] = {101.5, 98.25, 0.1, -12.5, 1e-7, 123456789.125};
    for (double d : doubles) {
        DelimitedWriter out;
        out.Number(d);
        EXPECT_EQ(out.Text().find('e'), std::string::npos) << "plain decimal notation: " << out.Text();
        DelimitedReader in(out.Text());
        EXPECT_EQ(in.NextNumber(), d);
    }
}

TEST(DelimitedNumbers, UseAPointUnderACommaDecimalLocale) {
    const char* locales[] = {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "C.UTF-8"};
    const char* chosen = nullptr;
    for (const char* l : locales)
        if ((chosen = std::setlocale(LC_ALL, l))) break;
    DelimitedWriter out;
    out.Number(98.25);
    out.Single(101.5f);
    EXPECT_EQ(out.Text(), "98.25\r\n101.5\r\n");
    DelimitedReader in(out.Text());
    EXPECT_EQ(in.NextNumber(), 98.25);
    std::setlocale(LC_ALL, "C");
}

TEST(DelimitedWriter, QuotesStringsAndEndsLinesWithCrLf) {
    DelimitedWriter out;
    out.Quoted("New, York");
    out.Integer(-3);
    out.Printed("Courier New");
    EXPECT_EQ(out.Text(), "\"New, York\"\r\n-3\r\nCourier New\r\n");
}

}  // namespace
}  // namespace tavix
