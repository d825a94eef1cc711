#include "ui/main/windows/form2.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSessionManager>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "forecast/windows/pseason.h"
#include "platform/accessible.h"
#include "platform/list_text.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/program_keys.h"
#include "platform/show_window.h"
#include "platform/sub_window.h"
#include "platform/twips.h"
#include "platform/window_help.h"
#include "predictions/block_predictions.h"
#include "predictions/windows/blockpredictform.h"
#include "predictions/windows/predictions.h"
#include "predictions/windows/predrecordform.h"
#include "reference/windows/addresses.h"
#include "reference/windows/indvstats.h"
#include "reference/windows/namesform.h"
#include "reference/windows/programmers.h"
#include "reference/windows/reading.h"
#include "reference/windows/textrulesform.h"
#include "reference/windows/webform.h"
#include "settings/windows/settingsform.h"
#include "statistics/standings.h"
#include "statistics/windows/season_commands.h"
#include "statistics/windows/statform.h"
#include "statistics/windows/vstatsform.h"
#include "ui/main/windows/artwork.h"
#include "ui/main/windows/form1.h"
#include "ui/main/windows/replay_commands.h"

namespace tavix {
namespace {

// Whether a control that may not have been made yet is on show.
bool Showing(const QWidget* widget) { return widget && !widget->isHidden(); }

const char* const kHints[5] = {"Schedules", "Update Stats", "Predictions", "Standings", "Help && Info"};
const char* const kToolTips[5] = {"Schedules", "Update Stats", "Predictions", "Standings", "Help & Info"};
const Glyph kToolGlyphs[5] = {Glyph::Calendar, Glyph::Pencil, Glyph::Crystal, Glyph::Podium, Glyph::Help};

// A hint under a tool button, in the colours of a tool tip in a thin box. Painted by hand, since a
// style sheet would put the whole window through the slower style-sheet style.
class HintLabel : public QLabel {
  public:
    HintLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::ToolTipBase);
        setForegroundRole(QPalette::ToolTipText);
        setContentsMargins(1, 1, 1, 1);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter p(this);
        p.setPen(palette().color(QPalette::ToolTipText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QPushButton* TextButton(QWidget* parent, const char* name, const char* caption, QRect where) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // At least as wide as drawn, wider when the caption needs it.
    button->setMinimumWidth(where.width());
    button->setMinimumHeight(where.height());
    return button;
}

// A list filling its page with its buttons in a row under it, Done at the right.
void LayOutList(QWidget* page, QListWidget* list, std::initializer_list<QWidget*> left, QWidget* done) {
    auto* rows = new QVBoxLayout(page);
    rows->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : left) {
        if (qobject_cast<QToolButton*>(w)) w->setFixedSize(w->size());
        buttons->addWidget(w);
    }
    buttons->addStretch(1);
    buttons->addWidget(done);
    rows->addLayout(buttons);
}

}  // namespace

Form2::Form2(NBA& nba, Dialogs& dialogs, Clock& clock, Timers& timers, PrinterProvider& printers,
             HelpLauncher& help, std::string dataDir)
    : ctx_{nba, dialogs, clock, timers, printers, help, *this, std::move(dataDir)} {
    setObjectName("Form2");
    setWindowTitle("Tavix");
    BuildMenus();
    BuildControls();
    replay_ = new ReplayCommands(*this);
    KeepMenusInView();
    // Ctrl+P prints the list on show, as its printer button does (the lists are made when first shown).
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, [this] {
        for (QAbstractButton* print :
             {static_cast<QAbstractButton*>(SchPrintButton), static_cast<QAbstractButton*>(StandPrintButton)})
            if (print && print->isVisible() && print->isEnabled()) return print->click();
    });
    resize(TwipsSize(kLoadWidth, kLoadHeight).expandedTo(minimumSizeHint()));
    // Esc leaves a sub-window the way its close button does, through its own questions.
    new ProgramKeys([this](QWidget* window) { ShowWindowHelp(window); }, [this] { Exitmenu_Click(); },
                    [this](QWidget* window) {
                        if (!open_.count(window)) return false;
                        window->close();
                        return true;
                    },
                    [this](int days) { return replay_->StepDays(days); }, this);
    // The desktop session ending is one more way of leaving: typed work gets its questions first.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!session.allowsInteraction()) {
            // No question may be asked now: the settings are kept, typed figures stay unrecorded.
            SaveSettings(ctx_.ownLeague);
            return;
        }
        if (!LeaveProgram()) session.cancel();
    });
}

Form2::~Form2() {
    // Sub-windows are top-level widgets of their own; they go with the main window.
    auto open = std::move(open_);
    for (auto& [window, opened] : open) delete window;
    if (waiting_) QGuiApplication::restoreOverrideCursor();
}

LoadReport Form2::Form_Load(const std::string& settingsPath) {
    if (!RestorePlace(this)) {
        resize(TwipsSize(kLoadWidth, kLoadHeight).expandedTo(minimumSizeHint()));
        CentreOnScreen(this);
    }
    KeepOnScreen(this);
    LoadReport report = LoadLeague(ctx_.dataDir, settingsPath, ctx_.ownLeague);
    if (report.NeedsLoadingMessage())
        ctx_.dialogs.Show(LoadingMessage(report), kLoadingMessageTitle, Buttons::Ok, Icon::Exclamation);
    else if (const std::string unknown = UnknownGamesMessage(*ctx_.ownLeague.schedule); !unknown.empty())
        ctx_.dialogs.Show(unknown, kLoadingMessageTitle, Buttons::Ok, Icon::Exclamation);
    return report;
}

// ---- Building -----------------------------------------------------------------------------

QMenu* Form2::AddMenu(QMenu*& menu, const char* name, const char* caption) {
    menu = menuBar()->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Form2::AddItem(QMenu* menu, const char* name, const char* caption, std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(name);
    // The accessibility bus can press an item no user could reach: refuse it as the greyed menu would.
    connect(action, &QAction::triggered, this, [this, menu, handler = std::move(handler)] {
        if (Reachable(menu)) handler();
    });
    return action;
}

void Form2::AddSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); }

template <class W>
void Form2::Open(bool wait) {
    if (wait) StartWait();
    OpenSubWindow(new W(ctx_));
}

void Form2::BuildMenus() {
    AddMenu(Fmenu, "Fmenu", "&File");
    programmingmenu =
        AddItem(Fmenu, "programmingmenu", "Programming &Information", [this] { Open<programmers>(); });
    AddSeparator(Fmenu, "dashmenu");
    Settingsmenu = AddItem(Fmenu, "Settingsmenu", "Tavix &Settings", [this] { Open<Settingsform>(true); });
    printersetupmenu =
        AddItem(Fmenu, "printersetupmenu", "&Printer Setup", [this] { printersetupmenu_Click(); });
    AddSeparator(Fmenu, "b1");
    Exitmenu = AddItem(Fmenu, "Exitmenu", "E&xit", [this] { Exitmenu_Click(); });
    Exitmenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    AddMenu(emenu, "emenu", "&Edit  ");
    const char* const editCaptions[4] = {nullptr, "Cu&t", "&Copy", "&Paste"};
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "editmenu(" + std::to_string(i) + ")";
        editmenu[i] = AddItem(emenu, name.c_str(), editCaptions[i], [this, i] { editmenu_Click(i); });
    }
    AddSeparator(emenu, "b3");
    Namesmenu = AddItem(emenu, "Namesmenu", "Edit &Names && Locations", [this] { Open<Namesform>(); });
    newseasonmenu = AddItem(emenu, "newseasonmenu", "New S&eason Setup", [this] {
        if (replay_->ConfirmEndBefore("New Season Setup")) RunNewSeason(ctx_);
    });

    AddMenu(smeu, "smeu", "&Schedules/Predictions");
    fhalfschmenu =
        AddItem(smeu, "fhalfschmenu", "* &First Half Season (Nov - Jan)", [this] { fhalfschmenu_Click(); });
    Sechalfmenu = AddItem(smeu, "Sechalfmenu", "&Second half of the Season (Feb - May)",
                          [this] { Sechalfmenu_Click(); });
    Monmenu = smeu->addMenu("Schedules by &Month");
    Monmenu->setObjectName("Monmenu");
    Monmenu->menuAction()->setObjectName("Monmenu");
    const char* const months[kMonthViews] = {"* &November", "* &December", "* &January",
                                             "&February",   "&March",      "&April / May"};
    for (int i = 0; i < kMonthViews; ++i) {
        const std::string name = "Monthlyschedulemenu(" + std::to_string(i) + ")";
        Monthlyschedulemenu[i] =
            AddItem(Monmenu, name.c_str(), months[i], [this, i] { Monthlyschedulemenu_Click(i); });
    }
    teamschedulemenu =
        AddItem(smeu, "teamschedulemenu", "&Team Schedules", [this] { teamschedulemenu_Click(); });
    // The star marks the months the 1998-99 lockout left without games; say so where it is seen.
    const QString noGames = "* No games: the lockout put off the season's first games to 5 February 1999";
    for (QAction* starred :
         {fhalfschmenu, Monthlyschedulemenu[0], Monthlyschedulemenu[1], Monthlyschedulemenu[2]}) {
        starred->setToolTip(noGames);
        starred->setStatusTip(noGames);
    }
    smeu->setToolTipsVisible(true);
    Monmenu->setToolTipsVisible(true);

    AddMenu(STmenu, "STmenu", "S&tatistics  ");
    Predictionsmenu =
        AddItem(STmenu, "Predictionsmenu", "Single Game &Predictions", [this] { Open<predictions>(true); });
    AddItem(STmenu, "recordmenu", "Prediction Re&cord", [this] { Open<PredRecordForm>(true); });
    AddSeparator(STmenu, "dash");
    ratingmenu = AddItem(STmenu, "ratingmenu", "Team &Ratings  - Sortable Database",
                         [this] { Open<VStatsform>(true); });
    AddSeparator(STmenu, "sp");
    updatemenu = AddItem(STmenu, "updatemenu", "&Update Statistics", [this] {
        if (replay_->ConfirmEndBefore("Update Statistics")) Open<statform>();
    });
    gatherstatmenu =
        AddItem(STmenu, "gatherstatmenu", "Statistics &Form", [this] { PrintGatheringForm(ctx_); });
    AddSeparator(STmenu, "s2");
    standingsmenu = AddItem(STmenu, "standingsmenu", "&View Standings", [this] { standingsmenu_Click(); });
    AddSeparator(STmenu, "sepbar1");
    pseasonmenu = AddItem(STmenu, "pseasonmenu", "Play-&Off Forecast ", [this] { Open<Pseason>(true); });
    AddSeparator(STmenu, "sepbar2");
    Rostermenu = AddItem(STmenu, "Rostermenu", "Team Ro&sters - Players / Coaching",
                         [this] { Open<IndvSTATS>(true); });

    AddMenu(rmenu, "rmenu", "&Rules && Info...  ");
    Plmenu = AddItem(rmenu, "Plmenu", " &Game && Player Rules", [this] { Open<textrulesform>(); });
    Readingmenu =
        AddItem(rmenu, "Readingmenu", " Recommended R&eading", [this] { ShowRecommendedReading(ctx_); });
    AddSeparator(rmenu, "s1");
    websitemenu = AddItem(rmenu, "websitemenu", "Recommended &Web Sites", [this] { Open<webform>(); });
    addressmenu = AddItem(rmenu, "addressmenu", "Team &Mailing Addresses", [this] { Open<Addresses>(true); });

    AddMenu(hmenu, "hmenu", "  &Help");
    Infomenu = AddItem(hmenu, "Infomenu", "&Help Contents",
                       [this] { ctx_.help.ShowHelpTopic(HelpKeyword::Contents); });
    searchmenu =
        AddItem(hmenu, "searchmenu", "&Search for Help on...", [this] { ctx_.help.ShowHelpSearch(); });
    AddSeparator(hmenu, "b2");
    aboutmenu = AddItem(hmenu, "aboutmenu", "&About Tavix", [this] { aboutmenu_Click(); });
}

void Form2::BuildControls() {
    auto* central = new QWidget(this);
    central->setObjectName("central");
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setCentralWidget(central);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    Panel3D1 = new QFrame(central);
    Panel3D1->setObjectName("Panel3D1");
    SetPanelFrame(static_cast<QFrame*>(Panel3D1), QFrame::Raised);
    Panel3D1->setAutoFillBackground(true);
    Panel3D1->setMouseTracking(true);
    Panel3D1->installEventFilter(this);
    rows->addWidget(Panel3D1);
    // The buttons in a row with their hints under them; a hidden hint keeps its room, so the bar
    // does not jump when one shows.
    auto* bar = new QGridLayout(Panel3D1);
    bar->setContentsMargins(Twips(180), Twips(60), Twips(180), Twips(30));
    bar->setHorizontalSpacing(Twips(120));
    bar->setVerticalSpacing(Twips(15));
    for (int i = 0; i < 5; ++i) {
        const std::string name = "Toolbutton(" + std::to_string(i) + ")";
        Toolbutton[i] = HintedPictureButton(Panel3D1, name.c_str(), kToolGlyphs[i], kToolTips[i],
                                            TwipsRect(0, 0, 780, 615));
        Toolbutton[i]->setFixedSize(TwipsSize(780, 615));
        Toolbutton[i]->setAutoRaise(true);
        Toolbutton[i]->installEventFilter(this);
        connect(Toolbutton[i], &QToolButton::clicked, this, [this, i] { Toolbutton_Click(i); });
        bar->addWidget(Toolbutton[i], 0, i, Qt::AlignHCenter);

        const std::string label = "Label1(" + std::to_string(i) + ")";
        // A label shows "&&" as one ampersand only when it does not take "&" as a mnemonic.
        Label1[i] = new HintLabel(QString(kHints[i]).replace("&&", "&"), Panel3D1);
        Label1[i]->setObjectName(Latin1(label));
        Label1[i]->setTextFormat(Qt::PlainText);
        Label1[i]->setAlignment(Qt::AlignCenter);
        Label1[i]->setContentsMargins(Twips(60), 1, Twips(60), 1);
        QSizePolicy keepRoom = Label1[i]->sizePolicy();
        keepRoom.setRetainSizeWhenHidden(true);
        Label1[i]->setSizePolicy(keepRoom);
        Label1[i]->hide();
        bar->addWidget(Label1[i], 1, i, Qt::AlignHCenter);
    }
    bar->setColumnStretch(5, 1);
    Command1 =
        PictureButton(Panel3D1, "Command1", Glyph::Globe, "Recommended Web Sites", TwipsRect(0, 0, 780, 615));
    Command1->setFixedSize(TwipsSize(780, 615));
    Command1->setAutoRaise(true);
    connect(Command1, &QToolButton::clicked, this, [this] { Open<webform>(); });
    bar->addWidget(Command1, 0, 6);

    // One view at a time under the bar: the idle picture, a schedule, the standings or the team
    // panel.
    views_ = new QStackedWidget(central);
    views_->setObjectName("views");
    rows->addWidget(views_, 1);
    idlePage_ = new QWidget(views_);
    views_->addWidget(idlePage_);
    idlePage_->setObjectName("idlePage");
    auto* idle = new QVBoxLayout(idlePage_);
    // Decoration of the idle window: a faint ball and the season's name.
    Shape1 = new art::PaintedLabel(art::PaintCourtEmblem, "A basketball", idlePage_);
    Shape1->setObjectName("Shape1");
    Shape1->setMinimumSize(TwipsSize(1800, 1300));
    Shape1->setMaximumSize(TwipsSize(3755, 2700));
    Shape1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    idle->addWidget(Shape1, 1, Qt::AlignCenter);
    Text1 = new QLabel("NBA season 1998-99  \u2022  choose a schedule, the standings or a statistics window",
                       idlePage_);
    Text1->setObjectName("Text1");
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setWordWrap(true);
    Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
    idle->addWidget(Text1);

    Timer1 = ctx_.timers.Make(5000, [this] { HideHints(); });
    Timer1->Start();
    waittimer = ctx_.timers.Make(600, [this] { waittimer_Timer(); });
}

// The schedule list and the standings list, each with its buttons, are made the first time they
// are shown: until then the main window has no use for them, and a list costs start-up time.
void Form2::BuildScheduleList() {
    schedulePage_ = new QWidget(views_);
    views_->addWidget(schedulePage_);
    schedulePage_->setObjectName("schedulePage");
    QWidget* page = schedulePage_;
    List1 = new QListWidget(page);
    List1->setObjectName("List1");
    List1->setAccessibleName("Schedule");
    List1->setFont(FixedPitchFont(9));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // One fixed-pitch line per item: the list need not measure each of its hundreds of lines again
    // whenever one changes (a replay step changes a dozen scores).
    List1->setUniformItemSizes(true);
    List1->hide();
    List1->installEventFilter(this);

    SchPrintButton =
        PictureButton(page, "SchPrintButton", Glyph::Printer, "Print Listing", TwipsRect(0, 0, 615, 495));
    connect(SchPrintButton, &QToolButton::clicked, this, [this] { SchPrintButton_Click(); });
    Blockpredictbutton =
        TextButton(page, "Blockpredictbutton", "Game Predictions", TwipsRect(0, 0, 2100, 495));
    Blockpredictbutton->setToolTip("Generate predictions for selected games");
    connect(Blockpredictbutton, &QPushButton::clicked, this, [this] { Blockpredictbutton_Click(); });
    SchInfobutton = PictureButton(page, "SchInfobutton", Glyph::Info, "Help on printing lists",
                                  TwipsRect(0, 0, 615, 495));
    connect(SchInfobutton, &QToolButton::clicked, this, [this] { SchInfobutton_Click(); });
    SchDoneButton = TextButton(page, "SchDoneButton", "&Done", TwipsRect(0, 0, 1320, 495));
    connect(SchDoneButton, &QPushButton::clicked, this, [this] { SchDoneButton_Click(); });
    for (QWidget* w :
         std::initializer_list<QWidget*>{SchPrintButton, Blockpredictbutton, SchInfobutton, SchDoneButton}) {
        w->setEnabled(false);
        w->hide();
    }
    LayOutList(page, List1, {SchPrintButton, Blockpredictbutton, SchInfobutton}, SchDoneButton);
}

void Form2::BuildStandingsList() {
    standingsPage_ = new QWidget(views_);
    views_->addWidget(standingsPage_);
    standingsPage_->setObjectName("standingsPage");
    QWidget* page = standingsPage_;
    List2 = new QListWidget(page);
    List2->setObjectName("List2");
    List2->setAccessibleName("Standings");
    List2->setFont(FixedPitchFont(9));
    List2->setSelectionMode(QAbstractItemView::SingleSelection);
    List2->hide();
    List2->installEventFilter(this);
    StandPrintButton =
        PictureButton(page, "StandPrintButton", Glyph::Printer, "Print Standings", TwipsRect(0, 0, 615, 495));
    connect(StandPrintButton, &QToolButton::clicked, this, [this] { StandPrintButton_Click(); });
    StandingDoneButton = TextButton(page, "StandingDoneButton", "&Done", TwipsRect(0, 0, 1320, 495));
    connect(StandingDoneButton, &QPushButton::clicked, this, [this] { StandingDoneButton_Click(); });
    for (QWidget* w : std::initializer_list<QWidget*>{StandPrintButton, StandingDoneButton}) {
        w->setEnabled(false);
        w->hide();
    }
    LayOutList(page, List2, {StandPrintButton}, StandingDoneButton);
}

// The team panel stands over the list area while a team is chosen. Most runs never open it, so it
// is made the first time it is needed.
void Form2::BuildTeamPanel() {
    teamPage_ = new QWidget(views_);
    views_->addWidget(teamPage_);
    teamPage_->setObjectName("teamPage");
    auto* centred = new QGridLayout(teamPage_);
    auto* panel = new QFrame(teamPage_);
    teamPanel = panel;
    panel->setObjectName("teamPanel");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    centred->addWidget(panel, 1, 1);
    centred->setRowStretch(0, 1);
    centred->setRowStretch(2, 1);
    centred->setColumnStretch(0, 1);
    centred->setColumnStretch(2, 1);
    auto* grid = new QGridLayout(panel);
    UseWindowMargins(grid);
    auto* heading = new QLabel("Choose a team and the games to list:", panel);
    grid->addWidget(heading, 0, 0, 1, 2);
    Combo1 = new QComboBox(panel);
    Combo1->setObjectName("Combo1");
    Combo1->setAccessibleName("Team");
    Combo1->setEditable(true);
    Combo1->lineEdit()->setAccessibleName("Team");
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(12);
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(Combo1, 1, 0);
    // Enter is taken before the combo sees it: the combo would first put its current item (the
    // first team) in place of the prompt, and Enter on the prompt must only beep.
    Combo1->installEventFilter(this);
    Combo1->lineEdit()->installEventFilter(this);
    schframe = new QGroupBox("Schedule Type", panel);
    schframe->setObjectName("schframe");
    auto* types = new QVBoxLayout(schframe);
    const char* const typeNames[3] = {"All Games", "Home", "Away"};
    for (int i = 0; i < 3; ++i) {
        schtype[i] = new QRadioButton(typeNames[i], schframe);
        schtype[i]->setObjectName(QString("schtype(%1)").arg(i));
        types->addWidget(schtype[i]);
    }
    grid->addWidget(schframe, 2, 0);
    TeamSelButton = TextButton(panel, "TeamSelButton", "&Show Schedule", TwipsRect(0, 0, 1860, 450));
    TeamSelButton->setToolTip("Show list for selected team");
    connect(TeamSelButton, &QPushButton::clicked, this, [this] { TeamSelButton_Click(); });
    TeamSelectCancel = TextButton(panel, "TeamSelectCancel", "Cancel", TwipsRect(0, 0, 1860, 450));
    connect(TeamSelectCancel, &QPushButton::clicked, this, [this] { TeamSelectCancel_Click(); });
    grid->addWidget(TeamSelButton, 1, 1);
    grid->addWidget(TeamSelectCancel, 2, 1, Qt::AlignTop);
    teamPanel->hide();
    teamPanel->installEventFilter(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Combo1, schframe, TeamSelButton, TeamSelectCancel}) {
        w->setEnabled(false);
        w->hide();
    }
}

// ---- Window host --------------------------------------------------------------------------

void Form2::OpenSubWindow(QWidget* window, QWidget* owner, OwnerWhileOpen mode) {
    if (!owner) owner = this;
    open_[window] = {owner, mode};
    // The splash keeps its own frameless look and place.
    const bool splash = window->windowType() == Qt::SplashScreen;
    if (!splash) BelongTo(window, owner);
    // A screen reader reads it as a dialog over the main window, titled as it is.
    if (!qobject_cast<QDialog*>(window)) SetAccessible(window, QAccessible::Dialog);
    window->setEnabled(true);
    ShowWindow(window);
    // Where the user last left it, otherwise in the middle; either way wholly on the screen.
    if (!splash && !RestorePlace(window)) CentreOnScreen(window);
    KeepOnScreen(window);
    window->raise();
    window->activateWindow();
    if (mode == OwnerWhileOpen::Hidden)
        owner->hide();
    else
        owner->setEnabled(false);
}

void Form2::CloseSubWindow(QWidget* window) {
    auto it = open_.find(window);
    if (it != open_.end()) {
        if (QWidget* owner = it->second.owner) {
            if (it->second.mode == OwnerWhileOpen::Hidden) ShowWindow(owner);
            owner->setEnabled(true);
            owner->raise();
            owner->activateWindow();
        }
        open_.erase(it);
    }
    window->setEnabled(false);
    window->hide();
    window->deleteLater();
}

std::vector<QWidget*> Form2::OpenSubWindows() const {
    std::vector<QWidget*> windows;
    for (const auto& [window, opened] : open_) windows.push_back(window);
    return windows;
}

QWidget* Form2::WorkingSubWindow() const {
    for (const auto& [window, opened] : open_) {
        bool owns = false;
        for (const auto& [other, otherOpened] : open_) owns = owns || otherOpened.owner == window;
        if (!owns) return window;
    }
    return nullptr;
}

bool Form2::LeaveSubWindows() {
    while (QWidget* window = WorkingSubWindow()) {
        window->close();  // the window's own leaving, with its questions
        if (open_.count(window)) return false;
    }
    return true;
}

void Form2::ShowWindowHelp(QWidget* window) {
    if (QWidget* working = WorkingSubWindow(); working && (!window->isEnabled() || window->isHidden()))
        window = working;
    if (window == this) {
        // Help & Info says nothing while the standings are up, so F1 does not go through it.
        if (Showing(SchInfobutton) && SchInfobutton->isEnabled())
            SchInfobutton_Click();
        else if (Showing(List2))
            ctx_.help.ShowHelpTopic(HelpKeyword::Standings);
        else
            ctx_.help.ShowHelpTopic(HelpKeyword::Contents);
        return;
    }
    if (QToolButton* button = HelpButtonOf(window))
        button->click();
    else if (const QString keyword = HelpKeywordOf(window); !keyword.isEmpty())
        ctx_.help.ShowHelpTopic(keyword.toStdString());
    else
        ctx_.help.ShowHelpTopic(HelpKeyword::Contents);
}

void Form2::StartWait() {
    if (!waiting_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    waiting_ = true;
    waittimer->Start();
}

void Form2::waittimer_Timer() {
    if (waiting_) QGuiApplication::restoreOverrideCursor();
    waiting_ = false;
    waittimer->Stop();
}

// ---- Window events ------------------------------------------------------------------------

void Form2::closeEvent(QCloseEvent* event) {
    // Closing the main window is leaving the program, the same way Exit does, questions and all.
    event->ignore();
    Exitmenu_Click();
}

// What is on show decides, in this one place, which page the window shows and what the user can
// reach over it: the team panel over a schedule, a schedule, the standings, or the idle picture.
// Nothing else turns a menu or a tool button on or off, so no window opening or closing over the
// main window, nor the order of the handlers, can leave a menu on that the view has no room for.
void Form2::FollowView() {
    QWidget* page = idlePage_;
    if (Showing(teamPanel))
        page = teamPage_;
    else if (Showing(List2))
        page = standingsPage_;
    else if (Showing(List1))
        page = schedulePage_;
    if (views_->currentWidget() != page) views_->setCurrentWidget(page);
    lockedMenus_.clear();
    if (page == standingsPage_)
        lockedMenus_ = {emenu, smeu, STmenu, rmenu};
    else if (page != idlePage_)
        lockedMenus_ = {emenu, STmenu, rmenu};
    // A disabled menu stays so when the window around it is enabled again, so its title in the
    // menu bar does too.
    for (QMenu* menu : {emenu, smeu, STmenu, rmenu}) menu->setEnabled(!lockedMenus_.count(menu));
    for (int i = 0; i <= 3; ++i)
        Toolbutton[i]->setEnabled(page == idlePage_ || (i == 0 && page != standingsPage_));
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) &&
        (watched == List1 || watched == List2 || (teamPanel && watched == teamPanel)))
        FollowView();
    // A tool button's hint shows for the pointer on it, and for the keyboard's focus reaching it.
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove ||
        event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 5; ++i) {
            if (watched == Toolbutton[i]) {
                Toolbutton_MouseMove(i);
                return false;
            }
        }
        if (event->type() == QEvent::MouseMove && (watched == Panel3D1 || watched == centralWidget()))
            HideHints();
    }
    // Keys come to the combo (it has the focus for its text box); double clicks to the text box.
    if (Combo1 && (watched == Combo1 || watched == Combo1->lineEdit())) {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
        if (event->type() == QEvent::MouseButtonDblClick || key == Qt::Key_Return || key == Qt::Key_Enter) {
            TeamSelButton_Click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            TeamSelectCancel_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Tool bar -----------------------------------------------------------------------------

void Form2::Toolbutton_Click(int index) {
    if (Showing(List2)) return;
    switch (index) {
        case 0:
            Sechalfmenu_Click();
            break;
        case 1:
            if (STmenu->menuAction()->isEnabled()) updatemenu->trigger();
            break;
        case 2:
            if (!Showing(List1)) Predictionsmenu->trigger();
            break;
        case 3:
            if (!Showing(List1) && !Showing(List2)) standingsmenu_Click();
            break;
        case 4:
            Infomenu->trigger();
            break;
        default:
            break;
    }
}

void Form2::Toolbutton_MouseMove(int index) {
    // Hints only while nothing else is going on.
    if (!smeu->menuAction()->isEnabled() || !STmenu->menuAction()->isEnabled()) return;
    for (int i = 0; i < 5; ++i) Label1[i]->setVisible(i == index);
}

void Form2::HideHints() {
    for (QLabel* label : Label1) label->hide();
}

bool Form2::Reachable(const QMenu* menu) const {
    if (!isEnabled()) return false;
    for (auto* m = menu; m; m = qobject_cast<const QMenu*>(m->parentWidget()))
        if (lockedMenus_.count(m) || !m->menuAction()->isEnabled()) return false;
    return true;
}

// The window is never narrower than its menu bar, so no menu (Help last) hides behind the bar's
// "more" button, whatever the font.
void Form2::KeepMenusInView() { setMinimumWidth(menuBar()->sizeHint().width()); }

void Form2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) KeepMenusInView();
    // Restored from the task bar, the desktop hands the greyed main window the focus: pass it on
    // to the window the user was working in.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled())
        if (QWidget* working = WorkingSubWindow())
            QTimer::singleShot(0, working, [working] {
                working->raise();
                working->activateWindow();
            });
    QMainWindow::changeEvent(event);
}

// ---- Edit, exit, printer, about -----------------------------------------------------------

void Form2::editmenu_Click(int index) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->isEditable())
        focus = combo->lineEdit();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        if (index == 1 || index == 2) {
            clipboard->clear();
            clipboard->setText(line->selectedText());
        }
        if (index == 1) line->insert(QString());
        if (index == 3) line->insert(clipboard->text());
        return;
    }
    QTextCursor cursor;
    if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        cursor = text->textCursor();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        cursor = plain->textCursor();
    } else {
        return;  // not a text box: nothing to cut, copy or paste
    }
    if (index == 1 || index == 2) {
        clipboard->clear();
        // Paragraph separators stand for line ends in a selection.
        clipboard->setText(cursor.selectedText().replace(QChar(0x2029), '\n'));
    }
    if (index == 1) cursor.insertText(QString());
    if (index == 3) cursor.insertText(clipboard->text());
    if (auto* text = qobject_cast<QTextEdit*>(focus)) text->setTextCursor(cursor);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) plain->setTextCursor(cursor);
}

void Form2::Exitmenu_Click() {
    if (LeaveProgram()) QCoreApplication::exit(0);
}

bool Form2::LeaveProgram() {
    // Asked again while a sub-window's question is up, it would ask that question twice.
    if (leaving_) return false;
    QScopedValueRollback<bool> leaving(leaving_, true);
    // An open sub-window may hold typed work: it is left first, as its own close button would,
    // and the user may still choose to stay.
    if (!LeaveSubWindows()) return false;
    // A read-only run told the user so when it opened; leaving is no attempt to save.
    if (ctx_.ownLeague.readOnly.empty()) SaveSettingsAndTell(ctx_);
    RememberPlace(this);
    return true;
}

void Form2::printersetupmenu_Click() {
    if (printerSetup_) printerSetup_();
}

void Form2::aboutmenu_Click() {
    StartWait();
    auto* splash = new Form1(ctx_);
    OpenSubWindow(splash);
    splash->setFocus();
}

// ---- Schedule views -----------------------------------------------------------------------

void Form2::ShowScheduleList() {
    // A schedule chosen from the menu while the team panel is up takes its place.
    if (Showing(teamPanel)) {
        teamPanel->hide();
        for (QWidget* w :
             std::initializer_list<QWidget*>{Combo1, schframe, TeamSelButton, TeamSelectCancel}) {
            w->setEnabled(false);
            w->hide();
        }
    }
    if (!List1) BuildScheduleList();
    List1->clear();
    shownSchedule_ = {};
    List1->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{SchPrintButton, Blockpredictbutton, SchDoneButton, SchInfobutton}) {
        w->show();
        w->setEnabled(true);
    }
    FollowView();
}

void Form2::ListSchedule(ScheduleList list) {
    shownSchedule_ = std::move(list);
    AddLines(List1, shownSchedule_.lines);
}

void Form2::fhalfschmenu_Click() {
    ShowScheduleList();
    ListSchedule(FirstHalfLines(ctx_.League()));
}

void Form2::Sechalfmenu_Click() {
    ShowScheduleList();
    ListSchedule(SecondHalfLines(ctx_.League()));
}

void Form2::Monthlyschedulemenu_Click(int index) {
    ShowScheduleList();
    ListSchedule(MonthLines(ctx_.League(), index));
}

void Form2::OpenTeamPanel() {
    if (!teamPanel) BuildTeamPanel();
    Combo1->setEnabled(true);
    Combo1->clear();
    Combo1->setMaxVisibleItems(std::max(4, Twips(2595) / std::max(1, Combo1->fontMetrics().height() + 4)));
    QStringList items;
    for (const auto& item : TeamComboItems(ctx_.League())) items << Latin1(item);
    Combo1->addItems(items);
    teamPanel->show();
    teamPanel->raise();
    Combo1->show();
    for (QWidget* w : std::initializer_list<QWidget*>{TeamSelectCancel, TeamSelButton, schframe}) {
        w->setEnabled(true);
        w->show();
    }
    teamScheduleMode_ = TeamScheduleMode::AllGames;
    schtype[0]->setChecked(true);
}

void Form2::CloseTeamPanel() {
    if (teamPanel) {
        for (QWidget* w :
             std::initializer_list<QWidget*>{schframe, Combo1, TeamSelectCancel, TeamSelButton}) {
            w->hide();
            w->setEnabled(false);
        }
        teamPanel->hide();
    }
    FollowView();
    SchDoneButton->hide();
    SchPrintButton->hide();
    Blockpredictbutton->hide();
    Blockpredictbutton->setEnabled(false);
}

void Form2::teamschedulemenu_Click() {
    // The team's schedule goes into the schedule list, whose buttons the panel hides meanwhile.
    if (!List1) BuildScheduleList();
    List1->clear();
    CloseTeamPanel();
    SchInfobutton->hide();
    ctx_.ownLeague.SelectedTeam = 0;
    OpenTeamPanel();
    Combo1->setEditText(QString::fromLatin1(kSelectTeamPrompt));
    Combo1->lineEdit()->selectAll();
    Combo1->setFocus();
    FollowView();
}

void Form2::TeamSelButton_Click() {
    if (!Combo1 || Combo1->isHidden()) return;
    const std::string text = ToLatin1(Combo1->currentText());
    if (IsNoTeamChosen(text)) {
        ctx_.dialogs.Beep();
        return;
    }
    TeamSelectCancel->hide();
    CloseTeamPanel();
    if (schtype[1]->isChecked()) teamScheduleMode_ = TeamScheduleMode::Home;
    if (schtype[2]->isChecked()) teamScheduleMode_ = TeamScheduleMode::Road;
    ctx_.ownLeague.SelectedTeam = static_cast<int16_t>(TeamFromComboText(ctx_.League(), text));
    if (ctx_.ownLeague.SelectedTeam == 0) {
        LeaveEmptyList();
        return;
    }
    StartWait();
    ShowScheduleList();
    ListSchedule(TeamScheduleLines(ctx_.League(), ctx_.ownLeague.SelectedTeam, teamScheduleMode_));
}

void Form2::TeamSelectCancel_Click() {
    CloseTeamPanel();
    LeaveEmptyList();
}

void Form2::LeaveEmptyList() {
    // The panel cleared the schedule list; without a team to list, the list and its view go as
    // Done takes them, so the window is back to idle rather than showing an empty list.
    if (List1 && List1->count() == 0 && !List1->isHidden()) SchDoneButton_Click();
}

void Form2::SchDoneButton_Click() {
    List1->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{SchPrintButton, Blockpredictbutton, SchDoneButton, SchInfobutton}) {
        w->setEnabled(false);
        w->hide();
    }
    FollowView();
}

void Form2::SchPrintButton_Click() {
    PrintListWithMessages(ctx_, SchedulePrintScheme(), ListContentsOf(List1));
}

void Form2::SchInfobutton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Printing); }

void Form2::Blockpredictbutton_Click() {
    const ListContents list = ListContentsOf(List1);
    OpenSubWindow(
        new BlockPredictForm(ctx_, CollectBlockLines(list.items, shownSchedule_.games, list.selected)), this,
        OwnerWhileOpen::Hidden);
}

// ---- Standings ----------------------------------------------------------------------------

void Form2::standingsmenu_Click() {
    if (!List2) BuildStandingsList();
    List2->clear();
    List2->setEnabled(true);
    List2->show();
    FollowView();
    for (QWidget* w : std::initializer_list<QWidget*>{StandPrintButton, StandingDoneButton}) {
        w->setEnabled(true);
        w->show();
    }
    StartWait();
    AddLines(List2, BuildStandings(ctx_.League(), ctx_.seasonView));
}

void Form2::StandPrintButton_Click() {
    ListContents list = ListContentsOf(List2);
    list.selected.clear();  // the standings always print whole
    PrintListWithMessages(ctx_, StandingsPrintScheme(), list);
}

void Form2::StandingDoneButton_Click() {
    List2->setEnabled(false);
    List2->hide();
    FollowView();
    for (QWidget* w : std::initializer_list<QWidget*>{StandPrintButton, StandingDoneButton}) {
        w->setEnabled(false);
        w->hide();
    }
}

}  // namespace tavix
