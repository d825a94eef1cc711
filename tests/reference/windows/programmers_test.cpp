#include "reference/windows/programmers.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "reference/windows/reading.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

// The programming information window and the reading message.
class ProgrammersTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsTheHeadingAndElevenPanels();
    void okCloses();
    void readingIsOneInformationMessage();
    void grabsForLooking();

  private:
    std::unique_ptr<testing::TestApp> app_;
    programmers* form_ = nullptr;
};

void ProgrammersTest::init() {
    app_ = std::make_unique<testing::TestApp>(false);
    app_->dialogs.strict = true;
    form_ = new programmers(*app_->ctx);
    app_->host.OpenSubWindow(form_, nullptr, OwnerWhileOpen::Disabled);
    QVERIFY(QTest::qWaitForWindowExposed(form_));
}

void ProgrammersTest::cleanup() {
    app_.reset();
    form_ = nullptr;
}

void ProgrammersTest::showsTheHeadingAndElevenPanels() {
    QCOMPARE(form_->Label1->text(), QString("Custom Programming & Commercial Licensing"));
    QVERIFY(form_->Label1->sizeHint().width() <= form_->Label1->width());
    QVERIFY(form_->Picture1->pixmap().width() > 0);
    QString all;
    for (int i = 0; i <= 10; ++i) {
        QFrame* panel = form_->findChild<QFrame*>(QString("Panel3D3(%1)").arg(i));
        QVERIFY(panel);
        QLabel* text = panel->findChild<QLabel*>();
        QVERIFY(text);
        // Every text fits its panel without being cut.
        QVERIFY2(text->sizeHint().width() <= text->width(), qPrintable(text->text()));
        all += text->text() + "\n";
    }
    QVERIFY(all.contains("Tavix is free software under the MIT licence; see the LICENSE file."));
    QVERIFY(all.contains("the project's issue tracker"));
    QCOMPARE(form_->OkButton->toolTip(), QString("Close this window"));
}

void ProgrammersTest::okCloses() {
    QTest::mouseClick(form_->OkButton, Qt::LeftButton);
    QCOMPARE(app_->host.closed, 1);
    QVERIFY(app_->host.main->isEnabled());
}

void ProgrammersTest::readingIsOneInformationMessage() {
    app_->dialogs.answers = {Answer::Ok};
    ShowRecommendedReading(*app_->ctx);
    QCOMPARE(app_->dialogs.shown.size(), size_t(1));
    const auto& m = app_->dialogs.shown[0];
    QCOMPARE(m.title, std::string("Recommended Reading"));
    QCOMPARE(m.buttons, Buttons::Ok);
    QCOMPARE(m.icon, Icon::Information);
    QCOMPARE(QString::fromStdString(m.text).split("\r\n").size(), 20);
}

void ProgrammersTest::grabsForLooking() {
    const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
    QDir().mkpath(dir);
    QVERIFY(form_->grab().save(dir + "/programmers.png"));
}

}  // namespace tavix

QTEST_MAIN(tavix::ProgrammersTest)
#include "programmers_test.moc"
