// The names reader on any bytes: no crash, and names it accepts survive the names writer unless
// they hold a quote, which the file format cannot carry.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tavix::NBA nba, again;
    nba = tavix::NBA{};
    std::string bytes(reinterpret_cast<const char*>(data), size);
    tavix::FileProblems problems;
    const bool whole = tavix::ParseNames(bytes, nba, &problems);
    if (whole != problems.empty()) std::abort();  // a file is whole exactly when nothing was wrong
    if (!whole) return 0;
    for (int n = 1; n <= tavix::kLeagueTeams; ++n) {
        if (nba.CityNames[n].find('"') != std::string::npos ||
            nba.TeamNames[n].find('"') != std::string::npos)
            return 0;
    }
    again = tavix::NBA{};
    if (!tavix::ParseNames(tavix::NamesText(nba.CityNames, nba.TeamNames), again)) std::abort();
    if (again.CityNames != nba.CityNames || again.TeamNames != nba.TeamNames) std::abort();
    return 0;
}
