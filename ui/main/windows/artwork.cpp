#include "ui/main/windows/artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/accessible.h"
#include "platform/picture_buttons.h"

namespace tavix::art {
namespace {

const QColor kWood(214, 164, 102);
const QColor kWoodDark(176, 122, 66);
const QColor kLine(250, 246, 236);
const QColor kOrange(232, 106, 23);
const QColor kNavy(22, 38, 84);
const QColor kRed(178, 34, 34);

// `a` laid over `b` with the given opacity, as one opaque colour.
QColor MixedColour(const QColor& a, const QColor& b, double opacity) {
    auto mix = [opacity](int x, int y) { return qRound(x * opacity + y * (1 - opacity)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
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

// The part of a polygon between two heights (one pass of Sutherland-Hodgman per edge of the band).
QPolygonF BetweenHeights(const QPolygonF& shape, double top, double bottom) {
    QPolygonF result = shape;
    for (const auto& [edge, keepBelow] : {std::pair{top, true}, std::pair{bottom, false}}) {
        const QPolygonF in = result;
        result.clear();
        auto inside = [&](const QPointF& q) { return keepBelow ? q.y() >= edge : q.y() <= edge; };
        for (int i = 0; i < in.size(); ++i) {
            const QPointF a = in[i], b = in[(i + 1) % in.size()];
            if (inside(a)) result << a;
            if (inside(a) != inside(b)) result << a + (b - a) * ((edge - a.y()) / (b.y() - a.y()));
        }
    }
    return result;
}

// The name in leaning block capitals, built from straight strokes cut flat at the cap height and
// the baseline: the splash's own lettering, and no typeface to load before the first window shows.
// Each stroke is one convex piece, the cheapest shape to fill.
std::vector<QPolygonF> NameLetters(double height) {
    const double h = height, w = h * 0.74, gap = h * 0.3, stroke = h * 0.2;
    const QTransform lean = QTransform().shear(-0.22, 0);
    std::vector<QPolygonF> letters;
    // One stroke: a bar of the stroke's width, running half a width past both ends.
    auto bar = [&](QPointF from, QPointF to) {
        const QPointF d = to - from;
        const QPointF along = d / std::sqrt(QPointF::dotProduct(d, d)) * (stroke / 2);
        const QPointF across(-along.y(), along.x());
        letters.push_back(lean.map(BetweenHeights(QPolygonF({from - along + across, to + along + across,
                                                             to + along - across, from - along - across}),
                                                  0, h)));
    };
    double x = 0;
    bar({x - stroke / 2, stroke / 2}, {x + w + stroke / 2, stroke / 2});  // T
    bar({x + w / 2, 0}, {x + w / 2, h});
    x += w + gap;
    bar({x, h + stroke}, {x + w / 2, -stroke});  // A
    bar({x + w / 2, -stroke}, {x + w, h + stroke});
    bar({x + w * 0.25, h * 0.64}, {x + w * 0.75, h * 0.64});
    x += w + gap;
    bar({x, -stroke}, {x + w / 2, h + stroke});  // V
    bar({x + w / 2, h + stroke}, {x + w, -stroke});
    x += w + gap;
    bar({x, 0}, {x, h});  // I
    x += gap;
    bar({x, -stroke}, {x + w, h + stroke});  // X
    bar({x, h + stroke}, {x + w, -stroke});
    return letters;
}

}  // namespace

void PaintSplashPicture(QPainter& p, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    PaintFloor(p, all);

    // Half court: the key, the free-throw circle and the three-point arc, basket on the left.
    const double w = all.width(), h = all.height();
    const double lineWidth = std::max(2.0, h / 90);
    const QRectF court = all.adjusted(lineWidth, lineWidth, -lineWidth, -lineWidth);
    const double keyLength = w * 0.26, keyWidth = h * 0.34;
    const QRectF key(court.left(), court.center().y() - keyWidth / 2, keyLength, keyWidth);
    // Straight lines on whole pixels, as plain fills, and the key in red mixed into the floor's
    // middle tone rather than see-through: no smoothing where none shows.
    const int line = qRound(lineWidth);
    auto outline = [&p, line](const QRect& box) {
        for (const QRect& side : {QRect(box.left(), box.top(), box.width(), line),
                                  QRect(box.left(), box.bottom() - line + 1, box.width(), line),
                                  QRect(box.left(), box.top(), line, box.height()),
                                  QRect(box.right() - line + 1, box.top(), line, box.height())})
            p.fillRect(side, kLine);
    };
    p.fillRect(key.toRect(), MixedColour(kRed, kWood, 0.6));
    outline(key.toRect());
    outline(court.toRect());  // its right side is the half-way line
    p.setPen(QPen(kLine, lineWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(key.right(), key.center().y()), keyWidth / 2, keyWidth / 2);
    const double arc = h * 0.44;
    p.drawArc(QRectF(court.left() - arc * 0.9 + w * 0.05, court.center().y() - arc, 2 * arc, 2 * arc),
              -90 * 16, 180 * 16);
    // Centre circle cut by the half-way line on the right.
    p.drawArc(QRectF(court.right() - h * 0.16, court.center().y() - h * 0.16, h * 0.32, h * 0.32), 90 * 16,
              180 * 16);
    // Backboard and rim.
    p.setPen(QPen(Qt::white, lineWidth * 1.6));
    p.drawLine(QPointF(court.left() + w * 0.04, court.center().y() - h * 0.08),
               QPointF(court.left() + w * 0.04, court.center().y() + h * 0.08));
    p.setPen(QPen(kOrange, lineWidth * 1.3));
    p.drawEllipse(QPointF(court.left() + w * 0.04 + h * 0.035, court.center().y()), h * 0.035, h * 0.035);

    // The ball in flight and the name, filled twice: shadow first.
    const double ball = h * 0.30;
    PaintBall(p, QRectF(w * 0.60, h * 0.10, ball, ball));
    const QRectF nameBox(w * 0.30, h * 0.46, w * 0.68, h * 0.40);
    std::vector<QPolygonF> name = NameLetters(h * 0.24);
    QRectF bounds;
    for (const QPolygonF& piece : name) bounds |= piece.boundingRect();
    p.setPen(Qt::NoPen);
    // The strokes overlap, so the shadow is an opaque shade of the floor rather than a see-through
    // black, which would darken twice where two strokes cross.
    for (const auto& [offset, colour] : {std::pair{h * 0.012, kWood.darker(150)}, std::pair{0.0, kNavy}}) {
        p.setBrush(colour);
        for (const QPolygonF& piece : name)
            p.drawConvexPolygon(
                piece.translated(nameBox.center() - bounds.center() + QPointF(offset, offset)));
    }
}

void PaintCourtEmblem(QPainter& p, QSize size) {
    const QRectF all(QPointF(0, 0), QSizeF(size));
    const double d = std::min(all.width(), all.height()) * 0.8;
    // Pale on a light ground; on a dark one the pale ball would glare, so it is let through.
    if (QGuiApplication::palette().color(QPalette::Window).lightness() < 128) p.setOpacity(0.25);
    PaintBall(p, QRectF(all.center() - QPointF(d / 2, d / 2), QSizeF(d, d)), BallLook::Faint);
}

PaintedLabel::PaintedLabel(Painter paint, const QString& description, QWidget* parent)
    : QLabel(parent), paint_(std::move(paint)) {
    SetAccessible(this, QAccessible::Graphic, description);
}

void PaintedLabel::paintEvent(QPaintEvent* event) {
    if (!pixmap().isNull()) return QLabel::paintEvent(event);
    QPainter p(this);
    paint_(p, size());
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

// The sizes a window manager shows a window's own icon at (title bar, task bar, window switcher);
// every size is painted when a window opens, and launchers take the large icon from tavix.svg.
QIcon ProgramIcon() {
    QList<QSize> sizes;
    for (int size : {16, 24, 32, 48, 64}) sizes << QSize(size, size);
    return PaintedIcon(PaintProgramIcon, sizes);
}

}  // namespace tavix::art
