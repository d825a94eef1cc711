#pragma once
// A printer that writes what it receives as text: every line in order, a line holding only a
// form feed between pages, and "=== document N ===" before each document when a print makes more
// than one. Used by the command-line companion to show exactly what a print command sends.

#include <string>
#include <vector>

#include "core/printer.h"

namespace tavix {

class TextPrinter : public Printer {
  public:
    void SetFontName(const std::string&) override {}
    void SetFontSize(double) override {}
    void PrintLine(const std::string& text) override;
    void NewPage() override;
    void EndDocument() override;
    void Abandon() override {}

    // The text of everything printed so far, one line per printed line.
    std::string Text() const;

  private:
    struct Document {
        std::vector<std::string> lines;
    };
    std::vector<Document> documents_;
    bool open_ = false;
};

class TextPrinterProvider : public PrinterProvider {
  public:
    Printer& Begin(const std::string&) override {
        jobs_.emplace_back();
        return jobs_.back();
    }
    std::string Text() const;

  private:
    std::vector<TextPrinter> jobs_;
};

}  // namespace tavix
