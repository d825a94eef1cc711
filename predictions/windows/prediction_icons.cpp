#include "predictions/windows/prediction_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tavix {
namespace {

// Drawn on a 32x32 grid and scaled by the button.
QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    paint(p);
    return QIcon(pixmap);
}

}  // namespace

QIcon PrinterIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));  // paper going in
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 19, 16, 10));  // paper coming out
        p.setPen(QPen(QColor(90, 90, 90), 1));
        for (int y : {22, 25}) p.drawLine(QPointF(11, y), QPointF(21, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 180, 60));
        p.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
    });
}

QIcon ClearListIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 3, 18, 24));  // a list page
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (int y = 8; y <= 22; y += 4) p.drawLine(QPointF(8, y), QPointF(20, y));
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(28, 28));  // crossed out
        p.drawLine(QPointF(28, 15), QPointF(15, 28));
    });
}

QIcon DoneIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.setBrush(QColor(170, 120, 70));
        p.drawRect(QRectF(4, 3, 14, 26));  // a door
        p.setBrush(QColor(250, 220, 90));
        p.drawEllipse(QPointF(15, 16), 1.2, 1.2);
        p.setPen(QPen(QColor(20, 110, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(19, 16), QPointF(29, 16));  // the way out
        QPainterPath head;
        head.moveTo(24, 11);
        head.lineTo(29, 16);
        head.lineTo(24, 21);
        p.setBrush(Qt::NoBrush);
        p.drawPath(head);
    });
}

QIcon InfoIcon() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(20, 50, 140), 1.5));
        p.setBrush(QColor(60, 110, 210));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
        p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
    });
}

}  // namespace tavix
