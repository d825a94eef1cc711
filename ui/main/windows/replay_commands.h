#pragma once
// The season replay's commands in the main window: the Replay menu (choose a game day, step to the
// previous or next one, end the replay), the line that says which day is shown, and the guard that
// keeps the statistics commands from working on replay figures.

#include <QObject>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "statistics/season_replay.h"

class QAction;
class QCalendarWidget;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace tavix {

class Form2;

class ReplayCommands : public QObject {
    Q_OBJECT
  public:
    explicit ReplayCommands(Form2& form);
    ~ReplayCommands() override;

    QMenu* replaymenu;
    QAction *replaydaymenu, *replayprevmenu, *replaynextmenu, *replayendmenu;
    QLabel* ReplayLabel;  // on the tool bar panel while a replay is on

    bool Replaying() const { return replay_ != nullptr; }
    const SeasonReplay* Replay() const { return replay_.get(); }

    // Opens the day chooser; a message instead when the schedule holds no games.
    void replaydaymenu_Click();
    // Every window shows the league as it stood after the games of `day`, a league of the replay's
    // own; the main window's list follows at once.
    void ShowDay(const Date& day);
    void replayprevmenu_Click();
    void replaynextmenu_Click();
    // The windows show the user's own league again; the replayed one is dropped.
    void replayendmenu_Click();
    // Ctrl+Left (-1) or Ctrl+Right (+1) in any window: true when a replay took the key.
    bool StepDays(int days);

    // Before a command that changes the statistics: true when no replay is on, or the user agreed
    // to end it first (`command` names the command in the question).
    bool ConfirmEndBefore(const char* command);

  protected:
    // Every other window's title names the replayed day after its own.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Retitle(QWidget* window);
    void Step(const std::optional<Date>& day);
    void ShowState();
    void RefreshMainLists();

    Form2& form_;
    std::unique_ptr<SeasonReplay> replay_;
    std::optional<Date> lastShown_;  // where the day chooser opens, also after a replay ended
};

// The day chooser: a calendar of the season on which only game days can be taken.
class ReplayPicker : public SubWindow {
    Q_OBJECT
  public:
    ReplayPicker(ReplayCommands& commands, AppContext& ctx, std::vector<Date> days,
                 std::optional<Date> shown);

    QCalendarWidget* Calendar1;
    QLabel* DayLabel;
    QPushButton* ReplayButton;
    QPushButton* CancelButton;
    QToolButton* InfoButton;

    void Calendar1_Changed();
    void ReplayButton_Click();
    void CancelButton_Click();

  protected:
    void Leave() override;

  private:
    std::optional<Date> ChosenGameDay() const;

    ReplayCommands& commands_;
    AppContext& ctx_;
    std::vector<Date> days_;
};

}  // namespace tavix
