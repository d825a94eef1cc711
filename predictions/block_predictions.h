#pragma once
// Block predictions: the selected schedule lines, recognised and predicted all at once.
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/league.h"
#include "core/print_list.h"
#include "core/schedule_model.h"

namespace tavix {

constexpr int kBlockLineLimit = 300;

// A selected schedule line and the game it holds (an index into the schedule model's games), -1
// for a line that holds none.
struct BlockLine {
    std::string text;
    int game = -1;
};

// The selected lines in list order, at most 300 of them; each selected line beyond the 300th
// takes the place of the 300th.
std::vector<BlockLine> CollectBlockLines(const std::vector<std::string>& items, const std::vector<int>& games,
                                         const std::vector<bool>& selected);

// The road and home team of a block line's game, both 0 for a line that holds none.
struct BlockGame {
    int road = 0, home = 0;
    bool Recognised() const { return road != 0 && home != 0; }
};
BlockGame RecognizeBlockGame(const ScheduleModel& model, const BlockLine& line);

// The block window's list: a blank line, each line unchanged or, when it holds a game, its
// prediction, a blank line, and "Predictions made " with the date, or the "No games were
// selected" message when nothing was predicted. At most the first 300 lines are used.
std::vector<std::string> BuildBlockPredictionList(const NBA& nba, SeasonView view,
                                                  const std::vector<BlockLine>& blockLines,
                                                  const Date& today);

// The three lines shown when no line held a game.
const std::vector<std::string>& NoGamesSelectedMessage();

// Whole list, title block at 18 points, body at 9 with a five-blank margin, a new page every
// 65 lines.
PrintScheme BlockPredictionsPrintScheme();

}  // namespace tavix
