// The standings built from the supplied statistics file against the final 1998-99 standings.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "core/data_files.h"
#include "core/number_format.h"
#include "statistics/ratings_view.h"
#include "statistics/standings.h"

namespace tavix {
namespace {

struct RealRecord {
    int wins = 0, losses = 0;
    double scored = 0, allowed = 0;
};

// Full team name ("Los Angeles Lakers") to its final record.
std::map<std::string, RealRecord> FinalStandings() {
    std::ifstream in(std::string(TAVIX_SOURCE_DIR) + "/data/sources/standings-1998-99.csv");
    std::map<std::string, RealRecord> out;
    std::string line;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::stringstream fields(line);
        std::string name, w, l, f, a;
        std::getline(fields, name, ',');
        std::getline(fields, w, ',');
        std::getline(fields, l, ',');
        std::getline(fields, f, ',');
        std::getline(fields, a, ',');
        out[name] = {std::stoi(w), std::stoi(l), std::stod(f), std::stod(a)};
    }
    return out;
}

class SuppliedData : public ::testing::Test {
  protected:
    void SetUp() override {
        const LoadReport report =
            LoadLeague(std::string(TAVIX_SOURCE_DIR) + "/data", "/nonexistent/TVX.ini", nba);
        if (!report.statisticsOk || !report.namesOk) GTEST_SKIP() << "supplied data files not readable";
        real = FinalStandings();
        ASSERT_EQ(real.size(), 29u);
    }
    // The real record of a club, found by its nickname at the end of the full name.
    const RealRecord& RealOf(int team) {
        std::string nickname = nba.TeamNames[team] == "Trailblazers" ? "Trail Blazers" : nba.TeamNames[team];
        for (const auto& [name, record] : real) {
            if (name.size() > nickname.size() &&
                name.compare(name.size() - nickname.size(), nickname.size(), nickname) == 0)
                return record;
        }
        ADD_FAILURE() << "no final record for " << nba.TeamNames[team];
        static RealRecord none;
        return none;
    }
    NBA nba;
    std::map<std::string, RealRecord> real;
};

TEST_F(SuppliedData, StandingsShowTheFinalRecordsInDivisionOrder) {
    const auto lines = BuildStandings(nba, SeasonView::Current);
    ASSERT_EQ(lines.size(), 49u);
    const std::vector<std::pair<size_t, Division>> divisions = {
        {7, Division::Atlantic}, {16, Division::Central}, {31, Division::Midwest}, {40, Division::Pacific}};
    for (const auto& [first, division] : divisions) {
        size_t count = division == Division::Central ? 8 : 7;
        DivisionLeader leader;
        double previousPct = 2;
        int previousTeam = 99;
        for (size_t i = first; i < first + count; ++i) {
            const std::string& line = lines[i];
            // Find the club by its shown name.
            int team = 0;
            for (int t = 1; t <= 29; ++t) {
                std::string shown = "     " + nba.CityNames[t];
                if (shown == "     L. A.") shown += " Lakers";
                if (shown == "     L.A.") shown += " Clippers";
                if (PaddedTo(shown, 21) == line.substr(0, 21)) team = t;
            }
            ASSERT_NE(team, 0) << line;
            EXPECT_EQ(DivisionOf(team), division) << line;
            const RealRecord& r = RealOf(team);
            SCOPED_TRACE(line);
            EXPECT_EQ(std::stoi(line.substr(21, 2)), r.wins);
            EXPECT_EQ(std::stoi(line.substr(28, 2)), r.losses);
            const double pct = static_cast<double>(r.wins) / (r.wins + r.losses);
            EXPECT_EQ(line.substr(34, 5), FormatPicture(pct, "0.000"));
            // Every club played 50 games, so the margin is the season's, unblended.
            const double margin = static_cast<float>(r.scored - r.allowed);
            const std::string sign = margin > 0 ? "+" : margin == 0 ? " " : "";
            EXPECT_EQ(line.substr(46),
                      (margin > -10 && margin < 10 ? "  " : " ") + sign + FormatPicture(margin, "0.00"));
            // Best record first; an equal record goes by the higher team number.
            EXPECT_LE(pct, previousPct);
            if (pct == previousPct) {
                EXPECT_LT(team, previousTeam);
            }
            if (i == first) {
                leader = {r.wins, r.wins + r.losses};
                EXPECT_EQ(line.substr(41, 5), " -   ");
            } else {
                const double gb = ((leader.wins - r.wins) + (r.losses - (leader.games - leader.wins))) / 2.0;
                if (gb != 0) {
                    EXPECT_EQ(line.substr(41, 5), PaddedTo((gb < 10 ? " " : "") + PlainNumber(gb), 5));
                }
            }
            previousPct = pct;
            previousTeam = team;
        }
    }
}

// The real 1998-99 division leaders; Miami and Orlando finished level at 33-17 and the list puts
// the higher team number (Orlando) first.
TEST_F(SuppliedData, DivisionLeaders) {
    const auto lines = BuildStandings(nba, SeasonView::Current);
    EXPECT_EQ(lines[7].substr(0, 21), PaddedTo("     Orlando", 21));
    EXPECT_EQ(lines[8].substr(0, 21), PaddedTo("     Miami", 21));
    EXPECT_EQ(lines[8].substr(41, 5), " -   ");
    EXPECT_EQ(lines[16].substr(0, 21), PaddedTo("     Indiana", 21));
    EXPECT_EQ(lines[31].substr(0, 21), PaddedTo("     Utah", 21));  // 37-13, level with San Antonio
    EXPECT_EQ(lines[32].substr(0, 21), PaddedTo("     San Antonio", 21));
    EXPECT_EQ(lines[40].substr(0, 21), PaddedTo("     Portland", 21));
}

TEST_F(SuppliedData, RatingsViewListsEveryClubOnce) {
    for (int order = 0; order < 4; ++order) {
        for (SeasonView view : {SeasonView::Current, SeasonView::Previous}) {
            const auto lines =
                BuildRatingsView(nba, static_cast<RatingsOrder>(order), view, RatingsRebuild::Option);
            ASSERT_EQ(lines.size(), 5u + 29);
            std::map<std::string, int> seen;
            for (size_t i = 5; i < lines.size(); ++i) ++seen[lines[i].substr(0, 18)];
            EXPECT_EQ(seen.size(), 29u);
        }
    }
    // San Antonio had the best margin in 1998-99 (+8.1), Chicago the worst (-9.5).
    const auto byMargin =
        BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load);
    EXPECT_EQ(byMargin[5].substr(0, 18), PaddedTo(" " + nba.TeamNames[20], 18));
    EXPECT_EQ(byMargin.back().substr(0, 18), PaddedTo(" Bulls", 18));
}

}  // namespace
}  // namespace tavix
