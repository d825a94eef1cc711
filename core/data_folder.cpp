#include "core/data_folder.h"

#include <sys/stat.h>

#include <cstdlib>

#include "core/data_files.h"
#include "core/safe_file.h"

namespace tavix {

bool HoldsDataFiles(const std::string& folder) {
    for (const char* name : {kStatisticsFile, kScheduleFile, kNamesFile, kRosterFile}) {
        struct stat st {};
        if (::lstat(FindFileIgnoringCase(folder, name).c_str(), &st) == 0) return true;
    }
    return false;
}

std::string UserDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return JoinPath(JoinPath(xdg, "Tavix"), "Tavix");
    const char* home = std::getenv("HOME");
    if (!home || !*home) return std::string();
    return JoinPath(JoinPath(JoinPath(home, ".local/share"), "Tavix"), "Tavix");
}

}  // namespace tavix
