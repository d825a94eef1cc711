#include "reference/windows/textrulesform.h"
#include "platform/list_text.h"
#include "platform/window_help.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

#include "platform/accessible.h"
#include "platform/panel_frame.h"
#include "platform/picture_buttons.h"
#include "platform/readable_colour.h"
#include "platform/twips.h"
#include "reference/rules_text.h"
#include "reference/windows/court_pictures.h"
#include "reference/windows/reference_pictures.h"

namespace tavix {
namespace {

constexpr double kPromptPoints = 18;
constexpr double kTopicPoints = 8.25;

struct TopicPlace {
    int index;
    const char* caption;
};
// The column from the top: the court first, then the text topics.
constexpr TopicPlace kTopicPlaces[] = {
    {7, "The Court"},     {0, "Teams && Scoring"}, {1, "Role of Officials"},
    {2, "Out of Bounds"}, {3, "24 Second Clock"},  {4, "Timeouts"},
    {5, "Fouls"},         {6, "Statistics"},
};

// The captions are written as the menus write them, "&&" for one ampersand.
QString ShownCaption(const char* caption) { return QString::fromLatin1(caption).replace("&&", "&"); }

}  // namespace

QColor textrulesform::TopicColour(bool current, const QPalette& theme) {
    const QColor ground = theme.color(QPalette::Window);
    if (ground.lightness() < 128)
        return current ? ReadableOn(theme.color(QPalette::Link), ground) : theme.color(QPalette::WindowText);
    return current ? QColor(0, 0, 255) : QColor(0, 0, 0);
}

TopicPanel::TopicPanel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    SetPanelFrame(this, QFrame::Raised, 2);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    SetAccessible(this, QAccessible::Button);
}

void TopicPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setFrameShadow(QFrame::Sunken);
    QLabel::mousePressEvent(event);
}

void TopicPanel::mouseReleaseEvent(QMouseEvent* event) {
    setFrameShadow(QFrame::Raised);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TopicPanel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // The style's own focus mark, inside the raised edge: the keyboard's place must be seen.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TopicPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

textrulesform::textrulesform(AppContext& ctx) : ctx_(ctx) {
    setObjectName("textrulesform");
    SetWindowName("Basic Rules & Information for Beginners");
    SetHelpKeyword(this, HelpKeyword::Rules);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAccessibleName("A basketball dropping through the ring");
    Image1->setPixmap(RulesEmblem(TwipsSize(1080, 1500)));
    Image1->setAlignment(Qt::AlignCenter);

    Panel3D2 = new QLabel("Topics", this);
    Panel3D2->setObjectName("Panel3D2");
    SetPanelFrame(Panel3D2, QFrame::Raised, 2);
    Panel3D2->setAlignment(Qt::AlignCenter);
    Panel3D2->setAutoFillBackground(true);
    Panel3D2->setMinimumSize(TwipsSize(1545, 375));
    QFont headingFont = Panel3D2->font();
    headingFont.setBold(true);
    Panel3D2->setFont(headingFont);

    // The topic column: the emblem, the heading, the eight topics from the top, and the way out.
    auto* column = new QVBoxLayout;
    column->setSpacing(Twips(45));
    column->addWidget(Image1);
    column->addWidget(Panel3D2, 0, Qt::AlignHCenter);
    column->addSpacing(Twips(30));
    for (const TopicPlace& place : kTopicPlaces) {
        auto* panel = new TopicPanel(ShownCaption(place.caption), this);
        panel->setObjectName(QString("Topiclabel(%1)").arg(place.index));
        // Never narrower than its caption in bold, as it is shown while its topic is on show.
        QFont bold = panel->font();
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).horizontalAdvance(panel->text()) +
                                 2 * (panel->margin() + panel->frameWidth()) +
                                 panel->fontMetrics().averageCharWidth();
        panel->setMinimumSize(TwipsSize(1905, 345).expandedTo(QSize(captionWidth, 0)));
        ShowTopicAs(panel, false);
        const int index = place.index;
        connect(panel, &TopicPanel::clicked, this, [this, index] { Topiclabel_Click(index); });
        Topiclabel[index] = panel;
        column->addWidget(panel);
    }
    column->addStretch();
    Donebutton =
        PictureButton(this, "Donebutton", Glyph::DoorOut, "Close Information window", TwipsSize(615, 495));
    connect(Donebutton, &QToolButton::clicked, this, &textrulesform::Donebutton_Click);
    column->addWidget(Donebutton, 0, Qt::AlignHCenter);

    Panel3D1 = new QFrame(this);
    Panel3D1->setObjectName("Panel3D1");
    SetPanelFrame(Panel3D1, QFrame::Raised, 2);

    // The text and the two court drawings share the panel: the court topic hides the text, every
    // other topic hides the drawings, and what is on show fills the panel.
    Image2 = new CourtPicture(CourtPicture::Kind::FullCourt, Panel3D1);
    Image2->setObjectName("Image2");
    Image2->setMinimumSize(TwipsSize(7020, 3795) / 2);
    Image2->hide();
    Image3 = new CourtPicture(CourtPicture::Kind::BasketArea, Panel3D1);
    Image3->setObjectName("Image3");
    // Its notes keep their type size, so the drawing is not made narrower than designed.
    Image3->setMinimumSize(TwipsSize(7035, 1650));
    Image3->hide();

    List1 = new QListWidget(Panel3D1);
    List1->setObjectName("List1");
    List1->setAccessibleName("Topic text");
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setWordWrap(true);
    if (palette().color(QPalette::Window).lightness() >= 128) {
        // Light grey paper on a light theme; a dark theme's own list colours on a dark one.
        QPalette listPalette = List1->palette();
        listPalette.setColor(QPalette::Base, QColor(192, 192, 192));
        listPalette.setColor(QPalette::Text, Qt::black);
        List1->setPalette(listPalette);
    }
    // A reading list: any selection, by mouse or keys, is taken back at once.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty()) List1_Click();
    });
    auto* shown = new QVBoxLayout(Panel3D1);
    shown->setContentsMargins(Twips(90), Twips(90), Twips(90), Twips(90));
    shown->setSpacing(Twips(15));
    shown->addWidget(List1, 1);
    shown->addWidget(Image2, 3795);
    shown->addWidget(Image3, 1650);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Twips(120), Twips(60), Twips(120), Twips(120));
    layout->setSpacing(Twips(165));
    layout->addLayout(column);
    layout->addWidget(Panel3D1, 1);
    resize(TwipsSize(9555, 5805).expandedTo(sizeHint()));

    Form_Load();
}

void textrulesform::Form_Load() {
    CentreOnScreen(this);
    QFont font = List1->font();
    font.setPointSizeF(kPromptPoints);
    List1->setFont(font);
    List1->addItem("");
    List1->addItem("  Select topic from the list on the left");
}

void textrulesform::ShowTopicAs(QLabel* panel, bool current) {
    // The topic on show is told by more than its colour: bold, and checked for a screen reader.
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, TopicColour(current, this->palette()));
    panel->setPalette(palette);
    QFont font = panel->font();
    font.setBold(current);
    panel->setFont(font);
    SetAccessibleChecked(panel, current);
}

void textrulesform::Topiclabel_Click(int index) {
    if (index < 0 || index >= kRulesTopicCount) return;

    List1->show();
    List1->clear();
    QFont font = List1->font();
    font.setPointSizeF(kTopicPoints);
    List1->setFont(font);

    for (TopicPanel* panel : Topiclabel) ShowTopicAs(panel, false);
    Image3->hide();
    ShowTopicAs(Topiclabel[index], true);

    if (index == static_cast<int>(RulesTopic::TheCourt)) {
        List1->hide();
        Image2->show();
        Image3->show();
        return;
    }
    // The text stands in front of the court drawing, which is no longer wanted.
    Image2->hide();
    List1->raise();
    for (const std::string& line : RulesTopicLines(index)) List1->addItem(Latin1(line));
    List1->scrollToTop();
}

void textrulesform::List1_Click() {
    List1->clearSelection();
    List1->setCurrentRow(-1);
    Donebutton->setFocus();
}

void textrulesform::Donebutton_Click() { ctx_.host.CloseSubWindow(this); }

void textrulesform::Leave() { ctx_.host.CloseSubWindow(this); }

}  // namespace tavix
