#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "predictions/prediction_record.h"

class QLabel;
class QListWidget;
class QSplitter;
class QToolButton;

namespace tavix {

class MarginChart;

// The prediction record: the summary, the chart and every game with a final score, all made from
// the schedule while the window loads.
class PredRecordForm : public SubWindow {
    Q_OBJECT
  public:
    explicit PredRecordForm(AppContext& ctx);

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void PrintButton_Click();
    void InfoButton_Click();
    void DoneButton_Click();

    AppContext& ctx_;
    std::vector<RecordedGame> record_;

    QSplitter* Splitter = nullptr;  // summary, chart and games share the height
    QListWidget* List2 = nullptr;   // the summary
    MarginChart* Chart1 = nullptr;
    QLabel* CalibrationLabel = nullptr;  // beside the chart: how often the favourite won, by chance
    QLabel* GamesHeading = nullptr;
    QListWidget* List1 = nullptr;       // the games, day by day
    QListWidget* ChanceList = nullptr;  // the favourite's chance beside each game
    QToolButton* PrintButton = nullptr;
    QToolButton* InfoButton = nullptr;
    QToolButton* DoneButton = nullptr;
};

}  // namespace tavix
