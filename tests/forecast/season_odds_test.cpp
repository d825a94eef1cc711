#include "forecast/season_odds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <thread>

#include "forecast/odds_job.h"
#include "tests/support/data_folders.h"

namespace tavix {
namespace {

// The supplied season: its games and the standing on a few of its mornings, the last one after
// the final game day.
struct SuppliedSeason {
    NBA nba = testing::SuppliedLeague();
    std::vector<SeasonGame> games = SeasonGamesOf(nba);
    std::vector<Date> days = SeasonGameDays(games);
    SeasonStanding Morning(size_t day) const {
        return day < days.size() ? StandingOnMorning(nba, games, days[day])
                                 : StandingOnEvening(nba, games, days.back());
    }
};
const SuppliedSeason& Season() {
    static const SuppliedSeason season;
    return season;
}

long Sum(const std::array<long, kTeamSlots>& counts) {
    long sum = 0;
    for (long c : counts) sum += c;
    return sum;
}

// Every simulated season seeds sixteen clubs and crowns two conference champions and one
// champion, on every morning; the same seed repeats the odds exactly with any number of threads.
TEST(SeasonOdds, CountsAddUpAndRepeat) {
    const SuppliedSeason& s = Season();
    const std::vector<size_t> mornings = {0, 45, s.days.size()};
    std::atomic<long> done{0};
    SimulationControl control;
    control.done = &done;
    const long sims = 3000;
    const std::vector<SeasonOdds> days = OddsThroughSeason(
        mornings.size(), [&](size_t i) { return s.Morning(mornings[i]); }, sims, 7, control);
    ASSERT_EQ(days.size(), mornings.size());
    EXPECT_EQ(done.load(), sims * static_cast<long>(mornings.size()));
    for (const SeasonOdds& odds : days) {
        EXPECT_EQ(Sum(odds.playoffs), 16 * sims);
        EXPECT_EQ(Sum(odds.conference), 2 * sims);
        EXPECT_EQ(Sum(odds.title), sims);
    }
    // The opening day is open: nobody is sure of the play-offs yet.
    for (int t = 1; t <= kLeagueTeams; ++t) EXPECT_LT(days[0].Playoffs(t), 1.0) << t;

    for (unsigned threads : {1u, 3u}) {
        control.threads = threads;
        const SeasonOdds again = SimulateSeasonOdds(s.Morning(0), sims, 7, control);
        EXPECT_EQ(again.playoffs, days[0].playoffs);
        EXPECT_EQ(again.title, days[0].title);
    }
    EXPECT_NE(SimulateSeasonOdds(s.Morning(0), sims, 8).title, days[0].title);

    std::atomic<bool> cancel{true};
    control.cancel = &cancel;
    EXPECT_TRUE(SimulateSeasonOdds(s.Morning(0), sims, 7, control).cancelled);
}

// In the background a job reports its progress and ends with one point per game day, each the
// odds of that morning, each handed out as it is finished; cancelled, it stops early.
TEST(SeasonOdds, BackgroundJobFinishesOrStops) {
    const SuppliedSeason& s = Season();
    const auto wait = [](const OddsJob& job) {
        while (!job.Finished()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    auto job = StartOddsThroughSeason(s.nba, s.games, 200, 1);
    wait(*job);
    EXPECT_EQ(job->Progress(), 1.0);
    ASSERT_EQ(job->Result().size(), s.days.size());
    EXPECT_EQ(job->Result()[45].title, SimulateSeasonOdds(s.Morning(45), 200, 1).title);
    EXPECT_EQ(job->Partial().size(), s.days.size());  // the days as they came, for a growing chart
    auto upToDay10 = StartOddsThroughSeason(s.nba, s.games, 10, 1, s.days[9]);
    wait(*upToDay10);
    EXPECT_EQ(upToDay10->Result().size(), 10u);
    auto stopped = StartOddsThroughSeason(s.nba, s.games, 100000, 1);
    stopped->Cancel();
    wait(*stopped);
    EXPECT_LT(stopped->Result().size(), s.days.size());
}

// After the last game day the field is certain and is 1999's, first-round pairings and home courts
// too: the tie-breaks decided among the clubs of equal records. Miami and Indiana were level in
// everything the rule looks at, so a lot puts Miami first.
TEST(SeasonOdds, FinalRecordsGiveTheRealPlayoffField) {
    const SeasonStanding final = Season().Morning(Season().days.size());
    const datagen::CsvTable teams = testing::SourceTable("teams-1998-99.csv");
    std::map<std::string, int> number;
    for (size_t i = 0; i < teams.rows.size(); ++i) number[teams.rows[i][0]] = static_cast<int>(i) + 1;
    const datagen::CsvTable playoffs = testing::SourceTable("playoffs-1999.csv");
    std::set<std::pair<int, int>> real;  // (home court, other) of each first-round series
    for (const auto& row : playoffs.rows)
        if (row[0] == "First Round" && row[1] == "1") real.insert({number.at(row[5]), number.at(row[3])});
    bool miamiFirst = false;
    for (uint64_t lot = 1; lot <= 8; ++lot) {
        const std::array<int, 8> east = PlayoffSeeds(final, Conference::Eastern, lot);
        const std::array<int, 8> west = PlayoffSeeds(final, Conference::Western, lot);
        std::set<std::pair<int, int>> ours;
        for (size_t i = 0; i < 4; ++i) {
            ours.insert({east[i], east[7 - i]});
            ours.insert({west[i], west[7 - i]});
        }
        if (east[0] != number.at("Miami Heat")) continue;
        miamiFirst = true;
        EXPECT_EQ(ours, real) << lot;
    }
    EXPECT_TRUE(miamiFirst);

    const SeasonOdds odds = SimulateSeasonOdds(final, 2000, 3);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        bool in = false;
        for (auto [a, b] : real) in = in || a == t || b == t;
        EXPECT_EQ(odds.Playoffs(t), in ? 1.0 : 0.0) << t;
        if (!in) {
            EXPECT_EQ(odds.Title(t), 0.0) << t;
        }
    }
}

// Division winners go first; equal records go by the games between the clubs, then by the
// conference record; a club that cannot reach the field any more has no chance at all.
TEST(SeasonOdds, SeedsAndTieBreaks) {
    struct Case {
        const char* name;
        int h2h1, h2h2;     // Boston's and Miami's wins against each other (both 30-20, Atlantic)
        int charlotte1[2];  // Boston's wins and losses against Charlotte; Miami is 2-0
        int first, third;   // seed 1 and seed 3 (seed 2 is Atlanta, the Central winner at 20-30)
    } cases[] = {
        {"HeadToHeadOverConference", 3, 1, {0, 5}, 1, 2},
        {"HeadToHeadOverConferenceOther", 1, 3, {20, 0}, 2, 1},
        {"ConferenceRecord", 2, 2, {4, 0}, 1, 2},
        {"ConferenceRecordOther", 2, 2, {0, 0}, 2, 1},
    };
    for (const Case& c : cases) {
        SeasonStanding s;
        for (int t = 1; t <= kLeagueTeams; ++t) s.losses[t] = 50;
        s.wins[1] = s.wins[2] = 30;
        s.losses[1] = s.losses[2] = 20;
        s.wins[8] = 20, s.losses[8] = 30;
        for (int t = 3; t <= 7; ++t) s.wins[t] = 10 + t, s.losses[t] = 40 - t;
        s.headToHead[1][2] = static_cast<uint8_t>(c.h2h1);
        s.headToHead[2][1] = static_cast<uint8_t>(c.h2h2);
        s.headToHead[1][9] = static_cast<uint8_t>(c.charlotte1[0]);
        s.headToHead[9][1] = static_cast<uint8_t>(c.charlotte1[1]);
        s.headToHead[2][9] = 2;
        const std::array<int, 8> seeds = PlayoffSeeds(s, Conference::Eastern, 5);
        EXPECT_EQ(seeds[0], c.first) << c.name;
        EXPECT_EQ(seeds[1], 8) << c.name;
        EXPECT_EQ(seeds[2], c.third) << c.name;

        // Toronto at 0-50 with two games left cannot pass anyone at 10 wins or more.
        s.toPlay = {{15, 3, 0.5}, {4, 15, 0.5}};
        for (auto& row : s.playoffHomeChance) row.fill(0.5);
        const SeasonOdds odds = SimulateSeasonOdds(s, 500, 1);
        EXPECT_EQ(odds.Playoffs(15), 0.0) << c.name;
        EXPECT_EQ(odds.Playoffs(c.first), 1.0) << c.name;
    }
}

}  // namespace
}  // namespace tavix
