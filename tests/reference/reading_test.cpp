#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "reference/reading_list.h"
#include "reference/web_sites.h"

namespace tavix {
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

TEST(ReadingText, SeventeenLinesInFourBlocks) {
    const std::string text = ReadingText();
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // every break is CR LF
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
    auto lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 17u + 3u);

    struct Block {
        size_t first, count;
        bool indented;
    };
    const Block blocks[] = {{0, 7, false}, {8, 4, true}, {13, 3, false}, {17, 3, true}};
    for (size_t gap : {7u, 12u, 16u}) EXPECT_EQ(lines[gap], "") << gap;
    for (const auto& b : blocks) {
        for (size_t i = b.first; i < b.first + b.count; ++i) {
            SCOPED_TRACE(lines[i]);
            EXPECT_FALSE(lines[i].empty());
            EXPECT_EQ(lines[i].rfind("    ", 0) == 0, b.indented);
            if (b.indented) {
                EXPECT_NE(lines[i][4], ' ');
            }
            EXPECT_LE(lines[i].size(), 64u);  // the message box stays a readable width
        }
    }
    EXPECT_EQ(lines[6].substr(lines[6].size() - 11), "or write...");
    EXPECT_EQ(lines[15].substr(lines[15].size() - 23), "It is available from...");
}

TEST(ReadingText, InventsNoPricesPhoneNumbersOrOrderNumbers) {
    const std::string text = ReadingText();
    EXPECT_EQ(text.find('$'), std::string::npos);
    // No telephone-like or ISBN-like digit groups.
    EXPECT_FALSE(std::regex_search(text, std::regex(R"(\d{3}[-. )]\d{3,4}|\d-\d{2,}-\d)")));
    for (const char* said : {"price", "ISBN", "order number", "postal address"})
        EXPECT_NE(text.find(said), std::string::npos) << said;
    EXPECT_NE(text.find("not on file"), std::string::npos);
}

TEST(WebSites, FiveCompleteAddressesOnLabelsOneToFive) {
    const auto& sites = RecommendedSites();
    ASSERT_EQ(sites.size(), 5u);
    for (size_t i = 0; i < sites.size(); ++i) {
        SCOPED_TRACE(sites[i].name);
        EXPECT_EQ(sites[i].addressLabel, static_cast<int>(i) + 1);
        EXPECT_EQ(sites[i].nameLabel, static_cast<int>(i) + 16);
        EXPECT_TRUE(std::regex_match(sites[i].address, std::regex(R"(https://www\.[a-z]+\.com/[a-z/]*)")));
        EXPECT_TRUE(IsAddressLabel(sites[i].addressLabel));
        EXPECT_FALSE(IsAddressLabel(sites[i].nameLabel));
    }
    for (int k : {0, 6, 15, 21}) EXPECT_FALSE(IsAddressLabel(k)) << k;
}

TEST(ProgrammersPanels, ElevenPanelsThatStateTheLicenceAndTheIssueTracker) {
    const auto& panels = ProgrammersPanels();
    ASSERT_EQ(panels.size(), 11u);
    std::string all;
    for (const auto& p : panels) {
        EXPECT_LE(p.size(), 96u) << p;
        all += p + "\n";
    }
    EXPECT_NE(all.find("Tavix is free software under the MIT licence; see the LICENSE file."),
              std::string::npos);
    EXPECT_NE(all.find("the project's issue tracker"), std::string::npos);
    EXPECT_FALSE(std::regex_search(all, std::regex(R"(\d{3}[-. )]\d{3,4}|@)")));

    std::ifstream licence(std::string(TAVIX_SOURCE_DIR) + "/LICENSE");
    std::stringstream text;
    text << licence.rdbuf();
    EXPECT_NE(text.str().find("MIT License"), std::string::npos);
    EXPECT_NE(text.str().find("Copyright (c) The Tavix developers"), std::string::npos);
}

}  // namespace
}  // namespace tavix
