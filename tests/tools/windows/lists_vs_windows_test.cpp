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
#include <memory>
#include <sstream>

#include "forecast/windows/pseason.h"
#include "predictions/windows/blockpredictform.h"
#include "predictions/windows/predictions.h"
#include "statistics/windows/vstatsform.h"
#include "tests/support/qt/test_context.h"
#include "tools/lists/lists_command.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::TestApp;

namespace {

QStringList Companion(const TestApp& app, const QStringList& args) {
    std::vector<std::string> argv{"--data", app.DataDir()};
    for (const QString& a : args) argv.push_back(a.toStdString());
    std::ostringstream out, err;
    const int status = RunListsCommand(argv, out, err);
    if (status != 0) qWarning("tavix-lists failed: %s", err.str().c_str());
    QString text = QString::fromLatin1(out.str().c_str());
    if (text.endsWith('\n')) text.chop(1);
    return text.split('\n');
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

template <class T>
T* Control(QWidget* window, const QString& name) {
    T* control = window->findChild<T*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
}

std::unique_ptr<Form2> MainWindow(TestApp& app) {
    auto w = std::make_unique<Form2>(app.nba, app.dialogs, app.clock, app.printers, app.help, app.DataDir());
    w->show();
    return w;
}

template <class W>
W* OpenedWindow(Form2& main) {
    for (QWidget* w : main.OpenSubWindows())
        if (auto* found = qobject_cast<W*>(w)) return found;
    qFatal("the window did not open");
}

}  // namespace

class ListsVsWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void scheduleViews_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("first half") << "fhalfschmenu" << QStringList{"schedule", "first"};
        QTest::newRow("second half") << "Sechalfmenu" << QStringList{"schedule", "second"};
        QTest::newRow("december") << "Monthlyschedulemenu(1)" << QStringList{"schedule", "month", "2"};
        QTest::newRow("march") << "Monthlyschedulemenu(4)" << QStringList{"schedule", "month", "5"};
        QTest::newRow("april / may") << "Monthlyschedulemenu(5)" << QStringList{"schedule", "month", "6"};
        QTest::newRow("standings") << "standingsmenu" << QStringList{"standings"};
    }
    void scheduleViews() {
        QFETCH(QString, menu);
        QFETCH(QStringList, args);
        TestApp app;
        auto main = MainWindow(app);
        main->findChild<QAction*>(menu)->trigger();
        QListWidget* list = menu == "standingsmenu" ? main->List2 : main->List1;
        QCOMPARE(Items(list), Companion(app, args));
    }

    void teamView_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("lakers road") << "L. A. Lakers" << 2 << QStringList{"schedule", "team", "25", "road"};
        QTest::newRow("boston home") << "Boston Celtics" << 1 << QStringList{"schedule", "team", "1", "home"};
        QTest::newRow("utah all") << "Utah Jazz" << 0 << QStringList{"schedule", "team", "21", "all"};
    }
    void teamView() {
        QFETCH(QString, combo);
        QFETCH(int, type);
        QFETCH(QStringList, args);
        TestApp app;
        auto main = MainWindow(app);
        main->findChild<QAction*>("teamschedulemenu")->trigger();
        Control<QComboBox>(main.get(), "Combo1")->setCurrentText(combo);
        Control<QRadioButton>(main.get(), QString("schtype(%1)").arg(type))->setChecked(true);
        Control<QAbstractButton>(main.get(), "TeamSelButton")->click();
        QCOMPARE(Items(main->List1), Companion(app, args));
    }

    void blockPredictions() {
        TestApp app;
        app.clock.today = Date{1999, 3, 1};
        auto main = MainWindow(app);
        main->findChild<QAction*>("Sechalfmenu")->trigger();
        for (int i = 19; i < 60; ++i) main->List1->item(i)->setSelected(true);
        main->Blockpredictbutton->click();
        auto* block = OpenedWindow<BlockPredictForm>(*main);
        QCOMPARE(Items(Control<QListWidget>(block, "List1")),
                 Companion(app, {"block", "--lines", "20-60", "--today", "03-01-1999"}));
    }

    void ratingsView_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("as it opens") << QStringList{} << QStringList{"ratings"};
        QTest::newRow("defense") << QStringList{"Option1(3)"} << QStringList{"ratings", "defense"};
        QTest::newRow("percentage") << QStringList{"Option1(1)"} << QStringList{"ratings", "percentage"};
        QTest::newRow("switched") << QStringList{"seasonbutton"} << QStringList{"ratings", "switched"};
        QTest::newRow("offense previous")
            << QStringList{"seasonbutton", "Option1(2)"} << QStringList{"ratings", "offense", "--previous"};
    }
    void ratingsView() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, args);
        TestApp app;
        auto main = MainWindow(app);
        main->findChild<QAction*>("ratingmenu")->trigger();
        auto* ratings = OpenedWindow<VStatsform>(*main);
        for (const QString& name : clicks) Control<QAbstractButton>(ratings, name)->click();
        QCOMPARE(Items(Control<QListWidget>(ratings, "List1")), Companion(app, args));
    }

    void singlePrediction_data() {
        QTest::addColumn<int>("road");
        QTest::addColumn<int>("home");
        QTest::addColumn<bool>("neutral");
        QTest::newRow("boston at new york") << 1 << 4 << false;
        QTest::newRow("spurs vs knicks, neutral") << 20 << 4 << true;
    }
    void singlePrediction() {
        QFETCH(int, road);
        QFETCH(int, home);
        QFETCH(bool, neutral);
        TestApp app;
        auto main = MainWindow(app);
        main->findChild<QAction*>("Predictionsmenu")->trigger();
        auto* window = OpenedWindow<predictions>(*main);
        QTest::mouseClick(Control<QLabel>(window, QString("Clabel(%1)").arg(road)), Qt::LeftButton);
        QTest::mouseClick(Control<QLabel>(window, QString("Clabel(%1)").arg(home)), Qt::LeftButton);
        Control<QCheckBox>(window, "Neutralcheck")->setChecked(neutral);
        QTest::mouseClick(Control<QPushButton>(window, "PredictButton"), Qt::LeftButton);
        QStringList args{"predict", QString::number(road), QString::number(home)};
        if (neutral) args << "--neutral";
        QCOMPARE(Items(Control<QListWidget>(window, "List1")).last(), Companion(app, args).last());
    }

    // --print gives every line the window's print button sends, with a form feed between pages.
    void printsMatch_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("second half") << "Sechalfmenu"
                                     << "SchPrintButton" << QStringList{"schedule", "second", "--print"};
        QTest::newRow("standings") << "standingsmenu"
                                   << "StandPrintButton" << QStringList{"standings", "--print"};
    }
    void printsMatch() {
        QFETCH(QString, menu);
        QFETCH(QString, button);
        QFETCH(QStringList, args);
        TestApp app;
        auto main = MainWindow(app);
        main->findChild<QAction*>(menu)->trigger();
        Control<QAbstractButton>(main.get(), button)->click();
        QCOMPARE(app.printers.jobs.size(), size_t(1));
        QStringList printed;
        int page = 0;
        for (const auto& line : app.printers.Last().lines) {
            for (; page < line.page; ++page) printed << "\f";
            printed << QString::fromLatin1(line.text.c_str());
        }
        QCOMPARE(printed, Companion(app, args));
    }

    void forecast() {
        TestApp app;
        auto main = MainWindow(app);
        main->findChild<QAction*>("pseasonmenu")->trigger();
        auto* window = OpenedWindow<Pseason>(*main);
        QStringList boxes;
        for (int box = 1; box <= 7; ++box) {
            // A box holds the city on its second line.
            QString text = Control<QLabel>(window, QString("label(%1)").arg(box))->text();
            boxes << text.section(QRegularExpression("[\r\n]+"), -1);
        }
        QCOMPARE(boxes, Companion(app, {"forecast"}));
    }
};

QTEST_MAIN(ListsVsWindowsTest)
#include "lists_vs_windows_test.moc"
