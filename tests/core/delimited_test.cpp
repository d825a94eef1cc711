#include "core/delimited.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace tavix {
namespace {

TEST(DelimitedReader, SplitsValuesAsADelimitedReadDoes) {
    const struct {
        const char* input;
        std::vector<std::string> values;
    } cases[] = {{"45\r\n101.5\r\n", {"45", "101.5"}},
                 {"\"Boston\"\r\n\"New, York\"\r\n", {"Boston", "New, York"}},
                 {"Courier, New\r\n", {"Courier", "New"}},  // unquoted text ends at a comma
                 {"   7  \n8", {"7", "8"}},                 // LF alone and no final line end
                 {"\"L. A.\"\r\n\"\"\r\n", {"L. A.", ""}},
                 {"", {}}};
    for (const auto& c : cases) {
        DelimitedReader in(c.input);
        std::vector<std::string> got;
        while (auto v = in.Next()) got.push_back(*v);
        EXPECT_EQ(got, c.values) << c.input;
    }
}

TEST(DelimitedWriter, ShortestTextThatReadsBackToTheSameBits) {
    for (const char* bad : {"abc", "12x", "1e", ".", "1,5"}) EXPECT_FALSE(ParsePlainNumber(bad)) << bad;
    for (float f : {0.0f, 1.0f / 3.0f, -2.5e-8f, 3.4e38f, 98.25f, std::numeric_limits<float>::denorm_min()}) {
        DelimitedWriter out;
        out.Single(f);
        auto back = ParsePlainSingle(out.Text().substr(0, out.Text().size() - 2));
        ASSERT_TRUE(back.has_value()) << out.Text();
        EXPECT_EQ(std::memcmp(&f, &*back, sizeof f), 0) << out.Text();
    }
    for (double d : {101.5, 98.25, 0.1, -12.5, 1e-7, 123456789.125}) {
        DelimitedWriter out;
        out.Number(d);
        EXPECT_EQ(out.Text().find_first_of("e,"), std::string::npos)
            << "plain decimal notation: " << out.Text();
        EXPECT_EQ(ParsePlainNumber(out.Text().substr(0, out.Text().size() - 2)), d);
    }
    DelimitedWriter out;
    out.Quoted("New, York");
    out.Integer(-3);
    out.Printed("Courier New");
    out.Single(101.5f);
    EXPECT_EQ(out.Text(), "\"New, York\"\r\n-3\r\nCourier New\r\n101.5\r\n");
}

}  // namespace
}  // namespace tavix
