// The single game predictions window: choosing teams by mouse and keyboard, the neutral-site tick,
// the list it keeps with the newest answer in view, and its print, help and close commands, on the
// supplied league data.
#include "predictions/windows/predictions.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/single_game.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using tavix::testing::Latin1;
using namespace tavix::testing;

namespace {

// The prediction line the window should show.
std::string ExpectedLine(const NBA& league, int road, int home, bool neutral) {
    return FormatPredictionLine(league, ComputeRatings(league, SeasonView::Current), road, home, neutral,
                                TotalPrecision::Single);
}

}  // namespace

class PredictionsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QPointer<predictions> window;

    template <class T>
    T* Control(const QString& name) {
        return tavix::testing::Control<T>(window, name);
    }
    QLabel* Label(int team) { return Control<QLabel>(QString("Clabel(%1)").arg(team)); }
    void Press(const char* name) { QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton); }
    void Predict(int road, int home) {
        Click(road);
        Click(home);
        Press("PredictButton");
    }
    void Click(int team) { QTest::mouseClick(Label(team), Qt::LeftButton); }
    // A double click as the window system delivers it: press, release, press, double click, release.
    void DoubleClick(QWidget* w) {
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseDClick(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
    // Chosen shows in more than colour: red, bold, and a checked toggle to a screen reader. A team
    // shown one way and not another is neither chosen nor unchosen.
    enum Shown { Unchosen, Chosen, Mixed };
    Shown Showing(int team) {
        QLabel* label = Label(team);
        const bool bold = label->font().bold();
        const bool checked = QAccessible::queryAccessibleInterface(label)->state().checked;
        const bool red = label->palette().color(QPalette::Text) ==
                         predictions::ChosenColour(label->palette().color(QPalette::Base));
        if (bold != checked || bold != red) return Mixed;
        return bold ? Chosen : Unchosen;
    }
    bool Red(int team) { return Showing(team) == Chosen; }
    bool NotRed(int team) { return Showing(team) == Unchosen; }
    QStringList ListItems() { return tavix::testing::Items(Control<QListWidget>("List1")); }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        window = app->Open<predictions>();
    }
    void cleanup() {
        app.reset();  // the host deletes the window
    }

    void opensWithHeadingLabelsAndDate() {
        QCOMPARE(ListItems(), QStringList({Latin1(PredictionsLoadHeading()), QString(82, '-')}));
        QVERIFY(!Control<QFrame>("gamebox")->isEnabled());
        const NBA& nba = app->nba;
        QCOMPARE(Control<QLabel>("DateLabel")->text(), Latin1(UpdateDateCaption(nba)));
        for (int t = 1; t <= 29; ++t) {
            QVERIFY(NotRed(t));
            QCOMPARE(Label(t)->text(), Latin1(TeamLabelCaption(nba, t)));
        }
        QCOMPARE(Label(19)->text(), QString("Minnesota Twolves"));
        QVERIFY(Label(7)->parent() == Control<QGroupBox>("Frame1"));
        QVERIFY(Label(16)->parent() == Control<QGroupBox>("Frame2"));
        QVERIFY(!app->host.MainWindow()->isEnabled());
        Press("PredictButton");  // without a game it only beeps
        QCOMPARE(app->dialogs.beeps, 1);
        QCOMPARE(ListItems().size(), 2);
    }

    // The window shows what the session decides: red labels, the game box and the caption.
    void clickSequences_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("red");
        QTest::addColumn<QString>("caption");
        QTest::newRow("A") << QList<int>{1} << QList<int>{1} << "Boston Celtics at ";
        QTest::newRow("A,B,A") << QList<int>{1, 4, 1} << QList<int>{4} << "New York Knicks at ";
        // The label says "Twolves"; the game caption keeps the full nickname.
        QTest::newRow("Minnesota") << QList<int>{19, 1} << QList<int>{1, 19}
                                   << "Minnesota Timberwolves at Boston Celtics";
    }
    void clickSequences() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, red);
        QFETCH(QString, caption);
        for (int t : clicks) Click(t);
        for (int t = 1; t <= 29; ++t) QCOMPARE(Showing(t), red.contains(t) ? Chosen : Unchosen);
        QCOMPARE(Control<QFrame>("gamebox")->isEnabled(), red.size() == 2);
        QCOMPARE(Control<QPushButton>("Reversebutton")->isEnabled(), red.size() == 2);
        QCOMPARE(Control<QLabel>("GameLabel")->text(), caption);
    }

    // Each way of choosing a team counts once: a click, a double click, or Space or Enter on the
    // label the keyboard is on.
    void oneChoicePerGesture_data() {
        QTest::addColumn<QString>("gesture");
        for (const char* g : {"click", "double click", "Space", "Enter"}) QTest::newRow(g) << QString(g);
    }
    void oneChoicePerGesture() {
        QFETCH(QString, gesture);
        auto choose = [&](int team) {
            QLabel* label = Label(team);
            if (gesture == "click") Click(team);
            if (gesture == "double click") DoubleClick(label);
            if (gesture.startsWith("Space") || gesture == "Enter") {
                label->setFocus();
                QVERIFY(label->hasFocus() || !window->isActiveWindow());
                QTest::keyClick(label, gesture == "Enter" ? Qt::Key_Return : Qt::Key_Space);
            }
        };
        QCOMPARE(Label(1)->focusPolicy(), Qt::TabFocus);
        choose(1);
        QVERIFY(Red(1));
        QCOMPARE(window->Session().TeamsChosen(), 1);
        choose(4);
        QVERIFY(Red(1) && Red(4));
        QCOMPARE(Control<QLabel>("GameLabel")->text(), QString("Boston Celtics at New York Knicks"));
        QVERIFY(Control<QFrame>("gamebox")->isEnabled());
    }

    // The neutral-site tick belongs to the game until Predict: Reverse and team clicks keep it.
    void neutralTickLastsUntilPredict_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("road");
        QTest::addColumn<int>("home");
        QTest::newRow("Reverse") << QStringList{"Reverse"} << 4 << 1;
        QTest::newRow("Reverse twice") << QStringList{"Reverse", "Reverse"} << 1 << 4;
        QTest::newRow("a third team") << QStringList{"10"} << 1 << 4;
        QTest::newRow("home team changed") << QStringList{"4", "7"} << 1 << 7;
        QTest::newRow("third team, then Reverse") << QStringList{"10", "Reverse"} << 4 << 1;
    }
    void neutralTickLastsUntilPredict() {
        QFETCH(QStringList, steps);
        QFETCH(int, road);
        QFETCH(int, home);
        Click(1);
        Click(4);
        auto* neutral = Control<QCheckBox>("Neutralcheck");
        QTest::mouseClick(neutral, Qt::LeftButton);
        QVERIFY(neutral->isChecked());
        for (const QString& step : steps) {
            if (step == "Reverse")
                Press("Reversebutton");
            else
                Click(step.toInt());
            QVERIFY2(neutral->isChecked(), qPrintable(step));
        }
        Press("PredictButton");
        QCOMPARE(ListItems().last(), Latin1(ExpectedLine(app->nba, road, home, true)));
        QVERIFY(!neutral->isChecked());  // Predict clears it
        Predict(1, 4);
        QCOMPARE(ListItems().last(), Latin1(ExpectedLine(app->nba, 1, 4, false)));
    }

    void reverseNeutralSiteRemoveAndPrint() {
        Click(1);
        Click(4);
        Press("Reversebutton");
        QCOMPARE(Control<QLabel>("GameLabel")->text(), QString("New York Knicks at Boston Celtics"));
        auto* neutral = Control<QCheckBox>("Neutralcheck");
        neutral->setChecked(true);
        Press("PredictButton");
        QVERIFY(!neutral->isChecked());
        QVERIFY(NotRed(1) && NotRed(4));
        QCOMPARE(Control<QLabel>("GameLabel")->text(), QString());
        Predict(1, 10);  // the next game gets the home edge again
        QCOMPARE(ListItems().mid(2), QStringList({" ", Latin1(ExpectedLine(app->nba, 4, 1, true)), " ",
                                                  Latin1(ExpectedLine(app->nba, 1, 10, false))}));
        // Remove spares heading, rule and first blank.
        auto* list = Control<QListWidget>("List1");
        for (int row : {0, 2, 3}) {
            list->setCurrentRow(row);
            Press("RemoveButton");
        }
        QCOMPARE(ListItems().mid(2), QStringList({" ", " ", Latin1(ExpectedLine(app->nba, 1, 10, false))}));

        list->setCurrentRow(3);  // a selection does not limit this print
        app->dialogs.answers = {Answer::Ok};
        Press("PrintButton");
        QCOMPARE(app->dialogs.shown.back().text, std::string("Ready to send Predictions to the Printer."));
        const RecordingPrinter& printer = app->printers.Last();
        QCOMPARE(printer.Texts().size(), size_t(4 + 5));
        QCOMPARE(printer.Texts()[2], std::string("         Tavix Predictions      03-14-1999"));
        QCOMPARE(printer.Texts().back(), "       " + ExpectedLine(app->nba, 1, 10, false));
        QCOMPARE(printer.lines[4].font, app->nba.PrinterFontName);
        QVERIFY(app->host.waits >= 1);
    }

    // Clear asks first, even with heading and rule alone; after a Yes the chosen pair stays red and
    // can still be predicted.
    void clearAsksAndKeepsTheChosenPair() {
        Click(1);
        Click(4);
        app->dialogs.answers = {Answer::No, Answer::Yes};
        Press("ClearButton");
        QCOMPARE(ListItems().size(), 2);
        QCOMPARE(ListItems()[0], Latin1(PredictionsLoadHeading()));
        Press("ClearButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(2));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Is it Ok to Clear Prediction list?"));
        QVERIFY(app->dialogs.shown[0].buttons == Buttons::YesNo);
        QCOMPARE(ListItems(), QStringList({Latin1(PredictionsClearHeading()), QString(75, '-')}));
        QVERIFY(Red(1) && Red(4));
        QVERIFY(Control<QFrame>("gamebox")->isEnabled());
        Press("PredictButton");
        QCOMPARE(ListItems().last(), Latin1(ExpectedLine(app->nba, 1, 4, false)));
    }

    // After Predict the newest line shows whole, teams to total, with its chance beside it and a
    // screen reader told of it, however many lines came before; a taller window makes a taller list.
    void newestLineWholeWithItsChance_data() {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("grow");  // pixels added to the window's width and height
        QTest::newRow("first game") << 1 << 0;
        QTest::newRow("list longer than the box") << 12 << 0;
        QTest::newRow("window grown") << 12 << 200;
    }
    void newestLineWholeWithItsChance() {
        QFETCH(int, games);
        QFETCH(int, grow);
        for (int g = 0; g < games; ++g) Predict(1 + g % 29, 1 + (g + 5) % 29);
        auto* list = Control<QListWidget>("List1");
        auto* chances = Control<QListWidget>("ChanceList");
        window->resize(1400, 600);  // room for a whole line however large the test screen's font
        QApplication::processEvents();
        const QSize listSize = list->size();
        window->resize(window->size() + QSize(grow, grow));
        QApplication::processEvents();
        // Taller with the window; no wider than its lines, so the chances stay beside them.
        QCOMPARE(list->height(), listSize.height() + grow);
        QCOMPARE(list->width(), listSize.width());
        QCOMPARE(chances->x(), list->geometry().right() + 1);
        QCOMPARE(chances->count(), list->count());
        QListWidgetItem* newest = list->item(list->count() - 1);
        const QRect row = list->visualItemRect(newest);
        const QRect viewport = list->viewport()->rect();
        QVERIFY(viewport.contains(row.topLeft()) && viewport.bottom() >= row.bottom());
        QVERIFY(row.x() >= 0 &&
                row.x() + list->fontMetrics().horizontalAdvance(newest->text()) < viewport.width());
        QListWidgetItem* chance = chances->item(chances->count() - 1);
        QCOMPARE(chances->visualItemRect(chance).y(), row.y());
        QVERIFY(chance->text().endsWith('%'));
        QVERIFY(list->accessibleDescription().contains(chance->text()));
        QVERIFY(window->grab().save(QString(TAVIX_BINARY_DIR) + "/predictions-window.png"));
    }

    void helpAndDone() {
        Press("InfoButton");
        QCOMPARE(app->help.topics, std::vector<std::string>{"Predictions, Handicapping"});
        Press("DoneButton");
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(PredictionsWindowTest)
#include "predictions_test.moc"
