// A fan's evening with the whole program: the splash, schedules, predictions for a week and for
// one game, new figures recorded, the standings, ratings and forecast that follow from them, a
// printer font chosen and the standings printed through a real CUPS queue, Exit, and a second
// start that finds everything kept. Real windows (offscreen), the desktop printer and the data
// files in a temporary folder; every message box must be one the fan expects.
// Needs a cups-pdf queue: eval "$(.ci/cups.sh start DIR)" sets TAVIX_CUPS_PRINTER and TAVIX_CUPS_OUT.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/data_files.h"
#include "forecast/windows/pseason.h"
#include "predictions/windows/blockpredictform.h"
#include "predictions/windows/predictions.h"
#include "settings/windows/setfont.h"
#include "settings/windows/settingsform.h"
#include "statistics/windows/statform.h"
#include "statistics/windows/vstatsform.h"
#include "tests/support/qt/journey.h"
#include "ui/main/windows/form1.h"

using namespace tavix;
using tavix::testing::Latin1;
using namespace tavix::testing;

namespace {

const char kFont[] = "DejaVu Sans Mono";
constexpr int kKnicks = 4;

template <class T = QAbstractButton>
T* Control(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

// The full name of the team whose city a schedule line names, as the league data spells it.
QString FullNameOfCity(const NBA& nba, const QString& city) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (Latin1(nba.CityNames[t]) == city) return Latin1(nba.CityNames[t] + " " + nba.TeamNames[t]);
    return QString();
}

QString IniText(const std::string& path) {
    QFile ini(QString::fromStdString(path));
    return ini.open(QIODevice::ReadOnly) ? QString::fromLatin1(ini.readAll()).trimmed() : "<unreadable>";
}

}  // namespace

class EveningCupsTest : public QObject {
    Q_OBJECT
    QString queue_, out_;
    QTemporaryDir dir_;
    std::unique_ptr<Program> app_;

    std::string DataDir() const { return dir_.path().toStdString(); }
    std::string SettingsPath() const { return dir_.filePath("config/TVX.ini").toStdString(); }

    void Start() {
        app_ = std::make_unique<Program>(DataDir(), SettingsPath());
        const std::string unexpected = app_->Load();
        QVERIFY2(unexpected.empty(), unexpected.c_str());
        QVERIFY(app_->report.statisticsOk && app_->report.scheduleOk && app_->report.namesOk);
    }
    // A menu item is only there for the fan when the main window, its menu and the item are on.
    void Choose(QMenu* menu, QAction* item) {
        QVERIFY2(app_->main->isVisible() && app_->main->isEnabled(),
                 qPrintable("no main window: " + item->text()));
        QVERIFY2(menu->menuAction()->isEnabled() && item->isEnabled(), qPrintable(item->text() + " is off"));
        TAVIX_STEP(item->trigger());
    }
    void Click(QAbstractButton* button, const char* what) {
        QVERIFY2(button, what);
        QVERIFY2(button->isVisible() && button->isEnabled() && button->window()->isEnabled(),
                 qPrintable(QString(what) + " cannot be clicked"));
        TAVIX_STEP(button->click());
    }
    void Type(QWidget* window, const char* field, const QString& text) {
        auto* edit = Control<QLineEdit>(window, field);
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text(), text);
    }
    // The one message box a step showed, answered as queued.
    void Answered(const char* text) {
        QVERIFY2(app_->dialogs.answers.empty(), "an expected message box did not appear");
        QCOMPARE(app_->dialogs.shown.back().text + "|" + app_->dialogs.shown.back().title,
                 std::string(text) + "|Tavix");
    }
    void KnicksFigures(const NBA& nba) {
        QCOMPARE(QString("%1-%2 %3 %4")
                     .arg(nba.Wins[kKnicks])
                     .arg(nba.Losses[kKnicks])
                     .arg(nba.OffenseAve[kKnicks])
                     .arg(nba.DefenseAve[kKnicks]),
                 QString("45-5 101.5 88.2"));
    }

  private slots:
    void initTestCase() {
        const CupsSetup cups = FindCupsSetup({"pdftotext", "pdffonts", "lpstat"});
        if (!cups.skip.isEmpty()) QSKIP(qPrintable(cups.skip));
        queue_ = cups.queue;
        out_ = cups.out;
        QVERIFY(dir_.isValid() && QDir(dir_.path()).mkpath("config"));
        CopySuppliedData(dir_.path().toStdString());
    }

    void aFansEvening() {
        TAVIX_CHECKED(Start());
        QVERIFY(!app_->report.settingsOk);  // no settings file yet
        Form2& w = *app_->main;
        const NBA& nba = app_->nba;

        // The splash lets the fan through on Enter.
        QPointer<Form1> splash = new Form1(w.Context());
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(!w.isVisible());
        QTest::keyClick(splash, Qt::Key_Return);
        QTRY_VERIFY(w.isVisible() && w.isEnabled());
        QVERIFY(splash.isNull());

        // March as the schedule file has it, each line indented by two blanks.
        TAVIX_CHECKED(Choose(w.Monmenu, w.Monthlyschedulemenu[4]));
        const int first = nba.MonthStart[7], last = nba.MonthEnd[7];
        QCOMPARE(w.List1->count(), last - first + 1);
        QCOMPARE(w.List1->item(0)->text(), "  " + Latin1(nba.SecondHalfSchedule[first]));
        QVERIFY(!w.STmenu->menuAction()->isEnabled());  // a view is open: statistics wait

        // Utah's road games: a blank separator, the date, the game with Utah as the visitor.
        TAVIX_CHECKED(Choose(w.smeu, w.teamschedulemenu));
        w.Combo1->setCurrentIndex(w.Combo1->findText("Utah Jazz"));
        w.schtype[2]->click();
        TAVIX_CHECKED(Click(w.TeamSelButton, "TeamSelButton"));
        const QStringList road = Items(w.List1);
        QCOMPARE(road.value(0), QString("  UTAH JAZZ ROAD SCHEDULE  (all times Eastern)"));
        QCOMPARE(road.size(), 1 + 3 * 25);  // half of the 50-game season
        QCOMPARE(road.filter(QRegularExpression("^ $")).size(), 25);
        QCOMPARE(road.filter(QRegularExpression("^  \\w+day, .*1999")).size(), 25);
        QCOMPARE(road.filter(QRegularExpression("^  Utah +at ")).size(), 25);
        TAVIX_CHECKED(Click(w.SchDoneButton, "SchDoneButton"));
        QVERIFY(w.List1->isHidden() && w.STmenu->menuAction()->isEnabled());

        // A week of predictions: a blank line, then every selected line, games as predictions.
        TAVIX_CHECKED(Choose(w.smeu, w.Sechalfmenu));
        const QStringList lines = Items(w.List1);
        const int from = lines.indexOf("  Monday, March 1, 1999"),
                  to = lines.indexOf("  Monday, March 8, 1999");
        QVERIFY(from >= 0 && to > from);
        const QStringList week = lines.mid(from, to - from);
        for (int i = from; i < to; ++i) w.List1->item(i)->setSelected(true);
        TAVIX_CHECKED(Click(w.Blockpredictbutton, "Blockpredictbutton"));
        auto* block = OpenWindow<BlockPredictForm>(w);
        QVERIFY(block && block->isVisible() && !w.isVisible());  // the main window steps aside
        const QStringList shown = Items(Control<QListWidget>(block, "List1"));
        QCOMPARE(shown.size(), week.size() + 3);
        QCOMPARE(shown.first() + shown[shown.size() - 2], QString("  "));
        QCOMPARE(shown.last(), QString("Predictions made 03-14-1999"));
        static const QRegularExpression game("^  (.+?)\\s+at (.+?)\\s+\\d+-\\d+");
        int games = 0;
        for (int i = 0; i < week.size(); ++i) {
            const QRegularExpressionMatch m = game.match(week[i]);
            QString expected = QRegularExpression::escape(week[i]) + "$";
            if (m.hasMatch()) {
                ++games;
                expected = QRegularExpression::escape(FullNameOfCity(nba, m.captured(1))) + " +at " +
                           QRegularExpression::escape(FullNameOfCity(nba, m.captured(2))) + " ";
            }
            QVERIFY2(QRegularExpression("^" + expected).match(shown[i + 1]).hasMatch(),
                     qPrintable(week[i] + " -> " + shown[i + 1]));
        }
        QVERIFY(games >= 40);  // a week of a full schedule
        TAVIX_CHECKED(Click(Control(block, "DoneButton"), "block DoneButton"));
        QVERIFY(w.isVisible() && w.isEnabled() && !OpenWindow<BlockPredictForm>(w));
        TAVIX_CHECKED(Click(w.SchDoneButton, "SchDoneButton"));

        // One game on a neutral court: " vs ", the favourite and its margin (or a pick), the total.
        TAVIX_CHECKED(Choose(w.STmenu, w.Predictionsmenu));
        auto* single = OpenWindow<predictions>(w);
        QVERIFY(single && single->isVisible() && !w.isEnabled());
        auto* list = Control<QListWidget>(single, "List1");
        const int before = list->count();
        QTest::mouseClick(Control<QLabel>(single, "Clabel(21)"), Qt::LeftButton);  // Utah first: the visitor
        QTest::mouseClick(Control<QLabel>(single, "Clabel(13)"), Qt::LeftButton);  // then Indiana
        QCOMPARE(Control<QLabel>(single, "GameLabel")->text(), QString("Utah Jazz at Indiana Pacers"));
        TAVIX_CHECKED(Click(Control(single, "Neutralcheck"), "Neutralcheck"));
        TAVIX_CHECKED(Click(Control(single, "PredictButton"), "PredictButton"));
        QCOMPARE(list->count(), before + 2);
        static const QRegularExpression neutral(
            "^Utah Jazz +vs Indiana Pacers +((Jazz|Pacers) +by +\\d+\\.\\d|--  Pick) +\\d+$");
        QVERIFY2(neutral.match(list->item(before + 1)->text()).hasMatch(),
                 qPrintable(list->item(before + 1)->text()));
        QVERIFY(!Control<QCheckBox>(single, "Neutralcheck")->isChecked());
        TAVIX_CHECKED(Click(Control(single, "DoneButton"), "predictions DoneButton"));
        QVERIFY(w.isEnabled() && !OpenWindow<predictions>(w));

        // New figures for the Knicks, recorded with today's date; leaving then asks nothing.
        TAVIX_CHECKED(Choose(w.STmenu, w.updatemenu));
        auto* stat = OpenWindow<statform>(w);
        QVERIFY(stat && stat->isVisible());
        for (int i = 1; i < kKnicks; ++i) TAVIX_CHECKED(Click(Control(stat, "teamupbutton"), "teamupbutton"));
        QCOMPARE(Control<QLabel>(stat, "Namelabel")->text(), QString("New York Knicks"));
        for (auto [field, text] :
             {std::pair{"wintext", "45"}, {"losstext", "5"}, {"GFtext", "101.5"}, {"GAtext", "88.2"}})
            TAVIX_CHECKED(Type(stat, field, text));
        QCOMPARE(Control<QLabel>(stat, "gplabel")->text() + Control<QLabel>(stat, "pctglabel")->text(),
                 QString("50.900"));
        app_->dialogs.answers.push_back(Answer::Ok);
        TAVIX_CHECKED(Click(Control(stat, "RecordButton"), "RecordButton"));
        TAVIX_CHECKED(Answered("Statistics were saved to Disk."));
        TAVIX_CHECKED(Click(Control(stat, "Exitbutton"), "Exitbutton"));
        QVERIFY(!OpenWindow<statform>(w) && w.isEnabled());
        NBA onDisk;
        LoadLeague(DataDir(), SettingsPath(), onDisk);
        TAVIX_CHECKED(KnicksFigures(onDisk));
        QCOMPARE(QString("%1-%2-%3").arg(onDisk.UpdateMonth).arg(onDisk.UpdateDay).arg(onDisk.UpdateYear),
                 "3-14-1999");

        // 45-5 leads the Atlantic by a distance: first under the column heading, no games behind.
        TAVIX_CHECKED(Choose(w.STmenu, w.standingsmenu));
        const QStringList standings = Items(w.List2);
        const int atlantic = standings.indexOf("   Atlantic Division");
        QVERIFY(atlantic >= 0);
        QCOMPARE(standings.value(atlantic + 1),
                 QString("                    Wins  Losses   Pct.   GB     SCO"));
        const QString leader = standings.value(atlantic + 2);
        QVERIFY2(
            leader.startsWith("     New York        45      5    0.900   -   ") && leader.endsWith("+13.30"),
            qPrintable(leader));
        TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));

        // Ratings sorted by scoring margin put the Knicks first; the previous season knows nothing
        // of tonight's figures.
        TAVIX_CHECKED(Choose(w.STmenu, w.ratingmenu));
        auto* ratings = OpenWindow<VStatsform>(w);
        QVERIFY(ratings && ratings->isVisible());
        auto* table = Control<QListWidget>(ratings, "List1");
        QCOMPARE(table->item(5)->text(),
                 QString(" Knicks           45      5     0.900     101.5      88.2      +13.3"));
        TAVIX_CHECKED(Click(Control(ratings, "seasonbutton"), "seasonbutton"));
        QCOMPARE(ratings->windowTitle(), QString("Team Ratings, Previous Season - Tavix"));
        const QString previous = QString(" Knicks           %1     %2")
                                     .arg(nba.PrevWins[kKnicks], 2)
                                     .arg(nba.PrevLosses[kKnicks], 2);
        QCOMPARE(Items(table).filter(QRegularExpression("^ Knicks ")).value(0).left(previous.size()),
                 previous);
        TAVIX_CHECKED(Click(Control(ratings, "seasonbutton"), "seasonbutton"));
        QVERIFY(table->item(5)->text().startsWith(" Knicks           45"));
        TAVIX_CHECKED(Click(Control(ratings, "donebutton"), "ratings donebutton"));
        QVERIFY(!OpenWindow<VStatsform>(w));
        QCOMPARE(w.Context().seasonView, SeasonView::Current);

        // The Knicks' margin tops the league: first seed of the East, its champion and the favourite.
        TAVIX_CHECKED(Choose(w.STmenu, w.pseasonmenu));
        auto* forecast = OpenWindow<Pseason>(w);
        QVERIFY(forecast && forecast->isVisible());
        auto box = [&](int i) {
            return Control<QLabel>(forecast, qPrintable(QString("label(%1)").arg(i)))->text();
        };
        for (int i : {1, 5, 7}) QCOMPARE(box(i).trimmed(), QString("New York"));
        TAVIX_CHECKED(Click(Control(forecast, "DoneButton"), "forecast DoneButton"));

        // A printer font chosen in the settings is kept in the settings file.
        TAVIX_CHECKED(Choose(w.Fmenu, w.Settingsmenu));
        auto* settings = OpenWindow<Settingsform>(w);
        QVERIFY(settings && settings->isVisible());
        TAVIX_CHECKED(Click(Control(settings, "Command1"), "Printer Font"));
        auto* fonts = OpenWindow<Setfont>(w);
        QVERIFY(fonts && fonts->isVisible() && !settings->isEnabled());
        auto* names = Control<QListWidget>(fonts, "List1");
        const QList<QListWidgetItem*> dejavu = names->findItems(kFont, Qt::MatchExactly);
        QCOMPARE(dejavu.size(), 1);
        names->scrollToItem(dejavu[0]);
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(dejavu[0]).center());
        QCOMPARE(Control<QLabel>(fonts, "fontlabel")->text(), QString(kFont));
        TAVIX_CHECKED(Click(Control(fonts, "donebutton"), "font donebutton"));
        QVERIFY(settings->isEnabled());
        TAVIX_CHECKED(Click(Control(settings, "OkButton"), "settings OkButton"));
        QVERIFY(!OpenWindow<Settingsform>(w) && w.isEnabled());
        QCOMPARE(IniText(SettingsPath()), QString(kFont));

        // The standings through the queue, in that font, with the confirmation and nothing else.
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);  // nobody else's job in the way
        TAVIX_CHECKED(Choose(w.STmenu, w.standingsmenu));
        const size_t shownBefore = app_->dialogs.shown.size();
        app_->dialogs.answers.push_back(Answer::Ok);
        TAVIX_CHECKED(Click(w.StandPrintButton, "StandPrintButton"));
        TAVIX_CHECKED(Answered("Ready to send Standings to the Printer."));
        QCOMPARE(app_->dialogs.shown.size(), shownBefore + 1);
        const int job = app_->printers->LastJobId();
        QVERIFY(job > 0);
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = PdfOfJob(out_, job)).isEmpty(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(PdfLines(pdf), Squeezed(Items(w.List2)), 20000);
        const QStringList used = PdfFonts(pdf);
        QVERIFY(!used.isEmpty());
        for (const QString& font : used)
            QVERIFY2(font.contains("DejaVuSansMono"), qPrintable(used.join(", ")));
        TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));

        // Exit saves the settings again and ends the event loop main() runs; here that loop runs
        // inside the test, so the program ends and the test inspects what it left.
        QVERIFY(QFile::remove(QString::fromStdString(SettingsPath())));
        bool exitRan = false;
        QTimer::singleShot(0, &w, [&] {
            exitRan = true;
            TAVIX_CHECKED(Choose(w.Fmenu, w.Exitmenu));
        });
        QTimer::singleShot(20000, &w, [] { QCoreApplication::exit(99); });  // an Exit that ends nothing
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(exitRan);
        app_.reset();  // what main() does once the loop has ended
        QCOMPARE(IniText(SettingsPath()), QString(kFont));

        // A second start finds the font and the figures.
        TAVIX_CHECKED(Start());
        QVERIFY(app_->report.settingsOk);
        QCOMPARE(app_->nba.PrinterFontName, std::string(kFont));
        TAVIX_CHECKED(KnicksFigures(app_->nba));
        app_->main->show();
        TAVIX_CHECKED(Choose(app_->main->STmenu, app_->main->standingsmenu));
        QVERIFY(
            Items(app_->main->List2).join('\n').contains("     New York        45      5    0.900   -   "));
        app_.reset();
    }
};

QTEST_MAIN(EveningCupsTest)
#include "evening_cups_test.moc"
