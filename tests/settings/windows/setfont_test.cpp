// The font chooser: the fonts listed in the font system's order, the current font marked and
// shown in itself, a click that changes the sample, and what done and the title bar keep.
#include "settings/windows/setfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class SetfontTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    QPointer<Setfont> window;

    void Open(const QString& current) {
        app = std::make_unique<TestApp>(false);
        app->nba.PrinterFontName = current.toStdString();
        window = app->Open<Setfont>();
    }
    QListWidget* List() { return window->findChild<QListWidget*>("List1"); }
    QLabel* Sample() { return window->findChild<QLabel*>("fontlabel"); }
    // Family names without the foundry the font system may add.
    static QString Plain(QString family) { return family.remove(QRegularExpression(" \\[[^\\]]*\\]$")); }
    void Click(const QString& name) {
        const auto found = List()->findItems(name, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        List()->scrollToItem(found.first());
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(found.first()).center());
    }
    void Press(const char* name) { QTest::mouseClick(window->findChild<QToolButton*>(name), Qt::LeftButton); }

  private slots:
    void cleanup() { app.reset(); }

    void listsEachFamilyOnceInTheOrderReported() {
        Open("Courier New");
        const QStringList items = tavix::testing::Items(List());
        QStringList expected;
        for (const QString& family : QFontDatabase::families())
            if (!expected.contains(Plain(family))) expected << Plain(family);
        QCOMPARE(items, expected);
        QVERIFY(items.contains("Nimbus Mono PS"));  // offered by two foundries here
        QCOMPARE(window->windowTitle(), QString("Printer Font - Tavix"));
        Press("Command1");
        QCOMPARE(app->help.topics, std::vector<std::string>{"Program Settings, Fonts"});
        QVERIFY(SaveGrab(window, "setfont"));
    }

    // The current font is marked, in view, and its sample drawn in it; a font the printer does not
    // offer is named with nothing marked.
    void marksTheCurrentFont() {
        for (const auto& [current, marked] :
             {std::pair{"Nimbus Mono PS", true}, {"Courier New", false}, {"", false}}) {
            Open(current);
            QCOMPARE(Sample()->text(), QString(current));
            QCOMPARE(List()->selectedItems().size(), marked ? 1 : 0);
            if (marked) {
                QCOMPARE(List()->selectedItems().first()->text(), QString(current));
                QCOMPARE(Plain(QFontInfo(Sample()->font()).family()), QString(current));
                QVERIFY(List()
                            ->visualItemRect(List()->selectedItems().first())
                            .intersects(List()->viewport()->rect()));
            }
        }
    }

    // The advice names a fixed-pitch face this computer has (here not Courier New, which the
    // lists were designed in), says why, and is read whole in its place.
    void adviceNamesAnInstalledFixedPitchFace() {
        Open("Courier New");
        auto* advice = window->findChild<QLabel*>("Label1");
        const QStringList words = advice->text().split(' ');
        QString face;
        for (int n = 4; n >= 1 && face.isEmpty(); --n)  // the longest name the words begin with
            if (!List()->findItems(words.mid(0, n).join(' '), Qt::MatchExactly).isEmpty())
                face = words.mid(0, n).join(' ');
        QVERIFY2(!face.isEmpty(), qPrintable(advice->text()));
        QVERIFY(QFontDatabase::isFixedPitch(face));
        QVERIFY2(advice->text().contains("columns stay straight"), qPrintable(advice->text()));
        QVERIFY(!advice->text().contains("Windows"));
        const QRect needed =
            advice->fontMetrics().boundingRect(advice->contentsRect(), Qt::TextWordWrap, advice->text());
        QVERIFY(needed.height() <= advice->contentsRect().height());
        QVERIFY(!advice->geometry().intersects(window->findChild<QToolButton*>("Command1")->geometry()));
    }

    // A click changes the sample only; done takes the last choice, the title bar asks and Discard
    // keeps the font it had, and done without a choice keeps even a font the printer does not offer.
    void doneTakesTheChoiceTitleBarKeepsTheOld() {
        const struct {
            const char *start, *action, *kept;
        } cases[] = {{"DejaVu Sans Mono", "click done", "DejaVu Serif"},
                     {"DejaVu Sans Mono", "click close", "DejaVu Sans Mono"},
                     {"Courier New", "done", "Courier New"}};
        for (const auto& c : cases) {
            Open(c.start);
            if (QString(c.action).startsWith("click")) {
                Click("Nimbus Mono PS");
                Click("DejaVu Serif");
                QCOMPARE(Sample()->text(), QString("DejaVu Serif"));
                QCOMPARE(Plain(QFontInfo(Sample()->font()).family()), QString("DejaVu Serif"));
            }
            QCOMPARE(app->nba.PrinterFontName, std::string(c.start));  // nothing taken before done
            app->dialogs.answers = {Answer::Discard};
            QString(c.action).endsWith("close") ? (void)window->close() : Press("donebutton");
            QCOMPARE(app->nba.PrinterFontName, std::string(c.kept));
            QCOMPARE(app->host.closed, 1);
            QVERIFY(app->host.MainWindow()->isEnabled());
        }
    }
};

QTEST_MAIN(SetfontTest)
#include "setfont_test.moc"
