// The statistics reader on any bytes: no crash, and a file it accepts is saved and read back to
// the same text.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tavix::NBA nba, again;
    nba = tavix::NBA{};
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!tavix::ParseStatistics(bytes, nba)) return 0;
    const std::string saved = tavix::StatisticsText(nba);
    again = tavix::NBA{};
    if (!tavix::ParseStatistics(saved, again)) std::abort();
    if (tavix::StatisticsText(again) != saved) std::abort();
    return 0;
}
