#include "reference/windows/webform.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "platform/accessible.h"
#include "platform/picture_buttons.h"
#include "platform/readable_colour.h"
#include "platform/twips.h"
#include "platform/window_help.h"
#include "reference/web_sites.h"
#include "reference/windows/reference_pictures.h"

namespace tavix {
namespace {

// The sizes were chosen beside a 9-point desktop font; they grow and shrink with the user's.
QFont ArialFont(double points, bool bold = false, bool underline = false) {
    QFont f("Arial");
    f.setStyleHint(QFont::SansSerif);
    const double desktop = QApplication::font().pointSizeF();
    f.setPointSizeF(desktop > 0 ? points * std::max(1.0, desktop / 9) : points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

}  // namespace

webform::webform(AppContext& ctx) : ctx_(ctx) {
    SetWindowName("Recommended Web Sites");
    SetHelpKeyword(this, HelpKeyword::WebSites);

    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    Command1->setFlat(true);
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->setAccessibleName("Tavix Recommended Web Sites");

    // The theme's link colour, made lighter or darker where the theme left it unreadable.
    const QColor ground = palette().color(QPalette::Window);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, ReadableOn(palette().color(QPalette::Link), ground));

    Label3 = new QLabel(kCopiedNotice, this);
    Label3->setObjectName("Label3");
    Label3->setFont(ArialFont(8, true));
    QPalette notice = palette();
    notice.setColor(QPalette::WindowText, ReadableOn(QColor(128, 0, 0), ground));
    Label3->setPalette(notice);
    // The notice comes and goes without the window changing size.
    QSizePolicy keepRoom = Label3->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    Label3->setSizePolicy(keepRoom);
    Label3->setVisible(false);

    Label2 = new QLabel(kCopyInstruction, this);
    Label2->setObjectName("Label2");
    Label2->setFont(ArialFont(8));
    Label2->setPalette(link);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(Twips(120), Twips(105), Twips(270), Twips(225));
    body->setSpacing(0);
    body->addWidget(Label3);
    body->addWidget(Label2, 0, Qt::AlignRight);
    body->addSpacing(Twips(360));
    for (size_t i = 0; i < RecommendedSites().size(); ++i) {
        const WebSite& site = RecommendedSites()[i];
        auto* name = new QLabel(site.name, this);
        name->setObjectName(QString("Label1(%1)").arg(site.nameLabel));
        name->setFont(ArialFont(10, true));
        auto* address = new QLabel(site.address, this);
        address->setObjectName(QString("Label1(%1)").arg(site.addressLabel));
        address->setFont(ArialFont(9, false, true));
        address->setPalette(link);
        address->setCursor(Qt::PointingHandCursor);
        address->setFocusPolicy(Qt::StrongFocus);  // Space, Enter or Ctrl+C copies it, as a click does
        address->setToolTip("Copy this address to the Clipboard");
        SetAccessible(address, QAccessible::Button, QString("%1: %2").arg(site.name, site.address));
        address->setAccessibleDescription("Copies this address to the Clipboard");
        Label1[site.nameLabel] = name;
        Label1[site.addressLabel] = address;
        body->addSpacing(i == 0 ? 0 : Twips(165));
        body->addWidget(name);
        auto* indented = new QHBoxLayout;
        indented->addSpacing(Twips(480));
        indented->addWidget(address);
        indented->addStretch();
        body->addLayout(indented);
    }
    for (auto& [index, label] : Label1) {
        label->setProperty("labelIndex", index);
        label->installEventFilter(this);
    }

    Timer1 = ctx_.timers.Make(kCopiedNoticeMs, [this] { Timer1_Timer(); });

    donebutton = PictureButton(this, "donebutton", Glyph::Door, "Return to Main Screen", TwipsSize(975, 615));
    connect(donebutton, &QToolButton::clicked, this, [this] { donebutton_Click(); });
    body->addStretch();
    body->addWidget(donebutton, 0, Qt::AlignRight);

    // One size, the one its texts need in the user's font.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Command1);
    layout->addLayout(body);
    // The banner spans the window: as designed, or as wide as a larger font makes the texts.
    Command1->setFixedSize(std::max(Twips(7845), body->sizeHint().width()), Twips(1335));
    Command1->setIcon(QIcon(DrawBanner(Command1->size(), "Tavix", "Recommended Web Sites")));
    Command1->setIconSize(Command1->size());
    layout->activate();

    Form_Load();
}

void webform::Form_Load() {
    // The host centres the window; nothing else to prepare.
}

bool webform::eventFilter(QObject* watched, QEvent* event) {
    const QVariant index = watched->property("labelIndex");
    if (!index.isValid()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
            Label1_Click(index.toInt());
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool copy = static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
            if (!copy && key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) break;
            Label1_Click(index.toInt());
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // A plain box shows which address the keyboard is on.
            static_cast<QLabel*>(watched)->setFrameShape(event->type() == QEvent::FocusIn ? QFrame::Box
                                                                                          : QFrame::NoFrame);
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void webform::Label1_Click(int index) {
    if (!IsAddressLabel(index)) return;  // a site name: nothing to copy
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Label1.at(index)->text());
    Label3->setVisible(true);
    Timer1->Start();
}

void webform::Timer1_Timer() {
    Label3->setVisible(false);
    Timer1->Stop();
}

void webform::donebutton_Click() { ctx_.host.CloseSubWindow(this); }

void webform::Leave() { donebutton_Click(); }

}  // namespace tavix
