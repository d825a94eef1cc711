#include "reference/names_editor.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <random>

#include "core/data_files.h"

namespace tavix {
namespace {

namespace fs = std::filesystem;

class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("tavix-names-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, ec);
        fs::remove_all(path_, ec);
    }
    std::string Str() const { return path_.string(); }

  private:
    fs::path path_;
};

NameArray Numbered(const std::string& stem) {
    NameArray names{};
    for (int t = 1; t <= kLeagueTeams; ++t) names[t] = stem + std::to_string(t);
    return names;
}

TEST(StoreEditedNames, WritesBothColumnsAndTheLeagueReadsThemBackAsTyped) {
    TempDir dir;
    NameArray cities = Numbered("City ");
    NameArray teams = Numbered("Team ");
    // Commas, blanks at either end, an empty name and a name longer than a box allows must all
    // come back exactly: every name is quoted in the file.
    cities[1] = "Washington, D.C.";
    cities[2] = "  L. A.  ";
    teams[3] = "";
    teams[29] = "Trail Blazers, Inc";
    cities[15] = "ABCDEFGHIJKLMNO";

    NBA nba;
    ASSERT_TRUE(StoreEditedNames(dir.Str(), nba, cities, teams).ok);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(nba.CityNames[t], cities[t]) << t;
        EXPECT_EQ(nba.TeamNames[t], teams[t]) << t;
    }

    NBA reread;
    auto bytes = ReadWholeFile(JoinPath(dir.Str(), kNamesFile));
    ASSERT_TRUE(bytes.has_value());
    ASSERT_TRUE(ParseNames(*bytes, reread));
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(reread.CityNames[t], cities[t]) << t;
        EXPECT_EQ(reread.TeamNames[t], teams[t]) << t;
    }
    // 29 cities first, then 29 nicknames, one quoted value a line.
    EXPECT_EQ(bytes->rfind("\"Washington, D.C.\"\r\n", 0), 0u);
}

TEST(StoreEditedNames, AFailedWriteLeavesTheLeagueAndTheOldFileAlone) {
    TempDir dir;
    NBA nba;
    nba.CityNames = Numbered("Old ");
    nba.TeamNames = Numbered("Older ");
    ASSERT_TRUE(StoreEditedNames(dir.Str(), nba, nba.CityNames, nba.TeamNames).ok);
    const auto before = ReadWholeFile(JoinPath(dir.Str(), kNamesFile));

    // A folder that does not exist cannot take the file.
    WriteResult missing =
        StoreEditedNames(dir.Str() + "/not-there", nba, Numbered("New "), Numbered("Newer "));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(nba.CityNames[1], "Old 1");
    EXPECT_EQ(nba.TeamNames[29], "Older 29");

    // A write-protected folder neither, and the old file stays as it was.
    if (::geteuid() != 0) {
        fs::permissions(dir.Str(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(StoreEditedNames(dir.Str(), nba, Numbered("New "), Numbered("Newer ")).ok);
        fs::permissions(dir.Str(), fs::perms::owner_all);
        EXPECT_EQ(nba.CityNames[1], "Old 1");
        EXPECT_EQ(ReadWholeFile(JoinPath(dir.Str(), kNamesFile)), before);
    }
}

struct LimitCase {
    std::string name;
    int limit;
};

class NameBoxLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(NameBoxLimitTest, NeverCutsANameTheFileAlreadyHolds) {
    EXPECT_EQ(NameBoxLimit(GetParam().name), GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Names, NameBoxLimitTest,
                         ::testing::Values(LimitCase{"", 12}, LimitCase{"Boston", 12},
                                           LimitCase{"ABCDEFGHIJKL", 12}, LimitCase{"ABCDEFGHIJKLM", 13},
                                           LimitCase{"Minnesota Timberwolves", 22}));

TEST(NameFitsFile, RefusesOnlyWhatTheQuotedFileCannotCarry) {
    for (const char* ok : {"", "New York", "Washington, D.C.", "76ers", "O'Neal's",
                           "Montr\xe9"
                           "al"})
        EXPECT_TRUE(NameFitsFile(ok)) << ok;
    for (const char* bad : {"The \"Jazz\"", "\"", "two\r\nlines", "line\n"})
        EXPECT_FALSE(NameFitsFile(bad)) << bad;
}

}  // namespace
}  // namespace tavix
