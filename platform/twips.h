#pragma once
// The windows are laid out in twips (1/1440 inch), as designed in the 1990s; these turn twips
// into pixels of today's screen so the layout keeps its proportions at any DPI.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tavix {

int Twips(double twips);  // pixels for a length in twips on the primary screen
QRect TwipsRect(double left, double top, double width, double height);
QSize TwipsSize(double width, double height);

// The fixed-pitch font of the lists ("Courier New" where installed, else the system's monospace).
QFont FixedPitchFont(double points = 10, bool bold = false);

// Places a top-level window in the middle of the screen, as every window does when it loads.
void CentreOnScreen(QWidget* window);

// Sets the client size in twips.
void SetClientSizeTwips(QWidget* window, double width, double height);

}  // namespace tavix
