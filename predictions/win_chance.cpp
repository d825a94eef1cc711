#include "predictions/win_chance.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"
#include "predictions/block_predictions.h"
#include "predictions/ratings.h"

namespace tavix {

double FavouriteChance(double margin) { return 0.5 * std::erfc(-margin / (MarginSpread * std::sqrt(2.0))); }

double FavouriteChance(const Prediction& p) {
    return p.favoured == Favoured::None ? 0.5 : FavouriteChance(static_cast<double>(p.margin));
}

double HomeChance(const Prediction& p) {
    const double favourite = FavouriteChance(p);
    return p.favoured == Favoured::Road ? 1 - favourite : favourite;
}

double HomeWinChance(const NBA& nba, const Ratings& ratings, int road, int home, bool neutral) {
    return HomeChance(PredictGame(nba, ratings, road, home, neutral, TotalPrecision::Double));
}

std::string ChanceText(double chance) { return FormatPicture(chance * 100, "##0.0") + "%"; }

std::vector<std::string> BlockChanceColumn(const NBA& nba, SeasonView view,
                                           const std::vector<BlockLine>& blockLines) {
    const size_t count = std::min(blockLines.size(), static_cast<size_t>(kBlockLineLimit));
    std::vector<std::string> column(1, "Chance");  // its heading, beside the list's opening blank line
    const Ratings ratings = ComputeRatings(nba, view);
    for (size_t g = 0; g < count; ++g) {
        const BlockGame game = RecognizeBlockGame(*ScheduleOf(nba), blockLines[g]);
        if (!game.Recognised()) {
            column.emplace_back(" ");
            continue;
        }
        column.push_back(ChanceText(
            FavouriteChance(PredictGame(nba, ratings, game.road, game.home, false, TotalPrecision::Double))));
    }
    return column;
}

}  // namespace tavix
