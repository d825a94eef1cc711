#pragma once
// The whole program as main() puts it together, for tests that walk through it like a user: the
// real main window on a data folder and settings file of the test's choosing, the desktop printer
// (a CUPS queue), message boxes that only give the answers the test queued, a fixed clock, timers
// the test moves on and a help launcher that remembers its topics. Also what such tests need around a print
// queue.

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/qt_printer.h"
#include "tests/support/qt/test_context.h"
#include "ui/main/windows/form2.h"

namespace tavix::testing {

struct Program {
    Program(const std::string& dataDir, const std::string& settingsPath);
    ~Program();

    // Form_Load on the folder and settings file; the text of an unexpected message box, if any.
    std::string Load();

    std::string dataDir, settingsPath;
    NBA nba;
    ScriptedDialogs dialogs;  // strict: every message box must have an answer queued
    FixedClock clock;
    ManualTimers timers;
    RecordingHelp help;
    std::unique_ptr<QtPrinterProvider> printers;
    std::unique_ptr<Form2> main;
    LoadReport report;
};

// The main window on a TestApp (a copy of the supplied data, scripted boxes), shown; not loaded.
struct TestMain {
    TestMain();
    ~TestMain();
    Form2* operator->() { return w.get(); }
    // The sub-window `action` opened, or nullptr.
    QWidget* Opened(const std::function<void()>& action);

    TestApp app;
    std::unique_ptr<Form2> w;
};

// Runs `action`; returns the text of a message box nobody expected (empty when there was none).
std::string UnexpectedMessage(const std::function<void()>& action);

// The one sub-window of class W the main window has open, or nullptr.
template <class W>
W* OpenWindow(Form2& main) {
    for (QWidget* w : main.OpenSubWindows()) {
        if (auto* window = dynamic_cast<W*>(w)) return window;
    }
    return nullptr;
}

// A command line tool's standard output (empty when it did not run).
QString RunTool(const QString& program, const QStringList& args);
// No job is waiting or printing in any queue.
bool PrintQueueEmpty();
// The PDF cups-pdf wrote below `folder` for CUPS job `job` (its name ends in "-job_<job>.pdf");
// empty until it is complete.
QString PdfOfJob(const QString& folder, int job);
// The text of a PDF, line by line, blanks squeezed and empty lines left out.
QStringList PdfLines(const QString& pdf);
// The text of a PDF page by page, each page's lines squeezed as PdfLines does.
QList<QStringList> PdfPages(const QString& pdf);
// The names of the fonts a PDF embeds or uses.
QStringList PdfFonts(const QString& pdf);
// Lines with runs of blanks squeezed and empty lines left out, to compare with PdfLines.
QStringList Squeezed(const QStringList& lines);

// The CUPS queue the printing tests print through and the folder its PDFs go to, from
// TAVIX_CUPS_PRINTER and TAVIX_CUPS_OUT (.ci/cups.sh sets them). Empty `skip` when they are set and
// every one of `tools` is installed; otherwise why the test cannot run.
struct CupsSetup {
    QString queue, out, skip;
};
CupsSetup FindCupsSetup(std::initializer_list<const char*> tools);

}  // namespace tavix::testing

// Fails the test when the action shows a message box the test did not queue an answer for.
#define TAVIX_STEP(...)                                                                            \
    do {                                                                                           \
        const std::string unexpected_ = ::tavix::testing::UnexpectedMessage([&] { __VA_ARGS__; }); \
        QVERIFY2(unexpected_.empty(), unexpected_.c_str());                                        \
    } while (0)

// Runs a helper that checks things and leaves the test function at its first failure.
#define TAVIX_CHECKED(...)                      \
    do {                                        \
        __VA_ARGS__;                            \
        if (QTest::currentTestFailed()) return; \
    } while (0)
