#include "reference/windows/indvstats.h"

#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "core/schedule_model.h"
#include "platform/list_text.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "reference/rosters.h"

namespace tavix {

IndvSTATS::IndvSTATS(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("NBA Team Rosters");
    SetClientSizeTwips(this, 9135, 5190);

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName("Panel3D1");
    SetPanelFrame(Panel3D1, QFrame::Raised, 2);
    Panel3D1->setGeometry(TwipsRect(0, 0, 9135, 4470));

    List1 = new QListWidget(Panel3D1);
    List1->setObjectName("List1");
    List1->setAccessibleName("Team rosters");
    List1->setGeometry(TwipsRect(120, 120, 8895, 4230));
    List1->setFont(FixedPitchFont(8.25, true));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setUniformItemSizes(true);

    InfoButton = PictureButton(this, "InfoButton", Glyph::Info, "Help on Printing Lists",
                               TwipsRect(240, 4575, 1095, 495));
    PrintButton =
        PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsRect(4020, 4575, 1095, 495));
    DoneButton =
        PictureButton(this, "DoneButton", Glyph::Door, "Close Rosters", TwipsRect(7800, 4575, 1095, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    Form_Load();
    // A replay's coaches are those of the evening shown, and follow it when the day steps.
    ctx_.dayFollowers.Add(this, [this] {
        const int top = List1->verticalScrollBar()->value();
        List1->clear();
        AddLines(List1, Rosters(ReadRosterFile(ctx_.dataDir)));
        List1->verticalScrollBar()->setValue(top);
    });
}

void IndvSTATS::Form_Load() {
    const RosterFile rosters = ReadRosterFile(ctx_.dataDir);
    AddLines(List1, Rosters(rosters));
    if (!rosters.problem.empty())
        ctx_.dialogs.Show("The rosters file is damaged; what could be read is shown.\n" + rosters.problem,
                          "Tavix", Buttons::Ok, Icon::Exclamation);
    // A list that opens with the focus frames its first line as if it were picked; the focus
    // starts on Done instead, and a click in the list takes it there.
    DoneButton->setFocus();
}

std::vector<std::string> IndvSTATS::Rosters(const RosterFile& file) const {
    return ctx_.replayDay ? RostersAsOf(file.lines, *ScheduleOf(ctx_.nba)) : file.lines;
}

void IndvSTATS::PrintButton_Click() {
    PrintListWithMessages(ctx_, RosterPrintScheme(), ListContentsOf(List1));
}

void IndvSTATS::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Printing); }

void IndvSTATS::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void IndvSTATS::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoneButton_Click();
}

}  // namespace tavix
