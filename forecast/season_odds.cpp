#include "forecast/season_odds.h"

#include <algorithm>
#include <thread>

namespace tavix {
namespace {

constexpr uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

uint64_t Mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Each simulation draws from its own stream, started from the seed and its number, so it draws
// the same numbers whichever thread runs it and in whatever order.
class Draws {
  public:
    Draws(uint64_t seed, uint64_t simulation) : state_(Mix(seed + kGolden) ^ Mix(simulation * kGolden + 1)) {}
    // One multiplication a draw (wyrand): the games of a season take most of the time.
    uint64_t Next() {
        state_ += 0xA0761D6478BD642FULL;
        const unsigned __int128 t = static_cast<unsigned __int128>(state_) * (state_ ^ 0xE7037ED1A0B428DBULL);
        return static_cast<uint64_t>(t >> 64) ^ static_cast<uint64_t>(t);
    }

  private:
    uint64_t state_;
};

// A chance as the share of all 64-bit draws below it, so a game costs one draw and one compare.
uint64_t Threshold(double chance) {
    if (!(chance > 0)) return 0;
    if (chance >= 1) return UINT64_MAX;
    return static_cast<uint64_t>(chance * 18446744073709551616.0);
}

struct Game {
    uint8_t road, home;
    uint64_t homeWins;  // threshold
};

using SeriesTable = std::array<std::array<uint64_t, kTeamSlots>, kTeamSlots>;  // [home court][other]

// The chance that the club with home court wins a series of `homeGames` + `roadGames`: playing every
// game out and taking the majority decides exactly as stopping at the deciding win does.
double SeriesChance(double home, double road, int homeGames, int roadGames) {
    std::array<double, 8> wins{};  // distribution of games won
    wins[0] = 1;
    int played = 0;
    auto play = [&](double p, int games) {
        for (int g = 0; g < games; ++g, ++played)
            for (int k = played + 1; k >= 0; --k) wins[k] = wins[k] * (1 - p) + (k > 0 ? wins[k - 1] * p : 0);
    };
    play(home, homeGames);
    play(road, roadGames);
    double chance = 0;
    for (int k = (homeGames + roadGames) / 2 + 1; k <= homeGames + roadGames; ++k) chance += wins[k];
    return chance;
}

double Fraction(int won, int lost, double none) {
    return won + lost == 0 ? none : static_cast<double>(won) / (won + lost);
}

struct Season {
    std::array<int, kTeamSlots> wins{}, losses{};
    TeamTable headToHead{};
    std::array<uint64_t, kTeamSlots> lot{};
    std::array<double, kTeamSlots> pct{};

    void Finish() {
        for (size_t t = 1; t <= kLeagueTeams; ++t) pct[t] = Fraction(wins[t], losses[t], 0);
    }
};

struct League {
    // Teams by conference (0 Eastern, 1 Western) and by division within it.
    std::array<std::vector<int>, 2> conference;
    std::array<std::array<std::vector<int>, 2>, 2> division;
    League() {
        for (int t = 1; t <= kLeagueTeams; ++t) {
            const int c = ConferenceOf(t) == Conference::Eastern ? 0 : 1;
            const Division d = DivisionOf(t);
            conference[static_cast<size_t>(c)].push_back(t);
            division[static_cast<size_t>(c)][d == Division::Atlantic || d == Division::Midwest ? 0 : 1]
                .push_back(t);
        }
    }
};
const League& TheLeague() {
    static const League league;
    return league;
}

// Puts `teams` in order of record; clubs level on record go by the games between them, then by
// their record within their conference, then by lot.
void Order(const Season& s, int* teams, int n) {
    const auto& pct = s.pct;
    std::sort(teams, teams + n, [&](int a, int b) { return pct[a] > pct[b]; });
    for (int first = 0; first < n;) {
        int end = first + 1;
        while (end < n && pct[teams[end]] == pct[teams[first]]) ++end;
        if (end - first > 1) {
            double among[kTeamSlots], inConference[kTeamSlots];
            for (int i = first; i < end; ++i) {
                const int a = teams[i];
                int won = 0, lost = 0;
                for (int j = first; j < end; ++j) {
                    won += s.headToHead[a][teams[j]];
                    lost += s.headToHead[teams[j]][a];
                }
                among[a] = Fraction(won, lost, 0.5);
                won = lost = 0;
                for (int b : TheLeague().conference[ConferenceOf(a) == Conference::Eastern ? 0 : 1]) {
                    won += s.headToHead[a][b];
                    lost += s.headToHead[b][a];
                }
                inConference[a] = Fraction(won, lost, 0.5);
            }
            std::sort(teams + first, teams + end, [&](int a, int b) {
                if (among[a] != among[b]) return among[a] > among[b];
                if (inConference[a] != inConference[b]) return inConference[a] > inConference[b];
                return s.lot[a] < s.lot[b];
            });
        }
        first = end;
    }
}

std::array<int, 8> Seeds(const Season& s, int conference) {
    const League& league = TheLeague();
    int top[2];
    for (size_t d = 0; d < 2; ++d) {
        int teams[kTeamSlots];
        const auto& members = league.division[static_cast<size_t>(conference)][d];
        std::copy(members.begin(), members.end(), teams);
        Order(s, teams, static_cast<int>(members.size()));
        top[d] = teams[0];
    }
    Order(s, top, 2);
    int rest[kTeamSlots];
    int n = 0;
    for (int t : league.conference[static_cast<size_t>(conference)])
        if (t != top[0] && t != top[1]) rest[n++] = t;
    Order(s, rest, n);
    std::array<int, 8> seeds{};
    seeds[0] = top[0];
    seeds[1] = top[1];
    for (size_t i = 2; i < 8 && static_cast<int>(i) - 2 < n; ++i) seeds[i] = rest[i - 2];
    return seeds;
}

struct Prepared {
    Season start;
    std::array<int, kTeamSlots> toPlay{};  // games each team has still to play
    std::vector<Game> games;
    SeriesTable bestOf5{}, bestOf7{};
};

Prepared Prepare(const SeasonStanding& standing) {
    Prepared p;
    p.start.wins = standing.wins;
    p.start.losses = standing.losses;
    p.start.headToHead = standing.headToHead;
    for (const GameToPlay& g : standing.toPlay) {
        if (g.road < 1 || g.road > kLeagueTeams || g.home < 1 || g.home > kLeagueTeams) continue;
        p.games.push_back(
            {static_cast<uint8_t>(g.road), static_cast<uint8_t>(g.home), Threshold(g.homeChance)});
        ++p.toPlay[static_cast<size_t>(g.road)];
        ++p.toPlay[static_cast<size_t>(g.home)];
    }
    for (size_t a = 1; a <= kLeagueTeams; ++a)
        for (size_t b = 1; b <= kLeagueTeams; ++b) {
            const double home = standing.playoffHomeChance[a][b], road = 1 - standing.playoffHomeChance[b][a];
            p.bestOf5[a][b] = Threshold(SeriesChance(home, road, 3, 2));
            p.bestOf7[a][b] = Threshold(SeriesChance(home, road, 4, 3));
        }
    return p;
}

struct alignas(64) Counts {
    std::array<long, kTeamSlots> playoffs{}, conference{}, title{};
};

// The club with home court is named first.
int Series(Draws& d, const SeriesTable& t, int homeCourt, int other) {
    return d.Next() < t[static_cast<size_t>(homeCourt)][static_cast<size_t>(other)] ? homeCourt : other;
}

// A conference's play-offs; returns its champion. Seeds 1-8 meet 1-8, 4-5, 2-7 and 3-6, the
// winners of the first two and of the last two, then those two; the better seed has home court.
int ConferencePlayoffs(Draws& d, const Prepared& p, const std::array<int, 8>& seeds) {
    auto round = [&](const SeriesTable& t, size_t a, size_t b) {
        if (b < a) std::swap(a, b);
        return Series(d, t, seeds[a], seeds[b]) == seeds[a] ? a : b;
    };
    // One statement a series: the order of the draws must not be left to the compiler.
    const size_t first[4] = {round(p.bestOf5, 0, 7), round(p.bestOf5, 3, 4), round(p.bestOf5, 1, 6),
                             round(p.bestOf5, 2, 5)};
    const size_t upper = round(p.bestOf7, first[0], first[1]);
    const size_t lower = round(p.bestOf7, first[2], first[3]);
    return seeds[round(p.bestOf7, upper, lower)];
}

void Simulate(const Prepared& p, uint64_t seed, long simulation, Counts& counts) {
    Draws d(seed, static_cast<uint64_t>(simulation));
    Season s = p.start;
    // Without branches: a branch on a coin toss is mispredicted every other game.
    for (const Game& g : p.games) {
        const unsigned homeWon = 0u - static_cast<unsigned>(d.Next() < g.homeWins);
        const unsigned winner = (g.home & homeWon) | (g.road & ~homeWon);
        const unsigned loser = (g.road & homeWon) | (g.home & ~homeWon);
        ++s.wins[winner];
        ++s.headToHead[winner][loser];
    }
    for (size_t t = 1; t <= kLeagueTeams; ++t) {
        s.losses[t] += p.toPlay[t] - (s.wins[t] - p.start.wins[t]);
        s.lot[t] = d.Next();
    }
    s.Finish();
    int champions[2];
    for (int c = 0; c < 2; ++c) {
        const std::array<int, 8> seeds = Seeds(s, c);
        for (int t : seeds) ++counts.playoffs[static_cast<size_t>(t)];
        champions[c] = ConferencePlayoffs(d, p, seeds);
        ++counts.conference[static_cast<size_t>(champions[c])];
    }
    // The finals' home court goes to the better record.
    Order(s, champions, 2);
    ++counts.title[static_cast<size_t>(Series(d, p.bestOf7, champions[0], champions[1]))];
}

}  // namespace

SeasonOdds SimulateSeasonOdds(const SeasonStanding& standing, long simulations, uint64_t seed,
                              const SimulationControl& control) {
    const Prepared prepared = Prepare(standing);
    constexpr long kChunk = 256;
    const long chunks = (simulations + kChunk - 1) / kChunk;
    unsigned threads = control.threads ? control.threads : std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::max(1L, std::min<long>(threads, chunks)));

    std::atomic<long> next{0};
    std::atomic<bool> stopped{false};
    std::vector<Counts> parts(threads);
    auto work = [&](unsigned worker) {
        Counts& counts = parts[worker];
        for (;;) {
            if (control.cancel && control.cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const long from = next.fetch_add(kChunk);
            if (from >= simulations) return;
            const long to = std::min(from + kChunk, simulations);
            for (long n = from; n < to; ++n) Simulate(prepared, seed, n, counts);
            if (control.done) control.done->fetch_add(to - from);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned w = 1; w < threads; ++w) pool.emplace_back(work, w);
    work(0);
    for (std::thread& t : pool) t.join();

    SeasonOdds odds;
    odds.cancelled = stopped;
    odds.simulations = std::max(0L, simulations);
    for (const Counts& c : parts)
        for (size_t t = 0; t < kTeamSlots; ++t) {
            odds.playoffs[t] += c.playoffs[t];
            odds.conference[t] += c.conference[t];
            odds.title[t] += c.title[t];
        }
    return odds;
}

std::vector<SeasonOdds> OddsThroughSeason(size_t dayCount,
                                          const std::function<SeasonStanding(size_t)>& morningOf,
                                          long simulations, uint64_t seed, const SimulationControl& control) {
    std::vector<SeasonOdds> days;
    days.reserve(dayCount);
    for (size_t day = 0; day < dayCount; ++day) {
        // The same seed every day: a line on the chart moves with the standings, not with the draws.
        SeasonOdds odds = SimulateSeasonOdds(morningOf(day), simulations, seed, control);
        if (odds.cancelled) break;
        days.push_back(odds);
        if (control.dayDone) control.dayDone(days.back());
    }
    return days;
}

std::array<int, 8> PlayoffSeeds(const SeasonStanding& standing, Conference conference, uint64_t lot) {
    Season s;
    s.wins = standing.wins;
    s.losses = standing.losses;
    s.headToHead = standing.headToHead;
    Draws d(lot, 0);
    for (int t = 1; t <= kLeagueTeams; ++t) s.lot[t] = d.Next();
    s.Finish();
    return Seeds(s, conference == Conference::Eastern ? 0 : 1);
}

}  // namespace tavix
