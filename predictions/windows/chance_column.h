#pragma once
// The favourite's chance beside a list of prediction lines: a narrow list of its own, row for row
// with the lines and scrolling with them, so the lines themselves stay as they always were.

#include <QListWidget>
#include <string>
#include <vector>

namespace tavix {

// A column at the right of `lines`, named for a screen reader; put it beside the lines in a layout.
QListWidget* MakeChanceColumn(QWidget* parent, QListWidget* lines);
// The width `lines` needs to show `characters` whole: text, padding, frame and a vertical bar.
int WidthForLines(const QListWidget* lines, int characters);
// Makes `lines` at least `fewest` characters wide and its window `widest` wide where the screen has
// room, so the lines show whole at first and a narrow screen or a large font scrolls them instead.
void SizeForLines(QWidget* window, QListWidget* lines, int fewest, int widest);
// Shows `figures` right-aligned, one beside each line.
void ShowChanceColumn(QListWidget* column, const std::vector<std::string>& figures);

}  // namespace tavix
