#include "reference/rosters.h"

#include <gtest/gtest.h>

#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"

namespace tavix {
namespace {

using testing::RecordingPrinter;

struct SplitCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class RosterListLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(RosterListLinesTest, OneSpaceThenTheLineOfTheFile) {
    EXPECT_EQ(RosterListLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RosterListLinesTest,
    ::testing::Values(SplitCase{"Empty", "", {}},
                      SplitCase{"CrLf", "Hawks\r\nCeltics\r\n", {" Hawks", " Celtics"}},
                      SplitCase{"LfOnly", "Hawks\nCeltics\n", {" Hawks", " Celtics"}},
                      SplitCase{"NoFinalBreak", "Hawks\r\nCeltics", {" Hawks", " Celtics"}},
                      SplitCase{"EmptyLinesKept", "A\r\n\r\n\r\nB\r\n", {" A", " ", " ", " B"}},
                      SplitCase{
                          "LeadingBlanksKept", "   12 Smith  \r\n\tTab\n", {"    12 Smith  ", " \tTab"}},
                      SplitCase{"LoneCr", "A\rB", {" A", " B"}}, SplitCase{"OnlyABreak", "\r\n", {" "}},
                      SplitCase{"EightBit", "Mont\xe9\x61l\r\n", {" Mont\xe9\x61l"}}),
    [](const auto& info) { return info.param.name; });

TEST(ReadRosterList, AMissingFileGivesAnEmptyList) {
    EXPECT_TRUE(ReadRosterList("/nonexistent/tavix/folder").empty());
}

std::vector<std::string> Lines(int n) {
    std::vector<std::string> lines;
    for (int i = 1; i <= n; ++i) lines.push_back(" line " + std::to_string(i));
    return lines;
}

struct PageCase {
    const char* name;
    int lines;
    std::vector<int> selected;     // indexes selected in the list
    std::vector<int> bodyPerPage;  // covered lines printed on each page
};

class RosterPrintTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(RosterPrintTest, SixtyFourLinesOnTheFirstPageSixtyFiveAfter) {
    const PageCase& c = GetParam();
    ListContents list{Lines(c.lines), std::vector<bool>(c.lines, false)};
    for (int i : c.selected) list.selected[i] = true;

    RecordingPrinter printer;
    SendList(RosterPrintSpec(), list, "DejaVu Sans Mono", printer);

    ASSERT_EQ(printer.PageCount(0), static_cast<int>(c.bodyPerPage.size()));
    for (size_t page = 0; page < c.bodyPerPage.size(); ++page) {
        auto texts = printer.Page(0, static_cast<int>(page));
        // Page 1 carries the four header lines, later pages five empty lines on top.
        const size_t top = page == 0 ? 4 : 5;
        ASSERT_EQ(texts.size(), top + c.bodyPerPage[page]) << "page " << page;
        for (size_t i = 0; i < top && page > 0; ++i) EXPECT_EQ(texts[i], "");
    }
    EXPECT_EQ(printer.documentsEnded, 1);
}

INSTANTIATE_TEST_SUITE_P(Pages, RosterPrintTest,
                         ::testing::Values(PageCase{"Empty", 0, {}, {0}}, PageCase{"OneLine", 1, {}, {1}},
                                           PageCase{"FirstPageFull", 64, {}, {64}},
                                           PageCase{"SixtyFifthStartsPageTwo", 65, {}, {64, 1}},
                                           PageCase{"SecondPageFull", 129, {}, {64, 65}},
                                           PageCase{"ThirdPage", 130, {}, {64, 65, 1}},
                                           PageCase{"OneSelectedPrintsAll", 70, {10}, {64, 6}},
                                           PageCase{"ThreeSelectedPrintOnlyThem", 200, {150, 3, 99}, {3}},
                                           PageCase{"FourPages", 200, {}, {64, 65, 65, 6}}),
                         [](const auto& info) { return info.param.name; });

TEST(RosterPrint, HeaderAtEighteenBodyAtNineBehindFiveBlanksInSelectedOrder) {
    ListContents list{{" Atlanta", " Boston", " Charlotte", " Chicago"}, {false, true, false, true}};
    RecordingPrinter printer;
    SendList(RosterPrintSpec(), list, "Courier New", printer);

    ASSERT_EQ(printer.lines.size(), 6u);
    const std::vector<std::string> header{" ", " ", "      Tavix Statistics", " "};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(printer.lines[i].text, header[i]);
        EXPECT_EQ(printer.lines[i].size, 18);
        EXPECT_EQ(printer.lines[i].font, "Courier New");
    }
    EXPECT_EQ(printer.lines[4].text, "      Boston");
    EXPECT_EQ(printer.lines[5].text, "      Chicago");
    EXPECT_EQ(printer.lines[5].size, 9);
}

TEST(RosterPrint, SelectingMoreThanAPageBreaksByTheCoveredLines) {
    // 100 lines selected out of 300: the 65th selected line opens page 2.
    ListContents list{Lines(300), std::vector<bool>(300, false)};
    for (int i = 0; i < 300; i += 3) list.selected[i] = true;
    RecordingPrinter printer;
    SendList(RosterPrintSpec(), list, "", printer);
    auto second = printer.Page(0, 1);
    ASSERT_EQ(second.size(), 5u + 36u);
    EXPECT_EQ(second[5], "      line " + std::to_string(64 * 3 + 1));
}

TEST(RosterPrint, CancelledConfirmationPrintsNothing) {
    testing::ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Cancel};
    testing::RecordingPrinterProvider printers;
    ListContents list{Lines(3), {}};
    EXPECT_EQ(PrintList(RosterPrintSpec(), list, "", dialogs, printers), PrintOutcome::Cancelled);
    EXPECT_TRUE(printers.jobs.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Ready to send Statistics to the Printer.");
    EXPECT_EQ(dialogs.shown[0].title, "Tavix");
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::OkCancel);
}

}  // namespace
}  // namespace tavix
