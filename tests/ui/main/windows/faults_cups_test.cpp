// When a print queue is stopped or rejects jobs: one clear message, nothing lost, the list still on
// screen reaches the paper once the queue is back. Real windows (offscreen), the desktop printer and
// a cups-pdf queue: eval "$(.ci/cups.sh start DIR)". (Damaged files at start-up are the main
// window's test; a Record over one is the statistics window's.)
#include <QAbstractButton>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/data_files.h"
#include "tests/support/qt/journey.h"

using namespace tavix;
using namespace tavix::testing;

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A fresh copy of the supplied data and a program on it (not loaded yet).
struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Program> app;
    Setup() {
        CopySuppliedData(dir.path().toStdString());
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

    // Opens a view or window from the menu, or closes it with its button, as the user can.
    void Do(Form2& w, QObject* control) {
        auto* action = qobject_cast<QAction*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        QVERIFY2(action || button, "no such control");
        if (action) {
            bool menusOn = w.isEnabled() && action->isEnabled();
            for (QObject* menu : action->associatedObjects())
                if (auto* m = qobject_cast<QMenu*>(menu)) menusOn = menusOn && m->menuAction()->isEnabled();
            QVERIFY2(menusOn, qPrintable(action->text() + " is off"));
            TAVIX_STEP(action->trigger());
        } else {
            QVERIFY2(button->isVisible() && button->isEnabled() && button->window()->isEnabled(),
                     qPrintable(button->objectName() + " cannot be clicked"));
            TAVIX_STEP(button->click());
        }
    }
    void Load(Program& app) {
        const std::string unexpected = app.Load();
        QVERIFY2(unexpected.empty(), unexpected.c_str());
        app.main->show();
    }

  private slots:
    void initTestCase() {
        const CupsSetup cups =
            FindCupsSetup({"pdftotext", "lpstat", "cupsdisable", "cupsenable", "cupsreject", "cupsaccept"});
        if (!cups.skip.isEmpty()) QSKIP(qPrintable(cups.skip));
        queue_ = cups.queue;
        out_ = cups.out;
    }

    void unreadyQueueLosesNothing_data() {
        QTest::addColumn<bool>("standings");  // else the March schedule
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("on");
        QTest::addColumn<QString>("reason");
        for (bool standings : {true, false}) {
            const char* view = standings ? "standings" : "schedule";
            QTest::addRow("%s, stopped", view)
                << standings << "cupsdisable" << QString("cupsenable") << "is stopped";
            QTest::addRow("%s, rejecting", view)
                << standings << "cupsreject" << QString("cupsaccept") << "is not accepting jobs";
        }
    }
    void unreadyQueueLosesNothing() {
        QFETCH(bool, standings);
        QFETCH(QString, off);
        QFETCH(QString, on);
        QFETCH(QString, reason);
        Setup s;
        Program& app = *s.app;
        TAVIX_CHECKED(Load(app));
        Form2& w = *app.main;
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);
        TAVIX_CHECKED(Do(w, standings ? w.standingsmenu : w.Monthlyschedulemenu[4]));
        QListWidget* list = standings ? w.List2 : w.List1;
        QAbstractButton* print =
            standings ? static_cast<QAbstractButton*>(w.StandPrintButton) : w.SchPrintButton;
        const QStringList lines = Items(list);
        QVERIFY(lines.size() > 40);
        const std::string figures = StatisticsText(app.nba);
        const QByteArray file = Bytes(s.Statistics());
        {
            QueueSwitch unready(off, on, queue_);
            app.dialogs.answers = {Answer::Ok, Answer::Ok};  // the confirmation, then the failure
            TAVIX_CHECKED(Do(w, print));
            QVERIFY(app.dialogs.answers.empty());
            QCOMPARE(app.dialogs.shown.size(), size_t(2));
            QCOMPARE(app.dialogs.shown[1].title, std::string("Tavix"));
            QCOMPARE(app.dialogs.shown[1].icon, Icon::Exclamation);
            const QString text = QString::fromStdString(app.dialogs.shown[1].text);
            QVERIFY2(
                text.startsWith("The printout could not be made.\r\nThe printer " + queue_ + " " + reason),
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
        TAVIX_CHECKED(Do(w, print));
        QVERIFY(app.dialogs.answers.empty());
        QCOMPARE(app.dialogs.shown.size(), size_t(3));
        const int job = app.printers->LastJobId();
        QVERIFY(job > 0);
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = PdfOfJob(out_, job)).isEmpty(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(PdfLines(pdf), Squeezed(lines), 20000);
    }
};

QTEST_MAIN(FaultsCupsTest)
#include "faults_cups_test.moc"
