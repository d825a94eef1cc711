#include "reference/windows/addresses.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "platform/twips.h"
#include "reference/addresses.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class AddressesTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsTheFixedListAndSaysWhatIsMissing();
    void aClickLeavesNothingSelectedAndFocusesDone_data();
    void aClickLeavesNothingSelectedAndFocusesDone();
    void printsTheWholeListAsTwoDocuments();
    void doneCloses();
    void grabsForLooking();

  private:
    std::unique_ptr<testing::TestApp> app_;
    Addresses* form_ = nullptr;
};

void AddressesTest::init() {
    app_ = std::make_unique<testing::TestApp>(false);
    app_->dialogs.strict = true;
    form_ = new Addresses(*app_->ctx);
    app_->host.OpenSubWindow(form_, nullptr, OwnerWhileOpen::Disabled);
    QVERIFY(QTest::qWaitForWindowActive(form_));
}

void AddressesTest::cleanup() {
    app_.reset();
    form_ = nullptr;
}

void AddressesTest::showsTheFixedListAndSaysWhatIsMissing() {
    QCOMPARE(form_->windowTitle(), QString("NBA Team Addresses"));
    const auto expected = AddressList();
    QCOMPARE(form_->List1->count(), 70);
    for (int i = 0; i < 70; ++i)
        QCOMPARE(form_->List1->item(i)->text().toLatin1().toStdString(), expected[i]);
    // Every line is seen whole, without sliding the list sideways, and nothing looks selected.
    QTRY_COMPARE(form_->List1->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(form_->List1->currentRow(), -1);
    QVERIFY(form_->Donebutton->hasFocus());
    // The names editor does not touch this list.
    app_->nba.CityNames[4] = "Brooklyn";
    QVERIFY(form_->NoteLabel->isVisible());
    QVERIFY(form_->NoteLabel->text().contains("not on file"));
    QVERIFY(form_->NoteLabel->sizeHint().width() <= form_->NoteLabel->width());
    QVERIFY(form_->NoteLabel->y() > form_->Panel3D1->geometry().bottom());
    QCOMPARE(form_->Panel3D1->geometry(), TwipsRect(60, 60, 9315, 3885));
    QCOMPARE(form_->List1->geometry(), TwipsRect(150, 150, 9015, 3540));
    QCOMPARE(form_->Printbutton->geometry(), TwipsRect(3360, 4080, 1095, 375));
    QCOMPARE(form_->Donebutton->geometry(), TwipsRect(5040, 4080, 1095, 375));
    QCOMPARE(form_->Printbutton->toolTip(), QString("Print Listing"));
    QCOMPARE(form_->Donebutton->toolTip(), QString("Close Listing"));
}

void AddressesTest::aClickLeavesNothingSelectedAndFocusesDone_data() {
    QTest::addColumn<int>("row");
    QTest::newRow("first address") << 1;
    QTest::newRow("separator") << 2;
    QTest::newRow("last visible") << 10;
}

void AddressesTest::aClickLeavesNothingSelectedAndFocusesDone() {
    QFETCH(int, row);
    QListWidget* list = form_->List1;
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->currentRow(), -1);
    QTRY_VERIFY(form_->Donebutton->hasFocus());
}

void AddressesTest::printsTheWholeListAsTwoDocuments() {
    form_->List1->item(5)->setSelected(true);
    app_->dialogs.answers = {Answer::Ok};
    QTest::mouseClick(form_->Printbutton, Qt::LeftButton);
    QCOMPARE(app_->dialogs.shown[0].text, std::string("Ready to send Addresses to the Printer."));
    QCOMPARE(app_->dialogs.shown[0].title, std::string("Tavix"));
    QCOMPARE(app_->printers.jobs.size(), size_t(1));
    const auto& printer = app_->printers.Last();
    QCOMPARE(printer.documentsEnded, 2);
    QCOMPARE(printer.Page(0, 0).size(), size_t(4 + 54));
    QCOMPARE(printer.Page(1, 0).size(), size_t(5 + 16));
    QCOMPARE(app_->host.waits, 1);
}

void AddressesTest::doneCloses() {
    QTest::mouseClick(form_->Donebutton, Qt::LeftButton);
    QCOMPARE(app_->host.closed, 1);
    QVERIFY(app_->host.main->isEnabled());
}

void AddressesTest::grabsForLooking() {
    const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
    QDir().mkpath(dir);
    QVERIFY(form_->grab().save(dir + "/addresses.png"));
}

}  // namespace tavix

QTEST_MAIN(tavix::AddressesTest)
#include "addresses_test.moc"
