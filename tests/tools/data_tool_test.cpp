// The data tool: its source-table reader, the figures it computes, and the committed data files,
// which must be exactly what the tool makes from data/sources.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "core/data_files.h"
#include "core/number_format.h"
#include "core/safe_file.h"
#include "tools/datagen/csv.h"
#include "tools/datagen/league_files.h"
#include "tools/datagen/season.h"

namespace tavix::datagen {
namespace {

namespace fs = std::filesystem;

const std::string kSources = std::string(TAVIX_SOURCE_DIR) + "/data/sources";
const std::string kData = std::string(TAVIX_SOURCE_DIR) + "/data";

class TempFolder {
  public:
    TempFolder() {
        char pattern[] = "/tmp/tavix-data-test-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

int RunTool(const std::string& arguments) {
    std::string command = std::string("'") + TAVIX_DATA_TOOL + "' " + arguments + " >/dev/null 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

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
    static NBA nba = [] {
        NBA n;
        LoadReport report = LoadLeague(kData, "/nonexistent/TVX.ini", n);
        EXPECT_FALSE(report.NeedsLoadingMessage());
        return n;
    }();
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
    if (table) {
        EXPECT_EQ(table->rows, GetParam().rows);
    } else {
        EXPECT_NE(error.find("line"), std::string::npos) << error;
    }
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

struct AverageCase {
    long points;
    int games;
    double expected;
};

void PrintTo(const AverageCase& c, std::ostream* os) { *os << c.points << " in " << c.games; }

class AverageTest : public ::testing::TestWithParam<AverageCase> {};

TEST_P(AverageTest, RoundsToOneDecimalHalvesUp) {
    EXPECT_EQ(NewspaperAverage(GetParam().points, GetParam().games), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Figures, AverageTest,
                         ::testing::Values(AverageCase{4640, 50, 92.8}, AverageCase{4650, 50, 93.0},
                                           AverageCase{8652, 82, 105.5}, AverageCase{3, 20, 0.2},  // 0.15 up
                                           AverageCase{5, 20, 0.3},                                // 0.25 up
                                           AverageCase{1001, 10, 100.1}, AverageCase{0, 0, 0.0},
                                           AverageCase{99, 0, 0.0}));

TEST(Dates, WeekdaysAndValidation) {
    struct {
        const char* iso;
        const char* longDate;
    } good[] = {{"1999-02-05", "Friday, February 5, 1999"},
                {"1999-05-05", "Wednesday, May 5, 1999"},
                {"2000-02-29", "Tuesday, February 29, 2000"},
                {"1997-10-31", "Friday, October 31, 1997"}};
    for (const auto& c : good) {
        auto d = ParseIsoDate(c.iso);
        ASSERT_TRUE(d) << c.iso;
        EXPECT_EQ(LongDate(*d), c.longDate);
    }
    for (const char* bad : {"1999-02-29", "1999-13-01", "1999-2-5", "1999-02-00", "19990205", ""}) {
        EXPECT_FALSE(ParseIsoDate(bad)) << bad;
    }
}

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

TEST(FindTeamInLine, LowestTeamNumberInTheRangeWins) {
    NBA nba = LeagueWithSuppliedNames();
    // Boston is team 1, Utah team 21; both start inside the home range of this line.
    EXPECT_EQ(FindTeamInLine(nba, "x       Utah Boston", 8, 20), 1);
    EXPECT_EQ(FindTeamInLine(nba, "x       UTAH", 8, 20), 21);  // case is ignored
    EXPECT_EQ(FindTeamInLine(nba, "x       Uta", 8, 20), 0);    // a cut city is no city
    EXPECT_EQ(FirstCityPosition("at l.a.", "L.A."), 4);
    EXPECT_EQ(FirstCityPosition("L. A.", "L.A."), 0);
}

// ---- The committed files ----

TEST(CommittedFiles, AreExactlyWhatTheToolMakes) {
    TempFolder out;
    ASSERT_EQ(RunTool("--sources '" + kSources + "' --out '" + out.path() + "'"), 0);
    for (const char* name : {kStatisticsFile, kScheduleFile, kNamesFile, kRosterFile}) {
        auto made = ReadWholeFile(JoinPath(out.path(), name));
        auto committed = ReadWholeFile(JoinPath(kData, name));
        ASSERT_TRUE(made && committed) << name;
        EXPECT_TRUE(*made == *committed) << name << " differs from what tavix-data makes; run "
                                         << "tavix-data --sources data/sources --out data and commit";
    }
}

TEST(CommittedFiles, ToolRefusesBadArgumentsAndBadSources) {
    TempFolder out;
    EXPECT_EQ(RunTool("--sources '" + kSources + "'"), 2);
    EXPECT_EQ(RunTool("--sources '" + kSources + "' --out '" + out.path() + "' --as-of 1999-02-30"), 2);
    EXPECT_EQ(RunTool("--sources '" + out.path() + "' --out '" + out.path() + "'"), 1);  // no tables there
    EXPECT_FALSE(fs::exists(JoinPath(out.path(), kStatisticsFile)));

    // A damaged games table: an unknown team.
    TempFolder broken;
    for (const auto& entry : fs::directory_iterator(kSources)) {
        fs::copy_file(entry.path(), fs::path(broken.path()) / entry.path().filename());
    }
    auto games = ReadWholeFile(broken.path() + "/games-1998-99.csv");
    ASSERT_TRUE(games);
    size_t at = games->find("Utah Jazz");
    ASSERT_NE(at, std::string::npos);
    games->replace(at, 9, "Utah Stars");
    ASSERT_TRUE(WriteFileSafely(broken.path() + "/games-1998-99.csv", *games).ok);
    Sources s;
    std::string error;
    EXPECT_FALSE(LoadSources(broken.path(), s, error));
    EXPECT_NE(error.find("games-1998-99.csv"), std::string::npos) << error;
}

TEST(CommittedFiles, StatisticsMatchTheReferenceTotals) {
    const Sources& s = TheSources();
    const NBA& nba = CommittedLeague();
    auto current = SeasonTotals(s.current, std::nullopt);
    auto previous = SeasonTotals(s.previous, std::nullopt);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        SCOPED_TRACE(s.teams[t].fullName);
        const ReferenceLine& rc = s.referenceCurrent[t];
        const ReferenceLine& rp = s.referencePrevious[t];
        // Totals from the games against an independent scrape.
        EXPECT_EQ(current[t].games, rc.games);
        EXPECT_EQ(current[t].pointsFor, rc.points);
        EXPECT_EQ(current[t].pointsAgainst, rc.pointsAllowed);
        EXPECT_EQ(previous[t].games, rp.games);
        EXPECT_EQ(previous[t].pointsFor, rp.points);
        EXPECT_EQ(previous[t].pointsAgainst, rp.pointsAllowed);
        // The file's figures against the reference and the derived standings.
        EXPECT_EQ(nba.Wins[t], rc.wins);
        EXPECT_EQ(nba.Losses[t], rc.losses);
        EXPECT_EQ(nba.Ties[t], 0);
        EXPECT_EQ(nba.OffenseAve[t], rc.perGame);
        EXPECT_EQ(nba.DefenseAve[t], rc.allowedPerGame);
        EXPECT_EQ(nba.PrevWins[t], rp.wins);
        EXPECT_EQ(nba.PrevLosses[t], rp.losses);
        EXPECT_EQ(nba.PrevTies[t], 0);
        EXPECT_EQ(nba.PrevOffenseAve[t], rp.perGame);
        EXPECT_EQ(nba.PrevDefenseAve[t], rp.allowedPerGame);
        EXPECT_EQ(nba.Wins[t], s.standingsCurrent[t].wins);
        EXPECT_EQ(nba.OffenseAve[t], s.standingsCurrent[t].perGame);
        EXPECT_EQ(nba.DefenseAve[t], s.standingsCurrent[t].allowedPerGame);
        EXPECT_EQ(nba.PrevLosses[t], s.standingsPrevious[t].losses);
        EXPECT_EQ(nba.PrevOffenseAve[t], s.standingsPrevious[t].perGame);
        EXPECT_EQ(nba.PrevDefenseAve[t], s.standingsPrevious[t].allowedPerGame);
    }
    for (int slot = 30; slot <= kStoredSlots; ++slot) {
        EXPECT_EQ(nba.Wins[slot] + nba.Losses[slot] + nba.PrevWins[slot] + nba.PrevLosses[slot], 0);
        EXPECT_EQ(nba.OffenseAve[slot] + nba.PrevDefenseAve[slot], 0.0);
    }
    for (int slot = 1; slot <= kStoredSlots; ++slot) EXPECT_EQ(nba.TeamReserve[slot], 0.0f);
    EXPECT_EQ(nba.UpdateMonth, 5);
    EXPECT_EQ(nba.UpdateDay, 5);
    EXPECT_EQ(nba.UpdateYear, 1999);
    // Spot checks a reader of the 1999 standings would recognise.
    EXPECT_EQ(nba.CityNames[20], "San Antonio");
    EXPECT_EQ(nba.Wins[20], 37);
    EXPECT_EQ(nba.OffenseAve[20], 92.8);
    EXPECT_EQ(nba.DefenseAve[20], 84.7);
}

TEST(SourceTables, EveryTeamPlaysOnceADayHalfAtHome) {
    const struct {
        const std::vector<Game>* games;
        int homeGames;
    } seasons[] = {{&TheSources().current, 25}, {&TheSources().previous, 41}};
    for (const auto& season : seasons) {
        std::array<int, kTeamSlots> home{}, road{};
        std::set<std::pair<int, int>> teamDays;  // (team, day number)
        for (const Game& g : *season.games) {
            ++home[g.home];
            ++road[g.visitor];
            int day = g.date.year * 400 + g.date.month * 32 + g.date.day;
            EXPECT_TRUE(teamDays.insert({g.home, day}).second) << LongDate(g.date);
            EXPECT_TRUE(teamDays.insert({g.visitor, day}).second) << LongDate(g.date);
        }
        for (int t = 1; t <= kLeagueTeams; ++t) {
            EXPECT_EQ(home[t], season.homeGames) << TheSources().teams[t].fullName;
            EXPECT_EQ(road[t], season.homeGames) << TheSources().teams[t].fullName;
        }
    }
}

TEST(CommittedFiles, AsOfADateStopsTheSeasonThere) {
    TempFolder out;
    ASSERT_EQ(RunTool("--sources '" + kSources + "' --out '" + out.path() + "' --as-of 1999-02-28"), 0);
    NBA nba;
    auto statistics = ReadWholeFile(JoinPath(out.path(), kStatisticsFile));
    ASSERT_TRUE(statistics && ParseStatistics(*statistics, nba));
    EXPECT_EQ(nba.UpdateMonth, 2);
    EXPECT_EQ(nba.UpdateDay, 28);
    EXPECT_EQ(nba.UpdateYear, 1999);
    auto totals = SeasonTotals(TheSources().current, Date{1999, 2, 28});
    int games = 0;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(nba.Wins[t], totals[t].wins);
        EXPECT_EQ(nba.Losses[t], totals[t].losses);
        EXPECT_EQ(nba.OffenseAve[t], NewspaperAverage(totals[t].pointsFor, totals[t].games));
        EXPECT_EQ(nba.PrevWins[t], CommittedLeague().PrevWins[t]);  // the previous season is whole
        games += nba.Wins[t];
    }
    EXPECT_GT(games, 100);
    EXPECT_LT(games, 725);
    // Games after that day are listed without a score.
    ASSERT_TRUE(ParseSchedule(*ReadWholeFile(JoinPath(out.path(), kScheduleFile)), nba));
    const std::string marchFirstGame = nba.SecondHalfSchedule[static_cast<int>(nba.MonthStart[7]) + 1];
    EXPECT_EQ(marchFirstGame.find('-'), std::string::npos) << marchFirstGame;
    EXPECT_NE(nba.SecondHalfSchedule[2].find('-'), std::string::npos);

    // Before the first game day every current figure is 0.
    TempFolder early;
    ASSERT_EQ(RunTool("--sources '" + kSources + "' --out '" + early.path() + "' --as-of 1999-01-15"), 0);
    NBA none;
    ASSERT_TRUE(ParseStatistics(*ReadWholeFile(JoinPath(early.path(), kStatisticsFile)), none));
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(none.Wins[t] + none.Losses[t], 0);
        EXPECT_EQ(none.OffenseAve[t], 0.0);
    }
}

TEST(CommittedFiles, NamesFollowTheDivisionRanges) {
    const NBA& nba = CommittedLeague();
    const char* expected[] = {
        "",           "Boston",    "Miami",        "New Jersey", "New York",  "Orlando",   "Philadelphia",
        "Washington", "Atlanta",   "Charlotte",    "Chicago",    "Cleveland", "Detroit",   "Indiana",
        "Milwaukee",  "Toronto",   "Dallas",       "Denver",     "Houston",   "Minnesota", "San Antonio",
        "Utah",       "Vancouver", "Golden State", "L.A.",       "L. A.",     "Phoenix",   "Portland",
        "Sacramento", "Seattle"};
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(nba.CityNames[t], expected[t]);
        EXPECT_LE(nba.CityNames[t].size(), 12u);
        EXPECT_LE(nba.TeamNames[t].size(), 12u);
        EXPECT_FALSE(nba.TeamNames[t].empty());
    }
    EXPECT_EQ(nba.TeamNames[24], "Clippers");
    EXPECT_EQ(nba.TeamNames[25], "Lakers");
    EXPECT_EQ(nba.TeamNames[27], "Trailblazers");
}

TEST(CommittedFiles, ConferencesAgreeWithThePlayoffPairings) {
    std::string error;
    auto playoffs = LoadCsv(kSources + "/playoffs-1999.csv", {"round", "visitor", "home"}, error);
    ASSERT_TRUE(playoffs) << error;
    const Sources& s = TheSources();
    int checked = 0;
    for (const auto& row : playoffs->rows) {
        if (row[*playoffs->Column("round")] == "NBA Finals") continue;
        int a = s.TeamByFullName(row[*playoffs->Column("visitor")]);
        int b = s.TeamByFullName(row[*playoffs->Column("home")]);
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
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(nba.MonthStart[k], 1);
        EXPECT_EQ(nba.MonthEnd[k], 1);
    }
    EXPECT_EQ(nba.MonthStart[5], 1);
    EXPECT_EQ(nba.MonthEnd[5], nba.SecondHalfCount);

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
    struct {
        int k;
        const char* first;
        const char* nextMonthHeading;
    } months[] = {{6, "Friday, February 5, 1999", "Monday, March 1, 1999"},
                  {7, "Monday, March 1, 1999", "Thursday, April 1, 1999"},
                  {8, "Thursday, April 1, 1999", nullptr}};
    for (const auto& m : months) {
        EXPECT_EQ(nba.SecondHalfSchedule[static_cast<int>(nba.MonthStart[m.k])], m.first);
        if (m.nextMonthHeading) {
            EXPECT_EQ(nba.SecondHalfSchedule[nba.MonthEnd[m.k] + 1], m.nextMonthHeading);
        } else {
            EXPECT_EQ(nba.MonthEnd[m.k], nba.SecondHalfCount);
        }
    }
}

TEST(CommittedFiles, RostersListEveryTeamPlayerAndCoach) {
    auto text = ReadWholeFile(JoinPath(kData, kRosterFile));
    ASSERT_TRUE(text);
    // CR LF throughout, lines a fixed-pitch list can show whole.
    size_t lines = 0, pos = 0;
    while (pos < text->size()) {
        size_t end = text->find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "the last line has no CR LF";
        std::string line = text->substr(pos, end - pos);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_LE(line.size(), 75u) << line;
        pos = end + 2;
        ++lines;
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
            std::string record = std::to_string(c.wins) + "-" + std::to_string(c.losses);
            EXPECT_NE(block.find(c.name), std::string::npos) << c.name;
            EXPECT_NE(block.find(record + "\r\n"), std::string::npos) << c.name;
            wins += c.wins;
            losses += c.losses;
        }
        EXPECT_EQ(wins, CommittedLeague().Wins[t]) << s.teams[t].fullName;
        EXPECT_EQ(losses, CommittedLeague().Losses[t]) << s.teams[t].fullName;
        if (s.staff[t].executives.empty()) {
            EXPECT_NE(block.find("Executive:      not on file"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tavix::datagen
