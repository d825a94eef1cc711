#include "tests/support/qt/journey.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <stdexcept>

#include "core/data_files.h"

namespace tavix::testing {

Program::Program(const std::string& dataDir_, const std::string& settingsPath_)
    : dataDir(dataDir_), settingsPath(settingsPath_) {
    dialogs.strict = true;
    // As main() does: a word about where a printout went goes through the message boxes.
    printers = std::make_unique<QtPrinterProvider>([this](const std::string& message) {
        dialogs.Show(message, "Tavix", Buttons::Ok, Icon::Information, DefaultButton::First);
    });
    main = std::make_unique<Form2>(nba, dialogs, clock, timers, *printers, help, dataDir);
}

Program::~Program() {
    DeleteClosedWindows();
    main.reset();
    DeleteClosedWindows();
}

std::string Program::Load() {
    return UnexpectedMessage([&] { report = main->Form_Load(settingsPath); });
}

TestMain::TestMain()
    : w(std::make_unique<Form2>(app.nba, app.dialogs, app.clock, app.timers, app.printers, app.help,
                                app.DataDir())) {
    w->show();
}

TestMain::~TestMain() {
    DeleteClosedWindows();
    w.reset();
}

QWidget* TestMain::Opened(const std::function<void()>& action) {
    const auto before = w->OpenSubWindows();
    action();
    QApplication::processEvents();
    for (QWidget* window : w->OpenSubWindows())
        if (std::find(before.begin(), before.end(), window) == before.end()) return window;
    return nullptr;
}

std::string UnexpectedMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return std::string();
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool PrintQueueEmpty() { return RunTool("lpstat", {"-o"}).trimmed().isEmpty(); }

QString PdfOfJob(const QString& folder, int job) {
    const QString ending = QString("-job_%1.pdf").arg(job);
    for (QDirIterator it(folder, {"*" + ending}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info(it.next());
        if (info.fileName().endsWith(ending) && info.size() > 0) return info.filePath();
    }
    return QString();
}

QStringList Squeezed(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines) {
        const QString clean = line.simplified();
        if (!clean.isEmpty()) out << clean;
    }
    return out;
}

QList<QStringList> PdfPages(const QString& pdf) {
    QList<QStringList> pages;
    for (const QString& page : RunTool("pdftotext", {"-layout", pdf, "-"}).split('\f'))
        pages << Squeezed(page.split('\n'));
    while (!pages.isEmpty() && pages.last().isEmpty()) pages.removeLast();  // after the last form feed
    return pages;
}

QStringList PdfLines(const QString& pdf) {
    // Compatibility forms undo the ligatures ("fi") a proportional font prints.
    return Squeezed(RunTool("pdftotext", {"-layout", pdf, "-"})
                        .normalized(QString::NormalizationForm_KC)
                        .split(QRegularExpression("[\n\f]")));
}

QStringList PdfFonts(const QString& pdf) {
    // pdffonts prints two heading lines, then one line per font starting with its name.
    QStringList fonts;
    const QStringList lines = RunTool("pdffonts", {pdf}).split('\n');
    for (int i = 2; i < lines.size(); ++i) {
        const QString name = lines[i].section(' ', 0, 0, QString::SectionSkipEmpty);
        if (!name.isEmpty()) fonts << name;
    }
    return fonts;
}

CupsSetup FindCupsSetup(std::initializer_list<const char*> tools) {
    CupsSetup setup{qEnvironmentVariable("TAVIX_CUPS_PRINTER"), qEnvironmentVariable("TAVIX_CUPS_OUT"), {}};
    if (setup.queue.isEmpty() || setup.out.isEmpty()) {
        setup.skip = "No CUPS printer: run eval \"$(.ci/cups.sh start DIR)\" first";
        return setup;
    }
    for (const char* tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            setup.skip = QString(tool) + " is needed";
            break;
        }
    }
    return setup;
}

}  // namespace tavix::testing
