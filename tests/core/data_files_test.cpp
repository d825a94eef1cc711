// The data files through their readers and writers: a save after a load changes no byte, damaged
// or short files are reported and never crash the loading, and a failed save leaves the old file.

#include "core/data_files.h"
#include "core/font_advice.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <tuple>

#include "core/number_format.h"
#include "core/safe_file.h"
#include "tests/support/data_folders.h"

namespace tavix {
namespace {

namespace fs = std::filesystem;

using testing::FileSizeLimit;
using testing::TempFolder;

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
    // Statistics, schedule, names, settings read well: '1' or '0'; a fifth '1' when the statistics'
    // last value was still read past the damage.
    const char* ok;
    const char* secondHalf1;        // the first second-half game line that survives, if checked
    const char* problem = nullptr;  // in the loading message, once
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
        std::string() + "01"[r.statisticsOk] + "01"[r.scheduleOk] + "01"[r.namesOk] + "01"[r.settingsOk],
        ok.substr(0, 4));
    EXPECT_EQ(r.NeedsLoadingMessage(), ok.substr(0, 3) != "111");
    EXPECT_EQ(nba.TeamCount, kLeagueTeams);
    if (GetParam().secondHalf1) {
        EXPECT_EQ(nba.SecondHalfSchedule[1], GetParam().secondHalf1);
    }
    if (ok[2] == '1') {
        EXPECT_EQ(nba.TeamNames[29], "Team 29");
    }
    if (ok.size() > 4) {
        EXPECT_EQ(nba.TeamReserve[32], OddLeague().TeamReserve[32]);
    }
    const std::string message = LoadingMessage(r);
    if (const char* problem = GetParam().problem) {
        const size_t at = message.find(problem);
        EXPECT_TRUE(at != std::string::npos && message.find(problem, at + 1) == std::string::npos) << message;
    }
    // The fixed words blame the statistics or the schedule only when one of them is not there.
    EXPECT_EQ(message.find("TavixSC.dat or TavixSE.dat") != std::string::npos,
              r.statisticsUnreadable || r.scheduleUnreadable);
}

Damage Append(const char* file, const std::string& more) {
    return [=](const TempFolder& d) { Write(d.File(file), Read(d.File(file)) + more); };
}
// The file again as UTF-16, or with CR CR LF line ends.
Damage Recoded(const char* file, bool utf16) {
    return [=](const TempFolder& d) {
        std::string out = utf16 ? "\xff\xfe" : "";
        for (char c : Read(d.File(file)))
            out += utf16 ? std::string{c, '\0'} : c == '\n' ? "\r\n" : std::string{c};
        Write(d.File(file), out);
    };
}
// The schedule with its first second-half line replaced.
Damage Game(const char* line) {
    return Put(kScheduleFile, std::string("first a\r\nfirst b\r\n") + line + "\r\nsecond b\r\nsecond c\r\n");
}

Damage Both(Damage a, Damage b) {
    return [=](const TempFolder& d) { a(d), b(d); };
}
Damage Pipe(const char* file) {
    return [=](const TempFolder& d) {
        fs::remove(d.File(file));
        ASSERT_EQ(::mkfifo(d.File(file).c_str(), 0644), 0);
    };
}
Damage Device(const char* file) {
    return [=](const TempFolder& d) {
        fs::remove(d.File(file));
        fs::create_symlink("/dev/zero", d.File(file));
    };
}
Damage Grown(const char* file, size_t bytes) {
    return [=](const TempFolder& d) { fs::resize_file(d.File(file), bytes); };
}
Damage LetterCases() {
    return [](const TempFolder& d) {
        fs::rename(d.File(kStatisticsFile), d.File("TAVIXSE.DAT"));
        fs::rename(d.File(kScheduleFile), d.File("tavixsc.dat"));
        fs::rename(d.File(kNamesFile), d.File("TavixNm.Dat"));
    };
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
        DamageCase{"StatisticsMissing", Gone({kStatisticsFile}), "0111", "", "TavixSE.dat: No such file"},
        DamageCase{"StatisticsCutAfterTheCounts", Line(3, nullptr), "0111", "second a"},
        DamageCase{"StatisticsCutInTheSlots", Line(100, nullptr), "0111", "second a"},
        DamageCase{"StatisticsWordForANumber", Line(50, "abc"), "01111", "second a",
                   "TavixSE.dat, line 50: \"abc\" is not a whole number"},
        // One damaged figure shifts no other.
        DamageCase{"StatisticsCommaInAFigure", Line(22, "98,25"), "01111", "second a",
                   "TavixSE.dat, line 22: the figure \"98,25\" holds a comma"},
        DamageCase{"StatisticsStrayCharacter", Line(23, "12x"), "01111", "second a", "line 23: \"12x\""},
        DamageCase{"StatisticsTooManyValues", Append(kStatisticsFile, "5\r\n"), "01111", "second a",
                   "line 374: the file goes on after the 373 values"},
        DamageCase{"StatisticsCrCrLf", Recoded(kStatisticsFile, false), "01111", "second a",
                   "TavixSE.dat, line 1: the line ends with CR CR LF"},
        DamageCase{"StatisticsUtf16", Recoded(kStatisticsFile, true), "01111", "second a", "UTF-16"},
        DamageCase{"NamesCutInTheLastName",
                   Put(kNamesFile, NamesText(Names("City "), Names("Team ")).substr(0, 616)), "1101",
                   "second a", "TavixNM.dat, line 58: the name \"Team 2\" is cut short"},
        DamageCase{"NamesTooManyAndStrayText", Append(kNamesFile, "\"extra\" x\r\n"), "1101", "second a",
                   "TavixNM.dat, line 59: the file goes on"},
        DamageCase{"ScheduleSideOver250", Game("Boston       at Miami        251-90"), "1011",
                   "Boston       at Miami        251-90",
                   "TavixSC.dat, line 3: the score 251-90 gives a side"},
        DamageCase{"ScheduleTie", Game("Boston       at Miami        99-99 OT"), "1011", nullptr,
                   "line 3: the score 99-99 is a tie"},
        DamageCase{"ScheduleNegative", Game("Boston       at Miami        98--3"), "1011", nullptr,
                   "line 3: the score 98--3 holds a negative figure"},
        DamageCase{"ScheduleNoSuchDay", Game("Tuesday, February 30, 1999"), "1011", nullptr,
                   "line 3: there is no day February 30, 1999"},
        DamageCase{"ScheduleWrongWeekday", Game("Monday, February 5, 1999"), "1011", nullptr,
                   "February 5, 1999 was a Friday, not a Monday"},
        DamageCase{"ScheduleUtf16", Recoded(kScheduleFile, true), "1011", "second a",
                   "TavixSC.dat: the file is UTF-16"},
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
                   "1101", "second a", "the file ends after 48 of its 58 values"},
        DamageCase{"SettingsMissing", Gone({kSettingsFile}), "1110", "second a"},
        DamageCase{"EverythingMissing", Gone({kStatisticsFile, kScheduleFile, kNamesFile, kSettingsFile}),
                   "0000", ""},
        DamageCase{"DataFileIsAFolder", Gone({kNamesFile}, true), "1101", "second a"},
        // Found whatever the case of their letters, as the folder choice assumes.
        DamageCase{"LetterCases", LetterCases(), "1111", "second a"},
        // What is not a data file is refused at once, without waiting on a pipe or reading a device
        // or a file far larger than any real one into memory.
        DamageCase{"StatisticsAPipe", Pipe(kStatisticsFile), "0111", nullptr},
        DamageCase{"ScheduleAPipe", Pipe(kScheduleFile), "1011", nullptr},
        DamageCase{"NamesAPipe", Pipe(kNamesFile), "1101", nullptr},
        DamageCase{"SettingsAPipe", Pipe(kSettingsFile), "1110", nullptr},
        DamageCase{"StatisticsADevice", Device(kStatisticsFile), "0111", nullptr},
        DamageCase{"ScheduleADevice", Device(kScheduleFile), "1011", nullptr},
        DamageCase{"StatisticsOverAMegabyte", Grown(kStatisticsFile, (1u << 20) + 1), "0111", nullptr},
        DamageCase{"NamesOverAMegabyte", Grown(kNamesFile, (1u << 20) + 1), "1101", nullptr},
        DamageCase{"SettingsOverAMegabyte", Grown(kSettingsFile, (1u << 20) + 1), "1110", nullptr},
        DamageCase{"ScheduleOverTenMegabytes", Grown(kScheduleFile, (10u << 20) + 1), "1011", nullptr}),
    [](const auto& info) { return info.param.name; });

// An empty font name saves the default; a name is printed whole and read up to a comma. (The names
// file's round trip is the names editor's test.)
TEST(SettingsFile, SurvivesASaveAndLoad) {
    TempFolder dir;
    NBA nba;
    nba.IniPath = dir.File(kSettingsFile);
    const char* fonts[][3] = {{"", "Courier New\r\n", "Courier New"}, {"A, B", "A, B\r\n", "A"}};
    for (const auto& f : fonts) {
        nba.PrinterFontName = f[0];
        ASSERT_TRUE(SaveSettings(nba).ok);
        EXPECT_EQ(Read(nba.IniPath), f[1]);
        ASSERT_TRUE(ParseSettings(Read(nba.IniPath), nba));
        EXPECT_EQ(nba.PrinterFontName, f[2]);
    }
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

// Saves that cannot succeed, also when the tests run as root (permissions would not stop root):
// no such folder, a file system that takes no files, a file too large for the process's limit,
// and a data file that is not a file. The old file stays and nothing is left beside it.
TEST(FailedSave, ReturnsNotOkAndLeavesTheOldFile) {
    TempFolder dir, folders;
    Write(dir.File(kStatisticsFile), StatisticsText(OddLeague()));
    Write(dir.File(kNamesFile), NamesText(Names("A"), Names("B")));
    for (const char* f : {kStatisticsFile, kNamesFile, kSettingsFile}) fs::create_directory(folders.File(f));
    const std::vector<std::string> before = Entries(dir.path);
    for (const std::string& folder : {dir.File("no/such"), std::string("/proc"), dir.path, folders.path}) {
        const std::string oldStatistics = Read(JoinPath(folder, kStatisticsFile));
        const std::string oldNames = Read(JoinPath(folder, kNamesFile));
        NBA nba = OddLeague();
        nba.UpdateDay = 1;  // something different to write
        FileSizeLimit limit(100);
        const WriteResult result = SaveStatistics(folder, nba);
        EXPECT_FALSE(result.ok) << folder;
        EXPECT_EQ(result.error.rfind(JoinPath(folder, kStatisticsFile) + ": ", 0), 0u) << result.error;
        EXPECT_EQ(Read(JoinPath(folder, kStatisticsFile)), oldStatistics);
        EXPECT_FALSE(SaveNames(folder, nba, Names("X"), Names("Y")).ok);
        EXPECT_EQ(Read(JoinPath(folder, kNamesFile)), oldNames);
        nba.IniPath = JoinPath(folder, kSettingsFile);
        nba.PrinterFontName = std::string(200, 'x');
        EXPECT_FALSE(SaveSettings(nba).ok) << folder;
    }
    EXPECT_EQ(Entries(dir.path), before);
    EXPECT_TRUE(fs::is_directory(folders.File(kStatisticsFile)));

    // Protected by its owner in a folder that may be written: left alone, and the reason names it.
    TempFolder guarded;
    Write(guarded.File(kStatisticsFile), "guarded\r\n");
    ::chmod(guarded.File(kStatisticsFile).c_str(), 0444);
    NBA nba = OddLeague();
    EXPECT_EQ(SaveStatistics(guarded.path, nba).error,
              guarded.File(kStatisticsFile) + ": the file is write-protected");
    EXPECT_EQ(Read(guarded.File(kStatisticsFile)), "guarded\r\n");

    // A save killed half-way (here by the file size limit's signal) leaves nothing of itself.
    TempFolder killed;
    Write(killed.File(kStatisticsFile), "old\r\n");
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        const rlimit small{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &small);
        WriteFileSafely(killed.File(kStatisticsFile), std::string(4096, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Entries(killed.path), std::vector<std::string>{kStatisticsFile});
    EXPECT_EQ(Read(killed.File(kStatisticsFile)), "old\r\n");
    // What a killed save of another kind left is removed, and only that.
    Write(killed.File("TavixSE.dat.new-Ab12Cd"), "half");
    Write(killed.File("TavixSE.dat.new-mine"), "a user's file");
    EXPECT_EQ(RemoveSaveLeftovers(killed.path, kStatisticsFile), 1);
    EXPECT_EQ(Entries(killed.path), (std::vector<std::string>{kStatisticsFile, "TavixSE.dat.new-mine"}));
}

// A save replaces the file it read, under the name it has, as it is: the letter case the folder
// uses, its permission bits, and for a symbolic link the file it points to. It never goes
// through a name another program could have put there.
TEST(SafeSave, ReplacesTheFileFoundAndKeepsWhatItIs) {
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> prepare;
        std::vector<std::string> entriesAfter;  // the folder's names after the save
        const char* changed;                    // the file that holds the new figures
    };
    const Case cases[] = {
        {"capitals",
         [](const TempFolder& d) { fs::rename(d.File(kStatisticsFile), d.File("TAVIXSE.DAT")); },
         {"TAVIXSE.DAT", "TavixNM.dat", "TavixSC.dat", "TVX.ini"},
         "TAVIXSE.DAT"},
        {"link",
         [](const TempFolder& d) {
             fs::create_directory(d.File("real"));
             fs::rename(d.File(kStatisticsFile), d.File("real/stats"));
             fs::create_symlink("real/stats", d.File(kStatisticsFile));
         },
         {"TVX.ini", "TavixNM.dat", "TavixSC.dat", "TavixSE.dat", "real"},
         "real/stats"},
        {"planted link at an old temporary name",
         [](const TempFolder& d) {
             Write(d.File("victim"), "keep me");
             fs::create_symlink("victim", d.File(std::string(kStatisticsFile) + ".new"));
         },
         {"TVX.ini", "TavixNM.dat", "TavixSC.dat", "TavixSE.dat", "TavixSE.dat.new", "victim"},
         kStatisticsFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoodFolder folder;
        c.prepare(folder);
        ::chmod(DataFilePath(folder.path, kStatisticsFile).c_str(), 0640);
        NBA nba;
        ASSERT_TRUE(folder.Load(nba).statisticsOk);
        nba.Wins[3] = 77;
        ASSERT_TRUE(SaveStatistics(folder.path, nba).ok);
        std::vector<std::string> expected = c.entriesAfter;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Entries(folder.path), expected);
        EXPECT_EQ(Read(folder.File(c.changed)), StatisticsText(nba));
        EXPECT_EQ(fs::status(folder.File(c.changed)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        if (fs::exists(folder.File("victim"))) {
            EXPECT_EQ(Read(folder.File("victim")), "keep me");
        }
        if (std::string(c.name) == "link") {
            EXPECT_TRUE(fs::is_symlink(folder.File(kStatisticsFile)));
        }
    }
    // A new file gets the bits the process's mask leaves, as any new file would.
    {
        TempFolder fresh;
        NBA nba = OddLeague();
        const mode_t before = ::umask(027);
        ASSERT_TRUE(SaveStatistics(fresh.path, nba).ok);
        ::umask(before);
        EXPECT_EQ(fs::status(fresh.File(kStatisticsFile)).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
    // A link to nowhere is refused with a reason, never replaced by a plain file.
    GoodFolder folder;
    fs::remove(folder.File(kStatisticsFile));
    fs::create_symlink("gone/away", folder.File(kStatisticsFile));
    NBA nba = OddLeague();
    const WriteResult r = SaveStatistics(folder.path, nba);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("symbolic link"), std::string::npos) << r.error;
    EXPECT_TRUE(fs::is_symlink(folder.File(kStatisticsFile)));
}

// A file that did not load completely holds figures the program never saw. The first save over
// it keeps it aside beside it, under a name that says what it is and when, and says where; no
// later save writes over that copy. Complete, missing and empty files are not copied.
TEST(DamagedFileKept, BeforeTheFirstSaveOverIt) {
    struct Case {
        const char* name;
        const char* file;
        std::function<void(const TempFolder&)> damage;
        bool kept;
    };
    auto cut = [](const char* file) {
        return [=](const TempFolder& d) {
            const std::string whole = Read(d.File(file));
            Write(d.File(file), whole.substr(0, whole.size() / 2));
        };
    };
    const Case cases[] = {
        {"statistics cut", kStatisticsFile, cut(kStatisticsFile), true},
        // Whatever the damage (the loading table has every kind), one figure is enough to keep it.
        {"statistics with a word for a number", kStatisticsFile, Line(100, "abc"), true},
        {"names cut", kNamesFile, cut(kNamesFile), true},
        {"settings without a value", kSettingsFile, Put(kSettingsFile, "\r\n\r\n"), true},
        {"names shifted by a comma", kNamesFile,
         Put(kNamesFile, "Washington, D.C.\r\n" + NamesText(Names("City "), Names("Team "))), true},
        {"statistics ending in blank lines", kStatisticsFile,
         [](const TempFolder& d) {
             Write(d.File(kStatisticsFile), Read(d.File(kStatisticsFile)) + "\r\n\r\n");
         },
         false},
        {"statistics intact", kStatisticsFile, [](const TempFolder&) {}, false},
        {"statistics empty", kStatisticsFile, Put(kStatisticsFile, ""), false},
        {"statistics missing", kStatisticsFile, Gone({kStatisticsFile}), false},
        {"names missing", kNamesFile, Gone({kNamesFile}), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoodFolder folder;
        c.damage(folder);
        const std::string damaged = Read(folder.File(c.file));
        NBA nba;
        folder.Load(nba);
        auto save = [&] {
            if (c.file == kStatisticsFile) return SaveStatistics(folder.path, nba);
            if (c.file == kNamesFile) return SaveNames(folder.path, nba, Names("C"), Names("T"));
            return SaveSettings(nba);
        };
        const WriteResult first = save();
        ASSERT_TRUE(first.ok) << first.error;
        EXPECT_EQ(first.keptCopy.empty(), !c.kept);
        EXPECT_EQ(KeptCopyText(first).empty(), !c.kept);
        if (c.kept) {
            const std::string copyName = fs::path(first.keptCopy).filename().string();
            EXPECT_EQ(copyName.rfind(std::string(c.file) + ".damaged-20", 0), 0u) << copyName;
            EXPECT_EQ(fs::path(first.keptCopy).parent_path(), fs::path(folder.path));
            EXPECT_EQ(Read(first.keptCopy), damaged);
            EXPECT_NE(KeptCopyText(first).find(first.keptCopy), std::string::npos);
        }
        const size_t files = Entries(folder.path).size();
        nba.Wins[1] = 99, nba.PrinterFontName = "Other";
        const WriteResult second = save();
        ASSERT_TRUE(second.ok);
        EXPECT_TRUE(second.keptCopy.empty());
        EXPECT_EQ(Entries(folder.path).size(), files);
        if (c.kept) {
            EXPECT_EQ(Read(first.keptCopy), damaged);
        }
    }
}

// The same file damaged again in a new run keeps a second copy beside the first, never over it.
TEST(DamagedFileKept, ASecondCopyNeverReplacesTheFirst) {
    GoodFolder folder;
    std::vector<std::string> copies;
    for (const char* text : {"first damage", "second damage"}) {
        Write(folder.File(kNamesFile), text);
        NBA nba;
        folder.Load(nba);
        const WriteResult r = SaveNames(folder.path, nba, Names("C"), Names("T"));
        ASSERT_TRUE(r.ok);
        copies.push_back(r.keptCopy);
    }
    ASSERT_NE(copies[0], copies[1]);
    EXPECT_EQ(Read(copies[0]), "first damage");
    EXPECT_EQ(Read(copies[1]), "second damage");
}

// Names, schedule lines and the font name reach lists, windows and printouts; control bytes in
// them must not.
TEST(TextFromFiles, CarriesNoControlCharacters) {
    std::array<std::string, kNameSlots> cities = Names("City "), teams = Names("Team ");
    cities[2] = "Bos\x01ton";
    cities[5] = std::string("Mi\x1b[2Jami");
    teams[7] = "Tab\tbed";
    teams[9] = "Del\x7f\x85\x9f";
    teams[29] = std::string("Nul\0l", 5);
    NBA nba;
    ASSERT_TRUE(ParseNames(NamesText(cities, teams), nba));
    nba.FirstHalfCount = 2, nba.SecondHalfCount = 1;
    ASSERT_TRUE(ParseSchedule(std::string("form\x0c"
                                          "feed\r\nbell\x07\r\nesc\x1b\r\n"),
                              nba));
    ASSERT_TRUE(ParseSettings("Cou\x08rier\r\n", nba));
    std::vector<std::string> texts = {nba.FirstHalfSchedule[1], nba.FirstHalfSchedule[2],
                                      nba.SecondHalfSchedule[1], nba.PrinterFontName};
    texts.insert(texts.end(), nba.CityNames.begin(), nba.CityNames.end());
    texts.insert(texts.end(), nba.TeamNames.begin(), nba.TeamNames.end());
    for (const std::string& t : texts) {
        for (char c : t) {
            const auto u = static_cast<unsigned char>(c);
            EXPECT_FALSE(u < 0x20 || (u >= 0x7f && u < 0xa0)) << ::testing::PrintToString(t);
        }
    }
    EXPECT_EQ(nba.TeamNames[7], "Tab     bed");
    EXPECT_EQ(nba.CityNames[2], "Bos?ton");
}

}  // namespace
}  // namespace tavix
