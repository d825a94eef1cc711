#pragma once
// The season's odds as the forecast window and the companion show them: the evening they start
// from, their list lines and printout, and the key that says whether odds worked out before still
// hold for the league as it stands.

#include <cstdint>
#include <string>
#include <vector>

#include "core/print_list.h"
#include "forecast/odds_inputs.h"

namespace tavix {

constexpr long kOddsSimulations = 100000;
constexpr uint64_t kOddsSeed = 1999;  // a fixed default, so the same data always gives the same odds

// The evening of the league's statistics date (a replay sets it to the day shown); without one,
// every game with a score counts as played.
Date OddsEvening(const NBA& nba);

// Everything the odds are worked out from (every figure of both seasons, the games with their
// scores, the evening, the count and the seed) as one text: equal texts give equal odds.
std::string OddsKey(const NBA& nba, const std::vector<SeasonGame>& games, const Date& evening,
                    long simulations, uint64_t seed);

// One line per team in team-number order: number, name, and the three chances in percent, under
// a heading line.
std::vector<std::string> OddsLines(const NBA& nba, const SeasonOdds& odds);

// 100000 as "100,000", the same in every locale.
std::string GroupedCount(long count);

// The printout of the list: its title names the evening the odds start from.
PrintScheme OddsPrintScheme(const Date& evening, long simulations);

// The game days whose mornings the chart shows: those up to the evening.
std::vector<Date> ChartDays(const std::vector<SeasonGame>& games, const Date& evening);

}  // namespace tavix
