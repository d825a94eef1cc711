#include "predictions/prediction_rule.h"

#include <cmath>

#include "core/number_format.h"

namespace tavix {
namespace {

double CurrentTotal(const NBA& nba, int road, int home, TotalPrecision precision) {
    if (precision == TotalPrecision::Single) {
        // Each step rounded to single precision, as the single game window holds these figures.
        float sum = ToSingle(nba.OffenseAve[road]);
        sum += ToSingle(nba.DefenseAve[road]);
        sum += ToSingle(nba.OffenseAve[home]);
        sum += ToSingle(nba.DefenseAve[home]);
        return sum / 2.0f;
    }
    return (nba.OffenseAve[road] + nba.DefenseAve[road] + nba.OffenseAve[home] + nba.DefenseAve[home]) / 2;
}

}  // namespace

Prediction PredictGame(const NBA& nba, const Ratings& ratings, int road, int home, bool neutral,
                       TotalPrecision precision) {
    Prediction result;
    float dr = ratings.PointDiff[road];
    float dh = ratings.PointDiff[home];
    if (!neutral) dh += HomeCourtEdge;

    // Ratings within the band call the game even; the band's sums are single precision too.
    const float roadTop = dr + PickBand;
    const float homeTop = dh + PickBand;
    if (dr > dh && !(dr > homeTop)) dh = dr;
    if (dh > dr && !(dh > roadTop)) dr = dh;

    if (dr > dh) {
        result.favoured = Favoured::Road;
        result.margin = dr - dh;
    } else if (dh > dr) {
        result.favoured = Favoured::Home;
        result.margin = dh - dr;
    }
    if (result.margin > MaxMargin) result.margin = MaxMargin;

    // The season's progress is read from team number 1 alone, whoever plays.
    const int games = nba.Wins[1] + nba.Losses[1];
    const double previous = (nba.PrevDefenseAve[road] + nba.PrevOffenseAve[road] + nba.PrevOffenseAve[home] +
                             nba.PrevDefenseAve[home]) /
                            2;
    if (games < OverUnderEarlyGames) {
        result.total = std::floor(previous);
    } else {
        const double current = CurrentTotal(nba, road, home, precision);
        result.total = games < OverUnderMidGames ? std::floor((previous + current) / 2) : current;
    }
    return result;
}

std::string FormatPredictionLine(const NBA& nba, const Ratings& ratings, int road, int home, bool neutral,
                                 TotalPrecision precision) {
    return FormatPredictionLine(nba, road, home, neutral,
                                PredictGame(nba, ratings, road, home, neutral, precision));
}

std::string FormatPredictionLine(const NBA& nba, int road, int home, bool neutral, const Prediction& p) {
    std::string line = nba.CityNames[road] + " " + nba.TeamNames[road];
    PadTo(line, 24);
    line += neutral ? " vs " : " at ";
    line += nba.CityNames[home] + " " + nba.TeamNames[home];
    PadTo(line, 53);
    if (p.favoured == Favoured::None) {
        line += "--  Pick";
        PadTo(line, 67);
    } else {
        line += nba.TeamNames[p.favoured == Favoured::Road ? road : home];
        PadTo(line, 67);
        line += "by  ";
        if (p.margin < 10) line += ' ';
        line += FormatPicture(p.margin, "#0.0");
    }
    PadTo(line, 78);
    line += FormatPicture(p.total, "##0");
    return line;
}

}  // namespace tavix
