// How the windows behave on the desktop, driven through the real main window: every sub-window
// belongs to the window that opened it (so it stays above it) and offers to maximise only when it
// can grow; every way of ending the program first leaves the open sub-window with its own
// questions and stops when the user stays; F1 and Ctrl+Q work in every window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "platform/qt_dialogs.h"
#include "reference/names_editor.h"
#include "reference/windows/namesform.h"
#include "settings/windows/setfont.h"
#include "settings/windows/settingsform.h"
#include "statistics/stat_entry.h"
#include "statistics/windows/statform.h"
#include "tests/support/qt/journey.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::Control;
using tavix::testing::OpenWindow;
using tavix::testing::TestApp;

namespace {

// The main window on the supplied data; message boxes scripted, or real ones when asked for.
struct Program {
    TestApp app;
    QtDialogs boxes;
    std::unique_ptr<Form2> w;
    explicit Program(bool realBoxes = false) {
        Dialogs& dialogs = realBoxes ? static_cast<Dialogs&>(boxes) : app.dialogs;
        w = std::make_unique<Form2>(app.nba, dialogs, app.clock, app.timers, app.printers, app.help,
                                    app.DataDir());
        boxes.SetWorkingWindow([this] { return w->WorkingSubWindow(); });
        w->show();
    }
    QAction* Item(const QString& name) { return Control<QAction>(w.get(), name); }
    QWidget* Open(const QString& menuItem) {
        Item(menuItem)->trigger();
        return w->WorkingSubWindow();
    }
    bool SettingsSaved() const { return QFile::exists(app.dir.filePath("TVX.ini")); }
    std::vector<std::string> Questions() const {
        std::vector<std::string> texts;
        for (const auto& shown : app.dialogs.shown) texts.push_back(shown.text);
        return texts;
    }
};

// Runs `action` inside the application's event loop, as the running program would; whether it
// ended the program. (exec() also clears the "quit now" mark an ending leaves behind.)
bool EndsProgram(const std::function<void()>& action) {
    constexpr int kStillRunning = 99;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        action();
        QTimer::singleShot(0, &scope, [] { QCoreApplication::exit(kStillRunning); });
    });
    return QCoreApplication::exec() != kStillRunning;
}

// A key pressed where the keyboard focus of `window` is.
void PressIn(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

}  // namespace

class DesktopMannersTest : public QObject {
    Q_OBJECT
  private slots:

    // Without belonging, one click on the greyed main window buried the sub-window under it. The main
    // window is greyed while a sub-window is open.
    void subWindowsBelongToTheirOpener_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("growable");
        QTest::newRow("programming information") << "programmingmenu" << true;
        QTest::newRow("settings") << "Settingsmenu" << false;
        QTest::newRow("names editor") << "Namesmenu" << true;
        QTest::newRow("predictions") << "Predictionsmenu" << true;  // it widens to show whole lines
        QTest::newRow("ratings") << "ratingmenu" << false;
        QTest::newRow("statistics") << "updatemenu" << false;
        QTest::newRow("forecast") << "pseasonmenu" << false;
        QTest::newRow("rosters") << "Rostermenu" << true;
        QTest::newRow("rules") << "Plmenu" << true;
        QTest::newRow("web sites") << "websitemenu" << true;
        QTest::newRow("addresses") << "addressmenu" << true;
    }

    void subWindowsBelongToTheirOpener() {
        QFETCH(QString, item);
        QFETCH(bool, growable);
        Program p;
        QWidget* sub = p.Open(item);
        QVERIFY(sub && sub->isVisible() && sub->windowHandle());
        QCOMPARE(sub->windowType(), Qt::Dialog);  // the type the window manager keeps above its owner
        QCOMPARE(sub->windowHandle()->transientParent(), p.w->windowHandle());
        QCOMPARE(bool(sub->windowFlags() & Qt::WindowMaximizeButtonHint), growable);
        QVERIFY(!(p.w->windowFlags() & Qt::WindowMaximizeButtonHint));  // the main window never grows
        // The main window waits, greyed, until the sub-window goes.
        QCOMPARE(p.w->OpenSubWindows().size(), size_t(1));
        QVERIFY(!p.w->isEnabled() && sub->isEnabled());
        p.w->CloseSubWindow(sub);
        QVERIFY(p.w->OpenSubWindows().empty() && p.w->isEnabled());
    }

    void windowOpenedFromASubWindowBelongsToIt() {
        Program p;
        QWidget* settings = p.Open("Settingsmenu");
        Control<QAbstractButton>(settings, "Command1")->click();
        auto* font = OpenWindow<Setfont>(*p.w);
        QVERIFY(font && font == p.w->WorkingSubWindow());
        QCOMPARE(font->windowHandle()->transientParent(), settings->windowHandle());
        QVERIFY(!(font->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // Every way of ending the program, with each window that holds typed work.
    void leavingAsksTheOpenWindow_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("answer");
        const std::pair<const char*, const char*> windows[] = {{"statistics", "updatemenu"},
                                                               {"names", "Namesmenu"}};
        for (const char* way : {"title bar", "Exit", "Ctrl+Q in it", "Ctrl+Q on main"}) {
            for (const auto& [window, item] : windows) {
                QTest::addRow("%s, %s typed, Cancel", way, window)
                    << way << item << true << int(Answer::Cancel);
                QTest::addRow("%s, %s typed, OK", way, window) << way << item << true << int(Answer::Ok);
                QTest::addRow("%s, %s untouched", way, window) << way << item << false << int(Answer::Ok);
            }
        }
    }

    void leavingAsksTheOpenWindow() {
        QFETCH(QString, way);
        QFETCH(QString, item);
        QFETCH(bool, typed);
        QFETCH(int, answer);
        Program p;
        QWidget* sub = p.Open(item);
        const bool statistics = item == "updatemenu";
        QLineEdit* box = Control<QLineEdit>(sub, statistics ? "wintext" : "Text1(1)");
        const QString typedText = statistics ? QString::number(p.app.nba.Wins[1] + 7) : "Brooklyn";
        const std::string cityBefore = p.app.nba.CityNames[1];
        if (typed) TypeInto(box, typedText);
        p.app.dialogs.answers.push_back(Answer(answer));

        const bool ended = EndsProgram([&] {
            if (way == "title bar") p.w->close();
            if (way == "Exit") p.w->Exitmenu->trigger();
            if (way == "Ctrl+Q in it") PressIn(sub, Qt::Key_Q, Qt::ControlModifier);
            if (way == "Ctrl+Q on main") PressIn(p.w.get(), Qt::Key_Q, Qt::ControlModifier);
        });

        const std::string question = statistics ? UnrecordedChangesText() : kNamesUnsavedQuestion;
        QCOMPARE(p.Questions(), typed ? std::vector<std::string>{question} : std::vector<std::string>{});
        const bool stays = typed && Answer(answer) == Answer::Cancel;
        QCOMPARE(ended, !stays);
        QCOMPARE(p.SettingsSaved(), !stays);
        if (stays) {
            // The program, the window and what was typed are all still there.
            QCOMPARE(p.w->WorkingSubWindow(), sub);
            QVERIFY(sub->isVisible() && sub->isEnabled() && !p.w->isEnabled());
            QCOMPARE(box->text(), typedText);
            if (!statistics) QCOMPARE(p.app.nba.CityNames[1], cityBefore);
        } else {
            QVERIFY(p.w->OpenSubWindows().empty());
        }
    }

    // The font chooser over the settings window: both are left, newest first, with no question.
    void leavingClosesWindowsOverWindows() {
        Program p;
        Control<QAbstractButton>(p.Open("Settingsmenu"), "Command1")->click();
        QCOMPARE(p.w->OpenSubWindows().size(), size_t(2));
        QVERIFY(EndsProgram([&] { p.w->close(); }));
        QVERIFY(p.w->OpenSubWindows().empty() && p.Questions().empty() && p.SettingsSaved());
    }

    void endingWithNothingOpenAsksNothing() {
        Program p;
        QVERIFY(EndsProgram([&] { PressIn(p.w.get(), Qt::Key_Q, Qt::ControlModifier); }));
        QVERIFY(p.Questions().empty() && p.SettingsSaved());
    }

    // The question is a real box over the statistics window, which can be answered, even though
    // the user last clicked the greyed main window (a box belonging to it would be greyed too).
    void questionBoxStandsOverTheWindowItAsksAbout() {
        Program p(true);
        QWidget* stats = p.Open("updatemenu");
        TypeInto(Control<QLineEdit>(stats, "wintext"), "77");
        p.w->activateWindow();
        QPointer<QWidget> owner;
        bool answerable = false;
        QWindow* above = nullptr;
        QString text;
        const bool ended = EndsProgram([&] {
            QTimer::singleShot(0, p.w.get(), [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                owner = box->parentWidget();
                answerable = box->isEnabled() && box->button(QMessageBox::Cancel)->isEnabled();
                above = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
                text = box->text();
                box->button(QMessageBox::Cancel)->click();
            });
            p.w->close();
        });
        QCOMPARE(text, QString::fromStdString(UnrecordedChangesText()).replace("\r\n", "\n"));
        QCOMPARE(owner.data(), stats);
        QVERIFY(answerable);
        QCOMPARE(above, stats->windowHandle());
        QVERIFY(!ended && stats->isVisible());
        QCOMPARE(Control<QLineEdit>(stats, "wintext")->text(), QString("77"));
    }

    // F1 in a window opens that window's help, as its help button does.
    void f1OpensTheHelpOfTheWindow_data() {
        QTest::addColumn<QString>("item");   // the menu item opening the window; empty: the main window
        QTest::addColumn<QString>("view");   // a view shown in the main window first
        QTest::addColumn<bool>("onMain");    // F1 pressed in the (greyed) main window
        QTest::addColumn<QString>("topic");  // the help topic; empty when none
        const std::tuple<const char*, const char*, const char*, bool, const char*> rows[] = {
            {"main window", "", "", false, HelpKeyword::Contents},
            {"schedule list", "", "schedule", false, HelpKeyword::Printing},
            {"standings", "", "standings", false, HelpKeyword::Contents},
            {"statistics", "updatemenu", "", false, HelpKeyword::Statistics},
            {"predictions", "Predictionsmenu", "", false, HelpKeyword::Predictions},
            {"forecast", "pseasonmenu", "", false, HelpKeyword::Forecast},
            {"rosters", "Rostermenu", "", false, HelpKeyword::Printing},
            {"settings", "Settingsmenu", "", false, HelpKeyword::Settings},
            {"ratings, no help button", "ratingmenu", "", false, HelpKeyword::Contents},
            {"names editor: its notes", "Namesmenu", "", false, ""},
            {"greyed main window under statistics", "updatemenu", "", true, HelpKeyword::Statistics}};
        for (auto [name, item, view, onMain, topic] : rows)
            QTest::newRow(name) << QString(item) << QString(view) << onMain << QString(topic);
    }

    void f1OpensTheHelpOfTheWindow() {
        QFETCH(QString, item);
        QFETCH(QString, view);
        QFETCH(bool, onMain);
        QFETCH(QString, topic);
        Program p;
        if (view == "schedule") p.w->Monthlyschedulemenu[0]->trigger();
        if (view == "standings") p.w->standingsmenu->trigger();
        QWidget* window = item.isEmpty() ? p.w.get() : p.Open(item);
        PressIn(onMain ? p.w.get() : window, Qt::Key_F1);
        const std::vector<std::string> topics =
            topic.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{topic.toStdString()};
        QCOMPARE(p.app.help.topics, topics);
        if (item == "Namesmenu") QCOMPARE(p.Questions(), std::vector<std::string>{NamesInformationText()});
    }
};

QTEST_MAIN(DesktopMannersTest)
#include "desktop_manners_test.moc"
