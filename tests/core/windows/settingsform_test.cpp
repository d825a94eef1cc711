// The settings window: the font chooser opened over it, the settings saved on OK and read back
// at the next start, and a save that fails.
#include "core/windows/settingsform.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "core/data_files.h"
#include "core/windows/setfont.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class SettingsformTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestApp> app;
    QPointer<Settingsform> window;

    void Open() {
        window = new Settingsform(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
    }
    template <class T>
    static T* Control(QWidget* in, const QString& name) {
        T* control = in->findChild<T*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }
    void Press(QWidget* in, const char* name) {
        QTest::mouseClick(Control<QAbstractButton>(in, name), Qt::LeftButton);
    }
    Setfont* OpenFontChooser() {
        Press(window, "Command1");
        if (app->host.open.size() != 2) qFatal("the font chooser did not open");
        return qobject_cast<Setfont*>(app->host.open.back());
    }
    QString SettingsFile() const { return QString::fromStdString(app->nba.IniPath); }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        app->dialogs.strict = true;
    }
    void cleanup() { app.reset(); }

    void showsItsCommands() {
        Open();
        QCOMPARE(window->windowTitle(), QString("Tavix Settings"));
        QCOMPARE(Control<QPushButton>(window, "Command1")->text(), QString("Printer Font"));
        QCOMPARE(Control<QToolButton>(window, "InfoButton")->toolTip(), QString("Help on Settings"));
        QCOMPARE(Control<QToolButton>(window, "OkButton")->toolTip(), QString("Close settings window"));
        Press(window, "InfoButton");
        QCOMPARE(app->help.topics, std::vector<std::string>{"Program Settings, Fonts"});
    }

    void fontChooserKeepsTheSettingsWindowDisabled() {
        Open();
        QVERIFY(!app->host.MainWindow()->isEnabled());
        const int waits = app->host.waits;
        Setfont* chooser = OpenFontChooser();
        QVERIFY(chooser);
        QCOMPARE(app->host.waits, waits + 1);  // the hourglass while the fonts are listed
        QVERIFY(!window->isEnabled());
        Press(chooser, "donebutton");
        QVERIFY(window->isEnabled());
        QVERIFY(!app->host.MainWindow()->isEnabled());
        QCOMPARE(app->host.open.size(), size_t(1));
    }

    // The name in memory when OK is pressed, what the settings file then holds, and what the
    // next start reads from it.
    void okSavesTheFont_data() {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("empty") << ""
                               << "Courier New"
                               << "Courier New";
        QTest::newRow("plain") << "DejaVu Sans Mono"
                               << "DejaVu Sans Mono"
                               << "DejaVu Sans Mono";
        QTest::newRow("comma") << "Courier, Bold"
                               << "Courier, Bold"
                               << "Courier";
    }
    void okSavesTheFont() {
        QFETCH(QString, font);
        QFETCH(QString, saved);
        QFETCH(QString, readBack);
        app->nba.PrinterFontName = font.toStdString();
        Open();
        Press(window, "OkButton");
        QVERIFY(app->dialogs.shown.empty());
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCOMPARE(QString::fromStdString(app->nba.PrinterFontName), saved);

        QFile file(SettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(file.readAll()).trimmed(), saved);
        NBA next;
        LoadLeague(app->DataDir(), app->nba.IniPath, next);
        QCOMPARE(QString::fromStdString(next.PrinterFontName), readBack);
    }

    void chosenFontReachesTheFile() {
        app->nba.PrinterFontName = "Courier New";
        Open();
        Setfont* chooser = OpenFontChooser();
        auto* list = Control<QListWidget>(chooser, "List1");
        const auto found = list->findItems("DejaVu Sans Mono", Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
        Press(chooser, "donebutton");
        Press(window, "OkButton");
        NBA next;
        LoadLeague(app->DataDir(), app->nba.IniPath, next);
        QCOMPARE(next.PrinterFontName, std::string("DejaVu Sans Mono"));
    }

    void failedSaveBeepsTellsAndStillCloses() {
        app->nba.IniPath = app->DataDir() + "/no such folder/TVX.ini";
        app->nba.PrinterFontName = "DejaVu Sans Mono";
        app->dialogs.answers.push_back(Answer::Ok);
        Open();
        Press(window, "OkButton");
        QCOMPARE(app->dialogs.beeps, 1);
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Unable to save settings to disk"));
        QCOMPARE(app->dialogs.shown[0].title, std::string("Tavix Setup"));
        QCOMPARE(app->dialogs.shown[0].icon, Icon::Exclamation);
        QCOMPARE(app->dialogs.shown[0].buttons, Buttons::Ok);
        QCOMPARE(app->host.closed, 1);
        QVERIFY(app->host.MainWindow()->isEnabled());
        QCOMPARE(app->nba.PrinterFontName, std::string("DejaVu Sans Mono"));  // kept for this run
        QVERIFY(!QFile::exists(SettingsFile()));
    }

    void titleBarCloseSavesLikeOk() {
        app->nba.PrinterFontName = "Nimbus Mono PS";
        Open();
        window->close();
        QCOMPARE(app->host.closed, 1);
        QVERIFY(QFile::exists(SettingsFile()));
    }

    void grab() {
        Open();
        const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + "/settingsform.png"));
    }
};

QTEST_MAIN(SettingsformTest)
#include "settingsform_test.moc"
