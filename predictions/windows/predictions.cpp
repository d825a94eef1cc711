#include "predictions/windows/predictions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "platform/accessible.h"
#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "predictions/windows/chance_column.h"

namespace tavix {
namespace {

constexpr int kLongestLine = 82;       // the rule under the window's first heading
constexpr int kFewestCharacters = 30;  // the list's narrowest: the teams of a line

}  // namespace

// Pure red on white falls short of the contrast small text needs; a deeper red on a light box and a
// paler one on a dark box both stay readable.
QColor predictions::ChosenColour(const QColor& background) {
    return background.lightness() < 128 ? QColor(255, 128, 128) : QColor(192, 0, 0);
}

predictions::predictions(AppContext& ctx) : ctx_(ctx), longest_(kLongestLine) {
    SetWindowName("Single Game Predictions");
    BuildControls();
    Form_Load();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
}

void predictions::BuildControls() {
    DateLabel = new QLabel(this);
    DateLabel->setObjectName("DateLabel");

    InfoButton =
        PictureButton(this, "InfoButton", Glyph::Info, "Help on Predictions", TwipsRect(0, 0, 495, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Predictions");
    List1->setFont(FixedPitchFont(9));
    List1->setTextElideMode(Qt::ElideNone);
    ChanceList = MakeChanceColumn(this, List1);

    gamebox = new QFrame(this);
    gamebox->setObjectName("gamebox");
    gamebox->setFrameShape(QFrame::Box);
    GameLabel = new QLabel(gamebox);
    GameLabel->setObjectName("GameLabel");
    QFont gameFont = GameLabel->font();
    gameFont.setBold(true);
    GameLabel->setFont(gameFont);
    Neutralcheck = new QCheckBox("Neutral Site Game", gamebox);
    Neutralcheck->setObjectName("Neutralcheck");
    // The tick belongs to the game being built: choosing teams or reversing them keeps it.
    connect(Neutralcheck, &QCheckBox::toggled, this, [this](bool on) { session_.SetNeutral(on); });
    Reversebutton = new QPushButton("Reverse", gamebox);
    Reversebutton->setObjectName("Reversebutton");
    connect(Reversebutton, &QPushButton::clicked, this, [this] { Reversebutton_Click(); });
    auto* gameLayout = new QGridLayout(gamebox);
    gameLayout->addWidget(GameLabel, 0, 0, 1, 3);
    gameLayout->addWidget(Neutralcheck, 1, 0);
    gameLayout->setColumnStretch(1, 1);
    gameLayout->addWidget(Reversebutton, 1, 2);

    PredictButton = new QPushButton("Predict", this);
    PredictButton->setObjectName("PredictButton");
    PredictButton->setToolTip("Make Prediction");
    connect(PredictButton, &QPushButton::clicked, this, [this] { PredictButton_Click(); });
    PrintButton = PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(0, 0, 615, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    PrintWith(PrintButton);
    RemoveButton = new QPushButton("Remove", this);
    RemoveButton->setObjectName("RemoveButton");
    RemoveButton->setToolTip("Remove Selected Line");
    connect(RemoveButton, &QPushButton::clicked, this, [this] { RemoveButton_Click(); });
    ClearButton =
        PictureButton(this, "ClearButton", Glyph::ClearList, "Clear Entire List", TwipsRect(0, 0, 615, 495));
    connect(ClearButton, &QToolButton::clicked, this, [this] { ClearButton_Click(); });
    DoneButton =
        PictureButton(this, "DoneButton", Glyph::DoorOut, "Close Predictions", TwipsRect(0, 0, 615, 495));
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    // Left: the date and help, the list with its chance column, the game box and the buttons.
    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(DateLabel, 1);
    top->addWidget(InfoButton);
    left->addLayout(top);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    lists->addWidget(List1, 1);
    lists->addWidget(ChanceList);
    lists->addStretch(0);
    left->addLayout(lists, 1);
    left->addWidget(gamebox);
    auto* buttons = new QHBoxLayout;
    for (QWidget* button :
         std::initializer_list<QWidget*>{PredictButton, PrintButton, RemoveButton, ClearButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(DoneButton);
    left->addLayout(buttons);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);

    // The two conferences, each one column of team labels under its division headings.
    struct Block {
        QGroupBox*& frame;
        const char* caption;
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
        {Frame1, "Eastern Conference", Label1, "Label1", "Atlantic Division", 1, 7, Label2, "Label2",
         "Central Division", 8, 15},
        {Frame2, "Western Conference", Label3, "Label3", "Midwest Division", 16, 22, Label4, "Label4",
         "Pacific Division", 23, 29},
    };
    for (Block& b : blocks) {
        b.frame = new QGroupBox(b.caption, this);
        b.frame->setObjectName(b.frame == Frame1 ? "Frame1" : "Frame2");
        auto* column = new QVBoxLayout(b.frame);
        column->setSpacing(1);
        auto heading = [&](QLabel*& label, const char* name, const char* text) {
            label = new QLabel(text, b.frame);
            label->setObjectName(name);
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
            column->addSpacing(4);
            column->addWidget(label);
        };
        auto teams = [&](int first, int last) {
            for (int t = first; t <= last; ++t) {
                auto* label = new QLabel(b.frame);
                label->setObjectName(QString("Clabel(%1)").arg(t));
                label->setProperty("index", t);
                label->setCursor(Qt::PointingHandCursor);
                label->setFocusPolicy(Qt::TabFocus);  // Space or Enter chooses, as a click does
                label->setFrameShape(QFrame::NoFrame);
                label->setMargin(1);
                SetAccessible(label, QAccessible::Button);
                label->installEventFilter(this);
                Clabel[t] = label;
                column->addWidget(label);
            }
        };
        heading(b.heading1, b.name1, b.text1);
        teams(b.first1, b.last1);
        heading(b.heading2, b.name2, b.text2);
        teams(b.first2, b.last2);
        column->addStretch(1);
        whole->addWidget(b.frame, 0, Qt::AlignTop);
    }

    // The keyboard starts on the first team and meets the teams before what acts on them.
    QWidget* previous = nullptr;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        if (previous) setTabOrder(previous, Clabel[t]);
        previous = Clabel[t];
    }
    for (QWidget* next :
         std::initializer_list<QWidget*>{Neutralcheck, Reversebutton, PredictButton, PrintButton,
                                         RemoveButton, ClearButton, DoneButton, List1, InfoButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
    Clabel[1]->setFocus();
    SizeForLines(this, List1, kFewestCharacters, longest_);
}

void predictions::Form_Load() {
    // Each team is a box of the theme's own text colours, light or dark.
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Clabel[t]->setBackgroundRole(QPalette::Base);
        Clabel[t]->setForegroundRole(QPalette::Text);
        Clabel[t]->setAutoFillBackground(true);
    }
    DateLabel->setText(Latin1(UpdateDateCaption(ctx_.League())));
    FillList();
    for (int t = 1; t <= kLeagueTeams; ++t) Clabel[t]->setText(Latin1(TeamLabelCaption(ctx_.League(), t)));
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
    ShowChanceColumn(ChanceList, session_.ChanceColumn());
}

void predictions::Clabel_Click(int team) {
    session_.Clabel_Click(ctx_.League(), team);
    ShowGameState();
}

void predictions::Reversebutton_Click() {
    session_.Reverse(ctx_.League());
    ShowGameState();
}

void predictions::PredictButton_Click() {
    if (!session_.Predict(ctx_.League(), ctx_.seasonView)) {
        ctx_.dialogs.Beep();
        return;
    }
    const auto& list = session_.List();
    for (size_t i = static_cast<size_t>(List1->count()); i < list.size(); ++i) {
        List1->addItem(Latin1(list[i]));
        auto* chance = new QListWidgetItem(Latin1(session_.ChanceColumn()[i]), ChanceList);
        chance->setTextAlignment(Qt::AlignRight);
    }
    List1->scrollToBottom();
    const int length = static_cast<int>(list.back().size());
    if (length > longest_) {  // a line made long by long names
        longest_ = length;
        SizeForLines(this, List1, kFewestCharacters, longest_);
    }
    AnnounceNewestLine();
    ShowGameState();
}

void predictions::RemoveButton_Click() {
    const int row = List1->currentRow();
    if (row < 0 || !List1->item(row)->isSelected()) return;
    if (!session_.Remove(row)) return;
    delete List1->takeItem(row);
    delete ChanceList->takeItem(row);
}

void predictions::ClearButton_Click() {
    if (!session_.ClearNeedsQuestion()) return;
    if (ctx_.dialogs.Show("Is it Ok to Clear Prediction list?", "Tavix Schedule", Buttons::YesNo,
                          Icon::Question) != Answer::Yes)
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

void predictions::AnnounceNewestLine() {
    // A screen reader reads the new line with its chance, as a sighted user sees it appear.
    const int row = List1->count() - 1;
    const QString spoken = List1->item(row)->text().simplified() + ", " + ChanceList->item(row)->text() +
                           " chance for the favourite";
    List1->setAccessibleDescription("Newest prediction: " + spoken);
    QAccessibleEvent created(List1, QAccessible::ObjectCreated);
    created.setChild(row);
    QAccessible::updateAccessibility(&created);
    QAccessibleEvent alert(List1, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void predictions::Leave() { DoneButton_Click(); }

}  // namespace tavix
