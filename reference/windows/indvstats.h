#pragma once
// The team rosters window (Statistics > Team Rosters - Players / Coaching).

#include <QToolButton>
#include <QWidget>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "reference/rosters.h"

class QFrame;
class QListWidget;
class QPushButton;

namespace tavix {

// The team rosters: the roster text file as a scrollable fixed-pitch list that can be printed
// whole or by selected lines.
class IndvSTATS : public SubWindow {
    Q_OBJECT
  public:
    explicit IndvSTATS(AppContext& ctx);

    void Form_Load();
    void PrintButton_Click();
    void InfoButton_Click();
    void DoneButton_Click();

    QFrame* Panel3D1 = nullptr;
    QListWidget* List1 = nullptr;
    QToolButton* InfoButton = nullptr;
    QToolButton* PrintButton = nullptr;
    QToolButton* DoneButton = nullptr;

  protected:
    void Leave() override;

  private:
    // The file's lines, during a replay with the coaches of the evening shown.
    std::vector<std::string> Rosters(const RosterFile& file) const;

    AppContext& ctx_;
};

}  // namespace tavix
