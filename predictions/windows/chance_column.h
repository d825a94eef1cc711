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
// Makes `lines` `fewest` to `widest` characters wide and its window wide enough for `widest` where
// the screen has room, so the lines show whole and a narrow screen or a large font scrolls them;
// the layout puts a stretch after the chance column to take what a wider window adds.
void SizeForLines(QWidget* window, QListWidget* lines, int fewest, int widest);
// Shows `figures` right-aligned, one beside each line.
void ShowChanceColumn(QListWidget* column, const std::vector<std::string>& figures);

}  // namespace tavix
