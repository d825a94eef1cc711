#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tavix {

int Twips(double twips) {
    double dpi = 96.0;
    if (QScreen* screen = QGuiApplication::primaryScreen()) dpi = screen->logicalDotsPerInch();
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

QSize TwipsSize(double width, double height) { return QSize(Twips(width), Twips(height)); }

QFont FixedPitchFont(double points, bool bold) {
    // The font matcher takes the first family of the list that is installed, only when the font is
    // first used; asking the font database for all its families here would make every window that
    // merely creates a list pay for enumerating the fonts. "monospace" is the system's own choice.
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono"),
                      QStringLiteral("monospace")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void SetClientSizeTwips(QWidget* window, double width, double height) {
    window->resize(TwipsSize(width, height));
}

}  // namespace tavix
