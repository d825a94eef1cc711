#include "reference/rosters.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "core/schedule_model.h"
#include "tests/support/recording_printer.h"

namespace tavix {
namespace {

using Lines = std::vector<std::string>;

// One blank before each line of the file, whatever its line breaks; empty lines and blanks kept,
// tabs set out as blanks and other control characters shown as question marks.
TEST(RosterListLines, OneBlankThenTheLineOfTheFile) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"Hawks\r\nCeltics\r\n", {" Hawks", " Celtics"}},
        {"A\r\n\r\nB\nC\rD", {" A", " ", " B", " C", " D"}},
        {"   12 Smith  \r\n\tTab\n", {"    12 Smith  ", "         Tab"}},
        {"Bell\x07\x1b[2J\x85\x7f\f", {" Bell??[2J???"}},
        {"Mont\xe9\x61l\r\n", {" Mont\xe9\x61l"}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(RosterListLines(bytes), lines) << bytes;
}

// What a reader can see is wrong is said once, naming the file and the line, and what is sound is
// shown.
TEST(RosterFile, DamageIsNamedAndWhatIsSoundShown) {
    const std::string utf16("\xff\xfeH\0a\0w\0k\0s\0\r\0\n\0", 16);
    const std::tuple<std::string, Lines, std::string> cases[] = {
        {"Hawks\r\nCeltics\r\n", {" Hawks", " Celtics"}, ""},
        {utf16, {" Hawks"}, "R.dat: the file is UTF-16"},
        {"Hawks\r\r\nCeltics\r\r\n", {" Hawks", " Celtics"}, "R.dat, line 1: the line ends with CR CR LF"},
    };
    for (const auto& [bytes, lines, problem] : cases) {
        const RosterFile file = RosterFileOf("R.dat", bytes);
        EXPECT_EQ(file.lines, lines);
        EXPECT_EQ(file.problem.substr(0, problem.size()), problem);
        EXPECT_EQ(file.problem.empty(), problem.empty());
    }
}

// A replayed evening shows each team's coaches hired by then, each with his record in the games he
// had coached; the team is its block's place in the file, and lines that are no coach's stay.
TEST(RostersAsOf, CoachesHiredByTheEveningWithTheirRecordSoFar) {
    auto coach = [](std::string label, std::string name, std::string record) {
        return " " + PaddedTo(label, 16) + PaddedTo(name, 30) + std::string(5 - record.size(), ' ') + record;
    };
    const std::string rule = " " + std::string(75, '=');
    const Lines file = {rule,
                        " HAWKS",
                        rule,
                        coach("Head coach:", "Ann Lee", "1-0"),
                        " ",
                        rule,
                        " CELTICS",
                        rule,
                        coach("Head coaches:", "Bo Day", "1-1"),
                        coach("", "Cy Fox", "1-0"),
                        " Executive:      Cy Fox"};
    // Team 2 wins, loses, wins; team 1 wins its only game on the third day.
    const std::tuple<int, Lines> cases[] = {
        {0, {coach("Head coach:", "Ann Lee", "0-0"), coach("Head coach:", "Bo Day", "0-0")}},
        {2, {coach("Head coach:", "Ann Lee", "0-0"), coach("Head coach:", "Bo Day", "1-1")}},
        {3, {file[3], file[8], file[9]}},
    };
    for (const auto& [evenings, coaches] : cases) {
        const int days = evenings;  // a lambda may not capture a structured binding before C++20
        ScheduleModel evening;
        auto game = [&](int day, int road, int home, int roadPoints, int homePoints) {
            ScheduledGame g;
            g.date = Date{1999, 2, day};
            g.road = road, g.home = home, g.played = day <= days;
            g.roadPoints = roadPoints, g.homePoints = homePoints;
            evening.games.push_back(g);
        };
        for (int d = 1; d <= 3; ++d) game(d, 3, 2, 90, d == 2 ? 80 : 95);
        game(3, 4, 1, 70, 71);
        Lines want = file;
        want[3] = coaches[0];
        want.erase(want.begin() + 8, want.begin() + 10);
        want.insert(want.begin() + 8, coaches.begin() + 1, coaches.end());
        EXPECT_EQ(RostersAsOf(file, evening), want) << days;
    }
}

Lines Numbered(int n) {
    Lines lines;
    for (int i = 1; i <= n; ++i) lines.push_back(" line " + std::to_string(i));
    return lines;
}

// 64 lines under the header on page 1, 65 under five empty lines after; two or more selected
// lines print only those, one selected line prints everything.
TEST(RosterPrint, BreaksPagesByTheCoveredLines) {
    const std::tuple<int, std::vector<int>, std::vector<size_t>> cases[] = {
        {0, {}, {0}},           {64, {}, {64}},      {65, {}, {64, 1}},       {129, {}, {64, 65}},
        {130, {}, {64, 65, 1}}, {70, {10}, {64, 6}}, {200, {150, 3, 99}, {3}}};
    for (const auto& [count, selected, bodyPerPage] : cases) {
        ListContents list{Numbered(count), std::vector<bool>(count, false)};
        for (int i : selected) list.selected[i] = true;
        testing::RecordingPrinter printer;
        SendList(RosterPrintScheme(), list, "", printer);
        ASSERT_EQ(printer.PageCount(0), static_cast<int>(bodyPerPage.size())) << count;
        for (size_t page = 0; page < bodyPerPage.size(); ++page)
            EXPECT_EQ(printer.Page(0, page).size(), (page == 0 ? 4 : 5) + bodyPerPage[page]) << count;
        EXPECT_EQ(printer.documentsEnded, 1);
    }
}

TEST(RosterPrint, HeaderAtEighteenBodyAtNineInListOrder) {
    ListContents list{Numbered(300), std::vector<bool>(300, false)};
    for (int i = 299; i >= 0; i -= 3) list.selected[i] = true;  // 100 lines: page 2 has 36
    testing::RecordingPrinter printer;
    SendList(RosterPrintScheme(), list, "Courier New", printer);
    const auto first = printer.Page(0, 0), second = printer.Page(0, 1);
    EXPECT_EQ(first[2], "      Tavix Statistics");
    EXPECT_EQ(first[4], "      line 3");
    ASSERT_EQ(second.size(), 5u + 36u);
    EXPECT_EQ(second[5], "      line " + std::to_string(64 * 3 + 3));
    EXPECT_EQ(printer.lines[2].size, 18);
    EXPECT_EQ(printer.lines[2].font, "Courier New");
    EXPECT_EQ(printer.lines[4].size, 9);
}

}  // namespace
}  // namespace tavix
