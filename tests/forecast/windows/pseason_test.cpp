// The play-off forecast window: the bracket on the supplied season data against the published
// standings, and how the bracket is drawn, helps and closes.
#include "forecast/windows/pseason.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "platform/twips.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class PseasonTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    Pseason* window = nullptr;

    template <class T = QWidget>
    T* Control(const QString& name, int i) {
        return tavix::testing::Control<T>(window, QString("%1(%2)").arg(name).arg(i));
    }
    QRect Box(int i) { return Control(QStringLiteral("label"), i)->geometry(); }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        window = new Pseason(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
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

    // Each frame surrounds its box, and every connector ends on a box edge or another connector,
    // so the bracket reads as joined up to the winners' boxes 5, 6 and 7.
    void framesAndConnectorsJoinTheBracket() {
        const int framed[7] = {2, 1, 3, 4, 5, 6, 7};  // frames 0..6
        for (int i = 0; i < 7; ++i) QVERIFY(Control("Shape1", i)->geometry().contains(Box(framed[i])));
        QList<QRect> lines;
        for (int i = 0; i < 9; ++i) lines << Control("Line1", i)->geometry();
        for (int i = 0; i < 3; ++i) lines << Control("Line2", i)->geometry();
        auto touches = [&](QPoint end, const QRect& self) {
            const QRect near(end - QPoint(2, 2), QSize(5, 5));
            for (int b = 1; b <= 7; ++b)
                if (Box(b).adjusted(-Twips(15), -Twips(15), Twips(15), Twips(15)).intersects(near))
                    return true;
            for (const QRect& other : lines)
                if (other != self && other.intersects(near)) return true;
            return false;
        };
        for (const QRect& l : lines) {
            const bool across = l.width() > l.height();
            QVERIFY(touches(across ? QPoint(l.left(), l.center().y()) : QPoint(l.center().x(), l.top()), l));
            QVERIFY(
                touches(across ? QPoint(l.right(), l.center().y()) : QPoint(l.center().x(), l.bottom()), l));
        }
        for (int box : {5, 6, 7}) {
            const QRect edge(Box(box).left() - Twips(20), Box(box).top(), Twips(25), Box(box).height());
            QVERIFY2(
                std::any_of(lines.begin(), lines.end(), [&](const QRect& l) { return l.intersects(edge); }),
                qPrintable(QString("box %1").arg(box)));
        }
        QDir().mkpath(TAVIX_BINARY_DIR "/grabs");
        QVERIFY(window->grab().save(TAVIX_BINARY_DIR "/grabs/pseason.png"));
    }

    void infoHelpsAndDoneCloses() {
        QCOMPARE(window->windowTitle(), QString("Tavix Play-Off Projections"));
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
