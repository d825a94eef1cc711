#pragma once
// Block predictions: the selected schedule lines, recognised and predicted all at once.
#include <string>
#include <vector>

namespace tavix {

constexpr int kBlockLineLimit = 300;

// The selected lines in list order, at most 300 of them; each selected line beyond the 300th
// takes the place of the 300th.
std::vector<std::string> CollectBlockLines(const std::vector<std::string>& items, const std::vector<bool>& selected);

}  // namespace tavix
