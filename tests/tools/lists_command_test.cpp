#include "tools/lists/lists_command.h"

#include <gtest/gtest.h>

#include <sstream>

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
                                         {"forecast", "--print"},
                                         {"--as-of", "1999-02-30", "standings"},
                                         {"standings", "--as-of"}}) {
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

}  // namespace
}  // namespace tavix
