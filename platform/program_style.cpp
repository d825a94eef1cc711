#include "platform/program_style.h"

#include <QApplication>

#include "platform/picture_buttons.h"

namespace tavix {

ProgramStyle::ProgramStyle(QStyle* base) : QProxyStyle(base) {}

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (picture == SP_ToolBarHorizontalExtensionButton) return GlyphIcon(Glyph::MoreMenus);
    return QProxyStyle::standardIcon(picture, option, widget);
}

void InstallProgramStyle() {
    // The proxy takes the current style over, so QApplication does not delete it on the switch.
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

}  // namespace tavix
