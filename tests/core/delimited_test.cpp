#include "core/delimited.h"

#include <gtest/gtest.h>

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

// That every figure reads back to the same bits, in plain decimals, is the statistics file's
// round trip; here the refused numbers and the layout of each kind of value.
TEST(DelimitedWriter, RefusesWhatIsNoPlainNumberAndWritesOneValueALine) {
    for (const char* bad : {"abc", "12x", "1e", ".", "1,5"}) EXPECT_FALSE(ParsePlainNumber(bad)) << bad;
    DelimitedWriter out;
    out.Quoted("New, York");
    out.Integer(-3);
    out.Printed("Courier New");
    out.Single(101.5f);
    EXPECT_EQ(out.Text(), "\"New, York\"\r\n-3\r\nCourier New\r\n101.5\r\n");
}

}  // namespace
}  // namespace tavix
