#include "tools/lists/lists_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/data_files.h"
#include "predictions/block_predictions.h"
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

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    return text;
}

NBA Supplied() {
    NBA nba;
    LoadLeague(kData, kData + "/TVX.ini", nba);
    return nba;
}

struct ListCase {
    const char* name;
    std::vector<std::string> args;
    std::function<std::vector<std::string>(NBA&)> expected;
};

class ListsMatchTheWindowsLogic : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListsMatchTheWindowsLogic, LineForLine) {
    NBA nba = Supplied();
    RunResult r = Lists(GetParam().args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Joined(GetParam().expected(nba)));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ListsMatchTheWindowsLogic,
    ::testing::Values(
        ListCase{"first", {"schedule", "first"}, [](NBA& n) { return FirstHalfLines(n); }},
        ListCase{"second", {"schedule", "second"}, [](NBA& n) { return SecondHalfLines(n); }},
        ListCase{"april", {"schedule", "month", "6"}, [](NBA& n) { return MonthLines(n, 5); }},
        ListCase{"road",
                 {"schedule", "team", "25", "road"},
                 [](NBA& n) { return TeamScheduleLines(n, 25, TeamScheduleMode::Road); }},
        ListCase{"standings", {"standings"}, [](NBA& n) { return BuildStandings(n, SeasonView::Current); }},
        ListCase{"defense_previous",
                 {"ratings", "defense", "--previous"},
                 [](NBA& n) {
                     return BuildRatingsView(n, RatingsOrder::Defense, SeasonView::Previous,
                                             RatingsRebuild::Option);
                 }},
        ListCase{"switched",
                 {"ratings", "switched"},
                 [](NBA& n) {
                     return BuildRatingsView(n, RatingsOrder::Scoring, SeasonView::Previous,
                                             RatingsRebuild::SeasonSwitch);
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListsCommand, BadArgumentsGiveUsageAndStatus2) {
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
}

TEST(ListsCommand, MissingDataGivesTheLoadingMessageAndStatus1) {
    std::ostringstream out, err;
    EXPECT_EQ(RunListsCommand({"--data", "/nonexistent-tavix", "standings"}, out, err), 1);
    EXPECT_NE(err.str().find("Cannot Load file TavixSC.dat or TavixSE.dat."), std::string::npos);
}

TEST(ListsCommand, BlockWithAFixedDateRepeatsAndEndsWithThatDate) {
    RunResult a = Lists({"block", "--lines", "1-40", "--today", "03-01-1999"});
    RunResult b = Lists({"block", "--lines", "1-40", "--today", "03-01-1999"});
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
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
