#include "predictions/block_predictions.h"

namespace tavix {

std::vector<std::string> CollectBlockLines(const std::vector<std::string>& items, const std::vector<bool>& selected) {
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

}  // namespace tavix
