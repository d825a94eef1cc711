#pragma once
// The beginner's texts of the rules window: one fixed sequence of list lines per topic.
// Each begins with its heading line and a line of one space; body lines begin with a space
// and a line of one space separates paragraphs.

#include <string>
#include <vector>

namespace tavix {

// The topics in the order of the topic panels' indexes; the court is drawn, not written.
enum class RulesTopic {
    TeamsAndScoring = 0,
    RoleOfOfficials = 1,
    OutOfBounds = 2,
    ShotClock = 3,
    TimeOuts = 4,
    Fouls = 5,
    Statistics = 6,
    TheCourt = 7,
};

constexpr int kRulesTopicCount = 8;
constexpr int kRulesTextTopicCount = 7;  // indexes 0..6 have text

// The lines of a text topic, in order; empty for the court and for an index that is no topic.
const std::vector<std::string>& RulesTopicLines(int topicIndex);

}  // namespace tavix
