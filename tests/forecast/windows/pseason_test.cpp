// The play-off forecast window: the bracket on the supplied season data against the published
// standings, the bracket's drawing, and how the window opens, helps and closes.
#include "forecast/windows/pseason.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <map>

#include "platform/twips.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

namespace {

QStringList CsvRows(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("cannot read %s", qPrintable(path));
    QStringList rows = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    rows.removeFirst();  // the heading
    return rows;
}

// The bracket worked out from a published standings table (points per game to one decimal):
// each division's best margin, the better leader of each conference, the better champion.
QStringList BracketFromStandings(const QString& standingsFile) {
    const QString sources = QString::fromStdString(SuppliedDataDir()) + "/sources/";
    std::map<QString, std::pair<QString, QString>> teams;  // name -> division, city
    for (const QString& row : CsvRows(sources + "teams-1998-99.csv")) {
        QStringList c = row.split(',');
        teams[c[0]] = {c[1], c[2]};
    }
    std::map<QString, std::pair<double, QString>> leader;  // division -> margin, city
    for (const QString& row : CsvRows(sources + standingsFile)) {
        QStringList c = row.split(',');
        const double margin = c[3].toDouble() - c[4].toDouble();
        auto [division, city] = teams.at(c[0]);
        if (!leader.count(division) || margin > leader[division].first) leader[division] = {margin, city};
    }
    auto better = [](const std::pair<double, QString>& a, const std::pair<double, QString>& b) {
        return a.first >= b.first ? a : b;
    };
    // Seed 1 is the conference's best team, whichever division it leads.
    auto seeds = [&](const QString& d1, const QString& d2) {
        auto a = leader[d1], b = leader[d2];
        return a.first >= b.first ? std::make_pair(a, b) : std::make_pair(b, a);
    };
    auto [east1, east2] = seeds("Atlantic", "Central");
    auto [west1, west2] = seeds("Midwest", "Pacific");
    auto eastChampion = better(east1, east2), westChampion = better(west1, west2);
    auto favourite = eastChampion.first > westChampion.first ? eastChampion : westChampion;
    return {east1.second,        east2.second,        west1.second,    west2.second,
            eastChampion.second, westChampion.second, favourite.second};
}

}  // namespace

class PseasonTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestApp> app;
    QPointer<Pseason> window;

    void Open() {
        window = new Pseason(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
    }
    template <class T>
    T* Control(const QString& name) {
        T* control = window->findChild<T*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLabel* Box(int i) { return Control<QLabel>(QString("label(%1)").arg(i)); }
    QStringList BoxCities() {
        QStringList cities;
        for (int i = 1; i <= 7; ++i) {
            const QString text = Box(i)->text();
            // A filled box has the city on its second line.
            if (!text.isEmpty() && !text.startsWith('\n')) qFatal("box %d: %s", i, qPrintable(text));
            cities << text.mid(1);
        }
        return cities;
    }

  private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void bracketOnTheSuppliedSeason_data() {
        QTest::addColumn<SeasonView>("view");
        QTest::addColumn<QString>("standings");
        QTest::addColumn<QStringList>("cities");
        QTest::newRow("1998-99") << SeasonView::Current << "standings-1998-99.csv"
                                 << QStringList{"Miami", "Indiana",     "San Antonio", "Portland",
                                                "Miami", "San Antonio", "San Antonio"};
        // Last season while the ratings window shows it; the Lakers' city is "L. A.", the
        // Clippers' "L.A.".
        QTest::newRow("1997-98") << SeasonView::Previous << "standings-1997-98.csv"
                                 << QStringList{"Chicago", "Miami", "L. A.", "Utah",
                                                "Chicago", "L. A.", "L. A."};
    }
    void bracketOnTheSuppliedSeason() {
        QFETCH(SeasonView, view);
        QFETCH(QString, standings);
        QFETCH(QStringList, cities);
        app->ctx->seasonView = view;
        Open();
        QCOMPARE(BoxCities(), cities);
        QCOMPARE(BoxCities(), BracketFromStandings(standings));
    }

    void divisionWithoutATeamAboveZeroLeavesItsBoxEmpty() {
        // Every Central team outscored by its opponents: the Atlantic leader goes on alone.
        for (int t = 8; t <= 15; ++t) {
            app->nba.OffenseAve[t] = 80;
            app->nba.DefenseAve[t] = 95;
        }
        Open();
        QCOMPARE(BoxCities(), (QStringList{"Miami", "", "San Antonio", "Portland", "Miami", "San Antonio",
                                           "San Antonio"}));
        QCOMPARE(Box(2)->text(), QString());
    }

    void conferenceWithoutATeamAboveZeroHasNoChampion() {
        for (int t = 16; t <= 29; ++t) app->nba.DefenseAve[t] = app->nba.OffenseAve[t];
        Open();
        QCOMPARE(BoxCities(), (QStringList{"Miami", "Indiana", "", "", "Miami", "", "Miami"}));
    }

    void opensWithItsCaptionAndClosesBackToTheMainWindow() {
        Open();
        QCOMPARE(window->windowTitle(), QString("Tavix Play-Off Projections"));
        QVERIFY(!app->host.MainWindow()->isEnabled());
        QCOMPARE(Control<QToolButton>("InfoButton")->toolTip(), QString("Help on season projections"));
        QCOMPARE(Control<QToolButton>("DoneButton")->toolTip(), QString("Close Forecast window"));
        QTest::mouseClick(Control<QToolButton>("InfoButton"), Qt::LeftButton);
        QCOMPARE(app->help.topics, std::vector<std::string>{"Project season outcome"});
        QTest::mouseClick(Control<QToolButton>("DoneButton"), Qt::LeftButton);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCOMPARE(app->host.closed, 1);
        QTRY_VERIFY(window.isNull());
    }

    void titleBarCloseActsAsDone() {
        Open();
        window->close();
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
    }

    void drawsTheBracketInTwips() {
        Open();
        QCOMPARE(window->size(), TwipsSize(8415, 4050));
        QCOMPARE(Box(1)->geometry(), TwipsRect(510, 330, 1605, 615));
        QCOMPARE(Box(7)->geometry(), TwipsRect(6120, 1680, 1605, 615));
        QCOMPARE(Control<QToolButton>("DoneButton")->geometry(), TwipsRect(7320, 3480, 975, 495));
        const QColor grey(192, 192, 192);
        for (int i = 1; i <= 7; ++i) {
            QCOMPARE(Box(i)->palette().color(QPalette::Window), grey);
            QVERIFY(Box(i)->alignment() & Qt::AlignHCenter);
        }
        QCOMPARE(window->palette().color(QPalette::Window), QColor(128, 128, 128));

        // Each frame surrounds its box: frames 0..6 belong to boxes 2, 1, 3, 4, 5, 6, 7.
        const int framed[7] = {2, 1, 3, 4, 5, 6, 7};
        for (int i = 0; i < 7; ++i) {
            QRect frame = Control<QWidget>(QString("Shape1(%1)").arg(i))->geometry();
            QVERIFY2(frame.contains(Box(framed[i])->geometry()), qPrintable(QString("Shape1(%1)").arg(i)));
            QVERIFY(frame.width() - Box(framed[i])->width() <= Twips(60));
        }

        const char* captions[4] = {"Eastern Conference Champion", "Western Conference Champion", "Tavix",
                                   "World Champion favorite"};
        for (int i = 0; i < 4; ++i) {
            auto* caption = Control<QLabel>(QString("Label1(%1)").arg(i));
            QCOMPARE(caption->text(), QString(captions[i]));
            QCOMPARE(caption->palette().color(QPalette::WindowText),
                     i < 2 ? QColor(Qt::blue) : QColor(Qt::red));
        }
    }

    // Every connector ends on a box edge or on another connector, so the bracket reads as joined.
    void connectorsJoinTheBoxesToTheirWinners() {
        Open();
        QList<QRect> lines;
        for (int i = 0; i < 9; ++i) lines << Control<QWidget>(QString("Line1(%1)").arg(i))->geometry();
        for (int i = 0; i < 3; ++i) lines << Control<QWidget>(QString("Line2(%1)").arg(i))->geometry();
        for (const QRect& l : lines) QCOMPARE(std::min(l.width(), l.height()), std::max(2, Twips(30)));

        auto touches = [&](QPoint end, const QRect& self) {
            const QRect near(end - QPoint(2, 2), QSize(5, 5));
            for (int b = 1; b <= 7; ++b)
                if (Box(b)
                        ->geometry()
                        .adjusted(-Twips(15), -Twips(15), Twips(15), Twips(15))
                        .intersects(near))
                    return true;
            for (const QRect& other : lines)
                if (other != self && other.intersects(near)) return true;
            return false;
        };
        for (const QRect& l : lines) {
            const bool horizontal = l.width() > l.height();
            QPoint a = horizontal ? QPoint(l.left(), l.center().y()) : QPoint(l.center().x(), l.top());
            QPoint b = horizontal ? QPoint(l.right(), l.center().y()) : QPoint(l.center().x(), l.bottom());
            QVERIFY2(
                touches(a, l) && touches(b, l),
                qPrintable(
                    QString("line at %1,%2 %3x%4").arg(l.x()).arg(l.y()).arg(l.width()).arg(l.height())));
        }
        // The winners' boxes are reached: box 5 from the East pair, 6 from the West, 7 from both.
        for (int box : {5, 6, 7}) {
            const QRect edge(Box(box)->geometry().left() - Twips(20), Box(box)->geometry().top(), Twips(25),
                             Box(box)->height());
            bool reached = false;
            for (const QRect& l : lines) reached = reached || l.intersects(edge);
            QVERIFY2(reached, qPrintable(QString("box %1").arg(box)));
        }
    }

    void grab() {
        Open();
        const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + "/pseason.png"));
    }
};

QTEST_MAIN(PseasonTest)
#include "pseason_test.moc"
