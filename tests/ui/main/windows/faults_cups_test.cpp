// When things go wrong around the program: a damaged statistics file at start-up, a data folder
// that will not take the recorded figures, a print queue that is stopped or rejects jobs. Each
// gets one clear message and loses nothing: the program goes on, the old file stays as it was,
// the figures and the lists stay on screen and reach the disk or the paper once the fault is gone.
// Real windows (offscreen), the desktop printer and a cups-pdf queue:
// eval "$(.ci/cups.sh start DIR)" sets TAVIX_CUPS_PRINTER and TAVIX_CUPS_OUT.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "core/data_files.h"
#include "forecast/windows/pseason.h"
#include "statistics/season_setup.h"
#include "statistics/windows/statform.h"
#include "tests/support/qt/journey.h"

using namespace tavix;
using namespace tavix::testing;

namespace {

constexpr int kKnicks = 4;

template <class T = QAbstractButton>
T* Control(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A fresh copy of the supplied data and a program on it (not loaded yet).
struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Program> app;
    Setup() {
        CopySuppliedData(dir.path());
        app = std::make_unique<Program>(dir.path().toStdString(), dir.filePath("TVX.ini").toStdString());
    }
    QString Statistics() const { return dir.filePath(kStatisticsFile); }
};

// A queue state changed for one test and put back whatever happens.
struct QueueSwitch {
    QString on, queue;
    QueueSwitch(const QString& off, QString on_, QString queue_)
        : on(std::move(on_)), queue(std::move(queue_)) {
        RunTool(off, {queue});
    }
    ~QueueSwitch() { RunTool(on, {queue}); }
};

}  // namespace

class FaultsCupsTest : public QObject {
    Q_OBJECT
    QString queue_, out_;

    void Click(QAbstractButton* button, const char* what) {
        QVERIFY2(button, what);
        QVERIFY2(button->isVisible() && button->isEnabled() && button->window()->isEnabled(),
                 qPrintable(QString(what) + " cannot be clicked"));
        TAVIX_STEP(button->click());
    }
    void Choose(Form2& w, QMenu* menu, QAction* item) {
        QVERIFY2(w.isEnabled() && menu->menuAction()->isEnabled() && item->isEnabled(),
                 qPrintable(item->text()));
        TAVIX_STEP(item->trigger());
    }
    void Type(QLineEdit* field, const QString& text) {
        QVERIFY(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        QCOMPARE(field->text(), text);
    }

  private slots:
    void initTestCase();
    void damagedStatisticsFile_data();
    void damagedStatisticsFile();
    void failedRecordKeepsTheFigures();
    void unreadyQueueLosesNothing_data();
    void unreadyQueueLosesNothing();
};

void FaultsCupsTest::initTestCase() {
    queue_ = qEnvironmentVariable("TAVIX_CUPS_PRINTER");
    out_ = qEnvironmentVariable("TAVIX_CUPS_OUT");
    if (queue_.isEmpty() || out_.isEmpty())
        QSKIP(
            "No CUPS printer: run eval \"$(.ci/cups.sh start DIR)\" first (TAVIX_CUPS_PRINTER, "
            "TAVIX_CUPS_OUT)");
    for (const char* tool :
         {"pdftotext", "lpstat", "cupsdisable", "cupsenable", "cupsreject", "cupsaccept"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) QSKIP(qPrintable(QString(tool) + " is needed"));
    }
}

void FaultsCupsTest::damagedStatisticsFile_data() {
    QTest::addColumn<int>("keepBytes");  // how much of the statistics file is left; -1: half
    QTest::newRow("cut in the team figures") << -1;
    QTest::newRow("cut in the line counts") << 3;
    QTest::newRow("empty") << 0;
}

void FaultsCupsTest::damagedStatisticsFile() {
    QFETCH(int, keepBytes);
    Setup s;
    QFile stats(s.Statistics());
    QVERIFY(stats.resize(keepBytes < 0 ? stats.size() / 2 : keepBytes));
    const QByteArray damaged = Bytes(s.Statistics());

    Program& app = *s.app;
    app.dialogs.answers.push_back(Answer::Ok);
    const std::string unexpected = app.Load();
    QVERIFY2(unexpected.empty(), unexpected.c_str());
    QVERIFY(app.dialogs.answers.empty());
    QCOMPARE(app.dialogs.shown.size(), size_t(1));
    QCOMPARE(app.dialogs.shown[0].title, std::string("Tavix Loading...."));
    QCOMPARE(app.dialogs.shown[0].text, std::string(kLoadingMessageText));
    QCOMPARE(app.dialogs.shown[0].icon, Icon::Exclamation);
    QVERIFY(!app.report.statisticsOk);

    // The program runs on what it has, and nothing more is said about the file.
    Form2& w = *app.main;
    w.show();
    TAVIX_CHECKED(Choose(w, w.smeu, w.Sechalfmenu));
    QVERIFY(w.List1->isVisible());
    TAVIX_CHECKED(Click(w.SchDoneButton, "SchDoneButton"));
    TAVIX_CHECKED(Choose(w, w.STmenu, w.standingsmenu));
    QVERIFY(w.List2->count() > 0);
    TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));
    // A forecast from figures that may all be 0 must still finish.
    TAVIX_CHECKED(Choose(w, w.STmenu, w.pseasonmenu));
    auto* forecast = OpenWindow<Pseason>(w);
    QVERIFY(forecast);
    TAVIX_CHECKED(Click(Control(forecast, "DoneButton"), "forecast DoneButton"));
    TAVIX_CHECKED(Choose(w, w.STmenu, w.updatemenu));
    auto* stat = OpenWindow<statform>(w);
    QVERIFY(stat);
    TAVIX_CHECKED(Click(Control(stat, "Exitbutton"), "Exitbutton"));
    QVERIFY(OpenWindow<statform>(w) == nullptr);
    QCOMPARE(app.dialogs.shown.size(), size_t(1));
    QCOMPARE(Bytes(s.Statistics()), damaged);  // nothing rewrote it
}

void FaultsCupsTest::failedRecordKeepsTheFigures() {
    Setup s;
    Program& app = *s.app;
    const std::string unexpected = app.Load();
    QVERIFY2(unexpected.empty(), unexpected.c_str());
    Form2& w = *app.main;
    w.show();
    const QByteArray before = Bytes(s.Statistics());

    TAVIX_CHECKED(Choose(w, w.STmenu, w.updatemenu));
    auto* stat = OpenWindow<statform>(w);
    QVERIFY(stat);
    for (int i = 1; i < kKnicks; ++i) TAVIX_CHECKED(Click(Control(stat, "teamupbutton"), "teamupbutton"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(stat, "wintext"), "45"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(stat, "losstext"), "5"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(stat, "GFtext"), "101.5"));
    TAVIX_CHECKED(Type(Control<QLineEdit>(stat, "GAtext"), "88.2"));

    // The folder will not take the new file: where it would be written stands a folder with
    // something in it. Unlike file permissions this stops root too.
    const QString blocker = s.dir.filePath(QString(kStatisticsFile) + ".new");
    QVERIFY(QDir().mkpath(blocker + "/in the way"));

    app.dialogs.answers.push_back(Answer::Ok);
    TAVIX_CHECKED(Click(Control(stat, "RecordButton"), "RecordButton"));
    QVERIFY(app.dialogs.answers.empty());
    QCOMPARE(app.dialogs.shown.size(), size_t(1));
    const ShownMessage failed = app.dialogs.shown.back();
    QCOMPARE(failed.title, std::string("Tavix"));
    QCOMPARE(failed.icon, Icon::Exclamation);
    const QString text = QString::fromStdString(failed.text);
    QVERIFY2(text.contains(kRecordAgainAdvice), qPrintable(text));
    QVERIFY2(text.contains(QString::fromLocal8Bit(strerror(EISDIR))), qPrintable(text));
    QCOMPARE(Bytes(s.Statistics()), before);
    QCOMPARE(int(app.nba.Wins[kKnicks]), 45);
    QCOMPARE(int(app.nba.Losses[kKnicks]), 5);
    QCOMPARE(app.nba.OffenseAve[kKnicks], 101.5);
    QCOMPARE(app.nba.DefenseAve[kKnicks], 88.2);
    QCOMPARE(Control<QLineEdit>(stat, "wintext")->text(), QString("45"));

    // Leaving now would leave the figures unrecorded: the window says so and stays.
    app.dialogs.answers.push_back(Answer::Cancel);
    TAVIX_CHECKED(Click(Control(stat, "Exitbutton"), "Exitbutton"));
    QVERIFY(app.dialogs.answers.empty());
    QCOMPARE(app.dialogs.shown.size(), size_t(2));
    QVERIFY(QString::fromStdString(app.dialogs.shown.back().text)
                .startsWith("Changes were detected in database,"));
    QCOMPARE(OpenWindow<statform>(w), stat);

    // Once the folder takes files again the same figures are recorded.
    QVERIFY(QDir(blocker).removeRecursively());
    app.dialogs.answers.push_back(Answer::Ok);
    TAVIX_CHECKED(Click(Control(stat, "RecordButton"), "RecordButton"));
    QVERIFY(app.dialogs.answers.empty());
    QCOMPARE(app.dialogs.shown.back().text, std::string("Statistics were saved to Disk."));
    QVERIFY(!QFile::exists(blocker));
    NBA onDisk;
    LoadLeague(s.dir.path().toStdString(), std::string(), onDisk);
    QCOMPARE(int(onDisk.Wins[kKnicks]), 45);
    QCOMPARE(int(onDisk.Losses[kKnicks]), 5);
    QCOMPARE(onDisk.OffenseAve[kKnicks], 101.5);
    QCOMPARE(onDisk.DefenseAve[kKnicks], 88.2);
    QCOMPARE(StatisticsText(onDisk), StatisticsText(app.nba));
    TAVIX_CHECKED(Click(Control(stat, "Exitbutton"), "Exitbutton"));  // recorded: no question
    QVERIFY(OpenWindow<statform>(w) == nullptr);
    QCOMPARE(app.dialogs.shown.size(), size_t(3));
}

void FaultsCupsTest::unreadyQueueLosesNothing_data() {
    QTest::addColumn<bool>("standings");  // else the March schedule
    QTest::addColumn<QString>("off");
    QTest::addColumn<QString>("on");
    QTest::addColumn<QString>("reason");
    QTest::newRow("standings, stopped") << true << "cupsdisable"
                                        << "cupsenable"
                                        << "is stopped";
    QTest::newRow("standings, rejecting") << true << "cupsreject"
                                          << "cupsaccept"
                                          << "is not accepting jobs";
    QTest::newRow("schedule, stopped") << false << "cupsdisable"
                                       << "cupsenable"
                                       << "is stopped";
    QTest::newRow("schedule, rejecting") << false << "cupsreject"
                                         << "cupsaccept"
                                         << "is not accepting jobs";
}

void FaultsCupsTest::unreadyQueueLosesNothing() {
    QFETCH(bool, standings);
    QFETCH(QString, off);
    QFETCH(QString, on);
    QFETCH(QString, reason);
    Setup s;
    Program& app = *s.app;
    const std::string unexpected = app.Load();
    QVERIFY2(unexpected.empty(), unexpected.c_str());
    Form2& w = *app.main;
    w.show();
    QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);

    if (standings)
        TAVIX_CHECKED(Choose(w, w.STmenu, w.standingsmenu));
    else
        TAVIX_CHECKED(Choose(w, w.Monmenu, w.Monthlyschedulemenu[4]));
    QListWidget* list = standings ? w.List2 : w.List1;
    QAbstractButton* print = standings ? static_cast<QAbstractButton*>(w.StandPrintButton) : w.SchPrintButton;
    const QStringList lines = Items(list);
    QVERIFY(lines.size() > 40);
    const std::string figures = StatisticsText(app.nba);
    const QByteArray file = Bytes(s.Statistics());

    {
        QueueSwitch unready(off, on, queue_);
        app.dialogs.answers = {Answer::Ok, Answer::Ok};  // the confirmation, then the failure
        TAVIX_CHECKED(Click(print, "print button"));
        QVERIFY(app.dialogs.answers.empty());
        QCOMPARE(app.dialogs.shown.size(), size_t(2));
        const ShownMessage& failed = app.dialogs.shown.back();
        QCOMPARE(failed.title, std::string("Tavix"));
        QCOMPARE(failed.icon, Icon::Exclamation);
        const QString text = QString::fromStdString(failed.text);
        QVERIFY2(text.startsWith("The printout could not be made.\r\nThe printer " + queue_ + " " + reason),
                 qPrintable(text));
        // Nothing was sent, so nothing waits in the queue for the day it is started again.
        QCOMPARE(app.printers->LastJobId(), 0);
        QVERIFY2(RunTool("lpstat", {"-o", queue_}).trimmed().isEmpty(),
                 qPrintable(RunTool("lpstat", {"-o"})));
        // The list is still there to print, the statistics are untouched.
        QVERIFY(list->isVisible() && print->isEnabled());
        QCOMPARE(Items(list), lines);
        QCOMPARE(StatisticsText(app.nba), figures);
        QCOMPARE(Bytes(s.Statistics()), file);
    }

    // With the queue back the same list prints.
    app.dialogs.answers = {Answer::Ok};
    TAVIX_CHECKED(Click(print, "print button"));
    QVERIFY(app.dialogs.answers.empty());
    QCOMPARE(app.dialogs.shown.size(), size_t(3));
    const int job = app.printers->LastJobId();
    QVERIFY(job > 0);
    QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);
    QString pdf;
    QTRY_VERIFY_WITH_TIMEOUT(!(pdf = PdfOfJob(out_, job)).isEmpty(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(PdfLines(pdf), Squeezed(lines), 20000);
}

QTEST_MAIN(FaultsCupsTest)
#include "faults_cups_test.moc"
