#pragma once
// The division standings shown in the main window's standings list.
#include <string>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"

namespace tavix {

// Runs ComputeRatings for `view`, replaces WinPct by the standings percentage and returns the lines.
std::vector<std::string> BuildStandings(NBA& nba, SeasonView view);
// The values of the standings print.
ListPrintSpec StandingsPrintSpec();

}  // namespace tavix
