// The manual pages stay with the programs: each names exactly the options the program's --help
// names, and tavix-lists(1) lists the very fields --format writes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tests/support/data_folders.h"
#include "tests/support/lists_run.h"

namespace tavix {
namespace {

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(TAVIX_SOURCE_DIR) + "/" + path);
    EXPECT_TRUE(in) << path;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ManPage(const std::string& name) {
    // As a reader sees it: roff's escaped hyphens are plain ones, the lines run on.
    std::string page = std::regex_replace(SourceFile("packaging/" + name), std::regex(R"(\\-)"), "-");
    return std::regex_replace(page, std::regex("\n"), " ");
}

std::set<std::string> LongOptions(const std::string& text) {
    std::set<std::string> options;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

struct ProgramRun {
    int status;
    std::string out;
};

#ifdef TAVIX_PROGRAM
ProgramRun Program(const std::string& args, const std::string& env = "") {
    ProgramRun r{-1, ""};
    if (FILE* p = ::popen((env + " " TAVIX_PROGRAM " " + args + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) r.out.append(buffer, n);
        const int status = ::pclose(p);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return r;
}
#endif

std::string ListsOutput(std::vector<std::string> args) {
    const testing::ListsRun run = testing::RunLists(testing::SuppliedDataDir(), std::move(args));
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

TEST(ManPages, NameTheOptionsTheHelpNames) {
    std::vector<std::pair<std::string, std::string>> pages = {{"tavix-lists.1", ListsOutput({"--help"})}};
#ifdef TAVIX_PROGRAM
    const ProgramRun help = Program("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: tavix"), std::string::npos) << help.out;
    pages.emplace_back("tavix.1", help.out);
#endif
    for (const auto& [page, help] : pages) {
        const std::set<std::string> inHelp = LongOptions(help);
        EXPECT_GE(inHelp.size(), 2u) << page;
        EXPECT_EQ(LongOptions(ManPage(page)), inHelp) << page;
    }
}

TEST(ManPages, ListTheFieldsOfEveryFormattedList) {
    const std::string page = ManPage("tavix-lists.1");
    const std::vector<std::string> commands[] = {{"standings"}, {"ratings"},  {"predict", "1", "2"},
                                                 {"block"},     {"forecast"}, {"schedule", "second"}};
    for (const auto& args : commands) {
        std::vector<std::string> csv = {"--format", "csv"};
        csv.insert(csv.end(), args.begin(), args.end());
        const std::string out = ListsOutput(csv);
        const std::string header = std::regex_replace(out.substr(0, out.find("\r\n")), std::regex(","), ", ");
        EXPECT_NE(page.find(".B " + args[0] + " " + header + " "), std::string::npos)
            << args[0] << " writes: " << header;
    }
}

// The manual pages, the software-centre entry and the package's changelog name the version the
// programs report.
TEST(ManPages, CarryTheProgramsVersion) {
    const std::pair<std::string, std::string> cases[] = {
        {"packaging/tavix.1", "\"Tavix " TAVIX_VERSION "\""},
        {"packaging/tavix-lists.1", "\"Tavix " TAVIX_VERSION "\""},
        {"packaging/invalid.tavix.tavix.metainfo.xml", "<release version=\"" TAVIX_VERSION "\""},
        {"debian/changelog", "tavix (" TAVIX_VERSION ")"}};
    for (const auto& [file, mention] : cases)
        EXPECT_NE(SourceFile(file).find(mention), std::string::npos) << file;
}

#ifdef TAVIX_PROGRAM
// The program answers its command line without opening a window: a display is not even needed.
TEST(ProgramCommandLine, HelpVersionAndUnknownOptions) {
    const struct {
        const char* args;
        int status;
        const char* starts;
    } cases[] = {
        {"--version", 0, "tavix " TAVIX_VERSION "\n"},
        {"-v", 0, "tavix " TAVIX_VERSION "\n"},
        {"-h", 0, "Usage: tavix [options]"},
        {"--no-such-option", 2, "tavix: Unknown option 'no-such-option'.\nUsage: tavix [options]"},
        {"stray", 2, "tavix: unexpected argument: stray\nUsage: tavix [options]"},
        {"-platform", 2, "tavix: Missing value after '-platform'."},
    };
    for (const auto& c : cases) {
        const ProgramRun r = Program(std::string("-platform none-such ") + c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out.rfind(c.starts, 0), 0u) << c.args << ": " << r.out;
    }
    // Without a display, or with one that cannot be opened: one line and status 1, not Qt's abort.
    for (const char* env : {"env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM",
                            "env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=/nonexistent/x:7"}) {
        const ProgramRun r = Program("", env);
        EXPECT_EQ(r.status, 1) << env;
        EXPECT_EQ(r.out.rfind("tavix: cannot open a display: ", 0), 0u) << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
}
#endif

}  // namespace
}  // namespace tavix
