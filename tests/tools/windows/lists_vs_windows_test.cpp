// tavix-lists prints what the windows show: each command's output is compared, line for line,
// with the list the real window builds on the supplied data.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <sstream>

#include "forecast/windows/pseason.h"
#include "predictions/windows/blockpredictform.h"
#include "predictions/windows/predictions.h"
#include "statistics/windows/vstatsform.h"
#include "tests/support/lists_run.h"
#include "tests/support/qt/journey.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::Control;
using tavix::testing::Items;
using tavix::testing::OpenWindow;
using tavix::testing::TestApp;
using tavix::testing::TestMain;

namespace {

QStringList Companion(const TestApp& app, const QStringList& args) {
    std::vector<std::string> argv;
    for (const QString& a : args) argv.push_back(a.toStdString());
    const tavix::testing::ListsRun run = tavix::testing::RunLists(app.DataDir(), argv);
    if (run.status != 0) qWarning("tavix-lists failed: %s", run.err.c_str());
    QString text = QString::fromLatin1(run.out.c_str());
    if (text.endsWith('\n')) text.chop(1);
    return text.split('\n');
}

// The last printout's lines, with a form feed between pages.
QStringList Printed(TestApp& app) {
    QStringList printed;
    int page = 0;
    for (const auto& line : app.printers.Last().lines) {
        for (; page < line.page; ++page) printed << "\f";
        printed << QString::fromLatin1(line.text.c_str());
    }
    return printed;
}

}  // namespace

class ListsVsWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    // The schedule views, the team schedules (team picked in the panel) and the standings.
    void listViews_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("team");  // picked in the team panel, with the schedule type
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("command");
        QTest::newRow("first half") << "fhalfschmenu" << QString() << 0 << "schedule first";
        QTest::newRow("second half") << "Sechalfmenu" << QString() << 0 << "schedule second";
        QTest::newRow("december") << "Monthlyschedulemenu(1)" << QString() << 0 << "schedule month 2";
        QTest::newRow("march") << "Monthlyschedulemenu(4)" << QString() << 0 << "schedule month 5";
        QTest::newRow("april / may") << "Monthlyschedulemenu(5)" << QString() << 0 << "schedule month 6";
        QTest::newRow("standings") << "standingsmenu" << QString() << 0 << "standings";
        const QString team = "teamschedulemenu";
        QTest::newRow("lakers road") << team << "L. A. Lakers" << 2 << "schedule team 25 road";
        QTest::newRow("boston home") << team << "Boston Celtics" << 1 << "schedule team 1 home";
        QTest::newRow("utah all") << team << "Utah Jazz" << 0 << "schedule team 21 all";
    }
    void listViews() {
        QFETCH(QString, menu);
        QFETCH(QString, team);
        QFETCH(int, type);
        QFETCH(QString, command);
        TestMain main;
        TestApp& app = main.app;
        main->findChild<QAction*>(menu)->trigger();
        if (!team.isEmpty()) {
            Control<QComboBox>(main.w.get(), "Combo1")->setCurrentText(team);
            Control<QRadioButton>(main.w.get(), QString("schtype(%1)").arg(type))->setChecked(true);
            Control<QAbstractButton>(main.w.get(), "TeamSelButton")->click();
        }
        QCOMPARE(Items(menu == "standingsmenu" ? main->List2 : main->List1),
                 Companion(app, command.split(' ')));
    }

    void blockPredictions() {
        TestMain main;
        TestApp& app = main.app;
        app.clock.today = Date{1999, 3, 1};
        main->findChild<QAction*>("Sechalfmenu")->trigger();
        for (int i = 19; i < 60; ++i) main->List1->item(i)->setSelected(true);
        main->Blockpredictbutton->click();
        auto* block = OpenWindow<BlockPredictForm>(*main.w);
        QCOMPARE(Items(Control<QListWidget>(block, "List1")),
                 Companion(app, {"block", "--lines", "20-60", "--today", "03-01-1999"}));
    }

    void ratingsView_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("args");
        QTest::newRow("as it opens") << QString("") << QString("ratings");
        QTest::newRow("defense") << QString("Option1(3)") << QString("ratings defense");
        QTest::newRow("percentage") << QString("Option1(1)") << QString("ratings percentage");
        QTest::newRow("switched") << QString("seasonbutton") << QString("ratings switched");
        QTest::newRow("offense previous")
            << QString("seasonbutton Option1(2)") << QString("ratings offense --previous");
    }
    void ratingsView() {
        QFETCH(QString, clicks);
        QFETCH(QString, args);
        TestMain main;
        TestApp& app = main.app;
        main->findChild<QAction*>("ratingmenu")->trigger();
        auto* ratings = OpenWindow<VStatsform>(*main.w);
        for (const QString& name : clicks.split(' ', Qt::SkipEmptyParts))
            Control<QAbstractButton>(ratings, name)->click();
        QCOMPARE(Items(Control<QListWidget>(ratings, "List1")), Companion(app, args.split(' ')));
    }

    void singlePrediction() {
        for (auto [road, home, neutral] : {std::tuple{1, 4, false}, {20, 4, true}}) {
            TestMain main;
            TestApp& app = main.app;
            main->findChild<QAction*>("Predictionsmenu")->trigger();
            auto* window = OpenWindow<predictions>(*main.w);
            QTest::mouseClick(Control<QLabel>(window, QString("Clabel(%1)").arg(road)), Qt::LeftButton);
            QTest::mouseClick(Control<QLabel>(window, QString("Clabel(%1)").arg(home)), Qt::LeftButton);
            Control<QCheckBox>(window, "Neutralcheck")->setChecked(neutral);
            QTest::mouseClick(Control<QPushButton>(window, "PredictButton"), Qt::LeftButton);
            QStringList args{"predict", QString::number(road), QString::number(home)};
            if (neutral) args << "--neutral";
            QCOMPARE(Items(Control<QListWidget>(window, "List1")).last(), Companion(app, args).last());
        }
    }

    // --print gives every line the window's print button sends, with a form feed between pages.
    void printsMatch_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("args");
        QTest::newRow("second half") << "Sechalfmenu" << QString("SchPrintButton")
                                     << QString("schedule second --print");
        QTest::newRow("standings") << "standingsmenu" << QString("StandPrintButton")
                                   << QString("standings --print");
        QTest::newRow("record: summary, chart and every game")
            << "recordmenu" << QString("PrintButton") << QString("record --print");
        QTest::newRow("record, --games changing nothing")
            << "recordmenu" << QString("PrintButton") << QString("record --games --print");
    }
    void printsMatch() {
        QFETCH(QString, menu);
        QFETCH(QString, button);
        QFETCH(QString, args);
        TestMain main;
        TestApp& app = main.app;
        main->findChild<QAction*>(menu)->trigger();
        QWidget* window = main->OpenSubWindows().empty() ? main.w.get() : main->OpenSubWindows()[0];
        Control<QAbstractButton>(window, button)->click();
        QCOMPARE(app.printers.jobs.size(), size_t(1));
        QCOMPARE(Printed(app), Companion(app, args.split(' ')));
    }

    void forecast() {
        TestMain main;
        TestApp& app = main.app;
        main->findChild<QAction*>("pseasonmenu")->trigger();
        auto* window = OpenWindow<Pseason>(*main.w);
        QStringList boxes;
        for (int box = 1; box <= 7; ++box)  // a box holds the city on its second line
            boxes << Control<QLabel>(window, QString("label(%1)").arg(box))
                         ->text()
                         .section(QRegularExpression("[\r\n]+"), -1);
        QCOMPARE(boxes, Companion(app, {"forecast"}));
        window->close();
        // The odds beside the bracket, and their printout, are the companion's at the same count and seed.
        Pseason::simulations = 300;
        main->findChild<QAction*>("pseasonmenu")->trigger();
        window = OpenWindow<Pseason>(*main.w);
        QTRY_VERIFY(window->RunningJob() && window->RunningJob()->Finished());
        app.timers.Advance(50);
        QCOMPARE(Items(window->OddsList), Companion(app, {"odds", "--simulations", "300"}));
        Control<QAbstractButton>(window, "PrintButton")->click();
        QCOMPARE(Printed(app), Companion(app, {"odds", "--simulations", "300", "--print"}));
        Pseason::simulations = kOddsSimulations;
    }
};

QTEST_MAIN(ListsVsWindowsTest)
#include "lists_vs_windows_test.moc"
