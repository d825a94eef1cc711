// The data files through their readers and writers: a save after a load changes no byte, damaged
// or short files are reported and never crash the loading, and a failed save leaves the old file.

#include "core/data_files.h"
#include "core/font_advice.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <tuple>

#include "core/safe_file.h"

namespace tavix {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    std::string path;
    TempFolder() {
        char pattern[] = "/tmp/tavix-files-test-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string File(const std::string& name) const { return JoinPath(path, name); }
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
    const double d[] = {98.25, 1.0 / 3.0, 0.1, -12.5, 1e-7, 123456789.125, 92.8, 0.0, -0.0};
    const float f[] = {0.0f,  1.0f / 3.0f, -2.5e-8f, 1e38f, 98.25f, std::numeric_limits<float>::denorm_min(),
                       -0.0f, 1e-30f,      7.7f};
    for (int s = 1; s <= kStoredSlots; ++s) {
        nba.Wins[s] = static_cast<int16_t>(s * 3);
        nba.Ties[s] = static_cast<int16_t>(s % 2);
        nba.Losses[s] = static_cast<int16_t>(-s);
        nba.OffenseAve[s] = d[s % 9];
        nba.DefenseAve[s] = d[(s + 4) % 9] * 3;
        nba.PrevWins[s] = static_cast<int16_t>(s == 31 ? 32767 : s);
        nba.PrevTies[s] = static_cast<int16_t>(s == 32 ? -32768 : 0);
        nba.PrevLosses[s] = static_cast<int16_t>(82 - s);
        nba.PrevOffenseAve[s] = d[(s + 2) % 9] + s;
        nba.PrevDefenseAve[s] = d[(s + 7) % 9] - s;
        nba.TeamReserve[s] = f[s % 9] * static_cast<float>(s % 3 + 1);
    }
    nba.UpdateMonth = 12, nba.UpdateDay = 31, nba.UpdateYear = 1999;
    return nba;
}

std::array<std::string, kNameSlots> Names(const char* prefix) {
    std::array<std::string, kNameSlots> names{};
    for (int n = 1; n <= kLeagueTeams; ++n) names[n] = prefix + std::to_string(n);
    return names;
}

// A folder with a complete, valid set of the three data files and a settings file.
struct GoodFolder : TempFolder {
    GoodFolder() {
        Write(File(kStatisticsFile), StatisticsText(OddLeague()));
        Write(File(kScheduleFile), "first a\r\nfirst b\r\nsecond a\r\nsecond b\r\nsecond c\r\n");
        Write(File(kNamesFile), NamesText(Names("City "), Names("Team ")));
        Write(File(kSettingsFile), SettingsText("Lucida Console"));
    }
    LoadReport Load(NBA& nba) const { return LoadLeague(path, File(kSettingsFile), nba); }
};

// Ours with awkward values, and the supplied one: a load and a save give back every byte.
TEST(StatisticsFile, SaveAfterLoadGivesTheSameBytes) {
    GoodFolder folder;
    for (const std::string& dir : {folder.path, std::string(TAVIX_SOURCE_DIR) + "/data"}) {
        const std::string before = Read(JoinPath(dir, kStatisticsFile));
        EXPECT_EQ(std::count(before.begin(), before.end(), '\n'), 373);
        EXPECT_EQ(before.find('e'), std::string::npos);  // plain decimals, never exponents
        NBA nba;
        ASSERT_FALSE(LoadLeague(dir, "/nonexistent/TVX.ini", nba).NeedsLoadingMessage());
        TempFolder out;
        ASSERT_TRUE(SaveStatistics(out.path, nba).ok);
        EXPECT_EQ(Read(out.File(kStatisticsFile)), before);
    }
    NBA nba;
    folder.Load(nba);
    const NBA odd = OddLeague();  // every value came back bit for bit, not just the text
    for (int s = 1; s <= kStoredSlots; ++s) {
        EXPECT_EQ(std::memcmp(&nba.TeamReserve[s], &odd.TeamReserve[s], sizeof(float)), 0) << s;
        EXPECT_EQ(std::memcmp(&nba.PrevDefenseAve[s], &odd.PrevDefenseAve[s], sizeof(double)), 0) << s;
        EXPECT_EQ(nba.PrevWins[s], odd.PrevWins[s]);
    }
}

TEST(StatisticsFile, ReadsNumbersAsAnotherWriterMayHaveLeftThem) {
    // Exponents, a bare fraction, blanks around values and a quoted number all read as numbers;
    // 16-bit values written with a fraction round half to even.
    std::string text = "  12 \r\n\"34\"\r\n";
    for (int k = 1; k <= kMonthPairs; ++k) text += (k == 2 ? "1.5E+1" : "1") + std::string("\r\n0\r\n");
    for (int s = 1; s <= kStoredSlots; ++s) text += "2.5\r\n0\r\n3.5\r\n.5\r\n1E2\r\n";
    for (int s = 1; s <= kStoredSlots; ++s) text += "0\r\n0\r\n0\r\n0\r\n0\r\n";
    text += "1\r\n2\r\n1999\r\n";
    for (int s = 1; s <= kStoredSlots; ++s) text += "1.5E-30\r\n";
    NBA nba;
    ASSERT_TRUE(ParseStatistics(text, nba));
    EXPECT_EQ(std::make_tuple(nba.SecondHalfCount, nba.MonthStart[2], nba.Wins[1], nba.Losses[1]),
              std::make_tuple(int16_t{34}, 15.0, int16_t{2}, int16_t{4}));
    EXPECT_EQ(std::make_pair(nba.OffenseAve[1], nba.DefenseAve[1]), std::make_pair(0.5, 100.0));
    EXPECT_EQ(nba.TeamReserve[32], 1.5e-30f);
}

// Replaces line `line` (1-based) of a CR LF text, or cuts the text before it when `text` is null.
std::string WithLine(const std::string& in, int line, const char* text) {
    std::string out;
    size_t pos = 0;
    for (int n = 1; pos < in.size(); ++n) {
        const size_t end = in.find("\r\n", pos) + 2;
        if (n == line && !text) return out;
        out += n == line ? std::string(text) + "\r\n" : in.substr(pos, end - pos);
        pos = end;
    }
    return out;
}

using Damage = std::function<void(const TempFolder&)>;
Damage Line(int line, const char* text) {
    return [=](const TempFolder& d) {
        Write(d.File(kStatisticsFile), WithLine(Read(d.File(kStatisticsFile)), line, text));
    };
}
Damage Put(const char* file, std::string bytes) {
    return [=](const TempFolder& d) { Write(d.File(file), bytes); };
}
Damage Gone(std::vector<const char*> files, bool leaveAFolder = false) {
    return [=](const TempFolder& d) {
        for (const char* f : files) fs::remove(d.File(f)), leaveAFolder&& fs::create_directory(d.File(f));
    };
}

struct DamageCase {
    const char* name;
    Damage damage;
    const char* ok;           // statistics, schedule, names, settings read well: '1' or '0'
    const char* secondHalf1;  // the first second-half game line that survives, if checked
};
void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedFilesTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFilesTest, ReportsTheFailureAndKeepsWhatWasRead) {
    GoodFolder folder;
    GetParam().damage(folder);
    NBA nba;
    const LoadReport r = folder.Load(nba);
    const std::string ok = GetParam().ok;
    EXPECT_EQ(
        std::string() + "01"[r.statisticsOk] + "01"[r.scheduleOk] + "01"[r.namesOk] + "01"[r.settingsOk], ok);
    EXPECT_EQ(r.NeedsLoadingMessage(), ok.substr(0, 3) != "111");
    EXPECT_EQ(nba.TeamCount, kLeagueTeams);
    if (GetParam().secondHalf1) {
        EXPECT_EQ(nba.SecondHalfSchedule[1], GetParam().secondHalf1);
    }
    EXPECT_EQ(nba.TeamNames[29] == "Team 29", ok[2] == '1');
}

Damage Both(Damage a, Damage b) {
    return [=](const TempFolder& d) { a(d), b(d); };
}
std::string ManyLines() {
    std::string lines;
    for (int i = 1; i <= 1820; ++i) lines += "line " + std::to_string(i) + "\r\n";
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFilesTest,
    ::testing::Values(
        DamageCase{"NothingDamaged", [](const TempFolder&) {}, "1111", "second a"},
        // No counts read, so no schedule line is read either.
        DamageCase{"StatisticsMissing", Gone({kStatisticsFile}), "0111", ""},
        DamageCase{"StatisticsCutAfterTheCounts", Line(3, nullptr), "0111", "second a"},
        DamageCase{"StatisticsCutInTheSlots", Line(100, nullptr), "0111", "second a"},
        DamageCase{"StatisticsWordForANumber", Line(50, "abc"), "0111", "second a"},
        DamageCase{"StatisticsOutOf16Bits", Line(19, "40000"), "0111", "second a"},
        DamageCase{"StatisticsBinaryGarbage", Put(kStatisticsFile, std::string("\0\xff\"\r,\n", 6)), "0111",
                   ""},
        DamageCase{"FirstHalfCountZero",
                   Both(Line(1, "0"), Put(kScheduleFile, "second a\r\nsecond b\r\nsecond c\r\n")), "1111",
                   "second a"},
        DamageCase{"FirstHalfCountAbove900", Line(1, "901"), "1011", nullptr},
        DamageCase{"CountsAtTheLimits",
                   Both(Both(Line(1, "900"), Line(2, "920")), Put(kScheduleFile, ManyLines())), "1111",
                   "line 901"},
        DamageCase{"ScheduleShorterThanItsCounts", Put(kScheduleFile, "first a\r\nfirst b\r\nsecond a\r\n"),
                   "1011", "second a"},
        DamageCase{"ScheduleLastLineWithoutLineEnd",
                   Put(kScheduleFile, "first a\nfirst b\nsecond a\r\nsecond b\r\nsecond c"), "1111",
                   "second a"},
        DamageCase{"NamesShort", Put(kNamesFile, NamesText(Names("City "), Names("Team ")).substr(0, 500)),
                   "1101", "second a"},
        DamageCase{"SettingsMissing", Gone({kSettingsFile}), "1110", "second a"},
        DamageCase{"EverythingMissing", Gone({kStatisticsFile, kScheduleFile, kNamesFile, kSettingsFile}),
                   "0000", ""},
        DamageCase{"DataFileIsAFolder", Gone({kNamesFile}, true), "1101", "second a"}),
    [](const auto& info) { return info.param.name; });

TEST(NamesAndSettingsFiles, SurviveASaveAndLoad) {
    TempFolder dir;
    auto cities = Names("City "), teams = Names("Team ");
    cities[3] = "New York, NY";
    teams[4] = "Nets, the";
    teams[7] = "";
    ASSERT_TRUE(SaveNames(dir.path, cities, teams).ok);
    NBA nba;
    ASSERT_TRUE(ParseNames(Read(dir.File(kNamesFile)), nba));
    for (int n = 1; n <= kLeagueTeams; ++n)
        EXPECT_EQ(nba.CityNames[n] + nba.TeamNames[n], cities[n] + teams[n]);
    // An empty font name saves the default; a name is printed whole and read up to a comma.
    const char* fonts[][3] = {{"", "Courier New\r\n", "Courier New"}, {"A, B", "A, B\r\n", "A"}};
    for (const auto& f : fonts) {
        nba.PrinterFontName = f[0];
        nba.IniPath = dir.File(kSettingsFile);
        ASSERT_TRUE(SaveSettings(nba).ok);
        EXPECT_EQ(Read(nba.IniPath), f[1]);
        ASSERT_TRUE(ParseSettings(Read(nba.IniPath), nba));
        EXPECT_EQ(nba.PrinterFontName, f[2]);
    }
}

// Saves that cannot succeed, also when the tests run as root (permissions would not stop root):
// no such folder, a file system that takes no files, and old files whose replacement cannot be
// written beside them.
// The font chooser recommends the best fixed-pitch face installed, and only one that is.
TEST(PrinterFontAdvice, NamesTheBestInstalledFixedPitchFace) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"Arial", "Courier New", "DejaVu Sans Mono"}, "Courier New"},
        {{"DejaVu Sans", "Nimbus Mono PS", "DejaVu Sans Mono"}, "DejaVu Sans Mono"},
        {{"Nimbus Mono PS"}, "Nimbus Mono PS"},
        {{"courier new", "DejaVu Sans"}, ""},
        {{}, ""}};
    for (const auto& [installed, face] : cases) {
        EXPECT_EQ(RecommendedPrinterFont(installed), face);
        const std::string advice = PrinterFontAdvice(installed);
        EXPECT_EQ(advice.rfind(face.empty() ? "A fixed-pitch font such as Courier New" : face, 0), 0u)
            << advice;
        EXPECT_NE(advice.find("the columns stay straight"), std::string::npos) << advice;
    }
}

TEST(FailedSave, ReturnsNotOkAndLeavesTheOldFile) {
    TempFolder dir;
    Write(dir.File(kStatisticsFile), StatisticsText(OddLeague()));
    Write(dir.File(kNamesFile), NamesText(Names("A"), Names("B")));
    for (std::string f : {kStatisticsFile, kNamesFile, kSettingsFile}) {
        fs::create_directory(dir.File(f + ".new"));
        Write(dir.File(f + ".new/keep"), "x");
    }
    for (const std::string& folder : {dir.File("no/such"), std::string("/proc"), dir.path}) {
        const std::string oldStatistics = Read(JoinPath(folder, kStatisticsFile));
        const std::string oldNames = Read(JoinPath(folder, kNamesFile));
        NBA nba = OddLeague();
        nba.UpdateDay = 1;  // something different to write
        const WriteResult result = SaveStatistics(folder, nba);
        EXPECT_FALSE(result.ok) << folder;
        EXPECT_FALSE(result.error.empty());
        EXPECT_EQ(Read(JoinPath(folder, kStatisticsFile)), oldStatistics);
        EXPECT_FALSE(SaveNames(folder, Names("X"), Names("Y")).ok);
        EXPECT_EQ(Read(JoinPath(folder, kNamesFile)), oldNames);
        nba.IniPath = JoinPath(folder, kSettingsFile);
        EXPECT_FALSE(SaveSettings(nba).ok);
    }
}

}  // namespace
}  // namespace tavix
