// The block predictions window on the supplied schedule: the list it builds at load, its print
// and its return to the main window.
#include "predictions/windows/blockpredictform.h"

#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "predictions/block_predictions.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class BlockPredictFormTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestApp> app;
    QPointer<BlockPredictForm> window;

    // Second-half schedule lines first..last as the main list shows them.
    std::vector<std::string> Shown(int first, int last) {
        std::vector<std::string> lines;
        for (int i = first; i <= last && i <= app->nba.SecondHalfCount; ++i)
            lines.push_back("  " + app->nba.SecondHalfSchedule[i]);
        return lines;
    }
    void Open(std::vector<std::string> lines) {
        window = new BlockPredictForm(*app->ctx, std::move(lines));
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Hidden);
    }
    QListWidget* List() { return window->findChild<QListWidget*>("List1"); }
    std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int i = 0; i < List()->count(); ++i)
            items.push_back(List()->item(i)->text().toLatin1().toStdString());
        return items;
    }
    // The first line index of the second half at which a date heading is followed by games.
    int FirstDateWithGames() {
        for (int i = 1; i < app->nba.SecondHalfCount; ++i) {
            const std::string& next = app->nba.SecondHalfSchedule[i + 1];
            if (next.find(" at ") != std::string::npos) return i;
        }
        return 0;
    }

  private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void everyScheduledGameIsRecognised() {
        QVERIFY(app->nba.SecondHalfCount > 100);
        int games = 0;
        for (int i = 1; i <= app->nba.SecondHalfCount; ++i) {
            const std::string line = "  " + app->nba.SecondHalfSchedule[i];
            if (line.find(" at ") == std::string::npos) continue;
            ++games;
            QVERIFY2(FindTeamInLine(app->nba, line, kRoadCityFirst, kRoadCityLast) != 0, line.c_str());
            QVERIFY2(FindTeamInLine(app->nba, line, kHomeCityFirst, kHomeCityLast) != 0, line.c_str());
        }
        QVERIFY(games > 300);
    }

    void headingAndItsGames() {
        const int heading = FirstDateWithGames();
        QVERIFY(heading > 0);
        int last = heading + 1;
        while (last + 1 <= app->nba.SecondHalfCount &&
               app->nba.SecondHalfSchedule[last + 1].find(" at ") != std::string::npos)
            ++last;
        const auto lines = Shown(heading, last);
        NBA copy = app->nba;
        const auto expected = BuildBlockPredictionList(copy, SeasonView::Current, lines, app->clock.Today());
        Open(lines);

        QCOMPARE(window->windowTitle(), QString("Tavix Predictions"));
        const auto items = Items();
        QCOMPARE(items, expected);
        QCOMPARE(items.size(), lines.size() + 3);
        QCOMPARE(items.front(), std::string(" "));
        QCOMPARE(items[1], lines[0]);
        for (size_t i = 2; i < items.size() - 2; ++i) {
            QVERIFY2(items[i].size() >= 81, items[i].c_str());
            QCOMPARE(items[i].substr(24, 4), std::string(" at "));
        }
        QCOMPARE(items.back(), std::string("Predictions made 03-14-1999"));
        QVERIFY(app->host.MainWindow()->isHidden());
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/blockpredictform.png"));
    }

    void nothingRecognisedShowsTheMessage() {
        Open({"Monday, March 1, 1999", " "});
        const std::vector<std::string> expected = {
            " ",
            "Monday, March 1, 1999",
            " ",
            " ",
            "No games were selected, use the mouse to highlight a group",
            "on the schedule list, then click on the Game Predicitions",
            "button to view the predictions.         Click Done to continue...",
        };
        QCOMPARE(Items(), expected);
    }

    void printBreaksEverySixtyFiveLines() {
        const auto lines = Shown(1, 127);
        Open(lines);
        QCOMPARE(List()->count(), 130);
        app->dialogs.answers = {Answer::Ok};
        QTest::mouseClick(window->findChild<QToolButton*>("PrintButton"), Qt::LeftButton);
        QCOMPARE(app->dialogs.shown.back().text, std::string("Ready to send Predictions to the Printer."));
        QCOMPARE(app->printers.jobs.size(), size_t(1));
        const RecordingPrinter& printer = app->printers.Last();
        const auto items = Items();

        const auto page0 = printer.Page(0, 0);
        QCOMPARE(page0.size(), size_t(4 + 64));
        QCOMPARE(page0[2], std::string("      Tavix Predictions"));
        QCOMPARE(page0[4], "     " + items[0]);
        QCOMPARE(page0.back(), "     " + items[63]);
        const auto page1 = printer.Page(0, 1);
        QCOMPARE(page1.size(), size_t(5 + 65));
        QCOMPARE(page1[5], "     " + items[64]);  // list line 65
        QCOMPARE(page1.back(), "     " + items[128]);
        const auto page2 = printer.Page(0, 2);
        QCOMPARE(page2.size(), size_t(5 + 1));
        QCOMPARE(page2[5], "     " + items[129]);  // list line 130
        QCOMPARE(printer.lines[5].size, 9.0);
        QCOMPARE(printer.documentsEnded, 1);
        // This window keeps its own busy pointer; the hidden main window's timer is not used.
        QCOMPARE(app->host.waits, 0);
    }

    void printCancelledSendsNothing() {
        Open(Shown(1, 5));
        app->dialogs.answers = {Answer::Cancel};
        QTest::mouseClick(window->findChild<QToolButton*>("PrintButton"), Qt::LeftButton);
        QCOMPARE(app->printers.jobs.size(), size_t(0));
    }

    void failingPrinterIsReported() {
        Open(Shown(1, 40));
        app->printers.failAfterLines = 10;
        app->dialogs.answers = {Answer::Ok, Answer::Ok};
        QTest::mouseClick(window->findChild<QToolButton*>("PrintButton"), Qt::LeftButton);
        QVERIFY(app->printers.Last().abandoned);
        QCOMPARE(app->dialogs.shown.size(), size_t(2));
        QVERIFY(app->dialogs.shown[1].icon == Icon::Exclamation);
        QCOMPARE(List()->count(), 43);
    }

    void doneShowsTheMainWindowAgain() {
        Open(Shown(1, 3));
        QVERIFY(app->host.MainWindow()->isHidden());
        auto* done = window->findChild<QToolButton*>("DoneButton");
        QCOMPARE(done->toolTip(), QString("close prediction window"));
        QTest::mouseClick(done, Qt::LeftButton);
        QVERIFY(!app->host.MainWindow()->isHidden());
        QCOMPARE(app->host.closed, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(BlockPredictFormTest)
#include "blockpredictform_test.moc"
