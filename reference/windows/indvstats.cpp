#include "reference/windows/indvstats.h"

#include <QBoxLayout>
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
    SetWindowName("NBA Team Rosters");

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName("Panel3D1");
    SetPanelFrame(Panel3D1, QFrame::Raised, 2);

    List1 = new QListWidget(Panel3D1);
    List1->setObjectName("List1");
    List1->setAccessibleName("Team rosters");
    List1->setFont(FixedPitchFont(8.25, true));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setUniformItemSizes(true);
    auto* panelLayout = new QVBoxLayout(Panel3D1);
    panelLayout->setContentsMargins(Twips(120), Twips(120), Twips(120), Twips(120));
    panelLayout->addWidget(List1);

    InfoButton =
        PictureButton(this, "InfoButton", Glyph::Info, "Help on Printing Lists", TwipsSize(1095, 495));
    PrintButton = PictureButton(this, "PrintButton", Glyph::Printer, "Print List", TwipsSize(1095, 495));
    DoneButton = PictureButton(this, "DoneButton", Glyph::Door, "Close Rosters", TwipsSize(1095, 495));
    connect(InfoButton, &QToolButton::clicked, this, [this] { InfoButton_Click(); });
    connect(PrintButton, &QToolButton::clicked, this, [this] { PrintButton_Click(); });
    PrintWith(PrintButton);
    connect(DoneButton, &QToolButton::clicked, this, [this] { DoneButton_Click(); });

    // The list takes the room the window is given; the buttons keep to the left, middle and right.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(Twips(240), 0, Twips(240), Twips(120));
    buttons->addWidget(InfoButton);
    buttons->addStretch();
    buttons->addWidget(PrintButton);
    buttons->addStretch();
    buttons->addWidget(DoneButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Twips(105));
    layout->addWidget(Panel3D1, 1);
    layout->addLayout(buttons);
    resize(TwipsSize(9135, 5190).expandedTo(sizeHint()));

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
    return ctx_.replayDay ? RostersAsOf(file.lines, *ScheduleOf(ctx_.League())) : file.lines;
}

void IndvSTATS::PrintButton_Click() {
    PrintListWithMessages(ctx_, RosterPrintScheme(), ListContentsOf(List1));
}

void IndvSTATS::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Printing); }

void IndvSTATS::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void IndvSTATS::Leave() { DoneButton_Click(); }

}  // namespace tavix
