#include "tools/lists/data_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "core/data_folder.h"
#include "core/safe_file.h"

namespace tavix {
namespace {

std::string CurrentFolder() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

// The supplied data beside the program (../share/tavix/data from its bin folder), wherever it was
// installed, else where the build installs it.
std::string SuppliedDataFolder() {
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        std::string dir(exe, static_cast<size_t>(n));
        dir = dir.substr(0, dir.rfind('/'));
        char beside[PATH_MAX];
        if (::realpath((dir + "/../share/tavix/data").c_str(), beside) && HoldsDataFiles(beside))
            return beside;
    }
    return TAVIX_INSTALLED_DATA_DIR;
}

std::string Problem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? "is missing" : std::strerror(errno);
    if (!S_ISREG(st.st_mode)) return "is not a regular file";
    if (!std::ifstream(path, std::ios::binary))
        return std::string("cannot be opened: ") + std::strerror(errno);
    return "is damaged: it could not be read completely";
}

}  // namespace

DataLocation DefaultDataLocation() {
    const std::pair<std::string, const char*> places[] = {
        {CurrentFolder(), "the current folder holds data files"},
        {UserDataFolder(), "the per-user data folder"},
        {SuppliedDataFolder(), "the supplied data"}};
    DataLocation location;
    for (const auto& [folder, why] : places) {
        if (folder.empty()) continue;
        location.looked.push_back(folder);
        if (HoldsDataFiles(folder)) {
            location.folder = folder;
            location.why = why;
            break;
        }
    }
    return location;
}

std::vector<std::string> LoadFailures(const std::string& folder, const LoadReport& report) {
    std::vector<std::string> lines;
    auto failed = [&](const char* name) {
        const std::string path = DataFilePath(folder, name);
        lines.push_back(path + " " + Problem(path));
    };
    if (!report.statisticsOk) failed(kStatisticsFile);
    // The schedule is read with the statistics' counts: after a failed statistics file it fails
    // too, and only its absence is news.
    if (!report.scheduleOk &&
        (report.statisticsOk || ::access(DataFilePath(folder, kScheduleFile).c_str(), F_OK) != 0))
        failed(kScheduleFile);
    if (!report.namesOk) failed(kNamesFile);
    return lines;
}

}  // namespace tavix
