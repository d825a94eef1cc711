#pragma once
// Ordering teams by a figure: each team's key carries its own team number in the fraction
// (team / 10000), so no two keys are ever equal and the sorted keys give back the team numbers.

#include <array>

#include "core/league.h"

namespace tavix {

using SortKeys = std::array<double, kTeamSlots>;

// The key of `team` for a scaled figure: its integer part, taken toward minus infinity so a
// negative figure keeps a positive fraction, plus team / 10000.
double TeamKey(double scaled, int team);

// Sorts keys[1..count] ascending (shell sort, gaps 2^k - 1); afterwards keys[p] holds the number
// of the team whose key came p-th. Slots outside 1..count are left alone.
void SortTeamKeys(SortKeys& keys, int count);

}  // namespace tavix
