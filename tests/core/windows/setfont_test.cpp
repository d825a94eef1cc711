// The font chooser: the fonts listed in the font system's order, the current font marked and
// shown in itself, a click that changes the sample, and what done and the title bar keep.
#include "core/windows/setfont.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
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

  private:
    std::unique_ptr<TestApp> app;
    QPointer<Setfont> window;

    void Open(const std::string& current) {
        app->nba.PrinterFontName = current;
        window = new Setfont(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
    }
    template <class T>
    T* Control(const QString& name) {
        T* control = window->findChild<T*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }
    QListWidget* List() { return Control<QListWidget>("List1"); }
    QLabel* Sample() { return Control<QLabel>("fontlabel"); }
    // The family the sample is really drawn in, without the foundry the font system may add.
    QString SampleFamily() {
        return QFontInfo(Sample()->font()).family().remove(QRegularExpression(" \\[[^\\]]*\\]$"));
    }
    QStringList Selected() {
        QStringList names;
        for (auto* item : List()->selectedItems()) names << item->text();
        return names;
    }
    void Click(const QString& name) {
        const auto found = List()->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) qFatal("font %s is not listed", qPrintable(name));
        List()->scrollToItem(found.first());
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(found.first()).center());
    }

  private slots:
    void init() { app = std::make_unique<TestApp>(false); }
    void cleanup() { app.reset(); }

    void listsTheFontsInTheOrderReported() {
        Open("Courier New");
        QStringList items;
        for (int i = 0; i < List()->count(); ++i) items << List()->item(i)->text();
        // Each family once, by its plain name, where the font system first names it.
        QStringList expected;
        for (QString family : QFontDatabase::families()) {
            family.remove(QRegularExpression(" \\[[^\\]]*\\]$"));
            if (!expected.contains(family)) expected << family;
        }
        QCOMPARE(items, expected);
        QVERIFY(items.contains("Nimbus Mono PS"));  // offered by two foundries here
        QCOMPARE(window->windowTitle(), QString("Tavix Printer Font"));
        QCOMPARE(Control<QGroupBox>("Frame1")->title(), QString("Current Font"));
        QCOMPARE(Control<QLabel>("Label2")->text(),
                 QString("MonoSpaced fonts are required for straight columns."));
        QCOMPARE(Control<QLabel>("Label1")->text(), QString("Courier New is Recommended for Windows 3.1."));
        QCOMPARE(Control<QToolButton>("Command1")->toolTip(), QString("Help on Fonts"));
        QCOMPARE(Control<QToolButton>("donebutton")->toolTip(), QString("Close Font window"));
    }

    // The current font is marked and its sample drawn in it; a font the printer does not offer
    // is named with nothing marked; an empty setting marks nothing.
    void marksTheCurrentFont_data() {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("installed") << "DejaVu Sans Mono" << QStringList{"DejaVu Sans Mono"};
        QTest::newRow("another installed") << "Nimbus Mono PS" << QStringList{"Nimbus Mono PS"};
        QTest::newRow("not offered") << "Courier New" << QStringList{};
        QTest::newRow("different case") << "dejavu sans mono" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void marksTheCurrentFont() {
        QFETCH(QString, current);
        QFETCH(QStringList, selected);
        Open(current.toStdString());
        QCOMPARE(Selected(), selected);
        QCOMPARE(Sample()->text(), current);
        if (!selected.isEmpty()) {
            QCOMPARE(SampleFamily(), current);
            QVERIFY(List()
                        ->visualItemRect(List()->selectedItems().first())
                        .intersects(List()->viewport()->rect()));
        }
    }

    void clickShowsTheSampleAndDoneTakesIt() {
        Open("DejaVu Sans Mono");
        Click("Nimbus Mono PS");
        QCOMPARE(Sample()->text(), QString("Nimbus Mono PS"));
        QCOMPARE(SampleFamily(), QString("Nimbus Mono PS"));
        QCOMPARE(app->nba.PrinterFontName, std::string("DejaVu Sans Mono"));  // not before done
        Click("DejaVu Serif");
        QCOMPARE(Sample()->text(), QString("DejaVu Serif"));
        QTest::mouseClick(Control<QToolButton>("donebutton"), Qt::LeftButton);
        QCOMPARE(app->nba.PrinterFontName, std::string("DejaVu Serif"));
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
    }

    void keyboardChoiceCountsAsAClick() {
        Open("DejaVu Sans Mono");
        const int row = List()->currentRow();
        List()->setFocus();
        QTest::keyClick(List(), row + 1 < List()->count() ? Qt::Key_Down : Qt::Key_Up);
        const QString moved = List()->currentItem()->text();
        QCOMPARE(Sample()->text(), moved);
        QTest::mouseClick(Control<QToolButton>("donebutton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(app->nba.PrinterFontName), moved);
    }

    void doneWithoutAClickKeepsAFontThePrinterDoesNotOffer() {
        Open("Courier New");
        QTest::mouseClick(Control<QToolButton>("donebutton"), Qt::LeftButton);
        QCOMPARE(app->nba.PrinterFontName, std::string("Courier New"));
    }

    void titleBarCloseKeepsTheFontItHad() {
        Open("DejaVu Sans Mono");
        Click("Nimbus Mono PS");
        window->close();
        QCOMPARE(app->nba.PrinterFontName, std::string("DejaVu Sans Mono"));
        QCOMPARE(app->host.closed, 1);
    }

    void helpOnFonts() {
        Open("DejaVu Sans Mono");
        QTest::mouseClick(Control<QToolButton>("Command1"), Qt::LeftButton);
        QCOMPARE(app->help.topics, std::vector<std::string>{"Program Settings, Fonts"});
    }

    void grab() {
        Open("DejaVu Sans Mono");
        const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + "/setfont.png"));
    }
};

QTEST_MAIN(SetfontTest)
#include "setfont_test.moc"
