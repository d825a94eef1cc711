#pragma once
// The play-off forecast: a fixed bracket of seven boxes from the four division leaders up to
// the favourite for the title, worked out once when the window opens.

#include <QToolButton>
#include <QWidget>
#include <array>

#include "forecast/playoff_forecast.h"
#include "platform/app_context.h"
#include "platform/sub_window.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tavix {

class Pseason : public SubWindow {
    Q_OBJECT
  public:
    explicit Pseason(AppContext& ctx);

    const PlayoffForecast& Forecast() const { return forecast_; }

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void DoneButton_Click();
    void InfoButton_Click();

    AppContext& ctx_;
    PlayoffForecast forecast_;

    std::array<QLabel*, kForecastBoxes + 1> label{};  // boxes 1..7
    std::array<QFrame*, 7> Shape1{};                  // frames around boxes 2, 1, 3, 4, 5, 6, 7
    std::array<QLabel*, 4> Label1{};
    std::array<QWidget*, 9> Line1{};  // horizontal connectors
    std::array<QWidget*, 3> Line2{};  // vertical connectors
    QToolButton* InfoButton = nullptr;
    QToolButton* DoneButton = nullptr;
};

}  // namespace tavix
