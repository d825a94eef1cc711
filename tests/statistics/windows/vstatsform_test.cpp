// The ratings view window: the season switch steers every ratings calculation, the four orders,
// the list's mouse rule, the sliding list and the print.
#include "statistics/windows/vstatsform.h"

#include <QDir>
#include <QLabel>
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
using tavix::testing::Latin1;
using tavix::testing::Lines;
using namespace tavix::testing;

class VStatsformTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QPointer<VStatsform> window;

    template <class T>
    T* Control(const QString& name) {
        return tavix::testing::Control<T>(window, name);
    }
    QListWidget* List() { return Control<QListWidget>("List1"); }
    QStringList Items() { return tavix::testing::Items(List()); }
    QRadioButton* Option(int i) { return Control<QRadioButton>(QString("Option1(%1)").arg(i)); }
    void Press(const char* name) { QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton); }
    // On the round button itself: a radio button answers only to its indicator and caption.
    void Pick(int i) { QTest::mouseClick(Option(i), Qt::LeftButton, {}, QPoint(8, Option(i)->height() / 2)); }
    // The lines the logic gives for the same choice.
    QStringList Expected(RatingsOrder order, SeasonView view, RatingsRebuild cause) {
        return Lines(BuildRatingsView(app->nba, order, view, cause));
    }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        window = app->Open<VStatsform>();
    }
    void cleanup() { app.reset(); }

    // A club in its first games is rated half on last season's averages: the note names it, so its
    // margin need not be the difference of the averages shown; the previous season has no such note.
    void blendedClubsNamed() {
        auto* note = Control<QLabel>("BlendNote");
        QVERIFY(!note->isVisible());  // every club has played its 50 games
        app->nba.Wins[2] = 5;
        app->nba.Losses[2] = 6;  // 11 games: still blended
        app->nba.Wins[3] = 6;    // 12 games: no longer
        app->nba.Losses[3] = 6;
        Pick(1);
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().endsWith(": Heat."), qPrintable(note->text()));
        Press("seasonbutton");
        QVERIFY(!note->isVisible());
    }

    void opensOnTheCurrentSeasonByMargin() {
        QCOMPARE(window->windowTitle(), QString("Team Ratings, Current Season - Tavix"));
        QVERIFY(Option(0)->isChecked());
        QCOMPARE(Items(), Expected(RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load));
        QVERIFY(List()->font().fixedPitch());
        // The list is for reading: nothing framed as if picked, not even after a click.
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(List()->currentRow(), -1);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(List()->item(7)).center());
        QVERIFY(List()->selectedItems().isEmpty());
        QCOMPARE(window->focusWidget(), Control<QWidget>("donebutton"));
        QDir().mkpath(TAVIX_BINARY_DIR "/grabs");
        QVERIFY(window->grab().save(TAVIX_BINARY_DIR "/grabs/vstatsform.png"));
    }

    void optionsReorderInBothSeasons() {
        for (bool previous : {false, true}) {
            if (previous) Press("seasonbutton");
            for (int index : {1, 2, 3, 0}) {
                Pick(index);
                const SeasonView view = previous ? SeasonView::Previous : SeasonView::Current;
                QCOMPARE(Items(), Expected(static_cast<RatingsOrder>(index), view, RatingsRebuild::Option));
            }
        }
    }

    void seasonSwitchSteersTheRatings() {
        Pick(2);
        Press("seasonbutton");
        QCOMPARE(app->ctx->seasonView, SeasonView::Previous);
        QCOMPARE(window->windowTitle(), QString("Team Ratings, Previous Season - Tavix"));
        QVERIFY(Option(0)->isChecked());
        QCOMPARE(Items(),
                 Expected(RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::SeasonSwitch));
        // The previous season's records: 1997-98 had 82 games a club.
        for (int i = 5; i < Items().size(); ++i) {
            const QString line = Items()[i];
            QCOMPARE(line.mid(18, 2).trimmed().toInt() + line.mid(25, 2).trimmed().toInt(), 82);
        }
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

    void scrollBarSlidesTheListKeepingItsRightEdge() {
        auto* bar = Control<QScrollBar>("HScroll1");
        const int right = List()->geometry().right();
        const int left = List()->geometry().left();
        bar->setMaximum(std::max(bar->maximum(), 600));
        bar->setValue(600);
        QVERIFY(List()->geometry().left() < left);
        QVERIFY(std::abs(List()->geometry().right() - right) <= 1);
    }

    void printSendsTheList() {
        app->dialogs.answers = {Answer::Cancel, Answer::Ok};
        Press("PrintButton");
        QVERIFY(app->printers.jobs.empty());
        Press("PrintButton");
        QCOMPARE(app->dialogs.shown[1].text, std::string("Ready to send Statistics to the Printer."));
        const auto printed = app->printers.Last().Texts();
        QCOMPARE(int(printed.size()), 4 + Items().size() + 1 + 2);
        QCOMPARE(Latin1(printed[10]), "    " + Items()[5]);
    }
};

QTEST_MAIN(VStatsformTest)
#include "vstatsform_test.moc"
