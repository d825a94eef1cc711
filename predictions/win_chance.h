#pragma once
// How sure a prediction is: the favourite's chance of winning. Real margins scatter about a
// predicted one roughly as a normal curve; its spread is a figure measured over many professional
// games, never this season's results, so the chance is what a fan could have known that morning.

#include <string>
#include <vector>

#include "core/league.h"
#include "predictions/block_predictions.h"
#include "predictions/prediction_rule.h"

namespace tavix {

// Standard deviation, in points, of the real margin about a well-made predicted one.
constexpr double MarginSpread = 12.0;

// The chance that a team predicted to win by `margin` points wins: one half for a Pick (0), more
// for every point of margin.
double FavouriteChance(double margin);
// The favourite's chance for a prediction as the line shows it (the capped margin); 0.5 for a Pick.
double FavouriteChance(const Prediction& p);
// The home team's chance in the same prediction.
double HomeChance(const Prediction& p);
// The home team's chance when `road` plays at `home`, the home edge acting as in the line, on the
// ratings the caller computed for this league.
double HomeWinChance(const NBA& nba, const Ratings& ratings, int road, int home, bool neutral);

// "59.7%": the favourite's chance as the windows show it beside a line.
std::string ChanceText(double chance);
// The chance column beside the block predictions list, line for line with it: its heading beside the
// list's opening blank line, the favourite's chance where the list shows a prediction, a blank beside
// every other line (" ", as the list's own blank lines, so a row keeps its height).
std::vector<std::string> BlockChanceColumn(const NBA& nba, SeasonView view,
                                           const std::vector<BlockLine>& blockLines);

}  // namespace tavix
