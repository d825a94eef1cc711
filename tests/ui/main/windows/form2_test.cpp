// The main window: menus, tool bar rules, resizing, the Edit commands, loading, the schedule
// and standings views on the supplied data, printing and the window host.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "core/data_files.h"
#include "platform/twips.h"
#include "predictions/windows/blockpredictform.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/schedule_views.h"
#include "ui/main/windows/form2.h"

using namespace tavix;
using tavix::testing::TestApp;

namespace {

std::unique_ptr<Form2> MakeMain(TestApp& app) {
    auto w = std::make_unique<Form2>(app.nba, app.dialogs, app.clock, app.printers, app.help, app.DataDir());
    w->show();
    return w;
}

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromLatin1(l.c_str());
    return out;
}

bool MenuOn(QMenu* menu) { return menu->menuAction()->isEnabled(); }

// Saves a picture of a window when TAVIX_GALLERY_DIR names a folder.
void Grab(QWidget* w, const QString& name) {
    const QByteArray dir = qgetenv("TAVIX_GALLERY_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    w->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
  private slots:
    void menusInOrder();
    void toolButtonRules_data();
    void toolButtonRules();
    void hintsOnlyWhileIdle();
    void idleDecorationOnlyWhileIdle_data();
    void idleDecorationOnlyWhileIdle();
    void resizeSnap_data();
    void resizeSnap();
    void editCommands_data();
    void editCommands();
    void loadingMessageOnce_data();
    void loadingMessageOnce();
    void scheduleViews_data();
    void scheduleViews();
    void teamViews_data();
    void teamViews();
    void teamPanelChoices();
    void menuLocking();
    void schedulePrintsSelection();
    void blockPredictionsHideMain();
    void standingsView();
    void subWindowsDisableMain();
    void exitReportsFailedSave();
    void gallery();
};

void Form2Test::menusInOrder() {
    TestApp app;
    auto w = MakeMain(app);
    // Name and caption of every menu and item, in order; "-" for separators, ">" opens a submenu.
    const QStringList expected = {"Fmenu:&File",
                                  "programmingmenu:Programming Information",
                                  "dashmenu:-",
                                  "Settingsmenu:Tavix &Settings",
                                  "printersetupmenu:&Printer Setup",
                                  "b1:-",
                                  "Exitmenu:E&xit",
                                  "emenu:&Edit  ",
                                  "editmenu(1):Cu&t",
                                  "editmenu(2):&Copy",
                                  "editmenu(3):&Paste",
                                  "b3:-",
                                  "Namesmenu:Edit Names && Locations",
                                  "newseasonmenu:New Season Setup",
                                  "smeu:&Schedules/Predictions",
                                  "fhalfschmenu:* &First Half Season (Nov - Jan)",
                                  "Sechalfmenu:&Second half of the Season (Feb - May)",
                                  ">Monmenu:Schedules by &Month",
                                  "Monthlyschedulemenu(0):* &November",
                                  "Monthlyschedulemenu(1):* &December",
                                  "Monthlyschedulemenu(2):* &January",
                                  "Monthlyschedulemenu(3):&February",
                                  "Monthlyschedulemenu(4):&March",
                                  "Monthlyschedulemenu(5):&April / May",
                                  "teamschedulemenu:&Team Schedules",
                                  "STmenu:S&tatistics  ",
                                  "Predictionsmenu:Single Game &Predictions",
                                  "dash:-",
                                  "ratingmenu:Team &Ratings  - Sortable Database",
                                  "sp:-",
                                  "updatemenu:&Update Statistics",
                                  "gatherstatmenu:Statistics Form",
                                  "s2:-",
                                  "standingsmenu:View Standings",
                                  "sepbar1:-",
                                  "pseasonmenu:Play-Off Forecast ",
                                  "sepbar2:-",
                                  "Rostermenu:Team Rosters - Players / Coaching",
                                  "rmenu:&Rules && Info...  ",
                                  "Plmenu: Game && Player Rules",
                                  "Readingmenu: Recommended Reading",
                                  "s1:-",
                                  "websitemenu:Recommended &Web Sites",
                                  "addressmenu:Team Mailing Addresses",
                                  "hmenu:  &Help",
                                  "Infomenu:&Help Contents",
                                  "searchmenu:&Search for Help on...",
                                  "b2:-",
                                  "aboutmenu:&About Tavix"};
    QStringList found;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu()) {
                found << ">" + a->objectName() + ":" + a->text();
                walk(a->menu());
            } else {
                found << a->objectName() + ":" + (a->isSeparator() ? "-" : a->text());
            }
        }
    };
    for (QAction* top : w->menuBar()->actions()) {
        found << top->objectName() + ":" + top->text();
        walk(top->menu());
    }
    QCOMPARE(found, expected);
    // Every menu and item can be found by its name.
    QVERIFY(w->findChild<QMenu*>("Monmenu"));
    QVERIFY(w->findChild<QAction*>("Monthlyschedulemenu(5)"));
}

// The state the window is in when a tool button is pressed, and whether each button acts.
void Form2Test::toolButtonRules_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("acts");
    for (int i = 0; i < 5; ++i) QTest::newRow(qPrintable(QString("idle %1").arg(i))) << "idle" << i << true;
    const bool inSchedule[5] = {true, false, false, false, true};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(QString("schedule %1").arg(i))) << "schedule" << i << inSchedule[i];
    for (int i = 0; i < 5; ++i)
        QTest::newRow(qPrintable(QString("standings %1").arg(i))) << "standings" << i << false;
}

void Form2Test::toolButtonRules() {
    QFETCH(QString, state);
    QFETCH(int, index);
    QFETCH(bool, acts);
    TestApp app;
    auto w = MakeMain(app);
    if (state == "schedule") w->Monthlyschedulemenu[0]->trigger();  // a first-half view
    if (state == "standings") w->standingsmenu->trigger();
    const QStringList before = Items(w->List1);
    const int standingsLines = w->List2->count();

    w->Toolbutton_Click(index);

    bool acted = false;
    switch (index) {
        case 0:
            acted = !w->List1->isHidden() && Items(w->List1) == Lines(SecondHalfLines(app.nba)) &&
                    Items(w->List1) != before;
            break;
        case 1:
        case 2:
            acted = w->OpenSubWindows().size() == 1;
            break;
        case 3:
            acted = !w->List2->isHidden() && standingsLines == 0;
            break;
        case 4:
            acted = app.help.topics == std::vector<std::string>{"Contents"};
            break;
    }
    QCOMPARE(acted, acts);
}

// The faint ball and the season's caption stand where the lists and the team panel open: a piece
// of them showing around a view looks like a drawing fault, so they go while any view is up.
void Form2Test::idleDecorationOnlyWhileIdle_data() {
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::newRow("team panel, cancelled") << "teamschedulemenu"
                                           << "TeamSelectCancel";
    QTest::newRow("team panel, then a schedule") << "teamschedulemenu"
                                                 << "TeamSelButton";
    QTest::newRow("schedule") << "Sechalfmenu"
                              << "SchDoneButton";
    QTest::newRow("standings") << "standingsmenu"
                               << "StandingDoneButton";
}

void Form2Test::idleDecorationOnlyWhileIdle() {
    QFETCH(QString, open);
    QFETCH(QString, close);
    TestApp app;
    auto w = MakeMain(app);
    QVERIFY(w->Shape1->isVisible() && w->Text1->isVisible());

    w->findChild<QAction*>(open)->trigger();
    QVERIFY(!w->Shape1->isVisible() && !w->Text1->isVisible());
    if (close == "TeamSelButton") {
        w->Combo1->setEditText(w->Combo1->itemText(3));
        w->TeamSelButton->click();
        QVERIFY(!w->List1->isHidden());  // the team's schedule took the panel's place
        QVERIFY(!w->Shape1->isVisible() && !w->Text1->isVisible());
        close = "SchDoneButton";
    }
    w->findChild<QAbstractButton*>(close)->click();
    QVERIFY(w->Shape1->isVisible() && w->Text1->isVisible());
}

void Form2Test::hintsOnlyWhileIdle() {
    TestApp app;
    auto w = MakeMain(app);
    w->Toolbutton_MouseMove(2);
    for (int i = 0; i < 5; ++i) QCOMPARE(w->Label1[i]->isHidden(), i != 2);
    QCOMPARE(w->Label1[4]->text(), QString("Help & Info"));
    QCOMPARE(w->Timer1->interval(), 5000);
    QVERIFY(w->Timer1->isActive());
    QMetaObject::invokeMethod(w->Timer1, "timeout");
    for (int i = 0; i < 5; ++i) QVERIFY(w->Label1[i]->isHidden());
    w->Toolbutton_MouseMove(1);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w->Panel3D1, &move);
    QVERIFY(w->Label1[1]->isHidden());

    // With a view open the hints stay away; ButtonsOff/ButtonsOn follow the view.
    w->Sechalfmenu->trigger();
    w->Toolbutton_MouseMove(0);
    QVERIFY(w->Label1[0]->isHidden());
    QVERIFY(w->Toolbutton[0]->isEnabled());
    for (int i = 1; i <= 3; ++i) QVERIFY(!w->Toolbutton[i]->isEnabled());
    QVERIFY(w->Toolbutton[4]->isEnabled());
    w->SchDoneButton->click();
    w->standingsmenu->trigger();
    for (int i = 0; i <= 3; ++i) QVERIFY(!w->Toolbutton[i]->isEnabled());
    QVERIFY(w->Toolbutton[4]->isEnabled());
    w->StandingDoneButton->click();
    for (int i = 0; i < 5; ++i) QVERIFY(w->Toolbutton[i]->isEnabled());
}

void Form2Test::resizeSnap_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expectedWidth");
    QTest::addColumn<int>("expectedHeight");
    QTest::newRow("smaller kept") << 6000 << 4000 << 6000 << 4000;
    QTest::newRow("largest kept") << 9555 << 6375 << 9555 << 6375;
    QTest::newRow("wider snaps") << 9800 << 5000 << 9555 << 6375;
    QTest::newRow("taller snaps") << 7000 << 6500 << 9555 << 6375;
    QTest::newRow("both snap") << 12000 << 9000 << 9555 << 6375;
}

void Form2Test::resizeSnap() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, expectedWidth);
    QFETCH(int, expectedHeight);
    TestApp app;
    auto w = MakeMain(app);
    QCOMPARE(w->size(), TwipsSize(9555, 6315));
    w->resize(TwipsSize(width, height));
    QApplication::processEvents();
    QCOMPARE(w->size(), TwipsSize(expectedWidth, expectedHeight));
}

void Form2Test::editCommands_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboard");
    // "Hello World" with "World" selected; the clipboard starts with "paste me".
    for (QString box : {"line", "text", "plain", "combo"}) {
        QTest::newRow(qPrintable(box + " cut")) << box << 1 << "Hello "
                                                << "World";
        QTest::newRow(qPrintable(box + " copy")) << box << 2 << "Hello World"
                                                 << "World";
        QTest::newRow(qPrintable(box + " paste")) << box << 3 << "Hello paste me"
                                                  << "paste me";
    }
    QTest::newRow("list cut") << "list" << 1 << ""
                              << "paste me";
    QTest::newRow("button paste") << "button" << 3 << ""
                                  << "paste me";
}

void Form2Test::editCommands() {
    QFETCH(QString, box);
    QFETCH(int, command);
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    TestApp app;
    auto w = MakeMain(app);
    QWidget other;  // a sub-window holding the control with the focus
    QWidget* focus = nullptr;
    std::function<QString()> read = [] { return QString(); };
    if (box == "line" || box == "combo") {
        QLineEdit* line;
        if (box == "combo") {
            auto* combo = new QComboBox(&other);
            combo->setEditable(true);
            line = combo->lineEdit();
            focus = combo;
        } else {
            line = new QLineEdit(&other);
            focus = line;
        }
        line->setText("Hello World");
        line->setSelection(6, 5);
        read = [line] { return line->text(); };
    } else if (box == "text" || box == "plain") {
        QTextCursor cursor;
        if (box == "text") {
            auto* edit = new QTextEdit(&other);
            edit->setPlainText("Hello World");
            cursor = edit->textCursor();
            cursor.setPosition(6);
            cursor.setPosition(11, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
            focus = edit;
            read = [edit] { return edit->toPlainText(); };
        } else {
            auto* edit = new QPlainTextEdit(&other);
            edit->setPlainText("Hello World");
            cursor = edit->textCursor();
            cursor.setPosition(6);
            cursor.setPosition(11, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
            focus = edit;
            read = [edit] { return edit->toPlainText(); };
        }
    } else if (box == "list") {
        focus = new QListWidget(&other);
    } else {
        focus = new QPushButton("Press", &other);
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

void Form2Test::loadingMessageOnce_data() {
    QTest::addColumn<QStringList>("missing");
    QTest::newRow("schedule missing") << QStringList{kScheduleFile};
    QTest::newRow("statistics missing") << QStringList{kStatisticsFile};
    QTest::newRow("every file missing") << QStringList{kStatisticsFile, kScheduleFile, kNamesFile};
    QTest::newRow("nothing missing") << QStringList{};
}

void Form2Test::loadingMessageOnce() {
    QFETCH(QStringList, missing);
    TestApp app;
    for (const QString& name : missing) QVERIFY(QFile::remove(app.dir.filePath(name)));
    NBA fresh;
    Form2 w(fresh, app.dialogs, app.clock, app.printers, app.help, app.DataDir());
    w.Form_Load(app.DataDir() + "/TVX.ini");
    if (missing.isEmpty()) {
        QVERIFY(app.dialogs.shown.empty());
        QCOMPARE(fresh.SecondHalfCount, app.nba.SecondHalfCount);
        return;
    }
    QCOMPARE(app.dialogs.shown.size(), size_t(1));
    QCOMPARE(app.dialogs.shown[0].title, std::string(kLoadingMessageTitle));
    QCOMPARE(app.dialogs.shown[0].text, std::string(kLoadingMessageText));
    QCOMPARE(app.dialogs.shown[0].icon, Icon::Exclamation);
    QCOMPARE(w.size(), TwipsSize(9555, 6315));
}

void Form2Test::scheduleViews_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<int>("count");
    QTest::newRow("first half") << "fhalfschmenu"
                                << "   No games: the lockout" << 1;
    QTest::newRow("second half") << "Sechalfmenu"
                                 << "  Friday, February 5, 1999" << 905;
    QTest::newRow("november") << "Monthlyschedulemenu(0)"
                              << "   No games: the lockout" << 1;
    QTest::newRow("january") << "Monthlyschedulemenu(2)"
                             << "   No games: the lockout" << 1;
    QTest::newRow("february") << "Monthlyschedulemenu(3)"
                              << "  Friday, February 5, 1999" << 234;
    QTest::newRow("march") << "Monthlyschedulemenu(4)"
                           << "  Monday, March 1, 1999" << 312;
    QTest::newRow("april / may") << "Monthlyschedulemenu(5)"
                                 << "  Thursday, April 1, 1999" << 359;
}

void Form2Test::scheduleViews() {
    QFETCH(QString, command);
    QFETCH(QString, firstLine);
    QFETCH(int, count);
    TestApp app;
    auto w = MakeMain(app);
    w->findChild<QAction*>(command)->trigger();
    QVERIFY(!w->List1->isHidden());
    QCOMPARE(w->List1->count(), count);
    QVERIFY2(w->List1->item(0)->text().startsWith(firstLine), qPrintable(w->List1->item(0)->text()));
    for (QWidget* b : {static_cast<QWidget*>(w->SchPrintButton), static_cast<QWidget*>(w->Blockpredictbutton),
                       static_cast<QWidget*>(w->SchInfobutton), static_cast<QWidget*>(w->SchDoneButton)})
        QVERIFY(!b->isHidden() && b->isEnabled());
    w->SchInfobutton->click();
    QCOMPARE(app.help.topics.back(), std::string("Printing Methods, Print area selection"));
}

void Form2Test::teamViews_data() {
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("games");
    // The lockout season: 50 games a team, 25 at home and 25 on the road.
    QTest::newRow("boston all") << "Boston Celtics" << 0 << "  BOSTON CELTICS SCHEDULE  (all times Eastern)"
                                << 50;
    QTest::newRow("boston home") << "Boston Celtics" << 1
                                 << "  BOSTON CELTICS HOME SCHEDULE  (all times Eastern)" << 25;
    QTest::newRow("lakers road") << "L. A. Lakers" << 2 << "  L. A. LAKERS ROAD SCHEDULE  (all times Eastern)"
                                 << 25;
    QTest::newRow("clippers road") << "L.A. Clippers" << 2
                                   << "  L.A. CLIPPERS ROAD SCHEDULE  (all times Eastern)" << 25;
    QTest::newRow("typed nickname") << "Jazz" << 0 << "  UTAH JAZZ SCHEDULE  (all times Eastern)" << 50;
}

void Form2Test::teamViews() {
    QFETCH(QString, combo);
    QFETCH(int, type);
    QFETCH(QString, heading);
    QFETCH(int, games);
    TestApp app;
    auto w = MakeMain(app);
    w->teamschedulemenu->trigger();
    QCOMPARE(w->Combo1->count(), 29);
    QCOMPARE(w->Combo1->currentText(), QString("        Select Team Below"));
    w->schtype[type]->setChecked(true);
    w->Combo1->setEditText(combo);
    w->TeamSelButton->click();
    QVERIFY(w->Combo1->isHidden());
    QCOMPARE(w->ScheduleMode(), static_cast<TeamScheduleMode>(type));
    QCOMPARE(w->List1->item(0)->text(), heading);
    QCOMPARE(w->List1->count(), 1 + 3 * games);
    QCOMPARE(Items(w->List1),
             Lines(TeamScheduleLines(app.nba, app.nba.SelectedTeam, static_cast<TeamScheduleMode>(type))));
    for (int i = 1; i < w->List1->count(); i += 3) {
        QCOMPARE(w->List1->item(i)->text(), QString(" "));
        QVERIFY(w->List1->item(i + 1)->text().contains("1999"));
    }
}

void Form2Test::teamPanelChoices() {
    TestApp app;
    auto w = MakeMain(app);
    // The prompt and an empty text only beep; the panel stays.
    w->teamschedulemenu->trigger();
    w->TeamSelButton->click();
    w->Combo1->setEditText("");
    w->TeamSelButton->click();
    QCOMPARE(app.dialogs.beeps, 2);
    QVERIFY(!w->Combo1->isHidden());
    // A name that ends in no nickname closes the panel and lists nothing.
    w->Combo1->setEditText("Nobody");
    w->TeamSelButton->click();
    QVERIFY(w->Combo1->isHidden());
    QCOMPARE(w->List1->count(), 0);
    QCOMPARE(app.nba.SelectedTeam, int16_t(0));
    QVERIFY(MenuOn(w->STmenu));
    // A double click in the combo chooses like the button does.
    w->teamschedulemenu->trigger();
    w->Combo1->setCurrentIndex(1);
    QTest::mouseDClick(w->Combo1->lineEdit(), Qt::LeftButton);
    QCOMPARE(w->List1->item(0)->text(), QString("  MIAMI HEAT SCHEDULE  (all times Eastern)"));
}

void Form2Test::menuLocking() {
    TestApp app;
    auto w = MakeMain(app);
    auto menus = [&] {
        return QList<bool>{MenuOn(w->emenu), MenuOn(w->smeu), MenuOn(w->STmenu), MenuOn(w->rmenu)};
    };
    const QList<bool> all{true, true, true, true};
    const QList<bool> schedule{false, true, false, false};
    const QList<bool> standings{false, false, false, false};
    QCOMPARE(menus(), all);
    w->Monthlyschedulemenu[4]->trigger();
    QCOMPARE(menus(), schedule);
    w->SchDoneButton->click();
    QCOMPARE(menus(), all);
    QVERIFY(w->List1->isHidden() && w->SchDoneButton->isHidden() && !w->Blockpredictbutton->isEnabled());
    w->teamschedulemenu->trigger();
    QCOMPARE(menus(), schedule);
    w->TeamSelectCancel->click();
    QCOMPARE(menus(), all);
    QVERIFY(w->schframe->isHidden());
    w->standingsmenu->trigger();
    QCOMPARE(menus(), standings);
    w->StandingDoneButton->click();
    QCOMPARE(menus(), all);
    QVERIFY(w->List2->isHidden() && w->StandPrintButton->isHidden());
}

void Form2Test::schedulePrintsSelection() {
    TestApp app;
    auto w = MakeMain(app);
    w->Sechalfmenu->trigger();
    w->List1->item(2)->setSelected(true);
    w->List1->item(7)->setSelected(true);
    w->SchPrintButton->click();
    QCOMPARE(app.dialogs.shown.back().text, std::string("Ready to send Schedule to the Printer."));
    QCOMPARE(app.printers.jobs.size(), size_t(1));
    const auto printed = app.printers.Last().Texts();
    QCOMPARE(printed.size(), size_t(5));
    QCOMPARE(QString::fromStdString(printed[3]), "        " + w->List1->item(2)->text());
    QCOMPARE(QString::fromStdString(printed[4]), "        " + w->List1->item(7)->text());
    // Cancelled: nothing goes out.
    app.dialogs.answers.push_back(Answer::Cancel);
    w->SchPrintButton->click();
    QCOMPARE(app.printers.jobs.size(), size_t(1));
}

void Form2Test::blockPredictionsHideMain() {
    TestApp app;
    auto w = MakeMain(app);
    w->Monthlyschedulemenu[3]->trigger();
    w->List1->item(0)->setSelected(true);
    w->List1->item(1)->setSelected(true);
    w->Blockpredictbutton->click();
    QCOMPARE(w->OpenSubWindows().size(), size_t(1));
    auto* block = qobject_cast<BlockPredictForm*>(w->OpenSubWindows()[0]);
    QVERIFY(block);
    QVERIFY(block->isVisible());
    QVERIFY(w->isHidden());
    w->CloseSubWindow(block);
    QVERIFY(!w->isHidden());
    QVERIFY(w->OpenSubWindows().empty());
}

void Form2Test::standingsView() {
    TestApp app;
    auto w = MakeMain(app);
    w->Toolbutton[3]->click();
    QVERIFY(!w->List2->isHidden());
    QVERIFY(w->List2->count() > 29);
    QCOMPARE(w->List2->item(1)->text(), QString("              NATIONAL BASKETBALL LEAGUE STANDINGS"));
    QVERIFY(w->Waiting());
    w->StandPrintButton->click();
    QCOMPARE(app.dialogs.shown.back().text, std::string("Ready to send Standings to the Printer."));
    QCOMPARE(app.printers.Last().Texts().size(), size_t(3 + w->List2->count()));
    QVERIFY(QTest::qWaitFor([&] { return !w->Waiting(); }, 2000));
}

void Form2Test::subWindowsDisableMain() {
    TestApp app;
    auto w = MakeMain(app);
    for (QAction* a :
         {w->programmingmenu, w->Settingsmenu, w->Namesmenu, w->Predictionsmenu, w->ratingmenu, w->updatemenu,
          w->pseasonmenu, w->Rostermenu, w->Plmenu, w->websitemenu, w->addressmenu}) {
        a->trigger();
        QCOMPARE(w->OpenSubWindows().size(), size_t(1));
        QWidget* sub = w->OpenSubWindows()[0];
        QVERIFY2(!w->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(sub->isEnabled() && sub->isVisible());
        w->CloseSubWindow(sub);
        QVERIFY2(w->OpenSubWindows().empty(), qPrintable(a->objectName()));
        QVERIFY(w->isEnabled());
    }
    w->Command1->click();
    QCOMPARE(w->OpenSubWindows().size(), size_t(1));
    w->CloseSubWindow(w->OpenSubWindows()[0]);
    // Help contents and search.
    w->Infomenu->trigger();
    w->searchmenu->trigger();
    QCOMPARE(app.help.topics, std::vector<std::string>{"Contents"});
    QCOMPARE(app.help.searches, 1);
    // About: the splash again, the main window disabled until it goes.
    w->aboutmenu->trigger();
    QVERIFY(!w->isEnabled());
    QWidget* splash = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "Form1" && top->isVisible()) splash = top;
    QVERIFY(splash);
    QTest::keyClick(splash, Qt::Key_Space);
    QVERIFY(w->isEnabled());
    QVERIFY(!splash->isVisible());
}

void Form2Test::exitReportsFailedSave() {
    TestApp app;
    auto w = MakeMain(app);
    // A settings path inside a missing folder cannot be written.
    app.nba.IniPath = app.DataDir() + "/no such folder/TVX.ini";
    w->Exitmenu_Click();
    QCOMPARE(app.dialogs.beeps, 1);
    QCOMPARE(app.dialogs.shown.size(), size_t(1));
    QCOMPARE(app.dialogs.shown[0].text, std::string("Unable to save settings to disk"));
    QCOMPARE(app.dialogs.shown[0].title, std::string("Tavix Setup"));
    QCOMPARE(app.dialogs.shown[0].icon, Icon::Exclamation);
    // A good path saves silently.
    app.nba.IniPath = app.DataDir() + "/TVX.ini";
    w->Exitmenu_Click();
    QCOMPARE(app.dialogs.shown.size(), size_t(1));
    QVERIFY(QFile::exists(app.dir.filePath("TVX.ini")));
}

void Form2Test::gallery() {
    TestApp app;
    auto w = MakeMain(app);
    QApplication::processEvents();
    Grab(w.get(), "form2-idle");
    w->Toolbutton_MouseMove(1);
    Grab(w.get(), "form2-hint");
    w->HideHints();
    w->Monthlyschedulemenu[4]->trigger();
    for (int i = 3; i < 9; ++i) w->List1->item(i)->setSelected(true);
    Grab(w.get(), "form2-month");
    w->teamschedulemenu->trigger();
    Grab(w.get(), "form2-team-panel");
    w->schtype[2]->setChecked(true);
    w->Combo1->setEditText("Boston Celtics");
    w->TeamSelButton->click();
    Grab(w.get(), "form2-team-road");
    w->SchDoneButton->click();
    w->standingsmenu->trigger();
    Grab(w.get(), "form2-standings");
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
