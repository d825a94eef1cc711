#include "predictions/windows/blockpredictform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "platform/list_text.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "predictions/block_predictions.h"
#include "predictions/win_chance.h"
#include "predictions/windows/chance_column.h"

namespace tavix {
namespace {

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
    SetWindowName("Block Predictions");

    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setAccessibleName("Predictions");
    List1->setFont(FixedPitchFont(9));
    List1->setTextElideMode(Qt::ElideNone);
    ChanceList = MakeChanceColumn(this, List1);

    PrintButton = PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(0, 0, 615, 495));
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    PrintWith(PrintButton);
    DoneButton = PictureButton(this, "DoneButton", Glyph::DoorOut, "close prediction window",
                               TwipsRect(0, 0, 615, 495));
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    lists->addWidget(List1, 1);
    lists->addWidget(ChanceList);
    lists->addStretch(0);
    layout->addLayout(lists, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrintButton);
    buttons->addStretch(1);
    buttons->addWidget(DoneButton);
    layout->addLayout(buttons);
    resize(TwipsSize(9360 + 1080, 6240));

    Form_Load();
    ctx_.dayFollowers.Add(this, [this] { Form_Load(); });
    // A list that opens with the focus frames its first line as if it were picked; the list is
    // for reading and printing, so the focus starts on Done.
    DoneButton->setFocus();
}

void BlockPredictForm::Form_Load() {
    BusyPointer busy;
    lines_ = BuildBlockPredictionList(ctx_.League(), ctx_.seasonView, BlockLines, ctx_.clock.Today());
    List1->clear();
    AddLines(List1, lines_);
    size_t longest = 0;
    for (const std::string& line : lines_) longest = std::max(longest, line.size());
    SizeForLines(this, List1, 30, static_cast<int>(longest));
    std::vector<std::string> chances = BlockChanceColumn(ctx_.League(), ctx_.seasonView, BlockLines);
    chances.resize(lines_.size(), " ");
    ShowChanceColumn(ChanceList, chances);
}

void BlockPredictForm::PrintButton_Click() {
    // This print keeps its own busy pointer instead of the main window's timer: the main window
    // is hidden while this one is open.
    std::string failure;
    PrintOutcome outcome;
    {
        std::unique_ptr<BusyPointer> busy;
        outcome = PrintList(
            ForShownDay(ctx_, BlockPredictionsPrintScheme()), {lines_, {}}, ctx_.ownLeague.PrinterFontName,
            ctx_.dialogs, ctx_.printers, [&] { busy = std::make_unique<BusyPointer>(); }, &failure);
    }
    if (outcome == PrintOutcome::Failed) ReportPrintFailure(ctx_, failure);
}

void BlockPredictForm::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void BlockPredictForm::Leave() { DoneButton_Click(); }

}  // namespace tavix
