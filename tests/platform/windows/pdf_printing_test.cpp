// Printing with no printer installed: every document becomes a PDF file in the printout folder,
// read back here with pdftotext to check its pages and lines.
#include <QDir>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "core/data_files.h"
#include "platform/qt_printer.h"
#include "predictions/block_predictions.h"
#include "reference/addresses.h"
#include "reference/rosters.h"
#include "tests/support/qt/journey.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main/schedule_views.h"

using namespace tavix;
using namespace tavix::testing;

class PdfPrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList notices_;
    QString Folder() const { return dir_.filePath("printouts"); }
    QStringList Files() const {
        QStringList out;
        for (const QString& name : QDir(Folder()).entryList({"*.pdf"}, QDir::Files, QDir::Name))
            out << QDir(Folder()).filePath(name);
        return out;
    }
    QtPrinterProvider::Notify Recorder() {
        return [this](const std::string& message) { notices_ << QString::fromLatin1(message.c_str()); };
    }

  private slots:
    void initTestCase() {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("A printer is installed: printouts go to it");
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed");
        QVERIFY(dir_.isValid());
    }
    void init() {
        QDir(Folder()).removeRecursively();
        qputenv("TAVIX_PRINTOUT_DIR", QFile::encodeName(Folder()));
        notices_.clear();
    }

    // Pages that fill up go out by themselves (pages the caller breaks are the whole lists' below).
    void pages_data() {
        QTest::addColumn<double>("points");
        QTest::newRow("full pages go out by themselves") << 12.0;
        QTest::newRow("large font fills sooner") << 18.0;
    }
    void pages() {
        QFETCH(double, points);
        QtPrinterProvider provider(Recorder());
        Printer& printer = provider.Begin("Schedule");
        printer.SetFontName("DejaVu Sans Mono");
        printer.SetFontSize(points);
        QStringList sent;
        for (int i = 0; i < 150; ++i) {
            sent << QString("Line %1 of the list").arg(i + 1, 3, 10, QChar('0'));
            printer.PrintLine("        " + sent.last().toStdString());
        }
        printer.EndDocument();
        printer.EndJob();
        const QStringList files = Files();
        QCOMPARE(files.size(), 1);
        QVERIFY2(QFileInfo(files[0]).fileName().startsWith("Schedule 20"), qPrintable(files[0]));
        QCOMPARE(notices_.size(), 1);
        QVERIFY2(notices_[0].contains(QDir::toNativeSeparators(files[0])), qPrintable(notices_[0]));
        const QList<QStringList> pages = PdfPages(files[0]);
        QStringList all;
        for (const auto& page : pages) all += page;
        QCOMPARE(all, sent);  // nothing lost, nothing doubled, in order
        // Every page but the last is full, and a larger font holds fewer lines.
        QVERIFY(pages.size() >= 3);
        for (int p = 1; p + 1 < pages.size(); ++p) QCOMPARE(pages[p].size(), pages[0].size());
        QVERIFY(pages.last().size() <= pages[0].size());
        QVERIFY2(pages[0].size() < (points > 15 ? 40 : 60), qPrintable(QString::number(pages[0].size())));
    }

    // A job of two documents (the addresses print) makes two files and one message naming both,
    // so it does not read as a double print; unsafe characters of the name do not reach the file
    // name.
    void twoDocumentsOneMessageAndUnsafeName() {
        QtPrinterProvider provider(Recorder());
        QVERIFY(RunPrintJob(provider, "Predictions: 12/01 \"home\"?", [](Printer& printer) {
            printer.PrintLine("Eastern Conference");
            printer.EndDocument();
            printer.PrintLine("Western Conference");
            printer.EndDocument();
        }));
        QCOMPARE(Files().size(), 2);
        QCOMPARE(notices_.size(), 1);
        QVERIFY2(notices_[0].contains("2 PDF files"), qPrintable(notices_[0]));
        for (const QString& f : Files())
            QVERIFY2(notices_[0].contains(QDir::toNativeSeparators(f)), qPrintable(notices_[0]));
        QStringList firstLines;
        for (const QString& f : Files()) {
            QVERIFY2(QFileInfo(f).fileName().startsWith("Predictions_ 12_01 _home__ 20"), qPrintable(f));
            firstLines << PdfPages(f).value(0).value(0);
        }
        firstLines.sort();
        QCOMPARE(firstLines, QStringList({"Eastern Conference", "Western Conference"}));
    }

    // Every page a list's page rule makes comes out on one sheet of its own, on A4 and on Letter,
    // in the default printer font and in a font of taller lines: the sheets of each PDF file hold
    // exactly the lines of the rule's pages, nothing cut and nothing spilt onto a further sheet.
    void wholeListsKeepTheRulesPages_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("font");
        for (const char* list : {"second half", "rosters", "addresses", "block predictions"})
            for (const auto& [paperName, paper] :
                 {std::pair{"A4", QPageSize::A4}, {"Letter", QPageSize::Letter}})
                for (const char* font : {"Courier New", "Noto Sans Mono"})
                    QTest::addRow("%s, %s, %s", list, paperName, font) << list << int(paper) << font;
    }
    void wholeListsKeepTheRulesPages() {
        QFETCH(QString, list);
        QFETCH(int, paper);
        QFETCH(QString, font);
        const std::string data = TAVIX_SOURCE_DIR "/data";
        NBA nba;
        QVERIFY(!LoadLeague(data, "/nonexistent/TVX.ini", nba).NeedsLoadingMessage());
        const ScheduleList schedule = SecondHalfLines(nba);
        const std::vector<std::string>& secondHalf = schedule.lines;
        QVERIFY(secondHalf.size() > kBlockLineLimit);  // a block takes the first 300 lines
        const std::map<QString, std::pair<PrintScheme, std::vector<std::string>>> lists = {
            {"second half", {SchedulePrintScheme(), secondHalf}},
            {"rosters", {RosterPrintScheme(), ReadRosterList(data)}},
            {"addresses", {AddressPrintScheme(), AddressList()}},
            {"block predictions",
             {BlockPredictionsPrintScheme(),
              BuildBlockPredictionList(
                  nba, SeasonView::Current,
                  CollectBlockLines(secondHalf, schedule.games, std::vector<bool>(kBlockLineLimit, true)),
                  Date{1999, 3, 14})}}};
        const auto& [scheme, lines] = lists.at(list);
        const ListContents contents{lines, {}};

        RecordingPrinter rule;
        SendList(scheme, contents, font.toStdString(), rule);
        QtPrinterProvider provider(Recorder());
        provider.SetPdfPaper(QPageSize::PageSizeId(paper));
        QVERIFY(RunPrintJob(provider, scheme.documentName,
                            [&](Printer& p) { SendList(scheme, contents, font.toStdString(), p); }));
        QCOMPARE(notices_.size(), 1);
        const QStringList files = notices_[0].split("\r\n").mid(1);  // in the order they were made
        QCOMPARE(files.size(), rule.documentsEnded);
        // A line too wide for the paper goes on below itself, so a page is compared as one text.
        auto text = [](const QStringList& sheetLines) { return Squeezed(sheetLines).join(' '); };
        for (int d = 0; d < files.size(); ++d) {
            const QList<QStringList> sheets = PdfPages(files[d]);
            QCOMPARE(sheets.size(), rule.PageCount(d));
            for (int page = 0; page < sheets.size(); ++page) {
                QStringList expected;
                for (const std::string& line : rule.Page(d, page))
                    expected << QString::fromLatin1(line.c_str());
                QCOMPARE(text(sheets[page]), text(expected));
            }
        }
    }

    void abandonedDocumentLeavesNoFile() {
        QtPrinterProvider provider(Recorder());
        Printer& printer = provider.Begin("Schedule");
        printer.PrintLine("half a list");
        printer.Abandon();
        QVERIFY(Files().isEmpty() && notices_.isEmpty());
    }

    void unwritableFolderFails() {
        // A file where the folder should be: no one, not even root, can make a folder inside it.
        QFile blocker(dir_.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("TAVIX_PRINTOUT_DIR", QFile::encodeName(dir_.filePath("blocker/printouts")));
        QtPrinterProvider provider(Recorder());
        std::string failure;
        QVERIFY(!RunPrintJob(
            provider, "Schedule", [](Printer& p) { p.PrintLine("never printed"); }, &failure));
        QVERIFY2(failure.find("blocker") != std::string::npos, failure.c_str());
        QVERIFY(notices_.isEmpty());
    }

    void setupWithoutPrinterExplains() {
        QtPrinterProvider provider(Recorder());
        ScriptedDialogs dialogs;
        QVERIFY(!provider.RunPrinterSetup(nullptr, dialogs));
        QCOMPARE(int(dialogs.shown.size()), 1);
        QVERIFY(QString::fromStdString(dialogs.shown[0].text).contains(QDir::toNativeSeparators(Folder())));
        QVERIFY(provider.CurrentPrinterName().isEmpty());
    }
};

QTEST_MAIN(PdfPrintingTest)
#include "pdf_printing_test.moc"
