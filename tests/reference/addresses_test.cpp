#include "reference/addresses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

std::string Readable(std::string text) {
    std::replace(text.begin(), text.end(), '\xA0', ' ');
    return text;
}

// An empty line, the 29 clubs alphabetically with a " " separator between entries, an empty line.
// A second line of an entry is indented further, so it never reads as a separator or a new club.
// About 84 characters fit across A4 at 10 point, eight of them margin: a longer line may only end
// in a "not on file" note held together by hard blanks, so the printer wraps the note whole.
TEST(AddressList, ClubsInOrderSeparatedFramedAndFitForPaper) {
    const auto& clubs = ClubEntries();
    ASSERT_EQ(clubs.size(), 29u);
    EXPECT_TRUE(std::is_sorted(clubs.begin(), clubs.end(),
                               [](const auto& a, const auto& b) { return std::string(a.club) < b.club; }));
    const auto list = AddressList();
    ASSERT_EQ(list.size(), 70u);
    EXPECT_EQ(list.front() + list.back(), "");
    size_t pos = 1, continuations = 0;
    for (size_t c = 0; c < clubs.size(); ++c) {
        EXPECT_EQ(list[pos].rfind(std::string(" ") + clubs[c].club + ", ", 0), 0u) << list[pos];
        std::string entry = list[pos++];
        for (; list[pos].rfind("  ", 0) == 0; ++continuations) entry += list[pos++];
        EXPECT_NE(Readable(entry).find("not on file"), std::string::npos) << entry;
        if (c + 1 < clubs.size() && list[pos++] != " ")
            ADD_FAILURE() << "no separator after " << clubs[c].club;
    }
    EXPECT_EQ(pos, list.size() - 1);
    EXPECT_EQ(continuations, 11u);
    for (const auto& line : list) {
        const size_t semicolon = line.find(';');
        if (line.size() > 84 - 8) {
            EXPECT_TRUE(semicolon < 84 - 8 && line.find(' ', semicolon + 2) == std::string::npos) << line;
        }
    }
    EXPECT_EQ(Readable(list[1]), " Atlanta Hawks, Georgia Dome, Atlanta, GA; address, phone not on file");
    EXPECT_EQ(
        Readable(list[7] + list[8]),
        " Chicago Bulls, United Center, Chicago, IL;   street address and telephone number not on file");
}

// The arenas must agree with the 1998-99 season's records.
TEST(AddressList, ArenasAgreeWithTheSeasonRecords) {
    std::ifstream in(std::string(TAVIX_SOURCE_DIR) + "/data/sources/arenas-1998-99.csv");
    if (!in) GTEST_SKIP() << "arena records not present";
    std::map<std::string, std::string> arenaOf;
    std::string row, team, abbreviation, arena;
    for (std::getline(in, row); std::getline(in, row);) {  // after the heading
        std::stringstream fields(row);
        std::getline(std::getline(std::getline(fields, team, ','), abbreviation, ','), arena, ',');
        arenaOf[team] = arena.substr(0, arena.find(" ("));  // the list drops the records' " (II)"
    }
    const std::map<std::string, std::string> recordName = {
        {"New York Knickerbockers", "New York Knicks"},
        {"Portland Trial Blazers", "Portland Trail Blazers"},
        {"Seattle Supersonics", "Seattle SuperSonics"}};
    for (const auto& entry : ClubEntries()) {
        const auto it = recordName.find(entry.club);
        const std::string name = it == recordName.end() ? entry.club : it->second;
        ASSERT_TRUE(arenaOf.count(name)) << name;
        EXPECT_EQ(entry.arena, arenaOf[name]) << name;
    }
}

// The whole list always prints, whatever is selected, as two documents split at position 54.
TEST(AddressPrint, TwoDocumentsSplitAtFiftyFourWhateverIsSelected) {
    ListContents list{AddressList(), std::vector<bool>(70, false)};
    list.selected[3] = list.selected[9] = true;
    testing::RecordingPrinter printer;
    SendList(AddressPrintScheme(), list, "Courier New", printer);
    EXPECT_EQ(printer.documentsEnded, 2);
    const auto first = printer.Page(0, 0), second = printer.Page(1, 0);
    ASSERT_EQ(first.size(), 4u + 54u);
    EXPECT_EQ(first[2], "      NBA Team Addresses");
    EXPECT_EQ(first.back(), "        " + list.items[53]);
    ASSERT_EQ(second.size(), 5u + 16u);
    EXPECT_EQ(second[4], "");
    EXPECT_EQ(second[5], "        " + list.items[54]);
    EXPECT_EQ(printer.lines.back().size, 10);
}

}  // namespace
}  // namespace tavix
