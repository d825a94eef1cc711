#include "statistics/windows/vstatsform.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
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

namespace tavix {
namespace {

const char kShowPrevious[] = "View Previous Season";
const char kShowCurrent[] = "View Current Season";
const char kCurrentCaption[] = "Tavix Statistics  (Current Season)";
const char kPreviousCaption[] = "Tavix Statistics  (Previous Season)";

constexpr double kListLeft = 90, kListTop = 90, kListWidth = 9255, kListHeight = 4770;
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
    setFixedSize(TwipsSize(9435, 6390));

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Team ratings");
    List1->setFont(FixedPitchFont(9));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setGeometry(TwipsRect(kListLeft, kListTop, kListWidth, kListHeight));
    List1->viewport()->installEventFilter(this);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setAccessibleName("Slide the ratings sideways");
    HScroll1->setGeometry(TwipsRect(kListLeft, kListTop + kListHeight, kListWidth, 255));
    // The bar reaches just far enough to bring the end of the longest line into view; one step is
    // one character of the list font.
    const QFontMetrics metrics(List1->font());
    const double charTwips = metrics.horizontalAdvance(QLatin1Char('0')) * 1440.0 / logicalDpiX();
    const int frame = List1->frameWidth() * 2 * 1440 / logicalDpiX();
    const int widest = static_cast<int>(charTwips * (kLongestLine + 1)) + frame;
    HScroll1->setRange(0, std::max(0, widest - static_cast<int>(kListWidth)));
    HScroll1->setSingleStep(std::max(1, static_cast<int>(charTwips)));
    HScroll1->setPageStep(static_cast<int>(kListWidth / 4));
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) { HScroll1_Change(v); });

    Frame1 = new QGroupBox("Teams Sorted by...", this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(TwipsRect(kListLeft, 5250, 5985, 1020));
    optionGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(RatingsOptionCaption(static_cast<RatingsOrder>(i)), Frame1);
        option->setObjectName(QString("Option1(%1)").arg(i));
        option->setGeometry(TwipsRect(150 + (i % 2) * 3060, 300 + (i / 2) * 330, 2820, 300));
        optionGroup_->addButton(option, i);
        Option1[static_cast<size_t>(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    seasonbutton = new QPushButton(kShowPrevious, this);
    seasonbutton->setObjectName("seasonbutton");
    seasonbutton->setGeometry(TwipsRect(6255, 5340, 3090, 420));
    connect(seasonbutton, &QPushButton::clicked, this, [this] { seasonbutton_Click(); });

    PrintButton =
        PictureButton(this, "PrintButton", Glyph::Printer, "Print listing", TwipsRect(7425, 5835, 555, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    donebutton = PictureButton(this, "donebutton", Glyph::Tick, "Close Statistic window",
                               TwipsRect(8790, 5835, 555, 495));
    connect(donebutton, &QToolButton::clicked, this, [this] { donebutton_Click(); });
}

SeasonView VStatsform::ShownSeason() const {
    // The season is whatever the button offers to switch away from.
    return seasonbutton->text() == kShowCurrent ? SeasonView::Previous : SeasonView::Current;
}

void VStatsform::ShowLines(const std::vector<std::string>& lines) {
    List1->clear();
    AddLines(List1, lines);
}

void VStatsform::Form_Load() {
    CentreOnScreen(this);
    ctx_.seasonView = SeasonView::Current;
    Option1[0]->setChecked(true);
    ShowLines(BuildRatingsView(ctx_.nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load));
    // A list that opens with the focus frames its first line as if it were picked; the focus
    // starts where a click in the list sends it.
    donebutton->setFocus();
}

void VStatsform::Option1_Click(int index) {
    ShowLines(
        BuildRatingsView(ctx_.nba, static_cast<RatingsOrder>(index), ShownSeason(), RatingsRebuild::Option));
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
    ShowLines(
        BuildRatingsView(ctx_.nba, RatingsOrder::Scoring, ctx_.seasonView, RatingsRebuild::SeasonSwitch));
}

void VStatsform::HScroll1_Change(int value) {
    // The list slides left and widens by the same amount, so its right edge stays put.
    List1->hide();
    List1->setGeometry(
        QRect(Twips(kListLeft - value), Twips(kListTop), Twips(kListWidth + value), Twips(kListHeight)));
    List1->show();
}

bool VStatsform::eventFilter(QObject* watched, QEvent* event) {
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

void VStatsform::closeEvent(QCloseEvent* event) {
    event->ignore();
    donebutton_Click();
}

}  // namespace tavix
