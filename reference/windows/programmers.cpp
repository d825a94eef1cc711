#include "reference/windows/programmers.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "platform/list_text.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/twips.h"
#include "platform/window_help.h"
#include "reference/web_sites.h"
#include "reference/windows/reference_pictures.h"

namespace tavix {
programmers::programmers(AppContext& ctx) : ctx_(ctx) {
    SetWindowName("Programming Information");
    SetHelpKeyword(this, HelpKeyword::Programming);
    setAccessibleName("Programming Information");

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setAccessibleName("A basketball on a court floor");
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setFixedSize(TwipsSize(1215, 1215));
    Picture1->setPixmap(DrawBallPicture(Picture1->contentsRect().size()));

    // The caption doubles its ampersand as menu texts do; the label shows one.
    Label1 = new QLabel(QString(kProgrammersHeading).replace("&&", "&"), this);
    Label1->setObjectName("Label1");
    QFont heading = Label1->font();
    heading.setPointSizeF(12);
    heading.setBold(true);
    Label1->setFont(heading);

    Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto* title = new QVBoxLayout;
    title->addStretch();
    title->addWidget(Label1);
    title->addWidget(Line1);
    title->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(Picture1);
    top->addSpacing(Twips(225));
    top->addLayout(title, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(240), Twips(180), Twips(240), Twips(225));
    layout->setSpacing(Twips(60));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addSpacing(Twips(105));

    const auto& texts = ProgrammersPanels();
    for (size_t i = 0; i < Panel3D3.size(); ++i) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("Panel3D3(%1)").arg(i));
        SetPanelFrame(panel, QFrame::Sunken);
        panel->setMinimumSize(TwipsSize(8520, 360));
        auto* row = new QHBoxLayout(panel);
        row->setContentsMargins(Twips(90), Twips(30), Twips(90), Twips(30));
        auto* text = new QLabel(Latin1(texts[i]), panel);
        text->setObjectName(QString("Panel3D3Text(%1)").arg(i));
        row->addWidget(text);
        layout->addWidget(panel);
        Panel3D3[i] = panel;
    }

    OkButton = PictureButton(this, "OkButton", Glyph::Door, "Close this window", TwipsSize(975, 615));
    connect(OkButton, &QToolButton::clicked, this, [this] { OkButton_Click(); });
    layout->addSpacing(Twips(60));
    layout->addWidget(OkButton, 0, Qt::AlignRight);
    layout->activate();

    Form_Load();
}

void programmers::Form_Load() {
    // The host centres the window; the texts are fixed.
}

void programmers::OkButton_Click() { ctx_.host.CloseSubWindow(this); }

void programmers::Leave() { OkButton_Click(); }

}  // namespace tavix
