#include "reference/windows/reference_pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "platform/picture_buttons.h"

namespace tavix {

namespace {

// An empty picture of `size` (in the window's units) holding a pixel for every pixel of the screen,
// so that it stays sharp on a scaled screen rather than being stretched.
QPixmap Canvas(QSize size) {
    const qreal ratio = std::max<qreal>(1.0, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    QPixmap pix(size * ratio);
    pix.setDevicePixelRatio(ratio);
    pix.fill(Qt::transparent);
    return pix;
}

// A navy wall over a wooden floor whose top is `floorTop` (a share of the height), with `boards`
// boards across.
QPixmap WallAndFloor(QSize size, double floorTop, int boards) {
    QPixmap pix = Canvas(size);
    QPainter p(&pix);
    const qreal w = size.width(), h = size.height();
    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, QColor(18, 40, 100));
    wall.setColorAt(1, QColor(40, 90, 170));
    p.fillRect(QRectF(0, 0, w, h), wall);
    p.fillRect(QRectF(0, h * floorTop, w, h * (1 - floorTop)), QColor(205, 160, 100));
    p.setPen(QPen(QColor(170, 120, 70), 1));
    for (qreal x = 0; x < w; x += w / boards) p.drawLine(QPointF(x, h * floorTop), QPointF(x, h));
    return pix;
}

}  // namespace

QPixmap DrawBanner(QSize size, const QString& title, const QString& subtitle) {
    QPixmap pix = WallAndFloor(size, 0.78, 14);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const qreal d = h * 0.66;
    PaintBall(p, QRectF(h * 0.18, h * 0.08, d, d));

    QFont big("Sans Serif");
    big.setBold(true);
    big.setPixelSize(static_cast<int>(h * 0.36));
    p.setFont(big);
    p.setPen(Qt::white);
    const QRectF text(h * 1.05, h * 0.05, w - h * 1.2, h * 0.45);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, title);
    QFont small = big;
    small.setBold(false);
    small.setPixelSize(static_cast<int>(h * 0.16));
    p.setFont(small);
    p.setPen(QColor(255, 220, 160));
    p.drawText(QRectF(h * 1.05, h * 0.50, w - h * 1.2, h * 0.25), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    return pix;
}

QPixmap DrawBallPicture(QSize size) {
    QPixmap pix = WallAndFloor(size, 0.72, 6);
    QPainter p(&pix);
    const qreal w = size.width(), h = size.height();
    const qreal d = std::min(w, h) * 0.62;
    PaintBall(p, QRectF((w - d) / 2, h * 0.82 - d, d, d));
    return pix;
}

// A basketball dropping toward a ring with its net, the window's emblem.
QPixmap RulesEmblem(QSize size) {
    QPixmap pixmap = Canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();

    // Backboard with its target square, the ring and the net below it.
    QRectF board(w * 0.12, h * 0.04, w * 0.76, h * 0.30);
    p.setPen(QPen(QColor(90, 90, 90), std::max(1.0, w * 0.025)));
    p.setBrush(Qt::white);
    p.drawRect(board);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 40, 30), std::max(1.0, w * 0.025)));
    p.drawRect(QRectF(w * 0.36, h * 0.15, w * 0.28, h * 0.13));
    const double ringY = h * 0.29, ringLeft = w * 0.30, ringRight = w * 0.70;
    p.setPen(QPen(QColor(80, 80, 80), std::max(1.0, w * 0.012)));
    const double netBottom = h * 0.47;
    for (int i = 0; i <= 5; ++i) {
        double top = ringLeft + (ringRight - ringLeft) * i / 5.0;
        double bottom = w * 0.38 + w * 0.24 * i / 5.0;
        p.drawLine(QPointF(top, ringY), QPointF(bottom, netBottom));
        p.drawLine(QPointF(top, ringY), QPointF(w * 0.38 + w * 0.24 * std::min(5, i + 1) / 5.0, netBottom));
    }
    p.setPen(QPen(QColor(230, 90, 20), std::max(1.5, w * 0.04)));
    p.drawLine(QPointF(ringLeft, ringY), QPointF(ringRight, ringY));

    // The ball, dropping through.
    const double r = w * 0.27;
    PaintBall(p, QRectF(w * 0.50 - r, h * 0.67 - r, 2 * r, 2 * r));
    return pixmap;
}

}  // namespace tavix
