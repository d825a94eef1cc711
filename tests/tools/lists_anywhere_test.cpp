// Every list reads the same in every locale, and absurd figures in every field of every file give
// lists rather than undefined conversions (the sanitizer build watches every one of them).

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "core/number_format.h"
#include "core/safe_file.h"
#include "tests/support/data_folders.h"
#include "tests/support/lists_run.h"

namespace tavix {
namespace {

const std::string kCorpus = std::string(TAVIX_SOURCE_DIR) + "/tests/fuzz/corpus";

// Each list of the companion in each of its forms; a form a list does not have is a usage error.
std::vector<std::vector<std::string>> EveryListRun() {
    const std::vector<std::vector<std::string>> lists = {{"schedule", "first"},
                                                         {"schedule", "second"},
                                                         {"schedule", "month", "5"},
                                                         {"schedule", "team", "24", "all"},
                                                         {"standings"},
                                                         {"ratings"},
                                                         {"ratings", "offense", "--previous"},
                                                         {"ratings", "switched"},
                                                         {"predict", "24", "25"},
                                                         {"predict", "5", "12", "--neutral"},
                                                         {"block"},
                                                         {"forecast"},
                                                         {"record"},
                                                         {"record", "--games"}};
    std::vector<std::vector<std::string>> runs;
    for (const auto& form :
         std::vector<std::vector<std::string>>{{}, {"--print"}, {"--format", "csv"}, {"--format", "json"}}) {
        for (auto run : lists) {
            run.insert(run.begin(), form.begin(), form.end());
            runs.push_back(run);
        }
    }
    return runs;
}

// What the logic writes of a data folder: every list, and the statistics file saved again.
std::vector<std::string> Outputs(const std::string& dir) {
    std::vector<std::string> outputs;
    for (const auto& run : EveryListRun()) {
        const auto result = testing::RunLists(dir, run);
        outputs.push_back(std::to_string(result.status) + result.out + result.err);
    }
    NBA nba;
    LoadLeague(dir, JoinPath(dir, kSettingsFile), nba);
    outputs.push_back(StatisticsText(nba));
    outputs.push_back(FormatPicture(LeadingNumber(" 101.5 pts"), "##0.0") + PlainNumber(2.5));
    return outputs;
}

TEST(EveryLocale, ListsAndFilesReadTheSameAsInTheCLocale) {
    const std::vector<std::string> folders = {testing::SuppliedDataDir(), kCorpus + "/huge"};
    std::setlocale(LC_ALL, "C");
    std::vector<std::vector<std::string>> expected;
    for (const auto& dir : folders) expected.push_back(Outputs(dir));
    // Comma decimals, and the dotless i that turns "I" to lower case differently.
    for (const char* locale : {"de_DE.UTF-8", "tr_TR.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << locale << " is not installed (localedef -i " << std::string(locale, 5) << " -f UTF-8 "
            << locale << ")";
        for (size_t f = 0; f < folders.size(); ++f) {
            const auto outputs = Outputs(folders[f]);
            for (size_t i = 0; i < outputs.size(); ++i)
                EXPECT_EQ(outputs[i], expected[f][i]) << locale << " " << folders[f] << " output " << i;
        }
    }
    std::setlocale(LC_ALL, "C");
}

TEST(AbsurdFigures, EveryListOverEveryFaultCorpusFolder) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus)) {
        const std::string dir = entry.path().string();
        NBA nba;
        const LoadReport report = LoadLeague(dir, JoinPath(dir, kSettingsFile), nba);
        // Absurd, yet no damage: the lists must cope with whatever a sound file can hold.
        EXPECT_FALSE(report.NeedsLoadingMessage()) << LoadingMessage(report);
        auto runs = EveryListRun();
        runs.push_back({"--as-of", "1999-03-01", "standings"});
        for (const auto& run : runs) {
            const auto result = testing::RunLists(dir, run);
            EXPECT_TRUE(result.status == 0 || (result.status == 2 && run[0] == "--print"))
                << dir << " " << run.back() << ": " << result.err;
        }
    }
}

}  // namespace
}  // namespace tavix
