// The data tool: its source-table reader, the figures it computes, and the committed data files,
// which must be exactly what the tool makes from data/sources.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "core/data_files.h"
#include "core/number_format.h"
#include "core/safe_file.h"
#include "tests/support/data_folders.h"
#include "tests/support/lists_run.h"
#include "tools/datagen/csv.h"
#include "tools/datagen/league_files.h"
#include "tools/datagen/season.h"

namespace tavix::datagen {
namespace {

namespace fs = std::filesystem;

const std::string kSources = std::string(TAVIX_SOURCE_DIR) + "/data/sources";
const std::string kData = std::string(TAVIX_SOURCE_DIR) + "/data";

using testing::TempFolder;

int RunTool(const std::string& arguments) {  // the tool's exit status
    int status = std::system(("'" TAVIX_DATA_TOOL "' " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int Make(const std::string& out, const std::string& more = "") {
    return RunTool("--sources '" + kSources + "' --out '" + out + "' " + more);
}

using Figures = std::tuple<int, int, double, double>;  // wins, losses, points for and against a game
Figures Current(const NBA& n, int t) { return {n.Wins[t], n.Losses[t], n.OffenseAve[t], n.DefenseAve[t]}; }
Figures Previous(const NBA& n, int t) {
    return {n.PrevWins[t], n.PrevLosses[t], n.PrevOffenseAve[t], n.PrevDefenseAve[t]};
}
Figures Of(const ReferenceLine& r) { return {r.wins, r.losses, r.perGame, r.allowedPerGame}; }

const Sources& TheSources() {
    static Sources sources = [] {
        Sources s;
        std::string error;
        EXPECT_TRUE(LoadSources(kSources, s, error)) << error;
        return s;
    }();
    return sources;
}

const NBA& CommittedLeague() {
    static const NBA nba = testing::SuppliedLeague();
    return nba;
}

// ---- The source-table reader ----

struct CsvCase {
    const char* name;
    std::string text;
    bool ok;
    std::vector<std::vector<std::string>> rows;
};

void PrintTo(const CsvCase& c, std::ostream* os) { *os << c.name; }

class CsvTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvTest, ReadsRecordsOrNamesTheFault) {
    std::string error;
    auto table = ParseCsv(GetParam().text, error);
    ASSERT_EQ(table.has_value(), GetParam().ok) << error;
    EXPECT_EQ(table ? table->rows : GetParam().rows, GetParam().rows);
    EXPECT_TRUE(table || error.find("line") != std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CsvTest,
    ::testing::Values(
        CsvCase{"CrLf", "a,b\r\n1,2\r\n", true, {{"1", "2"}}},
        CsvCase{"NoFinalLineEnd", "a,b\n1,2", true, {{"1", "2"}}},
        CsvCase{"QuotedComma", "a,b\n\"at Toronto, Canada\",x\n", true, {{"at Toronto, Canada", "x"}}},
        CsvCase{"DoubledQuote", "a\n\"say \"\"hi\"\"\"\n", true, {{"say \"hi\""}}},
        CsvCase{"EmptyFields", "a,b,c\n,,\n", true, {{"", "", ""}}},
        CsvCase{"BlankLinesIgnored", "a\n1\n\n2\n\n", true, {{"1"}, {"2"}}},
        CsvCase{"UnclosedQuote", "a\n\"open\n", false, {}}, CsvCase{"TooFewFields", "a,b\n1\n", false, {}},
        CsvCase{"TooManyFields", "a,b\n1,2,3\n", false, {}},
        CsvCase{"TextAfterQuote", "a\n\"x\"y\n", false, {}},
        CsvCase{"QuoteInsideField", "a\nx\"y\"\n", false, {}},
        CsvCase{"BareCarriageReturn", "a\r1\n", false, {}}),
    [](const auto& info) { return info.param.name; });

// ---- Small computations ----

TEST(Latin1, KeepsWhatTheCharacterSetHasAndDropsOtherAccents) {
    EXPECT_EQ(ToLatin1("Toni Kukoč"), "Toni Kukoc");
    EXPECT_EQ(ToLatin1("Kornél Dávid"), "Korn\xe9l D\xe1vid");
    EXPECT_EQ(ToLatin1("Bruno Šundov"), "Bruno Sundov");
    EXPECT_EQ(ToLatin1("Gheorghe Mureșan"), "Gheorghe Muresan");
    EXPECT_FALSE(ToLatin1("Œuvre"));          // no plain letter for a ligature
    EXPECT_FALSE(ToLatin1("\xe4\xb8\xad"));   // a CJK character
    EXPECT_FALSE(ToLatin1("bad \xc3"));       // cut sequence
    EXPECT_FALSE(ToLatin1("bad \xff tail"));  // not UTF-8
}

// ---- Reading back schedule lines ----

NBA LeagueWithSuppliedNames() {
    NBA nba;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = TheSources().teams[t].city;
        nba.TeamNames[t] = TheSources().teams[t].nickname;
    }
    return nba;
}

struct ScheduleFaultCase {
    const char* name;
    std::vector<std::string> firstHalf, secondHalf;
    bool fine;
};

void PrintTo(const ScheduleFaultCase& c, std::ostream* os) { *os << c.name; }

class ScheduleCheckTest : public ::testing::TestWithParam<ScheduleFaultCase> {};

TEST_P(ScheduleCheckTest, FindsLinesTheViewsWouldMisread) {
    NBA nba = LeagueWithSuppliedNames();
    const auto& c = GetParam();
    nba.FirstHalfCount = static_cast<int16_t>(c.firstHalf.size());
    for (size_t i = 0; i < c.firstHalf.size(); ++i) nba.FirstHalfSchedule[i + 1] = c.firstHalf[i];
    nba.SecondHalfCount = static_cast<int16_t>(c.secondHalf.size());
    for (size_t i = 0; i < c.secondHalf.size(); ++i) nba.SecondHalfSchedule[i + 1] = c.secondHalf[i];
    auto problems = CheckSchedule(nba);
    EXPECT_EQ(problems.empty(), c.fine) << (problems.empty() ? std::string() : problems.front());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScheduleCheckTest,
    ::testing::Values(
        ScheduleFaultCase{
            "GoodDay", {kLockoutNote}, {"Friday, February 5, 1999", "Utah         at L. A.", " "}, true},
        ScheduleFaultCase{"BothLosAngelesTeams", {}, {"L.A.         at L. A.        80-90"}, true},
        ScheduleFaultCase{"FirstHalfLooksLikeAHeading", {" Monday, no games"}, {}, false},
        ScheduleFaultCase{"FirstHalfNamesACity", {" No games in Boston"}, {}, false},
        ScheduleFaultCase{"HeadingNamesACity", {}, {"Friday, in Utah"}, false},
        ScheduleFaultCase{"HomeCityTooFarRight", {}, {"Utah                  at Boston"}, false},
        ScheduleFaultCase{"RoadCityTooFarRight", {}, {"     Utah   at Boston"}, false},
        ScheduleFaultCase{"ThirdCityNamed", {}, {"Utah         at Boston       (from Denver)"}, false},
        ScheduleFaultCase{"SameTeamTwice", {}, {"Utah         at Utah"}, false},
        ScheduleFaultCase{"NoTeams", {}, {"Tip-off at noon"}, false}),
    [](const auto& info) { return info.param.name; });

TEST(FirstCityPosition, IgnoresCaseButNotBlanks) {
    EXPECT_EQ(FirstCityPosition("at l.a.", "L.A."), 4);
    EXPECT_EQ(FirstCityPosition("L. A.", "L.A."), 0);
}

// ---- The committed files ----

TEST(CommittedFiles, AreExactlyWhatTheToolMakes) {
    TempFolder out;
    ASSERT_EQ(Make(out.path), 0);
    for (const char* name : {kStatisticsFile, kScheduleFile, kNamesFile, kRosterFile}) {
        auto made = ReadWholeFile(JoinPath(out.path, name)), committed = ReadWholeFile(JoinPath(kData, name));
        ASSERT_TRUE(made && committed) << name;
        EXPECT_TRUE(*made == *committed) << name << " differs from what tavix-data makes; run "
                                         << "tavix-data --sources data/sources --out data and commit";
    }
}

TEST(CommittedFiles, ToolRefusesBadArgumentsAndBadSources) {
    TempFolder out;
    EXPECT_EQ(RunTool("--sources '" + kSources + "'"), 2);
    EXPECT_EQ(Make(out.path, "--as-of 1999-02-30"), 2);
    EXPECT_EQ(RunTool("--sources '" + out.path + "' --out '" + out.path + "'"), 1);  // no tables there
    EXPECT_FALSE(fs::exists(JoinPath(out.path, kStatisticsFile)));
    // A damaged games table: an unknown team.
    TempFolder broken;
    for (const auto& entry : fs::directory_iterator(kSources))
        fs::copy_file(entry.path(), fs::path(broken.path) / entry.path().filename());
    auto games = ReadWholeFile(broken.path + "/games-1998-99.csv");
    ASSERT_TRUE(games && games->find("Utah Jazz") != std::string::npos);
    games->replace(games->find("Utah Jazz"), 9, "Utah Stars");
    ASSERT_TRUE(WriteFileSafely(broken.path + "/games-1998-99.csv", *games).ok);
    Sources s;
    std::string error;
    EXPECT_FALSE(LoadSources(broken.path, s, error));
    EXPECT_NE(error.find("games-1998-99.csv"), std::string::npos) << error;
}

TEST(CommittedFiles, StatisticsMatchTheReferenceTotals) {
    const Sources& s = TheSources();
    const NBA& nba = CommittedLeague();
    auto current = TotalsOfAll(Results(s.current)), previous = TotalsOfAll(Results(s.previous));
    auto points = [](const auto& totals) {
        return std::make_tuple(totals.games, totals.pointsFor, totals.pointsAgainst);
    };
    auto reference = [](const ReferenceLine& r) {
        return std::make_tuple(r.games, r.points, r.pointsAllowed);
    };
    for (int t = 1; t <= kLeagueTeams; ++t) {
        SCOPED_TRACE(s.teams[t].fullName);
        // Totals from the games against an independent scrape, the file against both.
        EXPECT_EQ(points(current[t]), reference(s.referenceCurrent[t]));
        EXPECT_EQ(points(previous[t]), reference(s.referencePrevious[t]));
        EXPECT_EQ(Current(nba, t), Of(s.referenceCurrent[t]));
        EXPECT_EQ(Previous(nba, t), Of(s.referencePrevious[t]));
        EXPECT_EQ(Current(nba, t), Of(s.standingsCurrent[t]));
        EXPECT_EQ(Previous(nba, t), Of(s.standingsPrevious[t]));
        EXPECT_EQ(nba.Ties[t] + nba.PrevTies[t], 0);
    }
    for (int slot = 30; slot <= kStoredSlots; ++slot) {
        EXPECT_EQ(Current(nba, slot), Figures());
        EXPECT_EQ(Previous(nba, slot), Figures());
    }
    for (int slot = 1; slot <= kStoredSlots; ++slot) EXPECT_EQ(nba.TeamReserve[slot], 0.0f);
    EXPECT_EQ(std::make_tuple(nba.UpdateMonth, nba.UpdateDay, nba.UpdateYear), std::make_tuple(5, 5, 1999));
    // A spot check a reader of the 1999 standings would recognise.
    EXPECT_EQ(nba.CityNames[20], "San Antonio");
    EXPECT_EQ(Current(nba, 20), Figures(37, 13, 92.8, 84.7));
}

TEST(SourceTables, EveryTeamPlaysOnceADayHalfAtHome) {
    for (const auto& [games, homeGames] :
         {std::pair{&TheSources().current, 25}, {&TheSources().previous, 41}}) {
        std::array<int, kTeamSlots> home{}, road{};
        std::set<std::pair<int, int>> teamDays;  // (team, day number)
        for (const Game& g : *games) {
            ++home[g.home];
            ++road[g.visitor];
            int day = g.date.year * 400 + g.date.month * 32 + g.date.day;
            EXPECT_TRUE(teamDays.insert({g.home, day}).second && teamDays.insert({g.visitor, day}).second)
                << LongDate(g.date);
        }
        for (int t = 1; t <= kLeagueTeams; ++t)
            EXPECT_TRUE(home[t] == homeGames && road[t] == homeGames) << TheSources().teams[t].fullName;
    }
}

// The figures of a day are compared with the lists replaying the games to it, below; here what
// only the tool decides: the day written, the previous season whole, nothing before the first game.
TEST(CommittedFiles, AsOfADateStopsTheSeasonThere) {
    TempFolder out, early;
    ASSERT_EQ(Make(out.path, "--as-of 1999-02-28"), 0);
    NBA nba;
    ASSERT_TRUE(ParseStatistics(*ReadWholeFile(JoinPath(out.path, kStatisticsFile)), nba));
    EXPECT_EQ(std::make_tuple(nba.UpdateMonth, nba.UpdateDay, nba.UpdateYear), std::make_tuple(2, 28, 1999));
    for (int t = 1; t <= kLeagueTeams; ++t) EXPECT_EQ(Previous(nba, t), Previous(CommittedLeague(), t));
    ASSERT_EQ(Make(early.path, "--as-of 1999-01-15"), 0);
    NBA none;
    ASSERT_TRUE(ParseStatistics(*ReadWholeFile(JoinPath(early.path, kStatisticsFile)), none));
    for (int t = 1; t <= kLeagueTeams; ++t) EXPECT_EQ(Current(none, t), Figures());
}

TEST(CommittedFiles, NamesFollowTheDivisionRanges) {
    const NBA& nba = CommittedLeague();
    const char* cities[] = {
        "",           "Boston",    "Miami",        "New Jersey", "New York",  "Orlando",   "Philadelphia",
        "Washington", "Atlanta",   "Charlotte",    "Chicago",    "Cleveland", "Detroit",   "Indiana",
        "Milwaukee",  "Toronto",   "Dallas",       "Denver",     "Houston",   "Minnesota", "San Antonio",
        "Utah",       "Vancouver", "Golden State", "L.A.",       "L. A.",     "Phoenix",   "Portland",
        "Sacramento", "Seattle"};
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(nba.CityNames[t], cities[t]);
        EXPECT_TRUE(nba.CityNames[t].size() <= 12 && !nba.TeamNames[t].empty() &&
                    nba.TeamNames[t].size() <= 12);
    }
    EXPECT_EQ(nba.TeamNames[24] + nba.TeamNames[25] + nba.TeamNames[27], "ClippersLakersTrailblazers");
}

TEST(CommittedFiles, ConferencesAgreeWithThePlayoffPairings) {
    std::string error;
    auto playoffs = LoadCsv(kSources + "/playoffs-1999.csv", {"round", "visitor", "home"}, error);
    ASSERT_TRUE(playoffs) << error;
    const Sources& s = TheSources();
    int checked = 0;
    for (const auto& row : playoffs->rows) {
        if (row[*playoffs->Column("round")] == "NBA Finals") continue;
        int a = s.TeamByFullName(row[*playoffs->Column("visitor")]),
            b = s.TeamByFullName(row[*playoffs->Column("home")]);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(ConferenceOf(a), ConferenceOf(b)) << s.teams[a].fullName << " - " << s.teams[b].fullName;
        ++checked;
    }
    EXPECT_GT(checked, 50);
}

TEST(CommittedFiles, ScheduleLinesReadBackAsTheGames) {
    const NBA& nba = CommittedLeague();
    const Sources& s = TheSources();
    EXPECT_TRUE(CheckSchedule(nba).empty()) << CheckSchedule(nba).front();
    EXPECT_LE(nba.SecondHalfCount, kSecondHalfLimit);
    ASSERT_EQ(nba.FirstHalfCount, 1);
    EXPECT_EQ(nba.FirstHalfSchedule[1], kLockoutNote);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(std::make_pair(nba.MonthStart[k], nba.MonthEnd[k]),
                  std::make_pair(1.0, static_cast<int16_t>(k == 5 ? nba.SecondHalfCount : 1)));
    // Walk the lines: headings in date order, then the day's games in the order of the table.
    size_t game = 0;
    std::string heading;
    for (int i = 1; i <= nba.SecondHalfCount; ++i) {
        const std::string& line = nba.SecondHalfSchedule[i];
        if (line == " ") continue;
        if (game < s.current.size() && line == LongDate(s.current[game].date)) {
            heading = line;
            continue;
        }
        ASSERT_LT(game, s.current.size()) << line;
        const Game& g = s.current[game++];
        SCOPED_TRACE(line);
        EXPECT_EQ(heading, LongDate(g.date));
        EXPECT_EQ(FindTeamInLine(nba, line, 1, 6), g.visitor);
        EXPECT_EQ(FindTeamInLine(nba, line, 8, 20), g.home);
        std::string score = std::to_string(g.visitorPoints) + "-" + std::to_string(g.homePoints);
        if (!g.overtime.empty()) score += " " + g.overtime;
        EXPECT_EQ(line.substr(line.size() - score.size()), score);
        EXPECT_EQ(line.find("  ", line.size() - score.size() - 1), std::string::npos);
    }
    EXPECT_EQ(game, s.current.size());
    // Month views: each pair runs from the month's first heading to the line before the next month.
    const char* headings[] = {"Friday, February 5, 1999", "Monday, March 1, 1999", "Thursday, April 1, 1999"};
    for (int k = 6; k <= 8; ++k) {
        EXPECT_EQ(nba.SecondHalfSchedule[static_cast<int>(nba.MonthStart[k])], headings[k - 6]);
        EXPECT_EQ(k == 8 ? std::string() : nba.SecondHalfSchedule[nba.MonthEnd[k] + 1],
                  k == 8 ? "" : headings[k - 5]);
    }
    EXPECT_EQ(nba.MonthEnd[8], nba.SecondHalfCount);
}

TEST(CommittedFiles, RostersListEveryTeamPlayerAndCoach) {
    auto text = ReadWholeFile(JoinPath(kData, kRosterFile));
    ASSERT_TRUE(text);
    // CR LF throughout, lines a fixed-pitch list can show whole.
    size_t lines = 0;
    for (size_t pos = 0, end; pos < text->size(); pos = end + 2, ++lines) {
        end = text->find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "the last line has no CR LF";
        std::string line = text->substr(pos, end - pos);
        EXPECT_TRUE(line.find('\n') == std::string::npos && line.size() <= 75u) << line;
    }
    EXPECT_GT(lines, 600u);
    EXPECT_NE(text->find("Not on file: assistant coaches, uniform numbers"), std::string::npos);
    const Sources& s = TheSources();
    size_t previousHeading = 0;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        size_t heading = text->find("\r\n" + ToUpper(s.teams[t].fullName) + " ");
        ASSERT_NE(heading, std::string::npos) << s.teams[t].fullName;
        EXPECT_GT(heading, previousHeading) << "teams in team-number order";
        previousHeading = heading;
        size_t next =
            t < kLeagueTeams ? text->find("\r\n" + ToUpper(s.teams[t + 1].fullName) + " ") : text->size();
        std::string block = text->substr(heading, next - heading);
        for (const Player& p : s.rosters[t]) {
            std::string name = *ToLatin1(p.name);
            size_t at = block.find("\r\n  " + name + " ");
            ASSERT_NE(at, std::string::npos) << name;
            // The position starts in the same column for every player.
            EXPECT_EQ(block.substr(at + 2 + 34, p.position.size()), p.position) << name;
        }
        int wins = 0, losses = 0;
        for (const Coach& c : s.staff[t].coaches) {
            EXPECT_NE(block.find(c.name), std::string::npos) << c.name;
            EXPECT_NE(block.find(std::to_string(c.wins) + "-" + std::to_string(c.losses) + "\r\n"),
                      std::string::npos)
                << c.name;
            wins += c.wins;
            losses += c.losses;
        }
        EXPECT_EQ(std::make_pair(wins, losses),
                  std::make_pair(int(CommittedLeague().Wins[t]), int(CommittedLeague().Losses[t])))
            << s.teams[t].fullName;
        EXPECT_TRUE(!s.staff[t].executives.empty() ||
                    block.find("Executive:      not on file") != std::string::npos);
    }
}

// The companion replaying the supplied files to a day shows what the data tool's files of that day
// show: one rule for the figures, whichever made them, and the schedule hides the same scores.
TEST(CommittedFiles, ListsAsOfADayEqualTheDataToolsFilesOfThatDay) {
    const std::vector<std::vector<std::string>> commands = {{"standings"},
                                                            {"ratings"},
                                                            {"ratings", "percentage"},
                                                            {"ratings", "offense"},
                                                            {"schedule", "second"}};
    for (const char* day : {"1999-02-05", "1999-02-24", "1999-04-14", "1999-05-05"}) {
        TempFolder out;
        ASSERT_EQ(Make(out.path, std::string("--as-of ") + day), 0) << day;
        for (std::vector<std::string> command : commands) {
            const testing::ListsRun fromTool = testing::RunLists(out.path, command);
            command.insert(command.begin(), {"--as-of", day});
            const testing::ListsRun replayed = testing::RunLists(kData, command);
            EXPECT_EQ(fromTool.status, 0) << fromTool.err;
            EXPECT_EQ(replayed.status, 0) << replayed.err;
            EXPECT_EQ(replayed.out, fromTool.out) << day << " " << command.back();
        }
    }
}

}  // namespace
}  // namespace tavix::datagen
