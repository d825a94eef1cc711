#pragma once
// Printing on the desktop: the printer chosen in Printer Setup (the system's default printer until
// then), or, when no printer is installed at all, a PDF file per document in PrintoutFolder().
// A CUPS queue that is stopped, rejects jobs or has gone is reported as a PrintFailure before
// anything is sent, and a document abandoned half-way is cancelled in the queue.

#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "core/dialogs.h"
#include "core/printer.h"

class QPrinter;
class QWidget;

namespace tavix {

class QtPrinter;

class QtPrinterProvider : public PrinterProvider {
  public:
    using Notify = std::function<void(const std::string& message)>;
    // `notify` is told once per print command where its PDF files went (only when no printer is
    // installed).
    explicit QtPrinterProvider(Notify notify = {});
    ~QtPrinterProvider() override;

    // Starts a fresh job; the printer stays valid until the next Begin().
    Printer& Begin(const std::string& documentName) override;

    // The printer set-up dialog: pick the printer and its options. The choice is used by every
    // later print; cancelling changes nothing. With no printer installed, tells the user through
    // `dialogs` that printouts go to PDF files and where. Returns true when a printer was chosen.
    bool RunPrinterSetup(QWidget* parent, Dialogs& dialogs);

    // The paper of the PDF files made when no printer is installed; at first Letter where the
    // system's locale uses United States measures, A4 elsewhere.
    void SetPdfPaper(QPageSize::PageSizeId paper);

    // The name of the printer the next job goes to; empty when printouts go to PDF files.
    QString CurrentPrinterName() const;

    // The print system's number for the last document sent (or cancelled) through the current
    // job; 0 when it is not known, as for PDF files.
    int LastJobId() const;

  private:
    Notify notify_;
    QPageSize::PageSizeId pdfPaper_;
    std::unique_ptr<QPrinter> chosen_;  // the printer jobs go to
    bool chosenBySetup_ = false;        // false: follow the system's default printer
    std::unique_ptr<QtPrinter> current_;
};

}  // namespace tavix
