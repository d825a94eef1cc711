#include "predictions/block_predictions.h"

#include <algorithm>

#include "core/number_format.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"

namespace tavix {
namespace {

bool EqualIgnoringCase(const std::string& line, size_t start, const std::string& city) {
    for (size_t i = 0; i < city.size(); ++i)
        if (LowerChar(line[start + i]) != LowerChar(city[i])) return false;
    return true;
}

}  // namespace

std::vector<std::string> CollectBlockLines(const std::vector<std::string>& items,
                                           const std::vector<bool>& selected) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < items.size() && i < selected.size(); ++i) {
        if (!selected[i]) continue;
        if (lines.size() < static_cast<size_t>(kBlockLineLimit))
            lines.push_back(items[i]);
        else
            lines.back() = items[i];
    }
    return lines;
}

int FindTeamInLine(const NBA& nba, const std::string& line, int first, int last) {
    const int teams = std::min<int>(nba.TeamCount, kNameSlots - 1);
    for (int t = 1; t <= teams; ++t) {
        const std::string& city = nba.CityNames[t];
        for (int p = std::max(first, 1); p <= last; ++p) {
            const size_t start = static_cast<size_t>(p - 1);
            // An empty city is the empty text found at every position, also past the line end,
            // just as the team view lists every line for it.
            if (city.empty()) return t;
            if (start + city.size() > line.size()) break;
            if (EqualIgnoringCase(line, start, city)) return t;
        }
    }
    return 0;
}

BlockGame RecognizeBlockGame(const NBA& nba, const std::string& line) {
    BlockGame game{FindTeamInLine(nba, line, kRoadCityFirst, kRoadCityLast),
                   FindTeamInLine(nba, line, kHomeCityFirst, kHomeCityLast)};
    if (!game.Recognised()) game = {};
    return game;
}

const std::vector<std::string>& NoGamesSelectedMessage() {
    static const std::vector<std::string> message = {
        "No games were selected, use the mouse to highlight a group",
        "on the schedule list, then click on the Game Predicitions",
        "button to view the predictions.         Click Done to continue...",
    };
    return message;
}

std::vector<std::string> BuildBlockPredictionList(NBA& nba, SeasonView view,
                                                  const std::vector<std::string>& blockLines,
                                                  const Date& today) {
    const size_t count = std::min(blockLines.size(), static_cast<size_t>(kBlockLineLimit));
    std::vector<std::string> list;
    list.reserve(count + 5);
    list.push_back(" ");
    int predictions = 0;
    for (size_t g = 0; g < count; ++g) {
        const std::string& line = blockLines[g];
        const BlockGame game = RecognizeBlockGame(nba, line);
        if (!game.Recognised()) {
            list.push_back(line);
            continue;
        }
        ComputeRatings(nba, view);
        list.push_back(FormatPredictionLine(nba, game.road, game.home, false, TotalPrecision::Double));
        ++predictions;
    }
    list.push_back(" ");
    if (predictions == 0) {
        const auto& message = NoGamesSelectedMessage();
        list.insert(list.end(), message.begin(), message.end());
    } else {
        list.push_back("Predictions made " + FormatDate(today));
    }
    return list;
}

PrintScheme BlockPredictionsPrintScheme() {
    PrintScheme scheme;
    scheme.documentName = "Predictions";
    scheme.confirmText = "Ready to send Predictions to the Printer.";
    scheme.confirmTitle = "Tavix";
    scheme.headerLines = {" ", " ", "      Tavix Predictions", " "};
    scheme.headerSize = 18;
    scheme.bodySize = 9;
    scheme.margin = "     ";
    scheme.pageBreak.kind = PageBreakRule::Kind::Counter;
    scheme.pageBreak.limit = 65;
    scheme.newPageBlankLines = 5;
    scheme.selectedLinesRule = false;
    return scheme;
}

}  // namespace tavix
