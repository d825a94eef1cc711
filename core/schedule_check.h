#pragma once
// What a single schedule line shows to be impossible, told apart from what it merely does not
// say: readers of the schedule call it on each line and report what it finds.

#include <string>
#include <string_view>

namespace tavix {

// Empty for a sound line. Otherwise what is wrong: a day heading for a day the calendar does not
// have (February 30) or on another weekday than that day's, or a final score no game ends with (a
// side over 250 points, a tie, a negative score).
std::string ScheduleLineProblem(std::string_view line);

}  // namespace tavix
