#pragma once
// Showing a top-level window so that it is drawn once, and making a window belong to its owner.

class QWidget;

namespace tavix {

// Shows `window`. Qt queues a deferred repaint for each child shown along with a window; arriving
// after the window's first drawing, they would draw every child a second time. Handing them over
// at once folds them into that first drawing.
void ShowWindow(QWidget* window);

// Makes the not yet shown top-level `window` belong to `owner`: the window manager keeps it above
// its owner whatever the user clicks, and the owner's taskbar entry stands for both. Its frame
// offers a maximise button only when the window can grow (a fixed size cannot).
void BelongTo(QWidget* window, QWidget* owner);

// Whether the user can make `window` larger than it is.
bool CanGrow(const QWidget* window);

}  // namespace tavix
