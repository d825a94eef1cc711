#include "statistics/sort_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace tavix {
namespace {

// What the sort must give: ascending integer parts (toward minus infinity), equal parts by
// ascending team number.
std::vector<int> ExpectedOrder(const std::vector<double>& scaled) {
    std::vector<int> teams;
    for (size_t i = 0; i < scaled.size(); ++i) teams.push_back(static_cast<int>(i) + 1);
    std::stable_sort(teams.begin(), teams.end(),
                     [&](int a, int b) { return std::floor(scaled[a - 1]) < std::floor(scaled[b - 1]); });
    return teams;
}

std::vector<int> Sorted(const std::vector<double>& scaled) {
    SortKeys keys{};
    const int count = static_cast<int>(scaled.size());
    for (int t = 1; t <= count; ++t) keys[t] = TeamKey(scaled[t - 1], t);
    SortTeamKeys(keys, count);
    std::vector<int> out;
    for (int p = 1; p <= count; ++p) {
        EXPECT_EQ(keys[p], std::floor(keys[p])) << "slot " << p << " must hold a whole team number";
        out.push_back(static_cast<int>(keys[p]));
    }
    return out;
}

TEST(SortTeamKeys, GivesTeamsInKeyOrder) {
    const std::vector<double> cases[] = {
        std::vector<double>(29, 55),
        std::vector<double>(29, 0),
        // -4.25 and -4.3 scaled by 10 share the part -43; -0.5 lies below 0, not at it.
        {-43, -42.5, -0.5, 0,  0.5, -120, 35, -43.0001, 12, -1,  -1, 7,  99,  -99, 3,
         3,   3,     0,    -2, 64,  -64,  1,  -1,       10, -10, 2,  -3, 250, -250},
        {34.6, 34.1, 34.99, 35, 33.999, 34},
        {5, 1},
        {2, -7, 2},
        {8}};
    for (const auto& scaled : cases) EXPECT_EQ(Sorted(scaled), ExpectedOrder(scaled));
    std::mt19937 random(1999);
    std::uniform_real_distribution<double> value(-300, 300);
    for (int round = 0; round < 200; ++round) {
        std::vector<double> scaled(29);
        for (auto& v : scaled) v = round % 2 ? value(random) : std::floor(value(random) / 40);  // many equal
        ASSERT_EQ(Sorted(scaled), ExpectedOrder(scaled)) << "round " << round;
    }
}

TEST(SortTeamKeys, LeavesSlotsBeyondTheCountAlone) {
    SortKeys keys{};
    for (int t = 1; t <= 32; ++t) keys[t] = TeamKey(100 - t, t);
    keys[0] = -5;
    SortTeamKeys(keys, 29);
    EXPECT_EQ(keys[0], -5);
    EXPECT_EQ(keys[1], 29);
    EXPECT_DOUBLE_EQ(keys[30], TeamKey(70, 30));
}

}  // namespace
}  // namespace tavix
