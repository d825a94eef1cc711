// The schedule reader on any bytes, with the line counts of the supplied statistics file.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/data_files.h"
#include "core/safe_file.h"

namespace {

const tavix::NBA& WithSuppliedCounts() {
    static tavix::NBA nba = [] {
        tavix::NBA n;
        auto bytes = tavix::ReadWholeFile(std::string(TAVIX_SOURCE_DIR) + "/data/" + tavix::kStatisticsFile);
        if (!bytes || !tavix::ParseStatistics(*bytes, n)) {
            std::fprintf(stderr, "fuzz_schedule: the supplied statistics file did not load\n");
            std::abort();
        }
        return n;
    }();
    return nba;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static tavix::NBA nba;
    const tavix::NBA& counts = WithSuppliedCounts();
    nba.FirstHalfCount = counts.FirstHalfCount;
    nba.SecondHalfCount = counts.SecondHalfCount;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    tavix::FileProblems problems;
    if (tavix::ParseSchedule(bytes, nba, &problems) != problems.empty()) std::abort();
    // A line never keeps its line end, even in a damaged file.
    for (int i = 1; i <= nba.SecondHalfCount; ++i) {
        if (nba.SecondHalfSchedule[i].find_first_of("\r\n") != std::string::npos) std::abort();
    }
    return 0;
}
