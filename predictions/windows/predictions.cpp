#include "predictions/windows/predictions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <utility>

#include "platform/accessible.h"
#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"

namespace tavix {
namespace {

constexpr double kListWidth = 4875;  // twips at scroll value 0, in a window of the classic width
constexpr double kWindowWidth = 10440, kWindowHeight = 6000;
constexpr double kInfoLeft = 120 + kListWidth - 495;
constexpr double kFrame1Left = 5160, kFrame2Left = 7800;
constexpr double kListTop = 600, kListHeight = 3255;
constexpr int kLongestLine = 82;  // the rule under the window's first heading

}  // namespace

// Pure red on white falls short of the contrast small text needs; a deeper red on a light box and a
// paler one on a dark box both stay readable.
QColor predictions::ChosenColour(const QColor& background) {
    return background.lightness() < 128 ? QColor(255, 128, 128) : QColor(192, 0, 0);
}

predictions::predictions(AppContext& ctx) : ctx_(ctx), session_(ctx.nba), longest_(kLongestLine) {
    setWindowTitle("Tavix Predictions");
    BuildControls();
    Form_Load();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
}

void predictions::BuildControls() {
    // The window may grow sideways, and the list with it, until the longest line fits; the
    // height stays as designed.
    setMinimumSize(TwipsSize(kWindowWidth, kWindowHeight));
    setMaximumHeight(minimumHeight());

    DateLabel = new QLabel(this);
    DateLabel->setObjectName("DateLabel");
    DateLabel->setGeometry(TwipsRect(120, 180, 4200, 285));

    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on Predictions",
                               TwipsRect(kInfoLeft, 60, 495, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });

    listClip_ = new QWidget(this);
    listClip_->setGeometry(TwipsRect(120, kListTop, kListWidth, kListHeight));
    List1 = new QListWidget(listClip_);
    List1->setObjectName("List1");
    List1->setAccessibleName("Predictions");
    List1->setFont(FixedPitchFont(9));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);  // HScroll1 brings the rest of a line into view
    List1->setGeometry(0, 0, Twips(kListWidth), Twips(kListHeight));

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setAccessibleName("Slide the predictions sideways");
    HScroll1->setGeometry(TwipsRect(120, kListTop + kListHeight, kListWidth, 255));
    // One step is one character of the list font; the end shows the last column of the longest line.
    const QFontMetrics metrics(List1->font());
    const double charTwips = metrics.horizontalAdvance(QLatin1Char('0')) * 1440.0 / logicalDpiX();
    FitListRange();
    HScroll1->setSingleStep(std::max(1, static_cast<int>(charTwips)));
    HScroll1->setPageStep(static_cast<int>(kListWidth / 2));
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) { HScroll1_Change(v); });

    gamebox = new QFrame(this);
    gamebox->setObjectName("gamebox");
    gamebox->setFrameShape(QFrame::Box);
    gamebox->setGeometry(TwipsRect(120, 4245, kListWidth, 960));
    GameLabel = new QLabel(gamebox);
    GameLabel->setObjectName("GameLabel");
    GameLabel->setGeometry(TwipsRect(120, 75, kListWidth - 240, 300));
    QFont gameFont = GameLabel->font();
    gameFont.setBold(true);
    GameLabel->setFont(gameFont);
    Neutralcheck = new QCheckBox("Neutral Site Game", gamebox);
    Neutralcheck->setObjectName("Neutralcheck");
    Neutralcheck->setGeometry(TwipsRect(120, 480, 2400, 375));
    // The tick belongs to the game being built: choosing teams or reversing them keeps it.
    connect(Neutralcheck, &QCheckBox::toggled, this, [this](bool on) { session_.SetNeutral(on); });
    Reversebutton = new QPushButton("Reverse", gamebox);
    Reversebutton->setObjectName("Reversebutton");
    Reversebutton->setGeometry(TwipsRect(kListWidth - 1335, 450, 1215, 405));
    connect(Reversebutton, &QPushButton::clicked, this, [this] { Reversebutton_Click(); });

    const double row = 5355;
    PredictButton = new QPushButton("Predict", this);
    PredictButton->setObjectName("PredictButton");
    PredictButton->setToolTip("Make Prediction");
    PredictButton->setGeometry(TwipsRect(120, row, 1215, 495));
    connect(PredictButton, &QPushButton::clicked, this, [this] { PredictButton_Click(); });
    PrintButton =
        PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(1455, row, 615, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    RemoveButton = new QPushButton("Remove", this);
    RemoveButton->setObjectName("RemoveButton");
    RemoveButton->setToolTip("Remove Selected Line");
    RemoveButton->setGeometry(TwipsRect(2190, row, 1215, 495));
    connect(RemoveButton, &QPushButton::clicked, this, [this] { RemoveButton_Click(); });
    ClearButton = PictureButton(this, "ClearButton", Glyph::ClearList, "Clear Entire List",
                                TwipsRect(3525, row, 615, 495));
    connect(ClearButton, &QToolButton::clicked, this, [this] { ClearButton_Click(); });
    DoneButton = PictureButton(this, "DoneButton", Glyph::DoorOut, "Close Predictions",
                               TwipsRect(4380, row, 615, 495));
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    // The two conferences, each one column of team labels under its division headings.
    struct Block {
        QGroupBox*& frame;
        const char* caption;
        double left;
        QLabel*& heading1;
        const char* name1;
        const char* text1;
        int first1, last1;
        QLabel*& heading2;
        const char* name2;
        const char* text2;
        int first2, last2;
    };
    Block blocks[] = {
        {Frame1, "Eastern Conference", kFrame1Left, Label1, "Label1", "Atlantic Division", 1, 7, Label2,
         "Label2", "Central Division", 8, 15},
        {Frame2, "Western Conference", kFrame2Left, Label3, "Label3", "Midwest Division", 16, 22, Label4,
         "Label4", "Pacific Division", 23, 29},
    };
    const double rowHeight = 285, labelWidth = 2280;
    for (Block& b : blocks) {
        b.frame = new QGroupBox(b.caption, this);
        b.frame->setObjectName(b.frame == Frame1 ? "Frame1" : "Frame2");
        b.frame->setGeometry(TwipsRect(b.left, 60, 2520, 5790));
        double top = 330;
        auto heading = [&](QLabel*& label, const char* name, const char* text) {
            label = new QLabel(text, b.frame);
            label->setObjectName(name);
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
            label->setGeometry(TwipsRect(120, top, labelWidth, rowHeight));
            top += rowHeight + 30;
        };
        auto teams = [&](int first, int last) {
            for (int t = first; t <= last; ++t) {
                auto* label = new QLabel(b.frame);
                label->setObjectName(QString("Clabel(%1)").arg(t));
                label->setProperty("index", t);
                label->setGeometry(TwipsRect(120, top, labelWidth, rowHeight - 30));
                label->setCursor(Qt::PointingHandCursor);
                label->setFocusPolicy(Qt::TabFocus);  // Space or Enter chooses, as a click does
                label->setFrameShape(QFrame::NoFrame);
                SetAccessible(label, QAccessible::Button);
                label->installEventFilter(this);
                Clabel[t] = label;
                top += rowHeight;
            }
            top += 120;
        };
        heading(b.heading1, b.name1, b.text1);
        teams(b.first1, b.last1);
        heading(b.heading2, b.name2, b.text2);
        teams(b.first2, b.last2);
    }

    // The keyboard starts on the first team and meets the teams before what acts on them.
    QWidget* previous = nullptr;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        if (previous) setTabOrder(previous, Clabel[t]);
        previous = Clabel[t];
    }
    for (QWidget* next : std::initializer_list<QWidget*>{Neutralcheck, Reversebutton, PredictButton,
                                                         PrintButton, RemoveButton, ClearButton, DoneButton,
                                                         List1, HScroll1, InfoButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
    Clabel[1]->setFocus();
}

void predictions::Form_Load() {
    // Each team is a box of the theme's own text colours, light or dark.
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Clabel[t]->setBackgroundRole(QPalette::Base);
        Clabel[t]->setForegroundRole(QPalette::Text);
        Clabel[t]->setAutoFillBackground(true);
    }
    DateLabel->setText(Latin1(UpdateDateCaption(ctx_.nba)));
    FillList();
    for (int t = 1; t <= kLeagueTeams; ++t) Clabel[t]->setText(Latin1(TeamLabelCaption(ctx_.nba, t)));
    ShowGameState();
}

bool predictions::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    const int team = label ? label->property("index").toInt() : 0;
    if (team < 1 || team > kLeagueTeams) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            // The second click of a double click is not a second choice: it would un-choose the team.
            swallowRelease_ = true;
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            if (std::exchange(swallowRelease_, false)) return true;
            if (label->rect().contains(mouse->position().toPoint())) Clabel_Click(team);
            return true;
        }
        case QEvent::KeyPress: {
            auto* press = static_cast<QKeyEvent*>(event);
            const int key = press->key();
            if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) break;
            if (press->isAutoRepeat()) return true;  // a held key is one choice too
            // Enter predicts once the game has both teams, the window's main action; Space chooses.
            if (key != Qt::Key_Space && session_.GameBoxEnabled())
                PredictButton_Click();
            else
                Clabel_Click(team);
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A plain box shows which team the keyboard is on.
            label->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box : QFrame::NoFrame);
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void predictions::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere the focused control leaves it unanswered (the neutral tick, the list) predicts.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && session_.GameBoxEnabled()) {
        PredictButton_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

int predictions::ShiftToShow(int characters) const {
    return std::max(0, WidthBeyondList(characters) - grown_);
}

int predictions::WidthBeyondList(int characters) const {
    // Two characters more than the text leave room for the item's padding; the frames and a
    // vertical scroll bar take their share of the visible width too.
    const QFontMetrics metrics(List1->font());
    const int pixels = metrics.horizontalAdvance(QString(characters + 2, QLatin1Char('0'))) +
                       2 * List1->frameWidth() + List1->verticalScrollBar()->sizeHint().width();
    return std::max(0, static_cast<int>(pixels * 1440.0 / logicalDpiX()) - static_cast<int>(kListWidth));
}

void predictions::FitListRange() {
    HScroll1->setRange(0, ShiftToShow(longest_));
    setMaximumWidth(Twips(kWindowWidth + WidthBeyondList(longest_)));
}

void predictions::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The list takes all the width the window grows by; the help button and the team frames
    // keep to its right.
    const int extra = std::max(0, width() - Twips(kWindowWidth));
    grown_ = static_cast<int>(extra * 1440.0 / logicalDpiX());
    listClip_->resize(Twips(kListWidth) + extra, listClip_->height());
    HScroll1->resize(Twips(kListWidth) + extra, HScroll1->height());
    InfoButton->move(Twips(kInfoLeft) + extra, InfoButton->y());
    Frame1->move(Twips(kFrame1Left) + extra, Frame1->y());
    Frame2->move(Twips(kFrame2Left) + extra, Frame2->y());
    FitListRange();
    HScroll1_Change(HScroll1->value());
}

void predictions::ShowGameState() {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const bool chosen = session_.LabelChosen(t);
        QPalette palette = Clabel[t]->palette();
        const QPalette theme = Clabel[t]->parentWidget()->palette();
        palette.setColor(QPalette::Text,
                         chosen ? ChosenColour(theme.color(QPalette::Base)) : theme.color(QPalette::Text));
        Clabel[t]->setPalette(palette);
        QFont font = Clabel[t]->font();
        font.setBold(chosen);
        Clabel[t]->setFont(font);
        SetAccessibleChecked(Clabel[t], chosen);
    }
    gamebox->setEnabled(session_.GameBoxEnabled());
    GameLabel->setText(Latin1(session_.GameCaption()));
    Neutralcheck->setChecked(session_.Neutral());
}

void predictions::FillList() {
    List1->clear();
    AddLines(List1, session_.List());
}

void predictions::Clabel_Click(int team) {
    session_.Clabel_Click(team);
    ShowGameState();
}

void predictions::Reversebutton_Click() {
    session_.Reverse();
    ShowGameState();
}

void predictions::PredictButton_Click() {
    if (!session_.Predict(ctx_.seasonView)) {
        ctx_.dialogs.Beep();
        return;
    }
    const auto& list = session_.List();
    for (size_t i = static_cast<size_t>(List1->count()); i < list.size(); ++i)
        List1->addItem(Latin1(list[i]));
    // The answer (favourite, margin, total) stands at the right end of the new line: bring it in.
    List1->scrollToBottom();
    const int length = static_cast<int>(list.back().size());
    if (length > longest_) {  // a line made long by long names
        longest_ = length;
        FitListRange();
    }
    HScroll1->setValue(ShiftToShow(length));
    ShowGameState();
}

void predictions::RemoveButton_Click() {
    const int row = List1->currentRow();
    if (row < 0 || !List1->item(row)->isSelected()) return;
    if (session_.Remove(row)) delete List1->takeItem(row);
}

void predictions::ClearButton_Click() {
    if (!session_.ClearNeedsQuestion()) return;
    if (ctx_.dialogs.Show("Is it Ok to Clear Prediction list?", "Tavix Schedule", Buttons::YesNo,
                          Icon::None) != Answer::Yes)
        return;
    session_.Clear();
    FillList();
    GameLabel->setText(Latin1(session_.GameCaption()));
}

void predictions::PrintButton_Click() {
    PrintListWithMessages(ctx_, SinglePredictionsPrintScheme(ctx_.clock.Today()), {session_.List(), {}});
}

void predictions::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void predictions::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Predictions); }

void predictions::HScroll1_Change(int value) {
    // Sliding the list left inside its visible area and widening it by as much brings the
    // right-hand columns into view while the rows stay where they are.
    ScrollShift = value;
    List1->setGeometry(-Twips(ScrollShift), 0, Twips(ScrollShift) + listClip_->width(), Twips(kListHeight));
}

void predictions::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoneButton_Click();
}

}  // namespace tavix
