// The information windows: recommended web sites, programming information and the reading message.
#include "reference/windows/webform.h"

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QtTest>

#include "reference/reading_list.h"
#include "reference/windows/programmers.h"
#include "reference/windows/reading.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class InfoWindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestApp> app_;
    webform* form_ = nullptr;

    void Click(int index) { QTest::mouseClick(form_->Label1.at(index), Qt::LeftButton); }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }  // kept after closing

  private slots:
    void init() {
        app_ = std::make_unique<testing::TestApp>(false);
        QGuiApplication::clipboard()->setText("left from before");
        form_ = app_->Open<webform>();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    void cleanup() { app_.reset(); }

    // The instruction stands whole on one line whatever font stands in for Arial; clicking a site
    // name copies nothing and shows no notice.
    void instructionFitsAndSiteNamesCopyNothing() {
        QVERIFY(!form_->Label2->wordWrap());
        QVERIFY(form_->Label2->fontMetrics().horizontalAdvance(form_->Label2->text()) <=
                form_->Label2->contentsRect().width());
        QVERIFY(form_->Label3->sizeHint().width() <= form_->Label3->width());
        for (int k = 16; k <= 20; ++k) Click(k);
        QCOMPARE(Clipboard(), QString("left from before"));
        QVERIFY(!form_->Label3->isVisible());
        QVERIFY(testing::SaveGrab(form_, "webform"));
    }

    // Each address is copied by a click or from the keyboard, and the notice shows for four seconds
    // from the last copy.
    void choosingAnAddressCopiesExactlyIt() {
        const QString addresses[] = {"https://www.nba.com/", "https://www.si.com/nba",
                                     "https://www.espn.com/nba/", "https://www.cbssports.com/nba/",
                                     "https://www.usatoday.com/sports/nba/"};
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(form_->Label1.at(i)->text(), addresses[i - 1]);
            // By mouse, or from the keyboard with Space or Enter on the address.
            if (i == 1) {
                Click(i);
            } else {
                form_->Label1.at(i)->setFocus();
                QTest::keyClick(form_->Label1.at(i), i % 2 ? Qt::Key_Space : Qt::Key_Return);
            }
            QCOMPARE(Clipboard(), addresses[i - 1]);
            app_->timers.Advance(3999);
            QVERIFY(form_->Label3->isVisible());
        }
        app_->timers.Advance(1);
        QVERIFY(!form_->Label3->isVisible());
        QTest::mouseClick(form_->donebutton, Qt::LeftButton);
        QVERIFY(app_->host.closed == 1 && app_->host.main->isEnabled());
        QCOMPARE(Clipboard(), addresses[4]);
    }

    // Every panel text fits uncut, and the licence it states is the one the LICENSE file holds.
    void panelsFitAndStateTheLicenceThenOkCloses() {
        form_->close();
        auto* form = app_->Open<programmers>();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(form->Label1->sizeHint().width() <= form->Label1->width());
        QString all;
        for (QFrame* panel : form->Panel3D3) {
            const QLabel* text = panel->findChild<QLabel*>();
            QVERIFY2(text->sizeHint().width() <= text->width(), qPrintable(text->text()));
            all += text->text() + "\n";
        }
        QVERIFY(all.contains("Tavix is free software under the MIT licence; see the LICENSE file."));
        QFile licence(TAVIX_SOURCE_DIR "/LICENSE");
        QVERIFY(licence.open(QIODevice::ReadOnly) && licence.readAll().contains("MIT License"));
        QVERIFY(testing::SaveGrab(form, "programmers"));
        QTest::mouseClick(form->OkButton, Qt::LeftButton);
        QVERIFY(app_->host.closed == 2 && app_->host.main->isEnabled());
    }

    void readingIsOneInformationMessage() {
        ShowRecommendedReading(*app_->ctx);
        const auto& m = app_->dialogs.shown.at(0);
        QVERIFY(m.title == "Recommended Reading" && m.buttons == Buttons::Ok && m.icon == Icon::Information);
        QCOMPARE(m.text, ReadingText());
    }
};

}  // namespace tavix

QTEST_MAIN(tavix::InfoWindowsTest)
#include "info_windows_test.moc"
