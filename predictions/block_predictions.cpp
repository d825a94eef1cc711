#include "predictions/block_predictions.h"

#include <algorithm>
#include <utility>

#include "core/number_format.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"

namespace tavix {
std::vector<BlockLine> CollectBlockLines(const std::vector<std::string>& items, const std::vector<int>& games,
                                         const std::vector<bool>& selected) {
    std::vector<BlockLine> lines;
    for (size_t i = 0; i < items.size() && i < selected.size(); ++i) {
        if (!selected[i]) continue;
        BlockLine line{items[i], i < games.size() ? games[i] : -1};
        if (lines.size() < static_cast<size_t>(kBlockLineLimit))
            lines.push_back(std::move(line));
        else
            lines.back() = std::move(line);
    }
    return lines;
}

BlockGame RecognizeBlockGame(const ScheduleModel& model, const BlockLine& line) {
    if (line.game < 0 || static_cast<size_t>(line.game) >= model.games.size()) return {};
    const ScheduledGame& game = model.games[static_cast<size_t>(line.game)];
    return {game.road, game.home};
}

const std::vector<std::string>& NoGamesSelectedMessage() {
    static const std::vector<std::string> message = {
        "No games were selected, use the mouse to highlight a group",
        "on the schedule list, then click on the Game Predicitions",
        "button to view the predictions.         Click Done to continue...",
    };
    return message;
}

std::vector<std::string> BuildBlockPredictionList(const NBA& nba, SeasonView view,
                                                  const std::vector<BlockLine>& blockLines,
                                                  const Date& today) {
    const size_t count = std::min(blockLines.size(), static_cast<size_t>(kBlockLineLimit));
    std::vector<std::string> list;
    list.reserve(count + 5);
    list.push_back(" ");
    int predictions = 0;
    const auto model = ScheduleOf(nba);
    const Ratings ratings = ComputeRatings(nba, view);
    for (size_t g = 0; g < count; ++g) {
        const BlockGame game = RecognizeBlockGame(*model, blockLines[g]);
        if (!game.Recognised()) {
            list.push_back(blockLines[g].text);
            continue;
        }
        list.push_back(
            FormatPredictionLine(nba, ratings, game.road, game.home, false, TotalPrecision::Double));
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
