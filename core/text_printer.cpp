#include "core/text_printer.h"

namespace tavix {

void TextPrinter::PrintLine(const std::string& text) {
    if (!open_) {
        documents_.emplace_back();
        open_ = true;
    }
    documents_.back().lines.push_back(text);
}

void TextPrinter::NewPage() {
    if (!open_) {
        documents_.emplace_back();
        open_ = true;
    }
    documents_.back().lines.push_back("\f");
}

void TextPrinter::EndDocument() {
    if (!open_) documents_.emplace_back();  // an empty document still counts
    open_ = false;
}

std::string TextPrinter::Text() const {
    std::string out;
    const bool numbered = documents_.size() > 1;
    for (size_t d = 0; d < documents_.size(); ++d) {
        if (numbered) out += "=== document " + std::to_string(d + 1) + " ===\n";
        for (const auto& line : documents_[d].lines) out += line + "\n";
    }
    return out;
}

std::string TextPrinterProvider::Text() const {
    std::string out;
    for (const auto& job : jobs_) out += job.Text();
    return out;
}

}  // namespace tavix
