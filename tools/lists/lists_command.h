#pragma once
// tavix-lists: prints the lines the windows put in their lists, or what their print commands send
// to the printer, for scripts and checks.

#include <ostream>
#include <string>
#include <vector>

namespace tavix {

// Exit statuses: 0 done, 1 a data file failed to load, 2 bad arguments. Text lists go out in the
// user's character set, CSV and JSON in UTF-8.
int RunListsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The whole --help: usage, every command, the options and the exit statuses.
std::string ListsHelp();

}  // namespace tavix
