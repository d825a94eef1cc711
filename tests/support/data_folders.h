#pragma once
// The folders tests read and write data files in, and a way to make writing them fail.

#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tools/datagen/csv.h"

namespace tavix::testing {

// A fresh folder below /tmp for one test, removed with everything in it when the test ends.
struct TempFolder {
    std::string path;
    TempFolder() {
        char pattern[] = "/tmp/tavix-test-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const { return JoinPath(path, name); }
};

// The folder holding the supplied data files of the source tree.
inline std::string SuppliedDataDir() { return std::string(TAVIX_SOURCE_DIR) + "/data"; }

// The league as the supplied data files hold it; files that do not load fail the test.
inline NBA SuppliedLeague() {
    NBA nba;
    if (LoadLeague(SuppliedDataDir(), "/nonexistent/TVX.ini", nba).NeedsLoadingMessage())
        throw std::runtime_error("the supplied data files do not load");
    return nba;
}

// A table of data/sources, the heading row apart; a table that cannot be read fails the test.
inline datagen::CsvTable SourceTable(const std::string& file) {
    std::string error;
    auto table = datagen::LoadCsv(SuppliedDataDir() + "/sources/" + file, {}, error);
    if (!table) throw std::runtime_error(file + ": " + error);
    return *table;
}

// Copies the supplied data files into `folder`, writable, replacing any there.
inline void CopySuppliedData(const std::string& folder) {
    namespace fs = std::filesystem;
    for (const char* name : {kStatisticsFile, kScheduleFile, kNamesFile, kRosterFile}) {
        const std::string target = JoinPath(folder, name);
        fs::copy_file(JoinPath(SuppliedDataDir(), name), target, fs::copy_options::overwrite_existing);
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    }
}

// While alive, files this process writes may not grow beyond `bytes`: the one way to make a write
// fail that also stops root (the file writer ignores SIGXFSZ, so the write fails, not the process).
struct FileSizeLimit {
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &before); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};

}  // namespace tavix::testing
