#include "reference/windows/court_pictures.h"
#include "platform/accessible.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace tavix {
namespace {

// NBA court measurements in feet (1998-99).
constexpr double kLength = 94.0;
constexpr double kWidth = 50.0;
constexpr double kLaneWidth = 16.0;
constexpr double kFreeThrowLine = 19.0;  // from the baseline; 15 ft from the backboard
constexpr double kBackboard = 4.0;       // from the baseline
constexpr double kBackboardWidth = 6.0;
constexpr double kBasketCentre = 5.25;  // 5 ft 3 in from the baseline
constexpr double kRimRadius = 0.75;     // an 18-inch ring
constexpr double kCircleRadius = 6.0;   // centre and free-throw circles
constexpr double kInnerCircleRadius = 2.0;
constexpr double kRestrictedRadius = 4.0;   // the restricted-area arc, marked since 1997-98
constexpr double kThreePointArc = 23.75;    // 23 ft 9 in from the basket's centre
constexpr double kThreePointCorner = 22.0;  // from the basket's centre, in the corners
constexpr double kPi = 3.14159265358979323846;

const QColor kSurround(222, 222, 222);
const QColor kFloor(233, 197, 143);
const QColor kPaint(176, 196, 222);
const QColor kLine(60, 40, 25);
const QColor kMeasure(0, 0, 160);
const QColor kText(0, 0, 0);

// Where the corner lines meet the arc, measured from the baseline.
double CornerLineLength() {
    return kBasketCentre + std::sqrt(kThreePointArc * kThreePointArc - kThreePointCorner * kThreePointCorner);
}
// Half the angle the arc spans, seen from the basket.
double ArcHalfAngleDegrees() {
    return std::atan2(kThreePointCorner, CornerLineLength() - kBasketCentre) * 180.0 / kPi;
}

// Court feet to picture pixels. `along` runs from one baseline toward the other, `across` from
// one sideline to the other; `rotated` turns the court so that the baseline lies across the top.
struct CourtMap {
    QPointF origin;
    double scale = 1;
    bool rotated = false;
    QPointF operator()(double along, double across) const {
        if (rotated) return origin + QPointF(across * scale, along * scale);
        return origin + QPointF(along * scale, across * scale);
    }
    QRectF Circle(double along, double across, double radius) const {
        QPointF c = (*this)(along, across);
        return QRectF(c.x() - radius * scale, c.y() - radius * scale, 2 * radius * scale, 2 * radius * scale);
    }
};

QPen LinePen(double width) {
    QPen pen(kLine, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Qt's angles run counter-clockwise from 3 o'clock; `facing` is the direction (in Qt degrees)
// the half of the court looks toward from its baseline.
void DrawArc(QPainter& p, const QRectF& box, double facing, double halfSpan) {
    QPainterPath path;
    path.arcMoveTo(box, facing - halfSpan);
    path.arcTo(box, facing - halfSpan, 2 * halfSpan);
    p.drawPath(path);
}

// One end of the court, measured from its own baseline; `mirror` flips it to the far end.
void DrawEnd(QPainter& p, const CourtMap& map, bool mirror, double lineWidth) {
    auto at = [&](double along, double across) { return map(mirror ? kLength - along : along, across); };
    const double facing = map.rotated ? -90.0 : (mirror ? 180.0 : 0.0);
    const double laneTop = (kWidth - kLaneWidth) / 2, laneBottom = laneTop + kLaneWidth;

    p.setPen(LinePen(lineWidth));
    p.setBrush(kPaint);
    p.drawRect(QRectF(at(0, laneTop), at(kFreeThrowLine, laneBottom)).normalized());

    // Free-throw circle: solid toward the middle of the court, dashed inside the lane.
    QRectF ftCircle =
        map.Circle(mirror ? kLength - kFreeThrowLine : kFreeThrowLine, kWidth / 2, kCircleRadius);
    p.setBrush(Qt::NoBrush);
    DrawArc(p, ftCircle, facing, 90);
    QPen dashed = LinePen(lineWidth);
    dashed.setStyle(Qt::DashLine);
    p.setPen(dashed);
    DrawArc(p, ftCircle, facing + 180, 90);
    p.setPen(LinePen(lineWidth));

    // Three-point line: straight in the corners, then the arc around the basket.
    const double corner = CornerLineLength();
    const double cornerTop = kWidth / 2 - kThreePointCorner, cornerBottom = kWidth / 2 + kThreePointCorner;
    p.drawLine(at(0, cornerTop), at(corner, cornerTop));
    p.drawLine(at(0, cornerBottom), at(corner, cornerBottom));
    QRectF arc = map.Circle(mirror ? kLength - kBasketCentre : kBasketCentre, kWidth / 2, kThreePointArc);
    DrawArc(p, arc, facing, ArcHalfAngleDegrees());

    // Restricted area: a half circle around the basket, facing the court.
    DrawArc(p, map.Circle(mirror ? kLength - kBasketCentre : kBasketCentre, kWidth / 2, kRestrictedRadius),
            facing, 90);

    // Backboard, the arm holding the ring, and the ring.
    p.setPen(LinePen(lineWidth * 2));
    p.drawLine(at(kBackboard, kWidth / 2 - kBackboardWidth / 2),
               at(kBackboard, kWidth / 2 + kBackboardWidth / 2));
    p.setPen(LinePen(lineWidth));
    p.drawLine(at(kBackboard, kWidth / 2), at(kBasketCentre - kRimRadius, kWidth / 2));
    p.setPen(QPen(QColor(230, 90, 20), lineWidth * 1.5));
    p.drawEllipse(map.Circle(mirror ? kLength - kBasketCentre : kBasketCentre, kWidth / 2, kRimRadius));
}

// A measuring line with arrow heads at both ends.
void DrawMeasure(QPainter& p, QPointF a, QPointF b, double arrow) {
    p.setPen(QPen(kMeasure, 1));
    p.setBrush(kMeasure);
    p.drawLine(a, b);
    QPointF d = b - a;
    double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    QPointF u = d / len, n(-u.y(), u.x());
    for (auto [tip, dir] : {std::pair{a, u}, std::pair{b, -u}}) {
        QPolygonF head;
        head << tip << tip + dir * arrow + n * arrow * 0.4 << tip + dir * arrow - n * arrow * 0.4;
        p.drawPolygon(head);
    }
    p.setBrush(Qt::NoBrush);
}

// Text centred on a point, on a small background so it reads across the lines.
void DrawTag(QPainter& p, QPointF centre, const QString& text, const QColor& background) {
    QFontMetricsF fm(p.font());
    QRectF box(0, 0, fm.horizontalAdvance(text) + 4, fm.height());
    box.moveCenter(centre);
    p.fillRect(box, background);
    p.setPen(kText);
    p.drawText(box, Qt::AlignCenter, text);
}

QFont PictureFont(double pixels) {
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(pixels))));
    return font;
}

// Room for the overall measures above and to the right of the court.
double FullCourtMarginX(const QRectF& area) { return area.width() * 0.045; }
double FullCourtMarginY(const QRectF& area) { return area.height() * 0.075; }

CourtMap FullCourtMap(const QRectF& area) {
    const double scale = std::min((area.width() - 2 * FullCourtMarginX(area)) / kLength,
                                  (area.height() - 2 * FullCourtMarginY(area)) / kWidth);
    return CourtMap{area.center() - QPointF(kLength * scale / 2, kWidth * scale / 2), scale};
}

}  // namespace

QPointF FullCourtPoint(const QRectF& area, double along, double across) {
    return FullCourtMap(area)(along, across);
}

void PaintFullCourt(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, kSurround);

    const double marginX = FullCourtMarginX(area), marginY = FullCourtMarginY(area);
    const CourtMap map = FullCourtMap(area);
    const double scale = map.scale;
    const QSizeF court(kLength * scale, kWidth * scale);
    const double lineWidth = std::max(1.0, scale * 0.25);

    p.fillRect(QRectF(map(0, 0), court), kFloor);
    p.setPen(LinePen(lineWidth));
    p.drawLine(map(kLength / 2, 0), map(kLength / 2, kWidth));
    p.setBrush(kPaint);
    p.drawEllipse(map.Circle(kLength / 2, kWidth / 2, kCircleRadius));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(map.Circle(kLength / 2, kWidth / 2, kInnerCircleRadius));
    DrawEnd(p, map, false, lineWidth);
    DrawEnd(p, map, true, lineWidth);
    p.setPen(LinePen(lineWidth * 1.5));
    p.drawRect(QRectF(map(0, 0), court));

    p.setFont(PictureFont(scale * 2.25));
    const QFontMetricsF fm(p.font());
    const double arrow = scale * 1.2;

    // Overall length above the court, width beside it.
    const double above = map(0, 0).y() - marginY / 2;
    DrawMeasure(p, QPointF(map(0, 0).x(), above), QPointF(map(kLength, 0).x(), above), arrow);
    DrawTag(p, QPointF(map(kLength / 2, 0).x(), above), "94 ft", kSurround);
    const double beside = map(kLength, 0).x() + marginX / 2;
    DrawMeasure(p, QPointF(beside, map(0, 0).y()), QPointF(beside, map(0, kWidth).y()), arrow);
    p.save();
    p.translate(beside, map(0, kWidth / 2).y());
    p.rotate(-90);
    DrawTag(p, QPointF(0, 0), "50 ft", kSurround);
    p.restore();

    // Left end: the lane's measures.
    const double laneTop = (kWidth - kLaneWidth) / 2, laneBottom = laneTop + kLaneWidth;
    DrawMeasure(p, map(11.5, laneTop), map(11.5, laneBottom), arrow);
    DrawTag(p, map(11.5, kWidth / 2 + 4.6), "16 ft", kPaint);
    DrawMeasure(p, map(0, laneBottom + 3), map(kFreeThrowLine, laneBottom + 3), arrow);
    DrawTag(p, map(kFreeThrowLine / 2, laneBottom + 3), "19 ft", kFloor);
    DrawMeasure(p, map(kBackboard, laneTop - 3), map(kFreeThrowLine, laneTop - 3), arrow);
    DrawTag(p, map((kBackboard + kFreeThrowLine) / 2, laneTop - 3), "15 ft", kFloor);
    DrawMeasure(p, map(kFreeThrowLine, kWidth / 2), map(kFreeThrowLine + kCircleRadius, kWidth / 2),
                arrow * 0.8);
    DrawTag(p, map(kFreeThrowLine + kCircleRadius / 2, kWidth / 2 + 2.2), "6 ft", kFloor);

    // The restricted area's radius, from the centre of the basket to its arc.
    const double toArc = 50.0 * kPi / 180.0;
    DrawMeasure(p, map(kBasketCentre, kWidth / 2),
                map(kBasketCentre + kRestrictedRadius * std::cos(toArc),
                    kWidth / 2 - kRestrictedRadius * std::sin(toArc)),
                arrow * 0.6);
    DrawTag(p, map(kBasketCentre + 1.6, kWidth / 2 - kRestrictedRadius - 1.6), "4 ft", kPaint);

    // Centre circles: the outer radius is written outside the circle, the inner one below it.
    DrawMeasure(p, map(kLength / 2, kWidth / 2 - kInnerCircleRadius),
                map(kLength / 2, kWidth / 2 - kCircleRadius), arrow * 0.8);
    DrawTag(p, map(kLength / 2 + 4.4, kWidth / 2 - 6.4), "6 ft", kFloor);
    DrawTag(p, map(kLength / 2, kWidth / 2 + 3.6), "2 ft", kPaint);

    // Right end: the three-point distances from the centre of the basket, then where the
    // basket and the backboard stand, measured from the baseline below them.
    const double basket = kLength - kBasketCentre;
    const double slant = 33.0 * kPi / 180.0;
    auto onArc = [&](double part) {
        return map(basket - part * kThreePointArc * std::cos(slant),
                   kWidth / 2 - part * kThreePointArc * std::sin(slant));
    };
    DrawMeasure(p, map(basket, kWidth / 2), onArc(1.0), arrow);
    DrawTag(p, onArc(0.68) + QPointF(0, -fm.height() * 0.55), "23 ft 9 in", kFloor);
    DrawMeasure(p, map(basket, kWidth / 2 - kRimRadius), map(basket, kWidth / 2 - kThreePointCorner), arrow);
    DrawTag(p, map(basket, kWidth / 2 - kThreePointCorner + 5), "22 ft", kFloor);
    const double lower = kWidth / 2 + 3.5, lowest = kWidth / 2 + 6.5;
    DrawMeasure(p, map(kLength, lower), map(kLength - kBackboard, lower), arrow * 0.6);
    DrawTag(p,
            QPointF(map(kLength - kBackboard, lower).x() - fm.horizontalAdvance("4 ft") / 2 - 4,
                    map(0, lower).y()),
            "4 ft", kPaint);
    DrawMeasure(p, map(kLength, lowest), map(basket, lowest), arrow * 0.6);
    DrawTag(p,
            QPointF(map(basket, lowest).x() - fm.horizontalAdvance("5 ft 3 in") / 2 - 4, map(0, lowest).y()),
            "5 ft 3 in", kPaint);

    p.restore();
}

void PaintBasketArea(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, kSurround);

    // The court from the baseline to just past the top of the arc, turned so the baseline runs
    // across the top; the measures are written on both sides, with lines to what they measure.
    struct Note {
        double along, across;  // the point measured, in feet
        QString text;
    };
    const double laneTop = (kWidth - kLaneWidth) / 2;
    const double slant = 40.0 * kPi / 180.0;
    const double toArc = 60.0 * kPi / 180.0;
    const std::vector<Note> left = {
        {4, kWidth / 2 - kThreePointCorner, "Corner three-point line:\n22 ft from the basket"},
        {kBasketCentre + kRestrictedRadius * std::cos(toArc),
         kWidth / 2 - kRestrictedRadius * std::sin(toArc),
         "Restricted area (since 1997-98):\n4 ft from the centre of the basket"},
        {11, laneTop, "Lane: 16 ft wide"},
        {kFreeThrowLine, laneTop + 3, "Free-throw line: 19 ft from\nthe baseline, 15 ft from\nthe backboard"},
    };
    const std::vector<Note> right = {
        {kBackboard, kWidth / 2 + kBackboardWidth / 2, "Backboard: 6 ft wide,\n4 ft from the baseline"},
        {kBasketCentre, kWidth / 2 + kRimRadius,
         "Basket: 18-inch ring, 10 ft high,\n5 ft 3 in from the baseline"},
        {kFreeThrowLine + kCircleRadius * std::cos(slant), kWidth / 2 + kCircleRadius * std::sin(slant),
         "Free-throw circle: 6 ft radius"},
        {kBasketCentre + kThreePointArc * std::cos(slant), kWidth / 2 + kThreePointArc * std::sin(slant),
         "Three-point arc: 23 ft 9 in\nfrom the centre of the basket"},
    };

    const double depth = kBasketCentre + kThreePointArc + 2.0;
    const double marginY = area.height() * 0.05;
    const double scale = (area.height() - 2 * marginY) / depth;
    const double gap = std::max(6.0, area.width() * 0.02);

    // The largest type with which both columns of notes fit beside the drawing.
    auto widest = [](const std::vector<Note>& notes, const QFontMetricsF& fm) {
        double w = 0;
        for (const Note& n : notes)
            for (const QString& line : n.text.split('\n')) w = std::max(w, fm.horizontalAdvance(line));
        return w;
    };
    double pixels = area.height() * 0.085;
    QFont font = PictureFont(pixels);
    for (;; pixels -= 0.5) {
        font = PictureFont(pixels);
        QFontMetricsF fm(font);
        if (pixels <= 7 || widest(left, fm) + widest(right, fm) + kWidth * scale + 4 * gap <= area.width())
            break;
    }
    p.setFont(font);
    const QFontMetricsF fm(font);
    const double leftWidth = widest(left, fm), rightWidth = widest(right, fm);
    const double spare = std::max(0.0, area.width() - leftWidth - rightWidth - kWidth * scale - 4 * gap);
    const double courtLeft = area.left() + spare / 2 + gap + leftWidth + gap;
    CourtMap map{QPointF(courtLeft, area.top() + marginY), scale, true};
    const QSizeF court(kWidth * scale, depth * scale);
    const double lineWidth = std::max(1.0, scale * 0.3);

    // The floor fades out where the picture stops, toward the middle of the court.
    QLinearGradient fade(map(depth - 4, 0), map(depth, 0));
    fade.setColorAt(0, kFloor);
    fade.setColorAt(1, kSurround);
    p.fillRect(QRectF(map(0, 0), court), fade);
    DrawEnd(p, map, false, lineWidth);
    p.setPen(LinePen(lineWidth * 1.5));
    p.drawLine(map(0, 0), map(0, kWidth));
    p.drawLine(map(0, 0), map(depth - 3, 0));
    p.drawLine(map(0, kWidth), map(depth - 3, kWidth));

    auto place = [&](const std::vector<Note>& notes, bool onLeft) {
        double lines = 0;
        for (const Note& n : notes) lines += n.text.count('\n') + 1;
        const double space = (area.height() - lines * fm.height()) / (notes.size() + 1);
        double y = area.top() + space;
        for (const Note& n : notes) {
            const double h = (n.text.count('\n') + 1) * fm.height();
            QRectF box = onLeft ? QRectF(courtLeft - gap - leftWidth, y, leftWidth, h)
                                : QRectF(courtLeft + court.width() + gap, y, rightWidth, h);
            p.setPen(kText);
            p.drawText(box, (onLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, n.text);
            const QPointF from(onLeft ? box.right() + 2 : box.left() - 2, box.center().y());
            const QPointF target = map(n.along, n.across);
            p.setPen(QPen(kMeasure, 1));
            p.drawLine(from, target);
            p.setBrush(kMeasure);
            p.drawEllipse(target, 1.5, 1.5);
            p.setBrush(Qt::NoBrush);
            y += h + space;
        }
    };
    place(left, true);
    place(right, false);
    p.restore();
}

CourtPicture::CourtPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    SetAccessible(this, QAccessible::Graphic,
                  kind == Kind::FullCourt ? "The full court, drawn to scale, with its lines and measurements"
                                          : "The basket end of the court, each line named with its distance");
    // What the drawing shows, for a reader who cannot see it.
    setAccessibleDescription(
        kind == Kind::FullCourt
            ? "The court is 94 ft long and 50 ft wide. Each end has a lane 16 ft wide; the free-throw "
              "line is 19 ft from the baseline and 15 ft from the backboard. The centre circle has a "
              "6 ft radius around an inner circle of 2 ft. The three-point line runs 22 ft from the "
              "basket in the corners and 23 ft 9 in around the arc."
            : "The basket end: the backboard, 6 ft wide, stands 4 ft in from the baseline; the basket, "
              "an 18-inch ring 10 ft high, is centred 5 ft 3 in from the baseline. The restricted "
              "area is an arc 4 ft from the centre of the basket. The lane is 16 ft wide, the "
              "free-throw line 19 ft from the baseline, and the free-throw circle has a 6 ft radius. "
              "The three-point line is 22 ft from the basket in the corners and 23 ft 9 in around the arc.");
}

void CourtPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (kind_ == Kind::FullCourt)
        PaintFullCourt(painter, rect());
    else
        PaintBasketArea(painter, rect());
}

}  // namespace tavix
