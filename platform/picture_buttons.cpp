#include "platform/picture_buttons.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>
#include <QVariant>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace tavix {
namespace {

// Which glyph a picture button shows, so the button that opens a window's help can be found.
const char kGlyphProperty[] = "tavixGlyph";

const QColor kOrange(232, 106, 23);
const QColor kRed(178, 34, 34);
const QColor kInk(30, 30, 30);

QPixmap Blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Paints its picture when a size is first asked for, at that size, and keeps the result. Building a
// window thus costs nothing for the buttons that stay hidden, and each picture is drawn at the size
// it is shown instead of large and scaled down.
class PaintedIconEngine : public QIconEngine {
  public:
    using Paint = std::function<void(QPainter& p, int side)>;
    PaintedIconEngine(Paint paint, QList<QSize> sizes) : paint_(std::move(paint)), sizes_(std::move(sizes)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        // Painted at the pixel density of where it goes, so it is not stretched on a scaled screen.
        const int side = std::min(rect.width(), rect.height());
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(QSize(side, side) * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(
            QRect(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side),
            picture);
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
            paint_(p, side);
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
    QIconEngine* clone() const override { return new PaintedIconEngine(paint_, sizes_); }
    QString key() const override { return QStringLiteral("tavix-painted"); }

  private:
    Paint paint_;
    QList<QSize> sizes_;
    std::vector<std::pair<quint64, QPixmap>> cache_;
};

// A white question mark drawn as strokes in `box`: the glyphs need no font, so painting a button
// does not load one.
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

// An arrow pointing right, from `tail` to `tip` on the same height.
void PaintArrowRight(QPainter& p, QPointF tail, QPointF tip, const QColor& colour) {
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(tail, tip);
    p.drawPolyline(QPolygonF({tip + QPointF(-5, -5), tip, tip + QPointF(-5, 5)}));
}

// A glyph in a 32 x 32 box; the painter is scaled to the size wanted.
void PaintGlyph(QPainter& p, Glyph glyph) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(kInk, 1.6);
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
            p.setPen(QPen(QColor(0, 40, 130), 1.6));
            p.setBrush(QColor(30, 90, 200));
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
            p.drawRect(QRectF(9, 3, 14, 10));  // the sheet going in
            p.setBrush(QColor(150, 150, 155));
            p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(8, 19, 16, 10));  // the sheet coming out
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.drawLine(QPointF(11, 23), QPointF(21, 23));
            p.drawLine(QPointF(11, 26), QPointF(19, 26));
            p.setBrush(QColor(60, 200, 60));
            p.drawEllipse(QRectF(24, 14, 3, 3));
            break;
        }
        case Glyph::Diskette: {
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
            p.setBrush(QColor(210, 210, 215));  // the shutter
            p.drawRect(QRectF(9, 4, 13, 9));
            p.setBrush(QColor(40, 70, 160));
            p.drawRect(QRectF(17, 6, 3, 5));
            p.setBrush(Qt::white);  // the label
            p.drawRect(QRectF(8, 17, 16, 11));
            p.setPen(QPen(QColor(120, 120, 120), 1));
            p.drawLine(QPointF(10, 21), QPointF(22, 21));
            p.drawLine(QPointF(10, 24), QPointF(22, 24));
            break;
        }
        case Glyph::ClearList: {
            p.setPen(QPen(QColor(40, 40, 40), 1.5));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(5, 3, 18, 24));  // a list page
            p.setPen(QPen(QColor(120, 120, 120), 1));
            for (int y = 8; y <= 22; y += 4) p.drawLine(QPointF(8, y), QPointF(20, y));
            p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(15, 15), QPointF(28, 28));  // crossed out
            p.drawLine(QPointF(28, 15), QPointF(15, 28));
            break;
        }
        case Glyph::Tick: {
            QPainterPath tick;
            tick.moveTo(5, 17);
            tick.lineTo(13, 25);
            tick.lineTo(27, 7);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0, 90, 0), 6.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(tick);
            p.setPen(QPen(QColor(40, 180, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(tick);
            break;
        }
        case Glyph::Door:
        case Glyph::DoorOut: {
            // The frame, the door swung open into the room, and its knob.
            const bool out = glyph == Glyph::DoorOut;
            const double width = out ? 16 : 20;
            p.setPen(QPen(QColor(70, 40, 10), 1.4));
            p.setBrush(QColor(245, 235, 210));
            p.drawRect(QRectF(out ? 4 : 6, 3, width, 26));
            const double hinge = out ? 4 : 6, edge = hinge + width * 0.6;
            p.setBrush(QColor(155, 92, 40));
            p.drawPolygon(
                QPolygonF({QPointF(hinge, 3), QPointF(edge, 6), QPointF(edge, 31), QPointF(hinge, 29)}));
            p.setBrush(QColor(240, 200, 60));
            p.drawEllipse(QPointF(edge - 2.4, 18), 1.3, 1.3);
            if (out) PaintArrowRight(p, QPointF(17, 16), QPointF(29, 16), QColor(0, 125, 0));
            break;
        }
        case Glyph::WindowOut: {
            // A window frame with an arrow leaving it to the right.
            p.setPen(QPen(QColor(60, 60, 60), 1.8));
            p.setBrush(QColor(245, 245, 235));
            p.drawRect(QRectF(3, 4, 16, 24));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 60, 150));
            p.drawRect(QRectF(3, 4, 16, 4));  // the title bar
            QPainterPath arrow;
            arrow.moveTo(10, 15);
            arrow.lineTo(21, 15);
            arrow.lineTo(21, 10);
            arrow.lineTo(30, 18);
            arrow.lineTo(21, 26);
            arrow.lineTo(21, 21);
            arrow.lineTo(10, 21);
            arrow.closeSubpath();
            p.setPen(QPen(QColor(120, 0, 0), 1.2));
            p.setBrush(QColor(210, 30, 30));
            p.drawPath(arrow);
            break;
        }
        case Glyph::MoreMenus: {
            // Drawn straight on the menu bar: in the bar's own text colour, which any theme keeps
            // readable on the bar.
            p.setPen(QPen(QGuiApplication::palette().color(QPalette::ButtonText), 3, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            for (double x : {8.0, 17.0}) p.drawPolyline(QPolygonF({{x, 8}, {x + 8, 16}, {x, 24}}));
            break;
        }
        case Glyph::Warning: {
            p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(250, 200, 30));
            p.drawPolygon(QPolygonF({{16, 2.5}, {30, 28.5}, {2, 28.5}}));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawRoundedRect(QRectF(14.3, 10, 3.4, 11), 1.2, 1.2);
            p.drawEllipse(QPointF(16, 24.6), 2, 2);
            break;
        }
        case Glyph::Stop: {
            p.setPen(QPen(kRed.darker(130), 1.6));
            p.setBrush(QColor(215, 40, 40));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11, 11), QPointF(21, 21));
            p.drawLine(QPointF(21, 11), QPointF(11, 21));
            break;
        }
    }
}

}  // namespace

namespace {

// How many degrees either side of its middle a curved seam runs before it meets the ball's edge,
// less half a seam, so no seam pokes out. The seam is an arc of an ellipse standing 0.6 of the
// ball's width off its centre, 0.45 wide and 0.42 high as radii (as fractions of the ball).
double CurvedSeamHalfSpan(double seamFraction) {
    const double limit = 1 - seamFraction;
    double inside = 0, outside = 90;
    for (int step = 0; step < 30; ++step) {
        const double middle = (inside + outside) / 2, t = qDegreesToRadians(middle);
        const double x = (-0.6 + 0.45 * std::cos(t)) * 2, y = 0.42 * std::sin(t) * 2;
        (x * x + y * y <= limit * limit ? inside : outside) = middle;
    }
    return inside;
}

}  // namespace

void PaintBall(QPainter& p, const QRectF& box, BallLook look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double seam = std::max(1.0, box.width() / (look == BallLook::Shaded ? 22 : 40));
    QPen seamPen(Qt::black, seam, Qt::SolidLine, Qt::FlatCap);
    if (look == BallLook::Shaded) {
        QRadialGradient shade(box.center() - QPointF(box.width() / 5, box.height() / 5), box.width() * 0.7);
        shade.setColorAt(0, kOrange.lighter(135));
        shade.setColorAt(1, kOrange.darker(125));
        p.setBrush(shade);
    } else {
        // Flat, opaque colours: see-through strokes would darken where the seams cross.
        p.setBrush(QColor(250, 226, 204));
        seamPen.setColor(QColor(224, 180, 144));
    }
    // The inside filled without smoothing (a plain run of pixels a row), the outline smoothed over
    // its edge: the same picture for a fraction of the work of smoothing the whole disc.
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawEllipse(box.adjusted(seam / 2, seam / 2, -seam / 2, -seam / 2));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(seamPen);
    p.drawEllipse(box);
    // The two straight seams and the two curved ones, each ending where it meets the edge (a
    // clip to the ball's outline would cost more than the whole ball).
    p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
    p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    const double w = box.width(), h = box.height();
    const int span = qRound(CurvedSeamHalfSpan(seam / w) * 16);
    p.drawArc(QRectF(box.left() - w * 0.55, box.top() + h * 0.08, w * 0.9, h * 0.84), -span, 2 * span);
    p.drawArc(QRectF(box.right() - w * 0.35, box.top() + h * 0.08, w * 0.9, h * 0.84), 180 * 16 - span,
              2 * span);
    p.restore();
}

QIcon PaintedIcon(IconPainter paint, QList<QSize> sizes) {
    return QIcon(new PaintedIconEngine(paint, std::move(sizes)));
}

QIcon GlyphIcon(Glyph glyph) {
    return QIcon(new PaintedIconEngine(
        [glyph](QPainter& p, int side) {
            p.scale(side / 32.0, side / 32.0);
            PaintGlyph(p, glyph);
        },
        {}));
}

namespace {

// A tool button takes Space only; Enter and Return press a picture button as they press any
// other button, so a keyboard user need not know the difference.
class EnterPresses : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QToolButton*>(watched);
            if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->animateClick();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

QToolButton* HintedPictureButton(QWidget* parent, const char* objectName, Glyph glyph, const QString& hint,
                                 QRect geometry) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    const int side = std::min(geometry.width(), geometry.height()) * 3 / 4;
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(side, side));
    button->setAccessibleName(hint);
    button->setProperty(kGlyphProperty, static_cast<int>(glyph));
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(new EnterPresses(button));
    return button;
}

QToolButton* PictureButton(QWidget* parent, const char* objectName, Glyph glyph, const QString& toolTip,
                           QRect geometry) {
    QToolButton* button = HintedPictureButton(parent, objectName, glyph, toolTip, geometry);
    button->setToolTip(toolTip);
    return button;
}

QToolButton* PictureButton(QWidget* parent, const char* objectName, Glyph glyph, const QString& toolTip,
                           QSize size) {
    QToolButton* button = PictureButton(parent, objectName, glyph, toolTip, QRect(QPoint(), size));
    button->setFixedSize(size);
    return button;
}

QToolButton* HelpButtonOf(QWidget* window) {
    QToolButton* found = nullptr;
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        const QVariant glyph = button->property(kGlyphProperty);
        if (!glyph.isValid() || button->window() != window || !button->isVisibleTo(window) ||
            !button->isEnabled())
            continue;
        if (glyph.toInt() == static_cast<int>(Glyph::Info)) return button;
        if (glyph.toInt() == static_cast<int>(Glyph::Help) && !found) found = button;
    }
    return found;
}

}  // namespace tavix
