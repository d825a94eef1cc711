// The settings window: the font chooser opened over it, the settings saved on OK or on leaving
// and read back at the next start, and a save that fails.
#include "settings/windows/settingsform.h"

#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "core/data_files.h"
#include "settings/windows/setfont.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class SettingsformTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app;
    QPointer<Settingsform> window;

    void Open(const char* font) {
        app->nba.PrinterFontName = font;
        window = app->Open<Settingsform>();
    }
    static void Press(QWidget* in, const char* name) {
        QTest::mouseClick(in->findChild<QAbstractButton*>(name), Qt::LeftButton);
    }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        app->dialogs.strict = true;
    }
    void cleanup() { app.reset(); }

    // The chooser opens over the settings window under the hourglass, and what is chosen there
    // reaches the settings file when the settings window closes.
    void chosenFontReachesTheFile() {
        Open("Courier New");
        Press(window, "Command1");
        QCOMPARE(app->host.open.size(), size_t(2));
        QCOMPARE(app->host.waits, 1);
        QVERIFY(!window->isEnabled());
        auto* chooser = qobject_cast<Setfont*>(app->host.open.back());
        auto* list = chooser->findChild<QListWidget*>("List1");
        const auto found = list->findItems("DejaVu Sans Mono", Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
        Press(chooser, "donebutton");
        QVERIFY(window->isEnabled());
        QVERIFY(!app->host.MainWindow()->isEnabled());
        app->dialogs.answers = {Answer::Save};
        window->close();  // the font is not saved yet: the title bar asks
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->host.closed, 2);
        QVERIFY(app->host.MainWindow()->isEnabled());
        NBA next;
        LoadLeague(app->DataDir(), app->nba.IniPath, next);
        QCOMPARE(next.PrinterFontName, std::string("DejaVu Sans Mono"));
    }

    void failedSaveTellsOnceAndStillCloses() {
        app->nba.IniPath = app->DataDir() + "/no such folder/TVX.ini";
        app->dialogs.answers.push_back(Answer::Ok);
        Open("DejaVu Sans Mono");
        QCOMPARE(window->windowTitle(), QString("Settings - Tavix"));
        QVERIFY(SaveGrab(window, "settingsform"));
        Press(window, "OkButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));  // its words are the Exit's (main window test)
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCOMPARE(app->nba.PrinterFontName, std::string("DejaVu Sans Mono"));  // kept for this run
        QVERIFY(!QFile::exists(QString::fromStdString(app->nba.IniPath)));
    }
};

QTEST_MAIN(SettingsformTest)
#include "settingsform_test.moc"
