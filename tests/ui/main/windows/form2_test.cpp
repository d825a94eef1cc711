// The main window: menus, tool bar rules, resizing, the Edit commands, loading, the schedule
// and standings views on the supplied data, printing and the window host.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "platform/twips.h"
#include "predictions/windows/blockpredictform.h"
#include "tests/support/qt/journey.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/schedule_views.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::Items;
using tavix::testing::Lines;
using tavix::testing::Shown;
using tavix::testing::TestApp;

namespace {

using Main = tavix::testing::TestMain;

bool MenuOn(QMenu* menu) { return menu->menuAction()->isEnabled(); }

QString Enabled(Form2* w) {  // "1" or "0" for each tool button
    QString out;
    for (int i = 0; i < 5; ++i) out += w->Toolbutton[i]->isEnabled() ? '1' : '0';
    return out;
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
  private slots:

    void menusInOrder() {
        Main w;
        // Name and caption of every menu and item, in order; "-" for separators, ">" opens a submenu.
        const QString expected =
            "Fmenu:&File|programmingmenu:Programming &Information|dashmenu:-|Settingsmenu:Tavix &Settings|"
            "printersetupmenu:&Printer Setup|b1:-|Exitmenu:E&xit|emenu:&Edit  |editmenu(1):Cu&t|"
            "editmenu(2):&Copy|editmenu(3):&Paste|b3:-|Namesmenu:Edit &Names && Locations|"
            "newseasonmenu:New S&eason Setup|smeu:&Schedules/Predictions|"
            "fhalfschmenu:* &First Half Season (Nov - Jan)|Sechalfmenu:&Second half of the Season (Feb - "
            "May)|"
            ">Monmenu:Schedules by &Month|Monthlyschedulemenu(0):* &November|Monthlyschedulemenu(1):* "
            "&December|"
            "Monthlyschedulemenu(2):* "
            "&January|Monthlyschedulemenu(3):&February|Monthlyschedulemenu(4):&March|"
            "Monthlyschedulemenu(5):&April / May|teamschedulemenu:&Team Schedules|STmenu:S&tatistics  |"
            "Predictionsmenu:Single Game &Predictions|recordmenu:Prediction Re&cord|dash:-|ratingmenu:Team "
            "&Ratings  - Sortable "
            "Database|sp:-|"
            "updatemenu:&Update Statistics|gatherstatmenu:Statistics &Form|s2:-|standingsmenu:&View "
            "Standings|"
            "sepbar1:-|pseasonmenu:Play-&Off Forecast |sepbar2:-|Rostermenu:Team Ro&sters - Players / "
            "Coaching|"
            "rmenu:&Rules && Info...  |Plmenu: &Game && Player Rules|Readingmenu: Recommended R&eading|s1:-|"
            "websitemenu:Recommended &Web Sites|addressmenu:Team &Mailing Addresses|replaymenu:Re&play|"
            "replaydaymenu:&Replay a Day of the Season...|replaysep1:-|replayprevmenu:&Previous Game Day|"
            "replaynextmenu:&Next Game Day|replaysep2:-|replayendmenu:&End Replay|hmenu:  &Help|"
            "Infomenu:&Help Contents|searchmenu:&Search for Help on...|b2:-|aboutmenu:&About Tavix";
        QStringList found;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                found << (a->menu() ? ">" : "") + a->objectName() + ":" +
                             (a->isSeparator() ? "-" : a->text());
                if (a->menu()) walk(a->menu());
            }
        };
        for (QAction* top : w->menuBar()->actions()) {
            found << top->objectName() + ":" + top->text();
            walk(top->menu());
        }
        QCOMPARE(found, expected.split('|'));
        QVERIFY(w->findChild<QMenu*>("Monmenu") && w->findChild<QAction*>("Monthlyschedulemenu(5)"));

        // A keyboard user reaches every item: each has an access key of its own within its menu.
        std::function<void(const QList<QAction*>&, const QString&)> keysOf = [&](const QList<QAction*>& items,
                                                                                 const QString& where) {
            QSet<QChar> keys;
            for (QAction* a : items) {
                if (a->isSeparator()) continue;
                const QKeySequence mnemonic = QKeySequence::mnemonic(a->text());
                QVERIFY2(!mnemonic.isEmpty(), qPrintable(where + ": no access key in " + a->text()));
                const QChar key = QKeySequence(mnemonic[0].key()).toString().at(0).toLower();
                QVERIFY2(!keys.contains(key), qPrintable(where + ": access key used twice, " + a->text()));
                keys.insert(key);
                if (a->menu()) keysOf(a->menu()->actions(), a->text());
            }
        };
        keysOf(w->menuBar()->actions(), "menu bar");
    }

    // The state the window is in when a tool button is pressed, and whether each button acts.
    void toolButtonRules_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("acts");
        for (int i = 0; i < 5; ++i) {
            QTest::addRow("idle %d", i) << "idle" << i << true;
            QTest::addRow("schedule %d", i) << "schedule" << i << (i == 0 || i == 4);
            QTest::addRow("standings %d", i) << "standings" << i << false;
        }
    }

    void toolButtonRules() {
        QFETCH(QString, state);
        QFETCH(int, index);
        QFETCH(bool, acts);
        Main w;
        if (state == "schedule") w->Monthlyschedulemenu[0]->trigger();  // a first-half view
        if (state == "standings") w->standingsmenu->trigger();
        const QStringList before = Items(w->List1);
        const int standingsLines = Items(w->List2).size();
        w->Toolbutton_Click(index);
        const bool acted[] = {Shown(w->List1) && Items(w->List1) == Lines(SecondHalfLines(w.app.nba).lines) &&
                                  Items(w->List1) != before,
                              w->OpenSubWindows().size() == 1, w->OpenSubWindows().size() == 1,
                              Shown(w->List2) && standingsLines == 0,
                              w.app.help.topics == std::vector<std::string>{"Contents"}};
        QCOMPARE(acted[index], acts);
    }

    // A tool button's words show once: in its hint label, with no tool tip on top of them. The
    // other picture buttons have no hint label and keep their tool tips.
    void wordsShownOnce_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("hint");  // the hint label's index, -1 for none
        QTest::addColumn<QString>("words");
        const char* const hints[] = {"Schedules", "Update Stats", "Predictions", "Standings", "Help & Info"};
        for (int i = 0; i < 5; ++i)
            QTest::addRow("Toolbutton(%d)", i) << QString("Toolbutton(%1)").arg(i) << i << QString(hints[i]);
        QTest::newRow("Command1") << "Command1" << -1 << "Recommended Web Sites";
        QTest::newRow("SchPrintButton") << "SchPrintButton" << -1 << "Print Listing";
    }
    void wordsShownOnce() {
        QFETCH(QString, button);
        QFETCH(int, hint);
        QFETCH(QString, words);
        Main w;
        w->Sechalfmenu->trigger();  // the schedule's buttons exist from now on
        w->SchDoneButton->click();
        auto* b = w->findChild<QToolButton*>(button);
        QVERIFY(b);
        if (hint >= 0) w->Toolbutton_MouseMove(hint);
        QHelpEvent ask(QEvent::ToolTip, QPoint(4, 4), b->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(b, &ask);
        const bool tipShown = QToolTip::isVisible() && QToolTip::text() == words;
        QToolTip::hideText();
        QCOMPARE(tipShown, hint < 0);
        if (hint >= 0) QVERIFY(w->Label1[hint]->isVisible() && w->Label1[hint]->text() == words);
        QCOMPARE(b->accessibleName(), words);  // screen readers still get the words
    }

    // Tab walks the tool bar; Space, Return and Enter press the button the keyboard is on.
    void toolButtonsByKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void toolButtonsByKeyboard() {
        QFETCH(int, key);
        Main w;
        QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
        w->Toolbutton[0]->setFocus();
        QVERIFY(w->Toolbutton[0]->hasFocus());
        for (int i = 1; i <= 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->Toolbutton[4]));
        QVERIFY(w->Label1[4]->isVisible() && w->Label1[3]->isHidden());  // its words show, as for the mouse
        QTest::keyClick(w->Toolbutton[4], static_cast<Qt::Key>(key));
        QTRY_COMPARE(w.app.help.topics, std::vector<std::string>{"Contents"});
    }

    void hintsOnlyWhileIdle() {
        Main w;
        w->Toolbutton_MouseMove(2);
        for (int i = 0; i < 5; ++i) QCOMPARE(w->Label1[i]->isHidden(), i != 2);
        QVERIFY(w->Timer1->IsActive() && w->Timer1->IntervalMs() == 5000);
        w.app.timers.Advance(5000);
        for (int i = 0; i < 5; ++i) QVERIFY(w->Label1[i]->isHidden());
        // Moving over the panel around the buttons takes a hint away.
        w->Toolbutton_MouseMove(1);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w->Panel3D1, &move);
        QVERIFY(w->Label1[1]->isHidden());
        // With a view open the hints stay away and only the buttons that still act are on.
        w->Sechalfmenu->trigger();
        w->Toolbutton_MouseMove(0);
        QVERIFY(w->Label1[0]->isHidden());
        QCOMPARE(Enabled(w.w.get()), QString("10001"));
        w->SchDoneButton->click();
        w->standingsmenu->trigger();
        QCOMPARE(Enabled(w.w.get()), QString("00001"));
        w->StandingDoneButton->click();
        QCOMPARE(Enabled(w.w.get()), QString("11111"));
    }

    // The window takes the size the user gives it, and the list on show grows with it; it is never
    // narrower than its menu bar, so no menu hides behind the bar's "more" button.
    void resizes() {
        Main w;
        w->Sechalfmenu->trigger();
        QApplication::processEvents();
        const QSize list = w->List1->size();
        const QSize larger = w->size() * 3 / 2;
        w->resize(larger);
        QApplication::processEvents();
        QCOMPARE(w->size(), larger);
        QVERIFY(w->List1->width() > list.width() && w->List1->height() > list.height());
        w->resize(100, 100);
        QApplication::processEvents();
        QVERIFY(w->width() >= w->menuBar()->sizeHint().width());
    }

    void editCommands_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clipboard");
        // "Hello World" with "World" selected; the clipboard starts with "paste me".
        for (QString box : {"line", "text", "plain", "combo"}) {
            QTest::addRow("%s cut", qPrintable(box)) << box << 1 << "Hello " << QString("World");
            QTest::addRow("%s copy", qPrintable(box)) << box << 2 << "Hello World" << QString("World");
            QTest::addRow("%s paste", qPrintable(box)) << box << 3 << "Hello paste me" << QString("paste me");
        }
        QTest::newRow("list cut") << "list" << 1 << "" << QString("paste me");
        QTest::newRow("button paste") << "button" << 3 << "" << QString("paste me");
    }

    void editCommands() {
        QFETCH(QString, box);
        QFETCH(int, command);
        QFETCH(QString, text);
        QFETCH(QString, clipboard);
        Main w;
        QWidget other;  // a sub-window holding the control with the focus
        QWidget* focus = nullptr;
        std::function<QString()> read;
        auto textEdit = [&](auto* edit) {
            edit->setPlainText("Hello World");
            QTextCursor cursor = edit->textCursor();
            cursor.setPosition(6);
            cursor.setPosition(11, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
            read = [edit] { return edit->toPlainText(); };
            return edit;
        };
        if (box == "line" || box == "combo") {
            auto* combo = new QComboBox(&other);
            combo->setEditable(true);
            QLineEdit* line = box == "combo" ? combo->lineEdit() : new QLineEdit(&other);
            focus = box == "combo" ? static_cast<QWidget*>(combo) : line;
            line->setText("Hello World");
            line->setSelection(6, 5);
            read = [line] { return line->text(); };
        } else if (box == "text") {
            focus = textEdit(new QTextEdit(&other));
        } else if (box == "plain") {
            focus = textEdit(new QPlainTextEdit(&other));
        } else {
            focus = box == "list" ? static_cast<QWidget*>(new QListWidget(&other))
                                  : new QPushButton("Press", &other);
        }
        other.show();
        QApplication::setActiveWindow(&other);
        focus->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() != nullptr; }));
        QApplication::clipboard()->setText("paste me");
        w->editmenu[command]->trigger();
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        if (!text.isEmpty()) QCOMPARE(read(), text);
    }

    // Whatever is missing or damaged, one message says so; the program then runs on what it has (a
    // forecast from figures that may all be 0 must still finish), says nothing more and rewrites
    // nothing.
    void loadingMessageOnce_data() {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<int>("keepBytes");  // of the statistics file: -1 all of it, -2 half
        QTest::newRow("schedule missing") << QStringList{kScheduleFile} << -1;
        QTest::newRow("statistics missing") << QStringList{kStatisticsFile} << -1;
        QTest::newRow("every file missing") << QStringList{kStatisticsFile, kScheduleFile, kNamesFile} << -1;
        QTest::newRow("statistics cut in the team figures") << QStringList{} << -2;
        QTest::newRow("statistics cut in the line counts") << QStringList{} << 3;
        QTest::newRow("statistics empty") << QStringList{} << 0;
        QTest::newRow("nothing missing") << QStringList{} << -1;
    }

    void loadingMessageOnce() {
        QFETCH(QStringList, missing);
        QFETCH(int, keepBytes);
        TestApp app;
        for (const QString& name : missing) QVERIFY(QFile::remove(app.dir.filePath(name)));
        QFile stats(app.dir.filePath(kStatisticsFile));
        if (keepBytes != -1) QVERIFY(stats.resize(keepBytes == -2 ? stats.size() / 2 : keepBytes));
        const std::optional<std::string> before = ReadWholeFile(stats.fileName().toStdString());
        NBA fresh;
        Form2 w(fresh, app.dialogs, app.clock, app.timers, app.printers, app.help, app.DataDir());
        w.Form_Load(app.DataDir() + "/TVX.ini");
        const bool whole = missing.isEmpty() && keepBytes == -1;
        QCOMPARE(app.dialogs.shown.size(), size_t(whole ? 0 : 1));
        if (whole) {
            QCOMPARE(fresh.SecondHalfCount, app.nba.SecondHalfCount);
            return;
        }
        // For a missing file the fixed words come first; what is missing follows, named.
        QCOMPARE(app.dialogs.shown[0].title, std::string(kLoadingMessageTitle));
        if (!missing.isEmpty())
            QCOMPARE(app.dialogs.shown[0].text.substr(0, std::strlen(kLoadingMessageText)),
                     std::string(kLoadingMessageText));
        QCOMPARE(app.dialogs.shown[0].icon, Icon::Exclamation);
        QCOMPARE(w.size(), TwipsSize(9555, 6315));
        w.show();
        const std::pair<QAction*, const char*> views[] = {{w.Sechalfmenu, "SchDoneButton"},
                                                          {w.standingsmenu, "StandingDoneButton"},
                                                          {w.pseasonmenu, "DoneButton"},
                                                          {w.updatemenu, "Exitbutton"}};
        for (const auto& [open, done] : views) {
            open->trigger();
            QWidget* on = w.OpenSubWindows().empty() ? &w : w.OpenSubWindows()[0];
            tavix::testing::Control<QAbstractButton>(on, done)->click();
            QVERIFY(w.OpenSubWindows().empty() && !Shown(w.List1) && !Shown(w.List2));
        }
        QCOMPARE(app.dialogs.shown.size(), size_t(1));
        QCOMPARE(ReadWholeFile(stats.fileName().toStdString()), before);
    }

    // The lines themselves are held against the companion's lists in the lists-vs-windows test.
    void scheduleViews_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("count");
        const QString lockout = "   No games: the lockout";
        QTest::newRow("first half") << "fhalfschmenu" << lockout << 1;
        QTest::newRow("second half") << "Sechalfmenu" << QString("  Friday, February 5, 1999") << 905;
        QTest::newRow("april / may") << "Monthlyschedulemenu(5)" << QString("  Thursday, April 1, 1999")
                                     << 359;
    }

    void scheduleViews() {
        QFETCH(QString, command);
        QFETCH(QString, firstLine);
        QFETCH(int, count);
        Main w;
        w->findChild<QAction*>(command)->trigger();
        QVERIFY(!w->List1->isHidden());
        QCOMPARE(w->List1->count(), count);
        QVERIFY2(w->List1->item(0)->text().startsWith(firstLine), qPrintable(w->List1->item(0)->text()));
        for (QWidget* b : std::initializer_list<QWidget*>{w->SchPrintButton, w->Blockpredictbutton,
                                                          w->SchInfobutton, w->SchDoneButton})
            QVERIFY(!b->isHidden() && b->isEnabled());
    }

    void teamPanelChoices() {
        Main w;
        // The panel offers every team under a prompt; the prompt and an empty text only beep.
        w->teamschedulemenu->trigger();
        QCOMPARE(w->Combo1->count(), 29);
        QCOMPARE(w->Combo1->currentText(), QString("        Select Team Below"));
        w->TeamSelButton->click();
        w->Combo1->setEditText("");
        w->TeamSelButton->click();
        QCOMPARE(w.app.dialogs.beeps, 2);
        QVERIFY(!w->Combo1->isHidden());
        // A double click in the combo chooses like the button does.
        w->teamschedulemenu->trigger();
        w->Combo1->setCurrentIndex(1);
        QTest::mouseDClick(w->Combo1->lineEdit(), Qt::LeftButton);
        QCOMPARE(w->List1->item(0)->text(), QString("  MIAMI HEAT SCHEDULE  (all times Eastern)"));
    }

    // Enter at the untouched prompt only beeps, as the button does. Leaving the panel without a
    // team (Cancel, or a name that ends in no nickname) goes back to the window as it was before,
    // never to an empty list without its Done button; from a schedule view too.
    void teamPanelWaysOut_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("way");
        for (const char* before : {"idle", "schedule"})
            for (const char* way : {"Cancel", "unknown team", "Escape"})
                QTest::addRow("%s, %s", before, way) << QString(before) << QString(way);
    }
    void teamPanelWaysOut() {
        QFETCH(QString, before);
        QFETCH(QString, way);
        Main w;
        QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
        if (before == "schedule") w->Sechalfmenu->trigger();
        w->teamschedulemenu->trigger();
        // Keys go where the window system sends them: to the widget with the focus.
        QTRY_VERIFY(w->Combo1->hasFocus());
        auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        key(Qt::Key_Return);
        QCOMPARE(w.app.dialogs.beeps, 1);
        QVERIFY(w->teamPanel->isVisible() && w->List1->count() == 0 && w.app.nba.SelectedTeam == 0);
        QCOMPARE(w->Combo1->currentText(), QString("        Select Team Below"));
        if (way == "Cancel") QTest::mouseClick(w->TeamSelectCancel, Qt::LeftButton);
        if (way == "unknown team") {
            QTest::keyClicks(QApplication::focusWidget(), "Nobody");  // replaces the selected prompt
            QCOMPARE(w->Combo1->currentText(), QString("Nobody"));
            key(Qt::Key_Return);
        }
        if (way == "Escape") key(Qt::Key_Escape);
        QVERIFY(!w->teamPanel->isVisible());
        QVERIFY2(w->List1->isHidden() || w->SchDoneButton->isVisible(), "an empty list with no way out");
        QVERIFY(w->Shape1->isVisible() && MenuOn(w->STmenu) && w.app.nba.SelectedTeam == 0);
        QCOMPARE(Enabled(w.w.get()), QString("11111"));
    }

    // Each view locks its menus and hides the idle ball and caption (a piece of them showing around
    // a view looks like a drawing fault); every way out brings both back.
    void menuLocking() {
        Main w;
        auto state = [&] {
            QString menus;
            for (QMenu* menu : {w->emenu, w->smeu, w->STmenu, w->rmenu}) menus += MenuOn(menu) ? '1' : '0';
            return menus + (w->Shape1->isVisible() && w->Text1->isVisible() ? " idle" : "");
        };
        QCOMPARE(state(), "1111 idle");
        const std::pair<const char*, const char*> steps[] = {
            {"Monthlyschedulemenu(4)", "0100"}, {"SchDoneButton", "1111 idle"}, {"teamschedulemenu", "0100"},
            {"TeamSelectCancel", "1111 idle"},  {"teamschedulemenu", "0100"},   {"choose", "0100"},
            {"TeamSelButton", "0100"},          {"SchDoneButton", "1111 idle"}, {"standingsmenu", "0000"},
            {"StandingDoneButton", "1111 idle"}};
        for (const auto& [name, expected] : steps) {
            if (auto* action = w->findChild<QAction*>(name)) action->trigger();
            if (auto* button = w->findChild<QAbstractButton*>(name)) button->click();
            if (QString(name) == "choose") w->Combo1->setEditText(w->Combo1->itemText(3));
            QCOMPARE(state(), QString(expected));
        }
        // Done hides every part of the view it closes.
        QVERIFY(w->List1->isHidden() && w->SchDoneButton->isHidden() && !w->Blockpredictbutton->isEnabled());
        QVERIFY(w->schframe->isHidden() && w->List2->isHidden() && w->StandPrintButton->isHidden());
    }

    void schedulePrintsSelection() {
        Main w;
        w->Sechalfmenu->trigger();
        w->List1->item(2)->setSelected(true);
        w->List1->item(7)->setSelected(true);
        w->SchPrintButton->click();
        QCOMPARE(w.app.dialogs.shown.back().text, std::string("Ready to send Schedule to the Printer."));
        QCOMPARE(w.app.printers.jobs.size(), size_t(1));
        const auto printed = w.app.printers.Last().Texts();
        QCOMPARE(printed.size(), size_t(5));
        QCOMPARE(QString::fromStdString(printed[3]), "        " + w->List1->item(2)->text());
        QCOMPARE(QString::fromStdString(printed[4]), "        " + w->List1->item(7)->text());
        // Cancelled: nothing goes out.
        w.app.dialogs.answers.push_back(Answer::Cancel);
        w->SchPrintButton->click();
        QCOMPARE(w.app.printers.jobs.size(), size_t(1));
    }

    void blockPredictionsHideMain() {
        Main w;
        w->Monthlyschedulemenu[3]->trigger();
        w->List1->item(0)->setSelected(true);
        w->List1->item(1)->setSelected(true);
        w->Blockpredictbutton->click();
        QCOMPARE(w->OpenSubWindows().size(), size_t(1));
        auto* block = qobject_cast<BlockPredictForm*>(w->OpenSubWindows()[0]);
        QVERIFY(block && block->isVisible() && w->isHidden());
        w->CloseSubWindow(block);
        QVERIFY(!w->isHidden() && w->OpenSubWindows().empty());
    }

    void standingsView() {
        Main w;
        w->Toolbutton[3]->click();
        QVERIFY(!w->List2->isHidden() && w->List2->count() > 29 && w->Waiting());
        QCOMPARE(w->List2->item(1)->text(), QString("              NATIONAL BASKETBALL LEAGUE STANDINGS"));
        w->StandPrintButton->click();
        QCOMPARE(w.app.dialogs.shown.back().text, std::string("Ready to send Standings to the Printer."));
        w.app.timers.Advance(599);
        QVERIFY(w->Waiting());
        w.app.timers.Advance(1);
        QVERIFY(!w->Waiting());
    }

    // Whatever opens or closes over a view, the menus and the page follow the view: View Standings
    // cannot come back on over a schedule, and the user cannot reach what a locked menu holds.
    void menusFollowTheView_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("over");
        for (const char* view : {"fhalfschmenu", "teamschedulemenu", "standingsmenu"})
            for (const char* over : {"programmingmenu", "Command1", "aboutmenu", "disabled"})
                QTest::addRow("%s, %s", view, over) << QString(view) << QString(over);
    }

    void menusFollowTheView() {
        QFETCH(QString, view);
        QFETCH(QString, over);
        Main w;
        auto state = [&] {
            QString menus;
            for (QMenu* menu : {w->emenu, w->smeu, w->STmenu, w->rmenu}) menus += MenuOn(menu) ? '1' : '0';
            return menus + Enabled(w.w.get()) +
                   w->findChild<QStackedWidget*>("views")->currentWidget()->objectName();
        };
        w->findChild<QAction*>(view)->trigger();
        const QString before = state();
        w->setEnabled(false);
        w->setEnabled(true);
        if (over != "disabled") {
            if (auto* action = w->findChild<QAction*>(over)) action->trigger();
            if (auto* button = w->findChild<QAbstractButton*>(over)) button->click();
            w->programmingmenu->trigger();  // pressed through the accessibility bus
            w->Predictionsmenu->trigger();
            QCOMPARE(w->OpenSubWindows().size(), size_t(1));
            w->CloseSubWindow(w->OpenSubWindows()[0]);
        }
        QApplication::processEvents();
        QCOMPARE(state(), before);
        w->standingsmenu->trigger();  // out of reach while any view is on show
        QCOMPARE(state(), before);
    }

    // Restored from the task bar, the greyed main window passes the focus to the sub-window.
    void focusGoesToTheWorkingWindow() {
        Main w;
        w->show();
        w->Settingsmenu->trigger();
        QWidget* settings = w->WorkingSubWindow();
        QVERIFY(QTest::qWaitForWindowActive(settings));
        w->activateWindow();
        QTRY_VERIFY(settings->isActiveWindow());
    }

    // The menu's sub-windows are held by the desktop manners test; here the globe, help and About.
    void globeHelpAndAbout() {
        Main w;
        w->Command1->click();
        QCOMPARE(w->OpenSubWindows().size(), size_t(1));
        w->CloseSubWindow(w->OpenSubWindows()[0]);
        w->Infomenu->trigger();
        w->searchmenu->trigger();
        QCOMPARE(w.app.help.topics, std::vector<std::string>{"Contents"});
        QCOMPARE(w.app.help.searches, 1);
        // About: the splash again, a sub-window like any other: the main window is disabled until it
        // goes, and one left open goes with the main window.
        for (bool leftOpen : {false, true}) {
            w->aboutmenu->trigger();
            QCOMPARE(w->OpenSubWindows().size(), size_t(1));
            QPointer<QWidget> splash = w->OpenSubWindows()[0];
            QVERIFY(!w->isEnabled() && splash->isVisible() && splash->objectName() == "Form1");
            if (leftOpen)
                w.w.reset();
            else
                QTest::keyClick(splash, Qt::Key_Space);
            QVERIFY(leftOpen ? splash.isNull()
                             : !splash->isVisible() && w->isEnabled() && w->OpenSubWindows().empty());
        }
    }

    void exitReportsFailedSave() {
        Main w;
        // A settings path inside a missing folder cannot be written; a good path saves silently.
        w.app.nba.IniPath = w.app.DataDir() + "/no such folder/TVX.ini";
        w->Exitmenu_Click();
        w.app.nba.IniPath = w.app.DataDir() + "/TVX.ini";
        w->Exitmenu_Click();
        QCOMPARE(w.app.dialogs.beeps, 1);
        QCOMPARE(w.app.dialogs.shown.size(), size_t(1));
        const auto& m = w.app.dialogs.shown[0];
        QCOMPARE(m.text + "|" + m.title, "Unable to save settings to disk\r\n\r\n" + w.app.DataDir() +
                                             "/no such folder/TVX.ini: " + std::strerror(ENOENT) +
                                             ".|Tavix Setup");
        QCOMPARE(m.icon, Icon::Exclamation);
        QVERIFY(QFile::exists(w.app.dir.filePath("TVX.ini")));
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
