#include "platform/lazy_desktop.h"

#include <utility>

namespace tavix {

LazyDesktop::LazyDesktop(Dialogs& dialogs, Timers& timers, std::string modulePath)
    : dialogs_(dialogs), timers_(timers), modulePath_(std::move(modulePath)) {}

DesktopServices* LazyDesktop::Services() {
    if (services_ || !error_.empty()) return services_.get();
    if (modulePath_.empty()) {
        error_ = "libtavix_desktop.so was not found beside the program";
        return nullptr;
    }
    library_.setFileName(QString::fromStdString(modulePath_));
    auto create =
        reinterpret_cast<CreateDesktopServicesFunction>(library_.resolve(kCreateDesktopServicesSymbol));
    if (!create) {
        error_ = library_.errorString().toStdString();
        return nullptr;
    }
    services_.reset(create(dialogs_, timers_));
    return services_.get();
}

std::string LazyDesktop::CannotOpen(const char* part) const {
    return std::string("The ") + part + " part of Tavix could not be opened (" + error_ + ").";
}

Printer& LazyDesktop::Begin(const std::string& documentName) {
    if (DesktopServices* services = Services()) return services->Printers().Begin(documentName);
    throw PrintFailure(CannotOpen("printing"));
}

void LazyDesktop::ReportMissingHelp() {
    dialogs_.Show(CannotOpen("help"), "Tavix Help", Buttons::Ok, Icon::Exclamation);
}

void LazyDesktop::ShowHelpTopic(const std::string& keyword) {
    if (DesktopServices* services = Services()) return services->Help().ShowHelpTopic(keyword);
    ReportMissingHelp();
}

void LazyDesktop::ShowHelpSearch() {
    if (DesktopServices* services = Services()) return services->Help().ShowHelpSearch();
    ReportMissingHelp();
}

void LazyDesktop::RunPrinterSetup(QWidget* parent) {
    if (DesktopServices* services = Services()) {
        services->RunPrinterSetup(parent);
        return;
    }
    dialogs_.Show(CannotOpen("printing"), "Tavix", Buttons::Ok, Icon::Exclamation);
}

}  // namespace tavix
