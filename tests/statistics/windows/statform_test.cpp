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
        QCOMPARE(window->windowTitle(), QString("NBA Team Statistics"));
        QCOMPARE(Shown("Namelabel"), Latin1(FullName(nba, 1)));
        QCOMPARE(Control<QPushButton>("teamupbutton")->text(), "> " + Latin1(nba.TeamNames[2]));
        QCOMPARE(Shown("Monthlabel") + Shown("daylabel") + Shown("yearlabel"), QString("Mar41999"));
        QCOMPARE(Edit("wintext")->text(), QString::number(nba.Wins[1]));
        QCOMPARE(Edit("GFtext")->text(), QString("93.0"));
        QCOMPARE(Shown("gplabel") + Shown("pctglabel"), QString("50.380"));
        QCOMPARE(window->focusWidget(), Edit("wintext"));
        // The ties field is there but outside the panel's visible area.
        QLineEdit* ties = Edit("tietext");
        QVERIFY(!ties->parentWidget()->rect().intersects(ties->geometry()));
        // The panels follow typing; only they change until the club is left.
        ties->setText("7");
        Type("wintext", "12");
        Type("losstext", "4");
        QCOMPARE(Shown("gplabel") + Shown("pctglabel"), QString("16.750"));
        QCOMPARE(app->nba.Wins[1], int16_t(19));
        QTest::mouseClick(Edit("GFtext"), Qt::LeftButton, {}, QPoint(3, 5));
        QTRY_COMPARE(Edit("GFtext")->selectedText(), QString("93.0"));  // everything selected on focus
        Press("InfoButton");
        QCOMPARE(app->help.topics, std::vector<std::string>{"Updating the Statistics"});
        QDir().mkpath(TAVIX_BINARY_DIR "/grabs");
        QVERIFY(window->grab().save(TAVIX_BINARY_DIR "/grabs/statform.png"));
    }

    void enterWalksTheFieldsAndOnToTheNextClub() {
        const char* fields[][2] = {
            {"wintext", "25"}, {"losstext", "20"}, {"GFtext", "101.25"}, {"GAtext", "99"}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(window->focusWidget(), Edit(fields[i][0]));  // the hidden ties are skipped
            Type(fields[i][0], fields[i][1]);
            Enter(fields[i][0]);
        }
        QCOMPARE(window->CurrentTeam(), 2);
        QCOMPARE(window->focusWidget(), Edit("wintext"));
        QCOMPARE(std::make_tuple(app->nba.Wins[1], app->nba.Losses[1], app->nba.OffenseAve[1],
                                 app->nba.DefenseAve[1]),
                 std::make_tuple(int16_t(25), int16_t(20), 101.25, 99.0));
        QCOMPARE(Control<QPushButton>("teamdnbutton")->text(), Latin1(app->nba.TeamNames[1]) + "  <");
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
        QVERIFY(app->nba.Wins[29] != 44);
        Press("teamdnbutton");
        QCOMPARE(app->nba.Wins[29], int16_t(44));
        Spin("monthspin", "up", 20);
        Spin("Dayspin", "up", 40);
        QCOMPARE(Shown("Monthlabel") + Shown("daylabel"), QString("Dec31"));  // the arrows stop at the ends
    }

    void recordSavesTheFileAndSaysSo() {
        Type("wintext", "30");
        Spin("Dayspin", "up", 2);
        Spin("monthspin", "up");
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].text, std::string("Statistics were saved to Disk."));
        QCOMPARE(app->nba.Wins[1], int16_t(30));
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

    // Only an edit of wins or points scored asks; whatever was asked, the edit stays in memory.
    void exitAsksOnlyForWinsAndPointsScored() {
        Edit("losstext")->setText("1");
        Press("Exitbutton");
        QVERIFY(app->dialogs.shown.empty());
        QVERIFY(!IsOpen());
        QCOMPARE(app->nba.Losses[1], int16_t(1));
        window = app->Open<statform>();
        Edit("wintext")->setText("1");
        app->dialogs.answers = {Answer::Cancel};
        Press("Exitbutton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        QCOMPARE(app->dialogs.shown[0].buttons, Buttons::OkCancel);
        QVERIFY(IsOpen());
        Press("Exitbutton");  // the scripted answers are used up: OK
        QVERIFY(!IsOpen());
        QCOMPARE(app->nba.Wins[1], int16_t(1));
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

    // Every figure no game gives is refused with its own words, whichever field holds it; the
    // club keeps what it had, and the window keeps the text for correcting.
    void absurdFigureIsRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("says");
        const char* const rows[][4] = {
            {"losses -5", "losstext", "-5", "number of losses"},
            {"wins 1e400", "wintext", "1e400", "0 to 32767"},
            {"scored 1e39", "GFtext", "1e39", "average of points scored"},
            {"scored 13 digits", "GFtext", "1234567890123.4", "from 0 to 300 points"},
            {"allowed 1e400", "GAtext", "1e400", "average of points allowed"},
            {"allowed negative", "GAtext", "-88", "from 0 to 300 points"}};
        for (auto [name, field, typed, says] : rows)
            QTest::newRow(name) << QString(field) << QString(typed) << QString(says);
    }
    void absurdFigureIsRefused() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, says);
        const NBA before = app->nba;
        Type(qPrintable(field), typed);
        Press("RecordButton");
        QCOMPARE(app->dialogs.shown.size(), size_t(1));
        const QString text = QString::fromStdString(app->dialogs.shown[0].text);
        QVERIFY2(text.contains(says) && text.contains("\"" + typed + "\""), qPrintable(text));
        QCOMPARE(app->dialogs.shown[0].icon, Icon::Exclamation);
        QCOMPARE(StatisticsText(app->nba), StatisticsText(before));
        QCOMPARE(Edit(qPrintable(field))->text(), typed);
        QCOMPARE(window->focusWidget(), Edit(qPrintable(field)));
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
};

QTEST_MAIN(StatformTest)
#include "statform_test.moc"
