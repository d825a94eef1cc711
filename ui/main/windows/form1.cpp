#include "ui/main/windows/form1.h"
#include "platform/list_text.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/safe_file.h"
#include "platform/accessible.h"
#include "platform/show_window.h"
#include "platform/twips.h"
#include "ui/main/windows/artwork.h"

#ifndef TAVIX_VERSION
#define TAVIX_VERSION "1.99"
#endif

namespace tavix {
namespace {

constexpr double kWidth = 6600, kPictureHeight = 3420;
constexpr double kStripHeight = 330, kStripWidth = 9400;

}  // namespace

const char kSplashHintText[] =
    "Please check the Help Menu for suggestions on getting the most enjoyment from Tavix.";

std::string SplashCreditsText(int year) {
    return "Tavix  -  Copyright (c) " + std::to_string(year) +
           "  The Tavix authors  -  NBA schedules, standings and predictions  -  Version " TAVIX_VERSION;
}

BannerStrip::BannerStrip(QWidget* parent) : QWidget(parent) {
    SetAccessible(this, QAccessible::StaticText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BannerStrip::SetText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    // As long as its text, so no font cuts the end (the version) off.
    const int needed = fontMetrics().horizontalAdvance(text_) + 2 * Twips(15);
    resize(std::max(Twips(kStripWidth), needed), std::max(Twips(kStripHeight), fontMetrics().height()));
    update();
}

void BannerStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(22, 38, 84));
    p.setPen(Qt::white);
    p.setFont(font());
    p.drawText(rect().adjusted(Twips(15), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

Form1::Form1(AppContext& ctx) : ctx_(ctx) {
    setObjectName("Form1");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle("Tavix");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(22, 38, 84));
    setPalette(pal);

    Image1 = new art::PaintedLabel(art::PaintSplashPicture, "A basketball on a half court", this);
    Image1->setObjectName("Image1");
    Image1->setMinimumSize(TwipsSize(kWidth - 120, kPictureHeight));
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label1 = new QLabel("NBA 1998-99  \u2022  Schedules  \u2022  Standings  \u2022  Predictions", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    // Both texts keep the program's own font: each further face or size would be one more font
    // to load before the splash can show.
    QPalette captionColours = Label1->palette();
    captionColours.setColor(QPalette::WindowText, QColor(250, 246, 236));
    Label1->setPalette(captionColours);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The credits run along a lane of their own, as high as the font, under the caption.
    auto* lane = new QWidget(this);
    lane->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture2 = new BannerStrip(lane);
    Picture2->setObjectName("Picture2");
    Picture2->SetText(QString());
    lane->setFixedHeight(Picture2->height());

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(Twips(60), Twips(60), Twips(60), Twips(60));
    rows->setSpacing(Twips(60));
    rows->addWidget(Image1, 1);
    rows->addWidget(Label1);
    rows->addWidget(lane);
    setFixedSize(sizeHint().expandedTo(TwipsSize(kWidth, 0)));

    Timer1 = ctx_.timers.Make(kTickMs, [this] { Timer1_Timer(); });

    Form_Load();
}

void Form1::Form_Load() {
    // Centred across, a little below the middle of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2 + Twips(500));
    }
    ctx_.host.StartWait();
    // A display of few colours gets the simpler picture kept beside the data files, if any.
    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->depth() < 8)
        Image1->setPixmap(QPixmap(QString::fromStdString(JoinPath(ctx_.dataDir, "tavixt2.DAT"))));
    Picture2->SetText(Latin1(SplashCreditsText(ctx_.clock.Today().year)));
    nextText_ = 0;
    SetBannerLeftTwips(bannerLeft_);
    Timer1->Start();
}

void Form1::SetBannerLeftTwips(int twips) {
    bannerLeft_ = twips;
    Picture2->move(Twips(bannerLeft_), 0);
}

void Form1::Timer1_Timer() {
    int left = bannerLeft_ - kStepTwips;
    // Passed once all of it has gone by the left edge: a strip longer than usual (a large font)
    // takes longer.
    const int passed = Picture2->width() > Twips(kStripWidth)
                           ? -Picture2->width() * 1440 / std::max(1, Twips(1440))
                           : kPassedTwips;
    if (left < passed) {
        left = kRestartTwips;
        if (nextText_ == 0) {
            Picture2->SetText(QString::fromLatin1(kSplashHintText));
            nextText_ = 1;
        } else {
            Picture2->SetText(Latin1(SplashCreditsText(ctx_.clock.Today().year)));
            nextText_ = 0;
        }
    }
    SetBannerLeftTwips(left);
}

void Form1::Dismiss() {
    if (dismissed_) return;
    dismissed_ = true;
    Timer1->Stop();
    ctx_.host.StartWait();
    hide();
    emit dismissed();
    // The main window shows once the splash is gone, so the two windows' pictures are never held
    // at the same time. It waits for the next turn of the event loop, out of the splash's
    // destruction. The main window is hidden behind the splash at start-up, disabled under it
    // for About.
    if (QWidget* main = ctx_.host.MainWindow()) {
        connect(this, &QObject::destroyed, main, [main] {
            QMetaObject::invokeMethod(
                main,
                [main] {
                    main->setEnabled(true);
                    ShowWindow(main);
                    main->raise();
                    main->activateWindow();
                },
                Qt::QueuedConnection);
        });
    }
    ctx_.host.CloseSubWindow(this);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Dismiss();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Only Enter and Space let the user through; every other key is swallowed.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Dismiss();
            break;
        default:
            break;
    }
    event->accept();
}

void Form1::Leave() { Dismiss(); }

}  // namespace tavix
