// The manual pages stay with the programs: each names exactly the options the program's --help
// names, and tavix-lists(1) lists the very fields --format writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tools/lists/lists_command.h"

namespace tavix {
namespace {

std::string ManPage(const std::string& name) {
    std::ifstream in(std::string(TAVIX_SOURCE_DIR) + "/packaging/" + name);
    EXPECT_TRUE(in) << name;
    std::stringstream text;
    text << in.rdbuf();
    // As a reader sees it: roff's escaped hyphens are plain ones, the lines run on.
    std::string page = std::regex_replace(text.str(), std::regex(R"(\\-)"), "-");
    return std::regex_replace(page, std::regex("\n"), " ");
}

std::set<std::string> LongOptions(const std::string& text) {
    std::set<std::string> options;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

std::string ListsOutput(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), {"--data", std::string(TAVIX_SOURCE_DIR) + "/data"});
    EXPECT_EQ(RunListsCommand(args, out, err), 0) << err.str();
    return out.str();
}

TEST(ManPages, NameTheOptionsTheHelpNames) {
    std::vector<std::pair<std::string, std::string>> pages = {{"tavix-lists.1", ListsOutput({"--help"})}};
#ifdef TAVIX_PROGRAM
    std::string help;
    if (FILE* p = ::popen(TAVIX_PROGRAM " --help", "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) help.append(buffer, n);
        EXPECT_EQ(::pclose(p), 0);
    }
    EXPECT_NE(help.find("Usage: tavix"), std::string::npos) << help;
    pages.emplace_back("tavix.1", help);
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

}  // namespace
}  // namespace tavix
