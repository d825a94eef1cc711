#include "core/print_list.h"

namespace tavix {
namespace {

void StartFreshPage(const ListPrintSpec& spec, const std::string& fontName, Printer& printer) {
    printer.SetFontName(fontName);
    printer.SetFontSize(spec.bodySize);
    for (int i = 0; i < spec.newPageBlankLines; ++i) printer.PrintLine("");
}

}  // namespace

void SendList(const ListPrintSpec& spec, const ListContents& list, const std::string& fontName,
              Printer& printer) {
    printer.SetFontName(fontName);
    printer.SetFontSize(spec.headerSize);
    for (const auto& line : spec.headerLines) printer.PrintLine(line);
    printer.SetFontName(fontName);
    printer.SetFontSize(spec.bodySize);

    auto isSelected = [&](size_t i) { return i < list.selected.size() && list.selected[i]; };
    size_t selectionCount = 0;
    for (size_t i = 0; i < list.items.size(); ++i) selectionCount += isSelected(i) ? 1 : 0;
    // A single selected line is what a plain click leaves behind; it does not restrict the print.
    const bool selectedMode = spec.selectedLinesRule && selectionCount > 1;

    int counter = 0;
    for (size_t i = 0; i < list.items.size(); ++i) {
        const std::string& item = list.items[i];
        const bool covered = !selectedMode || isSelected(i);
        switch (spec.pageBreak.kind) {
            case PageBreakRule::Kind::ShortLine:
                // The break test looks at every line, so a date and its games stay together even
                // when only some of them are printed.
                if (covered) ++counter;
                if (counter > spec.pageBreak.limit && item.size() < spec.pageBreak.shortBelow) {
                    printer.NewPage();
                    counter = 0;
                    StartFreshPage(spec, fontName, printer);
                }
                break;
            case PageBreakRule::Kind::Counter:
                if (!covered) continue;
                if (++counter == spec.pageBreak.limit) {
                    counter = 0;
                    printer.NewPage();
                    StartFreshPage(spec, fontName, printer);
                }
                break;
            case PageBreakRule::Kind::Document:
                if (static_cast<int>(i) == spec.pageBreak.limit) {
                    printer.EndDocument();
                    StartFreshPage(spec, fontName, printer);
                }
                break;
            case PageBreakRule::Kind::None:
                break;
        }
        if (!covered) continue;
        if (spec.beforeItem) {
            for (const auto& extra : spec.beforeItem(i)) printer.PrintLine(extra);
        }
        printer.PrintLine(spec.margin + item);
    }
    for (const auto& line : spec.footerLines) printer.PrintLine(line);
    printer.EndDocument();
}

bool RunPrintJob(PrinterProvider& printers, const std::string& documentName,
                 const std::function<void(Printer&)>& job, std::string* failure) {
    Printer* printer = nullptr;
    try {
        printer = &printers.Begin(documentName);
        job(*printer);
        return true;
    } catch (const PrintFailure& e) {
        if (printer) printer->Abandon();
        if (failure) *failure = e.what();
        return false;
    }
}

PrintOutcome PrintList(const ListPrintSpec& spec, const ListContents& list, const std::string& fontName,
                       Dialogs& dialogs, PrinterProvider& printers, const std::function<void()>& onStart,
                       std::string* failure) {
    if (!IsPositive(dialogs.Show(spec.confirmText, spec.confirmTitle, Buttons::OkCancel, Icon::None)))
        return PrintOutcome::Cancelled;
    if (onStart) onStart();
    bool ok = RunPrintJob(
        printers, spec.documentName, [&](Printer& p) { SendList(spec, list, fontName, p); }, failure);
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace tavix
