// The standings built from the supplied statistics file against the final 1998-99 standings.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>

#include "core/data_files.h"
#include "core/number_format.h"
#include "statistics/ratings_view.h"
#include "statistics/standings.h"
#include "tests/support/data_folders.h"

namespace tavix {
namespace {

struct RealRecord {
    int wins = 0, losses = 0;
    double scored = 0, allowed = 0;
};

// Full team name ("Los Angeles Lakers") to its final record.
std::map<std::string, RealRecord> FinalStandings() {
    std::map<std::string, RealRecord> out;  // team, wins, losses, points for and against a game
    for (const auto& r : testing::SourceTable("standings-1998-99.csv").rows)
        out[r.at(0)] = {std::stoi(r.at(1)), std::stoi(r.at(2)), std::stod(r.at(3)), std::stod(r.at(4))};
    return out;
}

class SuppliedData : public ::testing::Test {
  protected:
    void SetUp() override {
        nba = testing::SuppliedLeague();
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

// Every club's line shows its final record and margin (all played 50 games, so the margin is the
// season's, unblended), best record first, under the right division. Miami and Orlando finished
// level at 33-17, Utah and San Antonio at 37-13: the higher team number is listed first.
TEST_F(SuppliedData, StandingsShowTheFinalRecordsInDivisionOrder) {
    const auto lines = BuildStandings(nba, SeasonView::Current);
    ASSERT_EQ(lines.size(), 49u);
    const struct {
        size_t first, count;
        Division division;
        const char* leaders[2];
    } divisions[] = {{7, 7, Division::Atlantic, {"Orlando", "Miami"}},
                     {16, 8, Division::Central, {"Indiana", nullptr}},
                     {31, 7, Division::Midwest, {"Utah", "San Antonio"}},
                     {40, 7, Division::Pacific, {"Portland", nullptr}}};
    for (const auto& d : divisions) {
        double previousPct = 2;
        RealRecord leader;
        for (size_t i = d.first; i < d.first + d.count; ++i) {
            const std::string& line = lines[i];
            SCOPED_TRACE(line);
            int team = 0;  // found by its shown name
            for (int t = 1; t <= 29; ++t) {
                std::string shown = "     " + nba.CityNames[t];
                shown += shown == "     L. A." ? " Lakers" : shown == "     L.A." ? " Clippers" : "";
                if (PaddedTo(shown, 21) == line.substr(0, 21)) team = t;
            }
            ASSERT_NE(team, 0);
            EXPECT_EQ(DivisionOf(team), d.division);
            const RealRecord& r = RealOf(team);
            EXPECT_EQ(std::stoi(line.substr(21, 2)), r.wins);
            EXPECT_EQ(std::stoi(line.substr(28, 2)), r.losses);
            const double pct = static_cast<double>(r.wins) / (r.wins + r.losses);
            EXPECT_EQ(line.substr(34, 5), FormatPicture(pct, "0.000"));
            if (i == d.first) leader = r;
            const double gb = ((leader.wins - r.wins) + (r.losses - leader.losses)) / 2.0;
            if (gb != 0) {
                EXPECT_EQ(line.substr(41, 5), PaddedTo((gb < 10 ? " " : "") + PlainNumber(gb), 5));
            }
            EXPECT_LE(pct, previousPct);
            previousPct = pct;
            const double margin = static_cast<float>(r.scored - r.allowed);
            const std::string sign = margin > 0 ? "+" : margin == 0 ? " " : "";
            EXPECT_EQ(line.substr(46),
                      (margin > -10 && margin < 10 ? "  " : " ") + sign + FormatPicture(margin, "0.00"));
        }
        for (size_t k = 0; k < 2 && d.leaders[k]; ++k) {
            EXPECT_EQ(lines[d.first + k].substr(0, 21), PaddedTo(std::string("     ") + d.leaders[k], 21));
            EXPECT_EQ(lines[d.first + k].substr(41, 5), " -   ");
        }
    }
}

TEST_F(SuppliedData, RatingsByMarginRunFromSanAntonioToChicago) {
    // San Antonio had the best margin in 1998-99 (+8.1), Chicago the worst (-9.5).
    const auto byMargin =
        BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load);
    EXPECT_EQ(byMargin[5].substr(0, 18), PaddedTo(" " + nba.TeamNames[20], 18));
    EXPECT_EQ(byMargin.back().substr(0, 18), PaddedTo(" Bulls", 18));
}

// The supplied figures, and figures no season gives as a statistics file may hold them: every list
// shows each club once, no figure turns into a wrong team number, and nothing is converted out of range (the
// sanitizer run checks that part).
TEST_F(SuppliedData, AbsurdFiguresKeepEveryListWhole) {
    constexpr int kClub = 7;
    const double huge = std::numeric_limits<double>::max();
    const std::pair<const char*, std::function<void(NBA&)>> cases[] = {
        {"as supplied", [](NBA&) {}},
        {"offense 1e39", [](NBA& n) { n.OffenseAve[kClub] = 1e39; }},
        {"offense -1e39", [](NBA& n) { n.OffenseAve[kClub] = -1e39; }},
        {"offense 1e300, defense -1e300",
         [](NBA& n) { n.OffenseAve[kClub] = 1e300, n.DefenseAve[kClub] = -1e300; }},
        {"margin beyond a double", [=](NBA& n) { n.OffenseAve[kClub] = huge, n.DefenseAve[kClub] = -huge; }},
        {"13-digit averages",
         [](NBA& n) { n.OffenseAve[kClub] = 1234567890123.4, n.DefenseAve[3] = 9999999999999.9; }},
        {"tiny averages", [](NBA& n) { n.OffenseAve[kClub] = 1e-300, n.DefenseAve[kClub] = 4.9e-324; }},
        {"every club 1e39",
         [](NBA& n) {
             for (auto& a : n.OffenseAve) a = 1e39;
         }},
        {"previous 1e39", [](NBA& n) { n.PrevOffenseAve[kClub] = 1e39, n.PrevDefenseAve[2] = -1e300; }},
        {"wins 5 losses -5", [](NBA& n) { n.Wins[kClub] = 5, n.Losses[kClub] = -5, n.Ties[kClub] = 0; }},
        {"ties -5 cancel the games",
         [](NBA& n) { n.Wins[kClub] = 10, n.Losses[kClub] = -5, n.Ties[kClub] = -5; }},
        {"most negative counts", [](NBA& n) { n.Wins[kClub] = n.Losses[kClub] = n.Ties[kClub] = -32768; }},
        {"largest counts", [](NBA& n) { n.Wins[kClub] = n.Losses[kClub] = n.Ties[kClub] = 32767; }},
        {"no games anywhere", [](NBA& n) { n.Wins.fill(0), n.Losses.fill(0), n.Ties.fill(0); }},
        {"previous wins 5 losses -5", [](NBA& n) { n.PrevWins[kClub] = 5, n.PrevLosses[kClub] = -5; }},
    };
    const NBA supplied = nba;
    auto clubLinesOnce = [&](const std::vector<std::string>& lines, size_t from, size_t width) {
        std::map<std::string, int> seen;
        for (size_t i = from; i < lines.size(); ++i) ++seen[lines[i].substr(0, width)];
        return seen.size() == 29 && lines.size() == from + 29;
    };
    for (const auto& [name, damage] : cases) {
        SCOPED_TRACE(name);
        nba = supplied;
        damage(nba);
        for (SeasonView view : {SeasonView::Current, SeasonView::Previous}) {
            for (RatingsRebuild cause :
                 {RatingsRebuild::Load, RatingsRebuild::Option, RatingsRebuild::SeasonSwitch}) {
                for (int order = 0; order < 4; ++order) {
                    const auto lines = BuildRatingsView(nba, static_cast<RatingsOrder>(order), view, cause);
                    EXPECT_TRUE(clubLinesOnce(lines, 5, 18)) << order << ::testing::PrintToString(lines);
                }
            }
        }
        const auto standings = BuildStandings(nba, SeasonView::Current);
        for (int t = 1; t <= 29; ++t) {
            const std::string start = "     " + nba.CityNames[t];
            EXPECT_EQ(std::count_if(standings.begin(), standings.end(),
                                    [&](const std::string& l) {
                                        return l.rfind(start, 0) == 0 &&
                                               (l.size() == start.size() || l[start.size()] == ' ');
                                    }),
                      1)
                << nba.CityNames[t];
        }
    }
}

}  // namespace
}  // namespace tavix
