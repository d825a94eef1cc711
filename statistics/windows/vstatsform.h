#pragma once
// The team ratings window (Statistics > Team Ratings - Sortable Database).

#include <QWidget>
#include <array>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "statistics/ratings_view.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace tavix {

// Team ratings: every club's record, percentage, averages and scoring margin, sorted by one of
// four figures, for the current or the previous season. The season button is the season switch
// every ratings calculation follows while this window is open.
class VStatsform : public SubWindow {
    Q_OBJECT
  public:
    explicit VStatsform(AppContext& ctx);

  protected:
    void Leave() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void Option1_Click(int index);
    void seasonbutton_Click();
    void HScroll1_Change(int value);
    void FitScrollRange();  // the bar reaches just far enough for the longest line in the shown width
    void List1_MouseDown();
    void PrintButton_Click();
    void donebutton_Click();
    SeasonView ShownSeason() const;
    void ShowLines(const std::vector<std::string>& lines);
    // Names the clubs whose margin is rated half on last season's averages, so the list adds up.
    void ShowBlendNote();

    AppContext& ctx_;

    QWidget* listArea_ = nullptr;  // the room the list slides sideways in
    QListWidget* List1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLabel* BlendNote = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 4> Option1{};
    QButtonGroup* optionGroup_ = nullptr;
    QPushButton* seasonbutton = nullptr;
    QToolButton* PrintButton = nullptr;
    QToolButton* donebutton = nullptr;
};

}  // namespace tavix
