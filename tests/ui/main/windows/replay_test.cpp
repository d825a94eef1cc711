// The season replay as a user goes through it: a day chosen in the calendar, days stepped with the
// keyboard while the standings are on show, a block prediction and the forecast of two days, the
// statistics commands held back while the replay is on, and the file untouched at the end.
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <utility>

#include "core/data_files.h"
#include "forecast/playoff_forecast.h"
#include "forecast/windows/pseason.h"
#include "predictions/block_predictions.h"
#include "predictions/windows/blockpredictform.h"
#include "predictions/windows/predictions.h"
#include "predictions/windows/predrecordform.h"
#include "reference/rosters.h"
#include "reference/windows/indvstats.h"
#include "reference/windows/namesform.h"
#include "statistics/season_replay.h"
#include "statistics/standings.h"
#include "statistics/windows/statform.h"
#include "tests/support/qt/journey.h"
#include "ui/main/windows/replay_commands.h"

using namespace tavix;
using tavix::testing::Items;
using tavix::testing::Lines;
using tavix::testing::OpenWindow;
using tavix::testing::Program;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ReplayTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        tavix::testing::CopySuppliedData(dir_.path().toStdString());
        program_ =
            std::make_unique<Program>(dir_.path().toStdString(), dir_.filePath("TVX.ini").toStdString());
        QCOMPARE(QString::fromStdString(program_->Load()), QString());
        program_->main->show();
        QVERIFY(QTest::qWaitForWindowExposed(program_->main.get()));
        fileBefore_ = FileBytes(dir_.filePath(kStatisticsFile));
        QVERIFY(!fileBefore_.isEmpty());
    }
    void cleanup() { program_.reset(); }

    void journeyThroughTheSeasonLeavesTheFileAsItWas() {
        Form2& main = *program_->main;
        ReplayCommands& replay = main.Replay();
        QVERIFY(!replay.replaynextmenu->isEnabled());
        QVERIFY(!replay.ReplayLabel->isVisible());

        // The calendar takes game days only.
        TAVIX_STEP(replay.replaydaymenu->trigger());
        auto* picker = OpenWindow<ReplayPicker>(main);
        QVERIFY(picker);
        QVERIFY(!main.isEnabled());
        QCOMPARE(picker->Calendar1->minimumDate(), QDate(1999, 2, 5));
        QCOMPARE(picker->Calendar1->maximumDate(), QDate(1999, 5, 5));
        picker->Calendar1->setSelectedDate(QDate(1999, 1, 20));  // before the season: not taken
        QCOMPARE(picker->Calendar1->selectedDate(), QDate(1999, 2, 5));
        QCOMPARE(picker->DayLabel->text(), QString("Friday, February 5, 1999 - game day 1 of 90"));
        picker->InfoButton->click();
        QCOMPARE(program_->help.topics.back(), std::string("Season replay"));
        picker->Calendar1->setSelectedDate(QDate(1999, 2, 24));
        QVERIFY(picker->ReplayButton->isEnabled());
        TAVIX_STEP(picker->ReplayButton->click());
        QVERIFY(main.isEnabled());
        QVERIFY(replay.Replaying());
        QVERIFY(replay.ReplayLabel->isVisible());
        QVERIFY2(main.windowTitle().startsWith("Tavix - Replay: Wednesday, February 24, 1999 - game day "),
                 qPrintable(main.windowTitle()));

        // The predictions window dates its statistics by the day shown.
        TAVIX_STEP(main.Predictionsmenu->trigger());
        auto* single = OpenWindow<predictions>(main);
        QVERIFY(single);
        QCOMPARE(tavix::testing::Control<QLabel>(single, "DateLabel")->text(),
                 QString("Statistics were updated on 2/24/1999"));
        single->close();

        // Rosters and the record name the day in their titles and step it with Ctrl+Left/Right, the
        // coaches following: on the 24th the Nets' second coach is not hired yet (20 games on). A printout
        // names it.
        TAVIX_STEP(main.Rostermenu->trigger());
        auto* rosters = OpenWindow<IndvSTATS>(main);
        QVERIFY(rosters);
        const QStringList feb24Rosters = Items(rosters->List1);
        QCOMPARE(rosters->windowTitle(),
                 QString("NBA Team Rosters - Tavix - Replay: Wednesday, February 24, 1999"));
        QVERIFY(feb24Rosters.contains(" Head coach:     John Calipari                   2-9"));
        TAVIX_STEP(QTest::keyClick(rosters->List1, Qt::Key_Right, Qt::ControlModifier));
        QCOMPARE(rosters->windowTitle(),
                 QString("NBA Team Rosters - Tavix - Replay: Thursday, February 25, 1999"));
        QVERIFY(Items(rosters->List1) != feb24Rosters);
        QCOMPARE(ForShownDay(main.Context(), RosterPrintScheme()).headerLines[3],
                 std::string("      Replay: Thursday, February 25, 1999"));
        rosters->close();
        TAVIX_STEP(main.findChild<QAction*>("recordmenu")->trigger());
        auto* record = OpenWindow<PredRecordForm>(main);
        QVERIFY(record);
        TAVIX_STEP(QTest::keyClick(record, Qt::Key_Left, Qt::ControlModifier));
        QCOMPARE(record->windowTitle(),
                 QString("Prediction Record - Tavix - Replay: Wednesday, February 24, 1999"));
        record->close();

        // The standings follow each step, taken with the keyboard while they are on show.
        TAVIX_STEP(main.standingsmenu_Click());
        QCOMPARE(Items(main.List2), StandingsAsOf(QDate(1999, 2, 24)));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const QStringList feb24 = Items(main.List2);
        TAVIX_STEP(QTest::keyClick(&main, Qt::Key_Right, Qt::ControlModifier));
        QCOMPARE(replay.Replay()->Day(), (Date{1999, 2, 25}));
        QCOMPARE(Items(main.List2), StandingsAsOf(QDate(1999, 2, 25)));
        QVERIFY(Items(main.List2) != feb24);
        TAVIX_STEP(QTest::keyClick(&main, Qt::Key_Left, Qt::ControlModifier));
        QCOMPARE(Items(main.List2), feb24);
        TAVIX_STEP(main.StandingDoneButton_Click());

        // February 26 is still to be played on the 24th: no scores, and its predictions are forecasts.
        const QStringList early = BlockPredictionsOfFebruary26(main);
        TAVIX_CHECKED();
        for (int i = 0; i < 2; ++i) TAVIX_STEP(replay.replaynextmenu_Click());
        QCOMPARE(replay.Replay()->Day(), (Date{1999, 2, 26}));
        const QStringList onTheDay = BlockPredictionsOfFebruary26(main);
        TAVIX_CHECKED();
        QVERIFY(early != onTheDay);

        // The forecast of the first evening and of the last.
        const auto first = ForecastOn(main, Date{1999, 2, 5});
        TAVIX_CHECKED();
        // Steps with the forecast open work the odds out again, the last day's gone from the list.
        TAVIX_STEP(main.pseasonmenu->trigger());
        auto* forecast = OpenWindow<Pseason>(main);
        QVERIFY(forecast);
        for (int i = 0; i < 2; ++i) TAVIX_STEP(replay.StepDays(1));
        QCOMPARE(Items(forecast->OddsList), QStringList{"Working out the odds..."});
        forecast->close();
        const auto last = ForecastOn(main, Date{1999, 5, 5});
        TAVIX_CHECKED();
        QVERIFY(first != last);
        // The evenings are the replay's own league: the user's never held them.
        QCOMPARE(QByteArray::fromStdString(StatisticsText(main.Context().ownLeague)), fileBefore_);
        QVERIFY(&main.Context().League() != &main.Context().ownLeague);

        // Update Statistics waits for the replay to end; Cancel keeps both as they are.
        program_->dialogs.answers = {Answer::Cancel};
        TAVIX_STEP(main.updatemenu->trigger());
        QVERIFY(!OpenWindow<statform>(main));
        QVERIFY(replay.Replaying());
        QVERIFY(program_->dialogs.shown.back().text.find("A season replay is on") != std::string::npos);
        program_->dialogs.answers = {Answer::Cancel};
        TAVIX_STEP(main.newseasonmenu->trigger());
        QVERIFY(replay.Replaying());

        // A schedule on show gets its scores back when the replay ends.
        TAVIX_STEP(replay.ShowDay(Date{1999, 2, 28}));  // March still to come
        TAVIX_STEP(main.Monthlyschedulemenu_Click(4));
        QVERIFY(!Items(main.List1).join('\n').contains(QRegularExpression("[0-9]+-[0-9]+")));
        TAVIX_STEP(replay.replayendmenu_Click());
        QVERIFY(!replay.Replaying());
        QCOMPARE(main.windowTitle(), QString("Tavix"));
        NBA file;
        LoadLeague(dir_.path().toStdString(), "/nonexistent/TVX.ini", file);
        QCOMPARE(Items(main.List1), Lines(MonthLines(file, 4).lines));
        QCOMPARE(StatisticsText(main.Context().ownLeague), StatisticsText(file));
        QCOMPARE(FileBytes(dir_.filePath(kStatisticsFile)), fileBefore_);
    }

    // Agreeing to end the replay opens Update Statistics on the file's figures; what is recorded
    // there is the user's, never a replay's.
    void updateStatisticsAfterEndingTheReplaySavesTheFilesFigures() {
        Form2& main = *program_->main;
        main.Replay().ShowDay(Date{1999, 3, 10});
        QVERIFY(main.windowTitle().contains("Replay: Wednesday, March 10, 1999 - game day "));
        program_->dialogs.answers = {Answer::Ok};
        TAVIX_STEP(main.updatemenu->trigger());
        auto* window = OpenWindow<statform>(main);
        QVERIFY(window);
        QVERIFY(!main.Replay().Replaying());
        program_->dialogs.answers = {Answer::Ok};  // "Statistics were saved to Disk."
        TAVIX_STEP(tavix::testing::Control<QAbstractButton>(window, "RecordButton")->click());
        NBA saved;
        QVERIFY(ParseStatistics(FileBytes(dir_.filePath(kStatisticsFile)).toStdString(), saved));
        NBA file;
        LoadLeague(tavix::testing::SuppliedDataDir(), "/nonexistent/TVX.ini", file);
        QCOMPARE(saved.Wins, file.Wins);
        QCOMPARE(saved.OffenseAve, file.OffenseAve);
    }

    // Names edited during a replay are the user's: saved, and shown by the replay at once; the
    // evening's figures and the statistics file stay as they were.
    void namesEditedDuringAReplayAreSavedAndShown() {
        Form2& main = *program_->main;
        main.Replay().ShowDay(Date{1999, 3, 10});
        const std::string evening = StatisticsText(main.Context().League());
        TAVIX_STEP(main.Namesmenu->trigger());
        auto* names = OpenWindow<Namesform>(main);
        QVERIFY(names);
        names->Text1[22]->setText("Memphis");
        program_->dialogs.answers = {Answer::Yes};
        TAVIX_STEP(names->savebutton_Click());
        names->close();
        QVERIFY(main.Replay().Replaying());
        for (const NBA* league : {&main.Context().League(), &std::as_const(main.Context().ownLeague)})
            QCOMPARE(FullName(*league, 22), std::string("Memphis Grizzlies"));
        QCOMPARE(StatisticsText(main.Context().League()), evening);
        NBA file;
        LoadLeague(dir_.path().toStdString(), "/nonexistent/TVX.ini", file);
        QCOMPARE(FullName(file, 22), std::string("Memphis Grizzlies"));
        QCOMPARE(FileBytes(dir_.filePath(kStatisticsFile)), fileBefore_);
    }

  private:
    NBA AsOf(const QDate& day) {
        NBA nba;
        LoadLeague(dir_.path().toStdString(), "/nonexistent/TVX.ini", nba);
        ShowLeagueAsOf(nba, Date{day.year(), day.month(), day.day()});
        return nba;
    }

    QStringList StandingsAsOf(const QDate& day) {
        NBA nba = AsOf(day);
        return Lines(BuildStandings(nba, SeasonView::Current));
    }

    // The forecast window opened on a replayed day, checked against the rule on that day's league.
    std::array<std::string, kForecastBoxes> ForecastOn(Form2& main, const Date& day) {
        main.Replay().ShowDay(day);
        main.pseasonmenu->trigger();
        auto* window = OpenWindow<Pseason>(main);
        if (!window) {
            QTest::qFail("no forecast window", __FILE__, __LINE__);
            return {};
        }
        auto lines = ForecastLines(main.Context().League(), window->Forecast());
        NBA expected = AsOf(QDate(day.year, day.month, day.day));
        if (lines != ForecastLines(expected, ForecastPlayoffs(expected, SeasonView::Current)))
            QTest::qFail("the forecast differs from the day's rule", __FILE__, __LINE__);
        window->close();
        return lines;
    }

    // The February schedule with the games of February 26 selected, sent to block predictions;
    // the prediction window's lines, checked against the rule on the day shown.
    QStringList BlockPredictionsOfFebruary26(Form2& main) {
        main.Monthlyschedulemenu_Click(3);
        const QStringList items = Items(main.List1);
        const int heading = static_cast<int>(items.indexOf("  Friday, February 26, 1999"));
        if (heading < 0) {
            QTest::qFail("no February 26 in the February list", __FILE__, __LINE__);
            return {};
        }
        std::vector<std::string> selected;
        std::vector<bool> picked(static_cast<size_t>(items.size()));
        for (int i = heading; i < items.size() && items[i].trimmed() != ""; ++i) {
            main.List1->item(i)->setSelected(true);
            selected.push_back(items[i].toStdString());
            picked[static_cast<size_t>(i)] = true;
        }
        const Date shown = main.Replay().Replay()->Day();
        for (size_t i = 1; i < selected.size(); ++i)
            if ((ScorePosition(selected[i].substr(2)) != std::string::npos) != !(shown < Date{1999, 2, 26}))
                QTest::qFail(("a score shown or hidden wrongly: " + selected[i]).c_str(), __FILE__, __LINE__);
        main.Blockpredictbutton_Click();
        auto* block = OpenWindow<BlockPredictForm>(main);
        if (!block) {
            QTest::qFail("no block predictions window", __FILE__, __LINE__);
            return {};
        }
        const QStringList lines = Items(tavix::testing::Control<QListWidget>(block, "List1"));
        NBA expected = AsOf(QDate(shown.year, shown.month, shown.day));
        const QStringList want = Lines(BuildBlockPredictionList(
            expected, SeasonView::Current,
            CollectBlockLines(tavix::testing::ItemTexts(main.List1), MonthLines(expected, 3).games, picked),
            program_->clock.today));
        if (lines != want) QTest::qFail("block predictions differ from the day's rule", __FILE__, __LINE__);
        tavix::testing::Control<QToolButton>(block, "DoneButton")->click();
        main.SchDoneButton_Click();
        return lines;
    }

    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
    QByteArray fileBefore_;
};

QTEST_MAIN(ReplayTest)
#include "replay_test.moc"
