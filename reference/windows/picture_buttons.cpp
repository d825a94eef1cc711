#include "reference/windows/picture_buttons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/twips.h"

namespace tavix {
namespace {

void DrawBall(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(60, 30, 10), r.width() / 18.0));
    p.setBrush(QColor(230, 120, 30));
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    QPointF c = r.center();
    p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
    p.drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom()));
    // The two curved seams.
    p.drawArc(r.adjusted(-r.width() * 0.55, 0, -r.width() * 0.45, 0), -60 * 16, 120 * 16);
    p.drawArc(r.adjusted(r.width() * 0.45, 0, r.width() * 0.55, 0), 120 * 16, 120 * 16);
}

}  // namespace

QPixmap DrawButtonPicture(ButtonPicture picture, QSize size) {
    const qreal ratio = 2.0;  // sharp on high-density screens too
    QPixmap pix(size * ratio);
    pix.setDevicePixelRatio(ratio);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const qreal s = std::min(w, h);
    const QRectF box((w - s) / 2, (h - s) / 2, s, s);
    const qreal u = s / 16.0;  // drawing unit

    switch (picture) {
        case ButtonPicture::Info: {
            p.setPen(QPen(QColor(0, 60, 160), u));
            p.setBrush(QColor(220, 232, 255));
            p.drawEllipse(box.adjusted(u, u, -u, -u));
            QFont f("Serif");
            f.setBold(true);
            f.setPixelSize(static_cast<int>(s * 0.6));
            p.setFont(f);
            p.setPen(QColor(0, 60, 160));
            p.drawText(box, Qt::AlignCenter, "i");
            break;
        }
        case ButtonPicture::Print: {
            p.setPen(QPen(Qt::black, u * 0.7));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(box.left() + 4 * u, box.top() + 1.5 * u, 8 * u, 5 * u));  // paper in
            p.setBrush(QColor(150, 150, 150));
            p.drawRoundedRect(QRectF(box.left() + 1.5 * u, box.top() + 6 * u, 13 * u, 6 * u), u, u);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(box.left() + 4 * u, box.top() + 10 * u, 8 * u, 4.5 * u));  // paper out
            for (int i = 0; i < 3; ++i) {
                qreal y = box.top() + (11.3 + i * 1.1) * u;
                p.drawLine(QPointF(box.left() + 5 * u, y), QPointF(box.left() + 11 * u, y));
            }
            break;
        }
        case ButtonPicture::Done: {
            // A door standing open.
            p.setPen(QPen(QColor(70, 40, 10), u * 0.7));
            p.setBrush(QColor(250, 240, 200));
            p.drawRect(QRectF(box.left() + 3 * u, box.top() + 1.5 * u, 10 * u, 13 * u));
            QPainterPath door;
            door.moveTo(box.left() + 3 * u, box.top() + 1.5 * u);
            door.lineTo(box.left() + 9 * u, box.top() + 3 * u);
            door.lineTo(box.left() + 9 * u, box.top() + 16 * u);
            door.lineTo(box.left() + 3 * u, box.top() + 14.5 * u);
            door.closeSubpath();
            p.setBrush(QColor(160, 90, 40));
            p.drawPath(door);
            p.setBrush(QColor(240, 200, 60));
            p.drawEllipse(QPointF(box.left() + 7.8 * u, box.top() + 9 * u), 0.7 * u, 0.7 * u);
            break;
        }
        case ButtonPicture::Save: {
            p.setPen(QPen(QColor(20, 20, 60), u * 0.7));
            p.setBrush(QColor(40, 70, 150));
            p.drawRoundedRect(box.adjusted(2 * u, 2 * u, -2 * u, -2 * u), u * 0.6, u * 0.6);
            p.setBrush(QColor(210, 210, 210));
            p.drawRect(QRectF(box.left() + 5 * u, box.top() + 2 * u, 6 * u, 4 * u));  // shutter
            p.setBrush(Qt::white);
            p.drawRect(QRectF(box.left() + 4 * u, box.top() + 8.5 * u, 8 * u, 5.5 * u));  // label
            break;
        }
        case ButtonPicture::Close: {
            p.setPen(QPen(QColor(170, 20, 20), u * 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(box.topLeft() + QPointF(4 * u, 4 * u), box.bottomRight() - QPointF(4 * u, 4 * u));
            p.drawLine(QPointF(box.right() - 4 * u, box.top() + 4 * u),
                       QPointF(box.left() + 4 * u, box.bottom() - 4 * u));
            break;
        }
    }
    return pix;
}

QPushButton* MakePictureButton(QWidget* parent, const char* objectName, ButtonPicture picture,
                               const QString& toolTip, double left, double top, double width, double height) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setGeometry(TwipsRect(left, top, width, height));
    const int side = std::max(16, std::min(button->width(), button->height()) - 8);
    button->setIcon(QIcon(DrawButtonPicture(picture, QSize(side, side))));
    button->setIconSize(QSize(side, side));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    return button;
}

QPixmap DrawBanner(QSize size, const QString& title, const QString& subtitle) {
    const qreal ratio = 2.0;
    QPixmap pix(size * ratio);
    pix.setDevicePixelRatio(ratio);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, QColor(18, 40, 100));
    band.setColorAt(1, QColor(40, 90, 170));
    p.fillRect(QRectF(0, 0, w, h), band);
    // Floor boards along the bottom.
    p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), QColor(205, 160, 100));
    p.setPen(QPen(QColor(170, 120, 70), 1));
    for (qreal x = 0; x < w; x += w / 14) p.drawLine(QPointF(x, h * 0.78), QPointF(x, h));
    const qreal d = h * 0.66;
    DrawBall(p, QRectF(h * 0.18, h * 0.08, d, d));

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
    const qreal ratio = 2.0;
    QPixmap pix(size * ratio);
    pix.setDevicePixelRatio(ratio);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, QColor(18, 40, 100));
    wall.setColorAt(1, QColor(40, 90, 170));
    p.fillRect(QRectF(0, 0, w, h), wall);
    p.fillRect(QRectF(0, h * 0.72, w, h * 0.28), QColor(205, 160, 100));
    p.setPen(QPen(QColor(170, 120, 70), 1));
    for (qreal x = 0; x < w; x += w / 6) p.drawLine(QPointF(x, h * 0.72), QPointF(x, h));
    const qreal d = std::min(w, h) * 0.62;
    DrawBall(p, QRectF((w - d) / 2, h * 0.82 - d, d, d));
    return pix;
}

}  // namespace tavix
