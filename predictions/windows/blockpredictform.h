#pragma once
// The block predictions window: a prediction for each game selected in a schedule list.

#include <QWidget>
#include <string>
#include <vector>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "predictions/block_predictions.h"

class QListWidget;
class QToolButton;

namespace tavix {

// Predictions for the schedule lines selected in the main window, all made while the window
// loads. `blockLines` are the selected schedule lines as the main list shows them.
class BlockPredictForm : public SubWindow {
    Q_OBJECT
  public:
    BlockPredictForm(AppContext& ctx, std::vector<BlockLine> blockLines);

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void PrintButton_Click();
    void DoneButton_Click();

    AppContext& ctx_;
    std::vector<BlockLine> BlockLines;
    std::vector<std::string> lines_;  // what List1 shows

    QListWidget* List1 = nullptr;
    QListWidget* ChanceList = nullptr;  // the favourite's chance beside each prediction
    QToolButton* PrintButton = nullptr;
    QToolButton* DoneButton = nullptr;
};

}  // namespace tavix
