#include "reference/names_editor.h"

#include <gtest/gtest.h>

#include "core/data_files.h"
#include "tests/support/data_folders.h"

namespace tavix {
namespace {

NameArray Numbered(const std::string& stem) {
    NameArray names{};
    for (int t = 1; t <= kLeagueTeams; ++t) names[t] = stem + std::to_string(t);
    return names;
}

// Commas, blanks at either end, an empty name and a name longer than a box allows all come back
// exactly, in the league and from the file: every name is quoted.
TEST(StoreEditedNames, TheLeagueAndTheFileGetTheNamesAsTyped) {
    testing::TempFolder dir;
    NameArray cities = Numbered("City "), teams = Numbered("Team ");
    cities[1] = "Washington, D.C.";
    cities[2] = "  L. A.  ";
    teams[3] = "";
    cities[15] = "ABCDEFGHIJKLMNO";
    NBA nba, reread;
    ASSERT_TRUE(StoreEditedNames(dir.path, nba, cities, teams).ok);
    const auto bytes = ReadWholeFile(dir.File(kNamesFile));
    ASSERT_TRUE(bytes && ParseNames(*bytes, reread));
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(nba.CityNames[t], cities[t]) << t;
        EXPECT_EQ(nba.TeamNames[t], teams[t]) << t;
        EXPECT_EQ(reread.CityNames[t], cities[t]) << t;
        EXPECT_EQ(reread.TeamNames[t], teams[t]) << t;
    }
    EXPECT_EQ(bytes->rfind("\"Washington, D.C.\"\r\n", 0), 0u);  // cities first, one a line
}

// A box takes twelve characters, or more for a longer name already on file, so opening and saving
// never cuts a name; the file cannot carry a double quote or a line break.
TEST(NameBoxes, LimitAndCharactersTheFileCanCarry) {
    const std::pair<const char*, int> limits[] = {{"", 12}, {"ABCDEFGHIJKL", 12}, {"ABCDEFGHIJKLM", 13}};
    for (const auto& [name, limit] : limits) EXPECT_EQ(NameBoxLimit(name), limit) << name;
    for (const char* ok : {"Washington, D.C.", "O'Neal's", "Montr\xe9"}) EXPECT_TRUE(NameFitsFile(ok)) << ok;
    for (const char* bad :
         {"The \"Jazz\"", "two\r\nlines", "line\n", "tab\tbed", "esc\x1b[2J", "del\x7f", "c1\x85"})
        EXPECT_FALSE(NameFitsFile(bad)) << bad;
}

}  // namespace
}  // namespace tavix
