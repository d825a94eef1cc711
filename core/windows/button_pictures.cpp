#include "core/windows/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/twips.h"

namespace tavix::pictures {

QPixmap Draw(Picture picture, QSize size) {
    const qreal ratio = 2.0;  // stays sharp on high-density screens
    QPixmap pix(size * ratio);
    pix.setDevicePixelRatio(ratio);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(size.width(), size.height());
    const QPointF origin((size.width() - s) / 2, (size.height() - s) / 2);
    const qreal u = s / 16.0;  // the pictures are drawn on a 16 by 16 grid
    auto at = [&](qreal x, qreal y) { return origin + QPointF(x * u, y * u); };

    switch (picture) {
        case Picture::Info: {
            p.setPen(QPen(QColor(0, 40, 130), 0.8 * u));
            p.setBrush(QColor(30, 90, 200));
            p.drawEllipse(QRectF(at(1, 1), QSizeF(14 * u, 14 * u)));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(at(7, 3.2), QSizeF(2 * u, 2 * u)));                          // the dot
            p.drawRoundedRect(QRectF(at(7, 6.5), QSizeF(2 * u, 6.5 * u)), u * 0.4, u * 0.4);  // the stem
            p.drawRect(QRectF(at(6, 6.5), QSizeF(3 * u, 1.2 * u)));
            p.drawRect(QRectF(at(6, 11.8), QSizeF(4 * u, 1.2 * u)));
            break;
        }
        case Picture::Ok: {
            QPainterPath tick;
            tick.moveTo(at(2.5, 8.5));
            tick.lineTo(at(6.5, 12.5));
            tick.lineTo(at(13.5, 3.5));
            p.setPen(QPen(QColor(0, 90, 0), 3.2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(tick);
            p.setPen(QPen(QColor(40, 180, 40), 2 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(tick);
            break;
        }
        case Picture::Exit: {
            // A window frame with an arrow leaving it to the right.
            p.setPen(QPen(QColor(60, 60, 60), 0.9 * u));
            p.setBrush(QColor(245, 245, 235));
            p.drawRect(QRectF(at(1.5, 2), QSizeF(8 * u, 12 * u)));
            p.setBrush(QColor(20, 60, 150));
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(at(1.5, 2), QSizeF(8 * u, 2 * u)));  // title bar
            QPainterPath arrow;
            arrow.moveTo(at(5, 7.5));
            arrow.lineTo(at(10.5, 7.5));
            arrow.lineTo(at(10.5, 5));
            arrow.lineTo(at(15, 9));
            arrow.lineTo(at(10.5, 13));
            arrow.lineTo(at(10.5, 10.5));
            arrow.lineTo(at(5, 10.5));
            arrow.closeSubpath();
            p.setPen(QPen(QColor(120, 0, 0), 0.6 * u));
            p.setBrush(QColor(210, 30, 30));
            p.drawPath(arrow);
            break;
        }
    }
    return pix;
}

QPushButton* MakeButton(QWidget* parent, const char* objectName, Picture picture, const QString& toolTip,
                        double left, double top, double width, double height) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setGeometry(TwipsRect(left, top, width, height));
    const int side = std::max(16, std::min(button->width(), button->height()) - 10);
    button->setIcon(QIcon(Draw(picture, QSize(side, side))));
    button->setIconSize(QSize(side, side));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    return button;
}

}  // namespace tavix::pictures
