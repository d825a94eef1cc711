#include "statistics/windows/statform.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QValidator>
#include <functional>

#include "core/data_files.h"
#include "core/number_format.h"
#include "platform/accessible.h"
#include "platform/list_text.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/readable_colour.h"
#include "platform/twips.h"
#include "statistics/season_setup.h"

namespace tavix {
namespace {

// The last club the move buttons reach; the league always has 29.
constexpr int kLastTeam = 29;

std::string Text(const QLineEdit* edit) { return ToLatin1(edit->text()); }
std::string Text(const QLabel* label) { return ToLatin1(label->text()); }

// The boxes keep at least their designed size; a larger font makes them larger.
QLabel* Panel(QWidget* parent, const char* name, const QSize& least) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    SetPanelFrame(label, QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(least);
    return label;
}

QLabel* Caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

QLineEdit* Field(QWidget* parent, const char* name, const QSize& least) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    // As wide as designed or as five digits of the user's font, not the line edit's usual width.
    const int digits = edit->fontMetrics().horizontalAdvance(QStringLiteral("00000"));
    edit->setMinimumSize(std::max(least.width(), digits), least.height());
    edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return edit;
}

// Live feedback while typing: a figure the window would refuse is shown in red, with the reason
// as its tool tip. Typing is never blocked, so what was typed can always be seen and corrected.
class FigureValidator : public QValidator {
  public:
    FigureValidator(QLineEdit* field, std::function<TypedFigure(const std::string&)> read)
        : QValidator(field), read_(std::move(read)) {}
    State validate(QString& input, int&) const override {
        return read_(ToLatin1(input)).Taken() ? Acceptable : Intermediate;
    }
    TypedFigure Read(const QString& text) const { return read_(ToLatin1(text)); }

  private:
    std::function<TypedFigure(const std::string&)> read_;
};

void ShowValidity(QLineEdit* field) {
    const auto* validator = static_cast<const FigureValidator*>(field->validator());
    if (!validator) return;  // the window is being taken apart
    const TypedFigure figure = validator->Read(field->text());
    QPalette pal = field->palette();
    const QColor text = field->parentWidget()->palette().color(QPalette::Text);
    const QColor box = field->parentWidget()->palette().color(QPalette::Base);
    pal.setColor(QPalette::Text, figure.Taken() ? text : ReadableOn(QColor(Qt::red), box));
    field->setPalette(pal);
    field->setToolTip(figure.Taken() ? QString() : "This figure " + Latin1(figure.why) + ".");
}

// The user's decimal separator, when it is one plain character ("," in Germany and Turkey).
char UserDecimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
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
        b->setFocusPolicy(Qt::TabFocus);  // the date is set from the keyboard too: Tab, then Space
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
}

// The fields' validators read this window's figures; the fields outlive it a little while Qt
// takes the window apart (a field losing the focus asks its validator), so they go first.
statform::~statform() {
    for (QLineEdit* edit : {wintext, losstext, GFtext, GAtext}) edit->setValidator(nullptr);
}

statform::statform(AppContext& ctx)
    : ctx_(ctx), seasonGames_(SeasonGames(ctx.ownLeague)), decimalPoint_(UserDecimalPoint()) {
    SetWindowName("NBA Team Statistics");
    BuildControls();
    Form_Load();
}

void statform::BuildControls() {
    Namelabel = Panel(this, "Namelabel", TwipsSize(6120, 480));
    QFont nameFont = Namelabel->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.35);
    nameFont.setBold(true);
    Namelabel->setFont(nameFont);

    teamdnbutton = new QPushButton(this);
    teamdnbutton->setObjectName("teamdnbutton");
    teamdnbutton->setMinimumSize(TwipsSize(2760, 405));
    teamdnbutton->setToolTip("Previous team");
    connect(teamdnbutton, &QPushButton::clicked, this, [this] { teamdnbutton_Click(); });
    teamupbutton = new QPushButton(this);
    teamupbutton->setObjectName("teamupbutton");
    teamupbutton->setMinimumSize(TwipsSize(2760, 405));
    teamupbutton->setToolTip("Next team");
    connect(teamupbutton, &QPushButton::clicked, this, [this] { teamupbutton_Click(); });

    // The figures of the shown club, each under its caption. The ties field is hidden and outside
    // the grid: no Tab reaches it and nothing in it is recorded, so each club keeps its ties.
    fieldpanel = new QFrame(this);
    fieldpanel->setObjectName("fieldpanel");
    SetPanelFrame(fieldpanel, QFrame::Raised);
    const QSize narrow = TwipsSize(720, 375), wide = TwipsSize(1080, 375);
    wintext = Field(fieldpanel, "wintext", narrow);
    losstext = Field(fieldpanel, "losstext", narrow);
    gplabel = Panel(fieldpanel, "gplabel", narrow);
    pctglabel = Panel(fieldpanel, "pctglabel", TwipsSize(900, 375));
    GFtext = Field(fieldpanel, "GFtext", wide);
    GAtext = Field(fieldpanel, "GAtext", wide);
    tietext = Field(fieldpanel, "tietext", narrow);
    tietext->setFocusPolicy(Qt::NoFocus);
    tietext->hide();
    auto* figures = new QGridLayout(fieldpanel);
    figures->setContentsMargins(Twips(120), Twips(60), Twips(120), Twips(120));
    figures->setHorizontalSpacing(Twips(120));
    const std::pair<const char*, QWidget*> columns[] = {{"W", wintext},
                                                        {"L", losstext},
                                                        {"GP", gplabel},
                                                        {"PCT", pctglabel},
                                                        {"Offensive\nScoring ave.", GFtext},
                                                        {"Defensive\nScoring ave.", GAtext}};
    int column = 0;
    for (auto [caption, box] : columns) {
        figures->addWidget(Caption(fieldpanel, caption), 0, column);
        figures->addWidget(box, 1, column++);
    }
    for (QLineEdit* edit : {wintext, losstext, GFtext, GAtext}) {
        edit->installEventFilter(this);
        const bool count = edit == wintext || edit == losstext;
        edit->setValidator(new FigureValidator(edit, [this, count](const std::string& text) {
            return count ? ReadCount(text, seasonGames_) : ReadAverage(text, decimalPoint_);
        }));
        connect(edit, &QLineEdit::textChanged, edit, [edit] { ShowValidity(edit); });
    }
    const std::pair<QLineEdit*, const char*> spoken[] = {{wintext, "Wins"},
                                                         {losstext, "Losses"},
                                                         {tietext, "Ties"},
                                                         {GFtext, "Offensive scoring average"},
                                                         {GAtext, "Defensive scoring average"}};
    for (auto [edit, name] : spoken) edit->setAccessibleName(name);
    for (QLineEdit* edit : {wintext, losstext})
        connect(edit, &QLineEdit::textChanged, this, [this] { ShowGamesAndPct(); });

    dateframe = new QGroupBox("Statistics Updated on...", this);
    dateframe->setObjectName("dateframe");
    Monthlabel = Panel(dateframe, "Monthlabel", TwipsSize(780, 420));
    monthspin = new SpinArrows(dateframe, "monthspin", "month");
    daylabel = Panel(dateframe, "daylabel", TwipsSize(600, 420));
    Dayspin = new SpinArrows(dateframe, "Dayspin", "day");
    yearlabel = Panel(dateframe, "yearlabel", TwipsSize(960, 420));
    Yearspin = new SpinArrows(dateframe, "Yearspin", "year");
    auto* date = new QHBoxLayout(dateframe);
    date->setContentsMargins(Twips(150), Twips(150), Twips(150), Twips(150));
    date->setSpacing(0);
    for (auto [part, arrows] : {std::pair<QLabel*, SpinArrows*>{Monthlabel, monthspin},
                                {daylabel, Dayspin},
                                {yearlabel, Yearspin}}) {
        arrows->setFixedWidth(Twips(270));
        date->addWidget(part);
        date->addSpacing(Twips(15));
        date->addWidget(arrows);
        date->addSpacing(Twips(195));
    }
    connect(monthspin->up, &QToolButton::clicked, this, [this] { monthspin_SpinUp(); });
    connect(monthspin->down, &QToolButton::clicked, this, [this] { monthspin_SpinDown(); });
    connect(Dayspin->up, &QToolButton::clicked, this, [this] { Dayspin_SpinUp(); });
    connect(Dayspin->down, &QToolButton::clicked, this, [this] { Dayspin_SpinDown(); });
    connect(Yearspin->up, &QToolButton::clicked, this, [this] { Yearspin_SpinUp(); });
    connect(Yearspin->down, &QToolButton::clicked, this, [this] { Yearspin_SpinDown(); });

    const QSize size = TwipsSize(600, 600);
    RecordButton = PictureButton(this, "RecordButton", Glyph::Diskette, "Record Settings", size);
    Exitbutton = PictureButton(this, "Exitbutton", Glyph::DoorOut, "Close Statistics window", size);
    InfoButton = PictureButton(this, "InfoButton", Glyph::Help, "Help on statistics", size);

    // One size, the one the figures and the date need in the user's font.
    auto* moves = new QHBoxLayout;
    moves->addWidget(teamdnbutton);
    moves->addStretch();
    moves->addWidget(teamupbutton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dateframe);
    bottom->addStretch();
    bottom->setSpacing(0);
    for (QToolButton* b : {RecordButton, Exitbutton, InfoButton}) bottom->addWidget(b, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(240), Twips(180), Twips(240), Twips(300));
    layout->setSpacing(Twips(120));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Namelabel);
    layout->addLayout(moves);
    layout->addSpacing(Twips(15));
    layout->addWidget(fieldpanel);
    layout->addSpacing(Twips(120));
    layout->addLayout(bottom);
    layout->activate();
    connect(RecordButton, &QToolButton::clicked, this, [this] { RecordButton_Click(); });
    // Recording from the keyboard, wherever the focus is, as a document is saved.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { RecordButton_Click(); });
    connect(Exitbutton, &QToolButton::clicked, this, [this] { Exitbutton_Click(); });
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    // Tab goes in reading order: the moves, the figures, the date's arrows, then the buttons.
    QWidget* previous = teamdnbutton;
    for (QWidget* next : std::initializer_list<QWidget*>{
             teamupbutton, wintext, losstext, GFtext, GAtext, monthspin->up, monthspin->down, Dayspin->up,
             Dayspin->down, Yearspin->up, Yearspin->down, RecordButton, Exitbutton, InfoButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void statform::Form_Load() {
    CentreOnScreen(this);
    CurrentTeam_ = 1;
    teamdnbutton->setText("        <");
    teamupbutton->setText(Latin1("> " + ctx_.ownLeague.TeamNames[2]));

    const EntryDate today = EntryDateFrom(ctx_.clock.Today());
    CurrentMonth = today.month;
    ShowMonth();
    daylabel->setText(Latin1(today.day));
    yearlabel->setText(Latin1(today.year));

    ShowTeam();
    saved_ = TakeEntrySnapshot(ctx_.ownLeague, ShownDate());
    wintext->setFocus();
}

void statform::ShowTeam() {
    const NBA& nba = ctx_.ownLeague;
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
    teamdnbutton->setText(Latin1(ctx_.ownLeague.TeamNames[CurrentTeam_ - 1] + "  <"));
    teamupbutton->setText(Latin1(">  " + ctx_.ownLeague.TeamNames[CurrentTeam_ + 1]));
}

std::array<statform::FigureField, 4> statform::FigureFields() const {
    const NBA& nba = ctx_.ownLeague;
    const int t = CurrentTeam_;
    return {FigureField{wintext, "number of wins", true, double(nba.Wins[t])},
            FigureField{losstext, "number of losses", true, double(nba.Losses[t])},
            FigureField{GFtext, "average of points scored", false, nba.OffenseAve[t]},
            FigureField{GAtext, "average of points allowed", false, nba.DefenseAve[t]}};
}

std::string statform::ShownText(const FigureField& f) {
    return f.count ? PlainInteger(static_cast<long>(f.stored)) : AverageText(f.stored);
}

TypedFigure statform::ReadField(const FigureField& f) const {
    // A field left as it was shown keeps the league's figure to the last digit (98.46 shows as
    // 98.5); only a figure the user typed is read from the text.
    if (Text(f.field) == ShownText(f))
        return f.count ? CheckCount(f.stored, seasonGames_) : CheckAverage(f.stored);
    return f.count ? ReadCount(Text(f.field), seasonGames_) : ReadAverage(Text(f.field), decimalPoint_);
}

void statform::Refuse(QLineEdit* field, const std::string& message) {
    ctx_.dialogs.Show(message, "Tavix", Buttons::Ok, Icon::Exclamation);
    // The refused figure gets the focus with its text selected, so what the user types next
    // replaces it.
    field->setFocus();
    field->selectAll();
}

bool statform::StoreTeamFields() {
    // A club is stored whole or not at all, so it is never left half stored; the user corrects the
    // field and goes on.
    const std::string team = FullName(ctx_.ownLeague, CurrentTeam_);
    std::array<double, 4> values{};
    const auto fields = FigureFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const FigureField& f = fields[i];
        const TypedFigure figure = ReadField(f);
        if (!figure.Taken()) {
            const std::string typed = Text(f.field);
            Refuse(f.field, f.count ? CountRefusalText(f.what, team, typed, figure, seasonGames_)
                                    : AverageRefusalText(f.what, team, typed, figure));
            return false;
        }
        values[i] = figure.value;
    }
    const int wins = static_cast<int>(values[0]), losses = static_cast<int>(values[1]);
    if (wins + losses > seasonGames_) {
        // Back to the count the user typed, the wins when both or neither were.
        const bool lossesTyped =
            Text(wintext) == ShownText(fields[0]) && Text(losstext) != ShownText(fields[1]);
        Refuse(lossesTyped ? losstext : wintext, GamesRefusalText(team, wins, losses, seasonGames_));
        return false;
    }
    NBA& nba = ctx_.ownLeague;
    nba.Wins[CurrentTeam_] = static_cast<int16_t>(wins);
    nba.Losses[CurrentTeam_] = static_cast<int16_t>(losses);
    nba.OffenseAve[CurrentTeam_] = values[2];
    nba.DefenseAve[CurrentTeam_] = values[3];
    return true;
}

bool statform::ChangesDetected() const {
    if (EntryChangesFound(ctx_.ownLeague, saved_, ShownDate())) return true;
    for (const FigureField& f : FigureFields()) {
        if (Text(f.field) == ShownText(f)) continue;
        const TypedFigure figure = ReadField(f);
        if (!figure.Taken() || figure.value != f.stored) return true;
    }
    return false;
}

EntryDate statform::ShownDate() const { return {CurrentMonth, Text(daylabel), Text(yearlabel)}; }

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
    // Enter walks wins, losses, points scored, points allowed, then the next club.
    if (field == wintext) {
        losstext->setFocus();
    } else if (field == losstext) {
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

bool statform::Record() {
    ctx_.host.StartWait();
    if (!StoreTeamFields()) return false;
    NBA& nba = ctx_.ownLeague;
    nba.UpdateYear = ReadWholeNumber(Text(yearlabel)).value_or(0);
    nba.UpdateDay = ReadWholeNumber(Text(daylabel)).value_or(0);
    nba.UpdateMonth = static_cast<int16_t>(CurrentMonth);
    const WriteResult saved = SaveStatistics(ctx_.dataDir, nba);
    if (!saved.ok) {
        // The figures stay in memory and leaving still counts them as unrecorded.
        ctx_.dialogs.Show(StatisticsSaveFailedText(saved.error, kRecordAgainAdvice), "Tavix", Buttons::Ok,
                          Icon::Exclamation);
        return false;
    }
    ctx_.dialogs.Show("Statistics were saved to Disk." + KeptCopyText(saved), "Tavix", Buttons::Ok,
                      Icon::Information);
    saved_ = TakeEntrySnapshot(nba, ShownDate());
    return true;
}

// Every way out comes here: the exit button, the title bar, Esc and the program ending. Figures
// typed and not recorded, in any field or the date, are saved, dropped or kept open for, as the
// user answers.
void statform::Exitbutton_Click() {
    if (ChangesDetected() && !MayLeave(
                                 ctx_.dialogs, UnrecordedChangesText(), "Tavix", [this] { return Record(); },
                                 [this] { RestoreEntrySnapshot(ctx_.ownLeague, saved_); }))
        return;
    ctx_.host.CloseSubWindow(this);
}

void statform::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Statistics); }

void statform::Leave() { Exitbutton_Click(); }

}  // namespace tavix
