// tavix-data: makes the program's data files from the season tables in data/sources.
//   tavix-data --sources data/sources --out data [--as-of YYYY-MM-DD]
// With --as-of the statistics are those after the games of that day, and the schedule shows the
// scores up to that day only.

#include <cstdio>
#include <cstring>
#include <string>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tools/datagen/league_files.h"
#include "tools/datagen/season.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: tavix-data --sources DIR --out DIR [--as-of YYYY-MM-DD]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavix;
    using namespace tavix::datagen;
    std::string sourcesDir, outDir;
    std::optional<Date> asOf;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        std::string value = argv[++i];
        if (arg == "--sources") {
            sourcesDir = value;
        } else if (arg == "--out") {
            outDir = value;
        } else if (arg == "--as-of") {
            asOf = ParseIsoDate(value);
            if (!asOf) {
                std::fprintf(stderr, "tavix-data: \"%s\" is not a date YYYY-MM-DD\n", value.c_str());
                return 2;
            }
        } else {
            return Usage();
        }
    }
    if (sourcesDir.empty() || outDir.empty()) return Usage();

    Sources sources;
    std::string error;
    if (!LoadSources(sourcesDir, sources, error)) {
        std::fprintf(stderr, "tavix-data: %s\n", error.c_str());
        return 1;
    }
    GeneratedFiles files;
    if (!GenerateFiles(sources, asOf, files, error)) {
        std::fprintf(stderr, "tavix-data: %s\n", error.c_str());
        return 1;
    }
    const std::pair<const char*, const std::string*> outputs[] = {{kStatisticsFile, &files.statistics},
                                                                  {kScheduleFile, &files.schedule},
                                                                  {kNamesFile, &files.names},
                                                                  {kRosterFile, &files.rosters}};
    for (const auto& [name, bytes] : outputs) {
        std::string path = JoinPath(outDir, name);
        WriteResult result = WriteFileSafely(path, *bytes);
        if (!result.ok) {
            std::fprintf(stderr, "tavix-data: cannot write %s\n", result.error.c_str());
            return 1;
        }
        std::printf("wrote %s (%zu bytes)\n", path.c_str(), bytes->size());
    }
    return 0;
}
