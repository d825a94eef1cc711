// The block predictions window on the supplied schedule: the list it builds at load, its print
// and its return to the main window.
#include "predictions/windows/blockpredictform.h"

#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "predictions/block_predictions.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/schedule_views.h"

using namespace tavix;
using namespace tavix::testing;

class BlockPredictFormTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    QPointer<BlockPredictForm> window;

    // Second-half schedule lines first..last as the main list shows them.
    std::vector<BlockLine> Shown(int first, int last) {
        const ScheduleList list = SecondHalfLines(app->nba);
        std::vector<bool> selected(list.lines.size());
        for (int i = first; i <= last && i <= static_cast<int>(selected.size()); ++i) selected[i - 1] = true;
        return CollectBlockLines(list.lines, list.games, selected);
    }
    void Open(std::vector<BlockLine> lines) {
        window = app->OpenAs<BlockPredictForm>(OwnerWhileOpen::Hidden, std::move(lines));
    }
    std::vector<std::string> Items() { return testing::ItemTexts(window->findChild<QListWidget*>("List1")); }
    void Print() { QTest::mouseClick(window->findChild<QToolButton*>("PrintButton"), Qt::LeftButton); }

  private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void showsThePredictionsOfTheLinesGiven() {
        const auto lines = Shown(1, 127);
        const auto expected =
            BuildBlockPredictionList(app->nba, SeasonView::Current, lines, app->clock.Today());
        Open(lines);
        QCOMPARE(window->windowTitle(), QString("Block Predictions - Tavix"));
        QCOMPARE(Items(), expected);
        QCOMPARE(Items().back(), std::string("Predictions made 03-14-1999"));
        QVERIFY(app->host.MainWindow()->isHidden());
        // Beside each prediction the favourite's chance, an even one for a Pick; the heading first, a
        // blank elsewhere.
        const auto chances = testing::ItemTexts(window->findChild<QListWidget*>("ChanceList"));
        QCOMPARE(chances.size(), Items().size());
        for (size_t i = 0; i < chances.size(); ++i) {
            const bool prediction = Items()[i].size() >= 79 && Items()[i].find(" at ") == 24;
            const bool pick = prediction && Items()[i].find("--  Pick") != std::string::npos;
            QVERIFY2(prediction ? (chances[i] == "50.0%") == pick && chances[i] >= "50.0%"
                                : chances[i] == (i == 0 ? "Chance" : " "),
                     Items()[i].c_str());
        }
        auto* list = window->findChild<QListWidget*>("List1");
        list->scrollToBottom();  // the column follows the list
        QCOMPARE(window->findChild<QListWidget*>("ChanceList")->verticalScrollBar()->value(),
                 list->verticalScrollBar()->value());
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/blockpredictform.png"));

        app->dialogs.answers = {Answer::Cancel};
        Print();
        QCOMPARE(app->printers.jobs.size(), size_t(0));
        app->dialogs.answers = {Answer::Ok};
        Print();
        QCOMPARE(app->dialogs.shown.back().text, std::string("Ready to send Predictions to the Printer."));
        const RecordingPrinter& printer = app->printers.Last();
        QCOMPARE(printer.Page(0, 1)[5], "     " + Items()[64]);  // list line 65 opens the second page
        QCOMPARE(printer.Page(0, 2).back(), "     " + Items()[129]);
        QCOMPARE(printer.documentsEnded, 1);
        QCOMPARE(app->host.waits, 0);  // the hidden main window's busy pointer is not used
    }

    void failingPrinterIsReported() {
        Open(Shown(1, 40));
        app->printers.failAfterLines = 10;
        app->dialogs.answers = {Answer::Ok, Answer::Ok};
        Print();
        QVERIFY(app->printers.Last().abandoned);
        QCOMPARE(app->dialogs.shown.size(), size_t(2));
        QVERIFY(app->dialogs.shown[1].icon == Icon::Exclamation);
        QCOMPARE(Items().size(), size_t(43));
    }

    void doneShowsTheMainWindowAgain() {
        Open(Shown(1, 3));
        QTest::mouseClick(window->findChild<QToolButton*>("DoneButton"), Qt::LeftButton);
        QVERIFY(!app->host.MainWindow()->isHidden());
        QCOMPARE(app->host.closed, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(BlockPredictFormTest)
#include "blockpredictform_test.moc"
