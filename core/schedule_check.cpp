#include "core/schedule_check.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "core/calendar.h"

namespace tavix {
namespace {

// A score follows the home city, which starts at column 17 at the latest; a dash earlier in the
// line is part of a remark.
constexpr size_t kEarliestScore = 17;
constexpr long kMostPoints = 250;

std::vector<std::string_view> Words(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        i = text.find_first_not_of(separators, i);
        if (i == std::string_view::npos) break;
        const size_t end = std::min(text.find_first_of(separators, i), text.size());
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool AllDigits(std::string_view text) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Letter by letter, without copies: every line of the schedule is tried as a day heading.
bool SameName(std::string_view word, std::string_view name) {
    if (word.size() != name.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (LowerChar(word[i]) != LowerChar(name[i])) return false;
    return true;
}

std::string DayHeadingProblem(std::string_view line) {
    // Most lines are games: a heading's first word names a weekday, so the rest waits for one.
    const size_t first = line.find_first_not_of(" ,");
    if (first == std::string_view::npos) return {};
    const std::string_view start = line.substr(first, line.find_first_of(" ,", first) - first);
    int weekday = -1, month = 0;
    for (int w = 0; w < 7; ++w)
        if (SameName(start, WeekdayName(w))) weekday = w;
    if (weekday < 0) return {};
    const auto words = Words(line, " ,");
    if (words.size() != 4 || !AllDigits(words[2]) || !AllDigits(words[3])) return {};
    for (int m = 1; m <= 12; ++m)
        if (SameName(words[1], MonthName(m))) month = m;
    if (month == 0) return {};
    const Date day{*ParseDigits(words[3].substr(0, 6)), month, *ParseDigits(words[2].substr(0, 6))};
    const std::string named =
        std::string(MonthName(month)) + " " + std::string(words[2]) + ", " + std::string(words[3]);
    if (!IsRealDay(day)) return "there is no day " + named;
    if (Weekday(day) != weekday)
        return named + " was a " + WeekdayName(Weekday(day)) + ", not a " + WeekdayName(weekday);
    return {};
}

// "OT", "2OT": the overtimes after a score.
bool IsOvertime(std::string_view word) {
    if (word.size() < 2 || ToUpper(word.substr(word.size() - 2)) != "OT") return false;
    return word.size() == 2 || AllDigits(word.substr(0, word.size() - 2));
}

std::string ScoreProblem(std::string_view line) {
    size_t end = line.find_last_not_of(' ');
    if (end == std::string_view::npos) return {};
    auto lastWord = [&](size_t& start) {
        start = line.find_last_of(' ', end);
        start = start == std::string_view::npos ? 0 : start + 1;
        return line.substr(start, end + 1 - start);
    };
    size_t start = 0;
    std::string_view word = lastWord(start);
    if (IsOvertime(word)) {
        if (start == 0 || (end = line.find_last_not_of(' ', start - 1)) == std::string_view::npos) return {};
        word = lastWord(start);
    }
    if (start < kEarliestScore) return {};
    // road-home, either side perhaps with a minus sign: "98-91", "-3-91", "98--3".
    const size_t dash = word.find('-', word.size() > 1 && word[0] == '-' ? 1 : 0);
    if (dash == std::string_view::npos) return {};
    std::string_view road = word.substr(0, dash), home = word.substr(dash + 1);
    auto unsigned_ = [](std::string_view& side) {
        const bool minus = !side.empty() && side[0] == '-';
        if (minus) side.remove_prefix(1);
        return minus;
    };
    const bool negative = unsigned_(road) | unsigned_(home);
    if (!AllDigits(road) || !AllDigits(home)) return {};
    long points[2] = {0, 0};
    std::from_chars(road.data(), road.data() + road.size(), points[0]);
    std::from_chars(home.data(), home.data() + home.size(), points[1]);
    const std::string score(word);
    if (negative) return "the score " + score + " holds a negative figure";
    if (points[0] > kMostPoints || points[1] > kMostPoints)
        return "the score " + score + " gives a side more than 250 points";
    if (points[0] == points[1]) return "the score " + score + " is a tie, and no game ends level";
    return {};
}

}  // namespace

std::string ScheduleLineProblem(std::string_view line) {
    std::string problem = DayHeadingProblem(line);
    return problem.empty() ? ScoreProblem(line) : problem;
}

}  // namespace tavix
