#include "platform/panel_frame.h"

#include <QPalette>

namespace tavix {

void SetPanelFrame(QFrame* frame, QFrame::Shadow shadow, int lineWidth) {
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(lineWidth);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Light, palette.color(QPalette::Window).darker(120));
    frame->setPalette(palette);
}

}  // namespace tavix
