#include "ui/main/windows/artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/picture_buttons.h"

namespace tavix::art {
namespace {

const QColor kWood(214, 164, 102);
const QColor kWoodDark(176, 122, 66);
const QColor kLine(250, 246, 236);
const QColor kOrange(232, 106, 23);
const QColor kNavy(22, 38, 84);
const QColor kRed(178, 34, 34);

QPixmap Blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Floor boards running across the court.
void PaintFloor(QPainter& p, const QRectF& area) {
    QLinearGradient wood(area.topLeft(), area.bottomLeft());
    wood.setColorAt(0, kWood.lighter(108));
    wood.setColorAt(1, kWood.darker(104));
    p.fillRect(area, wood);
    // Joints on whole pixel rows: a plain fill, much cheaper than smoothed lines.
    const double board = std::max(6.0, area.height() / 22);
    for (double y = area.top() + board; y < area.bottom(); y += board)
        p.fillRect(QRect(qRound(area.left()), qRound(y), qRound(area.width()), 1), kWoodDark);
}

}  // namespace

QPixmap SplashPicture(QSize size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    PaintFloor(p, all);

    // Half court: the key, the free-throw circle and the three-point arc, basket on the left.
    const double w = all.width(), h = all.height();
    const double lineWidth = std::max(2.0, h / 90);
    p.setPen(QPen(kLine, lineWidth));
    p.setBrush(Qt::NoBrush);
    const QRectF court = all.adjusted(lineWidth, lineWidth, -lineWidth, -lineWidth);
    p.drawRect(court);
    const double keyLength = w * 0.26, keyWidth = h * 0.34;
    const QRectF key(court.left(), court.center().y() - keyWidth / 2, keyLength, keyWidth);
    p.setBrush(QColor(kRed.red(), kRed.green(), kRed.blue(), 150));
    p.drawRect(key);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(key.right(), key.center().y()), keyWidth / 2, keyWidth / 2);
    const double arc = h * 0.44;
    p.drawArc(QRectF(court.left() - arc * 0.9 + w * 0.05, court.center().y() - arc, 2 * arc, 2 * arc),
              -90 * 16, 180 * 16);
    // Centre circle cut by the half-way line on the right.
    p.drawLine(QPointF(court.right(), court.top()), QPointF(court.right(), court.bottom()));
    p.drawArc(QRectF(court.right() - h * 0.16, court.center().y() - h * 0.16, h * 0.32, h * 0.32), 90 * 16,
              180 * 16);
    // Backboard and rim.
    p.setPen(QPen(Qt::white, lineWidth * 1.6));
    p.drawLine(QPointF(court.left() + w * 0.04, court.center().y() - h * 0.08),
               QPointF(court.left() + w * 0.04, court.center().y() + h * 0.08));
    p.setPen(QPen(kOrange, lineWidth * 1.3));
    p.drawEllipse(QPointF(court.left() + w * 0.04 + h * 0.035, court.center().y()), h * 0.035, h * 0.035);

    // The ball in flight and the name.
    const double ball = h * 0.30;
    PaintBall(p, QRectF(w * 0.60, h * 0.10, ball, ball));
    QFont title("Sans Serif");
    title.setBold(true);
    title.setItalic(true);
    title.setPixelSize(static_cast<int>(h * 0.30));
    // The name's outline is made once and filled twice, shadow first.
    const QRectF nameBox(w * 0.30, h * 0.46, w * 0.68, h * 0.40);
    QPainterPath name;
    name.addText(0, 0, title, QStringLiteral("Tavix"));
    const QRectF bounds = QFontMetricsF(title).tightBoundingRect(QStringLiteral("Tavix"));
    name.translate(nameBox.center() - bounds.center());
    p.setPen(Qt::NoPen);
    p.fillPath(name.translated(h * 0.012, h * 0.012), QColor(0, 0, 0, 110));
    p.fillPath(name, kNavy);
    return pixmap;
}

QPixmap CourtEmblem(QSize size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const double d = std::min(all.width(), all.height()) * 0.8;
    PaintBall(p, QRectF(all.center() - QPointF(d / 2, d / 2), QSizeF(d, d)), BallLook::Faint);
    return pixmap;
}

namespace {

// The window icon at one size: the ball on a court-coloured tile.
void PaintProgramIcon(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    PaintBall(p, QRectF(size * 0.12, size * 0.12, size * 0.76, size * 0.76));
}

}  // namespace

QIcon ProgramIcon() {
    QList<QSize> sizes;
    for (int size : {16, 32, 48, 64, 128}) sizes << QSize(size, size);
    return PaintedIcon(PaintProgramIcon, sizes);
}

}  // namespace tavix::art
