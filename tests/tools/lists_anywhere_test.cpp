// Every list reads the same in every locale, and absurd figures in every field of every file give
// lists rather than undefined conversions (the sanitizer build watches every one of them).

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tests/support/data_folders.h"
#include "tests/support/lists_run.h"

namespace tavix {
namespace {

const std::string kCorpus = std::string(TAVIX_SOURCE_DIR) + "/tests/fuzz/corpus";

// Each list in each of its forms (a form a list does not have is a usage error), and last the
// statistics file as a save writes it after a load.
std::vector<std::string> Outputs(const std::string& dir) {
    const std::vector<std::vector<std::string>> lists = {{"schedule", "second"},
                                                         {"schedule", "team", "24", "all"},
                                                         {"standings"},
                                                         {"ratings", "offense", "--previous"},
                                                         {"ratings", "switched"},
                                                         {"predict", "5", "12", "--neutral"},
                                                         {"block"},
                                                         {"forecast"},
                                                         {"record", "--games"},
                                                         {"--as-of", "1999-03-01", "record"}};
    std::vector<std::string> outputs;
    for (const char* form : {"", "--print", "csv", "json"}) {
        for (auto run : lists) {
            if (*form == '-') run.insert(run.begin(), form);
            if (*form && *form != '-') run.insert(run.begin(), {"--format", form});
            const auto result = testing::RunLists(dir, run);
            // What a conversion out of range gives on this machine, where it is not caught.
            EXPECT_EQ(result.out.find("-9223372036854775808"), std::string::npos) << dir << " " << run.back();
            EXPECT_TRUE(result.status == 0 || (*form && result.status == 2))
                << dir << " " << run.back() << result.err;
            outputs.push_back(std::to_string(result.status) + result.out + result.err);
        }
    }
    NBA nba;
    const LoadReport report = LoadLeague(dir, JoinPath(dir, kSettingsFile), nba);
    EXPECT_FALSE(report.NeedsLoadingMessage()) << LoadingMessage(report);  // absurd, yet sound
    outputs.push_back(StatisticsText(nba));
    return outputs;
}

TEST(EveryLocale, ListsAndFilesReadTheSameAsInTheCLocale) {
    const std::vector<std::string> folders = {testing::SuppliedDataDir(), kCorpus + "/huge"};
    std::setlocale(LC_ALL, "C");
    std::vector<std::vector<std::string>> expected;
    for (const auto& dir : folders) expected.push_back(Outputs(dir));
    // Comma decimals, and the dotless i that turns "I" to lower case differently.
    for (const char* locale : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale << " is not installed (localedef)";
        for (size_t f = 0; f < folders.size(); ++f) EXPECT_EQ(Outputs(folders[f]), expected[f]) << locale;
    }
    std::setlocale(LC_ALL, "C");
}

TEST(AbsurdFigures, EveryListOverEveryFaultCorpusFolder) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus))
        if (entry.is_directory()) Outputs(entry.path().string());
}

}  // namespace
}  // namespace tavix
