// The data files through their readers and writers: a save after a load changes no byte, damaged
// or short files are reported and never crash the loading, and a failed save leaves the old file.

#include "core/data_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>

#include "core/safe_file.h"

namespace tavix {
namespace {

namespace fs = std::filesystem;

class TempFolder {
  public:
    TempFolder() {
        char pattern[] = "/tmp/tavix-files-test-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return JoinPath(path_, name); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

void Write(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileSafely(path, bytes).ok);
}

std::string Read(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }

// A league with awkward values everywhere the statistics file reaches, slots 30..32 included.
NBA OddLeague() {
    NBA nba;
    nba.FirstHalfCount = 2;
    nba.SecondHalfCount = 3;
    for (int k = 1; k <= kMonthPairs; ++k) {
        nba.MonthStart[k] = k == 3 ? 2.5 : k;  // a general number in the file
        nba.MonthEnd[k] = static_cast<int16_t>(k + 1);
    }
    const double doubles[] = {98.25, 1.0 / 3.0, 0.1, -12.5, 1e-7, 123456789.125, 92.8, 0.0, -0.0};
    const float floats[] = {0.0f,  1.0f / 3.0f, -2.5e-8f,
                            1e38f, 98.25f,      std::numeric_limits<float>::denorm_min(),
                            -0.0f, 1e-30f,      7.7f};
    for (int s = 1; s <= kStoredSlots; ++s) {
        nba.Wins[s] = static_cast<int16_t>(s * 3);
        nba.Ties[s] = static_cast<int16_t>(s % 2);
        nba.Losses[s] = static_cast<int16_t>(-s);
        nba.OffenseAve[s] = doubles[s % 9];
        nba.DefenseAve[s] = doubles[(s + 4) % 9] * 3;
        nba.PrevWins[s] = static_cast<int16_t>(s == 31 ? 32767 : s);
        nba.PrevTies[s] = static_cast<int16_t>(s == 32 ? -32768 : 0);
        nba.PrevLosses[s] = static_cast<int16_t>(82 - s);
        nba.PrevOffenseAve[s] = doubles[(s + 2) % 9] + s;
        nba.PrevDefenseAve[s] = doubles[(s + 7) % 9] - s;
        nba.TeamReserve[s] = floats[s % 9] * static_cast<float>(s % 3 + 1);
    }
    nba.UpdateMonth = 12;
    nba.UpdateDay = 31;
    nba.UpdateYear = 1999;
    return nba;
}

std::array<std::string, kNameSlots> Names(const char* prefix) {
    std::array<std::string, kNameSlots> names{};
    for (int n = 1; n <= kLeagueTeams; ++n) names[n] = prefix + std::to_string(n);
    return names;
}

const char kSchedule[] = "first a\r\nfirst b\r\nsecond a\r\nsecond b\r\nsecond c\r\n";

// A folder with a complete, valid set of the three data files and a settings file.
struct GoodFolder {
    TempFolder dir;
    GoodFolder() {
        Write(dir.File(kStatisticsFile), StatisticsText(OddLeague()));
        Write(dir.File(kScheduleFile), kSchedule);
        Write(dir.File(kNamesFile), NamesText(Names("City "), Names("Team ")));
        Write(dir.File(kSettingsFile), SettingsText("Lucida Console"));
    }
    LoadReport Load(NBA& nba) const { return LoadLeague(dir.path(), dir.File(kSettingsFile), nba); }
};

// Replaces line `line` (1-based) of a CR LF text, or cuts the text after `line` lines.
std::string WithLine(const std::string& text, int line, const char* replacement) {
    std::string out;
    size_t pos = 0;
    for (int n = 1; pos < text.size(); ++n) {
        size_t end = text.find("\r\n", pos) + 2;
        if (n == line) {
            if (replacement) out += std::string(replacement) + "\r\n";
            if (!replacement) return out;
        } else {
            out += text.substr(pos, end - pos);
        }
        pos = end;
    }
    return out;
}

TEST(StatisticsFile, SaveAfterLoadGivesTheSameBytes) {
    GoodFolder folder;
    const std::string before = Read(folder.dir.File(kStatisticsFile));
    EXPECT_EQ(std::count(before.begin(), before.end(), '\n'), 373);
    NBA nba;
    ASSERT_FALSE(folder.Load(nba).NeedsLoadingMessage());
    ASSERT_TRUE(SaveStatistics(folder.dir.path(), nba).ok);
    EXPECT_EQ(Read(folder.dir.File(kStatisticsFile)), before);

    // Every value came back bit for bit, slots 30..32 and the reserve included.
    const NBA odd = OddLeague();
    for (int s = 1; s <= kStoredSlots; ++s) {
        EXPECT_EQ(std::memcmp(&nba.TeamReserve[s], &odd.TeamReserve[s], sizeof(float)), 0) << s;
        EXPECT_EQ(std::memcmp(&nba.PrevDefenseAve[s], &odd.PrevDefenseAve[s], sizeof(double)), 0) << s;
        EXPECT_EQ(nba.PrevWins[s], odd.PrevWins[s]);
        EXPECT_EQ(nba.Losses[s], odd.Losses[s]);
    }
    EXPECT_EQ(nba.MonthStart[3], 2.5);
    // Points and plain decimals, never exponents or a comma.
    EXPECT_NE(before.find("\r\n98.25\r\n"), std::string::npos);
    EXPECT_EQ(before.find('e'), std::string::npos);
}

// Lines of a CR LF text, 1-based (element 0 stays empty).
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines{""};
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

TEST(StatisticsFile, EveryValueStandsOnItsOwnLine) {
    NBA nba;
    nba.FirstHalfCount = 456;
    nba.SecondHalfCount = 789;
    nba.MonthStart[1] = 11;
    nba.MonthEnd[1] = 12;
    nba.MonthStart[8] = 801.5;
    nba.MonthEnd[8] = 802;
    nba.Wins[1] = 21;
    nba.Ties[1] = 22;
    nba.Losses[1] = 23;
    nba.OffenseAve[1] = 101.5;
    nba.DefenseAve[1] = 98.25;
    nba.Wins[2] = 31;
    nba.DefenseAve[32] = 32.5;
    nba.PrevWins[1] = 41;
    nba.PrevTies[1] = 42;
    nba.PrevLosses[1] = 43;
    nba.PrevOffenseAve[1] = 44.5;
    nba.PrevDefenseAve[1] = 45.5;
    nba.PrevDefenseAve[32] = 46.5;
    nba.UpdateMonth = 3;
    nba.UpdateDay = 17;
    nba.UpdateYear = 1999;
    nba.TeamReserve[1] = 0.1f;
    nba.TeamReserve[32] = -2.5f;
    const std::vector<std::string> lines = LinesOf(StatisticsText(nba));
    ASSERT_EQ(lines.size(), 374u);
    const struct {
        int line;
        const char* text;
    } expected[] = {
        {1, "456"},    {2, "789"},   {3, "11"},     {4, "12"},     {17, "801.5"}, {18, "802"},   {19, "21"},
        {20, "22"},    {21, "23"},   {22, "101.5"}, {23, "98.25"}, {24, "31"},    {178, "32.5"}, {179, "41"},
        {180, "42"},   {181, "43"},  {182, "44.5"}, {183, "45.5"}, {338, "46.5"}, {339, "3"},    {340, "17"},
        {341, "1999"}, {342, "0.1"}, {343, "0"},    {373, "-2.5"},
    };
    for (const auto& e : expected) EXPECT_EQ(lines[e.line], e.text) << "line " << e.line;
}

TEST(StatisticsFile, ReadsNumbersAsAnotherWriterMayHaveLeftThem) {
    // Exponents, a bare fraction, blanks around values and a quoted number all read as numbers;
    // 16-bit values written with a fraction round half to even.
    std::string text = "  12 \r\n\"34\"\r\n";
    for (int k = 1; k <= kMonthPairs; ++k)
        text += (k == 2 ? std::string("1.5E+1") : std::to_string(k)) + "\r\n0\r\n";
    for (int s = 1; s <= kStoredSlots; ++s) text += "2.5\r\n0\r\n3.5\r\n.5\r\n1E2\r\n";
    for (int s = 1; s <= kStoredSlots; ++s) text += "0\r\n0\r\n0\r\n0\r\n0\r\n";
    text += "1\r\n2\r\n1999\r\n";
    for (int s = 1; s <= kStoredSlots; ++s) text += "1.5E-30\r\n";
    NBA nba;
    ASSERT_TRUE(ParseStatistics(text, nba));
    EXPECT_EQ(nba.FirstHalfCount, 12);
    EXPECT_EQ(nba.SecondHalfCount, 34);
    EXPECT_EQ(nba.MonthStart[2], 15);
    EXPECT_EQ(nba.Wins[1], 2);
    EXPECT_EQ(nba.Losses[1], 4);
    EXPECT_EQ(nba.OffenseAve[1], 0.5);
    EXPECT_EQ(nba.DefenseAve[1], 100);
    EXPECT_EQ(nba.TeamReserve[32], 1.5e-30f);
}

TEST(StatisticsFile, SuppliedFileSurvivesALoadAndSave) {
    const std::string data = std::string(TAVIX_SOURCE_DIR) + "/data";
    auto supplied = ReadWholeFile(JoinPath(data, kStatisticsFile));
    ASSERT_TRUE(supplied);
    NBA nba;
    ASSERT_FALSE(LoadLeague(data, "/nonexistent/TVX.ini", nba).NeedsLoadingMessage());
    TempFolder out;
    ASSERT_TRUE(SaveStatistics(out.path(), nba).ok);
    EXPECT_EQ(Read(out.File(kStatisticsFile)), *supplied);
}

struct DamageCase {
    const char* name;
    std::function<void(const TempFolder&)> damage;
    bool statisticsOk, scheduleOk, namesOk, settingsOk;
    std::function<void(const NBA&)> check;  // what survives
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedFilesTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFilesTest, ReportsTheFailureAndKeepsWhatWasRead) {
    GoodFolder folder;
    GetParam().damage(folder.dir);
    NBA nba;
    LoadReport report = folder.Load(nba);
    EXPECT_EQ(report.statisticsOk, GetParam().statisticsOk);
    EXPECT_EQ(report.scheduleOk, GetParam().scheduleOk);
    EXPECT_EQ(report.namesOk, GetParam().namesOk);
    EXPECT_EQ(report.settingsOk, GetParam().settingsOk);
    EXPECT_EQ(report.NeedsLoadingMessage(),
              !GetParam().statisticsOk || !GetParam().scheduleOk || !GetParam().namesOk);
    EXPECT_EQ(nba.TeamCount, kLeagueTeams);
    if (GetParam().check) GetParam().check(nba);
}

void Remove(const TempFolder& d, const char* name) { fs::remove(d.File(name)); }

void ChangeStatisticsLine(const TempFolder& d, int line, const char* text) {
    Write(d.File(kStatisticsFile), WithLine(Read(d.File(kStatisticsFile)), line, text));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFilesTest,
    ::testing::Values(
        DamageCase{"NothingDamaged", [](const TempFolder&) {}, true, true, true, true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.SecondHalfSchedule[3], "second c");
                       EXPECT_EQ(n.PrinterFontName, "Lucida Console");
                   }},
        DamageCase{"StatisticsMissing", [](const TempFolder& d) { Remove(d, kStatisticsFile); }, false, true, true,
                   true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.Wins[1], 0);
                       EXPECT_EQ(n.FirstHalfCount, 0);  // so no schedule line is read
                       EXPECT_EQ(n.SecondHalfSchedule[1], "");
                       EXPECT_EQ(n.CityNames[29], "City 29");
                   }},
        DamageCase{"StatisticsEmpty", [](const TempFolder& d) { Write(d.File(kStatisticsFile), ""); }, false, true,
                   true, true, nullptr},
        DamageCase{"StatisticsCutAfterTheCounts", [](const TempFolder& d) { ChangeStatisticsLine(d, 3, nullptr); },
                   false, true, true, true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.SecondHalfCount, 3);  // read before the cut, so the schedule loads
                       EXPECT_EQ(n.SecondHalfSchedule[1], "second a");
                   }},
        DamageCase{"StatisticsCutInTheSlots", [](const TempFolder& d) { ChangeStatisticsLine(d, 100, nullptr); },
                   false, true, true, true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.Wins[1], 3);
                       EXPECT_EQ(n.PrevWins[1], 0);
                   }},
        DamageCase{"StatisticsLastReserveMissing", [](const TempFolder& d) { ChangeStatisticsLine(d, 373, nullptr); },
                   false, true, true, true, [](const NBA& n) { EXPECT_EQ(n.UpdateYear, 1999); }},
        DamageCase{"StatisticsWordForANumber", [](const TempFolder& d) { ChangeStatisticsLine(d, 50, "abc"); },
                   false, true, true, true, nullptr},
        DamageCase{"StatisticsOutOf16Bits", [](const TempFolder& d) { ChangeStatisticsLine(d, 19, "40000"); }, false,
                   true, true, true, nullptr},
        DamageCase{"StatisticsBinaryGarbage",
                   [](const TempFolder& d) { Write(d.File(kStatisticsFile), std::string("\0\xff\"\r,\n", 6)); },
                   false, true, true, true, nullptr},
        DamageCase{"FirstHalfCountZero",
                   [](const TempFolder& d) {
                       ChangeStatisticsLine(d, 1, "0");
                       Write(d.File(kScheduleFile), "second a\r\nsecond b\r\nsecond c\r\n");
                   },
                   true, true, true, true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.FirstHalfCount, 0);
                       EXPECT_EQ(n.SecondHalfSchedule[1], "second a");  // the first line of the file
                   }},
        DamageCase{"FirstHalfCountAbove900", [](const TempFolder& d) { ChangeStatisticsLine(d, 1, "901"); }, true,
                   false, true, true, nullptr},
        DamageCase{"SecondHalfCountAbove920", [](const TempFolder& d) { ChangeStatisticsLine(d, 2, "921"); }, true,
                   false, true, true, nullptr},
        DamageCase{"NegativeCount", [](const TempFolder& d) { ChangeStatisticsLine(d, 2, "-1"); }, true, false, true,
                   true, nullptr},
        DamageCase{"CountsAtTheLimits",
                   [](const TempFolder& d) {
                       ChangeStatisticsLine(d, 1, "900");
                       ChangeStatisticsLine(d, 2, "920");
                       std::string lines;
                       for (int i = 1; i <= 1820; ++i) lines += "line " + std::to_string(i) + "\r\n";
                       Write(d.File(kScheduleFile), lines);
                   },
                   true, true, true, true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.FirstHalfSchedule[900], "line 900");
                       EXPECT_EQ(n.SecondHalfSchedule[920], "line 1820");
                   }},
        DamageCase{"ScheduleShorterThanItsCounts",
                   [](const TempFolder& d) { Write(d.File(kScheduleFile), "first a\r\nfirst b\r\nsecond a\r\n"); },
                   true, false, true, true, [](const NBA& n) { EXPECT_EQ(n.SecondHalfSchedule[1], "second a"); }},
        DamageCase{"ScheduleLastLineWithoutLineEnd",
                   [](const TempFolder& d) {
                       Write(d.File(kScheduleFile), "first a\nfirst b\nsecond a\r\nsecond b\r\nsecond c");
                   },
                   true, true, true, true, [](const NBA& n) { EXPECT_EQ(n.SecondHalfSchedule[3], "second c"); }},
        DamageCase{"ScheduleMissing", [](const TempFolder& d) { Remove(d, kScheduleFile); }, true, false, true, true,
                   nullptr},
        DamageCase{"NamesShort",
                   [](const TempFolder& d) {
                       std::string names = Read(d.File(kNamesFile));
                       Write(d.File(kNamesFile), names.substr(0, names.rfind("\"Team 29\"")));
                   },
                   true, true, false, true,
                   [](const NBA& n) {
                       EXPECT_EQ(n.CityNames[29], "City 29");
                       EXPECT_EQ(n.TeamNames[28], "Team 28");
                       EXPECT_EQ(n.TeamNames[29], "");
                   }},
        DamageCase{"NamesMissing", [](const TempFolder& d) { Remove(d, kNamesFile); }, true, true, false, true,
                   nullptr},
        DamageCase{"SettingsMissing", [](const TempFolder& d) { Remove(d, kSettingsFile); }, true, true, true, false,
                   [](const NBA& n) { EXPECT_EQ(n.PrinterFontName, ""); }},
        DamageCase{"EverythingMissing",
                   [](const TempFolder& d) {
                       for (const char* f : {kStatisticsFile, kScheduleFile, kNamesFile, kSettingsFile}) Remove(d, f);
                   },
                   false, false, false, false, nullptr},
        DamageCase{"DataFileIsAFolder",
                   [](const TempFolder& d) {
                       Remove(d, kNamesFile);
                       fs::create_directory(d.File(kNamesFile));
                   },
                   true, true, false, true, nullptr}),
    [](const auto& info) { return info.param.name; });

TEST(NamesFile, NamesWithCommasSurviveASaveAndLoad) {
    TempFolder dir;
    auto cities = Names("City ");
    auto teams = Names("Team ");
    cities[3] = "New York, NY";
    teams[4] = "Nets, the";
    cities[24] = "L.A.";
    cities[25] = "L. A.";
    teams[7] = "";
    ASSERT_TRUE(SaveNames(dir.path(), cities, teams).ok);
    NBA nba;
    ASSERT_TRUE(ParseNames(Read(dir.File(kNamesFile)), nba));
    for (int n = 1; n <= kLeagueTeams; ++n) {
        EXPECT_EQ(nba.CityNames[n], cities[n]);
        EXPECT_EQ(nba.TeamNames[n], teams[n]);
    }
    const std::string text = Read(dir.File(kNamesFile));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 58);
}

TEST(SettingsFile, FontNameRules) {
    struct {
        std::string saved, expectedFile, readBack;
    } cases[] = {{"", "Courier New\r\n", "Courier New"},  // an empty name saves the default
                 {"Lucida Console", "Lucida Console\r\n", "Lucida Console"},
                 {"Courier, Bold", "Courier, Bold\r\n", "Courier"}};  // printed whole, read up to the comma
    for (const auto& c : cases) {
        TempFolder dir;
        NBA nba;
        nba.PrinterFontName = c.saved;
        nba.IniPath = dir.File(kSettingsFile);
        ASSERT_TRUE(SaveSettings(nba).ok);
        EXPECT_EQ(Read(nba.IniPath), c.expectedFile);
        NBA back;
        ASSERT_TRUE(ParseSettings(Read(nba.IniPath), back));
        EXPECT_EQ(back.PrinterFontName, c.readBack);
    }
}

// Saves that cannot succeed, also when the tests run as root (permissions would not stop root).
struct FailedSaveCase {
    const char* name;
    std::function<std::string(const TempFolder&)> folder;  // prepares and returns the folder to save into
};

void PrintTo(const FailedSaveCase& c, std::ostream* os) { *os << c.name; }

class FailedSaveTest : public ::testing::TestWithParam<FailedSaveCase> {};

TEST_P(FailedSaveTest, ReturnsNotOkAndLeavesTheOldFile) {
    TempFolder dir;
    const std::string folder = GetParam().folder(dir);
    const std::string oldStatistics = Read(JoinPath(folder, kStatisticsFile));
    const std::string oldNames = Read(JoinPath(folder, kNamesFile));
    NBA nba = OddLeague();
    nba.UpdateDay = 1;  // something different to write
    WriteResult result = SaveStatistics(folder, nba);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(Read(JoinPath(folder, kStatisticsFile)), oldStatistics);
    EXPECT_FALSE(SaveNames(folder, Names("X"), Names("Y")).ok);
    EXPECT_EQ(Read(JoinPath(folder, kNamesFile)), oldNames);
    nba.IniPath = JoinPath(folder, kSettingsFile);
    EXPECT_FALSE(SaveSettings(nba).ok);
}

INSTANTIATE_TEST_SUITE_P(
    Places, FailedSaveTest,
    ::testing::Values(
        FailedSaveCase{"FolderIsARegularFile",
                       [](const TempFolder& d) {
                           Write(d.File("plain"), "not a folder");
                           return d.File("plain");
                       }},
        FailedSaveCase{"FolderDoesNotExist", [](const TempFolder& d) { return d.File("no/such/folder"); }},
        FailedSaveCase{"ProcFileSystem", [](const TempFolder&) { return std::string("/proc"); }},
        FailedSaveCase{"ReplacementCannotBeCreated",
                       [](const TempFolder& d) {
                           // The old files exist, but the new one cannot be written beside them.
                           Write(d.File(kStatisticsFile), StatisticsText(OddLeague()));
                           Write(d.File(kNamesFile), NamesText(Names("A"), Names("B")));
                           for (const char* f : {kStatisticsFile, kNamesFile, kSettingsFile}) {
                               fs::create_directory(d.File(std::string(f) + ".new"));
                               Write(d.File(std::string(f) + ".new/keep"), "x");
                           }
                           return d.path();
                       }}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tavix
