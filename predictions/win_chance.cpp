#include "predictions/win_chance.h"

#include <cmath>

namespace tavix {

double FavouriteChance(double margin) { return 0.5 * std::erfc(-margin / (MarginSpread * std::sqrt(2.0))); }

double FavouriteChance(const Prediction& p) {
    return p.favoured == Favoured::None ? 0.5 : FavouriteChance(static_cast<double>(p.margin));
}

double HomeChance(const Prediction& p) {
    const double favourite = FavouriteChance(p);
    return p.favoured == Favoured::Road ? 1 - favourite : favourite;
}

double HomeWinChance(const NBA& nba, int road, int home, bool neutral) {
    return HomeChance(PredictGame(nba, road, home, neutral, TotalPrecision::Double));
}

}  // namespace tavix
