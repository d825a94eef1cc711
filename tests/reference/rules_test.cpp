#include "reference/rules_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tavix {
namespace {

struct TopicCase {
    RulesTopic topic;
    const char* heading;
    size_t lines;
};

class RulesTopicTest : public ::testing::TestWithParam<TopicCase> {};

TEST_P(RulesTopicTest, BeginsWithItsHeadingAndHasItsLength) {
    const auto& lines = RulesTopicLines(static_cast<int>(GetParam().topic));
    ASSERT_EQ(lines.size(), GetParam().lines);
    EXPECT_EQ(lines[0], GetParam().heading);
    EXPECT_EQ(lines[1], " ");
}

TEST_P(RulesTopicTest, LinesFitTheListAndReadAsParagraphs) {
    const auto& lines = RulesTopicLines(static_cast<int>(GetParam().topic));
    bool previousEmpty = true;  // the line after the heading separates it from the body
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        SCOPED_TRACE("line " + std::to_string(i) + ": \"" + line + "\"");
        EXPECT_LE(line.size(), 80u);
        if (!line.empty()) {
            EXPECT_EQ(line[0], ' ');
        }
        EXPECT_TRUE(line.empty() || line.back() != ' ' || line == " ") << "trailing blank";
        for (char c : line) EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain text: " << int(c);
        const bool empty = line.find_first_not_of(' ') == std::string::npos;
        if (i > 1) {
            EXPECT_FALSE(empty && previousEmpty) << "two separators in a row";
        }
        previousEmpty = empty;
    }
    EXPECT_FALSE(previousEmpty) << "ends with a separator";
}

INSTANTIATE_TEST_SUITE_P(Topics, RulesTopicTest,
                         ::testing::Values(TopicCase{RulesTopic::TeamsAndScoring, " Teams & Scoring...", 45},
                                           TopicCase{RulesTopic::RoleOfOfficials, " Role of the Officials...",
                                                     33},
                                           TopicCase{RulesTopic::OutOfBounds, " Out of Bounds...", 25},
                                           TopicCase{RulesTopic::ShotClock, " 24 Second Clock...", 15},
                                           TopicCase{RulesTopic::TimeOuts, " Time-outs...", 16},
                                           TopicCase{RulesTopic::Fouls, " Fouls...", 45},
                                           TopicCase{RulesTopic::Statistics, " Statistics...", 26}));

TEST(RulesTopicLines, TheCourtAndUnknownIndexesHaveNoText) {
    for (int index : {static_cast<int>(RulesTopic::TheCourt), -1, 8, 100})
        EXPECT_TRUE(RulesTopicLines(index).empty()) << index;
}

// Distances a beginner will check against a court: a slip in one of them would teach a wrong rule.
TEST(RulesTopicLines, StatesTheSeasonsMeasuresAndLimits) {
    auto contains = [](RulesTopic topic, const std::string& words) {
        std::string all;
        for (const auto& line : RulesTopicLines(static_cast<int>(topic))) all += line + "\n";
        // Words may wrap onto the next line.
        std::string joined;
        for (char c : all) {
            if (c == '\n') c = ' ';
            if (c == ' ' && !joined.empty() && joined.back() == ' ') continue;
            joined += c;
        }
        return joined.find(words) != std::string::npos;
    };
    EXPECT_TRUE(contains(RulesTopic::TeamsAndScoring, "four quarters of 12 minutes"));
    EXPECT_TRUE(contains(RulesTopic::TeamsAndScoring, "five-minute overtime"));
    EXPECT_TRUE(
        contains(RulesTopic::TeamsAndScoring, "22 feet from the basket in the corners and 23 feet 9 inches"));
    EXPECT_TRUE(contains(RulesTopic::ShotClock, "within 24 seconds"));
    EXPECT_TRUE(contains(RulesTopic::TimeOuts, "one 20-second time-out in each half"));
    EXPECT_TRUE(contains(RulesTopic::Fouls, "sixth personal foul"));
    EXPECT_TRUE(contains(RulesTopic::Fouls, "fourth team foul in a quarter"));
    EXPECT_TRUE(contains(RulesTopic::Statistics, "Info button"));
}

}  // namespace
}  // namespace tavix
