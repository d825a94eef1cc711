#include "core/print_list.h"

namespace tavix {
namespace {

void StartFreshPage(const PrintScheme& scheme, const std::string& fontName, Printer& printer) {
    printer.SetFontName(fontName);
    printer.SetFontSize(scheme.bodySize);
    for (int i = 0; i < scheme.newPageBlankLines; ++i) printer.PrintLine("");
}

// Counts the pages a printout makes, so each page can say how many there are.
class PageCounter : public Printer {
  public:
    int pages = 1;
    void SetFontName(const std::string&) override {}
    void SetFontSize(double) override {}
    void PrintLine(const std::string&) override {}
    void NewPage() override { ++pages; }
    void EndDocument() override {}
    void Abandon() override {}
};

void SendPages(const PrintScheme& scheme, const ListContents& list, const std::string& fontName,
               Printer& printer, int pageCount);

}  // namespace

void SendList(const PrintScheme& scheme, const ListContents& list, const std::string& fontName,
              Printer& printer) {
    int pageCount = 0;
    if (!scheme.pageTitle.empty()) {
        PageCounter counter;
        SendPages(scheme, list, fontName, counter, 0);
        pageCount = counter.pages;
    }
    SendPages(scheme, list, fontName, printer, pageCount);
}

namespace {

void SendPages(const PrintScheme& scheme, const ListContents& list, const std::string& fontName,
               Printer& printer, int pageCount) {
    int page = 0;
    auto openPage = [&](size_t firstItem) {
        if (scheme.pageTitle.empty()) return;
        ++page;
        printer.PrintLine(scheme.margin + scheme.pageTitle + "   page " + std::to_string(page) + " of " +
                          std::to_string(pageCount));
        printer.PrintLine(" ");
        if (scheme.pageHeadings)
            for (const auto& line : scheme.pageHeadings(firstItem)) printer.PrintLine(scheme.margin + line);
    };
    // A page a rule makes is meant to be read as one: a date with its games, a block of roster.
    if (scheme.pageBreak.kind != PageBreakRule::Kind::None) printer.KeepPagesWhole();
    printer.SetFontName(fontName);
    printer.SetFontSize(scheme.headerSize);
    for (const auto& line : scheme.headerLines) printer.PrintLine(line);
    printer.SetFontName(fontName);
    printer.SetFontSize(scheme.bodySize);
    openPage(0);

    auto isSelected = [&](size_t i) { return i < list.selected.size() && list.selected[i]; };
    size_t selectionCount = 0;
    for (size_t i = 0; i < list.items.size(); ++i) selectionCount += isSelected(i) ? 1 : 0;
    // A single selected line is what a plain click leaves behind; it does not restrict the print.
    const bool selectedMode = scheme.selectedLinesRule && selectionCount > 1;

    int counter = 0;
    for (size_t i = 0; i < list.items.size(); ++i) {
        const std::string& item = list.items[i];
        const bool covered = !selectedMode || isSelected(i);
        switch (scheme.pageBreak.kind) {
            case PageBreakRule::Kind::ShortLine:
                // The break test looks at every line, so a date and its games stay together even
                // when only some of them are printed.
                if (covered) ++counter;
                if (counter > scheme.pageBreak.limit && item.size() < scheme.pageBreak.shortBelow) {
                    printer.NewPage();
                    counter = 0;
                    StartFreshPage(scheme, fontName, printer);
                    openPage(i);
                }
                break;
            case PageBreakRule::Kind::Counter:
                if (!covered) continue;
                if (++counter == scheme.pageBreak.limit) {
                    counter = 0;
                    printer.NewPage();
                    StartFreshPage(scheme, fontName, printer);
                    openPage(i);
                }
                break;
            case PageBreakRule::Kind::Document:
                if (static_cast<int>(i) == scheme.pageBreak.limit) {
                    printer.EndDocument();
                    StartFreshPage(scheme, fontName, printer);
                }
                break;
            case PageBreakRule::Kind::None:
                break;
        }
        if (!covered) continue;
        if (scheme.beforeItem) {
            for (const auto& extra : scheme.beforeItem(i)) printer.PrintLine(extra);
        }
        printer.PrintLine(scheme.margin + item);
    }
    for (const auto& line : scheme.footerLines) printer.PrintLine(line);
    printer.EndDocument();
}

}  // namespace

bool RunPrintJob(PrinterProvider& printers, const std::string& documentName,
                 const std::function<void(Printer&)>& job, std::string* failure) {
    Printer* printer = nullptr;
    try {
        printer = &printers.Begin(documentName);
        job(*printer);
        printer->EndJob();
        return true;
    } catch (const PrintFailure& e) {
        if (printer) printer->Abandon();
        if (failure) *failure = e.what();
        return false;
    }
}

PrintOutcome PrintList(const PrintScheme& scheme, const ListContents& list, const std::string& fontName,
                       Dialogs& dialogs, PrinterProvider& printers, const std::function<void()>& onStart,
                       std::string* failure) {
    if (!IsPositive(dialogs.Show(scheme.confirmText, scheme.confirmTitle, Buttons::OkCancel, Icon::Question)))
        return PrintOutcome::Cancelled;
    if (onStart) onStart();
    bool ok = RunPrintJob(
        printers, scheme.documentName, [&](Printer& p) { SendList(scheme, list, fontName, p); }, failure);
    return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace tavix
