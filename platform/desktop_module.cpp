// The entry point of libtavix_desktop.so: the printers and the help viewer behind one object.
#include <QtGlobal>

#include "platform/desktop_services.h"
#include "platform/help_viewer.h"
#include "platform/qt_printer.h"

namespace tavix {
namespace {

class QtDesktopServices : public DesktopServices {
  public:
    QtDesktopServices(Dialogs& dialogs, Timers& timers)
        : dialogs_(dialogs),
          printers_([&dialogs](const std::string& message) {
              dialogs.Show(message, "Tavix", Buttons::Ok, Icon::Information);
          }),
          help_(dialogs, timers) {}

    PrinterProvider& Printers() override { return printers_; }
    HelpLauncher& Help() override { return help_; }
    bool RunPrinterSetup(QWidget* parent) override { return printers_.RunPrinterSetup(parent, dialogs_); }

  private:
    Dialogs& dialogs_;
    QtPrinterProvider printers_;
    QtHelpLauncher help_;
};

}  // namespace
}  // namespace tavix

extern "C" Q_DECL_EXPORT tavix::DesktopServices* tavix_create_desktop_services(tavix::Dialogs& dialogs,
                                                                               tavix::Timers& timers) {
    return new tavix::QtDesktopServices(dialogs, timers);
}
