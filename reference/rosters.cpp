#include "reference/rosters.h"

#include "core/data_files.h"
#include "core/delimited.h"
#include "core/number_format.h"
#include "core/safe_file.h"

namespace tavix {

std::vector<std::string> RosterListLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(" " + Showable(bytes.substr(start)));
            break;
        }
        lines.push_back(" " + Showable(bytes.substr(start, end - start)));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

std::vector<std::string> ReadRosterList(const std::string& dataDir) { return ReadRosterFile(dataDir).lines; }

RosterFile RosterFileOf(const std::string& path, std::string_view bytes) {
    FileProblems problems;
    const std::vector<TextLine> decoded = TextLines(bytes, &problems);
    RosterFile file;
    // A damaged file is shown as the reader understood it: UTF-16 as its text, CR CR LF as one break.
    if (!problems.empty()) {
        for (const TextLine& line : decoded) file.lines.push_back(" " + Showable(line.text));
    } else {
        file.lines = RosterListLines(bytes);
    }
    for (const FileProblem& p : problems)
        file.problem +=
            path + (p.line > 0 ? ", line " + std::to_string(p.line) : std::string()) + ": " + p.what + ".\n";
    return file;
}

RosterFile ReadRosterFile(const std::string& dataDir) {
    // A missing or unreadable file is not worth a message: the window simply opens empty.
    const std::string path = DataFilePath(dataDir, kRosterFile);
    auto bytes = ReadWholeFile(path);
    if (!bytes) return {};
    return RosterFileOf(path, *bytes);
}

PrintScheme RosterPrintScheme() {
    PrintScheme scheme;
    scheme.documentName = "Team Rosters";
    scheme.confirmText = "Ready to send Statistics to the Printer.";
    scheme.headerLines = {" ", " ", "      Tavix Statistics", " "};
    scheme.headerSize = 18;
    scheme.bodySize = 9;
    scheme.margin = "     ";
    scheme.pageBreak = {PageBreakRule::Kind::Counter, 65, 5};
    scheme.newPageBlankLines = 5;
    scheme.selectedLinesRule = true;
    return scheme;
}

}  // namespace tavix
