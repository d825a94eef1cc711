#include "statistics/windows/statform.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/data_files.h"
#include "core/number_format.h"
#include "platform/accessible.h"
#include "platform/list_text.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "statistics/season_setup.h"

namespace tavix {
namespace {

// The last club the move buttons reach; the league always has 29.
constexpr int kLastTeam = 29;

std::string Text(const QLineEdit* edit) { return ToLatin1(edit->text()); }
std::string Text(const QLabel* label) { return ToLatin1(label->text()); }

QLabel* Panel(QWidget* parent, const char* name, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    SetPanelFrame(label, QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(rect);
    return label;
}

QLabel* Caption(QWidget* parent, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setGeometry(rect);
    return label;
}

QLineEdit* Field(QWidget* parent, const char* name, const QRect& rect) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setGeometry(rect);
    return edit;
}

}  // namespace

SpinArrows::SpinArrows(QWidget* parent, const char* name, const QString& what) : QWidget(parent) {
    setObjectName(name);
    SetAccessible(this, QAccessible::Grouping, what);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up = new QToolButton(this);
    up->setObjectName("up");
    up->setArrowType(Qt::UpArrow);
    down = new QToolButton(this);
    down->setObjectName("down");
    down->setArrowType(Qt::DownArrow);
    up->setAccessibleName("Next " + what);
    down->setAccessibleName("Previous " + what);
    for (QToolButton* b : {up, down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
}

statform::statform(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("NBA Team Statistics");
    BuildControls();
    Form_Load();
}

void statform::BuildControls() {
    setFixedSize(TwipsSize(6600, 4260));

    Namelabel = Panel(this, "Namelabel", TwipsRect(240, 180, 6120, 480));
    QFont nameFont = Namelabel->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.35);
    nameFont.setBold(true);
    Namelabel->setFont(nameFont);

    teamdnbutton = new QPushButton(this);
    teamdnbutton->setObjectName("teamdnbutton");
    teamdnbutton->setGeometry(TwipsRect(240, 780, 2760, 405));
    teamdnbutton->setToolTip("Previous team");
    connect(teamdnbutton, &QPushButton::clicked, this, [this] { teamdnbutton_Click(); });
    teamupbutton = new QPushButton(this);
    teamupbutton->setObjectName("teamupbutton");
    teamupbutton->setGeometry(TwipsRect(3600, 780, 2760, 405));
    teamupbutton->setToolTip("Next team");
    connect(teamupbutton, &QPushButton::clicked, this, [this] { teamupbutton_Click(); });

    // The figures of the shown club. The ties field lies beyond the panel's right edge: it is
    // not shown, yet it carries each club's ties in and out like the other fields.
    fieldpanel = new QFrame(this);
    fieldpanel->setObjectName("fieldpanel");
    SetPanelFrame(fieldpanel, QFrame::Raised);
    fieldpanel->setGeometry(TwipsRect(240, 1320, 6120, 1140));
    const double head = 60, headHeight = 480, row = 600, rowHeight = 375;
    Caption(fieldpanel, "W", TwipsRect(120, head, 720, headHeight));
    wintext = Field(fieldpanel, "wintext", TwipsRect(120, row, 720, rowHeight));
    Caption(fieldpanel, "L", TwipsRect(960, head, 720, headHeight));
    losstext = Field(fieldpanel, "losstext", TwipsRect(960, row, 720, rowHeight));
    Caption(fieldpanel, "GP", TwipsRect(1800, head, 720, headHeight));
    gplabel = Panel(fieldpanel, "gplabel", TwipsRect(1800, row, 720, rowHeight));
    Caption(fieldpanel, "PCT", TwipsRect(2640, head, 900, headHeight));
    pctglabel = Panel(fieldpanel, "pctglabel", TwipsRect(2640, row, 900, rowHeight));
    Caption(fieldpanel, "Offensive\nScoring ave.", TwipsRect(3660, head, 1140, headHeight));
    GFtext = Field(fieldpanel, "GFtext", TwipsRect(3690, row, 1080, rowHeight));
    Caption(fieldpanel, "Defensive\nScoring ave.", TwipsRect(4890, head, 1140, headHeight));
    GAtext = Field(fieldpanel, "GAtext", TwipsRect(4920, row, 1080, rowHeight));
    tietext = Field(fieldpanel, "tietext", TwipsRect(6360, row, 720, rowHeight));

    for (QLineEdit* edit : {wintext, losstext, tietext, GFtext, GAtext}) edit->installEventFilter(this);
    const std::pair<QLineEdit*, const char*> spoken[] = {{wintext, "Wins"},
                                                         {losstext, "Losses"},
                                                         {tietext, "Ties"},
                                                         {GFtext, "Offensive scoring average"},
                                                         {GAtext, "Defensive scoring average"}};
    for (auto [edit, name] : spoken) edit->setAccessibleName(name);
    setTabOrder(wintext, losstext);
    setTabOrder(losstext, tietext);
    setTabOrder(tietext, GFtext);
    setTabOrder(GFtext, GAtext);
    for (QLineEdit* edit : {wintext, losstext, tietext})
        connect(edit, &QLineEdit::textChanged, this, [this] { ShowGamesAndPct(); });

    dateframe = new QGroupBox("Statistics Updated on...", this);
    dateframe->setObjectName("dateframe");
    dateframe->setGeometry(TwipsRect(240, 2700, 4080, 1260));
    const double dateTop = 540, dateHeight = 420;
    Monthlabel = Panel(dateframe, "Monthlabel", TwipsRect(150, dateTop, 780, dateHeight));
    monthspin = new SpinArrows(dateframe, "monthspin", "month");
    monthspin->setGeometry(TwipsRect(945, dateTop, 270, dateHeight));
    daylabel = Panel(dateframe, "daylabel", TwipsRect(1410, dateTop, 600, dateHeight));
    Dayspin = new SpinArrows(dateframe, "Dayspin", "day");
    Dayspin->setGeometry(TwipsRect(2025, dateTop, 270, dateHeight));
    yearlabel = Panel(dateframe, "yearlabel", TwipsRect(2490, dateTop, 960, dateHeight));
    Yearspin = new SpinArrows(dateframe, "Yearspin", "year");
    Yearspin->setGeometry(TwipsRect(3465, dateTop, 270, dateHeight));
    connect(monthspin->up, &QToolButton::clicked, this, [this] { monthspin_SpinUp(); });
    connect(monthspin->down, &QToolButton::clicked, this, [this] { monthspin_SpinDown(); });
    connect(Dayspin->up, &QToolButton::clicked, this, [this] { Dayspin_SpinUp(); });
    connect(Dayspin->down, &QToolButton::clicked, this, [this] { Dayspin_SpinDown(); });
    connect(Yearspin->up, &QToolButton::clicked, this, [this] { Yearspin_SpinUp(); });
    connect(Yearspin->down, &QToolButton::clicked, this, [this] { Yearspin_SpinDown(); });

    const double buttonTop = 3060, size = 600;
    RecordButton = PictureButton(this, "RecordButton", Glyph::Diskette, "Record Settings",
                                 TwipsRect(4560, buttonTop, size, size));
    Exitbutton = PictureButton(this, "Exitbutton", Glyph::DoorOut, "Close Statistics window",
                               TwipsRect(5160, buttonTop, size, size));
    InfoButton = PictureButton(this, "InfoButton", Glyph::Help, "Help on statistics",
                               TwipsRect(5760, buttonTop, size, size));
    connect(RecordButton, &QToolButton::clicked, this, [this] { RecordButton_Click(); });
    connect(Exitbutton, &QToolButton::clicked, this, [this] { Exitbutton_Click(); });
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    setTabOrder(GAtext, RecordButton);
    setTabOrder(RecordButton, Exitbutton);
    setTabOrder(Exitbutton, InfoButton);
}

void statform::Form_Load() {
    CentreOnScreen(this);
    CurrentTeam_ = 1;
    teamdnbutton->setText("        <");
    teamupbutton->setText(Latin1("> " + ctx_.nba.TeamNames[2]));

    const EntryDate today = EntryDateFrom(ctx_.clock.Today());
    CurrentMonth = today.month;
    ShowMonth();
    daylabel->setText(Latin1(today.day));
    yearlabel->setText(Latin1(today.year));

    ShowTeam();
    ChangesDetected_ = 0;
    saved_ = TakeEntrySnapshot(ctx_.nba);
    wintext->setFocus();
}

void statform::ShowTeam() {
    const NBA& nba = ctx_.nba;
    const int t = CurrentTeam_;
    Namelabel->setText(Latin1(nba.CityNames[t] + " " + nba.TeamNames[t]));
    wintext->setText(Latin1(PlainInteger(nba.Wins[t])));
    losstext->setText(Latin1(PlainInteger(nba.Losses[t])));
    tietext->setText(Latin1(PlainInteger(nba.Ties[t])));
    GFtext->setText(Latin1(AverageText(nba.OffenseAve[t])));
    GAtext->setText(Latin1(AverageText(nba.DefenseAve[t])));
    // A screen reader names the two buttons by the clubs they lead to, not by their arrow captions.
    auto club = [&nba](int n) {
        return n >= 1 && n <= nba.TeamCount ? Latin1(nba.CityNames[n] + " " + nba.TeamNames[n])
                                            : QString("none");
    };
    teamdnbutton->setAccessibleName("Previous team: " + club(t - 1));
    teamupbutton->setAccessibleName("Next team: " + club(t + 1));
}

void statform::SetMoveCaptions() {
    teamdnbutton->setText(Latin1(ctx_.nba.TeamNames[CurrentTeam_ - 1] + "  <"));
    teamupbutton->setText(Latin1(">  " + ctx_.nba.TeamNames[CurrentTeam_ + 1]));
}

bool statform::StoreTeamFields() {
    // Counts beyond what the statistics file can hold, and figures no game gives, are refused as
    // a whole, so a club is never left half stored; the user corrects the field and goes on.
    struct Figure {
        QLineEdit* field;
        const char* what;
        bool valid;
        decltype(&OutOfRangeText) refusal;
    };
    const auto wins = ReadCount(Text(wintext)), losses = ReadCount(Text(losstext)),
               ties = ReadCount(Text(tietext));
    const auto scored = ReadAverage(Text(GFtext)), allowed = ReadAverage(Text(GAtext));
    const std::array<Figure, 5> figures = {
        Figure{wintext, "number of wins", wins.has_value(), OutOfRangeText},
        Figure{losstext, "number of losses", losses.has_value(), OutOfRangeText},
        Figure{tietext, "number of ties", ties.has_value(), OutOfRangeText},
        Figure{GFtext, "average of points scored", scored.has_value(), AverageOutOfRangeText},
        Figure{GAtext, "average of points allowed", allowed.has_value(), AverageOutOfRangeText}};
    for (const Figure& c : figures) {
        if (!c.valid) {
            ctx_.dialogs.Show(c.refusal(c.what, Text(c.field), FullName(ctx_.nba, CurrentTeam_)), "Tavix",
                              Buttons::Ok, Icon::Exclamation);
            // The refused figure gets the focus with its text selected, so what the user types
            // next replaces it; for the ties, which cannot be seen, that is the only way back.
            c.field->setFocus();
            c.field->selectAll();
            return false;
        }
    }
    NBA& nba = ctx_.nba;
    nba.Wins[CurrentTeam_] = *wins;
    nba.Losses[CurrentTeam_] = *losses;
    nba.Ties[CurrentTeam_] = *ties;
    nba.OffenseAve[CurrentTeam_] = *scored;
    nba.DefenseAve[CurrentTeam_] = *allowed;
    return true;
}

void statform::ShowGamesAndPct() {
    gplabel->setText(Latin1(GamesPlayedText(Text(wintext), Text(losstext))));
    if (auto pct = PercentageText(Text(wintext), Text(losstext))) pctglabel->setText(Latin1(*pct));
}

void statform::teamupbutton_Click() {
    if (CurrentTeam_ == kLastTeam) {
        ctx_.dialogs.Beep();
        return;
    }
    if (!StoreTeamFields()) return;
    ++CurrentTeam_;
    ShowTeam();
    SetMoveCaptions();
    wintext->setFocus();
    wintext->selectAll();
}

void statform::teamdnbutton_Click() {
    if (CurrentTeam_ == 1) {
        ctx_.dialogs.Beep();
        return;
    }
    if (!StoreTeamFields()) return;
    --CurrentTeam_;
    ShowTeam();
    SetMoveCaptions();
    wintext->setFocus();
    wintext->selectAll();
}

void statform::Field_Enter(QLineEdit* field) {
    // Enter walks wins, losses, points scored, points allowed (the hidden ties are skipped), then
    // the next club.
    if (field == wintext) {
        losstext->setFocus();
    } else if (field == losstext || field == tietext) {
        GFtext->setFocus();
    } else if (field == GFtext) {
        GAtext->setFocus();
    } else if (field == GAtext) {
        teamupbutton_Click();
    }
}

bool statform::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Field_Enter(field);
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            // Select after the click that gave the focus has placed the cursor, so typing
            // replaces the whole figure.
            QTimer::singleShot(0, field, [field] { field->selectAll(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void statform::ShowMonth() { Monthlabel->setText(kMonthNames[CurrentMonth]); }

void statform::monthspin_SpinUp() {
    CurrentMonth = MonthUp(CurrentMonth);
    ShowMonth();
}

void statform::monthspin_SpinDown() {
    CurrentMonth = MonthDown(CurrentMonth);
    ShowMonth();
}

void statform::Dayspin_SpinUp() {
    const int day = static_cast<int>(LeadingNumber(Text(daylabel)));
    daylabel->setText(QString::number(DayUp(day, CurrentMonth)));
}

void statform::Dayspin_SpinDown() {
    const int day = static_cast<int>(LeadingNumber(Text(daylabel)));
    daylabel->setText(QString::number(DayDown(day)));
}

void statform::Yearspin_SpinUp() {
    const int year = static_cast<int>(LeadingNumber(Text(yearlabel)));
    yearlabel->setText(QString::number(YearUp(year)));
}

void statform::Yearspin_SpinDown() {
    const int year = static_cast<int>(LeadingNumber(Text(yearlabel)));
    yearlabel->setText(QString::number(YearDown(year)));
}

void statform::RecordButton_Click() {
    ctx_.host.StartWait();
    if (!StoreTeamFields()) return;
    NBA& nba = ctx_.nba;
    nba.UpdateYear = ReadWholeNumber(Text(yearlabel)).value_or(0);
    nba.UpdateDay = ReadWholeNumber(Text(daylabel)).value_or(0);
    nba.UpdateMonth = static_cast<int16_t>(CurrentMonth);
    const WriteResult saved = SaveStatistics(ctx_.dataDir, nba);
    if (!saved.ok) {
        // The figures stay in memory and the exit check still counts them as unrecorded.
        ctx_.dialogs.Show(StatisticsSaveFailedText(saved.error, kRecordAgainAdvice), "Tavix", Buttons::Ok,
                          Icon::Exclamation);
        return;
    }
    ctx_.dialogs.Show("Statistics were saved to Disk." + KeptCopyText(saved), "Tavix", Buttons::Ok,
                      Icon::Information);
    ChangesDetected_ = 0;
    saved_ = TakeEntrySnapshot(nba);
}

void statform::Exitbutton_Click() {
    if (!StoreTeamFields()) return;
    if (EntryChangesFound(ctx_.nba, saved_)) ChangesDetected_ = 1;
    if (ChangesDetected_ == 1 && !IsPositive(ctx_.dialogs.Show(UnrecordedChangesText(), "Tavix",
                                                               Buttons::OkCancel, Icon::Exclamation)))
        return;
    // Unrecorded edits stay in the league data; they reach the file with a later save.
    ctx_.host.CloseSubWindow(this);
}

void statform::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Statistics); }

void statform::closeEvent(QCloseEvent* event) {
    // Closing from the title bar goes through the same check as the exit button.
    event->ignore();
    Exitbutton_Click();
}

}  // namespace tavix
