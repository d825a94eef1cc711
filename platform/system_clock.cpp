#include "platform/system_clock.h"

#include <QDate>
#include <QTimer>

namespace tavix {

Date SystemClock::Today() const {
    const QDate today = QDate::currentDate();
    return Date{today.year(), today.month(), today.day()};
}

namespace {

class QtTimer : public Timer {
  public:
    QtTimer(int intervalMs, std::function<void()> tick) {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
    }
    void Start() override { timer_.start(); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }
    int IntervalMs() const override { return timer_.interval(); }

  private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> SystemTimers::Make(int intervalMs, std::function<void()> tick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(tick));
}

}  // namespace tavix
