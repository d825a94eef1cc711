// The splash window: what dismisses it, what it swallows, the banner and where it stands.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <memory>

#include "platform/twips.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/windows/form1.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::TestApp;

class Form1Test : public QObject {
    Q_OBJECT
  private slots:
    void keys_data();
    void keys();
    void clickDismisses_data();
    void clickDismisses();
    void bannerAlternates();
    void placedBelowCentre();
    void gallery();

  private:
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
};

void Form1Test::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("dismisses");
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("letter") << int(Qt::Key_A) << false;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
}

void Form1Test::keys() {
    QFETCH(int, key);
    QFETCH(bool, dismisses);
    Start s;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_A ? "a" : "");
    QApplication::sendEvent(s.splash, &press);
    // A swallowed key is taken by the splash and goes nowhere else.
    QVERIFY(press.isAccepted());
    QCOMPARE(s.main->isVisible(), dismisses);
    QCOMPARE(s.splash->isVisible(), !dismisses);
    QCOMPARE(s.splash->Timer1->isActive(), !dismisses);
    if (dismisses) {
        QVERIFY(s.main->isEnabled());
        QVERIFY(s.main->Waiting());  // the hourglass until the next waittimer tick
        QVERIFY(QTest::qWaitFor([&] { return s.splash.isNull(); }));
    }
}

void Form1Test::clickDismisses_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("window") << "Form1";
    QTest::newRow("picture") << "Image1";
    QTest::newRow("banner") << "Picture2";
}

void Form1Test::clickDismisses() {
    QFETCH(QString, target);
    Start s;
    QWidget* where =
        target == "Form1" ? static_cast<QWidget*>(s.splash) : s.splash->findChild<QWidget*>(target);
    QVERIFY(where);
    // Children let clicks through to the window.
    QWidget* hit = s.splash->childAt(where->mapTo(s.splash.data(), where->rect().center()));
    QTest::mouseClick(hit ? hit : s.splash.data(), Qt::LeftButton);
    QVERIFY(s.main->isVisible());
    QVERIFY(!s.splash->isVisible());
}

void Form1Test::bannerAlternates() {
    Start s;
    QCOMPARE(s.splash->Timer1->interval(), 54);
    const QString credits = s.splash->Picture2->Text();
    QVERIFY(credits.contains("Tavix"));
    QVERIFY(credits.contains("2026"));
    QVERIFY(credits.contains("1.99"));
    auto tick = [&] { QMetaObject::invokeMethod(s.splash->Timer1, "timeout"); };
    const int start = s.splash->BannerLeftTwips();
    tick();
    QCOMPARE(s.splash->BannerLeftTwips(), start - 35);
    QCOMPARE(s.splash->Picture2->x(), Twips(start - 35));
    // At -9400 the strip has not yet passed; one more step and it starts over with the hint.
    s.splash->SetBannerLeftTwips(-9365);
    tick();
    QCOMPARE(s.splash->BannerLeftTwips(), -9400);
    QCOMPARE(s.splash->Picture2->Text(), credits);
    tick();
    QCOMPARE(s.splash->BannerLeftTwips(), 5500);
    QCOMPARE(s.splash->Picture2->Text(),
             QString("Please check the Help Menu for suggestions on getting the most enjoyment from Tavix."));
    s.splash->SetBannerLeftTwips(-9390);
    tick();
    QCOMPARE(s.splash->Picture2->Text(), credits);
    s.splash->SetBannerLeftTwips(-9390);
    tick();
    QVERIFY(s.splash->Picture2->Text().startsWith("Please check"));
}

void Form1Test::placedBelowCentre() {
    Start s;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(s.splash->geometry().center().x() - area.center().x()) <= 1);
    QVERIFY(qAbs(s.splash->y() - ((area.height() - s.splash->height()) / 2 + Twips(500))) <= 1);
}

void Form1Test::gallery() {
    const QByteArray dir = qgetenv("TAVIX_GALLERY_DIR");
    if (dir.isEmpty()) QSKIP("TAVIX_GALLERY_DIR names no folder");
    Start s;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    s.splash->grab().save(QString::fromLocal8Bit(dir) + "/form1-credits.png");
    s.splash->SetBannerLeftTwips(-9390);
    QMetaObject::invokeMethod(s.splash->Timer1, "timeout");
    s.splash->SetBannerLeftTwips(200);
    s.splash->grab().save(QString::fromLocal8Bit(dir) + "/form1-hint.png");
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
