#pragma once
#include <QWidget>
#include <array>

#include "predictions/prediction_record.h"

namespace tavix {

// Bars of how often the favourite won for each predicted margin, the number of games under each
// bar and a line across at the home team's winning rate. Painted by hand: five bars and a line do
// not warrant a charting library.
class MarginChart : public QWidget {
  public:
    explicit MarginChart(QWidget* parent);
    void SetData(const std::array<MarginBucket, kMarginBuckets>& buckets, double homeRate);
    const std::array<MarginBucket, kMarginBuckets>& Buckets() const { return buckets_; }
    double HomeRate() const { return homeRate_; }  // percent

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<MarginBucket, kMarginBuckets> buckets_{};
    double homeRate_ = 0;
};

}  // namespace tavix
