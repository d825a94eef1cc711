#pragma once
// Printing and help on the desktop, as one set of services. They need Qt's print and help
// libraries, and those pull in Qt's SQL library: together a noticeable share of the program's
// start-up time and memory. So they live in a module of their own (libtavix_desktop.so) that the
// program opens the first time something is printed or help is asked for.

#include "core/dialogs.h"
#include "core/printer.h"
#include "platform/help_launcher.h"
#include "platform/timers.h"

class QWidget;

namespace tavix {

class DesktopServices {
  public:
    virtual ~DesktopServices() = default;
    virtual PrinterProvider& Printers() = 0;
    virtual HelpLauncher& Help() = 0;
    // The printer set-up dialog (see QtPrinterProvider::RunPrinterSetup).
    virtual bool RunPrinterSetup(QWidget* parent) = 0;
};

// The module's one entry point: makes the services, which tell the user things through `dialogs`
// and wait through the program's `timers`.
using CreateDesktopServicesFunction = DesktopServices* (*)(Dialogs& dialogs, Timers& timers);
inline constexpr char kCreateDesktopServicesSymbol[] = "tavix_create_desktop_services";

}  // namespace tavix
