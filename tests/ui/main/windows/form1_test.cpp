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
            main = std::make_unique<Form2>(app.nba, app.dialogs, app.clock, app.printers, app.help,
                                           app.DataDir());
            splash = new Form1(main->Context());
            splash->show();
        }
        ~Start() { delete splash.data(); }
    };

    // Whether the main window shows within a while; when it does, the splash must already be
    // gone, so that the two windows' pictures are never held at once.
    static bool MainShows(Start& s) {
        bool splashGoneFirst = false;
        ShowWatch watch([&] { splashGoneFirst = s.splash.isNull(); });
        s.main->installEventFilter(&watch);
        if (!QTest::qWaitFor([&] { return s.main->isVisible(); }, 300)) return false;
        if (!splashGoneFirst) qWarning("the main window showed while the splash was still there");
        return splashGoneFirst;
    }

  private slots:
    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("letter") << int(Qt::Key_A) << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << false;
    }

    void keys() {
        QFETCH(int, key);
        QFETCH(bool, dismisses);
        Start s;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_A ? "a" : "");
        QApplication::sendEvent(s.splash, &press);
        // A swallowed key is taken by the splash and goes nowhere else.
        QVERIFY(press.isAccepted());
        QCOMPARE(s.splash->isVisible(), !dismisses);
        QCOMPARE(s.splash->Timer1->isActive(), !dismisses);
        QVERIFY(s.main->Waiting());  // the hourglass until the next waittimer tick
        QCOMPARE(MainShows(s), dismisses);
        if (dismisses) QVERIFY(s.main->isEnabled());
    }

    void clickDismisses_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("window") << "Form1";
        QTest::newRow("picture") << "Image1";
        QTest::newRow("banner") << "Picture2";
    }

    void clickDismisses() {
        QFETCH(QString, target);
        Start s;
        QWidget* where =
            target == "Form1" ? static_cast<QWidget*>(s.splash) : s.splash->findChild<QWidget*>(target);
        QVERIFY(where);
        // Children let clicks through to the window.
        QWidget* hit = s.splash->childAt(where->mapTo(s.splash.data(), where->rect().center()));
        QTest::mouseClick(hit ? hit : s.splash.data(), Qt::LeftButton);
        QVERIFY(!s.splash->isVisible());
        QVERIFY(MainShows(s));
    }

    void bannerAlternates() {
        Start s;
        QCOMPARE(s.splash->Timer1->interval(), 54);
        const QString credits = s.splash->Picture2->Text();
        QVERIFY(credits.contains("Tavix") && credits.contains("2026") && credits.contains("1.99"));
        auto tick = [&](int from) {
            s.splash->SetBannerLeftTwips(from);
            QMetaObject::invokeMethod(s.splash->Timer1, "timeout");
            return s.splash->BannerLeftTwips();
        };
        QCOMPARE(tick(1000), 965);
        QCOMPARE(s.splash->Picture2->x(), Twips(965));
        // At -9400 the strip has not yet passed; one more step and it starts over with the hint.
        QCOMPARE(tick(-9365), -9400);
        QCOMPARE(s.splash->Picture2->Text(), credits);
        QCOMPARE(tick(-9400), 5500);
        QCOMPARE(
            s.splash->Picture2->Text(),
            QString("Please check the Help Menu for suggestions on getting the most enjoyment from Tavix."));
        tick(-9390);
        QCOMPARE(s.splash->Picture2->Text(), credits);
        tick(-9390);
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
