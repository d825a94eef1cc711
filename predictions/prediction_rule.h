#pragma once
// The handicapping rule: favoured team, margin and over/under total for one game, written as one
// fixed-column line. The caller computes the ratings (ComputeRatings) of the league it passes.

#include <string>

#include "core/league.h"
#include "predictions/ratings.h"

namespace tavix {

constexpr float HomeCourtEdge = 2.0f;
constexpr float PickBand = 1.0f;
constexpr float MaxMargin = 16.0f;
constexpr int OverUnderEarlyGames = 10;  // below this, team 1's games: previous season only
constexpr int OverUnderMidGames = 20;    // from here on: current season only

// The two windows have always added up the current-season total differently: the single game
// window in single precision, the block window in double. The difference can show only where the
// displayed total rounds differently, but it is kept so both lists stay as users know them.
enum class TotalPrecision { Single, Double };

enum class Favoured { None, Road, Home };

struct Prediction {
    Favoured favoured = Favoured::None;
    float margin = 0;  // above PickBand and at most MaxMargin when a side is favoured
    double total = 0;  // whole below 20 games of team 1, unrounded from then on
};

// The pick, margin and total without the text.
Prediction PredictGame(const NBA& nba, const Ratings& ratings, int road, int home, bool neutral,
                       TotalPrecision precision);

// One prediction line: road team, " at " (" vs " at a neutral site) and home team, the favoured
// nickname and margin (or "--  Pick"), and the over/under total; columns 1, 54, 68 and 79 with
// names of ordinary length, and nothing is ever cut.
std::string FormatPredictionLine(const NBA& nba, const Ratings& ratings, int road, int home, bool neutral,
                                 TotalPrecision precision);
// The same line for a prediction already made, for callers that also need the figures.
std::string FormatPredictionLine(const NBA& nba, int road, int home, bool neutral, const Prediction& p);

}  // namespace tavix
