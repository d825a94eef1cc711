// Tavix: the splash first, the main window loaded behind it with all the league data.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <memory>

#include "core/data_files.h"
#include "platform/app_paths.h"
#include "platform/command_line.h"
#include "platform/lazy_desktop.h"
#include "platform/program_style.h"
#include "platform/qt_dialogs.h"
#include "platform/quit_when_shown.h"
#include "platform/show_window.h"
#include "platform/system_clock.h"
#include "ui/main/windows/artwork.h"
#include "ui/main/windows/form1.h"
#include "ui/main/windows/form2.h"

int main(int argc, char** argv) {
    // Help and version need no display.
    if (const auto status = tavix::HandleCommandLine(argc, argv, TAVIX_VERSION)) return *status;
    QApplication app(argc, argv);
    tavix::InstallProgramStyle();
    QApplication::setApplicationName("Tavix");
    QApplication::setOrganizationName("Tavix");
    QApplication::setApplicationVersion(TAVIX_VERSION);
    QApplication::setWindowIcon(tavix::art::ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string dataDir = tavix::ChooseDataFolder();
    QDir::setCurrent(QString::fromStdString(dataDir));

    tavix::NBA nba;
    tavix::QtDialogs dialogs;
    tavix::SystemClock clock;
    // Printers and help are opened on first use.
    tavix::LazyDesktop desktop(dialogs, tavix::FindDesktopModule());

    tavix::SystemTimers timers;
    auto main = std::make_unique<tavix::Form2>(nba, dialogs, clock, timers, desktop, desktop, dataDir);
    main->SetPrinterSetup([&] { desktop.RunPrinterSetup(main.get()); });
    dialogs.SetWorkingWindow([&] { return main ? main->WorkingSubWindow() : nullptr; });
    main->Form_Load(tavix::SettingsFilePath());

    const bool exitWhenShown = tavix::QuitWhenShown::Wanted();
    tavix::QuitWhenShown quitter;
    if (exitWhenShown) main->installEventFilter(&quitter);

    // The main window stays hidden under the splash until the splash is gone.
    auto* splash = new tavix::Form1(main->Context());
    main->OpenSubWindow(splash);
    splash->setFocus();
    // Timing runs do not wait for a user to dismiss the splash.
    if (exitWhenShown) QTimer::singleShot(0, splash, [splash] { splash->close(); });

    const int code = QApplication::exec();
    main.reset();
    // Windows closed on the way out were only scheduled for deletion; the loop has ended.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
