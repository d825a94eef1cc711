#pragma once
// The play-off forecast: a fixed bracket of seven boxes from the four division leaders up to
// the favourite for the title, worked out once when the window opens; beside it each team's
// chances of the play-offs, its conference and the title from the evening the league stands on,
// and a chart of a team's chances through the season. The chances are worked out in the
// background, so the bracket shows at once.

#include <QToolButton>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "forecast/odds_job.h"
#include "forecast/odds_view.h"
#include "forecast/playoff_forecast.h"
#include "platform/app_context.h"
#include "platform/sub_window.h"

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace tavix {

class OddsChart;

class Pseason : public SubWindow {
    Q_OBJECT
  public:
    explicit Pseason(AppContext& ctx);

    const PlayoffForecast& Forecast() const { return forecast_; }
    // The job working out odds now, if any (tests wait for it).
    const OddsJob* RunningJob() const { return job_.get(); }
    // The simulated seasons behind each set of odds; tests take fewer.
    static inline long simulations = kOddsSimulations;

    QTabWidget* OddsTabs = nullptr;
    QListWidget* OddsList = nullptr;
    QComboBox* ChartTeam = nullptr;
    OddsChart* Chart = nullptr;
    QProgressBar* OddsProgress = nullptr;
    QPushButton* CancelButton = nullptr;

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void DoneButton_Click();
    void InfoButton_Click();
    void PrintButton_Click();
    void CancelButton_Click();
    void OddsTabs_Change();
    void ChartTeam_Change();
    void Poll();
    void StartChart();
    void ShowEveningOdds(const SeasonOdds& odds);
    void ShowChart(const std::vector<SeasonOdds>& days);
    enum class Work;
    // Runs `job` in the background, polled on the window's timer until it is done.
    void Begin(std::unique_ptr<OddsJob> job, Work work);

    AppContext& ctx_;
    PlayoffForecast forecast_;
    Date evening_;
    std::vector<SeasonGame> games_;
    std::string eveningKey_, chartKey_;
    enum class Work { None, Evening, Chart };
    Work working_ = Work::None;
    std::unique_ptr<OddsJob> job_;
    std::unique_ptr<Timer> poll_;
    int polls_ = 0;

    QWidget* Bracket = nullptr;
    std::array<QLabel*, kForecastBoxes + 1> label{};  // boxes 1..7
    std::array<QLabel*, 4> Label1{};
    QLabel* OddsCaption = nullptr;
    QToolButton* PrintButton = nullptr;
    QToolButton* InfoButton = nullptr;
    QToolButton* DoneButton = nullptr;
};

}  // namespace tavix
