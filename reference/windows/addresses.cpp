#include "reference/windows/addresses.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "platform/list_text.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "platform/window_help.h"
#include "reference/addresses.h"

namespace tavix {

Addresses::Addresses(AppContext& ctx) : ctx_(ctx) {
    SetWindowName("Team Mailing Addresses");
    SetHelpKeyword(this, HelpKeyword::Addresses);

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName("Panel3D1");
    SetPanelFrame(Panel3D1, QFrame::Raised, 2);

    List1 = new QListWidget(Panel3D1);
    List1->setObjectName("List1");
    List1->setAccessibleName("Team mailing addresses");
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty()) List1_Click();
    });
    auto* panelLayout = new QVBoxLayout(Panel3D1);
    panelLayout->setContentsMargins(Twips(90), Twips(90), Twips(90), Twips(90));
    panelLayout->addWidget(List1);

    Printbutton = PictureButton(this, "Printbutton", Glyph::Printer, "Print Listing", TwipsSize(1095, 375));
    Donebutton = PictureButton(this, "Donebutton", Glyph::Door, "Close Listing", TwipsSize(1095, 375));
    connect(Printbutton, &QToolButton::clicked, this, [this] { Printbutton_Click(); });
    PrintWith(Printbutton);
    connect(Donebutton, &QToolButton::clicked, this, [this] { Donebutton_Click(); });

    NoteLabel = new QLabel(kAddressesNotOnFileNote, this);
    NoteLabel->setObjectName("NoteLabel");
    NoteLabel->setAlignment(Qt::AlignCenter);
    NoteLabel->setWordWrap(true);

    // The list takes whatever room the window is given; the buttons stay together under its middle.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Printbutton);
    buttons->addSpacing(Twips(585));
    buttons->addWidget(Donebutton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(60), Twips(60), Twips(60), Twips(60));
    layout->addWidget(Panel3D1, 1);
    layout->addLayout(buttons);
    layout->addWidget(NoteLabel);
    resize(TwipsSize(9435, 4950).expandedTo(sizeHint()));

    Form_Load();
}

void Addresses::Form_Load() {
    AddLines(List1, AddressList());
    // A list that opens with the focus shows a frame around its first line, as if it were
    // picked; the focus starts on the Done button instead, where a click in the list puts it.
    Donebutton->setFocus();
}

void Addresses::List1_Click() {
    // The list is for reading: nothing stays highlighted.
    List1->clearSelection();
    List1->setCurrentRow(-1);
    Donebutton->setFocus();
}

void Addresses::Printbutton_Click() {
    PrintListWithMessages(ctx_, AddressPrintScheme(), ListContentsOf(List1));
}

void Addresses::Donebutton_Click() { ctx_.host.CloseSubWindow(this); }

void Addresses::Leave() { Donebutton_Click(); }

}  // namespace tavix
