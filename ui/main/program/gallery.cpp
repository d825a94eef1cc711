// tavix-gallery: opens every window of Tavix on a copy of the supplied data, the way a user would
// reach it, and saves a picture of each into a folder (the README's gallery is made from them).
//
//   tavix-gallery --data DIR --out DIR
//
// DIR for --data is changed (it is where the program saves), so give it a copy. Run it offscreen
// or under Xvfb. Printouts go through the desktop printer: with no printer installed they become
// PDF files in $TAVIX_PRINTOUT_DIR.
#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCommandLineParser>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <memory>

#include "core/data_files.h"
#include "forecast/windows/pseason.h"
#include "platform/app_paths.h"
#include "platform/help_viewer.h"
#include "platform/program_style.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_printer.h"
#include "platform/system_clock.h"
#include "reference/windows/textrulesform.h"
#include "reference/windows/webform.h"
#include "settings/windows/setfont.h"
#include "ui/main/windows/artwork.h"
#include "ui/main/windows/form1.h"
#include "ui/main/windows/form2.h"
#include "ui/main/windows/replay_commands.h"

namespace {

using namespace tavix;

QString g_out;
int g_failures = 0;

void Fail(const QString& what) {
    std::fprintf(stderr, "tavix-gallery: %s\n", qPrintable(what));
    ++g_failures;
}

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Screenshots of a program's windows have few colours: keep them exact in a palette when they fit
// in 256, which makes the file a fraction of its true-colour size. A window with more (smoothed
// text and pictures) stays in true colour: Qt's own palette is a fixed colour cube, which turns
// pale tints into the cube's nearest corners and shows faults that are not in the window.
QImage Compact(const QImage& picture) {
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QVector<QRgb> table;
    QHash<QRgb, int> index;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (index.contains(line[x])) continue;
            if (table.size() == 256) return rgb;
            index.insert(line[x], static_cast<int>(table.size()));
            table.push_back(line[x]);
        }
    }
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) out[x] = static_cast<uchar>(index.value(line[x]));
    }
    return indexed;
}

void Shoot(QWidget* window, const QString& name) {
    if (!window) {
        Fail("no window for " + name);
        return;
    }
    Settle();
    const QString path = QDir(g_out).filePath(name + ".png");
    if (!Compact(window->grab().toImage()).save(path, "PNG", 9))
        Fail("could not save " + path);
    else
        std::printf("%s\n", qPrintable(path));
}

// The desktop message boxes, each answered with its positive button as soon as it is up; the next
// one can be photographed first.
class AnsweringDialogs : public Dialogs {
  public:
    void ShootNext(const QString& name) { nextShot_ = name; }

    Answer Show(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                DefaultButton defaultButton = DefaultButton::First) override {
        const QString shot = nextShot_;
        nextShot_.clear();
        QTimer::singleShot(0, [shot] { AnswerBox(shot, 0); });
        return boxes_.Show(text, title, buttons, icon, defaultButton);
    }
    void Beep() override {}

  private:
    static void AnswerBox(const QString& shot, int tries) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (tries < 50) QTimer::singleShot(20, [shot, tries] { AnswerBox(shot, tries + 1); });
            return;
        }
        if (!shot.isEmpty()) Shoot(box, shot);
        for (QAbstractButton* button : box->buttons()) {
            const auto role = box->buttonRole(button);
            if (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole) {
                button->click();
                return;
            }
        }
        box->accept();
    }

    QtDialogs boxes_;
    QString nextShot_;
};

// Every picture shows the same day: the last day of the regular season, when the supplied
// statistics were brought up to date.
class GalleryClock : public Clock {
  public:
    Date Today() const override { return Date{1999, 5, 5}; }
};

QWidget* NewestSubWindow(Form2& main, const QSet<QWidget*>& before) {
    for (QWidget* window : main.OpenSubWindows())
        if (!before.contains(window)) return window;
    return nullptr;
}

QSet<QWidget*> OpenNow(Form2& main) {
    QSet<QWidget*> open;
    for (QWidget* window : main.OpenSubWindows()) open.insert(window);
    return open;
}

// Runs a menu command that opens a sub-window, photographs it (after `prepare`) and closes it.
template <class Prepare>
void ShootSubWindow(Form2& main, QAction* command, const QString& name, Prepare prepare) {
    const QSet<QWidget*> before = OpenNow(main);
    command->trigger();
    Settle();
    QWidget* window = NewestSubWindow(main, before);
    if (!window) {
        Fail("the command for " + name + " opened no window");
        return;
    }
    prepare(window);
    Shoot(window, name);
    window->close();  // the way the user closes it, so it puts back what it changed
    Settle();
}

void ShootSubWindow(Form2& main, QAction* command, const QString& name) {
    ShootSubWindow(main, command, name, [](QWidget*) {});
}

template <class T>
T* Child(QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    if (!child) Fail("no control " + name + " in " + window->windowTitle());
    return child;
}

void Click(QWidget* control) {
    if (control) QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    Settle();
}

// The first `count` games of a day, its date line at the top of the list.
void SelectGames(QListWidget* list, const QString& day, int count) {
    const auto found = list->findItems(day, Qt::MatchContains);
    if (found.isEmpty()) {
        Fail("no " + day + " in the schedule");
        return;
    }
    list->clearSelection();
    list->scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
    for (int row = list->row(found.first()) + 1; row < list->count() && count > 0; ++row, --count)
        list->item(row)->setSelected(true);
}

int Run(const QString& dataDir) {
    AnsweringDialogs dialogs;
    GalleryClock clock;
    QtPrinterProvider printers([&dialogs](const std::string& message) {
        dialogs.Show(message, "Tavix", Buttons::Ok, Icon::Information);
    });
    SystemTimers timers;
    QtHelpLauncher help(dialogs, timers);
    NBA nba;

    QDir::setCurrent(dataDir);
    Form2 main(nba, dialogs, clock, timers, printers, help, dataDir.toStdString());
    main.Form_Load(QDir(dataDir).filePath("TVX.ini").toStdString());
    AppContext& ctx = main.Context();

    // The splash, then the main window behind it.
    auto* splash = new Form1(ctx);
    main.OpenSubWindow(splash);
    Shoot(splash, "splash");
    splash->close();
    Settle();
    main.show();
    Shoot(&main, "main");

    // A month's schedule with five games selected, and their block predictions.
    main.Monthlyschedulemenu[4]->trigger();
    Settle();
    SelectGames(main.List1, "Sunday, March 21, 1999", 5);
    Shoot(&main, "schedule-month");
    {
        const QSet<QWidget*> before = OpenNow(main);
        Click(main.Blockpredictbutton);
        Shoot(NewestSubWindow(main, before), "block-predictions");
        if (QWidget* block = NewestSubWindow(main, before)) block->close();
        Settle();
    }
    main.SchDoneButton_Click();

    // A team's road games, chosen in the team panel.
    main.teamschedulemenu->trigger();
    Settle();
    main.Combo1->setCurrentIndex(std::max(0, main.Combo1->findText("Chicago", Qt::MatchContains)));
    main.schtype[2]->setChecked(true);
    Shoot(&main, "team-panel");
    main.TeamSelButton_Click();
    Shoot(&main, "schedule-team-road");
    main.SchDoneButton_Click();

    // Predictions with a few games predicted: road team first, then the home team.
    ShootSubWindow(main, main.Predictionsmenu, "predictions", [](QWidget* window) {
        const int games[][2] = {{5, 12}, {26, 17}, {2, 27}};
        for (const auto& game : games) {
            Click(Child<QLabel>(window, QString("Clabel(%1)").arg(game[0])));
            Click(Child<QLabel>(window, QString("Clabel(%1)").arg(game[1])));
            Click(Child<QPushButton>(window, "PredictButton"));
        }
        Click(Child<QLabel>(window, "Clabel(3)"));
        Click(Child<QLabel>(window, "Clabel(9)"));
    });

    ShootSubWindow(main, main.updatemenu, "statform");
    ShootSubWindow(main, main.ratingmenu, "vstatsform-current");
    ShootSubWindow(main, main.ratingmenu, "vstatsform-previous",
                   [](QWidget* window) { Click(Child<QPushButton>(window, "seasonbutton")); });
    // The forecast once its odds are worked out, then a team's chances through the season.
    const auto oddsDone = [](QWidget* window) {
        for (auto* f = qobject_cast<Pseason*>(window); f && f->RunningJob(); QThread::msleep(20)) Settle();
    };
    ShootSubWindow(main, main.pseasonmenu, "pseason", oddsDone);
    ShootSubWindow(main, main.pseasonmenu, "pseason-chart", [&](QWidget* window) {
        if (auto* f = qobject_cast<Pseason*>(window)) f->OddsTabs->setCurrentIndex(1);
        oddsDone(window);
    });
    // The prediction record, and its printout (a PDF file with no printer).
    if (auto* record = Child<QAction>(&main, "recordmenu")) {
        ShootSubWindow(main, record, "prediction-record",
                       [](QWidget* window) { Click(Child<QAbstractButton>(window, "PrintButton")); });
    }
    // The settings window; its font chooser first, with a font chosen.
    ShootSubWindow(main, main.Settingsmenu, "settingsform", [&](QWidget* settings) {
        const QSet<QWidget*> before = OpenNow(main);
        Click(Child<QPushButton>(settings, "Command1"));
        QWidget* font = NewestSubWindow(main, before);
        if (auto* list = font ? Child<QListWidget>(font, "List1") : nullptr) {
            const auto found = list->findItems("DejaVu Sans Mono", Qt::MatchExactly);
            if (!found.isEmpty()) {
                list->setCurrentItem(found.first());
                list->scrollToItem(found.first(), QAbstractItemView::PositionAtCenter);
            }
        }
        Shoot(font, "setfont");
        if (font) Click(Child<QAbstractButton>(font, "donebutton"));  // takes the chosen font
    });
    // The standings, printed in the font just chosen: with no printer the page becomes a PDF file.
    main.standingsmenu->trigger();
    Shoot(&main, "standings");
    main.StandPrintButton_Click();
    Settle();
    main.StandingDoneButton_Click();
    Settle();

    // The season replay: a day chosen in the calendar, the main window on that evening with the
    // next day's games still to be played, and the standings of a February evening.
    ShootSubWindow(main, main.Replay().replaydaymenu, "replay-picker", [](QWidget* window) {
        if (auto* calendar = Child<QCalendarWidget>(window, "Calendar1"))
            calendar->setSelectedDate(QDate(1999, 3, 10));
    });
    main.Replay().ShowDay(Date{1999, 3, 10});
    main.Monthlyschedulemenu[4]->trigger();
    Settle();
    if (const auto found = main.List1->findItems("Wednesday, March 10, 1999", Qt::MatchContains);
        !found.isEmpty())
        main.List1->scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
    Shoot(&main, "replay-main");
    main.SchDoneButton_Click();
    main.Replay().ShowDay(Date{1999, 2, 24});
    main.standingsmenu->trigger();
    Shoot(&main, "replay-standings-february");
    main.StandingDoneButton_Click();
    main.Replay().replayendmenu_Click();
    Settle();

    ShootSubWindow(main, main.Namesmenu, "namesform");
    ShootSubWindow(main, main.Rostermenu, "indvstats");
    ShootSubWindow(main, main.Plmenu, "textrulesform", [](QWidget* window) {
        if (auto* rules = qobject_cast<textrulesform*>(window)) rules->Topiclabel_Click(1);
    });
    ShootSubWindow(main, main.Plmenu, "textrulesform-court", [](QWidget* window) {
        if (auto* rules = qobject_cast<textrulesform*>(window)) rules->Topiclabel_Click(7);
    });
    ShootSubWindow(main, main.addressmenu, "addresses");
    ShootSubWindow(main, main.websitemenu, "webform", [](QWidget* window) {
        if (auto* web = qobject_cast<webform*>(window)) web->Label1_Click(2);
    });
    ShootSubWindow(main, main.programmingmenu, "programmers");

    // A message box: the recommended reading.
    dialogs.ShootNext("messagebox");
    main.Readingmenu->trigger();
    Settle();

    // The help at the predictions topic.
    help.ShowHelpTopic(HelpKeyword::Predictions);
    Settle();
    if (HelpWindow* viewer = help.Window()) {
        viewer->resize(900, 600);
        Shoot(viewer, "help");
        viewer->close();
    } else {
        Fail("the help did not open");
    }
    Settle();
    return g_failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallProgramStyle();
    QApplication::setApplicationName("Tavix");
    QApplication::setOrganizationName("Tavix");
    QApplication::setWindowIcon(art::ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription("Pictures of every Tavix window, for the README.");
    parser.addHelpOption();
    parser.addOption({"data", "A copy of the data files (it is changed).", "DIR"});
    parser.addOption({"out", "Where the pictures go.", "DIR"});
    parser.process(app);
    if (!parser.isSet("data") || !parser.isSet("out")) parser.showHelp(2);

    g_out = QDir(parser.value("out")).absolutePath();
    QDir().mkpath(g_out);
    return Run(QDir(parser.value("data")).absolutePath());
}
