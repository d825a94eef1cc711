#include "reference/windows/addresses.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "reference/addresses.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class AddressesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestApp> app_;
    Addresses* form_ = nullptr;

  private slots:
    void init() {
        app_ = std::make_unique<testing::TestApp>(false);
        app_->dialogs.strict = true;
        form_ = app_->Open<Addresses>();
        QVERIFY(QTest::qWaitForWindowActive(form_));
    }
    void cleanup() { app_.reset(); }

    // Every line is seen whole without sliding the list sideways; the note says what is missing.
    void showsTheWholeListAndTheNote() {
        QCOMPARE(form_->windowTitle(), QString("Team Mailing Addresses - Tavix"));
        QCOMPARE(testing::ItemTexts(form_->List1), AddressList());
        QTRY_COMPARE(form_->List1->horizontalScrollBar()->maximum(), 0);
        QVERIFY(form_->NoteLabel->isVisible() && form_->NoteLabel->text().contains("not on file"));
        QVERIFY(form_->NoteLabel->sizeHint().width() <= form_->NoteLabel->width());
        QVERIFY(testing::SaveGrab(form_, "addresses"));
    }

    // The list is for reading: a click on an entry or a separator selects nothing, and even with
    // a line selected the whole list prints, as two documents.
    void aClickSelectsNothingAndPrintingTakesTheWholeList() {
        QListWidget* list = form_->List1;
        for (int row : {1, 2}) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
            QVERIFY(list->selectedItems().isEmpty() && list->currentRow() == -1);
            QTRY_VERIFY(form_->Donebutton->hasFocus());
        }
        list->item(5)->setSelected(true);
        app_->dialogs.answers = {Answer::Ok};
        QTest::mouseClick(form_->Printbutton, Qt::LeftButton);
        QCOMPARE(app_->dialogs.shown.at(0).text, std::string("Ready to send Addresses to the Printer."));
        QCOMPARE(app_->printers.Last().documentsEnded, 2);
        QCOMPARE(app_->printers.Last().lines.size(), size_t(4 + 70 + 5));
        QCOMPARE(app_->host.waits, 1);
        QTest::mouseClick(form_->Donebutton, Qt::LeftButton);
        QVERIFY(app_->host.closed == 1 && app_->host.main->isEnabled());
    }
};

}  // namespace tavix

QTEST_MAIN(tavix::AddressesTest)
#include "addresses_test.moc"
