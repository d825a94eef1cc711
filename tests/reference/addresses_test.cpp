#include "reference/addresses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

struct ClubCase {
    const char* club;
    int lines;
};

// The clubs in list order, with the number of list lines of each entry.
const ClubCase kClubs[] = {
    {"Atlanta Hawks", 1},          {"Boston Celtics", 1},      {"Charlotte Hornets", 1},
    {"Chicago Bulls", 2},          {"Cleveland Cavaliers", 1}, {"Dallas Mavericks", 1},
    {"Denver Nuggets", 1},         {"Detroit Pistons", 2},     {"Golden State Warriors", 2},
    {"Houston Rockets", 1},        {"Indiana Pacers", 1},      {"Los Angeles Clippers", 2},
    {"Los Angeles Lakers", 1},     {"Miami Heat", 1},          {"Milwaukee Bucks", 1},
    {"Minnesota Timberwolves", 2}, {"New Jersey Nets", 1},     {"New York Knickerbockers", 1},
    {"Orlando Magic", 1},          {"Philadelphia 76ers", 2},  {"Phoenix Suns", 1},
    {"Portland Trial Blazers", 2}, {"Sacramento Kings", 1},    {"San Antonio Spurs", 2},
    {"Seattle Supersonics", 1},    {"Toronto Raptors", 2},     {"Utah Jazz", 1},
    {"Vancouver Grizzlies", 2},    {"Washington Wizards", 2},
};

TEST(AddressList, SeventyEntriesFramedByEmptyOnes) {
    auto list = AddressList();
    ASSERT_EQ(list.size(), 70u);
    EXPECT_EQ(list.front(), "");
    EXPECT_EQ(list.back(), "");
    EXPECT_EQ(list[1], ClubEntryLines(ClubEntries()[0])[0]);
}

TEST(AddressList, EachClubInOrderWithItsLinesAndASeparatorBetween) {
    auto list = AddressList();
    size_t pos = 1;
    for (size_t c = 0; c < std::size(kClubs); ++c) {
        SCOPED_TRACE(kClubs[c].club);
        ASSERT_LT(pos, list.size());
        // The first line: one blank, the club, a comma.
        EXPECT_EQ(list[pos].rfind(std::string(" ") + kClubs[c].club + ", ", 0), 0u) << list[pos];
        std::string entry = list[pos];
        for (int l = 1; l < kClubs[c].lines; ++l) {
            // A continuation line follows directly and is indented further; it is no separator.
            const std::string& next = list[pos + l];
            EXPECT_EQ(next.rfind("  ", 0), 0u) << next;
            EXPECT_GT(next.find_first_not_of(' '), 1u);
            entry += next;
        }
        std::replace(entry.begin(), entry.end(), '\xA0', ' ');
        EXPECT_NE(entry.find("not on file"), std::string::npos) << entry;
        pos += kClubs[c].lines;
        if (c + 1 < std::size(kClubs)) {
            EXPECT_EQ(list[pos], " ");
            ++pos;
        }
    }
    EXPECT_EQ(pos, list.size() - 1);
}

TEST(AddressList, TwoLineEntriesKeepTheirShape) {
    auto list = AddressList();
    EXPECT_EQ(std::count(list.begin(), list.end(), " "), 28);
    size_t continuation = 0;
    for (const auto& line : list) continuation += line.rfind("  ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(continuation, 11u);
    EXPECT_NE(std::find(list.begin(), list.end(), " Chicago Bulls, United Center, Chicago, IL;"), list.end());
}

// On paper (10 point, eight blanks of margin) about 84 characters fit across A4. An entry line
// may run longer only by a "not on file" note that is kept in one piece, so the printer's
// wrapping puts the whole note on the next line instead of splitting it.
TEST(AddressList, LinesFitThePaperOrWrapOnlyBeforeTheNote) {
    constexpr size_t kFitsOnPaper = 84 - 8;
    for (const auto& line : AddressList()) {
        SCOPED_TRACE(line);
        const size_t semicolon = line.find(';');
        const std::string head = line.substr(0, semicolon == std::string::npos ? line.size() : semicolon + 1);
        EXPECT_LE(head.size(), kFitsOnPaper);
        if (line.size() > kFitsOnPaper) {
            ASSERT_NE(semicolon, std::string::npos);
            const std::string note = line.substr(semicolon + 2);
            EXPECT_EQ(line[semicolon + 1], ' ');
            EXPECT_EQ(note.find(' '), std::string::npos) << "the note would be split";
            EXPECT_LE(note.size() + 11, kFitsOnPaper + 8);
        }
    }
}

// What an entry says, read with ordinary blanks: where the club plays, and that its office
// address and telephone number are not on file.
TEST(AddressList, EntriesReadAsPlainText) {
    auto readable = [](std::string text) {
        std::replace(text.begin(), text.end(), '\xA0', ' ');
        return text;
    };
    const std::vector<std::pair<size_t, std::string>> cases = {
        {1, " Atlanta Hawks, Georgia Dome, Atlanta, GA; address, phone not on file"},
        {7, " Chicago Bulls, United Center, Chicago, IL;"},
        {8, "   street address and telephone number not on file"},
        {38, " New Jersey Nets, Continental Airlines Arena, East Rutherford, NJ; address, phone not on file"},
        {64, " Vancouver Grizzlies, General Motors Place, Vancouver, BC;"},
        {67, " Washington Wizards, MCI Center, Washington, DC;"},
    };
    const auto list = AddressList();
    for (const auto& [pos, text] : cases) EXPECT_EQ(readable(list.at(pos)), text) << pos;
}

// The arenas come from the 1998-99 season's records; the list must agree with them.
TEST(AddressList, ArenasAgreeWithTheSeasonRecords) {
    std::ifstream in(std::string(TAVIX_SOURCE_DIR) + "/data/sources/arenas-1998-99.csv");
    if (!in) GTEST_SKIP() << "arena records not present";
    std::map<std::string, std::string> arenaOf;
    std::string row;
    std::getline(in, row);  // heading
    while (std::getline(in, row)) {
        std::stringstream fields(row);
        std::string team, abbreviation, arena;
        std::getline(fields, team, ',');
        std::getline(fields, abbreviation, ',');
        std::getline(fields, arena, ',');
        // The records tell apart buildings of the same name with " (II)"; the list does not.
        if (auto paren = arena.find(" ("); paren != std::string::npos) arena.erase(paren);
        arenaOf[team] = arena;
    }
    // The list writes three clubs as it always has.
    const std::map<std::string, std::string> recordName = {
        {"New York Knickerbockers", "New York Knicks"},
        {"Portland Trial Blazers", "Portland Trail Blazers"},
        {"Seattle Supersonics", "Seattle SuperSonics"}};
    for (const auto& entry : ClubEntries()) {
        std::string name = entry.club;
        if (auto it = recordName.find(name); it != recordName.end()) name = it->second;
        ASSERT_TRUE(arenaOf.count(name)) << name;
        EXPECT_EQ(entry.arena, arenaOf[name]) << name;
    }
}

TEST(AddressPrint, TwoDocumentsSplitAtPositionFiftyFour) {
    ListContents list{AddressList(), {}};
    testing::RecordingPrinter printer;
    SendList(AddressPrintSpec(), list, "Courier New", printer);

    EXPECT_EQ(printer.documentsEnded, 2);
    auto first = printer.Page(0, 0);
    ASSERT_EQ(first.size(), 4u + 54u);
    EXPECT_EQ(first[2], "      NBA Team Addresses");
    EXPECT_EQ(first[4], "        ");
    EXPECT_EQ(first[5], "        " + list.items[1]);
    EXPECT_EQ(first.back(), "        " + list.items[53]);
    auto second = printer.Page(1, 0);
    ASSERT_EQ(second.size(), 5u + 16u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(second[i], "");
    EXPECT_EQ(second[5], "        " + list.items[54]);
    EXPECT_EQ(second.back(), "        ");
    for (const auto& line : printer.lines) {
        if (line.text.find("Team Addresses") != std::string::npos) continue;
        if (line.document == 0 && &line - &printer.lines[0] < 4) continue;
        EXPECT_EQ(line.size, 10);
    }
}

TEST(AddressPrint, ASelectionNeverRestrictsThePrint) {
    ListContents list{AddressList(), std::vector<bool>(70, false)};
    list.selected[3] = list.selected[9] = true;
    testing::RecordingPrinter printer;
    SendList(AddressPrintSpec(), list, "", printer);
    EXPECT_EQ(printer.lines.size(), 4u + 70u + 5u);
}

}  // namespace
}  // namespace tavix
