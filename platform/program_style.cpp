#include "platform/program_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
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

QPalette DarkPalette() {
    // Light text on dark grounds, each pair of text and ground at 7:1 or more, disabled text at
    // 4.5:1, so the dark look is as readable as the light one.
    QPalette pal;
    const QColor window(45, 45, 48), base(30, 30, 32), text(235, 235, 235), button(60, 60, 64);
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::AlternateBase, window);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Button, button);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::BrightText, QColor(255, 120, 120));
    pal.setColor(QPalette::ToolTipBase, QColor(60, 60, 40));
    pal.setColor(QPalette::ToolTipText, text);
    pal.setColor(QPalette::PlaceholderText, QColor(170, 170, 175));
    pal.setColor(QPalette::Highlight, QColor(40, 100, 170));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::Link, QColor(120, 180, 255));
    pal.setColor(QPalette::LinkVisited, QColor(190, 150, 255));
    pal.setColor(QPalette::Light, QColor(90, 90, 95));
    pal.setColor(QPalette::Midlight, QColor(75, 75, 80));
    pal.setColor(QPalette::Mid, QColor(50, 50, 54));
    pal.setColor(QPalette::Dark, QColor(20, 20, 22));
    pal.setColor(QPalette::Shadow, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, QColor(150, 150, 155));
    pal.setColor(QPalette::Disabled, QPalette::Button, window);
    return pal;
}

void InstallProgramStyle() {
    // TAVIX_THEME=dark chooses the dark look whatever the desktop's: Fusion, which draws every
    // control from the palette, with DarkPalette.
    QStyle* base = QApplication::style();
    if (qEnvironmentVariable("TAVIX_THEME").compare(QLatin1String("dark"), Qt::CaseInsensitive) == 0) {
        if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) base = fusion;
        QApplication::setPalette(DarkPalette());
    }
    // The proxy takes the style over, so QApplication does not delete it on the switch.
    QApplication::setStyle(new ProgramStyle(base));
}

}  // namespace tavix
