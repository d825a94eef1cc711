#pragma once
// Showing a top-level window so that it is drawn once.

class QWidget;

namespace tavix {

// Shows `window`. Qt queues a deferred repaint for each child shown along with a window; arriving
// after the window's first drawing, they would draw every child a second time. Handing them over
// at once folds them into that first drawing.
void ShowWindow(QWidget* window);

}  // namespace tavix
