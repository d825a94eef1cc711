#include "statistics/sort_keys.h"

#include <cmath>
#include <utility>

namespace tavix {

double TeamKey(double scaled, int team) {
    // Far beyond any real figure the fraction would be lost in the double and the team with it;
    // such figures sort as equal, by team number, and a figure that is no number sorts lowest.
    constexpr double kLimit = 1e9;
    if (std::isnan(scaled) || scaled < -kLimit) scaled = -kLimit;
    if (scaled > kLimit) scaled = kLimit;
    return std::floor(scaled) + team / 10000.0;
}

void SortTeamKeys(SortKeys& keys, int count) {
    if (count > kTeamSlots - 1) count = kTeamSlots - 1;
    // For 29 teams the gaps are 15, 7, 3, 1. Doubling while the gap is at most the count (rather
    // than below it) keeps a final pass of gap 1 for two teams too.
    int gap = 1;
    while (gap <= count) gap *= 2;
    for (;;) {
        gap = (gap - 1) / 2;
        if (gap == 0) break;
        for (int i = 1; i <= count - gap; ++i) {
            int j = i;
            do {
                const int k = j + gap;
                if (keys[k] >= keys[j]) break;
                std::swap(keys[j], keys[k]);
                j -= gap;
            } while (j > 0);
        }
    }
    // The fraction stays positive for negative keys because the integer part is the floor.
    for (int i = 1; i <= count; ++i) {
        const double fraction = keys[i] - std::floor(keys[i]);
        keys[i] = std::floor(fraction * 10000 + 0.5);
    }
}

}  // namespace tavix
