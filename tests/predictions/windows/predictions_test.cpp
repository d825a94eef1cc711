// The single game predictions window: choosing teams by clicking labels, the list it keeps, and
// its print, help and close commands, on the supplied league data.
#include "predictions/windows/predictions.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "platform/twips.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/single_game.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

namespace {

QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }

// The prediction line the window should show, worked out on a copy of the league data.
std::string ExpectedLine(const NBA& league, int road, int home, bool neutral) {
    NBA copy = league;
    ComputeRatings(copy, SeasonView::Current);
    return FormatPredictionLine(copy, road, home, neutral, TotalPrecision::Single);
}

}  // namespace

class PredictionsWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestApp> app;
    QPointer<predictions> window;

    template <class T>
    T* Control(const char* name) {
        T* control = window->findChild<T*>(name);
        if (!control) qFatal("no control %s", name);
        return control;
    }
    QLabel* Label(int team) {
        return Control<QLabel>(QString("Clabel(%1)").arg(team).toLatin1().constData());
    }
    void Click(int team) { QTest::mouseClick(Label(team), Qt::LeftButton); }
    bool Red(int team) {
        return Label(team)->palette().color(QPalette::WindowText) == predictions::ChosenColour();
    }
    QStringList ListItems() {
        QStringList items;
        auto* list = Control<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        window = new predictions(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
    }
    void cleanup() {
        app.reset();  // the host deletes the window
    }

    void opensWithHeadingLabelsAndDate() {
        QCOMPARE(window->windowTitle(), QString("Tavix Predictions"));
        QCOMPARE(ListItems(), QStringList({Latin1(PredictionsLoadHeading()), QString(82, '-')}));
        QVERIFY(!Control<QFrame>("gamebox")->isEnabled());
        QCOMPARE(Control<QLabel>("GameLabel")->text(), QString());
        const NBA& nba = app->nba;
        QCOMPARE(Control<QLabel>("DateLabel")->text(), QString("Statistics were updated on %1/%2/%3")
                                                           .arg(nba.UpdateMonth)
                                                           .arg(nba.UpdateDay)
                                                           .arg(nba.UpdateYear));
        for (int t = 1; t <= 29; ++t) {
            QVERIFY(!Red(t));
            QCOMPARE(Label(t)->palette().color(QPalette::Window), QColor(Qt::white));
            if (nba.TeamNames[t] == "Timberwolves")
                QCOMPARE(Label(t)->text(), Latin1(nba.CityNames[t] + " Twolves"));
            else
                QCOMPARE(Label(t)->text(), Latin1(FullName(nba, t)));
        }
        QCOMPARE(Control<QGroupBox>("Frame1")->title(), QString("Eastern Conference"));
        QCOMPARE(Control<QGroupBox>("Frame2")->title(), QString("Western Conference"));
        QCOMPARE(Control<QLabel>("Label4")->text(), QString("Pacific Division"));
        QVERIFY(Label(7)->parent() == Control<QGroupBox>("Frame1"));
        QVERIFY(Label(16)->parent() == Control<QGroupBox>("Frame2"));
        QVERIFY(!app->host.MainWindow()->isEnabled());
    }

    void predictWithoutAGameOnlyBeeps() {
        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        QCOMPARE(app->dialogs.beeps, 1);
        QCOMPARE(ListItems().size(), 2);
        Click(1);
        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        QCOMPARE(app->dialogs.beeps, 2);
        QCOMPARE(ListItems().size(), 2);
    }

    void clickSequences_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("red");
        QTest::addColumn<int>("road");  // 0: no game caption
        QTest::addColumn<int>("home");  // 0: the caption ends in " at "
        QTest::addColumn<bool>("ready");
        QTest::newRow("A") << QList<int>{1} << QList<int>{1} << 1 << 0 << false;
        QTest::newRow("A,A") << QList<int>{1, 1} << QList<int>{} << 0 << 0 << false;
        QTest::newRow("A,B") << QList<int>{1, 4} << QList<int>{1, 4} << 1 << 4 << true;
        QTest::newRow("A,B,A") << QList<int>{1, 4, 1} << QList<int>{4} << 4 << 0 << false;
        QTest::newRow("A,B,B") << QList<int>{1, 4, 4} << QList<int>{1} << 1 << 0 << false;
        QTest::newRow("A,B,C ignored") << QList<int>{1, 4, 10} << QList<int>{1, 4} << 1 << 4 << true;
        QTest::newRow("A,B,A,C") << QList<int>{1, 4, 1, 10} << QList<int>{4, 10} << 4 << 10 << true;
        // The label says "Twolves"; the game caption keeps the full nickname.
        QTest::newRow("Minnesota") << QList<int>{19, 1} << QList<int>{1, 19} << 19 << 1 << true;
    }
    void clickSequences() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, red);
        QFETCH(int, road);
        QFETCH(int, home);
        QFETCH(bool, ready);
        for (int t : clicks) Click(t);
        for (int t = 1; t <= 29; ++t) QCOMPARE(Red(t), red.contains(t));
        QCOMPARE(Control<QFrame>("gamebox")->isEnabled(), ready);
        QCOMPARE(Control<QPushButton>("Reversebutton")->isEnabled(), ready);
        QString caption;
        if (road) caption = Latin1(FullName(app->nba, road)) + " at ";
        if (home) caption += Latin1(FullName(app->nba, home));
        QCOMPARE(Control<QLabel>("GameLabel")->text(), caption);
        QCOMPARE(window->Session().TeamsChosen(), red.size());
    }

    void reverseAndNeutralSite() {
        Click(1);
        Click(4);
        QTest::mouseClick(Control<QPushButton>("Reversebutton"), Qt::LeftButton);
        QCOMPARE(Control<QLabel>("GameLabel")->text(),
                 Latin1(FullName(app->nba, 4) + " at " + FullName(app->nba, 1)));
        auto* neutral = Control<QCheckBox>("Neutralcheck");
        neutral->setChecked(true);
        QVERIFY(Control<QLabel>("GameLabel")->text().contains(" at "));
        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        QVERIFY(!neutral->isChecked());
        QVERIFY(!Red(1) && !Red(4));
        QCOMPARE(Control<QLabel>("GameLabel")->text(), QString());
        const QStringList items = ListItems();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[2], QString(" "));
        QCOMPARE(items[3], Latin1(ExpectedLine(app->nba, 4, 1, true)));
        QCOMPARE(items[3].mid(24, 4), QString(" vs "));

        // The next game gets the home edge again.
        Click(1);
        Click(4);
        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        QCOMPARE(ListItems().last(), Latin1(ExpectedLine(app->nba, 1, 4, false)));
    }

    void clearWhileTwoAreChosen() {
        Click(1);
        Click(4);
        app->dialogs.answers = {Answer::Yes};
        QTest::mouseClick(Control<QToolButton>("ClearButton"), Qt::LeftButton);
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Is it Ok to Clear Prediction list?"));
        QCOMPARE(app->dialogs.shown[0].title, std::string("Tavix Schedule"));
        QVERIFY(app->dialogs.shown[0].buttons == Buttons::YesNo);
        QVERIFY(app->dialogs.shown[0].icon == Icon::None);
        QCOMPARE(ListItems(), QStringList({Latin1(PredictionsClearHeading()), QString(75, '-')}));
        QVERIFY(Red(1) && Red(4));
        QVERIFY(Control<QFrame>("gamebox")->isEnabled());
        QCOMPARE(Control<QLabel>("GameLabel")->text(), QString());

        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        QCOMPARE(ListItems().size(), 4);
        QCOMPARE(ListItems()[3], Latin1(ExpectedLine(app->nba, 1, 4, false)));
    }

    void clearAnsweredNoKeepsTheList() {
        Click(1);
        Click(4);
        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        const QStringList before = ListItems();
        app->dialogs.answers = {Answer::No};
        QTest::mouseClick(Control<QToolButton>("ClearButton"), Qt::LeftButton);
        QCOMPARE(ListItems(), before);
        // A list of heading and rule alone still asks.
        app->dialogs.answers = {Answer::Yes, Answer::Yes};
        QTest::mouseClick(Control<QToolButton>("ClearButton"), Qt::LeftButton);
        QTest::mouseClick(Control<QToolButton>("ClearButton"), Qt::LeftButton);
        QCOMPARE(app->dialogs.shown.size(), size_t(3));
    }

    void removeSparesHeadingRuleAndFirstBlank() {
        for (int home : {4, 10}) {
            Click(1);
            Click(home);
            QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        }
        auto* list = Control<QListWidget>("List1");
        QCOMPARE(list->count(), 6);
        auto* remove = Control<QPushButton>("RemoveButton");
        QTest::mouseClick(remove, Qt::LeftButton);  // nothing selected
        QCOMPARE(list->count(), 6);
        for (int row : {0, 1, 2}) {
            list->setCurrentRow(row);
            QTest::mouseClick(remove, Qt::LeftButton);
            QCOMPARE(list->count(), 6);
        }
        list->setCurrentRow(3);
        QTest::mouseClick(remove, Qt::LeftButton);
        const QStringList items = ListItems();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items[3], QString(" "));
        QCOMPARE(items[4], Latin1(ExpectedLine(app->nba, 1, 10, false)));
    }

    void printSendsTheWholeList() {
        Click(2);
        Click(25);
        QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        Control<QListWidget>("List1")->setCurrentRow(3);  // a selection does not limit this print
        app->dialogs.answers = {Answer::Ok};
        QTest::mouseClick(Control<QToolButton>("PrintButton"), Qt::LeftButton);
        QCOMPARE(app->dialogs.shown.back().text, std::string("Ready to send Predictions to the Printer."));
        QCOMPARE(app->dialogs.shown.back().title, std::string("Tavix"));
        QCOMPARE(app->printers.jobs.size(), size_t(1));
        const RecordingPrinter& printer = app->printers.Last();
        const std::vector<std::string> expected = {
            " ",
            " ",
            "         Tavix Predictions      03-14-1999",
            " ",
            "       " + PredictionsLoadHeading(),
            "       " + PredictionsLoadRule(),
            "        ",
            "       " + ExpectedLine(app->nba, 2, 25, false),
        };
        QCOMPARE(printer.Texts(), expected);
        QCOMPARE(printer.lines[0].size, 18.0);
        QCOMPARE(printer.lines[4].size, 10.0);
        QCOMPARE(printer.lines[4].font, app->nba.PrinterFontName);
        QVERIFY(app->host.waits >= 1);

        app->dialogs.answers = {Answer::Cancel};
        QTest::mouseClick(Control<QToolButton>("PrintButton"), Qt::LeftButton);
        QCOMPARE(app->printers.jobs.size(), size_t(1));
    }

    void scrollSlidesAndWidensTheList() {
        auto* scroll = Control<QScrollBar>("HScroll1");
        auto* list = Control<QListWidget>("List1");
        QCOMPARE(list->geometry(), QRect(0, 0, Twips(4875), list->height()));
        QVERIFY(scroll->maximum() > 2000);
        scroll->setValue(scroll->maximum());
        QCOMPARE(list->x(), -Twips(scroll->maximum()));
        QCOMPARE(list->width(), Twips(scroll->maximum() + 4875));
        // At the far end the last column of the longest line is inside the visible part.
        const int lastColumn = list->fontMetrics().horizontalAdvance(QString(82, '-'));
        QVERIFY(list->x() + list->frameWidth() + lastColumn <= Twips(4875));
        QString path = QString(TAVIX_BINARY_DIR) + "/predictions-window-scrolled.png";
        QVERIFY(window->grab().save(path));
    }

    void helpAndDone() {
        QTest::mouseClick(Control<QToolButton>("InfoButton"), Qt::LeftButton);
        QCOMPARE(app->help.topics, std::vector<std::string>{"Predictions, Handicapping"});
        QCOMPARE(Control<QToolButton>("DoneButton")->toolTip(), QString("Close Predictions"));
        QTest::mouseClick(Control<QToolButton>("DoneButton"), Qt::LeftButton);
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void grabWithGamesPredicted() {
        for (auto [road, home] : {std::pair{1, 4}, std::pair{19, 25}, std::pair{27, 21}}) {
            Click(road);
            Click(home);
            QTest::mouseClick(Control<QPushButton>("PredictButton"), Qt::LeftButton);
        }
        Click(10);
        Click(8);
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/predictions-window.png"));
        auto* scroll = Control<QScrollBar>("HScroll1");
        scroll->setValue(scroll->maximum());
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/predictions-window-right.png"));
    }
};

QTEST_MAIN(PredictionsWindowTest)
#include "predictions_test.moc"
