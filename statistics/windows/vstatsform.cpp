#include "statistics/windows/vstatsform.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "platform/window_help.h"
#include "predictions/ratings.h"

namespace tavix {
namespace {

const char kShowPrevious[] = "View Previous Season";
const char kShowCurrent[] = "View Current Season";
const char kCurrentCaption[] = "Team Ratings, Current Season - Tavix";
const char kPreviousCaption[] = "Team Ratings, Previous Season - Tavix";

constexpr double kListLeft = 90, kListTop = 90, kListWidth = 9255, kListHeight = 4770;  // twips
constexpr int kLongestLine = 72;  // the 70-character headings and a club line with a long name

}  // namespace

VStatsform::VStatsform(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle(kCurrentCaption);
    SetHelpKeyword(this, HelpKeyword::Ratings);
    BuildControls();
    Form_Load();
    // A replay's ratings are those of the day shown, in the order picked.
    ctx_.dayFollowers.Add(this, [this] {
        for (size_t i = 0; i < Option1.size(); ++i)
            if (Option1[i]->isChecked()) Option1_Click(static_cast<int>(i));
    });
}

void VStatsform::BuildControls() {
    // The list lies in an area of its own, which grows with the window; the bar slides the list
    // inside it, so its right edge stays put and lines longer than the area come into view.
    listArea_ = new QWidget(this);
    listArea_->setMinimumSize(TwipsSize(kListWidth, kListHeight) / 2);
    List1 = new QListWidget(listArea_);
    List1->setObjectName("List1");
    List1->setAccessibleName("Team ratings");
    List1->setFont(FixedPitchFont(9));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->viewport()->installEventFilter(this);
    listArea_->installEventFilter(this);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setAccessibleName("Slide the ratings sideways");
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) { HScroll1_Change(v); });

    BlendNote = new QLabel(this);
    BlendNote->setObjectName("BlendNote");
    BlendNote->setWordWrap(true);
    BlendNote->hide();

    Frame1 = new QGroupBox("Teams Sorted by...", this);
    Frame1->setObjectName("Frame1");
    optionGroup_ = new QButtonGroup(this);
    auto* options = new QGridLayout(Frame1);
    options->setHorizontalSpacing(Twips(240));
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(RatingsOptionCaption(static_cast<RatingsOrder>(i)), Frame1);
        option->setObjectName(QString("Option1(%1)").arg(i));
        options->addWidget(option, i / 2, i % 2);
        optionGroup_->addButton(option, i);
        Option1[static_cast<size_t>(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    seasonbutton = new QPushButton(kShowPrevious, this);
    seasonbutton->setObjectName("seasonbutton");
    seasonbutton->setMinimumSize(TwipsSize(3090, 420));
    connect(seasonbutton, &QPushButton::clicked, this, [this] { seasonbutton_Click(); });

    PrintButton = PictureButton(this, "PrintButton", Glyph::Printer, "Print listing", TwipsSize(555, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    PrintWith(PrintButton);
    donebutton =
        PictureButton(this, "donebutton", Glyph::Tick, "Close Statistic window", TwipsSize(555, 495));
    connect(donebutton, &QToolButton::clicked, this, [this] { donebutton_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrintButton);
    buttons->addSpacing(Twips(810));
    buttons->addWidget(donebutton);
    auto* right = new QVBoxLayout;
    right->addWidget(seasonbutton);
    right->addStretch();
    right->addLayout(buttons);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Frame1, 1);
    bottom->addSpacing(Twips(180));
    bottom->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(kListLeft), Twips(kListTop), Twips(kListLeft), Twips(120));
    layout->setSpacing(0);
    layout->addWidget(listArea_, 1);
    layout->addWidget(HScroll1);
    layout->addWidget(BlendNote);
    layout->addSpacing(Twips(135));
    layout->addLayout(bottom);
    resize(TwipsSize(9435, 6390).expandedTo(sizeHint()));
    layout->activate();
}

SeasonView VStatsform::ShownSeason() const {
    // The season is whatever the button offers to switch away from.
    return seasonbutton->text() == kShowCurrent ? SeasonView::Previous : SeasonView::Current;
}

void VStatsform::ShowLines(const std::vector<std::string>& lines) {
    List1->clear();
    AddLines(List1, lines);
    ShowBlendNote();
}

void VStatsform::ShowBlendNote() {
    QStringList clubs;
    const NBA& nba = ctx_.League();
    for (int t = 1; t <= nba.TeamCount && t < kTeamSlots; ++t)
        if (RatingBlended(nba, t)) clubs << Latin1(nba.TeamNames[t]);
    const bool shown = ShownSeason() == SeasonView::Current && !clubs.isEmpty();
    const QString why =
        QString(
            "rated half on last season's averages, having played %1 games or fewer, so it need "
            "not be the difference of the averages shown")
            .arg(EarlySeasonGames);
    if (!shown)
        BlendNote->clear();
    else if (clubs.size() == nba.TeamCount)
        BlendNote->setText("Every club's margin (SCO) is " + why + ".");
    else
        BlendNote->setText("The margin (SCO) of these clubs is " + why + ": " + clubs.join(", ") + ".");
    BlendNote->setVisible(shown);
}

void VStatsform::Form_Load() {
    CentreOnScreen(this);
    ctx_.seasonView = SeasonView::Current;
    Option1[0]->setChecked(true);
    ShowLines(
        BuildRatingsView(ctx_.League(), RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load));
    // A list that opens with the focus frames its first line as if it were picked; the focus
    // starts where a click in the list sends it.
    donebutton->setFocus();
}

void VStatsform::Option1_Click(int index) {
    ShowLines(BuildRatingsView(ctx_.League(), static_cast<RatingsOrder>(index), ShownSeason(),
                               RatingsRebuild::Option));
}

void VStatsform::seasonbutton_Click() {
    if (seasonbutton->text() == kShowPrevious) {
        seasonbutton->setText(kShowCurrent);
        setWindowTitle(kPreviousCaption);
    } else if (seasonbutton->text() == kShowCurrent) {
        seasonbutton->setText(kShowPrevious);
        setWindowTitle(kCurrentCaption);
    }
    ctx_.seasonView = ShownSeason();
    Option1[0]->setChecked(true);  // no click: the switch lists by the finer margin below
    ShowLines(BuildRatingsView(ctx_.League(), RatingsOrder::Scoring, ctx_.seasonView,
                               RatingsRebuild::SeasonSwitch));
}

void VStatsform::HScroll1_Change(int value) {
    // The list slides left and widens by the same amount, so its right edge stays put.
    List1->setGeometry(-value, 0, listArea_->width() + value, listArea_->height());
}

void VStatsform::FitScrollRange() {
    const QFontMetrics metrics(List1->font());
    const int character = metrics.horizontalAdvance(QLatin1Char('0'));
    const int widest = character * (kLongestLine + 1) + List1->frameWidth() * 2;
    const int shown = listArea_->width();
    HScroll1->setRange(0, std::max(0, widest - shown));
    HScroll1->setSingleStep(std::max(1, character));
    HScroll1->setPageStep(std::max(1, shown / 4));
    HScroll1_Change(HScroll1->value());
}

bool VStatsform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listArea_ && event->type() == QEvent::Resize) FitScrollRange();
    if (watched == List1->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        List1_MouseDown();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void VStatsform::List1_MouseDown() {
    // The list is for reading; a click leaves no line selected.
    List1->clearSelection();
    donebutton->setFocus();
}

void VStatsform::PrintButton_Click() {
    if (List1->count() == 0) return;
    PrintListWithMessages(ctx_, RatingsPrintScheme(), ListContentsOf(List1));
}

void VStatsform::donebutton_Click() {
    ctx_.seasonView = SeasonView::Current;
    ctx_.host.CloseSubWindow(this);
}

void VStatsform::Leave() { donebutton_Click(); }

}  // namespace tavix
