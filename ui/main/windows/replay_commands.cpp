#include "ui/main/windows/replay_commands.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "statistics/standings.h"
#include "ui/main/windows/form2.h"

namespace tavix {
namespace {

const char kTitle[] = "Tavix";

QDate ToQDate(const Date& d) { return QDate(d.year, d.month, d.day); }
Date FromQDate(const QDate& d) { return Date{d.year(), d.month(), d.day()}; }

bool Showing(const QWidget* widget) { return widget && !widget->isHidden(); }

// A window with a title bar of its own; message boxes keep their plain titles.
bool Titled(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return (type == Qt::Window || type == Qt::Dialog) && !qobject_cast<const QMessageBox*>(widget);
}

// A window's own title, kept while the replay adds the day to it, and the title as shown.
const char kOwnTitle[] = "tavixOwnTitle";
const char kShownTitle[] = "tavixShownTitle";

}  // namespace

ReplayCommands::ReplayCommands(Form2& form) : QObject(&form), form_(form) {
    setObjectName("ReplayCommands");
    // A menu of its own, never locked by the views: the days can be stepped with the standings or a
    // schedule on show, and the list follows.
    replaymenu = new QMenu("Re&play", &form);
    replaymenu->setObjectName("replaymenu");
    replaymenu->menuAction()->setObjectName("replaymenu");
    form.menuBar()->insertMenu(form.hmenu->menuAction(), replaymenu);
    auto add = [&](const char* name, const char* caption, QKeySequence keys,
                   void (ReplayCommands::*handler)()) {
        QAction* action = replaymenu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    replaydaymenu = add("replaydaymenu", "&Replay a Day of the Season...", QKeySequence(),
                        &ReplayCommands::replaydaymenu_Click);
    replaymenu->addSeparator()->setObjectName("replaysep1");
    replayprevmenu = add("replayprevmenu", "&Previous Game Day", QKeySequence(Qt::CTRL | Qt::Key_Left),
                         &ReplayCommands::replayprevmenu_Click);
    replaynextmenu = add("replaynextmenu", "&Next Game Day", QKeySequence(Qt::CTRL | Qt::Key_Right),
                         &ReplayCommands::replaynextmenu_Click);
    replaymenu->addSeparator()->setObjectName("replaysep2");
    replayendmenu = add("replayendmenu", "&End Replay", QKeySequence(), &ReplayCommands::replayendmenu_Click);

    // Beside the tool buttons, where the eye goes first, clear of the help button's hint.
    ReplayLabel = new QLabel(form.Panel3D1);
    ReplayLabel->setObjectName("ReplayLabel");
    // In the tool bar's free room between the tool buttons and the globe.
    if (auto* bar = qobject_cast<QGridLayout*>(form.Panel3D1->layout()))
        bar->addWidget(ReplayLabel, 0, 5, 2, 1);
    ReplayLabel->setWordWrap(true);
    ReplayLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = ReplayLabel->font();
    bold.setBold(true);
    ReplayLabel->setFont(bold);
    QPalette pal = ReplayLabel->palette();
    // Red, dark on a light ground and light on a dark one, so it reads in either look.
    const bool darkGround = pal.color(QPalette::Window).lightness() < 128;
    pal.setColor(QPalette::WindowText, darkGround ? QColor(255, 150, 150) : QColor(160, 30, 30));
    ReplayLabel->setPalette(pal);
    ShowState();
    QCoreApplication::instance()->installEventFilter(this);
}

ReplayCommands::~ReplayCommands() = default;

bool ReplayCommands::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::WindowTitleChange || event->type() == QEvent::Show) && Replaying() &&
        watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (Titled(window) && window != &form_) Retitle(window);
    }
    return false;
}

// A title the window sets itself, at opening or later, becomes its own title; the day goes after it
// while a replay is on, and goes again when it ends.
void ReplayCommands::Retitle(QWidget* window) {
    const QString title = window->windowTitle();
    if (window->property(kShownTitle).toString() != title || title.isEmpty())
        window->setProperty(kOwnTitle, title);
    const QString own = window->property(kOwnTitle).toString();
    const QString shown = Replaying() ? own + " - " + Latin1(ReplayDayText(form_.Context())) : own;
    window->setProperty(kShownTitle, shown);
    if (shown != title) window->setWindowTitle(shown);
    if (!Replaying()) {
        window->setProperty(kOwnTitle, QVariant());
        window->setProperty(kShownTitle, QVariant());
    }
}

void ReplayCommands::replaydaymenu_Click() {
    AppContext& ctx = form_.Context();
    // The chooser offers the days of the file's schedule, also while a replay hides later scores.
    std::vector<Date> days = replay_ ? replay_->Days() : GameDays(ScheduledGames(ctx.ownLeague));
    if (days.empty()) {
        ctx.dialogs.Show("The schedule holds no games to replay.", kTitle, Buttons::Ok, Icon::Exclamation);
        return;
    }
    ctx.host.OpenSubWindow(new ReplayPicker(*this, ctx, std::move(days), lastShown_));
}

void ReplayCommands::ShowDay(const Date& day) {
    AppContext& ctx = form_.Context();
    if (!replay_) replay_ = std::make_unique<SeasonReplay>(ctx.ownLeague);
    replay_->ShowDay(day);
    lastShown_ = day;
    ctx.replayDay = day;
    ctx.replayLeague = &replay_->League();
    ShowState();
    RefreshMainLists();
    form_.Context().dayFollowers.DayChanged();
}

bool ReplayCommands::StepDays(int days) {
    if (!Replaying()) return false;
    days < 0 ? replayprevmenu_Click() : replaynextmenu_Click();
    return true;
}

void ReplayCommands::Step(const std::optional<Date>& day) {
    if (!Replaying()) return;
    if (!day) {
        form_.Context().dialogs.Beep();  // no game day further that way
        return;
    }
    ShowDay(*day);
}

void ReplayCommands::replayprevmenu_Click() { Step(Replaying() ? replay_->PreviousDay() : std::nullopt); }

void ReplayCommands::replaynextmenu_Click() { Step(Replaying() ? replay_->NextDay() : std::nullopt); }

void ReplayCommands::replayendmenu_Click() {
    if (!replay_) return;
    AppContext& ctx = form_.Context();
    ctx.replayDay.reset();
    ctx.replayLeague = nullptr;
    replay_.reset();
    ShowState();
    RefreshMainLists();  // the schedule on show gets its scores back
    ctx.dayFollowers.DayChanged();
}

bool ReplayCommands::ConfirmEndBefore(const char* command) {
    if (!Replaying()) return true;
    const std::string text =
        "A season replay is on: the windows show the league as it stood on " + LongDate(replay_->Day()) +
        ", not your statistics.\r\n\r\nEnd the replay and go on to " + command + " with your own statistics?";
    if (!IsPositive(form_.Context().dialogs.Show(text, kTitle, Buttons::OkCancel, Icon::Question)))
        return false;
    replayendmenu_Click();
    return true;
}

void ReplayCommands::ShowState() {
    const bool on = Replaying();
    replayprevmenu->setEnabled(on);
    replaynextmenu->setEnabled(on);
    replayendmenu->setEnabled(on);
    if (on) {
        const QString caption = Latin1(replay_->Caption());
        ReplayLabel->setText(caption);
        ReplayLabel->show();
        form_.setWindowTitle("Tavix - " + caption);
    } else {
        ReplayLabel->clear();
        ReplayLabel->hide();
        form_.setWindowTitle("Tavix");
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (Titled(window) && window != &form_ &&
            (window->property(kOwnTitle).isValid() || (on && window->isVisible())))
            Retitle(window);
}

// The list on show follows the day: the standings are built again, a schedule keeps its lines and
// selection, its game lines only gaining or losing their scores.
void ReplayCommands::RefreshMainLists() {
    if (Showing(form_.List2)) {
        form_.List2->clear();
        AddLines(form_.List2, BuildStandings(form_.Context().League(), form_.Context().seasonView));
    }
    if (Showing(form_.List1) && form_.List1->count() > 0) {
        std::vector<std::string> items = form_.shownSchedule_.lines;
        RefreshScheduleItems(form_.Context().League(), items, form_.shownSchedule_.games);
        for (int i = 0; i < form_.List1->count() && i < static_cast<int>(items.size()); ++i) {
            const QString text = Latin1(items[static_cast<size_t>(i)]);
            if (form_.List1->item(i)->text() != text) form_.List1->item(i)->setText(text);
        }
    }
}

// ---- The day chooser ------------------------------------------------------------------------

ReplayPicker::ReplayPicker(ReplayCommands& commands, AppContext& ctx, std::vector<Date> days,
                           std::optional<Date> shown)
    : commands_(commands), ctx_(ctx), days_(std::move(days)) {
    setObjectName("ReplayPicker");
    SetWindowName("Season Replay");
    auto* heading = new QLabel("The league as it stood after the games of:", this);
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName("Calendar1");
    Calendar1->setAccessibleName("Game days");
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setDateRange(ToQDate(days_.front()), ToQDate(days_.back()));
    // Days without games are greyed; only game days can be taken.
    QTextCharFormat noGames;
    noGames.setForeground(QColor(170, 170, 170));
    QTextCharFormat gameDay;
    gameDay.setFontWeight(QFont::Bold);
    for (QDate d = ToQDate(days_.front()); d <= ToQDate(days_.back()); d = d.addDays(1))
        Calendar1->setDateTextFormat(d, noGames);
    for (const Date& d : days_) Calendar1->setDateTextFormat(ToQDate(d), gameDay);
    DayLabel = new QLabel(this);
    DayLabel->setObjectName("DayLabel");
    // Room for the longest day line, so the window keeps its size from day to day.
    DayLabel->setMinimumWidth(
        DayLabel->fontMetrics().horizontalAdvance("Wednesday, September 30, 1999 - game day 999 of 999"));
    ReplayButton = new QPushButton("&Replay", this);
    ReplayButton->setObjectName("ReplayButton");
    ReplayButton->setMinimumWidth(Twips(1380));
    ReplayButton->setDefault(true);
    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on the season replay",
                               TwipsRect(180, 3840, 615, 450));
    connect(InfoButton, &QToolButton::clicked, this,
            [this] { ctx_.help.ShowHelpTopic(HelpKeyword::Replay); });
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setMinimumWidth(Twips(1380));
    InfoButton->setFixedSize(InfoButton->size());

    auto* rows = new QVBoxLayout(this);
    UseWindowMargins(rows);
    rows->addWidget(heading);
    rows->addWidget(Calendar1);
    rows->addWidget(DayLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(InfoButton);
    buttons->addStretch(1);
    buttons->addWidget(ReplayButton);
    buttons->addWidget(CancelButton);
    rows->addLayout(buttons);
    // One size, the one its content asks for in the user's font.
    rows->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] { Calendar1_Changed(); });
    connect(Calendar1, &QCalendarWidget::activated, this, [this] { ReplayButton_Click(); });
    connect(ReplayButton, &QPushButton::clicked, this, [this] { ReplayButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });

    Calendar1->setSelectedDate(ToQDate(shown ? *shown : days_.front()));
    Calendar1_Changed();
    CentreOnScreen(this);
}

std::optional<Date> ReplayPicker::ChosenGameDay() const {
    const Date d = FromQDate(Calendar1->selectedDate());
    auto it = std::lower_bound(days_.begin(), days_.end(), d);
    if (it == days_.end() || *it != d) return std::nullopt;
    return d;
}

void ReplayPicker::Calendar1_Changed() {
    const Date d = FromQDate(Calendar1->selectedDate());
    if (ChosenGameDay()) {
        auto it = std::lower_bound(days_.begin(), days_.end(), d);
        DayLabel->setText(Latin1(LongDate(d) + " - game day " + std::to_string(it - days_.begin() + 1) +
                                 " of " + std::to_string(days_.size())));
        ReplayButton->setEnabled(true);
    } else {
        DayLabel->setText(Latin1(LongDate(d) + ": no games"));
        ReplayButton->setEnabled(false);
    }
}

void ReplayPicker::ReplayButton_Click() {
    const auto day = ChosenGameDay();
    if (!day) {
        ctx_.dialogs.Beep();
        return;
    }
    ctx_.host.CloseSubWindow(this);
    commands_.ShowDay(*day);
}

void ReplayPicker::CancelButton_Click() { ctx_.host.CloseSubWindow(this); }

// Closing from the title bar is Cancel.
void ReplayPicker::Leave() { CancelButton_Click(); }

}  // namespace tavix
