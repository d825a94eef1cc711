#pragma once
// A printer that records every operation, and a provider that hands it out.

#include <algorithm>
#include <string>
#include <vector>

#include "core/printer.h"

namespace tavix::testing {

struct PrintedLine {
    std::string text;
    std::string font;
    double size = 0;
    int page = 0;      // 0-based within its document
    int document = 0;  // 0-based within the job
};

class RecordingPrinter : public Printer {
  public:
    void SetFontName(const std::string& name) override { font_ = name; }
    void SetFontSize(double points) override { size_ = points; }
    void PrintLine(const std::string& text) override {
        if (failAfterLines_ >= 0 && static_cast<int>(lines.size()) >= failAfterLines_)
            throw PrintFailure("the printer stopped");
        lines.push_back({text, font_, size_, page_, document_});
    }
    void NewPage() override { ++page_; }
    void EndDocument() override {
        ++documentsEnded;
        ++document_;
        page_ = 0;
    }
    void Abandon() override { abandoned = true; }
    void KeepPagesWhole() override { keepsPagesWhole = true; }
    void EndJob() override { ++jobsEnded; }

    // Lines of one page of one document.
    std::vector<std::string> Page(int document, int page) const {
        std::vector<std::string> out;
        for (const auto& l : lines)
            if (l.document == document && l.page == page) out.push_back(l.text);
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& l : lines) out.push_back(l.text);
        return out;
    }
    int PageCount(int document) const {
        int pages = 0;
        for (const auto& l : lines)
            if (l.document == document) pages = std::max(pages, l.page + 1);
        return pages;
    }

    std::vector<PrintedLine> lines;
    int documentsEnded = 0;
    bool abandoned = false;
    bool keepsPagesWhole = false;
    int jobsEnded = 0;
    int failAfterLines_ = -1;  // throw on the line with this index

  private:
    std::string font_;
    double size_ = 0;
    int page_ = 0;
    int document_ = 0;
};

class RecordingPrinterProvider : public PrinterProvider {
  public:
    Printer& Begin(const std::string& documentName) override {
        jobs.emplace_back();
        jobNames.push_back(documentName);
        jobs.back().failAfterLines_ = failAfterLines;
        return jobs.back();
    }
    RecordingPrinter& Last() { return jobs.back(); }

    std::vector<RecordingPrinter> jobs;  // reserve enough so references stay valid
    std::vector<std::string> jobNames;
    int failAfterLines = -1;
    RecordingPrinterProvider() { jobs.reserve(64); }
};

}  // namespace tavix::testing
