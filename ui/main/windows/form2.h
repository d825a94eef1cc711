#pragma once
// The main window: menus, the picture tool bar with its hint labels, the schedule list and its
// buttons, the team panel, the standings list. It is also the one place sub-windows are opened
// and closed (WindowHost), and it owns the hourglass pointer and its waittimer.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "platform/app_context.h"
#include "ui/main/schedule_views.h"

namespace tavix {

class ReplayCommands;

class Form2 : public QMainWindow, public WindowHost {
    Q_OBJECT
  public:
    // The main window builds the program's context around itself, since it is the window host.
    Form2(NBA& nba, Dialogs& dialogs, Clock& clock, Timers& timers, PrinterProvider& printers,
          HelpLauncher& help, std::string dataDir);
    ~Form2() override;

    AppContext& Context() { return ctx_; }
    // The season replay's menu, its day line and its state.
    ReplayCommands& Replay() { return *replay_; }

    // Reads the data files into the league (statistics, schedule, names, then the settings at
    // settingsPath); one message when any data file failed. The window opens either way.
    LoadReport Form_Load(const std::string& settingsPath);

    // What Printer Setup runs: the program plugs in its printers' set-up dialog; without one the
    // item does nothing.
    void SetPrinterSetup(std::function<void()> setup) { printerSetup_ = std::move(setup); }

    // WindowHost
    void OpenSubWindow(QWidget* window, QWidget* owner = nullptr,
                       OwnerWhileOpen mode = OwnerWhileOpen::Disabled) override;
    void CloseSubWindow(QWidget* window) override;
    void StartWait() override;
    QWidget* MainWindow() override { return this; }
    bool Waiting() const { return waiting_; }
    // The sub-windows open now.
    std::vector<QWidget*> OpenSubWindows() const;
    // The open sub-window the user works in: the newest, which no other open sub-window disables
    // or hides. Null while none is open.
    QWidget* WorkingSubWindow() const;
    // Leaves every open sub-window the way its own close does, newest first, with the questions
    // it asks. False, with that window still open, when the user chose to stay.
    bool LeaveSubWindows();
    // F1: the help of `window`, through its help button; the help contents when it has none. A
    // window under an open sub-window gives the sub-window's help.
    void ShowWindowHelp(QWidget* window);
    // What every way of ending the program goes through: the open sub-windows are left, then the
    // settings saved. False when the user chose to stay.
    bool LeaveProgram();

    // The window's size in twips when it has no remembered size.
    static constexpr int kLoadWidth = 9555, kLoadHeight = 6315;

    // Menus (objectName = the name below).
    QMenu *Fmenu, *emenu, *smeu, *Monmenu, *STmenu, *rmenu, *hmenu;
    QAction *programmingmenu, *Settingsmenu, *printersetupmenu, *Exitmenu;
    std::array<QAction*, 4> editmenu{};  // 1..3
    QAction *Namesmenu, *newseasonmenu;
    QAction *fhalfschmenu, *Sechalfmenu, *teamschedulemenu;
    std::array<QAction*, kMonthViews> Monthlyschedulemenu{};
    QAction *Predictionsmenu, *ratingmenu, *updatemenu, *gatherstatmenu, *standingsmenu, *pseasonmenu,
        *Rostermenu;
    QAction *Plmenu, *Readingmenu, *websitemenu, *addressmenu;
    QAction *Infomenu, *searchmenu, *aboutmenu;

    // Controls.
    QWidget* Panel3D1;
    std::array<QToolButton*, 5> Toolbutton{};
    std::array<QLabel*, 5> Label1{};
    QToolButton* Command1;
    // The schedule list and the standings list, each with its buttons, exist from the first time
    // the list is shown.
    QListWidget* List1 = nullptr;
    // What List1 lists: its lines and the game each holds, kept so that no one reads a game back
    // out of the shown text.
    ScheduleList shownSchedule_;
    QToolButton* SchPrintButton = nullptr;
    QPushButton* Blockpredictbutton = nullptr;
    QToolButton* SchInfobutton = nullptr;
    QPushButton* SchDoneButton = nullptr;
    QListWidget* List2 = nullptr;
    QToolButton* StandPrintButton = nullptr;
    QPushButton* StandingDoneButton = nullptr;
    // The team panel and its controls exist from the first time the panel opens.
    QWidget* teamPanel = nullptr;
    QComboBox* Combo1 = nullptr;
    QGroupBox* schframe = nullptr;
    std::array<QRadioButton*, 3> schtype{};
    QPushButton* TeamSelButton = nullptr;
    QPushButton* TeamSelectCancel = nullptr;
    QLabel* Text1;
    QLabel* Shape1;
    std::unique_ptr<Timer> Timer1;
    std::unique_ptr<Timer> waittimer;

    enum TeamScheduleMode ScheduleMode() const { return teamScheduleMode_; }

    // Handlers, public so that tests can drive them like the user does.
    void Toolbutton_Click(int index);
    void Toolbutton_MouseMove(int index);
    void HideHints();
    void editmenu_Click(int index);
    void Exitmenu_Click();
    void fhalfschmenu_Click();
    void Sechalfmenu_Click();
    void Monthlyschedulemenu_Click(int index);
    void teamschedulemenu_Click();
    void TeamSelButton_Click();
    void TeamSelectCancel_Click();
    void SchDoneButton_Click();
    void SchPrintButton_Click();
    void SchInfobutton_Click();
    void Blockpredictbutton_Click();
    void standingsmenu_Click();
    void StandPrintButton_Click();
    void StandingDoneButton_Click();
    void aboutmenu_Click();
    void printersetupmenu_Click();

    void ShowScheduleList();
    void ListSchedule(ScheduleList list);
    void OpenTeamPanel();
    void CloseTeamPanel();
    void LeaveEmptyList();  // after the team panel closed without a team

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildMenus();
    void BuildControls();
    void BuildScheduleList();
    void BuildStandingsList();
    void BuildTeamPanel();
    void FollowView();
    void KeepMenusInView();
    QMenu* AddMenu(QMenu*& menu, const char* name, const char* caption);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, std::function<void()> handler);
    void AddSeparator(QMenu* menu, const char* name);
    template <class W>
    void Open(bool wait = false);
    // Whether an item of `menu` can be reached by the user now: the window is not greyed under a
    // sub-window and neither the menu nor a menu holding it is locked by the view on show.
    bool Reachable(const QMenu* menu) const;
    void waittimer_Timer();

    AppContext ctx_;
    ReplayCommands* replay_ = nullptr;
    std::function<void()> printerSetup_;
    bool leaving_ = false;  // the program is being ended and its sub-windows left
    enum TeamScheduleMode teamScheduleMode_ = TeamScheduleMode::AllGames;
    bool waiting_ = false;
    struct Opened {
        QPointer<QWidget> owner;
        OwnerWhileOpen mode;
    };
    std::map<QWidget*, Opened> open_;
    // The menus the view on show locks.
    std::set<const QMenu*> lockedMenus_;
    // The pages of the views: each is made with its controls.
    QStackedWidget* views_ = nullptr;
    QWidget* idlePage_ = nullptr;
    QWidget* schedulePage_ = nullptr;
    QWidget* standingsPage_ = nullptr;
    QWidget* teamPage_ = nullptr;
};

}  // namespace tavix
