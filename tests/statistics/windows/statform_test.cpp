// The statistics entry window on the supplied league data: the fields, the Enter walk, the date
// arrows, Record (and a failed save) and the unrecorded-changes check at exit.
#include "statistics/windows/statform.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <map>
#include <tuple>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using tavix::testing::Latin1;
using namespace tavix::testing;

class StatformTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    QPointer<statform> window;

    template <class T>
    T* Control(const char* name) {
        return tavix::testing::Control<T>(window, name);
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
        window = app->Open<statform>();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { app.reset(); }

    void opensOnTheFirstClubAndToday() {
        const NBA& nba = app->nba;
        QCOMPARE(window->windowTitle(), QString("NBA Team Statistics - Tavix"));
        QCOMPARE(Shown("Namelabel"), Latin1(FullName(nba, 1)));
        QCOMPARE(Control<QPushButton>("teamupbutton")->text(), "> " + Latin1(nba.TeamNames[2]));
        QCOMPARE(Shown("Monthlabel") + Shown("daylabel") + Shown("yearlabel"), QString("Mar41999"));
        QCOMPARE(Edit("wintext")->text(), QString::number(nba.Wins[1]));
        QCOMPARE(Edit("GFtext")->text(), QString("93.0"));
        QCOMPARE(Shown("gplabel") + Shown("pctglabel"), QString("50.380"));
        QCOMPARE(window->focusWidget(), Edit("wintext"));
        // The ties field is hidden and out of reach of Tab: Tab from the losses goes to the points.
        QVERIFY(Edit("tietext")->isHidden());
        Edit("losstext")->setFocus();
        QTest::keyClick(Edit("losstext"), Qt::Key_Tab);
        QCOMPARE(window->focusWidget(), Edit("GFtext"));
        QTest::keyClick(Edit("GFtext"), Qt::Key_Tab);
        QTest::keyClick(Edit("GAtext"), Qt::Key_Tab);  // on to the date, which the keyboard sets too
        QCOMPARE(window->focusWidget(), window->findChild<QWidget*>("monthspin")->findChild<QWidget*>("up"));
        // The panels follow typing; only they change until the club is left.
        Type("wintext", "12");
        Type("losstext", "4");
        QCOMPARE(Shown("gplabel") + Shown("pctglabel"), QString("16.750"));
        QCOMPARE(app->nba.Wins[1], int16_t(19));
        QTest::mouseClick(Edit("GFtext"), Qt::LeftButton, {}, QPoint(3, 5));
        QTRY_COMPARE(Edit("GFtext")->selectedText(), QString("93.0"));  // everything selected on focus
        QVERIFY(SaveGrab(window, "statform"));
    }

    void enterWalksTheFieldsAndOnToTheNextClub() {
        const char* fields[][2] = {
            {"wintext", "25"}, {"losstext", "20"}, {"GFtext", "101.2"}, {"GAtext", "99"}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(window->focusWidget(), Edit(fields[i][0]));  // the hidden ties are skipped
            Type(fields[i][0], fields[i][1]);
            Enter(fields[i][0]);
        }
        QCOMPARE(window->CurrentTeam(), 2);
        QCOMPARE(window->focusWidget(), Edit("wintext"));
        QCOMPARE(std::make_tuple(app->nba.Wins[1], app->nba.Losses[1], app->nba.OffenseAve[1],
                                 app->nba.DefenseAve[1]),
                 std::make_tuple(int16_t(25), int16_t(20), 101.2, 99.0));
        QCOMPARE(Control<QPushButton>("teamdnbutton")->text(), Latin1(app->nba.TeamNames[1]) + "  <");
    }

    void movesStopAtBothEnds() {
        Press("teamdnbutton");
        QCOMPARE(app->dialogs.beeps, 1);
        QCOMPARE(window->CurrentTeam(), 1);
        for (int i = 0; i < 28; ++i) Press("teamupbutton");
        QCOMPARE(window->CurrentTeam(), 29);
        QCOMPARE(Control<QPushButton>("teamupbutton")->text(), QString(">  "));
        Type("wintext", "24");
        Enter("GAtext");  // at the last club Enter only beeps; nothing is stored yet
        QCOMPARE(app->dialogs.beeps, 2);
        QVERIFY(app->nba.Wins[29] != 24);
        Press("teamdnbutton");
        QCOMPARE(app->nba.Wins[29], int16_t(24));
        Spin("monthspin", "up", 20);
        Spin("Dayspin", "up", 40);
        QCOMPARE(Shown("Monthlabel") + Shown("daylabel"), QString("Dec31"));  // the arrows stop at the ends
    }

    void recordSavesTheFileAndSaysSo() {
        Type("wintext", "18");
        Spin("Dayspin", "up", 2);
        Spin("monthspin", "up");
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Statistics were saved to Disk."));
        QCOMPARE(app->nba.Wins[1], int16_t(18));
        QCOMPARE(std::make_tuple(app->nba.UpdateMonth, app->nba.UpdateDay, app->nba.UpdateYear),
                 std::make_tuple(int16_t(4), int16_t(6), int16_t(1999)));
        QCOMPARE(ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile)).value_or(""),
                 StatisticsText(app->nba));
        QVERIFY(IsOpen());
        Press("Exitbutton");  // recorded: no question
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QVERIFY(!IsOpen());
    }

    void failedSaveKeepsTheFiguresAndSaysSo() {
        const std::string before = *ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile));
        app->ctx->dataDir = app->DataDir() + "/no/such/folder";
        Type("wintext", "17");
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        const std::string message = app->dialogs.shown[0].text;
        QVERIFY2(message.rfind("Statistics could not be saved to disk: ", 0) == 0, message.c_str());
        QVERIFY(message.find("try Record again") != std::string::npos);
        QCOMPARE(app->nba.Wins[1], int16_t(17));
        QCOMPARE(Edit("wintext")->text(), QString("17"));
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

    // A file that did not load whole is kept aside before Record writes over it, and the message
    // says where (how the copy is made and kept is the data files' test).
    void recordOverADamagedFileSaysWhereItIsKept() {
        window->close();
        const std::string file = JoinPath(app->DataDir(), kStatisticsFile), whole = *ReadWholeFile(file);
        QVERIFY(WriteFileSafely(file, whole.substr(0, whole.size() / 2)).ok);
        QVERIFY(!LoadLeague(app->DataDir(), app->nba.IniPath, app->nba).statisticsOk);
        window = app->Open<statform>();
        Type("wintext", "18");
        Press("RecordButton");
        const QStringList copies =
            QDir(QString::fromStdString(app->DataDir())).entryList({QString(kStatisticsFile) + ".damaged-*"});
        QCOMPARE(copies.size(), 1);
        const QString said = QString::fromStdString(app->dialogs.shown.back().text);
        QVERIFY2(said.startsWith("Statistics were saved to Disk.") && said.contains(copies[0]),
                 qPrintable(said));
    }

    // Each typed figure is either recorded as meant, in every locale, or refused with a message
    // naming the club, the field and the reason; then the field has the focus and nothing of the
    // club is stored or saved. A field left as shown keeps the league's figure to the last digit.
    // (Every reason a figure is refused is the entry rules' test; here one of each field.)
    void typedFigureIsRecordedOrRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");  // empty: left as shown
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("says");  // empty: recorded
        const QString point = QLocale().decimalPoint();
        const struct {
            const char *name, *field;
            QString typed;
            double stored;
            const char* says;
        } rows[] = {
            {"wins", "wintext", "18", 18, ""},
            {"scored, the user's separator", "GFtext", "94" + point + "5", 94.5, ""},
            {"scored, a point", "GAtext", "94.5", 94.5, ""},
            {"scored left as loaded", "GFtext", "", 98.46, ""},
            {"wins as letters", "wintext", "abc", 0,
             "number of wins for Boston Celtics (\"abc\") is not a whole"},
            {"losses empty", "losstext", " ", 0, "number of losses for Boston Celtics (\" \") is empty"},
            {"losses past the season", "losstext", "32", 0,
             "(19 wins, 32 losses) comes to more than the season's 50"},
            {"scored nan", "GFtext", "nan", 0,
             "average of points scored for Boston Celtics (\"nan\") is not a number"},
            {"allowed past 200", "GAtext", "200.1", 0, "0.0 to 200.0 points"}};
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.field) << r.typed << r.stored << QString(r.says);
    }
    void typedFigureIsRecordedOrRefused() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(QString, says);
        window->close();
        app->nba.OffenseAve[1] = 98.46;
        window = app->Open<statform>();
        const NBA before = app->nba;
        const std::string fileBefore = *ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile));
        if (!typed.isEmpty()) Type(qPrintable(field), typed);
        // The live feedback judges each field alone; a record past the season is the club's.
        QCOMPARE(Edit(qPrintable(field))->hasAcceptableInput(), says.isEmpty() || says.contains("comes to"));
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        const QString text = QString::fromStdString(app->dialogs.shown[0].text);
        if (says.isEmpty()) {
            QCOMPARE(text, QString("Statistics were saved to Disk."));
            const std::map<QString, double> held = {{"wintext", app->nba.Wins[1]},
                                                    {"GFtext", app->nba.OffenseAve[1]},
                                                    {"GAtext", app->nba.DefenseAve[1]}};
            QCOMPARE(held.at(field), stored);
            NBA onFile;
            QVERIFY(ParseStatistics(*ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile)), onFile));
            QCOMPARE(std::make_tuple(onFile.Wins[1], onFile.OffenseAve[1], onFile.DefenseAve[1]),
                     std::make_tuple(app->nba.Wins[1], app->nba.OffenseAve[1], app->nba.DefenseAve[1]));
        } else {
            QVERIFY2(text.contains(says), qPrintable(text));
            QCOMPARE(app->dialogs.shown[0].icon, Icon::Exclamation);
            QCOMPARE(StatisticsText(app->nba), StatisticsText(before));
            QCOMPARE(*ReadWholeFile(JoinPath(app->DataDir(), kStatisticsFile)), fileBefore);
            QCOMPARE(Edit(qPrintable(field))->text(), typed);
            QCOMPARE(window->focusWidget(), Edit(qPrintable(field)));
        }
    }

    // A statistics file may hold what the window would refuse: it is shown as it is, and leaving the
    // club says what to correct instead of storing it again or failing.
    void absurdFiguresFromTheFileAreShownAndQuestioned() {
        window->close();
        app->dialogs.shown.clear();
        app->nba.OffenseAve[1] = 1e300;
        app->nba.Losses[1] = -5;
        window = app->Open<statform>();
        QCOMPARE(Edit("GFtext")->text(), "1" + QString(300, '0') + ".0");
        QCOMPARE(Edit("losstext")->text(), QString("-5"));
        Press("teamupbutton");
        QCOMPARE(window->CurrentTeam(), 1);
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QVERIFY(app->dialogs.shown[0].text.find("number of losses") != std::string::npos);
        Type("losstext", "5");
        Press("teamupbutton");
        QCOMPARE(app->dialogs.shown.size(), size_t(2));
        QVERIFY(app->dialogs.shown[1].text.find("average of points scored") != std::string::npos);
        Type("GFtext", "99.5");
        Press("teamupbutton");
        QCOMPARE(window->CurrentTeam(), 2);
        QCOMPARE(app->nba.OffenseAve[1], 99.5);
    }
};

QTEST_MAIN(StatformTest)
#include "statform_test.moc"
