#include "platform/panel_frame.h"

#include <QPalette>

namespace tavix {

void SetPanelFrame(QFrame* frame, QFrame::Shadow shadow, int lineWidth) {
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(lineWidth);
    QPalette palette = frame->palette();
    // The edge that catches the light stands apart from the ground: darker on a light one, lighter
    // on a dark one.
    const QColor ground = palette.color(QPalette::Window);
    palette.setColor(QPalette::Light, ground.lightness() < 128 ? ground.lighter(160) : ground.darker(120));
    frame->setPalette(palette);
}

}  // namespace tavix
