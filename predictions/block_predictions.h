#pragma once
// Block predictions: the selected schedule lines, recognised and predicted all at once.
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/league.h"
#include "core/print_list.h"

namespace tavix {

constexpr int kBlockLineLimit = 300;

// The selected lines in list order, at most 300 of them; each selected line beyond the 300th
// takes the place of the 300th.
std::vector<std::string> CollectBlockLines(const std::vector<std::string>& items,
                                           const std::vector<bool>& selected);

// Where the cities stand in a schedule line as the main list shows it (two blanks in front of the
// file's line), 1-based.
constexpr int kRoadCityFirst = 3, kRoadCityLast = 8;
constexpr int kHomeCityFirst = 10, kHomeCityLast = 22;

// The lowest-numbered team whose city name (any letter case) starts at one of the 1-based
// positions first..last of the line; 0 when none does. A team whose city name is empty matches
// any line (the empty text stands at every position).
int FindTeamInLine(const NBA& nba, const std::string& line, int first, int last);

// The road and home team a schedule line names, both 0 unless both are recognised.
struct BlockGame {
    int road = 0, home = 0;
    bool Recognised() const { return road != 0 && home != 0; }
};
BlockGame RecognizeBlockGame(const NBA& nba, const std::string& line);

// The block window's list: a blank line, each line unchanged or, when both its teams are
// recognised, its prediction (ratings recomputed for each), a blank line, and "Predictions made "
// with the date, or the "No games were selected" message when nothing was predicted.
// At most the first 300 lines are used.
std::vector<std::string> BuildBlockPredictionList(NBA& nba, SeasonView view,
                                                  const std::vector<std::string>& blockLines,
                                                  const Date& today);

// The three lines shown when no line held a game.
const std::vector<std::string>& NoGamesSelectedMessage();

// Whole list, title block at 18 points, body at 9 with a five-blank margin, a new page every
// 65 lines.
PrintScheme BlockPredictionsPrintScheme();

}  // namespace tavix
