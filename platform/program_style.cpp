#include "platform/program_style.h"

#include <QApplication>
#include <optional>

#include "platform/picture_buttons.h"

namespace tavix {
namespace {

// The program's own picture for each message box picture.
std::optional<Glyph> MessageBoxGlyph(QStyle::StandardPixmap picture) {
    switch (picture) {
        case QStyle::SP_MessageBoxInformation:
            return Glyph::Info;
        case QStyle::SP_MessageBoxQuestion:
            return Glyph::Help;
        case QStyle::SP_MessageBoxWarning:
            return Glyph::Warning;
        case QStyle::SP_MessageBoxCritical:
            return Glyph::Stop;
        default:
            return std::nullopt;
    }
}

}  // namespace

ProgramStyle::ProgramStyle(QStyle* base) : QProxyStyle(base) {}

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (picture == SP_ToolBarHorizontalExtensionButton) return GlyphIcon(Glyph::MoreMenus);
    QIcon platform = QProxyStyle::standardIcon(picture, option, widget);
    const std::optional<Glyph> own = MessageBoxGlyph(picture);
    if (!own) return platform;
    // A message box's picture is 32 pixels across at scale 1. Where the platform has it only as an
    // image too small for a screen scaled up to three times (a window may move to such a screen),
    // it would show stretched and blurred there: the program paints its own.
    constexpr qreal kLargestScale = 3;
    if (platform.pixmap(QSize(32, 32), kLargestScale).width() >= qRound(32 * kLargestScale)) return platform;
    return GlyphIcon(*own);
}

void InstallProgramStyle() {
    // The proxy takes the current style over, so QApplication does not delete it on the switch.
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

}  // namespace tavix
