#include "predictions/windows/predrecordform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QToolButton>

#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "predictions/windows/margin_chart.h"

namespace tavix {

PredRecordForm::PredRecordForm(AppContext& ctx) : ctx_(ctx) {
    setObjectName("PredRecordForm");
    setWindowTitle("Tavix Prediction Record");
    setFixedSize(TwipsSize(12240, 10740));

    List2 = new QListWidget(this);
    List2->setObjectName("List2");
    List2->setFont(FixedPitchFont(9));
    List2->setTextElideMode(Qt::ElideNone);
    List2->setGeometry(TwipsRect(120, 120, 12000, 3120));

    Chart1 = new MarginChart(this);
    Chart1->setObjectName("Chart1");
    Chart1->setGeometry(TwipsRect(120, 3360, 12000, 2880));

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setFont(FixedPitchFont(9));
    List1->setGeometry(TwipsRect(120, 6360, 12000, 3600));
    // A line too long for the list scrolls sideways rather than losing its last words.
    List1->setTextElideMode(Qt::ElideNone);

    PrintButton =
        PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(120, 10095, 615, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on the Prediction Record",
                               TwipsRect(855, 10095, 615, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    DoneButton = PictureButton(this, "DoneButton", Glyph::DoorOut, "close prediction record",
                               TwipsRect(12120 - 615, 10095, 615, 495));
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    Form_Load();
    DoneButton->setFocus();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
}

void PredRecordForm::Form_Load() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    record_ = BuildPredictionRecord(ctx_.nba);
    List1->clear();
    List2->clear();
    AddLines(List2, RecordSummaryLines(record_));
    const RecordSummary all = SummariseRecord(record_);
    Chart1->SetData(MarginBuckets(record_),
                    all.games > 0 ? std::optional<double>(Percent(all.homeWins, all.games)) : std::nullopt);
    // A list of some nine hundred lines fills faster in one go with its layout held back.
    List1->setUniformItemSizes(true);
    AddLines(List1, RecordGameLines(record_));
    QApplication::restoreOverrideCursor();
}

void PredRecordForm::PrintButton_Click() {
    PrintListWithMessages(ctx_, PredictionRecordPrintScheme(), {RecordPrintLines(record_), {}});
}

void PredRecordForm::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::PredictionRecord); }

void PredRecordForm::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void PredRecordForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoneButton_Click();
}

}  // namespace tavix
