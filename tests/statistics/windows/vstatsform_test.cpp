// The ratings view window: the season switch steers every ratings calculation, the four orders,
// the list's mouse rule, the sliding list and the print.
#include "statistics/windows/vstatsform.h"

#include <QDir>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "statistics/ratings_view.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

namespace {
QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }
QStringList Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << Latin1(l);
    return out;
}
}  // namespace

class VStatsformTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestApp> app;
    QPointer<VStatsform> window;

    template <class T>
    T* Control(const QString& name) {
        T* control = window->findChild<T*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }
    QListWidget* List() { return Control<QListWidget>("List1"); }
    QStringList Items() {
        QStringList items;
        for (int i = 0; i < List()->count(); ++i) items << List()->item(i)->text();
        return items;
    }
    QRadioButton* Option(int i) { return Control<QRadioButton>(QString("Option1(%1)").arg(i)); }
    void Press(const char* name) { QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton); }
    // On the round button itself: a radio button answers only to its indicator and caption.
    void Pick(int i) { QTest::mouseClick(Option(i), Qt::LeftButton, {}, QPoint(8, Option(i)->height() / 2)); }
    // The lines the logic gives for the same choice, on a copy of the league.
    QStringList Expected(RatingsOrder order, SeasonView view, RatingsRebuild cause) {
        NBA copy = app->nba;
        return Lines(BuildRatingsView(copy, order, view, cause));
    }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        window = new VStatsform(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
    }
    void cleanup() { app.reset(); }

    void opensOnTheCurrentSeasonByMargin() {
        QCOMPARE(window->windowTitle(), QString("Tavix Statistics  (Current Season)"));
        QCOMPARE(Control<QPushButton>("seasonbutton")->text(), QString("View Previous Season"));
        QVERIFY(Option(0)->isChecked());
        QCOMPARE(Option(0)->text(), QString("Scoring vs all Opponents"));
        QCOMPARE(Option(3)->text(), QString("Ave. Defense"));
        QCOMPARE(Items(), Expected(RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load));
        QCOMPARE(Items().first(), QString("           Tavix Statistics sorted by Scoring vs all Opponents"));
        QCOMPARE(app->ctx->seasonView, SeasonView::Current);
        QVERIFY(List()->font().fixedPitch());
        QCOMPARE(Control<QToolButton>("PrintButton")->toolTip(), QString("Print listing"));
        QCOMPARE(Control<QToolButton>("donebutton")->toolTip(), QString("Close Statistic window"));
    }

    void optionsReorder_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("heading");
        QTest::newRow("scoring") << 0 << "Scoring vs all Opponents";
        QTest::newRow("percentage") << 1 << "Won / Loss Percentage";
        QTest::newRow("offense") << 2 << "Average Offense";
        QTest::newRow("defense") << 3 << "Average Defense";
    }
    void optionsReorder() {
        QFETCH(int, index);
        QFETCH(QString, heading);
        for (bool previous : {false, true}) {
            if (previous) Press("seasonbutton");
            Pick(index);
            const SeasonView view = previous ? SeasonView::Previous : SeasonView::Current;
            QCOMPARE(Items(), Expected(static_cast<RatingsOrder>(index), view, RatingsRebuild::Option));
            QCOMPARE(Items().first(), "           Tavix Statistics sorted by " + heading);
        }
    }

    void defenseListsFewestPointsAllowedFirst() {
        Pick(3);
        int best = 1;
        for (int t = 2; t <= 29; ++t)
            if (app->nba.DefenseAve[t] < app->nba.DefenseAve[best]) best = t;
        QVERIFY2(Items()[5].startsWith(" " + Latin1(app->nba.TeamNames[best])), qPrintable(Items()[5]));
    }

    void seasonSwitchSteersTheRatings() {
        Pick(2);
        Press("seasonbutton");
        QCOMPARE(app->ctx->seasonView, SeasonView::Previous);
        QCOMPARE(window->windowTitle(), QString("Tavix Statistics  (Previous Season)"));
        QCOMPARE(Control<QPushButton>("seasonbutton")->text(), QString("View Current Season"));
        QVERIFY(Option(0)->isChecked());
        QCOMPARE(Items(),
                 Expected(RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::SeasonSwitch));
        // The previous season's records: 1997-98 had 82 games a club.
        for (int i = 5; i < Items().size(); ++i) {
            const QString line = Items()[i];
            QCOMPARE(line.mid(18, 2).trimmed().toInt() + line.mid(25, 2).trimmed().toInt(), 82);
        }
        Press("seasonbutton");
        QCOMPARE(app->ctx->seasonView, SeasonView::Current);
        QCOMPARE(window->windowTitle(), QString("Tavix Statistics  (Current Season)"));
        QCOMPARE(Items(), Expected(RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::SeasonSwitch));
        Press("seasonbutton");
        QCOMPARE(app->ctx->seasonView, SeasonView::Previous);
        Press("donebutton");
        QCOMPARE(app->ctx->seasonView, SeasonView::Current);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QTest::qWait(0);
    }

    void closingFromTheTitleBarAlsoRestoresTheCurrentSeason() {
        Press("seasonbutton");
        window->close();
        QCOMPARE(app->ctx->seasonView, SeasonView::Current);
        QCOMPARE(app->host.closed, 1);
    }

    // The list is for reading: it opens with no line framed as if picked.
    void opensWithNothingPicked() {
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(List()->currentRow(), -1);
        QVERIFY(List()->selectedItems().isEmpty());
        QCOMPARE(window->focusWidget(), Control<QWidget>("donebutton"));
    }

    void mouseDownLeavesNoSelection() {
        const QRect row = List()->visualItemRect(List()->item(7));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, row.center());
        QVERIFY(List()->selectedItems().isEmpty());
        QCOMPARE(window->focusWidget(), Control<QWidget>("donebutton"));
    }

    void scrollBarSlidesTheListKeepingItsRightEdge() {
        auto* bar = Control<QScrollBar>("HScroll1");
        const int right = List()->geometry().right();
        const int left = List()->geometry().left();
        bar->setMaximum(std::max(bar->maximum(), 600));
        bar->setValue(600);
        QVERIFY(List()->geometry().left() < left);
        QVERIFY(std::abs(List()->geometry().right() - right) <= 1);
    }

    void printSendsTheListWithItsOwnLayout() {
        Press("PrintButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Ready to send Statistics to the Printer."));
        QCOMPARE(app->dialogs.shown[0].title, std::string("Quandor"));
        QCOMPARE(app->printers.jobs.size(), size_t(1));
        const auto printed = app->printers.Last().Texts();
        QCOMPARE(int(printed.size()), 4 + Items().size() + 1 + 2);
        QCOMPARE(Latin1(printed[4]), "    " + Items()[0]);
        QCOMPARE(printed[9], std::string(" "));
        QCOMPARE(Latin1(printed[10]), "    " + Items()[5]);
        QCOMPARE(printed.back(), "    " + std::string(69, '_'));
    }

    void cancelledPrintPrintsNothing() {
        app->dialogs.answers = {Answer::Cancel};
        Press("PrintButton");
        QVERIFY(app->printers.jobs.empty());
    }

    void grabForLooking() {
        const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + "/vstatsform.png"));
        Press("seasonbutton");
        QVERIFY(window->grab().save(dir + "/vstatsform-previous.png"));
    }
};

QTEST_MAIN(VStatsformTest)
#include "vstatsform_test.moc"
