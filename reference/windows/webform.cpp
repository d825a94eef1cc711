#include "reference/windows/webform.h"

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
#include "platform/twips.h"
#include "platform/window_help.h"
#include "reference/web_sites.h"
#include "reference/windows/reference_pictures.h"

namespace tavix {
namespace {

constexpr double kNameTops[] = {2400, 3120, 3840, 4560, 5280};
constexpr double kAddressTops[] = {2670, 3405, 4110, 4830, 5550};

QFont ArialFont(double points, bool bold = false, bool underline = false) {
    QFont f("Arial");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

}  // namespace

webform::webform(AppContext& ctx) : ctx_(ctx) {
    setWindowTitle("Recommended Web Sites - Tavix");
    SetHelpKeyword(this, HelpKeyword::WebSites);
    SetClientSizeTwips(this, 7845, 6000);

    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(TwipsRect(0, 0, 7935, 1335));
    Command1->setFlat(true);
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->setAccessibleName("Tavix Recommended Web Sites");
    Command1->setIcon(QIcon(DrawBanner(Command1->size(), "Tavix", "Recommended Web Sites")));
    Command1->setIconSize(Command1->size());

    Label3 = new QLabel(kCopiedNotice, this);
    Label3->setObjectName("Label3");
    Label3->setFont(ArialFont(8, true));
    // Dark red on a light theme, a pale red on a dark one: readable either way.
    QPalette notice = Label3->palette();
    notice.setColor(QPalette::WindowText, palette().color(QPalette::Window).lightness() < 128
                                              ? QColor(255, 150, 150)
                                              : QColor(128, 0, 0));
    Label3->setPalette(notice);
    // Arial's substitutes run wider than Arial; the notice must still show whole.
    Label3->setGeometry(
        QRect(Twips(120), Twips(1440), std::max(Twips(6015), Label3->sizeHint().width()), Twips(255)));
    Label3->setVisible(false);

    Label2 = new QLabel(kCopyInstruction, this);
    Label2->setObjectName("Label2");
    Label2->setFont(ArialFont(8));
    Label2->setForegroundRole(QPalette::Link);  // the theme's link colour, light or dark
    // One line, ending where the window's right margin begins; a substitute for Arial that runs
    // wider moves its start to the left rather than breaking the sentence in two.
    const int instructionRight = Twips(4320 + 3405);
    const int instructionWidth = std::max(Twips(3405), Label2->sizeHint().width());
    Label2->setGeometry(QRect(std::min(Twips(4320), instructionRight - instructionWidth), Twips(1680),
                              instructionWidth, std::max(Twips(255), Label2->sizeHint().height())));

    for (size_t i = 0; i < RecommendedSites().size(); ++i) {
        const WebSite& site = RecommendedSites()[i];
        auto* name = new QLabel(site.name, this);
        name->setObjectName(QString("Label1(%1)").arg(site.nameLabel));
        name->setFont(ArialFont(10, true));
        name->setGeometry(TwipsRect(240, kNameTops[i], 7000, 285));
        auto* address = new QLabel(site.address, this);
        address->setObjectName(QString("Label1(%1)").arg(site.addressLabel));
        address->setFont(ArialFont(9, false, true));
        address->setForegroundRole(QPalette::Link);
        address->setGeometry(TwipsRect(720, kAddressTops[i], 5400, 270));
        address->setCursor(Qt::PointingHandCursor);
        address->setFocusPolicy(Qt::TabFocus);  // Space or Enter copies it, as a click does
        address->setToolTip("Copy this address to the Clipboard");
        SetAccessible(address, QAccessible::Button);
        Label1[site.nameLabel] = name;
        Label1[site.addressLabel] = address;
    }
    for (auto& [index, label] : Label1) {
        label->setProperty("labelIndex", index);
        label->installEventFilter(this);
    }

    Timer1 = ctx_.timers.Make(kCopiedNoticeMs, [this] { Timer1_Timer(); });

    donebutton = PictureButton(this, "donebutton", Glyph::Door, "Return to Main Screen",
                               TwipsRect(6600, 5160, 975, 615));
    connect(donebutton, &QToolButton::clicked, this, [this] { donebutton_Click(); });

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
            if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) break;
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
