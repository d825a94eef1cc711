#pragma once
// The team rosters list: the lines of the roster text file as the window shows them, and how
// the list is printed.

#include <string>
#include <string_view>
#include <vector>

#include "core/print_list.h"

namespace tavix {
struct ScheduleModel;
}

namespace tavix {

// One list line per line of the file, each behind one added space. A line ends at CR LF, LF or a
// lone CR; a last line without a line break still counts, an empty file gives no lines.
std::vector<std::string> RosterListLines(std::string_view fileBytes);

// The list for the roster file in `dataDir`; a file that cannot be read gives an empty list.
std::vector<std::string> ReadRosterList(const std::string& dataDir);

// The roster file's lines and, when it shows damage a reader can see (UTF-16 text, lines ending
// CR CR LF), one message naming the file, the line and what is wrong; empty when it reads cleanly.
// What is sound is shown: UTF-16 text as the text it stands for, CR CR LF as one line break.
struct RosterFile {
    std::vector<std::string> lines;
    std::string problem;
};
RosterFile ReadRosterFile(const std::string& dataDir);
RosterFile RosterFileOf(const std::string& path, std::string_view bytes);

// The list as it stood on the evening whose scores `evening` holds: each team's head coaches are
// those who had taken charge by then, each with his record in the games he had coached so far. The
// file gives every coach's season record in the order they led the team, so a coach's games are the
// team's next W+L games; the teams stand in team-number order. A coach not yet hired is left out;
// a team whose coach lines do not read that way is shown as the file has it.
std::vector<std::string> RostersAsOf(std::vector<std::string> lines, const ScheduleModel& evening);

// The print values: 18-point header, 9-point body behind five blanks, a new page every 65
// covered lines, and a selection of two or more lines printing only those.
PrintScheme RosterPrintScheme();

}  // namespace tavix
