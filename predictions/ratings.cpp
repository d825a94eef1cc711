#include "predictions/ratings.h"

#include <algorithm>

#include "core/number_format.h"

namespace tavix {
namespace {

// The mean of two seasons' averages, the way the program has always formed it: the difference
// is rounded to single precision before it is halved.
double Blend(double previous, double current) {
    if (previous > current) return previous - ToSingle(previous - current) / 2.0;
    if (previous < current) return previous + ToSingle(current - previous) / 2.0;
    return current;
}

}  // namespace

Ratings ComputeRatings(const NBA& nba, SeasonView view) {
    Ratings r;
    const int teams = std::min<int>(nba.TeamCount, kTeamSlots - 1);
    for (int t = 1; t <= teams; ++t) {
        const int games = nba.Wins[t] + nba.Losses[t];
        double offense = nba.OffenseAve[t];
        double defense = nba.DefenseAve[t];
        if (RatingBlended(nba, t)) {
            offense = Blend(nba.PrevOffenseAve[t], nba.OffenseAve[t]);
            defense = Blend(nba.PrevDefenseAve[t], nba.DefenseAve[t]);
        }
        r.SeasonOffense[t] = ToSingle(nba.OffenseAve[t]);
        r.SeasonDefense[t] = ToSingle(nba.DefenseAve[t]);
        r.PointDiff[t] = ToSingle(offense - defense);
        // Counts read from a file may be negative; no games, or fewer than none, give 0.
        r.WinPct[t] = games > 0 ? ToSingle(static_cast<double>(nba.Wins[t]) / games) : 0;
    }
    if (view == SeasonView::Current) return r;

    for (int t = 1; t <= teams; ++t) {
        const int games = nba.PrevWins[t] + nba.PrevLosses[t];
        if (nba.PrevWins[t] == 0 || games <= 0)
            r.WinPct[t] = 0;
        else
            r.WinPct[t] = ToSingle(static_cast<double>(nba.PrevWins[t]) / games);
    }
    for (int t = 1; t <= teams; ++t) {
        r.SeasonOffense[t] = ToSingle(nba.PrevOffenseAve[t]);
        r.SeasonDefense[t] = ToSingle(nba.PrevDefenseAve[t]);
        r.PointDiff[t] = ToSingle(nba.PrevOffenseAve[t] - nba.PrevDefenseAve[t]);
    }
    return r;
}

}  // namespace tavix
