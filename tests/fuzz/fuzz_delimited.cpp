// The delimited value reader on any bytes: no crash, and every number it accepts is written back
// by the writer as text that reads to the same bits.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/delimited.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks how the values are read, the rest is the file.
    const uint8_t mode = data[0];
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    tavix::DelimitedReader in(text);
    for (int step = 0; step < 4096 && !in.AtEnd(); ++step) {
        switch ((mode + step) % 3) {
            case 0: {
                auto value = in.Next();
                if (!value) return 0;
                tavix::DelimitedWriter out;
                out.Quoted(*value);
                // A read value holds no line end, so quoting it gives one line.
                if (value->find_first_of("\r\n") != std::string::npos) std::abort();
                break;
            }
            case 1: {
                auto value = tavix::ParsePlainNumber(in.Next().value_or(""));
                if (!value) break;
                tavix::DelimitedWriter out;
                out.Number(*value);
                auto again = tavix::ParsePlainNumber(tavix::DelimitedReader(out.Text()).Next().value_or(""));
                if (!again || std::memcmp(&*again, &*value, sizeof(double)) != 0) std::abort();
                break;
            }
            default: {
                auto value = tavix::ParsePlainSingle(in.Next().value_or(""));
                if (!value) break;
                tavix::DelimitedWriter out;
                out.Single(*value);
                auto again = tavix::ParsePlainSingle(tavix::DelimitedReader(out.Text()).Next().value_or(""));
                if (!again || std::memcmp(&*again, &*value, sizeof(float)) != 0) std::abort();
            }
        }
    }
    tavix::ParsePlainNumber(text.substr(0, 64));
    return 0;
}
