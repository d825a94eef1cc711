#include "platform/twips.h"

#include <QFontDatabase>
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
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Courier New", "DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono"}) {
        if (families.contains(name)) {
            font = QFont(name);
            break;
        }
    }
    if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
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
