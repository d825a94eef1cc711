#pragma once
// Colours a theme may not have thought of: a link blue or a highlight red that a dark theme left
// as it is on a light one can vanish into a dark window. These keep a wanted colour's hue and move
// its lightness just as far as needed to be read on the background it stands on.

#include <QColor>

namespace tavix {

// The contrast ratio of two colours as screen-reading guidelines measure it: 1 (none) to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// `wanted`, made lighter on a dark background or darker on a light one until it reaches `ratio`
// against `background` (4.5 for text, 3 for drawn marks).
QColor ReadableOn(const QColor& wanted, const QColor& background, double ratio = 4.5);

}  // namespace tavix
