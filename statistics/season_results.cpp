#include "statistics/season_results.h"

#include <algorithm>

#include "predictions/block_predictions.h"

namespace tavix {
namespace {

// The cities' places in a schedule file line (the block window sees the line two blanks further on).
constexpr int kFileRoadFirst = kRoadCityFirst - 2, kFileRoadLast = kRoadCityLast - 2;
constexpr int kFileHomeFirst = kHomeCityFirst - 2, kFileHomeLast = kHomeCityLast - 2;
// The score follows the home city, which starts at column 17 at the latest.
constexpr size_t kEarliestScore = 17;

template <typename Keep>
LeagueTotals Sum(const std::vector<GameResult>& games, Keep keep) {
    LeagueTotals totals{};
    for (const GameResult& g : games)
        if (keep(g)) AddGameResult(totals, g);
    return totals;
}

std::optional<int> Points(std::string_view text) {
    return text.size() <= 3 ? ParseDigits(text) : std::nullopt;  // no game reaches a thousand points
}

bool IsOvertimeWord(std::string_view word) {
    // "OT", "2OT", "3OT"...: digits, then OT.
    if (word.size() < 2 || word.size() > 4) return false;
    const std::string upper = ToUpper(word);
    if (upper.compare(upper.size() - 2, 2, "OT") != 0) return false;
    for (size_t i = 0; i + 2 < upper.size(); ++i)
        if (upper[i] < '0' || upper[i] > '9') return false;
    return true;
}

struct Score {
    size_t position = std::string::npos;
    int road = 0, home = 0;
};

Score FindScore(const std::string& line) {
    size_t end = line.find_last_not_of(' ');
    if (end == std::string::npos) return {};
    size_t start = line.find_last_of(' ', end);
    start = start == std::string::npos ? 0 : start + 1;
    std::string_view word(line.data() + start, end + 1 - start);
    if (IsOvertimeWord(word)) {
        if (start == 0) return {};
        end = line.find_last_not_of(' ', start - 1);
        if (end == std::string::npos) return {};
        start = line.find_last_of(' ', end);
        start = start == std::string::npos ? 0 : start + 1;
        word = std::string_view(line.data() + start, end + 1 - start);
    }
    if (start < kEarliestScore) return {};
    const size_t dash = word.find('-');
    if (dash == std::string_view::npos) return {};
    auto road = Points(word.substr(0, dash)), home = Points(word.substr(dash + 1));
    if (!road || !home) return {};
    return {start, *road, *home};
}

void AddHalf(const NBA& nba, bool firstHalf, std::optional<Date>& day, std::vector<ScheduledGame>& games) {
    const std::string* lines = firstHalf ? nba.FirstHalfSchedule.data() : nba.SecondHalfSchedule.data();
    const int limit = firstHalf ? kFirstHalfLimit : kSecondHalfLimit;
    const int count = std::min<int>(firstHalf ? nba.FirstHalfCount : nba.SecondHalfCount, limit);
    for (int i = 1; i <= count; ++i) {
        const std::string& line = lines[i];
        if (auto heading = ParseLongDate(line)) {
            day = heading;
            continue;
        }
        if (!day) continue;
        ScheduledGame g;
        g.date = *day;
        g.road = FindTeamInLine(nba, line, kFileRoadFirst, kFileRoadLast);
        g.home = FindTeamInLine(nba, line, kFileHomeFirst, kFileHomeLast);
        if (g.road == 0 || g.home == 0) continue;
        const Score score = FindScore(line);
        g.played = score.position != std::string::npos;
        g.roadPoints = score.road;
        g.homePoints = score.home;
        g.firstHalf = firstHalf;
        g.line = i;
        games.push_back(g);
    }
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

std::vector<ScheduledGame> ScheduledGames(const NBA& nba) {
    std::vector<ScheduledGame> games;
    std::optional<Date> day;
    AddHalf(nba, true, day, games);
    AddHalf(nba, false, day, games);
    return games;
}

std::vector<GameResult> PlayedGames(const std::vector<ScheduledGame>& games) {
    std::vector<GameResult> results;
    results.reserve(games.size());
    for (const ScheduledGame& g : games)
        if (g.played) results.push_back({g.date, g.road, g.home, g.roadPoints, g.homePoints});
    return results;
}

size_t ScorePosition(const std::string& line) { return FindScore(line).position; }

std::string WithoutScore(const std::string& line) {
    const size_t at = ScorePosition(line);
    if (at == std::string::npos) return line;
    std::string bare = line.substr(0, at);
    while (!bare.empty() && bare.back() == ' ') bare.pop_back();
    return bare;
}

}  // namespace tavix
