#include "statistics/windows/statistics_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tavix::statistics_icons {
namespace {

// Drawn on a 32 x 32 grid and scaled by the icon engine.
QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    paint(p);
    p.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon Record() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(20, 20, 60), 1.5));
        p.setBrush(QColor(40, 70, 160));
        QPainterPath body;
        body.moveTo(4, 4);
        body.lineTo(24, 4);
        body.lineTo(28, 8);
        body.lineTo(28, 28);
        body.lineTo(4, 28);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(210, 210, 215));  // shutter
        p.drawRect(QRectF(9, 4, 13, 9));
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(QRectF(17, 6, 3, 5));
        p.setBrush(Qt::white);  // label
        p.drawRect(QRectF(8, 17, 16, 11));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawLine(QPointF(10, 21), QPointF(22, 21));
        p.drawLine(QPointF(10, 24), QPointF(22, 24));
    });
}

QIcon Exit() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(70, 40, 10), 1.5));
        p.setBrush(QColor(235, 225, 200));
        p.drawRect(QRectF(4, 3, 16, 26));  // door frame
        p.setBrush(QColor(150, 90, 40));
        QPolygonF door({QPointF(4, 3), QPointF(13, 6), QPointF(13, 31), QPointF(4, 29)});
        p.drawPolygon(door);
        p.setPen(QPen(QColor(0, 120, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(16, 16), QPointF(29, 16));
        p.drawLine(QPointF(24, 11), QPointF(29, 16));
        p.drawLine(QPointF(24, 21), QPointF(29, 16));
    });
}

QIcon Help() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(0, 60, 140), 2));
        p.setBrush(QColor(255, 255, 210));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font("Sans");
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, "?");
    });
}

QIcon Print() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));  // sheet going in
        p.setBrush(QColor(170, 170, 175));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);  // body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 20, 16, 9));  // sheet coming out
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.drawLine(QPointF(11, 23), QPointF(21, 23));
        p.drawLine(QPointF(11, 26), QPointF(19, 26));
        p.setBrush(QColor(0, 170, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(24, 15, 3, 3));
    });
}

QIcon Done() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(0, 130, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 24), QPointF(26, 8)}));
    });
}

}  // namespace tavix::statistics_icons
