// How the windows behave on the desktop, driven through the real main window: every sub-window
// belongs to the window that opened it (so it stays above it) and offers to maximise only when it
// can grow; every way of ending the program first leaves the open sub-window with its own
// questions and stops when the user stays; F1 and Ctrl+Q work in every window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <iterator>
#include <memory>

#include "core/data_files.h"
#include "core/safe_file.h"
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

// One unsaved change in one kind of field: how it is made (the box typed in, if any), and whether
// the statistics, names or settings file, and the league in memory, hold it.
struct Change {
    const char* name;
    const char* menu;
    bool chooser;             // made in the font chooser over the settings window
    const char* closeButton;  // the window's own close button, if it has one that does not save
    std::function<QLineEdit*(QWidget*)> make;
    std::function<bool(TestApp&)> inFile, inLeague;
};

std::string FileOf(TestApp& app, const char* name) {
    return ReadWholeFile(JoinPath(app.DataDir(), name)).value_or("");
}
bool StatisticsHold(TestApp& app, const std::function<bool(const NBA&)>& has) {
    NBA onFile;
    return ParseStatistics(FileOf(app, kStatisticsFile), onFile) && has(onFile);
}
QLineEdit* Type(QWidget* window, const char* box, const QString& text) {
    auto* edit = Control<QLineEdit>(window, box);
    TypeInto(edit, text);
    return edit;
}
void ChooseFont(QWidget* chooser) {
    auto* list = Control<QListWidget>(chooser, "List1");
    list->setCurrentItem(list->findItems("DejaVu Sans Mono", Qt::MatchExactly).value(0));
}
bool FontIsDejaVu(const std::string& font) { return font == "DejaVu Sans Mono"; }

const Change kChanges[] = {
    {"wins", "updatemenu", false, "Exitbutton", [](QWidget* w) { return Type(w, "wintext", "7"); },
     [](TestApp& a) { return StatisticsHold(a, [](const NBA& n) { return n.Wins[1] == 7; }); },
     [](TestApp& a) { return a.nba.Wins[1] == 7; }},
    {"losses", "updatemenu", false, "Exitbutton", [](QWidget* w) { return Type(w, "losstext", "20"); },
     [](TestApp& a) { return StatisticsHold(a, [](const NBA& n) { return n.Losses[1] == 20; }); },
     [](TestApp& a) { return a.nba.Losses[1] == 20; }},
    {"points allowed", "updatemenu", false, "Exitbutton",
     [](QWidget* w) { return Type(w, "GAtext", "101.5"); },
     [](TestApp& a) { return StatisticsHold(a, [](const NBA& n) { return n.DefenseAve[1] == 101.5; }); },
     [](TestApp& a) { return a.nba.DefenseAve[1] == 101.5; }},
    {"date", "updatemenu", false, "Exitbutton",
     [](QWidget* w) {
         Control<QWidget>(w, "Dayspin")->findChild<QToolButton*>("up")->click();
         return nullptr;
     },
     [](TestApp& a) { return StatisticsHold(a, [](const NBA& n) { return n.UpdateDay == 15; }); },
     [](TestApp& a) { return a.nba.UpdateDay == 15; }},
    {"city", "Namesmenu", false, "Command1", [](QWidget* w) { return Type(w, "Text1(1)", "Brooklyn"); },
     [](TestApp& a) { return FileOf(a, kNamesFile).find("Brooklyn") != std::string::npos; },
     [](TestApp& a) { return a.nba.CityNames[1] == "Brooklyn"; }},
    {"printer font", "Settingsmenu", false, nullptr,
     [](QWidget* w) {
         Control<QAbstractButton>(w, "Command1")->click();
         QWidget* chooser = nullptr;
         for (QWidget* top : QApplication::topLevelWidgets())
             if (top->objectName() == "Setfont" && top->isVisible()) chooser = top;
         ChooseFont(chooser);
         Control<QAbstractButton>(chooser, "donebutton")->click();
         return nullptr;
     },
     [](TestApp& a) { return FileOf(a, kSettingsFile).find("DejaVu Sans Mono") != std::string::npos; },
     [](TestApp& a) { return FontIsDejaVu(a.nba.PrinterFontName); }},
    {"font clicked in the chooser", "Settingsmenu", true, nullptr,
     [](QWidget* w) {
         ChooseFont(w);
         return nullptr;
     },
     [](TestApp& a) { return FileOf(a, kSettingsFile).find("DejaVu Sans Mono") != std::string::npos; },
     [](TestApp& a) { return FontIsDejaVu(a.nba.PrinterFontName); }}};

}  // namespace

class DesktopMannersTest : public QObject {
    Q_OBJECT
  private slots:

    // Without belonging, one click on the greyed main window buried the sub-window under it. The main
    // window is greyed while a sub-window is open.
    void subWindowsBelongToTheirOpener_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("growable");
        QTest::newRow("programming information") << "programmingmenu" << false;
        QTest::newRow("settings") << "Settingsmenu" << false;
        QTest::newRow("names editor") << "Namesmenu" << true;
        QTest::newRow("predictions") << "Predictionsmenu" << true;  // it widens to show whole lines
        QTest::newRow("ratings") << "ratingmenu" << true;
        QTest::newRow("statistics") << "updatemenu" << false;
        QTest::newRow("forecast") << "pseasonmenu" << true;
        QTest::newRow("rosters") << "Rostermenu" << true;
        QTest::newRow("rules") << "Plmenu" << true;
        QTest::newRow("web sites") << "websitemenu" << false;
        QTest::newRow("addresses") << "addressmenu" << true;
        QTest::newRow("prediction record") << "recordmenu" << true;
        QTest::newRow("replay calendar") << "replaydaymenu" << false;
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
        // The main window waits, greyed, until the sub-window goes.
        QCOMPARE(p.w->OpenSubWindows().size(), size_t(1));
        QVERIFY(!p.w->isEnabled() && sub->isEnabled());
        // Esc leaves it the way its close button does, and the main window is back.
        PressIn(sub, Qt::Key_Escape);
        QVERIFY(p.w->OpenSubWindows().empty() && p.w->isEnabled());
    }

    // Enter on a focused text button presses it, as Space does.
    void enterPressesTheFocusedButton() {
        Program p;
        QWidget* calendar = p.Open("replaydaymenu");
        auto* cancel = Control<QAbstractButton>(calendar, "CancelButton");
        cancel->setFocus();
        PressIn(calendar, Qt::Key_Return);
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

    // Every way out of every window that holds typed work, the window's own and the program's, for
    // a change in each kind of field: nothing unsaved goes without a question; Save puts it in
    // the file, Discard drops it, Cancel keeps everything as it was.
    void leavingAsksTheOpenWindow_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("answer");  // -1: nothing changed, nothing asked
        for (const char* way : {"close button", "title bar", "Esc", "Exit", "main title bar", "Ctrl+Q"}) {
            for (int c = 0; c < int(std::size(kChanges)); ++c) {
                if (QString(way) == "close button" && !kChanges[c].closeButton) continue;
                for (Answer a : {Answer::Save, Answer::Discard, Answer::Cancel})
                    QTest::addRow("%s, %s, %s", way, kChanges[c].name,
                                  a == Answer::Save      ? "Save"
                                  : a == Answer::Discard ? "Discard"
                                                         : "Cancel")
                        << way << c << int(a);
                QTest::addRow("%s, %s untouched", way, kChanges[c].name) << way << c << -1;
            }
        }
    }

    void leavingAsksTheOpenWindow() {
        QFETCH(QString, way);
        QFETCH(int, change);
        QFETCH(int, answer);
        const Change& c = kChanges[change];
        Program p;
        p.app.nba.PrinterFontName = "Courier New";
        QWidget* sub = p.Open(c.menu);
        if (c.chooser) {
            Control<QAbstractButton>(sub, "Command1")->click();
            sub = p.w->WorkingSubWindow();
        }
        const bool touched = answer >= 0;
        QLineEdit* box = touched ? c.make(sub) : nullptr;
        const QString typed = box ? box->text() : QString();
        const bool inLeagueBefore = c.inLeague(p.app);
        if (touched) p.app.dialogs.answers.push_back(Answer(answer));

        const bool programWay = way == "Exit" || way == "main title bar" || way == "Ctrl+Q";
        const bool ended = EndsProgram([&] {
            if (way == "close button") Control<QAbstractButton>(sub, c.closeButton)->click();
            if (way == "title bar") sub->close();
            if (way == "Esc") PressIn(sub, Qt::Key_Escape);
            if (way == "Exit") p.w->Exitmenu_Click();  // the menu itself is greyed under the window
            if (way == "main title bar") p.w->close();
            if (way == "Ctrl+Q") PressIn(sub, Qt::Key_Q, Qt::ControlModifier);
        });

        QCOMPARE(p.app.dialogs.shown.empty(), !touched);
        if (touched) QCOMPARE(p.app.dialogs.shown[0].buttons, Buttons::SaveDiscardCancel);
        if (touched) QCOMPARE(p.app.dialogs.shown[0].icon, Icon::Question);
        const bool stays = Answer(answer) == Answer::Cancel;
        QCOMPARE(ended, programWay && !stays);
        QCOMPARE(p.w->WorkingSubWindow() == sub, stays);
        QCOMPARE(c.inFile(p.app), Answer(answer) == Answer::Save);
        if (touched) QCOMPARE(c.inLeague(p.app), Answer(answer) == Answer::Save || (stays && inLeagueBefore));
        if (stays && box) QCOMPARE(box->text(), typed);
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

    // F1 in a window opens that window's help, as its help button does; Ctrl+P prints its list.
    void f1OpensTheHelpOfTheWindow_data() {
        QTest::addColumn<QString>("item");   // the menu item opening the window; empty: the main window
        QTest::addColumn<QString>("view");   // a view shown in the main window first
        QTest::addColumn<bool>("onMain");    // F1 pressed in the (greyed) main window
        QTest::addColumn<QString>("topic");  // the help topic; empty when none
        QTest::addColumn<bool>("prints");    // Ctrl+P prints the window's list
        const std::tuple<const char*, const char*, const char*, bool, const char*, bool> rows[] = {
            {"main window", "", "", false, HelpKeyword::Contents, false},
            {"schedule list", "", "schedule", false, HelpKeyword::Printing, true},
            {"standings", "", "standings", false, HelpKeyword::Standings, true},
            {"statistics", "updatemenu", "", false, HelpKeyword::Statistics, false},
            {"predictions", "Predictionsmenu", "", false, HelpKeyword::Predictions, true},
            {"record", "recordmenu", "", false, HelpKeyword::PredictionRecord, true},
            {"forecast: prints once its odds are out", "pseasonmenu", "", false, HelpKeyword::Forecast,
             false},
            {"rosters", "Rostermenu", "", false, HelpKeyword::Printing, true},
            {"settings", "Settingsmenu", "", false, HelpKeyword::Settings, false},
            {"ratings, no help button", "ratingmenu", "", false, HelpKeyword::Ratings, true},
            {"addresses", "addressmenu", "", false, HelpKeyword::Addresses, true},
            {"web sites", "websitemenu", "", false, HelpKeyword::WebSites, false},
            {"rules", "Plmenu", "", false, HelpKeyword::Rules, false},
            {"programming information", "programmingmenu", "", false, HelpKeyword::Programming, false},
            {"names editor: its notes", "Namesmenu", "", false, "", false},
            {"greyed main window under statistics", "updatemenu", "", true, HelpKeyword::Statistics, false}};
        for (auto [name, item, view, onMain, topic, prints] : rows)
            QTest::newRow(name) << QString(item) << QString(view) << onMain << QString(topic) << prints;
    }

    void f1OpensTheHelpOfTheWindow() {
        QFETCH(QString, item);
        QFETCH(QString, view);
        QFETCH(bool, onMain);
        QFETCH(QString, topic);
        QFETCH(bool, prints);
        Program p;
        if (view == "schedule") p.w->Sechalfmenu->trigger();
        if (view == "standings") p.w->standingsmenu->trigger();
        QWidget* window = item.isEmpty() ? p.w.get() : p.Open(item);
        PressIn(onMain ? p.w.get() : window, Qt::Key_F1);
        const std::vector<std::string> topics =
            topic.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{topic.toStdString()};
        QCOMPARE(p.app.help.topics, topics);
        if (item == "Namesmenu") QCOMPARE(p.Questions(), std::vector<std::string>{NamesInformationText()});
        // Shortcuts reach only the active window, as on a desktop.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        PressIn(onMain ? p.w.get() : window, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(!p.app.printers.jobNames.empty(), prints);
    }
};

QTEST_MAIN(DesktopMannersTest)
#include "desktop_manners_test.moc"
