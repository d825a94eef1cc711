// Printing with no printer installed: every document becomes a PDF file in the printout folder,
// read back here with pdftotext to check its pages and lines.
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/print_list.h"
#include "platform/qt_printer.h"
#include "tests/support/scripted_dialogs.h"

using namespace tavix;

namespace {

// The text of each page of a PDF, pages split at form feeds, blank lines dropped and runs of blanks
// squeezed (pdftotext -layout does not keep exact runs of blanks).
QList<QStringList> PdfPages(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return {};
    QList<QStringList> pages;
    const QStringList chunks = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    for (const QString& chunk : chunks) {
        QStringList lines;
        for (const QString& line : chunk.split('\n')) {
            const QString clean = line.simplified();
            if (!clean.isEmpty()) lines << clean;
        }
        pages << lines;
    }
    // The text ends with a form feed after the last page.
    while (!pages.isEmpty() && pages.last().isEmpty()) pages.removeLast();
    return pages;
}

int PdfPageCount(const QString& pdf) {
    QProcess p;
    p.start("pdfinfo", {pdf});
    if (!p.waitForFinished(20000)) return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QStringList PdfFiles(const QString& folder) {
    QStringList out;
    for (const QString& name : QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Name))
        out << QDir(folder).filePath(name);
    return out;
}

}  // namespace

class PdfPrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList notices_;
    QString Folder() const { return dir_.filePath("printouts"); }
    QtPrinterProvider::Notify Recorder() {
        return [this](const std::string& message) { notices_ << QString::fromLatin1(message.c_str()); };
    }

  private slots:
    void initTestCase() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("A printer is installed here, so printouts go to it and not to PDF files");
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are needed to read the printouts back");
        QVERIFY(dir_.isValid());
    }
    void init() {
        QDir(Folder()).removeRecursively();
        qputenv("TAVIX_PRINTOUT_DIR", QFile::encodeName(Folder()));
        notices_.clear();
    }

    // Pages made by the caller, and pages that fill up and go out by themselves.
    void pages_data() {
        QTest::addColumn<int>("linesPerPage");
        QTest::addColumn<bool>("explicitBreaks");
        QTest::addColumn<double>("points");
        QTest::newRow("three pages by NewPage") << 20 << true << 12.0;
        QTest::newRow("full pages go out by themselves") << 0 << false << 12.0;
        QTest::newRow("large font fills sooner") << 0 << false << 18.0;
    }
    void pages() {
        QFETCH(int, linesPerPage);
        QFETCH(bool, explicitBreaks);
        QFETCH(double, points);
        QtPrinterProvider provider(Recorder());
        Printer& printer = provider.Begin("Schedule");
        printer.SetFontName("DejaVu Sans Mono");
        printer.SetFontSize(points);
        QStringList sent;
        const int total = explicitBreaks ? 3 * linesPerPage : 150;
        for (int i = 0; i < total; ++i) {
            if (explicitBreaks && i > 0 && i % linesPerPage == 0) printer.NewPage();
            const QString line = QString("        Line %1 of the list").arg(i + 1, 3, 10, QChar('0'));
            sent << line.simplified();
            printer.PrintLine(line.toStdString());
        }
        printer.EndDocument();

        const QStringList files = PdfFiles(Folder());
        QCOMPARE(files.size(), 1);
        QVERIFY2(QFileInfo(files[0]).fileName().startsWith("Schedule 20"), qPrintable(files[0]));
        QCOMPARE(notices_.size(), 1);
        QVERIFY2(notices_[0].contains(QDir::toNativeSeparators(files[0])), qPrintable(notices_[0]));

        const QList<QStringList> pages = PdfPages(files[0]);
        QStringList all;
        for (const auto& page : pages) all += page;
        QCOMPARE(all, sent);  // nothing lost, nothing doubled, in order
        if (explicitBreaks) {
            QCOMPARE(PdfPageCount(files[0]), 3);
            for (int p = 0; p < 3; ++p) QCOMPARE(pages[p], sent.mid(p * linesPerPage, linesPerPage));
        } else {
            // Every page but the last is full, and a larger font holds fewer lines.
            QVERIFY(pages.size() >= 3);
            QCOMPARE(PdfPageCount(files[0]), int(pages.size()));
            for (int p = 1; p + 1 < pages.size(); ++p) QCOMPARE(pages[p].size(), pages[0].size());
            QVERIFY(pages.last().size() <= pages[0].size());
            const int expectedPerPage = points > 15 ? 40 : 60;
            QVERIFY2(pages[0].size() < expectedPerPage, qPrintable(QString::number(pages[0].size())));
        }
    }

    // The list scheme itself, through the real printer: header, margin and the page-break rule.
    void scheduleList() {
        ListPrintSpec spec;
        spec.documentName = "Team Schedule";
        spec.headerLines = {" ", " ", " "};
        spec.margin = "        ";
        spec.pageBreak = {PageBreakRule::Kind::ShortLine, 40, 5};
        ListContents list;
        for (int day = 1; day <= 25; ++day) {
            list.items.push_back(QString("Tue Dec %1 1998").arg(day).toStdString());
            list.items.push_back("   Boston at New York 7:30");
            list.items.push_back("   Utah at Portland 10:00");
            list.items.push_back(" ");
        }
        QtPrinterProvider provider(Recorder());
        SendList(spec, list, "DejaVu Sans Mono", provider.Begin(spec.documentName));
        const QStringList files = PdfFiles(Folder());
        QCOMPARE(files.size(), 1);
        QVERIFY(QFileInfo(files[0]).fileName().startsWith("Team Schedule 20"));
        const QList<QStringList> pages = PdfPages(files[0]);
        // 100 lines, a break after the 41st counted line at the next blank line: 44, 44 and 12.
        QCOMPARE(PdfPageCount(files[0]), 3);
        QCOMPARE(pages[0].first(), QString("Tue Dec 1 1998"));
        QCOMPARE(pages[1].first(), QString("Tue Dec 12 1998"));
        QCOMPARE(pages[2].first(), QString("Tue Dec 23 1998"));
        QCOMPARE(pages[2].last(), QString("Utah at Portland 10:00"));
    }

    // A job of two documents (the addresses print) makes two files, each announced.
    void twoDocuments() {
        QtPrinterProvider provider(Recorder());
        Printer& printer = provider.Begin("Team Addresses");
        printer.PrintLine("Eastern Conference");
        printer.EndDocument();
        printer.PrintLine("Western Conference");
        printer.EndDocument();
        const QStringList files = PdfFiles(Folder());
        QCOMPARE(files.size(), 2);
        QCOMPARE(notices_.size(), 2);
        QStringList firstLines;
        for (const QString& f : files) firstLines << PdfPages(f).value(0).value(0);
        firstLines.sort();
        QCOMPARE(firstLines, QStringList({"Eastern Conference", "Western Conference"}));
    }

    void unsafeNameCharacters() {
        QtPrinterProvider provider(Recorder());
        Printer& printer = provider.Begin("Predictions: 12/01 \"home\"?");
        printer.PrintLine("x");
        printer.EndDocument();
        const QStringList files = PdfFiles(Folder());
        QCOMPARE(files.size(), 1);
        const QString name = QFileInfo(files[0]).fileName();
        QVERIFY2(name.startsWith("Predictions_ 12_01 _home__ 20"), qPrintable(name));
    }

    void abandonedDocumentLeavesNoFile() {
        QtPrinterProvider provider(Recorder());
        Printer& printer = provider.Begin("Schedule");
        printer.PrintLine("half a list");
        printer.Abandon();
        QVERIFY(PdfFiles(Folder()).isEmpty());
        QVERIFY(notices_.isEmpty());
    }

    void unwritableFolderFails() {
        // A file where the folder should be: no one, not even root, can make a folder inside it.
        QFile blocker(dir_.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("TAVIX_PRINTOUT_DIR", QFile::encodeName(dir_.filePath("blocker/printouts")));
        QtPrinterProvider provider(Recorder());
        std::string failure;
        const bool ok = RunPrintJob(
            provider, "Schedule", [](Printer& p) { p.PrintLine("never printed"); }, &failure);
        QVERIFY(!ok);
        QVERIFY2(failure.find("blocker") != std::string::npos, failure.c_str());
        QVERIFY(notices_.isEmpty());
    }

    void setupWithoutPrinterExplains() {
        QtPrinterProvider provider(Recorder());
        testing::ScriptedDialogs dialogs;
        QVERIFY(!provider.RunPrinterSetup(nullptr, dialogs));
        QCOMPARE(int(dialogs.shown.size()), 1);
        QVERIFY(dialogs.shown[0].text.find(QDir::toNativeSeparators(Folder()).toStdString()) !=
                std::string::npos);
        QVERIFY(provider.CurrentPrinterName().isEmpty());
    }
};

QTEST_MAIN(PdfPrintingTest)
#include "pdf_printing_test.moc"
