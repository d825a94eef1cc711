#include "ui/main/windows/artwork.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>
#include <utility>
#include <vector>

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

void PaintBall(QPainter& p, const QRectF& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(box.center() - QPointF(box.width() / 5, box.height() / 5), box.width() * 0.7);
    shade.setColorAt(0, kOrange.lighter(135));
    shade.setColorAt(1, kOrange.darker(125));
    p.setBrush(shade);
    const double seam = std::max(1.0, box.width() / 22);
    p.setPen(QPen(Qt::black, seam));
    p.drawEllipse(box);
    p.setBrush(Qt::NoBrush);
    p.setClipRegion(QRegion(box.toRect(), QRegion::Ellipse));
    // The two straight seams and the two curved ones.
    p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
    p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    const double w = box.width(), h = box.height();
    p.drawArc(QRectF(box.left() - w * 0.55, box.top() + h * 0.08, w * 0.9, h * 0.84), -60 * 16, 120 * 16);
    p.drawArc(QRectF(box.right() - w * 0.35, box.top() + h * 0.08, w * 0.9, h * 0.84), 120 * 16, 120 * 16);
    p.restore();
}

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
    p.setOpacity(0.22);
    const double d = std::min(all.width(), all.height()) * 0.8;
    PaintBall(p, QRectF(all.center() - QPointF(d / 2, d / 2), QSizeF(d, d)));
    return pixmap;
}

namespace {

// A white question mark drawn as strokes in `box`: the glyphs need no font, so painting the tool
// bar does not load one.
void PaintQuestionMark(QPainter& p, const QRectF& box, double weight) {
    p.save();
    const double w = box.width(), h = box.height();
    const double cx = box.center().x();
    const QRectF hook(cx - w * 0.17, box.top() + h * 0.2, w * 0.34, h * 0.32);
    QPainterPath path;
    path.arcMoveTo(hook, 160);
    path.arcTo(hook, 160, -220);
    path.quadTo(QPointF(cx, box.top() + h * 0.56), QPointF(cx, box.top() + h * 0.66));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, weight, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx, box.top() + h * 0.80), weight * 0.62, weight * 0.62);
    p.restore();
}

// A tool glyph in a 32 x 32 box; the painter is scaled to the size wanted.
void PaintGlyph(QPainter& p, Glyph glyph) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(30, 30, 30), 1.6);
    p.setPen(outline);
    switch (glyph) {
        case Glyph::Calendar: {
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(4, 6, 24, 22), 2, 2);
            p.setBrush(kRed);
            p.drawRect(QRectF(4, 6, 24, 6));
            p.setPen(QPen(QColor(90, 90, 90), 1));
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c) p.drawRect(QRectF(7 + c * 5.5, 14.5 + r * 4.2, 3, 2.4));
            p.setPen(QPen(Qt::black, 2));
            p.drawLine(QPointF(10, 3), QPointF(10, 9));
            p.drawLine(QPointF(22, 3), QPointF(22, 9));
            break;
        }
        case Glyph::Pencil: {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(3, 4, 20, 24));
            p.setPen(QPen(QColor(120, 120, 160), 1));
            for (int y = 10; y < 28; y += 4) p.drawLine(QPointF(5, y), QPointF(21, y));
            p.setPen(outline);
            QPainterPath pencil;
            pencil.moveTo(27, 5);
            pencil.lineTo(30, 8);
            pencil.lineTo(16, 22);
            pencil.lineTo(12, 24);
            pencil.lineTo(13, 20);
            pencil.closeSubpath();
            p.setBrush(QColor(240, 190, 40));
            p.drawPath(pencil);
            break;
        }
        case Glyph::Crystal: {
            PaintBall(p, QRectF(5, 3, 22, 22));
            p.setBrush(QColor(90, 60, 30));
            p.drawRoundedRect(QRectF(8, 25, 16, 5), 2, 2);
            PaintQuestionMark(p, QRectF(5, 3, 22, 22), 2.6);
            break;
        }
        case Glyph::Podium: {
            p.setBrush(QColor(70, 120, 200));
            p.drawRect(QRectF(3, 16, 8, 13));
            p.setBrush(QColor(230, 180, 40));
            p.drawRect(QRectF(12, 9, 8, 20));
            p.setBrush(QColor(180, 90, 40));
            p.drawRect(QRectF(21, 19, 8, 10));
            PaintBall(p, QRectF(13, 1, 6.5, 6.5));
            break;
        }
        case Glyph::Help:
        case Glyph::Info: {
            p.setBrush(glyph == Glyph::Help ? QColor(40, 90, 180) : QColor(30, 130, 90));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            if (glyph == Glyph::Help) {
                PaintQuestionMark(p, QRectF(3, 3, 26, 26), 3.4);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawEllipse(QPointF(16, 9.6), 2.3, 2.3);
                p.drawRoundedRect(QRectF(13.9, 13.2, 4.2, 11.6), 1, 1);
                p.drawRect(QRectF(11.8, 13.2, 4, 2.2));
                p.drawRect(QRectF(11.8, 22.8, 8.4, 2.2));
            }
            break;
        }
        case Glyph::Globe: {
            p.setBrush(QColor(60, 140, 210));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::white, 1.3));
            p.drawEllipse(QRectF(10, 3.5, 12, 25));
            p.drawLine(QPointF(16, 3.5), QPointF(16, 28.5));
            p.drawLine(QPointF(3.5, 16), QPointF(28.5, 16));
            p.drawLine(QPointF(6, 9.5), QPointF(26, 9.5));
            p.drawLine(QPointF(6, 22.5), QPointF(26, 22.5));
            break;
        }
        case Glyph::Printer: {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(150, 150, 155));
            p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(8, 19, 16, 10));
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.drawLine(QPointF(11, 23), QPointF(21, 23));
            p.drawLine(QPointF(11, 26), QPointF(19, 26));
            p.setBrush(QColor(60, 200, 60));
            p.drawEllipse(QRectF(24, 14, 3, 3));
            break;
        }
        case Glyph::Done: {
            p.setBrush(QColor(40, 150, 60));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 11)}));
            break;
        }
    }
}

// The window icon at one size: the ball on a court-coloured tile.
void PaintProgramIcon(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    PaintBall(p, QRectF(size * 0.12, size * 0.12, size * 0.76, size * 0.76));
}

// Paints its picture when a size is first asked for, at that size, and keeps the result. Building a
// window thus costs nothing for the buttons that stay hidden, and each picture is drawn at the size
// it is shown instead of large and scaled down.
class PaintedIconEngine : public QIconEngine {
  public:
    using Paint = void (*)(QPainter& p, int side, int arg);
    PaintedIconEngine(Paint paint, int arg, QList<QSize> sizes = {})
        : paint_(paint), arg_(arg), sizes_(std::move(sizes)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::min(rect.width(), rect.height());
        painter->drawPixmap(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2,
                            pixmap(QSize(side, side), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return QPixmap();
        const quint64 key = (quint64(side) << 8) | quint64(mode);
        for (const auto& [k, cached] : cache_)
            if (k == key) return cached;
        QPixmap pixmap;
        if (mode == QIcon::Normal || mode == QIcon::Active) {
            pixmap = Blank(QSize(side, side));
            QPainter p(&pixmap);
            paint_(p, side, arg_);
        } else {
            // Disabled and selected looks come from the style, as for any other icon.
            const QPixmap normal = this->pixmap(size, QIcon::Normal, state);
            QStyleOption option;
            pixmap = QApplication::style() ? QApplication::style()->generatedIconPixmap(mode, normal, &option)
                                           : normal;
        }
        cache_.emplace_back(key, pixmap);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
    QIconEngine* clone() const override { return new PaintedIconEngine(paint_, arg_, sizes_); }
    QString key() const override { return QStringLiteral("tavix-painted"); }

  private:
    Paint paint_;
    int arg_;
    QList<QSize> sizes_;
    std::vector<std::pair<quint64, QPixmap>> cache_;
};

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
    return QIcon(new PaintedIconEngine(
        [](QPainter& p, int side, int which) {
            p.scale(side / 32.0, side / 32.0);
            PaintGlyph(p, static_cast<Glyph>(which));
        },
        static_cast<int>(glyph)));
}

QIcon ProgramIcon() {
    QList<QSize> sizes;
    for (int size : {16, 32, 48, 64, 128}) sizes << QSize(size, size);
    return QIcon(
        new PaintedIconEngine([](QPainter& p, int side, int) { PaintProgramIcon(p, side); }, 0, sizes));
}

}  // namespace tavix::art
