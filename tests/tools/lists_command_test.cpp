#include "tools/lists/lists_command.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "core/data_files.h"
#include "statistics/ratings_view.h"
#include "statistics/standings.h"
#include "ui/main/schedule_views.h"

namespace tavix {
namespace {

const std::string kData = std::string(TAVIX_SOURCE_DIR) + "/data";

struct RunResult {
    int status;
    std::string out, err;
};

RunResult Lists(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", kData});
    std::ostringstream out, err;
    int status = RunListsCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// Each command prints, line for line, what the windows' logic builds on the supplied data.
TEST(ListsCommand, ListsMatchTheWindowsLogic) {
    NBA n;
    LoadLeague(kData, kData + "/TVX.ini", n);
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"schedule", "first"}, FirstHalfLines(n)},
        {{"schedule", "month", "6"}, MonthLines(n, 5)},
        {{"schedule", "team", "25", "road"}, TeamScheduleLines(n, 25, TeamScheduleMode::Road)},
        {{"standings"}, BuildStandings(n, SeasonView::Current)},
        {{"ratings", "defense", "--previous"},
         BuildRatingsView(n, RatingsOrder::Defense, SeasonView::Previous, RatingsRebuild::Option)},
        {{"ratings", "switched"},
         BuildRatingsView(n, RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::SeasonSwitch)}};
    for (const auto& [args, lines] : cases) {
        RunResult r = Lists(args);
        std::string expected;
        for (const auto& l : lines) expected += l + "\n";
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected) << ::testing::PrintToString(args);
    }
}

TEST(ListsCommand, BadArgumentsOrDataGiveAMessageAndAStatus) {
    for (std::vector<std::string> bad : {std::vector<std::string>{},
                                         {"bogus"},
                                         {"schedule", "month", "7"},
                                         {"schedule", "team", "30", "all"},
                                         {"predict", "1"},
                                         {"block", "--lines", "9-3"},
                                         {"block", "--today", "1999-03-01"},
                                         {"ratings", "scoring", "extra"},
                                         {"forecast", "--print"}}) {
        RunResult r = Lists(bad);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(bad);
        EXPECT_NE(r.err.find("usage: tavix-lists"), std::string::npos);
        EXPECT_TRUE(r.out.empty());
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunListsCommand({"--data", "/nonexistent-tavix", "standings"}, out, err), 1);
    EXPECT_NE(err.str().find("Cannot Load file TavixSC.dat or TavixSE.dat."), std::string::npos);
}

TEST(ListsCommand, BlockWithAFixedDateRepeatsAndEndsWithThatDate) {
    RunResult a = Lists({"block", "--lines", "1-40", "--today", "03-01-1999"});
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, Lists({"block", "--lines", "1-40", "--today", "03-01-1999"}).out);
    EXPECT_NE(a.out.find("\nPredictions made 03-01-1999\n"), std::string::npos);
}

TEST(ListsCommand, PrintOfTheSecondHalfBreaksPagesWithFormFeedsAndKeepsTheMargin) {
    RunResult r = Lists({"schedule", "second", "--print"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(" \n \n \n", 0), 0u) << "three one-blank header lines";
    EXPECT_NE(r.out.find("\n\f\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n          Friday, February 5, 1999\n"), std::string::npos) << "8 + 2 blanks";
    EXPECT_EQ(r.out.find("=== document"), std::string::npos) << "one document only";
}

// The real program on a folder, as a script runs it: its exit, whether a signal ended it, and how
// long it took (it is stopped after two seconds).
struct ToolRun {
    int status = -1;
    int signal = 0;
    double seconds = 0;
    std::string out;
};
ToolRun RunLists(const std::string& folder, const std::vector<std::string>& args) {
    const std::string outFile = folder + ".out";
    std::vector<std::string> all = {TAVIX_LISTS_TOOL, "--data", folder};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(out, 1), ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ToolRun run;
    int wstatus = 0;
    for (;;) {
        if (::waitpid(pid, &wstatus, WNOHANG) == pid) break;
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(2)) ::kill(pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) run.signal = WTERMSIG(wstatus);
    std::ifstream in(outFile, std::ios::binary);
    run.out.assign(std::istreambuf_iterator<char>(in), {});
    ::unlink(outFile.c_str());
    return run;
}

// Every command on every kind of damaged or odd data folder finishes within a second with 0 or 1,
// never by a signal; where the figures load, however absurd, the standings and the ratings list
// every club.
TEST(ListsCommand, EveryCommandFinishesOnEveryDamagedFolder) {
    namespace fs = std::filesystem;
    NBA supplied;
    ASSERT_FALSE(LoadLeague(kData, "", supplied).NeedsLoadingMessage());
    auto figures = [&](std::function<void(NBA&)> change) {
        return [=](const std::string& dir) {
            NBA n = supplied;
            change(n);
            std::ofstream(dir + "/" + kStatisticsFile, std::ios::binary) << StatisticsText(n);
        };
    };
    auto replaced = [](const char* file, std::function<void(const std::string&)> with) {
        return [=](const std::string& dir) {
            fs::remove(dir + "/" + file);
            with(dir + "/" + file);
        };
    };
    auto text = [](std::string bytes) {
        return [=](const std::string& path) { std::ofstream(path, std::ios::binary) << bytes; };
    };
    std::array<std::string, kNameSlots> cities = supplied.CityNames, teams = supplied.TeamNames;
    cities[3] = "\x1b[2J" + cities[3];
    teams[7] += "\x07\x7f\x9b";
    const std::string controlNames = NamesText(cities, teams) + "\"Extra\"\r\n\"\x0c\"\r\n";
    auto pipe = [](const std::string& path) { ::mkfifo(path.c_str(), 0644); };
    auto folder = [](const std::string& path) { fs::create_directory(path); };
    const std::pair<const char*, std::function<void(const std::string&)>> folders[] = {
        {"intact", [](const std::string&) {}},
        {"empty", [](const std::string& d) { for (auto& e : fs::directory_iterator(d)) fs::remove(e.path()); }},
        {"statistics cut", replaced(kStatisticsFile, text("50\r\n60\r\n1\r\n"))},
        {"statistics garbage", replaced(kStatisticsFile, text(std::string("\0\xff\"\r,\n\x1b", 7)))},
        {"statistics a pipe", replaced(kStatisticsFile, pipe)},
        {"statistics a folder", replaced(kStatisticsFile, folder)},
        {"statistics two megabytes", replaced(kStatisticsFile, text(std::string(2u << 20, '1')))},
        {"schedule a pipe", replaced(kScheduleFile, pipe)},
        {"names a pipe", replaced(kNamesFile, pipe)},
        {"settings a pipe", replaced(kSettingsFile, pipe)},
        {"names cut short", replaced(kNamesFile, text("\"\x1b[31m\"\r\n\"\x07\"," + std::string(3000, '"') + "\r\n"))},
        {"names with control bytes and extra names", replaced(kNamesFile, text(controlNames))},
        {"schedule with control bytes", [](const std::string& d) {
             std::ifstream in(d + "/" + kScheduleFile, std::ios::binary);
             std::string bytes(std::istreambuf_iterator<char>(in), {}), damaged;
             for (char c : bytes) damaged += c == '\n' ? std::string("\x07\x1b]0;x\x85\n") : std::string(1, c);
             std::ofstream(d + "/" + kScheduleFile, std::ios::binary) << damaged;
         }},
        {"averages 1e39", figures([](NBA& n) { n.OffenseAve[7] = 1e39, n.PrevOffenseAve[8] = -1e39; })},
        {"averages 1e300", figures([](NBA& n) { n.OffenseAve[7] = 1e300, n.DefenseAve[7] = -1e300; })},
        {"13-digit averages", figures([](NBA& n) { n.OffenseAve[7] = 1234567890123.4; })},
        {"wins 5 losses -5", figures([](NBA& n) { n.Wins[7] = 5, n.Losses[7] = -5, n.Ties[7] = 0; })},
        {"counts at the 16-bit ends", figures([](NBA& n) { n.Wins[7] = -32768, n.Losses[9] = 32767; })},
        {"no games", figures([](NBA& n) { n.Wins.fill(0), n.Losses.fill(0), n.PrevWins.fill(0); })},
    };
    const std::vector<std::vector<std::string>> commands = {{"schedule", "first"},
                                                            {"schedule", "second", "--print"},
                                                            {"schedule", "month", "3"},
                                                            {"schedule", "team", "7", "all"},
                                                            {"standings"},
                                                            {"standings", "--print"},
                                                            {"ratings", "scoring"},
                                                            {"ratings", "percentage"},
                                                            {"ratings", "offense", "--previous"},
                                                            {"ratings", "defense"},
                                                            {"ratings", "switched", "--print"},
                                                            {"predict", "7", "8"},
                                                            {"block"},
                                                            {"forecast"}};
    for (const auto& [name, damage] : folders) {
        SCOPED_TRACE(name);
        char pattern[] = "/tmp/tavix-lists-test-XXXXXX";
        const std::string dir = ::mkdtemp(pattern);
        for (auto& e : fs::directory_iterator(kData))
            if (e.is_regular_file()) fs::copy_file(e.path(), dir + "/" + e.path().filename().string());
        damage(dir);
        NBA loaded;
        const bool loads = !LoadLeague(dir, dir + "/" + kSettingsFile, loaded).NeedsLoadingMessage();
        for (const auto& args : commands) {
            const ToolRun run = RunLists(dir, args);
            EXPECT_EQ(run.signal, 0) << ::testing::PrintToString(args);
            EXPECT_EQ(run.status, loads ? 0 : 1) << ::testing::PrintToString(args);
            EXPECT_LT(run.seconds, 1.0) << ::testing::PrintToString(args);
            for (char c : run.out) {
                const auto u = static_cast<unsigned char>(c);
                if ((u < 0x20 && c != '\n' && c != '\f') || (u >= 0x7f && u < 0xa0)) {
                    ADD_FAILURE() << "control byte " << int(u) << " in " << ::testing::PrintToString(args);
                    break;
                }
            }
            if (loads && (args[0] == "standings" || args[0] == "ratings")) {
                for (int t = 1; t <= kLeagueTeams; ++t)
                    EXPECT_NE(
                        run.out.find(args[0] == "standings" ? loaded.CityNames[t] : loaded.TeamNames[t]),
                        std::string::npos)
                        << t << ::testing::PrintToString(args);
            }
        }
        fs::remove_all(dir);
    }
}

}  // namespace
}  // namespace tavix
