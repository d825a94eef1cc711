// A fan's evening with the whole program: the splash, schedules, predictions for a week and for
// one game, new figures typed in and recorded, the standings, ratings and forecast that follow
// from them, a printer font chosen and the standings printed through a real CUPS queue, Exit,
// and a second start that finds everything kept. Real windows (offscreen), the desktop printer and
// the data files in a temporary folder; every message box must be one the fan expects.
// Needs a cups-pdf queue: eval "$(.ci/cups.sh start DIR)" sets TAVIX_CUPS_PRINTER and TAVIX_CUPS_OUT.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/data_files.h"
#include "core/windows/setfont.h"
#include "core/windows/settingsform.h"
#include "forecast/windows/pseason.h"
#include "predictions/windows/blockpredictform.h"
#include "predictions/windows/predictions.h"
#include "statistics/windows/statform.h"
#include "statistics/windows/vstatsform.h"
#include "tests/support/qt/journey.h"
#include "ui/main/windows/form1.h"

using namespace tavix;
using namespace tavix::testing;

namespace {

const char kFont[] = "DejaVu Sans Mono";
constexpr int kKnicks = 4;

QString Latin1(const std::string& text) { return QString::fromLatin1(text.c_str()); }

template <class T = QAbstractButton>
T* Control(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

// The full name of the team whose city a schedule line names, as the league data spells it.
QString FullNameOfCity(const NBA& nba, const QString& city) {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        if (Latin1(nba.CityNames[t]) == city) return Latin1(nba.CityNames[t] + " " + nba.TeamNames[t]);
    }
    return QString();
}

}  // namespace

class EveningCupsTest : public QObject {
    Q_OBJECT
    QString queue_, out_;
    QTemporaryDir dir_;
    std::unique_ptr<Program> app_;

    std::string DataDir() const { return dir_.path().toStdString(); }
    std::string SettingsPath() const { return dir_.filePath("config/TVX.ini").toStdString(); }

    // A menu item is only there for the fan when the main window, its menu and the item are on.
    void Choose(QMenu* menu, QAction* item) {
        Form2& w = *app_->main;
        QVERIFY2(w.isVisible() && w.isEnabled(), qPrintable("main window not usable for " + item->text()));
        QVERIFY2(menu->menuAction()->isEnabled() && item->isEnabled(), qPrintable(item->text() + " is off"));
        TAVIX_STEP(item->trigger());
    }

    void Click(QAbstractButton* button, const char* what) {
        QVERIFY2(button, what);
        QVERIFY2(button->isVisible() && button->isEnabled() && button->window()->isEnabled(),
                 qPrintable(QString(what) + " cannot be clicked"));
        TAVIX_STEP(button->click());
    }

    void Type(QLineEdit* field, const QString& text) {
        QVERIFY(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QCOMPARE(field->text(), text);
    }

    // Message boxes: the answers queued for a step were all asked for.
    void AllAnswersUsed() {
        QVERIFY2(app_->dialogs.answers.empty(), "an expected message box did not appear");
    }
    void LastMessageIs(const char* text, const char* title) {
        QVERIFY(!app_->dialogs.shown.empty());
        QCOMPARE(app_->dialogs.shown.back().text, std::string(text));
        QCOMPARE(app_->dialogs.shown.back().title, std::string(title));
    }

    void Start();
    void DismissSplash();
    void MarchAndRoadGames();
    void PredictAWeek();
    void PredictOneGame();
    void RecordFigures();
    void SeeStandings();
    void SeeRatings();
    void SeeForecast();
    void ChooseFont();
    void PrintStandings();
    void Exit();
    void StartAgain();

  private slots:
    void initTestCase();
    void aFansEvening();
};

void EveningCupsTest::initTestCase() {
    queue_ = qEnvironmentVariable("TAVIX_CUPS_PRINTER");
    out_ = qEnvironmentVariable("TAVIX_CUPS_OUT");
    if (queue_.isEmpty() || out_.isEmpty())
        QSKIP(
            "No CUPS printer: run eval \"$(.ci/cups.sh start DIR)\" first (TAVIX_CUPS_PRINTER, "
            "TAVIX_CUPS_OUT)");
    for (const char* tool : {"pdftotext", "pdffonts", "lpstat"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) QSKIP(qPrintable(QString(tool) + " is needed"));
    }
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkpath("config"));
    CopySuppliedData(dir_.path());
}

void EveningCupsTest::aFansEvening() {
    TAVIX_CHECKED(Start());
    TAVIX_CHECKED(DismissSplash());
    TAVIX_CHECKED(MarchAndRoadGames());
    TAVIX_CHECKED(PredictAWeek());
    TAVIX_CHECKED(PredictOneGame());
    TAVIX_CHECKED(RecordFigures());
    TAVIX_CHECKED(SeeStandings());
    TAVIX_CHECKED(SeeRatings());
    TAVIX_CHECKED(SeeForecast());
    TAVIX_CHECKED(ChooseFont());
    TAVIX_CHECKED(PrintStandings());
    TAVIX_CHECKED(Exit());
    TAVIX_CHECKED(StartAgain());
}

void EveningCupsTest::Start() {
    app_ = std::make_unique<Program>(DataDir(), SettingsPath());
    const std::string unexpected = app_->Load();
    QVERIFY2(unexpected.empty(), unexpected.c_str());
    QVERIFY(app_->report.statisticsOk && app_->report.scheduleOk && app_->report.namesOk);
    QVERIFY(!app_->report.settingsOk);  // no settings file yet
    QVERIFY(!app_->main->isVisible());  // behind the splash until it goes
}

void EveningCupsTest::DismissSplash() {
    QPointer<Form1> splash = new Form1(app_->main->Context());
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTest::keyClick(splash, Qt::Key_X);  // not a key that lets the fan through
    QVERIFY(splash->isVisible());
    QVERIFY(!app_->main->isVisible());
    QTest::keyClick(splash, Qt::Key_Return);
    QVERIFY(app_->main->isVisible() && app_->main->isEnabled());
    QTRY_VERIFY(splash.isNull());
}

void EveningCupsTest::MarchAndRoadGames() {
    Form2& w = *app_->main;
    const NBA& nba = app_->nba;
    TAVIX_CHECKED(Choose(w.Monmenu, w.Monthlyschedulemenu[4]));
    QVERIFY(w.List1->isVisible());
    // March as the schedule file has it, each line indented by two blanks.
    const int first = nba.MonthStart[7], last = nba.MonthEnd[7];
    QVERIFY(last > first);
    QCOMPARE(w.List1->count(), last - first + 1);
    QCOMPARE(w.List1->item(0)->text(), "  " + Latin1(nba.SecondHalfSchedule[first]));
    QVERIFY2(w.List1->item(0)->text().startsWith("  Monday, March 1, 1999"),
             qPrintable(w.List1->item(0)->text()));
    QVERIFY(!w.STmenu->menuAction()->isEnabled());  // a view is open: statistics wait

    TAVIX_CHECKED(Choose(w.smeu, w.teamschedulemenu));
    QVERIFY(w.Combo1->isVisible());
    const int jazz = w.Combo1->findText("Utah Jazz");
    QVERIFY(jazz >= 0);
    w.Combo1->setCurrentIndex(jazz);
    w.schtype[2]->click();
    TAVIX_CHECKED(Click(w.TeamSelButton, "TeamSelButton"));
    QVERIFY(!w.Combo1->isVisible());
    const QStringList road = Items(w.List1);
    QCOMPARE(road.value(0), QString("  UTAH JAZZ ROAD SCHEDULE  (all times Eastern)"));
    // Each game: a blank separator, its date, the game with Utah as the visitor.
    QCOMPARE((road.size() - 1) % 3, 0);
    const int games = (road.size() - 1) / 3;
    QCOMPARE(games, 25);  // half of the 50-game season
    for (int g = 0; g < games; ++g) {
        QCOMPARE(road[1 + 3 * g], QString(" "));
        QVERIFY2(road[2 + 3 * g].contains("1999"), qPrintable(road[2 + 3 * g]));
        QVERIFY2(road[3 + 3 * g].startsWith("  Utah ") && road[3 + 3 * g].contains(" at "),
                 qPrintable(road[3 + 3 * g]));
    }
    TAVIX_CHECKED(Click(w.SchDoneButton, "SchDoneButton"));
    QVERIFY(w.List1->isHidden());
    QVERIFY(w.STmenu->menuAction()->isEnabled());
}

void EveningCupsTest::PredictAWeek() {
    Form2& w = *app_->main;
    TAVIX_CHECKED(Choose(w.smeu, w.Sechalfmenu));
    const QStringList lines = Items(w.List1);
    const int from = lines.indexOf("  Monday, March 1, 1999");
    const int to = lines.indexOf("  Monday, March 8, 1999");
    QVERIFY(from >= 0 && to > from);
    QStringList week;
    for (int i = from; i < to; ++i) {
        w.List1->item(i)->setSelected(true);
        week << lines[i];
    }
    TAVIX_CHECKED(Click(w.Blockpredictbutton, "Blockpredictbutton"));
    auto* block = OpenWindow<BlockPredictForm>(w);
    QVERIFY(block && block->isVisible());
    QVERIFY(!w.isVisible());  // the main window steps aside
    const QStringList shown = Items(Control<QListWidget>(block, "List1"));

    // A blank line, then every selected line: games as predictions, the rest as they were.
    QCOMPARE(shown.value(0), QString(" "));
    QCOMPARE(shown.size(), week.size() + 3);
    static const QRegularExpression game("^  (.+?)\\s+at (.+?)\\s+\\d+-\\d+");
    int predictions = 0;
    for (int i = 0; i < week.size(); ++i) {
        const QRegularExpressionMatch m = game.match(week[i]);
        if (!m.hasMatch()) {
            QCOMPARE(shown[i + 1], week[i]);
            continue;
        }
        ++predictions;
        const QString road = FullNameOfCity(app_->nba, m.captured(1)),
                      home = FullNameOfCity(app_->nba, m.captured(2));
        QVERIFY2(!road.isEmpty() && !home.isEmpty(), qPrintable(week[i]));
        const QRegularExpression predicted("^" + QRegularExpression::escape(road) + " +at " +
                                           QRegularExpression::escape(home) + " ");
        QVERIFY2(predicted.match(shown[i + 1]).hasMatch(), qPrintable(week[i] + " -> " + shown[i + 1]));
    }
    QVERIFY(predictions >= 40);  // a week of a full schedule
    QCOMPARE(shown[shown.size() - 2], QString(" "));
    QCOMPARE(shown.last(), QString("Predictions made 03-14-1999"));
    TAVIX_CHECKED(Click(Control(block, "DoneButton"), "block DoneButton"));
    QVERIFY(w.isVisible() && w.isEnabled());
    QVERIFY(!OpenWindow<BlockPredictForm>(w));
    TAVIX_CHECKED(Click(w.SchDoneButton, "SchDoneButton"));
}

void EveningCupsTest::PredictOneGame() {
    Form2& w = *app_->main;
    TAVIX_CHECKED(Choose(w.STmenu, w.Predictionsmenu));
    auto* window = OpenWindow<predictions>(w);
    QVERIFY(window && window->isVisible());
    QVERIFY(!w.isEnabled());
    auto* list = Control<QListWidget>(window, "List1");
    const int before = list->count();
    QTest::mouseClick(Control<QLabel>(window, "Clabel(21)"), Qt::LeftButton);  // Utah first: the visitor
    QTest::mouseClick(Control<QLabel>(window, "Clabel(13)"), Qt::LeftButton);  // then Indiana
    QCOMPARE(Control<QLabel>(window, "GameLabel")->text(), QString("Utah Jazz at Indiana Pacers"));
    auto* neutral = Control<QCheckBox>(window, "Neutralcheck");
    Click(neutral, "Neutralcheck");
    QVERIFY(neutral->isChecked());
    TAVIX_CHECKED(Click(Control(window, "PredictButton"), "PredictButton"));
    QCOMPARE(list->count(), before + 2);
    QCOMPARE(list->item(before)->text(), QString(" "));
    const QString line = list->item(before + 1)->text();
    // On a neutral court: " vs ", the favourite and its margin (or a pick), then the total.
    static const QRegularExpression neutralGame(
        "^Utah Jazz +vs Indiana Pacers +((Jazz|Pacers) +by +\\d+\\.\\d|--  Pick) +\\d+$");
    QVERIFY2(neutralGame.match(line).hasMatch(), qPrintable(line));
    QVERIFY(!neutral->isChecked());
    TAVIX_CHECKED(Click(Control(window, "DoneButton"), "predictions DoneButton"));
    QVERIFY(w.isEnabled());
    QVERIFY(!OpenWindow<predictions>(w));
}

void EveningCupsTest::RecordFigures() {
    Form2& w = *app_->main;
    TAVIX_CHECKED(Choose(w.STmenu, w.updatemenu));
    auto* window = OpenWindow<statform>(w);
    QVERIFY(window && window->isVisible());
    for (int i = 1; i < kKnicks; ++i) TAVIX_CHECKED(Click(Control(window, "teamupbutton"), "teamupbutton"));
    QCOMPARE(Control<QLabel>(window, "Namelabel")->text(), QString("New York Knicks"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(window, "wintext"), "45"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(window, "losstext"), "5"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(window, "GFtext"), "101.5"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(window, "GAtext"), "88.2"));
    QCOMPARE(Control<QLabel>(window, "gplabel")->text(), QString("50"));
    QCOMPARE(Control<QLabel>(window, "pctglabel")->text(), QString(".900"));

    app_->dialogs.answers.push_back(Answer::Ok);
    TAVIX_CHECKED(Click(Control(window, "RecordButton"), "RecordButton"));
    TAVIX_CHECKED(AllAnswersUsed());
    TAVIX_CHECKED(LastMessageIs("Statistics were saved to Disk.", "Tavix"));
    // Recorded: leaving asks nothing.
    TAVIX_CHECKED(Click(Control(window, "Exitbutton"), "Exitbutton"));
    QVERIFY(!OpenWindow<statform>(w));
    QVERIFY(w.isEnabled());

    // What is on disk is what was typed, and the date the window showed (today).
    NBA onDisk;
    LoadLeague(DataDir(), SettingsPath(), onDisk);
    QCOMPARE(int(onDisk.Wins[kKnicks]), 45);
    QCOMPARE(int(onDisk.Losses[kKnicks]), 5);
    QCOMPARE(onDisk.OffenseAve[kKnicks], 101.5);
    QCOMPARE(onDisk.DefenseAve[kKnicks], 88.2);
    QCOMPARE(int(onDisk.UpdateMonth), 3);
    QCOMPARE(int(onDisk.UpdateDay), 14);
    QCOMPARE(int(onDisk.UpdateYear), 1999);
}

void EveningCupsTest::SeeStandings() {
    Form2& w = *app_->main;
    TAVIX_CHECKED(Choose(w.STmenu, w.standingsmenu));
    QVERIFY(w.List2->isVisible());
    const QStringList lines = Items(w.List2);
    const int atlantic = lines.indexOf("   Atlantic Division");
    QVERIFY(atlantic >= 0);
    // 45-5 leads the Atlantic by a distance: first under the column heading, no games behind.
    QCOMPARE(lines.value(atlantic + 1), QString("                    Wins  Losses   Pct.   GB     SCO"));
    const QString leader = lines.value(atlantic + 2);
    QVERIFY2(leader.startsWith("     New York        45      5    0.900   -   "), qPrintable(leader));
    QVERIFY2(leader.endsWith("+13.30"), qPrintable(leader));
    TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));
}

void EveningCupsTest::SeeRatings() {
    Form2& w = *app_->main;
    const NBA& nba = app_->nba;
    TAVIX_CHECKED(Choose(w.STmenu, w.ratingmenu));
    auto* window = OpenWindow<VStatsform>(w);
    QVERIFY(window && window->isVisible());
    auto* list = Control<QListWidget>(window, "List1");
    QCOMPARE(window->windowTitle(), QString("Tavix Statistics  (Current Season)"));
    // Sorted by scoring margin, the Knicks' +13.3 comes first, right under the five heading lines.
    QVERIFY2(list->item(5)->text().startsWith(
                 " Knicks           45      5     0.900     101.5      88.2      +13.3"),
             qPrintable(list->item(5)->text()));
    QVERIFY2(list->item(5)->text().endsWith("+13.3"), qPrintable(list->item(5)->text()));

    // The previous season knows nothing of tonight's figures.
    TAVIX_CHECKED(Click(Control(window, "seasonbutton"), "seasonbutton"));
    QCOMPARE(window->windowTitle(), QString("Tavix Statistics  (Previous Season)"));
    const QString previous =
        QString(" Knicks           %1     %2").arg(nba.PrevWins[kKnicks], 2).arg(nba.PrevLosses[kKnicks], 2);
    bool found = false;
    for (const QString& line : Items(list)) {
        if (line.startsWith(" Knicks ")) {
            QVERIFY2(line.startsWith(previous), qPrintable(line + " / " + previous));
            found = true;
        }
    }
    QVERIFY(found);
    TAVIX_CHECKED(Click(Control(window, "seasonbutton"), "seasonbutton"));
    QCOMPARE(window->windowTitle(), QString("Tavix Statistics  (Current Season)"));
    QVERIFY(list->item(5)->text().startsWith(" Knicks           45"));
    TAVIX_CHECKED(Click(Control(window, "donebutton"), "ratings donebutton"));
    QVERIFY(!OpenWindow<VStatsform>(w));
    QCOMPARE(app_->main->Context().seasonView, SeasonView::Current);
}

void EveningCupsTest::SeeForecast() {
    Form2& w = *app_->main;
    TAVIX_CHECKED(Choose(w.STmenu, w.pseasonmenu));
    auto* window = OpenWindow<Pseason>(w);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Tavix Play-Off Projections"));
    auto box = [&](int i) {
        return Control<QLabel>(window, qPrintable(QString("label(%1)").arg(i)))->text();
    };
    // The Knicks' margin tops the league: first seed of the East, its champion and the favourite.
    QCOMPARE(box(1).trimmed(), QString("New York"));
    QCOMPARE(box(5).trimmed(), QString("New York"));
    QCOMPARE(box(7).trimmed(), QString("New York"));
    // The second East seed is the best Central team; the West's two seeds come from its divisions.
    QVERIFY(!box(2).trimmed().isEmpty() && box(2) != box(1));
    QVERIFY(!box(3).trimmed().isEmpty() && !box(4).trimmed().isEmpty() && box(3) != box(4));
    QVERIFY(box(6) == box(3) || box(6) == box(4));
    TAVIX_CHECKED(Click(Control(window, "DoneButton"), "forecast DoneButton"));
    QVERIFY(!OpenWindow<Pseason>(w));
}

void EveningCupsTest::ChooseFont() {
    Form2& w = *app_->main;
    TAVIX_CHECKED(Choose(w.Fmenu, w.Settingsmenu));
    auto* settings = OpenWindow<Settingsform>(w);
    QVERIFY(settings && settings->isVisible());
    TAVIX_CHECKED(Click(Control(settings, "Command1"), "Printer Font"));
    auto* fonts = OpenWindow<Setfont>(w);
    QVERIFY(fonts && fonts->isVisible());
    QVERIFY(!settings->isEnabled());
    auto* list = Control<QListWidget>(fonts, "List1");
    const QList<QListWidgetItem*> dejavu = list->findItems(kFont, Qt::MatchExactly);
    QCOMPARE(dejavu.size(), 1);
    list->scrollToItem(dejavu[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(dejavu[0]).center());
    QCOMPARE(Control<QLabel>(fonts, "fontlabel")->text(), QString(kFont));
    TAVIX_CHECKED(Click(Control(fonts, "donebutton"), "font donebutton"));
    QVERIFY(settings->isEnabled());
    QCOMPARE(app_->nba.PrinterFontName, std::string(kFont));
    TAVIX_CHECKED(Click(Control(settings, "OkButton"), "settings OkButton"));
    QVERIFY(!OpenWindow<Settingsform>(w));
    QVERIFY(w.isEnabled());
    QFile ini(QString::fromStdString(SettingsPath()));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(ini.readAll()).trimmed(), QString(kFont));
}

void EveningCupsTest::PrintStandings() {
    Form2& w = *app_->main;
    QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);  // nobody else's job in the way
    TAVIX_CHECKED(Choose(w.STmenu, w.standingsmenu));
    const QStringList standings = Items(w.List2);
    const size_t shownBefore = app_->dialogs.shown.size();
    app_->dialogs.answers.push_back(Answer::Ok);
    TAVIX_CHECKED(Click(w.StandPrintButton, "StandPrintButton"));
    TAVIX_CHECKED(AllAnswersUsed());
    // The confirmation and nothing else: no failure, no word about PDF files.
    QCOMPARE(app_->dialogs.shown.size(), shownBefore + 1);
    TAVIX_CHECKED(LastMessageIs("Ready to send Standings to the Printer.", "Tavix"));
    const int job = app_->printers->LastJobId();
    QVERIFY(job > 0);

    QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);
    QString pdf;
    QTRY_VERIFY_WITH_TIMEOUT(!(pdf = PdfOfJob(out_, job)).isEmpty(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(PdfLines(pdf), Squeezed(standings), 20000);
    const QStringList fonts = PdfFonts(pdf);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) QVERIFY2(font.contains("DejaVuSansMono"), qPrintable(fonts.join(", ")));
    TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));
}

void EveningCupsTest::Exit() {
    Form2& w = *app_->main;
    // Exit saves the settings again and ends the program's event loop, as main() runs it. Here that
    // loop runs inside the test, so the program ends and the test goes on to inspect what it left.
    QVERIFY(QFile::remove(QString::fromStdString(SettingsPath())));
    bool exitRan = false;
    QTimer::singleShot(0, &w, [&] {
        exitRan = true;
        QVERIFY(w.Fmenu->menuAction()->isEnabled() && w.Exitmenu->isEnabled());
        TAVIX_STEP(w.Exitmenu->trigger());
    });
    QTimer giveUp;  // an Exit that ends nothing must not hang the test
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(20000);
    const int code = QApplication::exec();
    QVERIFY(exitRan);
    QCOMPARE(code, 0);
    app_.reset();  // what main() does once the loop has ended
    QFile ini(QString::fromStdString(SettingsPath()));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(ini.readAll()).trimmed(), QString(kFont));
}

void EveningCupsTest::StartAgain() {
    app_ = std::make_unique<Program>(DataDir(), SettingsPath());
    const std::string unexpected = app_->Load();
    QVERIFY2(unexpected.empty(), unexpected.c_str());
    QVERIFY(app_->report.settingsOk);
    const NBA& nba = app_->nba;
    QCOMPARE(nba.PrinterFontName, std::string(kFont));
    QCOMPARE(int(nba.Wins[kKnicks]), 45);
    QCOMPARE(int(nba.Losses[kKnicks]), 5);
    QCOMPARE(nba.OffenseAve[kKnicks], 101.5);
    QCOMPARE(nba.DefenseAve[kKnicks], 88.2);
    app_->main->show();
    TAVIX_CHECKED(Choose(app_->main->STmenu, app_->main->standingsmenu));
    QVERIFY(Items(app_->main->List2).join('\n').contains("     New York        45      5    0.900   -   "));
    app_.reset();
}

QTEST_MAIN(EveningCupsTest)
#include "evening_cups_test.moc"
