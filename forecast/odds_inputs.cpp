#include "forecast/odds_inputs.h"

#include <algorithm>

#include "predictions/ratings.h"
#include "predictions/win_chance.h"
#include "statistics/season_results.h"

namespace tavix {
namespace {

bool Valid(int team) { return team >= 1 && team <= kLeagueTeams; }

// `league` holds the records and averages that stand; `played` says which games are over.
template <typename Played>
SeasonStanding Standing(const NBA& league, const std::vector<SeasonGame>& games, Played played) {
    const Ratings ratings = ComputeRatings(league, SeasonView::Current);
    SeasonStanding s;
    for (size_t t = 1; t <= kLeagueTeams; ++t) {
        s.wins[t] = league.Wins[t];
        s.losses[t] = league.Losses[t];
    }
    for (const SeasonGame& g : games) {
        if (!Valid(g.road) || !Valid(g.home) || g.road == g.home) continue;
        if (played(g)) {
            const bool roadWon = g.roadPoints > g.homePoints;
            uint8_t& won = s.headToHead[static_cast<size_t>(roadWon ? g.road : g.home)]
                                       [static_cast<size_t>(roadWon ? g.home : g.road)];
            if (won < UINT8_MAX) ++won;
        } else {
            s.toPlay.push_back({g.road, g.home, HomeWinChance(league, ratings, g.road, g.home, false)});
        }
    }
    for (int home = 1; home <= kLeagueTeams; ++home)
        for (int road = 1; road <= kLeagueTeams; ++road)
            if (home != road)
                s.playoffHomeChance[static_cast<size_t>(home)][static_cast<size_t>(road)] =
                    HomeWinChance(league, ratings, road, home, false);
    return s;
}

}  // namespace

std::vector<SeasonGame> SeasonGamesOf(const NBA& nba) {
    std::vector<SeasonGame> games;
    for (const ScheduledGame& g : ScheduledGames(nba))
        games.push_back({g.date, g.road, g.home, g.played, g.roadPoints, g.homePoints});
    return games;
}

SeasonStanding StandingOnEvening(const NBA& nba, const std::vector<SeasonGame>& games, const Date& evening) {
    return Standing(nba, games, [&](const SeasonGame& g) { return g.played && g.date <= evening; });
}

std::vector<Date> SeasonGameDays(const std::vector<SeasonGame>& games) {
    std::vector<Date> days;
    for (const SeasonGame& g : games) days.push_back(g.date);
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

SeasonStanding StandingOnMorning(const NBA& nba, const std::vector<SeasonGame>& games, const Date& day) {
    std::vector<GameResult> results;
    for (const SeasonGame& g : games)
        if (g.played && g.date < day) results.push_back({g.date, g.road, g.home, g.roadPoints, g.homePoints});
    NBA morning = nba;
    SetCurrentSeason(morning, TotalsOfAll(results));
    return Standing(morning, games, [&](const SeasonGame& g) { return g.played && g.date < day; });
}

}  // namespace tavix
