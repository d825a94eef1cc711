#include "reference/rosters.h"

#include "core/data_files.h"
#include "core/safe_file.h"

namespace tavix {

std::vector<std::string> RosterListLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(" " + std::string(bytes.substr(start)));
            break;
        }
        lines.push_back(" " + std::string(bytes.substr(start, end - start)));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

std::vector<std::string> ReadRosterList(const std::string& dataDir) {
    // A missing or unreadable file is not worth a message: the window simply opens empty.
    auto bytes = ReadWholeFile(JoinPath(dataDir, kRosterFile));
    if (!bytes) return {};
    return RosterListLines(*bytes);
}

ListPrintSpec RosterPrintSpec() {
    ListPrintSpec spec;
    spec.documentName = "Team Rosters";
    spec.confirmText = "Ready to send Statistics to the Printer.";
    spec.headerLines = {" ", " ", "      Tavix Statistics", " "};
    spec.headerSize = 18;
    spec.bodySize = 9;
    spec.margin = "     ";
    spec.pageBreak = {PageBreakRule::Kind::Counter, 65, 5};
    spec.newPageBlankLines = 5;
    spec.selectedLinesRule = true;
    return spec;
}

}  // namespace tavix
