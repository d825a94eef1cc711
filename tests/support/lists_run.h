#pragma once
// tavix-lists run in-process on a data folder, as a script would call it.

#include <sstream>
#include <string>
#include <vector>

#include "tools/lists/lists_command.h"

namespace tavix::testing {

struct ListsRun {
    int status;
    std::string out, err;
};

inline ListsRun RunLists(const std::string& dataDir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dataDir});
    std::ostringstream out, err;
    const int status = RunListsCommand(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace tavix::testing
