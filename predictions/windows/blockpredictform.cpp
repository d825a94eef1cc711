#include "predictions/windows/blockpredictform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <memory>

#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "predictions/block_predictions.h"
#include "predictions/win_chance.h"

namespace tavix {
namespace {

constexpr int kChanceWidth = 1080;  // twips: "100.0%" at 9 points with the list's frame

// The hourglass for as long as the object lives.
class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

BlockPredictForm::BlockPredictForm(AppContext& ctx, std::vector<BlockLine> blockLines)
    : ctx_(ctx), BlockLines(std::move(blockLines)) {
    setWindowTitle("Tavix Predictions");
    // The chance column widens the classic window to the right of its list.
    setFixedSize(TwipsSize(9360 + kChanceWidth, 6240));

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Predictions");
    List1->setFont(FixedPitchFont(9));
    List1->setGeometry(TwipsRect(120, 120, 9120, 5280));
    ChanceList = new QListWidget(this);
    ChanceList->setObjectName("ChanceList");
    ChanceList->setAccessibleName("Favourite's chance of winning");
    ChanceList->setToolTip("The favourite's chance of winning");
    ChanceList->setFont(FixedPitchFont(9));
    ChanceList->setFocusPolicy(Qt::NoFocus);
    ChanceList->setSelectionMode(QAbstractItemView::NoSelection);
    ChanceList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChanceList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ChanceList->setGeometry(TwipsRect(120 + 9120, 120, kChanceWidth, 5280));
    // The column moves with the list, line beside line.
    connect(List1->verticalScrollBar(), &QScrollBar::valueChanged, ChanceList->verticalScrollBar(),
            &QScrollBar::setValue);

    PrintButton =
        PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(120, 5535, 615, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    DoneButton = PictureButton(this, "DoneButton", Glyph::DoorOut, "close prediction window",
                               TwipsRect(9240 + kChanceWidth - 615, 5535, 615, 495));
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    Form_Load();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
    // A list that opens with the focus frames its first line as if it were picked; the list is
    // for reading and printing, so the focus starts on Done.
    DoneButton->setFocus();
}

void BlockPredictForm::Form_Load() {
    BusyPointer busy;
    lines_ = BuildBlockPredictionList(ctx_.nba, ctx_.seasonView, BlockLines, ctx_.clock.Today());
    List1->clear();
    AddLines(List1, lines_);
    std::vector<std::string> chances = BlockChanceColumn(ctx_.nba, ctx_.seasonView, BlockLines);
    chances.resize(lines_.size(), " ");
    ChanceList->clear();
    AddLines(ChanceList, chances);
    for (int i = 0; i < ChanceList->count(); ++i) ChanceList->item(i)->setTextAlignment(Qt::AlignRight);
}

void BlockPredictForm::PrintButton_Click() {
    // This print keeps its own busy pointer instead of the main window's timer: the main window
    // is hidden while this one is open.
    std::string failure;
    PrintOutcome outcome;
    {
        std::unique_ptr<BusyPointer> busy;
        outcome = PrintList(
            ForShownDay(ctx_, BlockPredictionsPrintScheme()), {lines_, {}}, ctx_.nba.PrinterFontName,
            ctx_.dialogs, ctx_.printers, [&] { busy = std::make_unique<BusyPointer>(); }, &failure);
    }
    if (outcome == PrintOutcome::Failed) ReportPrintFailure(ctx_, failure);
}

void BlockPredictForm::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void BlockPredictForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoneButton_Click();
}

}  // namespace tavix
