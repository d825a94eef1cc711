#include "predictions/windows/predrecordform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSpacerItem>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "predictions/windows/chance_column.h"
#include "predictions/windows/margin_chart.h"

namespace tavix {

PredRecordForm::PredRecordForm(AppContext& ctx) : ctx_(ctx) {
    setObjectName("PredRecordForm");
    SetWindowName("Prediction Record");

    List2 = new QListWidget(this);
    List2->setObjectName("List2");
    List2->setAccessibleName("Summary");
    List2->setFont(FixedPitchFont(9));
    List2->setTextElideMode(Qt::ElideNone);

    Chart1 = new MarginChart(this);
    Chart1->setObjectName("Chart1");
    Chart1->setMinimumSize(TwipsSize(6000, 2400));
    CalibrationLabel = new QLabel(this);
    CalibrationLabel->setObjectName("CalibrationLabel");
    CalibrationLabel->setFont(FixedPitchFont(9));
    CalibrationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CalibrationLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* pictures = new QWidget(this);
    auto* side = new QHBoxLayout(pictures);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(Chart1, 1);
    side->addWidget(CalibrationLabel);

    GamesHeading = new QLabel(Latin1(RecordGameHeading()), this);
    GamesHeading->setObjectName("GamesHeading");
    GamesHeading->setFont(FixedPitchFont(9));
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Games");
    List1->setFont(FixedPitchFont(9));
    List1->setTextElideMode(Qt::ElideNone);
    // The heading and the chance column keep to the lines, so the lines never slide sideways: the
    // list is as wide as its lines instead.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics = List1->fontMetrics();
    List1->setMinimumWidth(
        metrics.horizontalAdvance(QString(RecordGameHeading().size() + 2, QLatin1Char('0'))) +
        2 * List1->frameWidth() + List1->verticalScrollBar()->sizeHint().width());
    GamesHeading->setContentsMargins(List1->frameWidth() + metrics.averageCharWidth() / 2, 0, 0, 0);
    ChanceList = MakeChanceColumn(this, List1);
    auto* games = new QWidget(this);
    auto* gamesLayout = new QGridLayout(games);
    gamesLayout->setContentsMargins(0, 0, 0, 0);
    gamesLayout->setHorizontalSpacing(0);
    gamesLayout->setVerticalSpacing(0);
    auto* chanceHeading = new QLabel("Chance", this);
    chanceHeading->setFont(FixedPitchFont(9));
    chanceHeading->setAlignment(Qt::AlignRight);
    gamesLayout->addWidget(GamesHeading, 0, 0);
    gamesLayout->addWidget(chanceHeading, 0, 1);
    gamesLayout->addWidget(List1, 1, 0);
    gamesLayout->addWidget(ChanceList, 1, 1);
    // The lines take what the window adds up to their own width; the rest goes past the chances.
    gamesLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2);
    gamesLayout->setColumnStretch(0, 1);

    // The user shares the height between summary, pictures and games.
    Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->setObjectName("Splitter");
    Splitter->setChildrenCollapsible(false);
    Splitter->addWidget(List2);
    Splitter->addWidget(pictures);
    Splitter->addWidget(games);
    Splitter->setStretchFactor(2, 1);

    PrintButton = PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(0, 0, 615, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    PrintWith(PrintButton);
    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on the Prediction Record",
                               TwipsRect(0, 0, 615, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    DoneButton = PictureButton(this, "DoneButton", Glyph::DoorOut, "close prediction record",
                               TwipsRect(0, 0, 615, 495));
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Splitter, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrintButton);
    buttons->addWidget(InfoButton);
    buttons->addStretch(1);
    buttons->addWidget(DoneButton);
    layout->addLayout(buttons);
    // The heading slides with the lines when a narrow screen makes them scroll sideways.
    connect(List1->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this, metrics](int shift) {
        GamesHeading->setContentsMargins(List1->frameWidth() + metrics.averageCharWidth() / 2 - shift, 0, 0,
                                         0);
    });
    resize(TwipsSize(12240, 10740));
    SizeForLines(this, List1, 40, static_cast<int>(RecordGameHeading().size()));

    Form_Load();
    DoneButton->setFocus();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
}

void PredRecordForm::Form_Load() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    record_ = BuildPredictionRecord(ctx_.League());
    List1->clear();
    List2->clear();
    AddLines(List2, RecordSummaryLines(record_));
    const RecordSummary all = SummariseRecord(record_);
    Chart1->SetData(MarginBuckets(record_),
                    all.games > 0 ? std::optional<double>(Percent(all.homeWins, all.games)) : std::nullopt);
    // The bars as words for a screen reader, the same figures the printout gives.
    QStringList bars;
    for (const std::string& line : MarginChartLines(record_)) bars << Latin1(line).simplified();
    Chart1->setAccessibleDescription(bars.join("; "));
    QStringList calibration;
    for (const std::string& line : CalibrationLines(record_)) calibration << Latin1(line);
    CalibrationLabel->setText(calibration.join("\n"));
    CalibrationLabel->setAccessibleName("Calibration");
    // A list of some nine hundred lines fills faster in one go with its layout held back.
    List1->setUniformItemSizes(true);
    ChanceList->setUniformItemSizes(true);
    AddLines(List1, RecordGameLines(record_));
    ShowChanceColumn(ChanceList, RecordChanceColumn(record_));
    QApplication::restoreOverrideCursor();
}

void PredRecordForm::PrintButton_Click() {
    std::vector<std::string> lines = RecordPrintLines(record_);
    const PrintScheme scheme = PredictionRecordPrintScheme(lines);
    PrintListWithMessages(ctx_, scheme, {std::move(lines), {}});
}

void PredRecordForm::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::PredictionRecord); }

void PredRecordForm::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void PredRecordForm::Leave() { DoneButton_Click(); }

}  // namespace tavix
