#pragma once
// The favourite's chance beside a list of prediction lines: a narrow list of its own, row for row
// with the lines and scrolling with them, so the lines themselves stay as they always were.

#include <QListWidget>
#include <string>
#include <vector>

namespace tavix {

// A column at the right of `lines`, named for a screen reader; put it beside the lines in a layout.
QListWidget* MakeChanceColumn(QWidget* parent, QListWidget* lines);
// Shows `figures` right-aligned, one beside each line.
void ShowChanceColumn(QListWidget* column, const std::vector<std::string>& figures);

}  // namespace tavix
