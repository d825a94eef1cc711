#include "reference/windows/indvstats.h"

#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>

#include "platform/twips.h"
#include "reference/rosters.h"
#include "reference/windows/picture_buttons.h"

namespace tavix {

IndvSTATS::IndvSTATS(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("NBA Team Rosters");
    SetClientSizeTwips(this, 9135, 5190);

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName("Panel3D1");
    Panel3D1->setFrameShape(QFrame::Panel);
    Panel3D1->setFrameShadow(QFrame::Raised);
    Panel3D1->setLineWidth(2);
    Panel3D1->setGeometry(TwipsRect(0, 0, 9135, 4470));

    List1 = new QListWidget(Panel3D1);
    List1->setObjectName("List1");
    List1->setGeometry(TwipsRect(120, 120, 8895, 4230));
    List1->setFont(FixedPitchFont(8.25, true));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setUniformItemSizes(true);

    InfoButton = MakePictureButton(this, "InfoButton", ButtonPicture::Info, "Help on Printing Lists", 240,
                                   4575, 1095, 495);
    PrintButton =
        MakePictureButton(this, "PrintButton", ButtonPicture::Print, "Print List", 4020, 4575, 1095, 495);
    DoneButton =
        MakePictureButton(this, "DoneButton", ButtonPicture::Done, "Close Rosters", 7800, 4575, 1095, 495);
    connect(InfoButton, &QPushButton::clicked, this, [this] { InfoButton_Click(); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButton_Click(); });
    connect(DoneButton, &QPushButton::clicked, this, [this] { DoneButton_Click(); });

    Form_Load();
}

void IndvSTATS::Form_Load() {
    QStringList lines;
    for (const auto& line : ReadRosterList(ctx_.dataDir))
        lines << QString::fromLatin1(line.data(), static_cast<int>(line.size()));
    List1->addItems(lines);
}

void IndvSTATS::PrintButton_Click() {
    ListContents list;
    list.items.reserve(List1->count());
    list.selected.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i) {
        list.items.push_back(List1->item(i)->text().toLatin1().toStdString());
        list.selected.push_back(List1->item(i)->isSelected());
    }
    PrintListWithMessages(ctx_, RosterPrintSpec(), list);
}

void IndvSTATS::InfoButton_Click() { ctx_.help.ShowHelpTopic(HelpKeyword::Printing); }

void IndvSTATS::DoneButton_Click() { ctx_.host.CloseSubWindow(this); }

void IndvSTATS::closeEvent(QCloseEvent* event) {
    event->ignore();
    DoneButton_Click();
}

}  // namespace tavix
