#pragma once
// The 3-D panels of the windows (a sunken box around a figure, a raised panel around a group).

#include <QFrame>

namespace tavix {

// Gives `frame` a 3-D panel edge that shows on all four sides. The style's light edge
// is white, which vanishes on a white or light grey window: a sunken panel then looks open on the
// right and at the bottom, a raised one at the top and on the left. Here the light edge is a grey
// a shade under the window's colour, so the panel reads as closed while keeping its shading.
void SetPanelFrame(QFrame* frame, QFrame::Shadow shadow, int lineWidth = 1);

}  // namespace tavix
