#include "tools/lists/lists_command.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "core/data_files.h"
#include "predictions/prediction_record.h"
#include "statistics/season_results.h"
#include "tests/support/data_folders.h"
#include "tests/support/leagues.h"
#include "tests/support/lists_run.h"
#include "tools/datagen/csv.h"
#include "tools/datagen/league_files.h"
#include "tools/lists/record_writers.h"
#include "ui/main/schedule_views.h"

namespace tavix {
namespace {

using testing::TempFolder;
using RunResult = testing::ListsRun;

const std::string kData = testing::SuppliedDataDir();

RunResult Lists(std::vector<std::string> args) { return testing::RunLists(kData, std::move(args)); }

// March is the fifth month of the schedule's month views.
std::vector<std::string> MarchRecordLines(const NBA& n) {
    std::vector<std::string> lines;
    for (const RecordedGame& r : BuildPredictionRecord(n))
        if (r.game.date.month == 3) lines.push_back(RecordListLine(r));
    return lines;
}

// The record lists print what the record window's logic builds (the other lists are compared with
// the windows themselves).
TEST(ListsCommand, RecordListsMatchTheWindowsLogic) {
    NBA n = testing::SuppliedLeague();
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"record"}, RecordSummaryLines(BuildPredictionRecord(n))},
        {{"record", "--month", "5", "--games"}, MarchRecordLines(n)}};
    for (const auto& [args, lines] : cases) {
        RunResult r = Lists(args);
        std::string expected;
        for (const auto& l : lines) expected += l + "\n";
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, expected) << ::testing::PrintToString(args);
    }
}

// The real program as a script runs it: its exit, whether a signal ended it and what it wrote. One
// that has not ended after half a minute hangs (on a pipe, say) and is killed, however slow the
// machine. `env` sets NAME=value or, as "-NAME", unsets.
enum class Stdout { File, DevFull, Closed, ClosedPipe, ClosedPipeIgnoringSignal };
struct ToolRun {
    int status = -1;
    int signal = 0;
    std::string out, err;
};
ToolRun Spawn(std::vector<std::string> args, const std::string& cwd = "/", std::vector<std::string> env = {},
              Stdout to = Stdout::File) {
    const TempFolder files;
    args.insert(args.begin(), TAVIX_LISTS_TOOL);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {};
    ::close(pipeEnds[0]);  // nobody reads: the reader went away
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const std::string& e : env)
            e[0] == '-' ? ::unsetenv(e.c_str() + 1) : ::putenv(strdup(e.c_str()));
        const int out = to == Stdout::DevFull ? ::open("/dev/full", O_WRONLY)
                        : to == Stdout::File  ? ::open(files.File("out").c_str(), O_WRONLY | O_CREAT, 0644)
                                              : pipeEnds[1];
        ::dup2(out, 1);
        ::dup2(::open(files.File("err").c_str(), O_WRONLY | O_CREAT, 0644), 2);
        if (to == Stdout::Closed) ::close(1);
        if (to == Stdout::ClosedPipeIgnoringSignal) ::signal(SIGPIPE, SIG_IGN);
        if (::chdir(cwd.c_str()) == 0) ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    ToolRun run;
    int wstatus = 0;
    for (;;) {
        if (::waitpid(pid, &wstatus, WNOHANG) == pid) break;
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) ::kill(pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus)) run.signal = WTERMSIG(wstatus);
    for (auto [name, text] : {std::pair{"out", &run.out}, std::pair{"err", &run.err}}) {
        std::ifstream in(files.File(name), std::ios::binary);
        text->assign(std::istreambuf_iterator<char>(in), {});
    }
    return run;
}
ToolRun RunProgram(const std::string& folder, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", folder});
    return Spawn(args);
}

// A usage error ends the program with status 2 and one line saying what is wrong and what is
// allowed, then the hint; nothing is read and nothing goes to standard output.
TEST(ListsCommand, UsageErrorsSayWhatIsAllowed) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no command given\nTry 'tavix-lists --help'.\n"},
        {{"bogus"}, "unknown command: bogus\nTry 'tavix-lists --help'.\n"},
        {{"--bogus", "standings"}, "unknown option: --bogus\nTry 'tavix-lists --help'.\n"},
        {{"standings", "--bogus"}, "unknown option: --bogus\nTry 'tavix-lists standings --help'.\n"},
        {{"predict", "--", "--neutral"}, "a team number is 1 to 29, not --neutral\n"},
        {{"predict", "5", "5"}, "a team cannot play itself: road and home team are both 5\n"},
        {{"predict", "1"}, "missing home team\nTry 'tavix-lists predict --help'.\n"},
        {{"schedule", "team", "30", "all"}, "a team number is 1 to 29, not 30\n"},
        {{"schedule", "team", "3", "away"}, "a team's games are all, home or road, not away\n"},
        {{"schedule", "month", "7"}, "a month is 1 (November) to 6 (April / May), not 7\n"},
        {{"record", "--month", "0"}, "a month is 1 (November) to 6 (April / May), not 0\n"},
        {{"record", "--days"}, "unknown option: --days\n"},
        {{"ratings", "scoring", "extra"}, "unexpected argument: extra\n"},
        {{"block", "--lines", "9-3"}, "--lines takes A-B, two line numbers with 1 <= A <= B, not 9-3\n"},
        {{"block", "--lines", "1-5000"}, "the second-half schedule, not 1-5000\n"},
        {{"block", "--today", "1999-03-01"}, "--today takes a real day as MM-DD-YYYY"},
        {{"block", "--today", "02-31-1999"},
         "(month 01-12, a day of that month, year 0001 or later), not 02-31"},
        {{"block", "--today", "04-31-1999"}, ", not 04-31-1999\n"},
        {{"block", "--today", "02-05-0000"}, ", not 02-05-0000\n"},
        {{"--as-of", "1999-02-30", "standings"}, "--as-of takes a real day as YYYY-MM-DD"},
        {{"--as-of", "0000-02-05", "standings"}, ", not 0000-02-05\n"},
        {{"standings", "--as-of"}, "--as-of needs a date YYYY-MM-DD\n"},
        {{"--format", "xml", "standings"}, "--format takes csv or json, not xml\n"},
        {{"--format"}, "--format needs csv or json\n"},
        {{"--format", "csv", "--format", "json", "standings"},
         "--format was given twice, as csv and as json"},
        {{"--print", "--format", "csv", "standings"},
         "--print and --format exclude each other: choose one\n"},
        {{"--format=json", "--print", "standings"}, "--print and --format exclude each other"},
        {{"forecast", "--print"}, "the forecast window has no print command\n"},
        {{"record", "--format", "csv"}, "the record list holds no records for --format (see --help)\n"}};
    for (const auto& [args, message] : cases) {
        const ToolRun r = RunProgram(kData, args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.err.rfind("tavix-lists: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
        EXPECT_NE(r.err.find("\nTry 'tavix-lists "), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

// --help wins over every other word, a command's own help after it; neither reads the data.
TEST(ListsCommand, HelpAndVersionGoToStandardOutputWithoutReadingData) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--help"}, ListsHelp()},
        {{"-h"}, ListsHelp()},
        {{"--help", "--bogus"}, ListsHelp()},
        {{"--format", "xml", "-h"}, ListsHelp()},
        {{"standings", "--help"}, "usage: tavix-lists [OPTION]... standings\n"},
        {{"--bogus", "record", "-h"}, "usage: tavix-lists [OPTION]... record [--games] [--month N]\n"},
        {{"--version"}, "tavix-lists " TAVIX_VERSION "\n"},
        {{"-v"}, "tavix-lists " TAVIX_VERSION "\n"}};
    for (const auto& [args, expected] : cases) {
        const RunResult r = testing::RunLists("/nonexistent-tavix", args);
        EXPECT_EQ(r.status, 0) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out.rfind(expected, 0), 0u) << r.out;
        EXPECT_EQ(r.err, "");
    }
    EXPECT_NE(Lists({"record", "--help"}).out.find("output: text, --print, --format csv|json\n"),
              std::string::npos);
    EXPECT_EQ(Lists({"--", "standings"}).out, Lists({"standings"}).out);
}

// How the program meets the shell: a full disk and a closed standard output are errors, a reader
// that went away is not; text is UTF-8 whatever the files hold; without --data the data is found
// where the program keeps it, and each file that fails is named with its folder.
TEST(ListsProgram, MeetsTheShell) {
    const TempFolder home, empty, accented, damaged;
    const std::string userData = home.path + "/.local/share/Tavix/Tavix";
    std::filesystem::create_directories(userData);
    for (const std::string& folder : {userData, accented.path, damaged.path})
        testing::CopySuppliedData(folder);
    NBA n = testing::SuppliedLeague();
    n.CityNames[1] = "Montr\351al";
    std::ofstream(accented.File(kNamesFile), std::ios::binary) << NamesText(n.CityNames, n.TeamNames);
    std::filesystem::remove(damaged.File(kNamesFile));
    std::filesystem::rename(damaged.File(kStatisticsFile), damaged.File("tavixse.dat"));
    std::ofstream(damaged.File("tavixse.dat")) << "50\r\n";
    const std::vector<std::string> standings = {"--data", kData, "standings"},
                                   second = {"--data", kData, "schedule", "second"},
                                   accentedStandings = {"--data", accented.path, "standings"},
                                   verbose = {"--verbose", "standings"};
    const std::string full = "tavix-lists: write error: No space left on device\n",
                      perUser = "tavix-lists: reading " + userData + " (the per-user data folder)\n",
                      failures = "tavix-lists: " + damaged.File("tavixse.dat") +
                                 " is damaged: it could not be read completely\ntavix-lists: " +
                                 damaged.File(kNamesFile) + " is missing\n";
    const struct {
        std::vector<std::string> args, env;
        Stdout to;
        int status;            // minus the signal that ended it
        std::string out, err;  // out: a part of it; err: the whole of it
        std::string cwd = {};
    } cases[] = {{standings, {}, Stdout::DevFull, 1, "", full},
                 {{"--help", "--bogus"}, {}, Stdout::DevFull, 1, "", full},
                 {standings, {}, Stdout::Closed, 1, "", "tavix-lists: write error: Bad file descriptor\n"},
                 {second, {}, Stdout::ClosedPipe, -SIGPIPE, "", ""},
                 {second, {}, Stdout::ClosedPipeIgnoringSignal, 141, "", ""},
                 {accentedStandings, {"LC_ALL=C.UTF-8"}, Stdout::File, 0, "Montr\303\251al", ""},
                 {accentedStandings, {"LC_ALL=C"}, Stdout::File, 0, "Montr\303\251al", ""},
                 {verbose, {"HOME=" + home.path, "-XDG_DATA_HOME"}, Stdout::File, 0, "Atlantic", perUser},
                 {verbose, {"XDG_DATA_HOME=" + home.path + "/.local/share"}, Stdout::File, 0, "", perUser},
                 {{"standings"}, {"HOME=" + home.path}, Stdout::File, 1, "", failures, damaged.path}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ToolRun run = Spawn(c.args, c.cwd.empty() ? empty.path : c.cwd, c.env, c.to);
        EXPECT_EQ(c.status < 0 ? -run.signal : run.status, c.status);
        EXPECT_NE(run.out.find(c.out), std::string::npos);
        EXPECT_EQ(run.err, c.err);
    }
}

// ---- The lists as data: every --format output parsed and held against the text list ----

using Json = nlohmann::json;
using Row = std::map<std::string, Json>;

// RFC 4180 as a spreadsheet reads it: CRLF line ends throughout, quoted fields with doubled quotes,
// every record as wide as the header, which comes first.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            ADD_FAILURE() << "a line feed without a carriage return at " << i;
            break;
        }
    }
    EXPECT_TRUE(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) << "the last record ends";
    std::string error;
    const auto table = datagen::ParseCsv(text, error);
    EXPECT_TRUE(table) << error;
    if (!table) return {};
    std::vector<std::vector<std::string>> rows = {table->header};
    rows.insert(rows.end(), table->rows.begin(), table->rows.end());
    return rows;
}

// A JSON value as the CSV writes it: text as it is, nothing as an empty field.
std::string AsCsvCell(const Json& v) {
    if (v.is_null()) return "";
    if (v.is_string()) return v.get<std::string>();
    return v.dump();
}

// The CSV and the JSON of one command, required to hold the same records.
std::vector<Row> Records(const std::function<RunResult(std::vector<std::string>)>& run,
                         std::vector<std::string> args) {
    std::vector<std::string> csvArgs = {"--format", "csv"}, jsonArgs = {"--format=json"};
    csvArgs.insert(csvArgs.end(), args.begin(), args.end());
    jsonArgs.insert(jsonArgs.end(), args.begin(), args.end());
    const RunResult csv = run(csvArgs), json = run(jsonArgs);
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(json.status, 0) << json.err;
    const auto table = ReadCsv(csv.out);
    const Json array = Json::parse(json.out);  // throws, failing the test, on anything but UTF-8 JSON
    EXPECT_TRUE(array.is_array());
    EXPECT_FALSE(table.empty());
    if (table.empty() || !array.is_array()) return {};
    EXPECT_EQ(table.size(), array.size() + 1) << "a header row and one row per object";
    std::vector<Row> rows;
    for (size_t r = 0; r < array.size() && r + 1 < table.size(); ++r) {
        const Json& object = array[r];
        EXPECT_EQ(object.size(), table[0].size());
        Row row;
        for (size_t f = 0; f < table[0].size(); ++f) {
            const std::string& name = table[0][f];
            EXPECT_TRUE(object.contains(name)) << name;
            if (!object.contains(name)) continue;
            EXPECT_EQ(table[r + 1].at(f), AsCsvCell(object[name])) << name << " of record " << r;
            row[name] = object[name];
        }
        rows.push_back(row);
    }
    return rows;
}

// The figures of a text line: numbers with an optional sign; "83-100" reads as 83 and 100.
std::vector<double> NumbersIn(const std::string& text) {
    std::vector<double> numbers;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool sign = (text[i] == '-' || text[i] == '+') && (i == 0 || text[i - 1] == ' ') &&
                          i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]));
        if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) continue;
        char* end = nullptr;
        numbers.push_back(std::strtod(text.c_str() + i, &end));
        i = static_cast<size_t>(end - text.c_str()) - 1;
    }
    return numbers;
}

std::vector<double> Figures(const Row& row, std::initializer_list<const char*> names) {
    std::vector<double> figures;
    for (const char* n : names) {
        const Json& v = row.at(n);
        EXPECT_TRUE(v.is_number()) << n << " is " << v.dump();
        if (v.is_number()) figures.push_back(v.get<double>());
    }
    return figures;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// How a command's text list shows its records: which lines carry one, and what each must agree on.
struct TextCheck {
    std::function<bool(const std::string&)> carriesRecord;
    std::function<void(const std::string& line, const Row& record)> agrees;
};

std::string Utf8(const std::string& text) { return Latin1ToUtf8(text); }
// The text lists come out in UTF-8 but their columns are laid out in the files' Latin-1.
std::string Latin1(const std::string& utf8) { return datagen::ToLatin1(utf8).value_or("<not Latin-1>"); }

const TextCheck kStandingsCheck{
    [](const std::string& l) { return StartsWith(l, "     ") && l.size() > 5 && l[5] != ' '; },
    [](const std::string& l, const Row& r) {
        EXPECT_TRUE(StartsWith(r.at("name"), Utf8(Trimmed(l.substr(5, 16))))) << l;
        std::vector<double> expected = Figures(r, {"wins", "losses", "pct"});
        if (r.at("games_behind") != 0) expected.push_back(r.at("games_behind"));
        expected.push_back(r.at("margin"));
        EXPECT_EQ(NumbersIn(l.substr(21)), expected) << l;
        EXPECT_EQ(l.find(" -   ") != std::string::npos, r.at("games_behind") == 0) << l;
    }};

const TextCheck kRatingsCheck{
    [](const std::string& l) { return l.size() > 60 && l[0] == ' ' && l[1] != ' ' && l[1] != '-'; },
    [](const std::string& l, const Row& r) {
        EXPECT_TRUE(EndsWith(r.at("name"), Utf8(Trimmed(l.substr(0, 18))))) << l;
        EXPECT_EQ(NumbersIn(l.substr(18)),
                  Figures(r, {"wins", "losses", "pct", "offense", "defense", "margin"}))
            << l;
    }};

// A prediction line: road and home names, the favourite's nickname and margin (or a pick), the total.
const TextCheck kPredictionCheck{
    [](const std::string& l) { return l.size() >= 79; },
    [](const std::string& l, const Row& r) {
        const std::string road = r.at("road_name"), home = r.at("home_name");
        EXPECT_TRUE(StartsWith(Utf8(l), road)) << l;
        EXPECT_NE(Utf8(l).find((r.count("neutral") && r.at("neutral") == true ? " vs " : " at ") + home),
                  std::string::npos)
            << l;
        if (r.at("favourite_team").is_null()) {
            EXPECT_EQ(l.substr(53, 8), "--  Pick");
            EXPECT_EQ(r.at("margin"), 0);
            EXPECT_EQ(r.at("favourite_chance"), 0.5);
            EXPECT_EQ(NumbersIn(l.substr(61)), Figures(r, {"over_under"})) << l;
        } else {
            const Json favourite = r.at("favourite_team");
            EXPECT_TRUE(favourite == r.at("road_team") || favourite == r.at("home_team"));
            EXPECT_TRUE(EndsWith(r.at("favourite_name"), Utf8(Trimmed(l.substr(53, 14))))) << l;
            EXPECT_EQ(NumbersIn(l.substr(67)), Figures(r, {"margin", "over_under"})) << l;
            EXPECT_GT(r.at("favourite_chance"), 0.5) << l;
        }
    }};

// A team's line: its number and name, then its three chances in percent; a thousand seasons make
// every chance a whole tenth of a percent.
const TextCheck kOddsCheck{
    [](const std::string& l) { return l.size() > 1 && std::isdigit(static_cast<unsigned char>(l[1])); },
    [](const std::string& l, const Row& r) {
        EXPECT_TRUE(StartsWith(Utf8(l.substr(4)), r.at("name"))) << l;
        std::vector<double> shown = {r.at("team")};
        for (double f : Figures(r, {"playoff_chance", "conference_chance", "title_chance"}))
            shown.push_back(std::round(f * 1000) / 10);
        EXPECT_EQ(NumbersIn(l.substr(0, 4) + l.substr(34)), shown) << l;
    }};

// A game of the record: its date, the morning's prediction line, the final score and the pick's fate.
const TextCheck kRecordGameCheck{
    [](const std::string&) { return true; },
    [](const std::string& l, const Row& r) {
        const std::string date = r.at("date");
        EXPECT_EQ(l.substr(0, 10), date.substr(5, 2) + "-" + date.substr(8, 2) + "-" + date.substr(0, 4));
        const size_t pick = l.rfind(' '), score = l.rfind(' ', pick - 1);
        kPredictionCheck.agrees(l.substr(11, score - 11), r);
        EXPECT_EQ(NumbersIn(l.substr(score, pick - score)), Figures(r, {"road_score", "home_score"})) << l;
        EXPECT_EQ(l.substr(pick + 1), r.at("pick")) << l;
    }};

const TextCheck kForecastCheck{[](const std::string&) { return true; },
                               [](const std::string& l, const Row& r) {
                                   EXPECT_EQ(r.at("team").is_null(), l.empty());
                                   if (!l.empty()) {
                                       EXPECT_TRUE(StartsWith(r.at("name"), Utf8(l))) << l;
                                   }
                               }};

// A game line names both teams and, once played, the score with any overtimes after the home city.
const TextCheck kScheduleCheck{
    [](const std::string& l) { return l.find(" at ") != std::string::npos; },
    [](const std::string& l, const Row& r) {
        const std::string road = r.at("road_name"), home = r.at("home_name");
        const size_t at = l.find(" at ");
        EXPECT_TRUE(StartsWith(road, Utf8(Trimmed(l.substr(0, at))))) << l;
        const std::string rest = l.substr(at + 4);
        EXPECT_TRUE(StartsWith(home, Utf8(Trimmed(rest.substr(0, 13))))) << l;
        const std::vector<double> shown = NumbersIn(rest.size() > 13 ? rest.substr(13) : "");
        if (r.at("road_score").is_null()) {
            EXPECT_TRUE(shown.empty()) << l;
            EXPECT_TRUE(r.at("home_score").is_null() && r.at("overtimes").is_null());
            return;
        }
        std::vector<double> expected = Figures(r, {"road_score", "home_score"});
        if (r.at("overtimes") > 1) expected.push_back(r.at("overtimes"));
        EXPECT_EQ(shown, expected) << l;
        EXPECT_EQ(l.find("OT") != std::string::npos, r.at("overtimes") > 0) << l;
    }};

struct FormatCase {
    std::vector<std::string> args;
    const TextCheck* check;
};

const std::vector<FormatCase>& FormatCases() {
    static const std::vector<FormatCase> cases = [] {
        std::vector<FormatCase> c = {{{"standings"}, &kStandingsCheck},
                                     {{"ratings"}, &kRatingsCheck},
                                     {{"ratings", "switched"}, &kRatingsCheck},
                                     {{"ratings", "defense", "--previous"}, &kRatingsCheck},
                                     {{"predict", "5", "12"}, &kPredictionCheck},
                                     {{"predict", "22", "10", "--neutral"}, &kPredictionCheck},
                                     {{"block", "--today", "03-01-1999"}, &kPredictionCheck},
                                     {{"record", "--games"}, &kRecordGameCheck},
                                     {{"forecast"}, &kForecastCheck},
                                     {{"odds", "--simulations", "1000"}, &kOddsCheck},
                                     {{"schedule", "second"}, &kScheduleCheck},
                                     {{"schedule", "month", "4"}, &kScheduleCheck},
                                     {{"schedule", "team", "22", "all"}, &kScheduleCheck}};
        return c;
    }();
    return cases;
}

// Every record agrees with its text line, in order, and every line that shows one has one.
void CheckFormatsAgainstText(const std::function<RunResult(std::vector<std::string>)>& run) {
    for (const FormatCase& fc : FormatCases()) {
        SCOPED_TRACE(::testing::PrintToString(fc.args));
        const RunResult text = run(fc.args);
        ASSERT_EQ(text.status, 0) << text.err;
        std::vector<std::string> lines;
        for (const std::string& l : LinesOf(Latin1(text.out)))
            if (fc.check->carriesRecord(l)) lines.push_back(l);
        const std::vector<Row> records = Records(run, fc.args);
        ASSERT_EQ(records.size(), lines.size());
        ASSERT_FALSE(records.empty());
        for (size_t i = 0; i < records.size(); ++i) {
            const Row& r = records[i];
            for (const char* team : {"team", "road_team", "home_team"}) {
                if (!r.count(team) || r.at(team).is_null()) continue;
                EXPECT_TRUE(r.at(team).is_number_integer() && r.at(team) >= 1 && r.at(team) <= kLeagueTeams);
            }
            fc.check->agrees(lines[i], r);
        }
    }
}

TEST(ListsFormats, AgreeWithTheTextListsOnTheSuppliedData) {
    CheckFormatsAgainstText(Lists);
    // Figures the season is known by, as a reader of the data would look them up.
    const std::vector<Row> standings = Records(Lists, {"standings"});
    ASSERT_EQ(standings.size(), 29u);
    EXPECT_EQ(standings[0].at("name"), "Orlando Magic");
    EXPECT_EQ(standings[0].at("pct"), 0.66);
    EXPECT_EQ(standings[0].at("division"), "Atlantic");
    const std::vector<Row> games = Records(Lists, {"schedule", "second"});
    ASSERT_FALSE(games.empty());
    EXPECT_EQ(games[0].at("date"), "1999-02-05");
    EXPECT_EQ(games[0].at("road_name"), "Cleveland Cavaliers");
    EXPECT_EQ(games[0].at("road_score"), 83);
    EXPECT_EQ(games[0].at("home_score"), 100);
    EXPECT_EQ(games.size(), 29u * 50 / 2) << "the 50-game season of 1998-99";
}

// A league of its own: an accented city in the files' Latin-1, ties, a pick, overtimes and a game
// still to be played.
class MadeUpLeagueFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        NBA nba = testing::SmallLeague();
        nba.CityNames[22] =
            "Montr\xe9"
            "al";
        for (int t = 1; t <= kLeagueTeams; ++t) {
            nba.Wins[t] = static_cast<int16_t>(10 + (t * 7) % 23);
            nba.Losses[t] = static_cast<int16_t>(40 - nba.Wins[t]);
            nba.Ties[t] = static_cast<int16_t>(t % 5 == 0 ? 1 : 0);
            nba.OffenseAve[t] = 88 + (t * 13) % 17 * 0.73;
            nba.DefenseAve[t] = 86 + (t * 5) % 19 * 0.61;
            nba.PrevWins[t] = static_cast<int16_t>(20 + (t * 11) % 40);
            nba.PrevLosses[t] = static_cast<int16_t>(82 - nba.PrevWins[t]);
            nba.PrevOffenseAve[t] = 92 + (t * 3) % 11 * 0.87;
            nba.PrevDefenseAve[t] = 91 + (t * 7) % 13 * 0.8;
        }
        // Two clubs alike in every figure make a pick.
        nba.Wins[3] = nba.Wins[2], nba.Losses[3] = nba.Losses[2], nba.Ties[3] = nba.Ties[2];
        nba.OffenseAve[3] = nba.OffenseAve[2], nba.DefenseAve[3] = nba.DefenseAve[2];
        nba.UpdateMonth = 2, nba.UpdateDay = 8, nba.UpdateYear = 1999;
        const std::vector<std::string> schedule = {
            "Friday, February 5, 1999",
            "Boston       at Miami        99-101",
            "Montr\xe9"
            "al     at Chicago      88-90 OT",
            "New Jersey   at Miami        95-94",
            " ",
            "Sunday, February 7, 1999",
            "L. A.        at L.A.         100-98 2OT",
            "Seattle      at Montr\xe9"
            "al     101-77",
            " ",
            "Tuesday, February 9, 1999",
            "New York     at Boston",
            "Miami        at New Jersey",
        };
        nba.FirstHalfCount = 0;
        nba.SecondHalfCount = static_cast<int16_t>(schedule.size());
        nba.MonthStart[6] = 1;
        nba.MonthEnd[6] = nba.SecondHalfCount;
        Write(kStatisticsFile, StatisticsText(nba));
        Write(kNamesFile, NamesText(nba.CityNames, nba.TeamNames));
        Write(kSettingsFile, SettingsText("Courier New"));
        std::string lines;
        for (const auto& l : schedule) lines += l + "\r\n";
        Write(kScheduleFile, lines);
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_.File(name), std::ios::binary) << bytes;
    }
    RunResult Run(std::vector<std::string> args) const {
        return testing::RunLists(dir_.path, std::move(args));
    }
    TempFolder dir_;
};

TEST_F(MadeUpLeagueFiles, FormatsAgreeWithTheTextLists) {
    CheckFormatsAgainstText([this](std::vector<std::string> args) { return Run(std::move(args)); });

    const std::vector<Row> games = Records([this](auto args) { return Run(args); }, {"schedule", "second"});
    ASSERT_EQ(games.size(), 7u);
    const std::pair<size_t, Row> expected[] = {
        {1,
         {{"date", "1999-02-05"},
          {"road_name",
           "Montr\xc3\xa9"
           "al Grizzlies"},
          {"overtimes", 1}}},
        {3,
         {{"date", "1999-02-07"},
          {"road_name", "L. A. Lakers"},
          {"home_name", "L.A. Clippers"},
          {"overtimes", 2}}},
        {5, {{"date", "1999-02-09"}, {"home_team", 1}, {"road_score", nullptr}, {"overtimes", nullptr}}},
    };
    for (const auto& [index, fields] : expected)
        for (const auto& [name, value] : fields)
            EXPECT_EQ(games[index].at(name), value) << index << " " << name;

    const std::vector<Row> pick =
        Records([this](auto args) { return Run(args); }, {"predict", "2", "3", "--neutral"});
    ASSERT_EQ(pick.size(), 1u);
    EXPECT_TRUE(pick[0].at("favourite_team").is_null());
    EXPECT_EQ(pick[0].at("neutral"), true);
}

// Teams renamed in the names editor (city and nickname, a comma in a city, both Los Angeles teams
// spelt alike, a blank city) keep every game in every list, under their new names.
TEST(ListsCommand, RenamedTeamsKeepEveryGameInEveryList) {
    const TempFolder folder;
    testing::CopySuppliedData(folder.path);
    NBA nba = testing::SuppliedLeague();
    const std::vector<ScheduledGame> games = ScheduledGames(nba);
    auto run = [&](std::vector<std::string> args) { return testing::RunLists(folder.path, std::move(args)); };
    auto count = [](const std::string& text, const std::string& what) {  // lines holding `what`
        size_t n = 0;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) n += line.find(what) != std::string::npos;
        return n;
    };
    auto predicted = [&](const std::string& text) { return count(text, " by ") + count(text, "Pick"); };
    const auto blockBefore = run({"block", "--today", "05-05-1999"}).out;
    const struct {
        int team;
        const char* city;
        const char* nickname;
    } renames[] = {{22, "Memphis", "Blues"},
                   {1, "Boston, Mass.", "Celtics"},
                   {24, "L. A.", "Clippers"},
                   {29, "  ", "Storm"},
                   {16, "Dallas", "Stars"}};
    for (const auto& r : renames) nba.CityNames[r.team] = r.city, nba.TeamNames[r.team] = r.nickname;
    std::ofstream(JoinPath(folder.path, kNamesFile), std::ios::binary)
        << NamesText(nba.CityNames, nba.TeamNames);

    const std::string csv = run({"--format", "csv", "schedule", "second"}).out;
    const std::string record = run({"record", "--games"}).out;
    EXPECT_EQ(count(record, " "), 725u);
    for (const auto& r : renames) {
        const std::string name = FullName(nba, r.team);
        const size_t all = std::count_if(games.begin(), games.end(), [&](const ScheduledGame& g) {
            return g.road == r.team || g.home == r.team;
        });
        ASSERT_EQ(all, 50u) << name;
        const std::string shown = run({"schedule", "team", std::to_string(r.team), "all"}).out;
        EXPECT_EQ(count(shown, ""), 1 + 3 * all) << name;
        EXPECT_EQ(count(csv, "\"" + name + "\"") + count(csv, "," + name + ","), all) << name;
        EXPECT_EQ(count(record, name), all) << name;
    }
    // Every line that was a prediction still is one: no game passes through unpredicted.
    EXPECT_EQ(predicted(run({"block", "--today", "05-05-1999"}).out), predicted(blockBefore));
    EXPECT_GT(predicted(blockBefore), 200u);
}

TEST(RecordWriters, CsvQuotesWhatNeedsItAndBothFormatsCarryTheSameUtf8Text) {
    const std::string awkward[] = {"plain",
                                   "a, b",
                                   "say \"hi\"",
                                   "two\r\nlines",
                                   "",
                                   " blanks ",
                                   "Montr\xe9"
                                   "al"};
    RecordTable table{{"n", "text"}, {}};
    for (const auto& t : awkward) table.records.push_back({static_cast<long>(table.records.size()), t});
    table.records.push_back({RecordValue{}, 2.5});
    std::ostringstream csv, json;
    WriteCsv(table, csv);
    WriteJson(table, json);
    const auto rows = ReadCsv(csv.str());
    const Json array = Json::parse(json.str());
    ASSERT_EQ(rows.size(), std::size(awkward) + 2);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"n", "text"}));
    for (size_t i = 0; i < std::size(awkward); ++i) {
        const std::string utf8 = i + 1 == std::size(awkward) ? "Montr\xc3\xa9"
                                                               "al"
                                                             : awkward[i];
        EXPECT_EQ(rows[i + 1], (std::vector<std::string>{std::to_string(i), utf8}));
        EXPECT_EQ(array[i]["text"], utf8);
        EXPECT_EQ(array[i]["n"], i);
    }
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"", "2.5"}));
    EXPECT_TRUE(array.back()["n"].is_null());
    EXPECT_EQ(Latin1ToUtf8(std::string("\x80\xff", 2)), "\xc2\x80\xc3\xbf");
}

// Every command on damaged or odd data folders finishes with 0 or 1, never by a signal, and shows
// no control byte; where the figures load, however absurd, the standings and the ratings list every
// club. (Each kind of damage a file may have is the data-file tests'; one that stops the loading is
// enough here, as every command is refused alike.)
TEST(ListsCommand, EveryCommandFinishesOnEveryDamagedFolder) {
    namespace fs = std::filesystem;
    const NBA supplied = testing::SuppliedLeague();
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
    const std::pair<const char*, std::function<void(const std::string&)>> folders[] = {
        {"intact", [](const std::string&) {}},
        {"empty",
         [](const std::string& d) {
             for (auto& e : fs::directory_iterator(d)) fs::remove(e.path());
         }},
        {"statistics cut", replaced(kStatisticsFile, text("50\r\n60\r\n1\r\n"))},
        {"statistics a pipe", replaced(kStatisticsFile, pipe)},
        {"names with control bytes and extra names", replaced(kNamesFile, text(controlNames))},
        {"schedule with control bytes",
         [](const std::string& d) {
             std::ifstream in(d + "/" + kScheduleFile, std::ios::binary);
             std::string bytes(std::istreambuf_iterator<char>(in), {}), damaged;
             for (char c : bytes)
                 damaged += c == '\n' ? std::string("\x07\x1b]0;x\x85\n") : std::string(1, c);
             std::ofstream(d + "/" + kScheduleFile, std::ios::binary) << damaged;
         }},
        {"13-digit averages", figures([](NBA& n) { n.OffenseAve[7] = 1234567890123.4; })},
        {"wins 5 losses -5", figures([](NBA& n) { n.Wins[7] = 5, n.Losses[7] = -5, n.Ties[7] = 0; })},
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
        const TempFolder folder;
        const std::string& dir = folder.path;
        testing::CopySuppliedData(dir);
        damage(dir);
        NBA loaded;
        const bool loads = !LoadLeague(dir, dir + "/" + kSettingsFile, loaded).NeedsLoadingMessage();
        for (const auto& args : commands) {
            const ToolRun run = RunProgram(dir, args);
            EXPECT_EQ(run.signal, 0) << ::testing::PrintToString(args);
            EXPECT_EQ(run.status, loads ? 0 : 1) << ::testing::PrintToString(args);
            for (size_t i = 0; i < run.out.size(); ++i) {
                const auto u = static_cast<unsigned char>(run.out[i]);
                const bool c1 =
                    u == 0xc2 && i + 1 < run.out.size() && static_cast<unsigned char>(run.out[i + 1]) < 0xa0;
                if ((u < 0x20 && u != '\n' && u != '\f') || u == 0x7f || c1) {
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
    }
}

}  // namespace
}  // namespace tavix
