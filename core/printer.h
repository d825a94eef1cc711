#pragma once
// What the logic needs of a printer. The program plugs in a real one (a CUPS queue or a PDF file);
// tests plug in a recording one.

#include <stdexcept>
#include <string>
#include <vector>

namespace tavix {

// Thrown by a printer that cannot go on (no printer, a stopped queue, a full disk).
class PrintFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Printer {
  public:
    virtual ~Printer() = default;
    virtual void SetFontName(const std::string& name) = 0;  // empty keeps the printer's font
    virtual void SetFontSize(double points) = 0;
    virtual void PrintLine(const std::string& text) = 0;
    virtual void NewPage() = 0;
    // Releases the pages so far as one document; printing after it starts the next document.
    virtual void EndDocument() = 0;
    // Drops a document that failed half-way.
    virtual void Abandon() = 0;
    // From now on every page the caller starts (with NewPage or a new document) is one sheet: a
    // page taller than the paper is fitted to it rather than spilling onto a sheet of its own.
    virtual void KeepPagesWhole() {}
    // The print command is complete: no more documents follow.
    virtual void EndJob() {}
};

// Hands out a printer for one print command; the name says what is printed ("Schedule").
class PrinterProvider {
  public:
    virtual ~PrinterProvider() = default;
    virtual Printer& Begin(const std::string& documentName) = 0;
};

}  // namespace tavix
