#pragma once
// Where tavix-lists reads the league when no --data is given, and what it says when the files
// there cannot be read.

#include <string>
#include <vector>

#include "core/data_files.h"

namespace tavix {

struct DataLocation {
    std::string folder;               // empty when no folder tried holds a data file
    std::string why;                  // which of the places it is, for --verbose
    std::vector<std::string> looked;  // every folder tried, in order
};

// Where the program reads: the current folder when it holds any data file, else the per-user
// data folder when it does, else the supplied data installed with the program.
DataLocation DefaultDataLocation();

// One line for each data file that failed to load, naming the folder and the file and saying
// whether it is missing, unreadable or damaged.
std::vector<std::string> LoadFailures(const std::string& folder, const LoadReport& report);

}  // namespace tavix
