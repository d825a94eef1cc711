// Tavix: the splash first, the main window loaded behind it with all the league data.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <memory>

#include "core/data_files.h"
#include "platform/app_paths.h"
#include "platform/command_line.h"
#include "platform/data_folder_lock.h"
#include "platform/display_check.h"
#include "platform/lazy_desktop.h"
#include "platform/program_style.h"
#include "platform/qt_dialogs.h"
#include "platform/quit_when_shown.h"
#include "platform/show_window.h"
#include "platform/sub_window.h"
#include "platform/system_clock.h"
#include "ui/main/windows/artwork.h"
#include "ui/main/windows/form1.h"
#include "ui/main/windows/form2.h"

int main(int argc, char** argv) {
    // Help and version need no display.
    if (const auto status = tavix::HandleCommandLine(argc, argv, TAVIX_VERSION)) return *status;
    auto displayCheck = std::make_unique<tavix::DisplayCheck>(argc, argv);
    QApplication app(argc, argv);
    displayCheck.reset();
    tavix::InstallProgramStyle();
    QApplication::setApplicationName("Tavix");
    QApplication::setOrganizationName("Tavix");
    QApplication::setApplicationVersion(TAVIX_VERSION);
    QApplication::setWindowIcon(tavix::art::ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    std::string folderProblem;
    const std::string dataDir = tavix::ChooseDataFolder(&folderProblem);
    QDir::setCurrent(QString::fromStdString(dataDir));

    tavix::NBA nba;
    tavix::QtDialogs dialogs;
    if (!folderProblem.empty()) {
        dialogs.Show(folderProblem, "Tavix", tavix::Buttons::Ok, tavix::Icon::Exclamation);
        if (dataDir == tavix::FindSuppliedDataFolder().toStdString())
            nba.readOnly = "this Tavix shows the supplied data, which it does not change";
    }
    tavix::DataFolderLock lock(dataDir);
    if (nba.readOnly.empty() && !tavix::HoldDataFolder(lock, dataDir, dialogs, nba)) return 0;
    const std::string settingsPath = tavix::SettingsFilePath();
    tavix::SetWindowPlacesFile(
        QFileInfo(QString::fromStdString(settingsPath)).dir().filePath(QStringLiteral("windows.ini")));
    tavix::SystemClock clock;
    // Printers and help are opened on first use.
    tavix::SystemTimers timers;
    tavix::LazyDesktop desktop(dialogs, timers, tavix::FindDesktopModule());

    auto main = std::make_unique<tavix::Form2>(nba, dialogs, clock, timers, desktop, desktop, dataDir);
    main->SetPrinterSetup([&] { desktop.RunPrinterSetup(main.get()); });
    dialogs.SetWorkingWindow([&] { return main ? main->WorkingSubWindow() : nullptr; });
    main->Form_Load(settingsPath);

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
