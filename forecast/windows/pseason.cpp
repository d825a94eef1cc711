#include "forecast/windows/pseason.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <map>

#include "core/calendar.h"
#include "forecast/odds_view.h"
#include "forecast/windows/odds_chart.h"
#include "platform/accessible.h"
#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"

namespace tavix {
namespace {

// The bracket is a drawing: its boxes, frames and lines keep their places, in twips.
constexpr double kBracketWidth = 8415, kBracketHeight = 3800;
constexpr double kBoxWidth = 1605, kBoxHeight = 615;
constexpr double kFrameMargin = 15;  // each frame is 1635 by 645 around its 1605 by 615 box

// Box 1..7: left and top in twips.
constexpr double kBoxPlace[kForecastBoxes + 1][2] = {
    {0, 0}, {510, 330}, {510, 1140}, {510, 2250}, {510, 3060}, {3270, 750}, {3270, 2670}, {6120, 1680},
};

// A connector: from (x1, y1) to (x2, y2), across or down.
struct Connector {
    double x1, y1, x2, y2;
};
constexpr double kBoxRight = 510 + kBoxWidth;     // right edge of boxes 1 to 4
constexpr double kChampRight = 3270 + kBoxWidth;  // right edge of boxes 5 and 6
constexpr Connector kConnectors[12] = {
    {kBoxRight, 660, 2730, 660},     {kBoxRight, 1440, 2730, 1440},   {2730, 1050, 3270, 1050},  // 1, 2 to 5
    {kBoxRight, 2580, 2760, 2580},   {kBoxRight, 3390, 2760, 3390},   {2760, 3000, 3270, 3000},  // 3, 4 to 6
    {kChampRight, 1050, 5490, 1050}, {kChampRight, 2970, 5490, 2970}, {5490, 2010, 6120, 2010},  // 5, 6 to 7
    {2730, 660, 2730, 1440},         {2760, 2580, 2760, 3390},        {5490, 1050, 5490, 2970},
};

struct Caption {
    double left, top, width, height;
    const char* text;
    QColor hue;
    bool centred;
};

double Luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The captions keep their blue and red, made darker on a light ground and lighter on a dark one
// until they read as well as text must.
QColor Readable(QColor hue, const QColor& ground) {
    const QColor toward = Luminance(ground) > 0.2 ? QColor(Qt::black) : QColor(Qt::white);
    for (double mix = 0; mix <= 1.0 && Contrast(hue, ground) < 4.5; mix += 0.05)
        hue = QColor::fromRgbF(hue.redF() + (toward.redF() - hue.redF()) * 0.05 / (1.05 - mix),
                               hue.greenF() + (toward.greenF() - hue.greenF()) * 0.05 / (1.05 - mix),
                               hue.blueF() + (toward.blueF() - hue.blueF()) * 0.05 / (1.05 - mix));
    return hue;
}

// The frames and connectors, drawn in the palette's text colour on the window's ground.
class BracketCanvas : public QWidget {
  public:
    explicit BracketCanvas(QWidget* parent) : QWidget(parent) {
        setObjectName("Bracket");
        setFixedSize(TwipsSize(kBracketWidth, kBracketHeight));
        SetAccessible(this, QAccessible::Graphic, "Play-off bracket");
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QColor ink = palette().color(QPalette::WindowText);
        // Two pixels wide at the usual 96 dots per inch, wider on denser screens.
        const int thickness = std::max(2, Twips(30));
        for (const Connector& c : kConnectors) {
            const bool across = c.y1 == c.y2;
            const QRect r =
                across ? QRect(Twips(c.x1), Twips(c.y1) - thickness / 2, Twips(c.x2) - Twips(c.x1), thickness)
                       : QRect(Twips(c.x1) - thickness / 2, Twips(c.y1), thickness,
                               Twips(c.y2) - Twips(c.y1) + thickness / 2);
            p.fillRect(r, ink);
        }
        p.setPen(ink);
        for (int box = 1; box <= kForecastBoxes; ++box)
            p.drawRect(TwipsRect(kBoxPlace[box][0] - kFrameMargin, kBoxPlace[box][1] - kFrameMargin,
                                 kBoxWidth + 2 * kFrameMargin, kBoxHeight + 2 * kFrameMargin)
                           .adjusted(0, 0, -1, -1));
    }
};

// The captions were laid out for a narrower system font than most of today's: a caption that
// would be cut off is set in the regular weight, then smaller, until it fits its place.
void FitToWidth(QLabel* label) {
    QFont font = label->font();
    const int room = label->contentsRect().width();
    auto fits = [&] {
        const QFontMetrics metrics(font);
        for (const QString& line : label->text().split('\n'))
            if (metrics.horizontalAdvance(line) > room) return false;
        return true;
    };
    if (!fits()) font.setBold(false);
    while (!fits() && font.pointSizeF() > 6) font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
}

// Odds once worked out hold for the run of the program, as long as the league's figures, the
// evening and the count are the same: reopening the window, or coming back to an evening of a
// replay, shows them at once.
std::map<std::string, std::vector<SeasonOdds>>& Kept() {
    static std::map<std::string, std::vector<SeasonOdds>> kept;
    return kept;
}
void Keep(const std::string& key, std::vector<SeasonOdds> odds) {
    if (Kept().size() >= 64) Kept().clear();  // a bound for a long evening of replays
    Kept()[key] = std::move(odds);
}
const std::vector<SeasonOdds>* KeptOdds(const std::string& key) {
    const auto found = Kept().find(key);
    return found == Kept().end() ? nullptr : &found->second;
}

constexpr int kPollMs = 50;
constexpr int kBlinkPolls = 4;  // work still running after 0.2 s shows its progress

}  // namespace

Pseason::Pseason(AppContext& ctx) : ctx_(ctx) {
    setObjectName("Pseason");
    SetWindowName("Play-Off Forecast");

    Bracket = new BracketCanvas(this);
    QFont bracketFont = font();
    bracketFont.setPointSizeF(8);
    bracketFont.setBold(true);
    Bracket->setFont(bracketFont);

    // What each box stands for, which a screen reader cannot see from the bracket's lines.
    const char* const places[kForecastBoxes + 1] = {"",
                                                    "Eastern Conference, first seed",
                                                    "Eastern Conference, second seed",
                                                    "Western Conference, first seed",
                                                    "Western Conference, second seed",
                                                    "Eastern Conference champion",
                                                    "Western Conference champion",
                                                    "World Champion favorite"};
    for (int box = 1; box <= kForecastBoxes; ++box) {
        auto* l = new QLabel(Bracket);
        l->setObjectName(QString("label(%1)").arg(box));
        l->setAccessibleDescription(places[box]);
        l->setGeometry(TwipsRect(kBoxPlace[box][0], kBoxPlace[box][1], kBoxWidth, kBoxHeight));
        l->setFrameShape(QFrame::Box);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setTextFormat(Qt::PlainText);
        l->setAutoFillBackground(true);
        l->setBackgroundRole(QPalette::Base);
        l->setForegroundRole(QPalette::Text);
        label[box] = l;
    }

    // Blue and red as always, as dark or as light as the window's ground needs.
    const Caption captions[4] = {
        {2850, 360, 2745, 225, "Eastern Conference Champion", QColor(0, 0, 255), false},
        {2850, 3510, 2805, 225, "Western Conference Champion", QColor(0, 0, 255), false},
        {5640, 1140, 2655, 225, "Tavix", QColor(255, 0, 0), true},
        {5640, 1410, 2655, 225, "World Champion favorite", QColor(255, 0, 0), true},
    };
    const QColor ground = palette().color(QPalette::Window);
    for (int i = 0; i < 4; ++i) {
        const Caption& c = captions[i];
        auto* l = new QLabel(QString::fromLatin1(c.text), Bracket);
        l->setObjectName(QString("Label1(%1)").arg(i));
        l->setGeometry(TwipsRect(c.left, c.top, c.width, c.height));
        l->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        QPalette lp = l->palette();
        lp.setColor(QPalette::WindowText, Readable(c.hue, ground));
        l->setPalette(lp);
        FitToWidth(l);
        Label1[i] = l;
    }

    OddsCaption = new QLabel(this);
    OddsCaption->setObjectName("OddsCaption");
    // One line: a wrapped label would ask the layout for height it cannot foresee, and squeeze
    // the bracket on a low screen.
    OddsList = new QListWidget(this);
    OddsList->setObjectName("OddsList");
    OddsList->setAccessibleName("Play-off, conference and title chances");
    OddsList->setFont(FixedPitchFont(10));
    OddsList->setMinimumHeight(OddsList->fontMetrics().height() * 4);
    auto* oddsPage = new QWidget;
    auto* oddsBox = new QVBoxLayout(oddsPage);
    oddsBox->addWidget(OddsCaption);
    oddsBox->addWidget(OddsList, 1);

    ChartTeam = new QComboBox(this);
    ChartTeam->setObjectName("ChartTeam");
    for (int t = 1; t <= kLeagueTeams; ++t) ChartTeam->addItem(Latin1(FullName(ctx_.League(), t)), t);
    auto* teamLabel = new QLabel("&Team on the chart:", this);
    teamLabel->setBuddy(ChartTeam);
    Chart = new OddsChart(this);
    auto* chartPage = new QWidget;
    auto* chartBox = new QVBoxLayout(chartPage);
    auto* teamRow = new QHBoxLayout;
    teamRow->addWidget(teamLabel);
    teamRow->addWidget(ChartTeam);
    teamRow->addStretch(1);
    chartBox->addLayout(teamRow);
    chartBox->addWidget(Chart, 1);

    OddsTabs = new QTabWidget(this);
    OddsTabs->setObjectName("OddsTabs");
    OddsTabs->addTab(oddsPage, "&Odds on the evening");
    OddsTabs->addTab(chartPage, "&Chances through the season");

    OddsProgress = new QProgressBar(this);
    OddsProgress->setObjectName("OddsProgress");
    OddsProgress->setRange(0, 1000);
    OddsProgress->setTextVisible(true);
    OddsProgress->setAccessibleName("Working out the odds");
    CancelButton = new QPushButton("Ca&ncel", this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAccessibleName("Cancel working out the odds");
    OddsProgress->hide();
    CancelButton->hide();

    const QSize buttonSize = TwipsSize(975, 495);
    PrintButton = PictureButton(this, "PrintButton", Glyph::Printer, "Print the odds", QRect({}, buttonSize));
    InfoButton =
        PictureButton(this, "InfoButton", Glyph::Info, "Help on season projections", QRect({}, buttonSize));
    DoneButton =
        PictureButton(this, "DoneButton", Glyph::WindowOut, "Close Forecast window", QRect({}, buttonSize));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OddsProgress, 1);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    for (QToolButton* b : {PrintButton, InfoButton, DoneButton}) {
        b->setFixedSize(buttonSize);
        buttons->addWidget(b);
    }

    auto* page = new QVBoxLayout(this);
    page->addWidget(Bracket, 0, Qt::AlignHCenter);
    page->addWidget(OddsTabs, 1);
    page->addLayout(buttons);
    setTabOrder(OddsTabs, OddsList);
    setTabOrder(OddsList, ChartTeam);
    setTabOrder(ChartTeam, CancelButton);
    setTabOrder(CancelButton, PrintButton);
    setTabOrder(PrintButton, InfoButton);
    setTabOrder(InfoButton, DoneButton);

    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    PrintWith(PrintButton);
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(OddsTabs, &QTabWidget::currentChanged, this, [this] { OddsTabs_Change(); });
    connect(ChartTeam, &QComboBox::currentIndexChanged, this, [this] { ChartTeam_Change(); });
    // Choosing a team in the list shows it on the chart.
    connect(OddsList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 1) ChartTeam->setCurrentIndex(row - 1);
    });
    poll_ = ctx_.timers.Make(kPollMs, [this] { Poll(); });
    adjustSize();

    Form_Load();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
}

void Pseason::Form_Load() {
    // On a low screen the lists give up height first; the bracket keeps its size.
    if (const QScreen* shown = screen()) {
        const int room =
            shown->availableGeometry().height() - 4 * fontMetrics().height();  // and the title bar
        if (height() > room) resize(width(), std::max(minimumSizeHint().height(), room));
    }
    CentreOnScreen(this);
    forecast_ = ForecastPlayoffs(ctx_.League(), ctx_.seasonView);
    QStringList boxes;
    for (int box = 1; box <= kForecastBoxes; ++box) {
        // The box text puts the city on the second line; the label wants a plain line break.
        QString text = QString::fromLatin1(BoxText(ctx_.League(), forecast_.BoxTeam(box)));
        text.replace("\r\n", "\n");
        label[box]->setText(text);
        // Read out as one line that says what the box stands for, not as a bare line break.
        const QString read = label[box]->accessibleDescription() + ": " +
                             (text.simplified().isEmpty() ? QString("none") : text.simplified());
        label[box]->setAccessibleName(read);
        boxes << read;
        FitToWidth(label[box]);
    }
    Bracket->setAccessibleDescription(boxes.join("; ") + ".");

    const int favourite = forecast_.favourite ? forecast_.favourite : 1;
    ChartTeam->setCurrentIndex(favourite - 1);
    ChartTeam_Change();

    // The odds start from the evening the league stands on: the statistics date, or the day a
    // replay shows.
    evening_ = OddsEvening(ctx_.League());
    games_ = SeasonGamesOf(ctx_.League());
    const QString when =
        IsRealDay(evening_) ? "the evening of " + Latin1(LongDate(evening_)) : "the season's end";
    OddsCaption->setText("Chances from " + Latin1(GroupedCount(simulations)) + " simulated seasons, from " +
                         when + ":");
    eveningKey_ = "evening " + OddsKey(ctx_.League(), games_, evening_, simulations, kOddsSeed);
    chartKey_ = "chart " + eveningKey_.substr(8);
    Chart->SetSeason(SeasonGameDays(games_), {});
    Chart->SetNote("The chances through the season are worked out when this page is first shown.");
    PrintButton->setEnabled(false);
    if (const auto* kept = KeptOdds(eveningKey_)) {
        ShowEveningOdds(kept->front());
        return;
    }
    // A step of the replay comes here with the last day's odds, or their working note, still shown.
    OddsList->clear();
    OddsList->addItem("Working out the odds...");
    Begin(StartEveningOdds(ctx_.League(), games_, evening_, simulations, kOddsSeed), Work::Evening);
}

void Pseason::Begin(std::unique_ptr<OddsJob> job, Work work) {
    job_ = std::move(job);
    working_ = work;
    polls_ = 0;
    poll_->Start();
}

void Pseason::ShowEveningOdds(const SeasonOdds& odds) {
    OddsList->clear();
    AddLines(OddsList, OddsLines(ctx_.League(), odds));
    PrintButton->setEnabled(true);
}

void Pseason::ShowChart(const std::vector<SeasonOdds>& days) {
    Chart->SetSeason(SeasonGameDays(games_), days);
}

void Pseason::StartChart() {
    if (job_) return;  // the evening's odds first; the chart follows them
    if (const auto* kept = KeptOdds(chartKey_)) {
        ShowChart(*kept);
        return;
    }
    Chart->SetNote("Working out the chances through the season...");
    Begin(StartOddsThroughSeason(ctx_.League(), games_, simulations, kOddsSeed, evening_), Work::Chart);
}

void Pseason::Poll() {
    if (!job_) return poll_->Stop();
    if (!job_->Finished()) {
        if (working_ == Work::Chart) {
            std::vector<SeasonOdds> sofar = job_->Partial();
            if (sofar.size() != Chart->Points()) ShowChart(sofar);
        }
        if (++polls_ >= kBlinkPolls) {
            OddsProgress->setFormat(working_ == Work::Evening ? "Odds on the evening: %p%"
                                                              : "Chances through the season: %p%");
            OddsProgress->setValue(static_cast<int>(job_->Progress() * 1000));
            OddsProgress->show();
            CancelButton->show();
        }
        return;
    }
    poll_->Stop();
    OddsProgress->hide();
    if (CancelButton->hasFocus()) PrintButton->setFocus();
    CancelButton->hide();
    const std::unique_ptr<OddsJob> job = std::move(job_);
    const Work work = std::exchange(working_, Work::None);
    const bool complete = !job->Cancelled() && !job->Result().empty();
    if (work == Work::Evening) {
        OddsList->clear();
        if (complete) {
            Keep(eveningKey_, job->Result());
            ShowEveningOdds(job->Result().front());
        } else {
            OddsList->addItem(
                "The odds were not worked out: cancelled. Open the window again to work them out.");
        }
        if (OddsTabs->currentIndex() == 1) StartChart();
    } else if (complete) {
        Keep(chartKey_, job->Result());
        ShowChart(job->Result());
    } else {
        ShowChart({});
        Chart->SetNote("Cancelled. Show this page again to work the chances out.");
    }
}

void Pseason::CancelButton_Click() {
    if (job_) job_->Cancel();
}

void Pseason::OddsTabs_Change() {
    if (OddsTabs->currentIndex() == 1 && Chart->Points() == 0) StartChart();
}

void Pseason::ChartTeam_Change() {
    const int team = ChartTeam->currentData().toInt();
    Chart->SetTeam(team, ChartTeam->currentText());
}

void Pseason::PrintButton_Click() {
    PrintListWithMessages(ctx_, OddsPrintScheme(evening_, simulations), ListContentsOf(OddsList));
}

void Pseason::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Forecast); }

void Pseason::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void Pseason::Leave() { DoneButton_Click(); }

}  // namespace tavix
