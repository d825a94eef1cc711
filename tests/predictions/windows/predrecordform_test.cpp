// The prediction record window on the supplied season: its lists, its chart's figures, its print,
// its help and its return to the main window.
#include "predictions/windows/predrecordform.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "predictions/windows/margin_chart.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class PredRecordFormTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    QPointer<PredRecordForm> window;

    void Open() { window = app->Open<PredRecordForm>(); }
    std::vector<std::string> Items(const char* name) {
        return testing::ItemTexts(window->findChild<QListWidget*>(name));
    }
    void Click(const char* button) {
        QTest::mouseClick(window->findChild<QToolButton*>(button), Qt::LeftButton);
    }

  private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void showsTheSummaryTheGamesAndTheChart() {
        const std::vector<RecordedGame> record = BuildPredictionRecord(app->nba);
        Open();
        QCOMPARE(window->windowTitle(), QString("Prediction Record - Tavix"));
        QCOMPARE(Items("List2"), RecordSummaryLines(record));
        const std::vector<std::string> gameLines = Items("List1");
        QCOMPARE(gameLines, RecordGameLines(record));
        QCOMPARE(gameLines[0], std::string("Friday, February 5, 1999"));
        QCOMPARE(gameLines[1],
                 std::string("Cleveland Cavaliers      at Atlanta Hawks            Hawks         by   2.4"
                             "   185  83-100   won  under"));
        QVERIFY(!app->host.MainWindow()->isEnabled());

        // The chart carries every game with a favourite, and the home line at 452 of 725.
        auto* chart = window->findChild<MarginChart*>("Chart1");
        QVERIFY(chart);
        const RecordSummary all = SummariseRecord(record);
        int games = 0, wins = 0;
        for (const MarginBucket& b : chart->Buckets()) {
            QVERIFY2(b.games > 0, b.label);  // the season reaches every margin
            games += b.games;
            wins += b.favouriteWins;
        }
        QCOMPARE(games, all.games - all.picks);
        QCOMPARE(wins, all.favouriteWins);
        QCOMPARE(chart->HomeRate().value_or(0), 100.0 * 452 / 725);
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/predrecordform.png"));
    }

    void printsSummaryChartAndGamesOrNothingOnCancel() {
        Open();
        app->dialogs.answers = {Answer::Cancel};
        Click("PrintButton");
        QCOMPARE(app->printers.jobs.size(), size_t(0));
        app->dialogs.answers = {Answer::Ok};
        Click("PrintButton");
        QCOMPARE(app->dialogs.shown.back().text,
                 std::string("Ready to send the Prediction Record to the Printer."));
        const RecordingPrinter& printer = app->printers.Last();
        const std::vector<std::string> first = printer.Page(0, 0);
        QCOMPARE(first[2], std::string("      Tavix Prediction Record"));
        QCOMPARE(first[6], "     " + Items("List2")[0]);  // under the page line and a blank
        const std::vector<std::string> texts = printer.Texts();
        const auto chartTitle = std::find_if(texts.begin(), texts.end(), [](const std::string& t) {
            return t.find("How often the favourite won") != std::string::npos;
        });
        QVERIFY(chartTitle != texts.end());
        QVERIFY((chartTitle + 2)->rfind("     0-2", 0) == 0);  // the bars follow their heading
        QCOMPARE(texts.back(), "     " + Items("List1").back());
        QCOMPARE(printer.documentsEnded, 1);
    }

    // A new season's schedule, no game played yet: the window says so and shows no games.
    void scheduleWithoutScoresSaysSo() {
        for (int i = 1; i <= app->nba.SecondHalfCount; ++i)
            app->nba.SecondHalfSchedule[i] = WithoutScore(app->nba.SecondHalfSchedule[i]);
        app->nba.schedule = BuildScheduleModel(app->nba);
        Open();
        QCOMPARE(Items("List2").at(0),
                 std::string("Prediction record: no game of the schedule has a final score yet."));
        QVERIFY(Items("List1").empty());
        auto* chart = window->findChild<MarginChart*>("Chart1");
        for (const MarginBucket& b : chart->Buckets()) QCOMPARE(b.games, 0);
        QVERIFY(!chart->HomeRate());  // no line at a rate no game gave
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/predrecordform-empty.png"));
    }

    // On a light or a dark theme's box the bars and the home line stand 3:1 from the ground and the
    // figures in a bar 4.5:1 from the bar (the Web Content Accessibility Guidelines' measures).
    void chartColoursReadOnAnyGround() {
        auto luminance = [](const QColor& c) {
            auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        auto contrast = [&](const QColor& a, const QColor& b) {
            const double x = luminance(a), y = luminance(b);
            return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
        };
        for (const QColor ground :
             {QColor(Qt::white), QColor(240, 240, 240), QColor(53, 53, 53), QColor(25, 25, 25)}) {
            const MarginChart::Colours c = MarginChart::ColoursOn(ground);
            QVERIFY2(contrast(c.bar, ground) >= 3 && contrast(c.home, ground) >= 3,
                     qPrintable(ground.name()));
            QVERIFY2(contrast(c.onBar, c.bar) >= 4.5, qPrintable(ground.name()));
        }
        // The figures are there as words too, for a screen reader.
        Open();
        const QString told = window->findChild<MarginChart*>("Chart1")->accessibleDescription();
        QVERIFY2(told.contains("0-2") && told.contains("10+") && told.contains('%'), qPrintable(told));
        QVERIFY(window->findChild<QLabel*>("CalibrationLabel")->text().contains("Brier score"));
    }

    void helpOpensItsTopicAndDoneReturns() {
        Open();
        Click("InfoButton");
        QCOMPARE(app->help.topics, std::vector<std::string>{"Prediction Record"});
        Click("DoneButton");
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCOMPARE(app->host.closed, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(PredRecordFormTest)
#include "predrecordform_test.moc"
