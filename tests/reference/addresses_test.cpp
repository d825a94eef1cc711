#include "reference/addresses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "core/data_files.h"
#include "tests/support/data_folders.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"

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

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A fan who meets a club or an arena in one window or printout must meet it spelt the same way in
// every other: each name shown is one of the season tables' names, and those carry no note of the
// site they were taken from (such as its "(IV)" for the fourth Madison Square Garden).
TEST(ShownNames, ClubsAndArenasAreTheSeasonTablesNames) {
    std::set<std::string> clubs, arenas, cities, nicknames;
    for (const auto& r : testing::SourceTable("teams-1998-99.csv").rows) {
        ASSERT_EQ(r.size(), 4u);
        clubs.insert(r[0]), cities.insert(r[2]), nicknames.insert(r[3]);
    }
    for (const auto& r : testing::SourceTable("arenas-1998-99.csv").rows) {
        ASSERT_GE(r.size(), 3u);
        EXPECT_TRUE(clubs.count(r[0])) << r[0];
        arenas.insert(r[2]);
    }
    ASSERT_EQ(clubs.size(), 29u);
    ASSERT_EQ(arenas.size(), 29u);
    for (const auto& names : {clubs, arenas})
        for (const auto& name : names) EXPECT_EQ(name.find('('), std::string::npos) << name;
    std::set<std::string> upperClubs;
    for (const auto& club : clubs) upperClubs.insert(Upper(club));

    // Where each window or printout shows a name, and which names it may be.
    struct Shown {
        const char* where;
        std::string name;
        const std::set<std::string>& allowed;
    };
    std::vector<Shown> shown;
    for (const auto& entry : ClubEntries()) {
        shown.push_back({"addresses: club", entry.club, clubs});
        shown.push_back({"addresses: arena", entry.arena, arenas});
    }
    std::ifstream roster(std::string(TAVIX_SOURCE_DIR) + "/data/Tavixro.dat");
    ASSERT_TRUE(roster);
    for (std::string line; std::getline(roster, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("Arena:", 0) == 0) shown.push_back({"rosters: arena", line.substr(16), arenas});
        if (line.find(" Division, ") != std::string::npos)  // "BOSTON CELTICS    Atlantic Division, ..."
            shown.push_back({"rosters: club", line.substr(0, line.find("  ")), upperClubs});
    }
    const NBA nba = testing::SuppliedLeague();
    for (int t = 1; t <= nba.TeamCount; ++t) {
        shown.push_back({"names: city", nba.CityNames[t], cities});
        shown.push_back({"names: nickname", nba.TeamNames[t], nicknames});
    }
    ASSERT_EQ(shown.size(), 3u * 2u * 29u);  // three places, two names for each club
    for (const auto& s : shown) EXPECT_TRUE(s.allowed.count(s.name)) << s.where << ": \"" << s.name << '"';
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
    EXPECT_TRUE(printer.keepsPagesWhole);  // each document is one sheet, never spilling onto another
}

// The print command asks once, prints, and ends the job once, however many documents it made, so
// the printer can report it in one message.
TEST(AddressPrint, OneJobEndedOnceAfterBothDocuments) {
    const std::pair<Answer, int> cases[] = {{Answer::Ok, 1}, {Answer::Cancel, 0}};
    for (const auto& [answer, jobsEnded] : cases) {
        testing::ScriptedDialogs dialogs;
        dialogs.answers.push_back(answer);
        testing::RecordingPrinterProvider printers;
        PrintList(AddressPrintScheme(), {AddressList(), {}}, "Courier New", dialogs, printers);
        const int ended = printers.jobs.empty() ? 0 : printers.Last().jobsEnded;
        EXPECT_EQ(ended, jobsEnded);
        if (jobsEnded) {
            EXPECT_EQ(printers.Last().documentsEnded, 2);
        }
    }
}

}  // namespace
}  // namespace tavix
