#pragma once
// The two pictures of the rules window's court topic, drawn to scale from the court's real
// measurements so they stay sharp at any screen resolution.

#include <QRectF>
#include <QWidget>

class QPainter;

namespace tavix {

// The whole court, 94 by 50 feet, with both ends marked and the main distances labelled.
void PaintFullCourt(QPainter& painter, const QRectF& area);
// Where a point of the court (feet from the left baseline and from the top sideline) lies in the
// whole-court drawing of `area`.
QPointF FullCourtPoint(const QRectF& area, double along, double across);
// The area around one basket (baseline at the top), its measurements written beside it.
void PaintBasketArea(QPainter& painter, const QRectF& area);

// A picture control showing one of the drawings, filling its own size.
class CourtPicture : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { FullCourt, BasketArea };
    CourtPicture(Kind kind, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind kind_;
};

}  // namespace tavix
