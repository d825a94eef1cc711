#include "reference/reading_list.h"

namespace tavix {

const char kReadingTitle[] = "Recommended Reading";

const std::vector<std::vector<std::string>>& ReadingBlocks() {
    static const std::vector<std::vector<std::string>> blocks = {
        {
            "For the newcomer who wants to learn the rules of the game,",
            "we recommend \"Basketball For Dummies\" by Digger Phelps",
            "and John Walters. It explains the rules, the positions",
            "and how the game is played, in plain words for beginners.",
            "Its price and ordering details are not on file;",
            "ask your bookshop or your public library,",
            "or write...",
        },
        {
            "    \"Basketball For Dummies\" (order number not on file)",
            "    to the publisher of the For Dummies books, today",
            "    John Wiley & Sons. The postal address is not on file;",
            "    your bookshop can look it up.",
        },
        {
            "The league's own rule book, \"Official Rules of the National",
            "Basketball Association\", is published each season; its ISBN",
            "and price are not on file. It is available from...",
        },
        {
            "    the National Basketball Association in New York.",
            "    Its postal address is not on file; the league's own",
            "    web site is listed under Recommended Web Sites.",
        },
    };
    return blocks;
}

std::string ReadingText() {
    std::string text;
    for (const auto& block : ReadingBlocks()) {
        if (!text.empty()) text += "\r\n\r\n";
        for (size_t i = 0; i < block.size(); ++i) {
            if (i > 0) text += "\r\n";
            text += block[i];
        }
    }
    return text;
}

}  // namespace tavix
