// The rosters reader on any bytes: no crash, every line starts with its added blank and carries
// no line end or other control character into the list.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "reference/rosters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = tavix::RosterListLines(bytes);
    if (lines.size() > bytes.size()) std::abort();
    for (const std::string& line : lines) {
        if (line.empty() || line[0] != ' ') std::abort();
        for (char c : line) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 0x20 || (u >= 0x7f && u < 0xa0)) std::abort();
        }
    }
    return 0;
}
