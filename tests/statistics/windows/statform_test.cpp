// The statistics entry window on the supplied league data: the fields, the Enter walk, the date
// arrows, Record (and a failed save) and the unrecorded-changes check at exit.
#include "statistics/windows/statform.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

namespace {
QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }
}  // namespace

class StatformTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TestApp> app;
    QPointer<statform> window;

    template <class T>
    T* Control(const char* name) {
        T* control = window->findChild<T*>(name);
        if (!control) qFatal("no control %s", name);
        return control;
    }
    QLineEdit* Edit(const char* name) { return Control<QLineEdit>(name); }
    QString Shown(const char* label) { return Control<QLabel>(label)->text(); }
    void Type(const char* field, const QString& text) {
        Edit(field)->setFocus();
        Edit(field)->selectAll();
        QTest::keyClicks(Edit(field), text);
    }
    void Enter(const char* field) { QTest::keyClick(Edit(field), Qt::Key_Return); }
    void Press(const char* name) { QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton); }
    void Spin(const char* spin, const char* arrow, int times = 1) {
        auto* button = Control<QWidget>(spin)->findChild<QToolButton*>(arrow);
        for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
    }
    bool IsOpen() { return !window.isNull() && window->isVisible(); }

  private slots:
    void init() {
        app = std::make_unique<TestApp>();
        app->clock.today = {1999, 3, 4};
        window = new statform(*app->ctx);
        app->host.OpenSubWindow(window, nullptr, OwnerWhileOpen::Disabled);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { app.reset(); }

    void opensOnTheFirstClubAndToday() {
        const NBA& nba = app->nba;
        QCOMPARE(window->windowTitle(), QString("NBA Team Statistics"));
        QCOMPARE(Shown("Namelabel"), Latin1(nba.CityNames[1] + " " + nba.TeamNames[1]));
        QCOMPARE(Control<QPushButton>("teamdnbutton")->text(), QString("        <"));
        QCOMPARE(Control<QPushButton>("teamupbutton")->text(), "> " + Latin1(nba.TeamNames[2]));
        QCOMPARE(Shown("Monthlabel"), QString("Mar"));
        QCOMPARE(Shown("daylabel"), QString("4"));
        QCOMPARE(Shown("yearlabel"), QString("1999"));
        QCOMPARE(Edit("wintext")->text(), QString::number(nba.Wins[1]));
        QCOMPARE(Edit("losstext")->text(), QString::number(nba.Losses[1]));
        QCOMPARE(Edit("GFtext")->text(), QString("93.0"));
        QCOMPARE(Edit("GAtext")->text(), QString("94.9"));
        QCOMPARE(Shown("gplabel"), QString("50"));
        QCOMPARE(Shown("pctglabel"), QString(".380"));
        QCOMPARE(window->focusWidget(), Edit("wintext"));
        QVERIFY(!window->ChangesDetected());
        // The ties field is there but outside the panel's visible area.
        QLineEdit* ties = Edit("tietext");
        QVERIFY(!ties->parentWidget()->rect().intersects(ties->geometry()));
        QCOMPARE(Control<QToolButton>("RecordButton")->toolTip(), QString("Record Settings"));
        QCOMPARE(Control<QToolButton>("Exitbutton")->toolTip(), QString("Close Statistics window"));
        QCOMPARE(Control<QToolButton>("InfoButton")->toolTip(), QString("Help on statistics"));
    }

    void gamesAndPercentageFollowTyping_data() {
        QTest::addColumn<QString>("wins");
        QTest::addColumn<QString>("losses");
        QTest::addColumn<QString>("ties");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("pct");
        QTest::newRow("12-4") << "12"
                              << "4"
                              << "0"
                              << "16"
                              << ".750";
        QTest::newRow("cleared") << ""
                                 << ""
                                 << "0"
                                 << "0"
                                 << ".000";
        QTest::newRow("ties not counted") << "5"
                                          << "3"
                                          << "7"
                                          << "8"
                                          << ".625";
        QTest::newRow("perfect") << "9"
                                 << "0"
                                 << "0"
                                 << "9"
                                 << "1.000";
        QTest::newRow("text reads as 0") << "abc"
                                         << "4"
                                         << "0"
                                         << "4"
                                         << ".000";
    }
    void gamesAndPercentageFollowTyping() {
        QFETCH(QString, wins);
        QFETCH(QString, losses);
        QFETCH(QString, ties);
        QFETCH(QString, games);
        QFETCH(QString, pct);
        Edit("tietext")->setText(ties);
        Type("wintext", wins);
        if (wins.isEmpty()) Edit("wintext")->clear();
        Type("losstext", losses);
        if (losses.isEmpty()) Edit("losstext")->clear();
        QCOMPARE(Shown("gplabel"), games);
        QCOMPARE(Shown("pctglabel"), pct);
        QCOMPARE(app->nba.Wins[1], int16_t(19));  // only the panels change while typing
    }

    void enterWalksTheFieldsAndOnToTheNextClub() {
        Type("wintext", "25");
        Enter("wintext");
        QCOMPARE(window->focusWidget(), Edit("losstext"));
        Type("losstext", "20");
        Enter("losstext");
        QCOMPARE(window->focusWidget(), Edit("GFtext"));  // the hidden ties are skipped
        Type("GFtext", "101.25");
        Enter("GFtext");
        QCOMPARE(window->focusWidget(), Edit("GAtext"));
        Type("GAtext", "99");
        Enter("GAtext");
        QCOMPARE(window->CurrentTeam(), 2);
        QCOMPARE(Shown("Namelabel"), Latin1(FullName(app->nba, 2)));
        QCOMPARE(window->focusWidget(), Edit("wintext"));
        QTest::qWait(10);
        QCOMPARE(Edit("wintext")->selectedText(), Edit("wintext")->text());
        QCOMPARE(app->nba.Wins[1], int16_t(25));
        QCOMPARE(app->nba.Losses[1], int16_t(20));
        QCOMPARE(app->nba.OffenseAve[1], 101.25);
        QCOMPARE(app->nba.DefenseAve[1], 99.0);
        QCOMPARE(Control<QPushButton>("teamdnbutton")->text(), Latin1(app->nba.TeamNames[1]) + "  <");
        QCOMPARE(Control<QPushButton>("teamupbutton")->text(), ">  " + Latin1(app->nba.TeamNames[3]));
    }

    void enterInTheTiesFieldGoesToPointsScored() {
        Edit("tietext")->setFocus();
        Enter("tietext");
        QCOMPARE(window->focusWidget(), Edit("GFtext"));
    }

    void movesStopAtBothEnds() {
        Press("teamdnbutton");
        QCOMPARE(app->dialogs.beeps, 1);
        QCOMPARE(window->CurrentTeam(), 1);
        for (int i = 0; i < 28; ++i) Press("teamupbutton");
        QCOMPARE(window->CurrentTeam(), 29);
        QCOMPARE(Control<QPushButton>("teamupbutton")->text(), QString(">  "));
        Type("wintext", "44");
        Enter("GAtext");  // at the last club Enter only beeps; nothing is stored yet
        QCOMPARE(app->dialogs.beeps, 2);
        QCOMPARE(window->CurrentTeam(), 29);
        QVERIFY(app->nba.Wins[29] != 44);
        for (int i = 0; i < 28; ++i) Press("teamdnbutton");
        QCOMPARE(window->CurrentTeam(), 1);
        QCOMPARE(Control<QPushButton>("teamdnbutton")->text(), QString("  <"));
        QCOMPARE(app->nba.Wins[29], int16_t(44));
    }

    void selectAllOnFocus() {
        QTest::mouseClick(Edit("GFtext"), Qt::LeftButton, {}, QPoint(3, 5));
        QTest::qWait(10);
        QCOMPARE(Edit("GFtext")->selectedText(), QString("93.0"));
    }

    void dateArrowsStopAtTheLimits_data() {
        QTest::addColumn<int>("month");  // months up from March (negative: down)
        QTest::addColumn<int>("dayUps");
        QTest::addColumn<QString>("monthShown");
        QTest::addColumn<QString>("day");
        QTest::newRow("February 29") << -1 << 40 << "Feb"
                                     << "29";
        QTest::newRow("April 30") << 1 << 40 << "Apr"
                                  << "30";
        QTest::newRow("March 31") << 0 << 40 << "Mar"
                                  << "31";
        QTest::newRow("November 30") << 8 << 40 << "Nov"
                                     << "30";
        QTest::newRow("months stop at Dec") << 20 << 0 << "Dec"
                                            << "4";
        QTest::newRow("months stop at Jan") << -20 << 0 << "Jan"
                                            << "4";
    }
    void dateArrowsStopAtTheLimits() {
        QFETCH(int, month);
        QFETCH(int, dayUps);
        QFETCH(QString, monthShown);
        QFETCH(QString, day);
        Spin("monthspin", month > 0 ? "up" : "down", std::abs(month));
        Spin("Dayspin", "up", dayUps);
        QCOMPARE(Shown("Monthlabel"), monthShown);
        QCOMPARE(Shown("daylabel"), day);
    }

    void dayAndYearArrowsDown() {
        Spin("Dayspin", "down", 10);
        QCOMPARE(Shown("daylabel"), QString("1"));
        Spin("Yearspin", "up", 2);
        QCOMPARE(Shown("yearlabel"), QString("2001"));
        Spin("Yearspin", "down", 5);
        QCOMPARE(Shown("yearlabel"), QString("1996"));
    }

    void recordSavesTheFileAndSaysSo() {
        Type("wintext", "30");
        Spin("Dayspin", "up", 2);
        Spin("monthspin", "up");
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Statistics were saved to Disk."));
        QCOMPARE(app->dialogs.shown[0].title, std::string("Tavix"));
        QCOMPARE(app->nba.Wins[1], int16_t(30));
        QCOMPARE(app->nba.UpdateMonth, int16_t(4));
        QCOMPARE(app->nba.UpdateDay, int16_t(6));
        QCOMPARE(app->nba.UpdateYear, int16_t(1999));
        const auto file = ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile));
        QVERIFY(file.has_value());
        QCOMPARE(*file, StatisticsText(app->nba));
        QVERIFY(IsOpen());
        Press("Exitbutton");  // recorded: no question
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QVERIFY(!IsOpen());
    }

    void failedSaveKeepsTheFiguresAndSaysSo() {
        const std::string before = *ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile));
        app->ctx->dataDir = app->DataDir() + "/no/such/folder";
        Type("wintext", "31");
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        const std::string message = app->dialogs.shown[0].text;
        QVERIFY2(message.rfind("Statistics could not be saved to disk: ", 0) == 0, message.c_str());
        QVERIFY(message.find("try Record again") != std::string::npos);
        QCOMPARE(app->nba.Wins[1], int16_t(31));
        QCOMPARE(Edit("wintext")->text(), QString("31"));
        QCOMPARE(*ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile)), before);
        // Still unrecorded: leaving asks, and Record works once the folder is right again.
        app->dialogs.answers = {Answer::Cancel};
        Press("Exitbutton");
        QCOMPARE(app->dialogs.shown.size(), size_t(2));
        QVERIFY(IsOpen());
        app->ctx->dataDir = app->DataDir();
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.back().text, std::string("Statistics were saved to Disk."));
    }

    void exitAsksOnlyForWinsAndPointsScored_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asks");
        QTest::newRow("wins") << "wintext"
                              << "1" << true;
        QTest::newRow("points scored") << "GFtext"
                                       << "120" << true;
        QTest::newRow("losses") << "losstext"
                                << "1" << false;
        QTest::newRow("ties") << "tietext"
                              << "3" << false;
        QTest::newRow("points allowed") << "GAtext"
                                        << "70" << false;
        QTest::newRow("points scored retyped") << "GFtext"
                                               << "93" << false;
    }
    void exitAsksOnlyForWinsAndPointsScored() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, asks);
        Edit(field.toLatin1().constData())->setText(text);
        app->dialogs.answers = {Answer::Cancel};
        Press("Exitbutton");
        QCOMPARE(app->dialogs.shown.size(), size_t(asks ? 1 : 0));
        QCOMPARE(IsOpen(), asks);
        if (asks) {
            QCOMPARE(app->dialogs.shown[0].text,
                     std::string("Changes were detected in database,\r\nclick OK to exit "
                                 "or Cancel to go back\r\nand Record changes."));
            QCOMPARE(app->dialogs.shown[0].buttons, Buttons::OkCancel);
            QVERIFY(window->ChangesDetected());
            Press("Exitbutton");  // the scripted answers are used up: OK
            QVERIFY(!IsOpen());
        }
        // Whatever was asked, the edit stays in memory.
        QCOMPARE(app->nba.Losses[1], int16_t(field == "losstext" ? 1 : 31));
        QVERIFY(app->host.MainWindow()->isEnabled());
    }

    void outOfRangeCountIsRefused() {
        Type("wintext", "99999");
        Type("GFtext", "88");
        Press("teamupbutton");
        QCOMPARE(window->CurrentTeam(), 1);
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QVERIFY(app->dialogs.shown[0].text.find("\"99999\"") != std::string::npos);
        QCOMPARE(app->nba.Wins[1], int16_t(19));
        QCOMPARE(app->nba.OffenseAve[1], 93.0);  // nothing of the club was stored
        QCOMPARE(Edit("wintext")->text(), QString("99999"));
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(2));
        QVERIFY(app->dialogs.shown[1].text.find("outside the range") != std::string::npos);
        Type("wintext", "32767");
        Press("teamupbutton");
        QCOMPARE(window->CurrentTeam(), 2);
        QCOMPARE(app->nba.Wins[1], int16_t(32767));
    }

    // The ties field cannot be seen, so a refused tie count must leave the user where typing
    // corrects it; otherwise the window could never be left.
    void outOfRangeTiesCanBeCorrected() {
        Type("losstext", "31");
        QTest::keyClick(Edit("losstext"), Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), Edit("tietext"));
        QTest::keyClicks(Edit("tietext"), "40000");
        Press("Exitbutton");
        QVERIFY(IsOpen());
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QVERIFY(app->dialogs.shown[0].text.find("number of ties") != std::string::npos);
        QTest::keyClicks(window->focusWidget(), "2");
        Press("Exitbutton");
        QVERIFY(!IsOpen());
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->nba.Ties[1], int16_t(2));
        QCOMPARE(app->nba.Wins[1], int16_t(19));
    }

    void helpOpensTheStatisticsTopic() {
        Press("InfoButton");
        QCOMPARE(app->help.topics, std::vector<std::string>{"Updating the Statistics"});
    }

    void grabForLooking() {
        Type("wintext", "12");
        const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
        QDir().mkpath(dir);
        QVERIFY(window->grab().save(dir + "/statform.png"));
    }
};

QTEST_MAIN(StatformTest)
#include "statform_test.moc"
