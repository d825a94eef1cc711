// The play-off forecast window: the bracket on the supplied season data against the published
// standings, and how the bracket is drawn, helps and closes.
#include "forecast/windows/pseason.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>

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

    // The blue and red captions must stay readable on the window's grey: a contrast ratio of at
    // least 3:1 (the measure of the Web Content Accessibility Guidelines) from the colours on screen.
    void captionsReadOnTheGrey() {
        auto luminance = [](const QColor& c) {
            auto channel = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const QColor grey = window->palette().color(QPalette::Window);
        QCOMPARE(grey, QColor(128, 128, 128));
        const char hues[4] = {'b', 'b', 'r', 'r'};
        for (int i = 0; i < 4; ++i) {
            auto* caption = Control<QLabel>("Label1", i);
            const QColor c = caption->palette().color(caption->foregroundRole());
            const double lighter = std::max(luminance(c), luminance(grey)) + 0.05;
            const double darker = std::min(luminance(c), luminance(grey)) + 0.05;
            QVERIFY2(lighter / darker >= 3.0,
                     qPrintable(QString("%1: %2").arg(caption->text()).arg(lighter / darker)));
            const int own = hues[i] == 'b' ? c.blue() : c.red();
            // Still blue or red: that channel carries the colour, the others at most half as much.
            QVERIFY2(own > 0 && own >= 2 * (c.red() + c.green() + c.blue() - own),
                     qPrintable(caption->text()));
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
