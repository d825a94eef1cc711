#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>

#include "reference/reading_list.h"
#include "reference/rules_text.h"

namespace tavix {
namespace {

// Four blocks joined by CR LF, an empty line between them, no break after the last line; the
// message box stays readable, and nothing unknown (prices, phone or order numbers) is invented.
TEST(ReadingText, FourBlocksOfShortLinesWithNothingInvented) {
    const std::string text = ReadingText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 19);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 19);
    EXPECT_NE(text.find("or write...\r\n\r\n    "), std::string::npos);
    EXPECT_NE(text.back(), '\n');
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 65u) << line;  // 64 + CR
    EXPECT_EQ(text.find('$'), std::string::npos);
    EXPECT_FALSE(std::regex_search(text, std::regex(R"(\d{3}[-. )]\d{3,4}|\d-\d{2,}-\d)")));
    EXPECT_NE(text.find("not on file"), std::string::npos);
}

std::string Joined(RulesTopic topic) {  // the body as one text, words rejoined across lines
    std::string all;
    for (const auto& line : RulesTopicLines(static_cast<int>(topic)))
        for (char c : line + " ")
            if (c != ' ' || (!all.empty() && all.back() != ' ')) all += c;
    return all;
}

// Each topic: its heading, then paragraphs of plain text that fit the list, one " " between them.
TEST(RulesTopicLines, HeadingThenParagraphsThatFitTheList) {
    const std::tuple<RulesTopic, const char*, size_t> topics[] = {
        {RulesTopic::TeamsAndScoring, " Teams & Scoring...", 45},
        {RulesTopic::RoleOfOfficials, " Role of the Officials...", 33},
        {RulesTopic::OutOfBounds, " Out of Bounds...", 25},
        {RulesTopic::ShotClock, " 24 Second Clock...", 15},
        {RulesTopic::TimeOuts, " Time-outs...", 16},
        {RulesTopic::Fouls, " Fouls...", 45},
        {RulesTopic::Statistics, " Statistics...", 26}};
    for (const auto& [topic, heading, count] : topics) {
        const auto& lines = RulesTopicLines(static_cast<int>(topic));
        ASSERT_EQ(lines.size(), count) << heading;
        EXPECT_EQ(lines[0], heading);
        EXPECT_EQ(lines[1], " ");
        for (size_t i = 2; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            auto blank = [](const std::string& l) { return l.find_first_not_of(' ') == std::string::npos; };
            EXPECT_TRUE(line.size() <= 80 && (blank(line) || (line[0] == ' ' && line.back() != ' '))) << line;
            for (char c : line) EXPECT_TRUE(c >= ' ' && c <= '~') << line;
            EXPECT_FALSE(blank(line) && (blank(lines[i - 1]) || i + 1 == lines.size())) << heading << i;
        }
    }
    for (int index : {static_cast<int>(RulesTopic::TheCourt), -1, 8})
        EXPECT_TRUE(RulesTopicLines(index).empty()) << index;
}

// A slip in one of the measures or limits a beginner relies on would teach a wrong rule.
TEST(RulesTopicLines, StatesTheSeasonsMeasuresAndLimits) {
    const std::pair<RulesTopic, const char*> facts[] = {
        {RulesTopic::TeamsAndScoring, "four quarters of 12 minutes"},
        {RulesTopic::TeamsAndScoring, "22 feet from the basket in the corners and 23 feet 9 inches"},
        {RulesTopic::ShotClock, "within 24 seconds"},
        {RulesTopic::TimeOuts, "one 20-second time-out in each half"},
        {RulesTopic::TimeOuts, "7 regular time-outs of 100 seconds for the four quarters"},
        {RulesTopic::TimeOuts,
         "at most 4 of them in the fourth quarter and at most 3 in its last two minutes"},
        {RulesTopic::TimeOuts, "Each overtime period gave each team 3 more regular time-outs"},
        {RulesTopic::TimeOuts, "two time-outs: if none is called before 6:59"},
        {RulesTopic::TimeOuts, "before 2:59"},
        // The numbers come from texts of the following season; the topic must not pass them off
        // as confirmed for 1998-99.
        {RulesTopic::TimeOuts, "not found to confirm them"},
        {RulesTopic::Fouls, "sixth personal foul"},
        {RulesTopic::Fouls, "fourth team foul in a quarter"}};
    for (const auto& [topic, words] : facts) EXPECT_NE(Joined(topic).find(words), std::string::npos) << words;
}

}  // namespace
}  // namespace tavix
