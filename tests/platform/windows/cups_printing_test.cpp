// End to end through a real print queue: a schedule printed with the list scheme goes through
// QPrinter and CUPS to the cups-pdf printer, and the PDF it writes is read back page by page.
// Needs a running cupsd with a cups-pdf queue: eval "$(.ci/cups.sh start DIR)" sets the environment.
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "core/print_list.h"
#include "platform/qt_printer.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;

namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool QueueEmpty() { return Run("lpstat", {"-o"}).trimmed().isEmpty(); }

// The PDF cups-pdf wrote for one job (its name ends in "-job_<id>.pdf"); empty when there is none.
QString PdfOfJob(const QString& folder, int job) {
    const QString ending = QString("-job_%1.pdf").arg(job);
    for (QDirIterator it(folder, {"*" + ending}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (path.endsWith(ending)) return path;
    }
    return QString();
}

// The newest PDF cups-pdf wrote since `since` (its names carry the job number and some junk).
QString NewestPdf(const QString& folder, const QDateTime& since) {
    QString newest;
    QDateTime newestTime = since;
    for (QDirIterator it(folder, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        if (info.lastModified() >= newestTime) {
            newest = info.filePath();
            newestTime = info.lastModified();
        }
    }
    return newest;
}

QList<QStringList> PdfPages(const QString& pdf) {
    QList<QStringList> pages;
    for (const QString& chunk : Run("pdftotext", {"-layout", pdf, "-"}).split('\f')) {
        QStringList lines;
        for (const QString& line : chunk.split('\n'))
            if (!line.simplified().isEmpty()) lines << line.simplified();
        pages << lines;
    }
    while (!pages.isEmpty() && pages.last().isEmpty()) pages.removeLast();
    return pages;
}

int PdfPageCount(const QString& pdf) {
    for (const QString& line : Run("pdfinfo", {pdf}).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

// Presses a button of the print dialog once it is up.
void AnswerPrintDialog(bool accept) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, accept] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        const QString shots = qEnvironmentVariable("TAVIX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) dialog->grab().save(shots + "/printer_setup.png");
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    poll->start(10);
}

}  // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT
    QString queue_, out_;

  private slots:
    void initTestCase() {
        queue_ = qEnvironmentVariable("TAVIX_CUPS_PRINTER");
        out_ = qEnvironmentVariable("TAVIX_CUPS_OUT");
        if (queue_.isEmpty() || out_.isEmpty())
            QSKIP(
                "No CUPS printer to print to: run eval \"$(.ci/cups.sh start DIR)\" first, which sets "
                "TAVIX_CUPS_PRINTER and TAVIX_CUPS_OUT");
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the printout back");
        QVERIFY2(!QPrinterInfo::printerInfo(queue_).isNull(), qPrintable("CUPS has no printer " + queue_));
    }

    void scheduleGoesThroughTheQueue() {
        ListPrintSpec spec;
        spec.documentName = "Schedule";
        spec.headerLines = {" ", " ", " "};
        spec.margin = "        ";
        spec.pageBreak = {PageBreakRule::Kind::ShortLine, 40, 5};
        ListContents list;
        const char* games[] = {"   Boston Celtics at New York Knicks       7:30 pm",
                               "   Utah Jazz at Portland Trail Blazers    10:00 pm",
                               "   Chicago Bulls at Miami Heat             7:30 pm"};
        for (int day = 1; day <= 24; ++day) {
            list.items.push_back(QString("  Feb %1, 1999").arg(day, 2, 10, QChar('0')).toStdString());
            for (const char* game : games) list.items.push_back(game);
            list.items.push_back(" ");
        }
        // What the pages must hold, from the same scheme on a recording printer.
        testing::RecordingPrinter expected;
        SendList(spec, list, "DejaVu Sans Mono", expected);
        const int expectedPages = expected.PageCount(0);
        QVERIFY(expectedPages >= 3);

        QStringList notices;
        QtPrinterProvider provider([&](const std::string& m) { notices << QString::fromStdString(m); });
        QCOMPARE(provider.CurrentPrinterName(), queue_);
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        std::string failure;
        QVERIFY2(RunPrintJob(
                     provider, spec.documentName,
                     [&](Printer& p) { SendList(spec, list, "DejaVu Sans Mono", p); }, &failure),
                 failure.c_str());
        QVERIFY(notices.isEmpty());  // a real printer needs no word about files

        QTRY_VERIFY_WITH_TIMEOUT(QueueEmpty(), 30000);
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = NewestPdf(out_, started)).isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(PdfPageCount(pdf) == expectedPages, 10000);

        const QList<QStringList> pages = PdfPages(pdf);
        QCOMPARE(int(pages.size()), expectedPages);
        for (int page = 0; page < expectedPages; ++page) {
            QStringList want;
            for (const std::string& line : expected.Page(0, page)) {
                const QString clean = QString::fromStdString(line).simplified();
                if (!clean.isEmpty()) want << clean;
            }
            QCOMPARE(pages[page], want);
        }

        const QString shots = qEnvironmentVariable("TAVIX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            Run("pdftoppm", {"-png", "-r", "50", "-f", "1", "-l", "1", pdf, shots + "/cups_page"});
    }

    // A printout that failed half-way must not come out of the printer half-printed: the job the
    // queue made of it is cancelled.
    void abandonedJobPrintsNothing() {
        QtPrinterProvider provider;
        Printer& printer = provider.Begin("Abandoned");
        printer.PrintLine("half a list");
        printer.Abandon();
        const int job = provider.LastJobId();
        QVERIFY(job > 0);
        // Once the queue is through with the job, cups-pdf would have written its file.
        QTRY_VERIFY_WITH_TIMEOUT(QueueEmpty(), 30000);
        const QString pdf = PdfOfJob(out_, job);
        QVERIFY2(pdf.isEmpty(), qPrintable(pdf));
    }

    // A queue that cannot print now is reported before anything is sent, and nothing is left
    // waiting in it; one stopped while the pages were drawn loses the job it would have held.
    void unreadyQueueIsReported_data() {
        QTest::addColumn<QString>("off");
        QTest::addColumn<QString>("on");
        QTest::addColumn<bool>("whileDrawing");
        QTest::addColumn<QString>("reason");
        QTest::newRow("stopped") << "cupsdisable"
                                 << "cupsenable" << false << "is stopped";
        QTest::newRow("rejecting") << "cupsreject"
                                   << "cupsaccept" << false << "is not accepting jobs";
        QTest::newRow("stopped while drawing") << "cupsdisable"
                                               << "cupsenable" << true << "is stopped";
        QTest::newRow("rejecting while drawing") << "cupsreject"
                                                 << "cupsaccept" << true << "is not accepting jobs";
    }
    void unreadyQueueIsReported() {
        QFETCH(QString, off);
        QFETCH(QString, on);
        QFETCH(bool, whileDrawing);
        QFETCH(QString, reason);
        QTRY_VERIFY_WITH_TIMEOUT(QueueEmpty(), 30000);
        const QString before = Run("lpstat", {"-W", "all", "-o", queue_});
        struct Restore {
            QString command, queue;
            ~Restore() { Run(command, {queue}); }
        } restore{on, queue_};

        QtPrinterProvider provider;
        std::string failure;
        const bool printed = RunPrintJob(
            provider, "Unready",
            [&](Printer& p) {
                if (!whileDrawing) Run(off, {queue_});
                p.PrintLine("first line");
                if (whileDrawing) Run(off, {queue_});
                p.PrintLine("second line");
                p.EndDocument();
            },
            &failure);
        QVERIFY(!printed);
        const QString message = QString::fromStdString(failure);
        QVERIFY2(message.startsWith("The printer " + queue_ + " " + reason), qPrintable(message));
        // Nothing waits in the queue for the day it is started again.
        QVERIFY2(Run("lpstat", {"-o", queue_}).trimmed().isEmpty(),
                 qPrintable(Run("lpstat", {"-o", queue_})));
        if (!whileDrawing) QCOMPARE(Run("lpstat", {"-W", "all", "-o", queue_}), before);
    }

    void setupChoosesTheQueue_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }
    void setupChoosesTheQueue() {
        QFETCH(bool, accept);
        QtPrinterProvider provider;
        testing::ScriptedDialogs dialogs;
        AnswerPrintDialog(accept);
        QCOMPARE(provider.RunPrinterSetup(nullptr, dialogs), accept);
        QVERIFY(dialogs.shown.empty());
        // Either way the next job goes to the queue: it is the only printer and the default.
        QCOMPARE(provider.CurrentPrinterName(), queue_);
    }
};

QTEST_MAIN(CupsPrintingTest)
#include "cups_printing_test.moc"
