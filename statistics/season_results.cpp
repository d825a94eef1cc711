#include "statistics/season_results.h"

#include <algorithm>

namespace tavix {
namespace {

template <typename Keep>
LeagueTotals Sum(const std::vector<GameResult>& games, Keep keep) {
    LeagueTotals totals{};
    for (const GameResult& g : games)
        if (keep(g)) AddGameResult(totals, g);
    return totals;
}

void SetSeason(const LeagueTotals& totals, std::array<int16_t, kTeamSlots>& wins,
               std::array<int16_t, kTeamSlots>& losses, std::array<int16_t, kTeamSlots>& ties,
               std::array<double, kTeamSlots>& offense, std::array<double, kTeamSlots>& defense) {
    for (size_t t = 1; t <= static_cast<size_t>(kLeagueTeams); ++t) {
        const TeamTotals& v = totals[t];
        // A season of results never reaches the 16-bit limit; clamp rather than wrap if a file claims it
        // does.
        wins[t] = static_cast<int16_t>(std::min(v.wins, 32767));
        losses[t] = static_cast<int16_t>(std::min(v.losses, 32767));
        ties[t] = 0;
        offense[t] = NewspaperAverage(v.pointsFor, v.games);
        defense[t] = NewspaperAverage(v.pointsAgainst, v.games);
    }
}

}  // namespace

void AddGameResult(LeagueTotals& totals, const GameResult& g) {
    if (g.road < 1 || g.road >= kTeamSlots || g.home < 1 || g.home >= kTeamSlots) return;
    TeamTotals& r = totals[static_cast<size_t>(g.road)];
    TeamTotals& h = totals[static_cast<size_t>(g.home)];
    const bool roadWon = g.roadPoints > g.homePoints;
    ++(roadWon ? r.wins : r.losses);
    ++(roadWon ? h.losses : h.wins);
    ++r.games;
    ++h.games;
    r.pointsFor += g.roadPoints;
    r.pointsAgainst += g.homePoints;
    h.pointsFor += g.homePoints;
    h.pointsAgainst += g.roadPoints;
}

LeagueTotals TotalsThrough(const std::vector<GameResult>& games, const Date& last) {
    return Sum(games, [&](const GameResult& g) { return g.date <= last; });
}

LeagueTotals TotalsBefore(const std::vector<GameResult>& games, const Date& day) {
    return Sum(games, [&](const GameResult& g) { return g.date < day; });
}

LeagueTotals TotalsOfAll(const std::vector<GameResult>& games) {
    return Sum(games, [](const GameResult&) { return true; });
}

double NewspaperAverage(long points, int games) {
    if (games <= 0) return 0;
    // Tenths, rounded half up, in whole numbers so no binary fraction can tip a half.
    long tenths = (points * 20 + games) / (2L * games);
    return static_cast<double>(tenths) / 10.0;
}

void SetCurrentSeason(NBA& nba, const LeagueTotals& totals) {
    SetSeason(totals, nba.Wins, nba.Losses, nba.Ties, nba.OffenseAve, nba.DefenseAve);
}

void SetPreviousSeason(NBA& nba, const LeagueTotals& totals) {
    SetSeason(totals, nba.PrevWins, nba.PrevLosses, nba.PrevTies, nba.PrevOffenseAve, nba.PrevDefenseAve);
}

std::vector<ScheduledGame> ScheduledGames(const NBA& nba) { return ScheduleOf(nba)->games; }

std::vector<GameResult> PlayedGames(const std::vector<ScheduledGame>& games) {
    std::vector<GameResult> results;
    results.reserve(games.size());
    for (const ScheduledGame& g : games)
        if (g.played) results.push_back({g.date, g.road, g.home, g.roadPoints, g.homePoints});
    return results;
}

}  // namespace tavix
