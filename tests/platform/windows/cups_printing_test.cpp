// End to end through a real print queue: a list printed with the list scheme goes through QPrinter
// and CUPS to the cups-pdf printer, and the PDF it writes is read back page by page.
// Needs a running cupsd with a cups-pdf queue: eval "$(.ci/cups.sh start DIR)" sets the environment.
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTimer>
#include <QtTest>

#include "core/print_list.h"
#include "platform/qt_printer.h"
#include "tests/support/qt/journey.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;
using namespace tavix::testing;

class CupsPrintingTest : public QObject {
    Q_OBJECT
    QString queue_, out_;

  private slots:
    void initTestCase() {
        const CupsSetup cups = FindCupsSetup({"pdftotext"});
        if (!cups.skip.isEmpty()) QSKIP(qPrintable(cups.skip));
        queue_ = cups.queue;
        out_ = cups.out;
        QVERIFY2(!QPrinterInfo::printerInfo(queue_).isNull(), qPrintable("CUPS has no printer " + queue_));
    }

    void scheduleGoesThroughTheQueue() {
        PrintScheme scheme;
        scheme.documentName = "Schedule";
        scheme.headerLines = {" ", " ", " "};
        scheme.margin = "        ";
        scheme.pageBreak = {PageBreakRule::Kind::ShortLine, 40, 5};
        ListContents list;
        for (int day = 1; day <= 24; ++day) {
            list.items.push_back(QString("  Feb %1, 1999").arg(day, 2, 10, QChar('0')).toStdString());
            for (const char* game : {"   Boston Celtics at New York Knicks       7:30 pm",
                                     "   Utah Jazz at Portland Trail Blazers    10:00 pm"})
                list.items.push_back(game);
            list.items.push_back(" ");
        }
        // What the pages must hold, from the same scheme on a recording printer.
        RecordingPrinter expected;
        SendList(scheme, list, "DejaVu Sans Mono", expected);
        QVERIFY(expected.PageCount(0) >= 2);

        QStringList notices;
        QtPrinterProvider provider([&](const std::string& m) { notices << QString::fromStdString(m); });
        QCOMPARE(provider.CurrentPrinterName(), queue_);
        std::string failure;
        QVERIFY2(RunPrintJob(
                     provider, scheme.documentName,
                     [&](Printer& p) { SendList(scheme, list, "DejaVu Sans Mono", p); }, &failure),
                 failure.c_str());
        QVERIFY(notices.isEmpty());  // a real printer needs no word about files
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 30000);
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = PdfOfJob(out_, provider.LastJobId())).isEmpty(), 10000);
        QList<QStringList> want;
        for (int page = 0; page < expected.PageCount(0); ++page) {
            QStringList lines;
            for (const std::string& line : expected.Page(0, page)) lines << QString::fromStdString(line);
            want << Squeezed(lines);
        }
        QTRY_COMPARE_WITH_TIMEOUT(PdfPages(pdf), want, 10000);
    }

    // A printout that failed half-way must not come out of the printer half-printed: the job the
    // queue made of it is cancelled.
    void abandonedJobPrintsNothing() {
        QtPrinterProvider provider;
        Printer& printer = provider.Begin("Abandoned");
        printer.PrintLine("half a list");
        printer.Abandon();
        QVERIFY(provider.LastJobId() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 30000);  // then cups-pdf would have written its file
        QVERIFY2(PdfOfJob(out_, provider.LastJobId()).isEmpty(), "the abandoned job was printed");
    }

    // A queue that cannot print now is reported before anything is sent, and nothing is left
    // waiting in it; one stopped while the pages were drawn loses the job it would have held.
    void unreadyQueueIsReported_data() {
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("on");
        QTest::addColumn<bool>("whileDrawing");
        QTest::addColumn<QString>("reason");
        for (bool whileDrawing : {false, true}) {
            const char* when = whileDrawing ? " while drawing" : "";
            QTest::addRow("stopped%s", when)
                << "cupsdisable" << QString("cupsenable") << whileDrawing << "is stopped";
            QTest::addRow("rejecting%s", when)
                << "cupsreject" << QString("cupsaccept") << whileDrawing << "is not accepting jobs";
        }
    }
    void unreadyQueueIsReported() {
        QFETCH(QString, off);
        QFETCH(QString, on);
        QFETCH(bool, whileDrawing);
        QFETCH(QString, reason);
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 30000);
        const QString before = RunTool("lpstat", {"-W", "all", "-o", queue_});
        struct Restore {
            QString command, queue;
            ~Restore() { RunTool(command, {queue}); }
        } restore{on, queue_};
        QtPrinterProvider provider;
        std::string failure;
        const bool printed = RunPrintJob(
            provider, "Unready",
            [&](Printer& p) {
                if (!whileDrawing) RunTool(off, {queue_});
                p.PrintLine("first line");
                if (whileDrawing) RunTool(off, {queue_});
                p.PrintLine("second line");
                p.EndDocument();
            },
            &failure);
        QVERIFY(!printed);
        QVERIFY2(QString::fromStdString(failure).startsWith("The printer " + queue_ + " " + reason),
                 failure.c_str());
        QVERIFY2(RunTool("lpstat", {"-o", queue_}).trimmed().isEmpty(), "a job waits in the queue");
        if (!whileDrawing) QCOMPARE(RunTool("lpstat", {"-W", "all", "-o", queue_}), before);
    }

    // Whether the printer dialog is accepted or cancelled, the next job goes to the only printer.
    void setupChoosesTheQueue_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }
    void setupChoosesTheQueue() {
        QFETCH(bool, accept);
        QtPrinterProvider provider;
        ScriptedDialogs dialogs;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                poll.stop();
                accept ? dialog->accept() : dialog->reject();
            }
        });
        poll.start(10);
        QCOMPARE(provider.RunPrinterSetup(nullptr, dialogs), accept);
        QVERIFY(dialogs.shown.empty());
        QCOMPARE(provider.CurrentPrinterName(), queue_);
    }
};

QTEST_MAIN(CupsPrintingTest)
#include "cups_printing_test.moc"
