// The play-off forecast window: the bracket on the supplied season data against the published
// standings, the odds beside it and their chart, how they read, help and close.
#include "forecast/windows/pseason.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "forecast/odds_view.h"
#include "forecast/windows/odds_chart.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class PseasonTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    Pseason* window = nullptr;

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        window = app->Open<Pseason>();
    }
    void cleanup() { app.reset(); }

    // Both seasons of the supplied data give the bracket of the published standings (each
    // division's best scoring margin per game), last season's while the ratings window shows it
    // (the Lakers' city is "L. A."); each city stands on the second line of its box.
    void bracketOnTheSuppliedSeasonMatchesTheStandings() {
        const std::pair<SeasonView, QStringList> seasons[] = {
            {SeasonView::Current,
             {"Miami", "Indiana", "San Antonio", "Portland", "Miami", "San Antonio", "San Antonio"}},
            {SeasonView::Previous, {"Chicago", "Miami", "L. A.", "Utah", "Chicago", "L. A.", "L. A."}}};
        for (const auto& [view, cities] : seasons) {
            app->ctx->seasonView = view;
            Pseason forecast(*app->ctx);
            QStringList shown;
            for (int i = 1; i <= 7; ++i)
                shown << forecast.findChild<QLabel*>(QString("label(%1)").arg(i))->text();
            QCOMPARE(shown.join(""), "\n" + cities.join("\n"));
        }
    }

    // Text reads at 4.5:1 or better on its ground, in the light palette and in a dark one: the
    // captions keep their blue and red, the boxes take the palette's text on its base.
    void textReadsInLightAndDarkPalettes() {
        auto luminance = [](const QColor& c) {
            auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        auto contrast = [&](const QColor& a, const QColor& b) {
            return (std::max(luminance(a), luminance(b)) + 0.05) /
                   (std::min(luminance(a), luminance(b)) + 0.05);
        };
        QPalette dark(QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        const QPalette light = QApplication::palette();
        for (const QPalette& pal : {light, dark}) {
            QApplication::setPalette(pal);
            Pseason forecast(*app->ctx);
            const QColor ground = forecast.palette().color(QPalette::Window);
            const char hues[4] = {'b', 'b', 'r', 'r'};
            for (int i = 0; i < 4; ++i) {
                auto* caption = forecast.findChild<QLabel*>(QString("Label1(%1)").arg(i));
                const QColor c = caption->palette().color(caption->foregroundRole());
                QVERIFY2(contrast(c, ground) >= 4.5, qPrintable(caption->text()));
                const int own = hues[i] == 'b' ? c.blue() : c.red();  // still blue or red
                QVERIFY2(own > c.green() && own > (hues[i] == 'b' ? c.red() : c.blue()),
                         qPrintable(caption->text()));
            }
            auto* box = forecast.findChild<QLabel*>("label(1)");
            QVERIFY(contrast(box->palette().color(box->foregroundRole()),
                             box->palette().color(box->backgroundRole())) >= 4.5);
            QVERIFY(contrast(forecast.palette().color(QPalette::WindowText), ground) >= 3);  // lines, frames
        }
        QApplication::setPalette(light);
    }

    // The odds come from the background at the count asked for, as the logic works them out, and
    // print; a second opening on the same figures shows them at once; work that takes longer than
    // a blink shows its progress and can be cancelled.
    void oddsInTheBackgroundKeptAndCancelled() {
        auto finish = [&](Pseason* w) {
            QTRY_VERIFY_WITH_TIMEOUT(!w->RunningJob() || w->RunningJob()->Finished(), 60000);
            app->timers.Advance(50);
        };
        Pseason::simulations = 500;
        auto* w = app->Open<Pseason>();
        QVERIFY(w->RunningJob());
        finish(w);
        const NBA& nba = app->nba;
        const SeasonOdds odds =
            SimulateSeasonOdds(StandingOnEvening(nba, SeasonGamesOf(nba), OddsEvening(nba)), 500, kOddsSeed);
        QCOMPARE(Items(w->OddsList), Lines(OddsLines(nba, odds)));
        QTest::mouseClick(w->findChild<QToolButton*>("PrintButton"), Qt::LeftButton);
        QCOMPARE(app->printers.Last().lines.size(), size_t(3 + 30 + 2));
        w->OddsTabs->setCurrentIndex(1);
        finish(w);
        QCOMPARE(w->Chart->Points(), ChartDays(SeasonGamesOf(nba), OddsEvening(nba)).size());
        w->ChartTeam->setFocus();
        QTest::keyClick(w->ChartTeam, Qt::Key_Down);
        QCOMPARE(w->Chart->Team(), w->ChartTeam->currentIndex() + 1);
        QVERIFY(w->Chart->accessibleDescription().contains(w->ChartTeam->currentText()));
        w->close();
        auto* again = app->Open<Pseason>();
        QVERIFY(!again->RunningJob() && Items(again->OddsList) == Lines(OddsLines(nba, odds)));
        again->close();
        app->nba.OffenseAve[3] += 0.1;  // changed statistics are worked out afresh
        auto* changed = app->Open<Pseason>();
        QVERIFY(changed->RunningJob());
        changed->close();

        Pseason::simulations = 50000000;
        auto* slow = app->Open<Pseason>();
        app->timers.Advance(150);
        QVERIFY(slow->OddsProgress->isHidden());
        app->timers.Advance(100);
        QVERIFY(!slow->OddsProgress->isHidden() && !slow->CancelButton->isHidden());
        QTest::mouseClick(slow->CancelButton, Qt::LeftButton);
        finish(slow);
        QVERIFY(slow->OddsProgress->isHidden() && Items(slow->OddsList).join("").contains("cancelled"));
        Pseason::simulations = kOddsSimulations;
    }

    // Nothing in the window is read as a bare "Line", an unnamed frame or a name starting with a
    // line break; the bracket gives its boxes as text.
    void screenReadersHearWhatIsShown() {
        for (QWidget* child : window->findChildren<QWidget*>()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
            if (!a || child->isHidden()) continue;
            const QString name = a->text(QAccessible::Name);
            QVERIFY2(name != "Line" && !name.startsWith('\n'), qPrintable(child->objectName()));
            QVERIFY2(a->role() != QAccessible::Border && a->role() != QAccessible::Separator,
                     qPrintable(child->objectName()));
        }
        QVERIFY(Control<QWidget>(window, "Bracket")
                    ->accessibleDescription()
                    .contains("World Champion favorite: "));
        QDir().mkpath(TAVIX_BINARY_DIR "/grabs");
        QVERIFY(window->grab().save(TAVIX_BINARY_DIR "/grabs/pseason.png"));
    }

    void infoHelpsAndDoneCloses() {
        QCOMPARE(window->windowTitle(), QString("Play-Off Forecast - Tavix"));
        QVERIFY(!app->host.MainWindow()->isEnabled());
        QTest::mouseClick(window->findChild<QToolButton*>("InfoButton"), Qt::LeftButton);
        QCOMPARE(app->help.topics, std::vector<std::string>{"Project season outcome"});
        QTest::mouseClick(window->findChild<QToolButton*>("DoneButton"), Qt::LeftButton);
        QVERIFY(app->host.closed == 1 && app->host.MainWindow()->isEnabled());
    }
    void titleBarCloseActsAsDone() {
        window->close();
        QVERIFY(app->host.closed == 1 && app->host.MainWindow()->isEnabled());
    }
};

QTEST_MAIN(PseasonTest)
#include "pseason_test.moc"
