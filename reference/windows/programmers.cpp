#include "reference/windows/programmers.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
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
namespace {

constexpr double kPanelTop = 1560, kPanelStep = 420, kPanelHeight = 360;

}  // namespace

programmers::programmers(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("Programming Information - Tavix");
    SetHelpKeyword(this, HelpKeyword::Programming);
    setAccessibleName("Programming Information");
    SetClientSizeTwips(this, 9000, 7140);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setAccessibleName("A basketball on a court floor");
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setGeometry(TwipsRect(240, 180, 1215, 1215));
    Picture1->setPixmap(DrawBallPicture(Picture1->contentsRect().size()));

    // The caption doubles its ampersand as menu texts do; the label shows one.
    Label1 = new QLabel(QString(kProgrammersHeading).replace("&&", "&"), this);
    Label1->setObjectName("Label1");
    QFont heading = Label1->font();
    heading.setPointSizeF(12);
    heading.setBold(true);
    Label1->setFont(heading);
    Label1->setGeometry(TwipsRect(1680, 420, 7080, 480));

    Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(TwipsRect(1680, 960, 7080, 60));

    const auto& texts = ProgrammersPanels();
    for (size_t i = 0; i < Panel3D3.size(); ++i) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString("Panel3D3(%1)").arg(i));
        SetPanelFrame(panel, QFrame::Sunken);
        panel->setGeometry(TwipsRect(240, kPanelTop + i * kPanelStep, 8520, kPanelHeight));
        auto* layout = new QHBoxLayout(panel);
        layout->setContentsMargins(Twips(90), 0, Twips(90), 0);
        auto* text = new QLabel(Latin1(texts[i]), panel);
        text->setObjectName(QString("Panel3D3Text(%1)").arg(i));
        layout->addWidget(text);
        Panel3D3[i] = panel;
    }

    OkButton =
        PictureButton(this, "OkButton", Glyph::Door, "Close this window", TwipsRect(7785, 6300, 975, 615));
    connect(OkButton, &QToolButton::clicked, this, [this] { OkButton_Click(); });

    Form_Load();
}

void programmers::Form_Load() {
    // The host centres the window; the texts are fixed.
}

void programmers::OkButton_Click() { ctx_.host.CloseSubWindow(this); }

void programmers::Leave() { OkButton_Click(); }

}  // namespace tavix
