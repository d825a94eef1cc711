#include "reference/windows/webform.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "platform/twips.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class WebformTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void laysOutTheSitesAndHidesTheNotice();
    void clickingAnAddressCopiesExactlyIt_data();
    void clickingAnAddressCopiesExactlyIt();
    void clickingASiteNameDoesNothing_data();
    void clickingASiteNameDoesNothing();
    void aSecondAddressReplacesTheFirst();
    void theNoticeGoesAwayAfterFourSeconds();
    void doneReturnsToTheMainWindow();
    void grabsForLooking();

  private:
    void Click(int index) { QTest::mouseClick(form_->Label1.at(index), Qt::LeftButton); }

    std::unique_ptr<testing::TestApp> app_;
    webform* form_ = nullptr;
};

void WebformTest::init() {
    app_ = std::make_unique<testing::TestApp>(false);
    app_->dialogs.strict = true;
    QGuiApplication::clipboard()->setText("left from before");
    form_ = new webform(*app_->ctx);
    app_->host.OpenSubWindow(form_, nullptr, OwnerWhileOpen::Disabled);
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void WebformTest::cleanup() {
    app_.reset();
    form_ = nullptr;
}

void WebformTest::laysOutTheSitesAndHidesTheNotice() {
    QCOMPARE(form_->windowTitle(), QString("Tavix"));
    QCOMPARE(form_->size(), TwipsSize(7845, 6000));
    QVERIFY(!form_->Label3->isVisible());
    QCOMPARE(form_->Label3->text(),
             QString("URL is on the Clipboard - Paste into your Browsers address area"));
    QVERIFY(form_->Label3->sizeHint().width() <= form_->Label3->width());
    QVERIFY(form_->Label3->geometry().right() < form_->width());
    QCOMPARE(form_->Label2->text(), QString("Click on address to copy URL to the Clipboard"));
    // The instruction stands on one line at its height, inside the window, whatever font stands
    // in for Arial.
    QLabel* instruction = form_->Label2;
    QVERIFY(!instruction->wordWrap());
    QVERIFY(instruction->fontMetrics().horizontalAdvance(instruction->text()) <=
            instruction->contentsRect().width());
    QCOMPARE(instruction->y(), Twips(1680));
    QVERIFY(instruction->x() <= Twips(4320));
    QVERIFY(instruction->geometry().right() < form_->width());
    QCOMPARE(form_->Timer1->interval(), 4000);
    QVERIFY(!form_->Timer1->isActive());
    const double nameTops[] = {2400, 3120, 3840, 4560, 5280};
    const double addressTops[] = {2670, 3405, 4110, 4830, 5550};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(form_->Label1.at(16 + i)->pos(), QPoint(Twips(240), Twips(nameTops[i])));
        QCOMPARE(form_->Label1.at(1 + i)->pos(), QPoint(Twips(720), Twips(addressTops[i])));
    }
    QCOMPARE(form_->Label1.at(20)->text(), QString("USA Today Sports NHL"));
    QCOMPARE(form_->donebutton->toolTip(), QString("Return to Main Screen"));
    QCOMPARE(form_->donebutton->geometry(), TwipsRect(6600, 5160, 975, 615));
}

void WebformTest::clickingAnAddressCopiesExactlyIt_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("address");
    QTest::newRow("NBA") << 1 << "https://www.nba.com/";
    QTest::newRow("Sports Illustrated") << 2 << "https://www.si.com/nba";
    QTest::newRow("ESPN") << 3 << "https://www.espn.com/nba/";
    QTest::newRow("CBS") << 4 << "https://www.cbssports.com/nba/";
    QTest::newRow("USA Today") << 5 << "https://www.usatoday.com/sports/nhl/";
}

void WebformTest::clickingAnAddressCopiesExactlyIt() {
    QFETCH(int, index);
    QFETCH(QString, address);
    QCOMPARE(form_->Label1.at(index)->text(), address);
    Click(index);
    QCOMPARE(QGuiApplication::clipboard()->text(), address);
    QVERIFY(form_->Label3->isVisible());
    QVERIFY(form_->Timer1->isActive());
}

void WebformTest::clickingASiteNameDoesNothing_data() {
    QTest::addColumn<int>("index");
    for (int k = 16; k <= 20; ++k) QTest::addRow("Label1(%d)", k) << k;
}

void WebformTest::clickingASiteNameDoesNothing() {
    QFETCH(int, index);
    Click(index);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("left from before"));
    QVERIFY(!form_->Label3->isVisible());
    QVERIFY(!form_->Timer1->isActive());
}

void WebformTest::aSecondAddressReplacesTheFirst() {
    Click(1);
    Click(4);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("https://www.cbssports.com/nba/"));
    // The clipboard keeps the address after the window has closed.
    form_->donebutton_Click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("https://www.cbssports.com/nba/"));
}

void WebformTest::theNoticeGoesAwayAfterFourSeconds() {
    Click(2);
    QVERIFY(form_->Label3->isVisible());
    QTest::qWait(3500);
    QVERIFY(form_->Label3->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!form_->Label3->isVisible(), 1500);
    QVERIFY(!form_->Timer1->isActive());
}

void WebformTest::doneReturnsToTheMainWindow() {
    QVERIFY(!app_->host.main->isEnabled());
    QTest::mouseClick(form_->donebutton, Qt::LeftButton);
    QCOMPARE(app_->host.closed, 1);
    QVERIFY(app_->host.main->isEnabled());
}

void WebformTest::grabsForLooking() {
    Click(3);
    const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
    QDir().mkpath(dir);
    QVERIFY(form_->grab().save(dir + "/webform.png"));
}

}  // namespace tavix

QTEST_MAIN(tavix::WebformTest)
#include "webform_test.moc"
