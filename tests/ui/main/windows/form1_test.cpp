// The splash window: what dismisses it, what it swallows, the banner and where it stands.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "platform/twips.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/windows/form1.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::TestApp;

namespace {

// Runs `onShow` when the watched widget is shown.
class ShowWatch : public QObject {
  public:
    explicit ShowWatch(std::function<void()> onShow) : onShow_(std::move(onShow)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) onShow_();
        return false;
    }

  private:
    std::function<void()> onShow_;
};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
    struct Start {
        TestApp app;
        std::unique_ptr<Form2> main;
        QPointer<Form1> splash;
        Start() {
            app.clock.today = {2026, 12, 6};
            main = std::make_unique<Form2>(app.nba, app.dialogs, app.clock, app.timers, app.printers,
                                           app.help, app.DataDir());
            splash = new Form1(main->Context());
            main->OpenSubWindow(splash);  // as at start-up: the main window stays hidden under it
        }
    };

    // Whether the main window shows once the event loop has done what the splash left it; when it
    // does, the splash must already be gone, so that the two windows' pictures are never held at once.
    static bool MainShows(Start& s) {
        bool splashGoneFirst = false;
        ShowWatch watch([&] { splashGoneFirst = s.splash.isNull(); });
        s.main->installEventFilter(&watch);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
        if (!s.main->isVisible()) return false;
        if (!splashGoneFirst) qWarning("the main window showed while the splash was still there");
        return splashGoneFirst;
    }

  private slots:
    // Enter, Space, Esc (as in every window) or a click anywhere on it dismisses the splash; every
    // other key is swallowed and goes nowhere else.
    void dismissal_data() {
        QTest::addColumn<int>("key");         // 0: a click
        QTest::addColumn<QString>("target");  // where the click lands
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("Enter") << int(Qt::Key_Return) << QString() << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << QString() << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << QString() << true;
        QTest::newRow("letter") << int(Qt::Key_A) << QString() << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << QString() << true;
        QTest::newRow("F1") << int(Qt::Key_F1) << QString() << false;
        for (const char* target : {"Form1", "Image1", "Picture2"})
            QTest::addRow("click on %s", target) << 0 << target << true;
    }

    void dismissal() {
        QFETCH(int, key);
        QFETCH(QString, target);
        QFETCH(bool, dismisses);
        Start s;
        if (key) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_A ? "a" : "");
            QApplication::sendEvent(s.splash, &press);
            QVERIFY(press.isAccepted());
        } else {
            QWidget* where = target == "Form1" ? s.splash.data() : s.splash->findChild<QWidget*>(target);
            // Children let clicks through to the window.
            QWidget* hit = s.splash->childAt(where->mapTo(s.splash.data(), where->rect().center()));
            QTest::mouseClick(hit ? hit : s.splash.data(), Qt::LeftButton);
        }
        QCOMPARE(s.splash->isVisible(), !dismisses);
        QCOMPARE(s.splash->Timer1->IsActive(), !dismisses);
        QVERIFY(s.main->Waiting());  // the hourglass until the next waittimer tick
        QCOMPARE(MainShows(s), dismisses);
        if (dismisses) QVERIFY(s.main->isEnabled());
    }

    void bannerAlternates() {
        Start s;
        QCOMPARE(s.splash->Timer1->IntervalMs(), 54);
        const QString credits = s.splash->Picture2->Text();
        QVERIFY(credits.contains("Tavix") && credits.contains("2026") && credits.contains("1.99"));
        auto tick = [&](int from) {
            s.splash->SetBannerLeftTwips(from);
            s.app.timers.Advance(Form1::kTickMs);
            return s.splash->BannerLeftTwips();
        };
        QCOMPARE(tick(1000), 965);
        QCOMPARE(s.splash->Picture2->x(), Twips(965));
        // The strip holds all its text, the version too, and starts over with the hint one step
        // after all of it has passed.
        QVERIFY(s.splash->Picture2->width() > s.splash->Picture2->fontMetrics().horizontalAdvance(credits));
        const int passed = -std::max(9400, s.splash->Picture2->width() * 1440 / Twips(1440));
        QCOMPARE(tick(passed + 35), passed);
        QCOMPARE(s.splash->Picture2->Text(), credits);
        QCOMPARE(tick(passed), 5500);
        QCOMPARE(
            s.splash->Picture2->Text(),
            QString("Please check the Help Menu for suggestions on getting the most enjoyment from Tavix."));
        tick(-9390);
        QCOMPARE(s.splash->Picture2->Text(), credits);
        tick(passed);
        QVERIFY(s.splash->Picture2->Text().startsWith("Please check"));
    }

    void placedBelowCentre() {
        Start s;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(s.splash->geometry().center().x() - area.center().x()) <= 1);
        QVERIFY(qAbs(s.splash->y() - ((area.height() - s.splash->height()) / 2 + Twips(500))) <= 1);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
