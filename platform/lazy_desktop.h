#pragma once
// The program's printers and help, opened from the desktop module (platform/desktop_services.h) on
// first use. When the module cannot be opened, a print fails with a message saying so and help
// tells the user the same; nothing else is affected.

#include <QLibrary>
#include <memory>
#include <string>

#include "platform/desktop_services.h"

namespace tavix {

class LazyDesktop : public PrinterProvider, public HelpLauncher {
  public:
    // `modulePath` is the module's file (FindDesktopModule()); empty when it was not found.
    LazyDesktop(Dialogs& dialogs, Timers& timers, std::string modulePath);

    Printer& Begin(const std::string& documentName) override;
    void ShowHelpTopic(const std::string& keyword) override;
    void ShowHelpSearch() override;
    void RunPrinterSetup(QWidget* parent);

    // Why the module could not be opened; empty while it has not been tried or when it opened.
    const std::string& LoadError() const { return error_; }

  private:
    DesktopServices* Services();
    std::string CannotOpen(const char* part) const;
    void ReportMissingHelp();

    Dialogs& dialogs_;
    Timers& timers_;
    std::string modulePath_;
    QLibrary library_;
    std::unique_ptr<DesktopServices> services_;  // after the library: goes first, while its code is there
    std::string error_;
};

}  // namespace tavix
