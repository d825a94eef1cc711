#pragma once
// The one way every list is printed: a confirmation, a header, the body with a left margin, an
// optional selected-lines rule and a page-break rule. Each print command gives its own values.

#include <functional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/printer.h"

namespace tavix {

struct PageBreakRule {
    enum class Kind {
        None,       // everything goes out on the pages the printer makes
        ShortLine,  // more than `limit` counted lines and the line is shorter than `shortBelow`
        Counter,    // the counter reaches `limit`: it restarts at 0 and a page starts
        Document,   // at list position `limit` the document ends and a second one starts
    };
    Kind kind = Kind::None;
    int limit = 0;
    size_t shortBelow = 5;
};

struct PrintScheme {
    std::string documentName;  // names the PDF file when no printer is installed
    std::string confirmText;
    std::string confirmTitle = "Tavix";
    std::vector<std::string> headerLines;
    double headerSize = 18;
    double bodySize = 12;
    std::string margin;
    PageBreakRule pageBreak;
    int newPageBlankLines = 5;       // empty lines at the top of every page or document a rule starts
    bool selectedLinesRule = false;  // two or more selected lines print only those
    // Printed after the body (the ratings view's closing rule); in body size.
    std::vector<std::string> footerLines;
    // Lines printed before item i in body size (the ratings view's blank line before the first team).
    std::function<std::vector<std::string>(size_t)> beforeItem;
    // When set, every page opens (under the header, or the blank lines a rule gives a new page) with
    // this title and "page N of M", then what `pageHeadings` gives for the page's first item: a long
    // printout that says on each sheet what it is and where in it the reader stands.
    std::string pageTitle;
    std::function<std::vector<std::string>(size_t firstItem)> pageHeadings;
};

struct ListContents {
    std::vector<std::string> items;
    std::vector<bool> selected;  // empty or one flag per item
};

enum class PrintOutcome { Cancelled, Printed, Failed };

// Asks, then prints. `onStart` runs after the confirmation (the busy pointer). A failing printer
// abandons the document; the caller tells the user what went wrong.
PrintOutcome PrintList(const PrintScheme& scheme, const ListContents& list, const std::string& fontName,
                       Dialogs& dialogs, PrinterProvider& printers, const std::function<void()>& onStart = {},
                       std::string* failure = nullptr);

// The body and header alone, without asking; used by PrintList and by tests.
void SendList(const PrintScheme& scheme, const ListContents& list, const std::string& fontName,
              Printer& printer);

}  // namespace tavix

namespace tavix {
// Runs one print job on a fresh printer from the provider; a PrintFailure abandons the document
// and reports the reason in `failure`. Returns false on a failure.
bool RunPrintJob(PrinterProvider& printers, const std::string& documentName,
                 const std::function<void(Printer&)>& job, std::string* failure = nullptr);
}  // namespace tavix
