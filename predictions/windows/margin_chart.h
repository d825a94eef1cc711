#pragma once
#include <QWidget>
#include <array>
#include <optional>

#include "predictions/prediction_record.h"

namespace tavix {

// Bars of how often the favourite won for each predicted margin, the number of games under each
// bar and a line across at the home team's winning rate. Painted by hand: five bars and a line do
// not warrant a charting library.
class MarginChart : public QWidget {
  public:
    explicit MarginChart(QWidget* parent);
    // The home team's winning rate in percent; none when no game has a result.
    void SetData(const std::array<MarginBucket, kMarginBuckets>& buckets, std::optional<double> homeRate);
    const std::array<MarginBucket, kMarginBuckets>& Buckets() const { return buckets_; }
    std::optional<double> HomeRate() const { return homeRate_; }

    struct Colours {
        QColor bar, home, onBar;
    };
    // The bars', the home line's and the in-bar figures' colours on a light or a dark `background`.
    static Colours ColoursOn(const QColor& background);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<MarginBucket, kMarginBuckets> buckets_{};
    std::optional<double> homeRate_;
};

}  // namespace tavix
