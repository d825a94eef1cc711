#include "reference/rosters.h"

#include "core/data_files.h"
#include "core/delimited.h"
#include "core/number_format.h"
#include "core/safe_file.h"
#include "core/schedule_model.h"

#include <algorithm>
#include <charconv>
#include <optional>

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

namespace {

constexpr size_t kLabelWidth = 16, kNameWidth = 30, kRecordWidth = 5;

struct CoachLine {
    std::string name;
    int games = 0;
};

// "Head coach:     John Calipari                  3-17" and the lines under it that carry only a
// name and a record; the list's leading blank is not part of `text`.
std::optional<CoachLine> ReadCoachLine(const std::string& text, bool first) {
    const bool labelled = text.compare(0, 10, "Head coach") == 0;
    if (first != labelled || text.size() <= kLabelWidth) return std::nullopt;
    if (!first && (text.find_first_not_of(' ') != kLabelWidth)) return std::nullopt;
    const size_t recordAt = text.find_last_of(' ') + 1;
    const size_t dash = text.find('-', recordAt);
    if (recordAt <= kLabelWidth || dash == std::string::npos) return std::nullopt;
    int wins = -1, losses = -1;
    const char* end = text.data() + text.size();
    const auto w = std::from_chars(text.data() + recordAt, text.data() + dash, wins);
    const auto l = std::from_chars(text.data() + dash + 1, end, losses);
    if (w.ptr != text.data() + dash || l.ptr != end || wins < 0 || losses < 0) return std::nullopt;
    std::string name = text.substr(kLabelWidth, recordAt - kLabelWidth);
    name.erase(name.find_last_not_of(' ') + 1);
    if (name.empty()) return std::nullopt;
    return CoachLine{name, wins + losses};
}

bool IsRule(const std::string& line) {
    return line.size() > 20 && line.find_first_not_of("= ") == std::string::npos;
}

}  // namespace

std::vector<std::string> RostersAsOf(std::vector<std::string> lines, const ScheduleModel& evening) {
    // Each team's results in the order the games were played.
    std::vector<const ScheduledGame*> played;
    for (const ScheduledGame& g : evening.games)
        if (g.played) played.push_back(&g);
    std::stable_sort(played.begin(), played.end(),
                     [](const ScheduledGame* a, const ScheduledGame* b) { return a->date < b->date; });
    std::vector<std::vector<bool>> won(kNameSlots);
    for (const ScheduledGame* g : played) {
        if (g->road < 1 || g->road >= kNameSlots || g->home < 1 || g->home >= kNameSlots) continue;
        won[static_cast<size_t>(g->road)].push_back(g->roadPoints > g->homePoints);
        won[static_cast<size_t>(g->home)].push_back(g->homePoints > g->roadPoints);
    }

    int team = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsRule(lines[i]) && i + 2 < lines.size() && !IsRule(lines[i + 1]) && IsRule(lines[i + 2])) ++team;
        std::vector<CoachLine> coaches;
        size_t end = i;
        while (end < lines.size() && !lines[end].empty()) {
            auto coach = ReadCoachLine(lines[end].substr(1), coaches.empty());
            if (!coach) break;
            coaches.push_back(*coach);
            ++end;
        }
        if (coaches.empty() || team < 1 || team >= kNameSlots) continue;
        const std::vector<bool>& results = won[static_cast<size_t>(team)];
        // The first coach is in charge from the first game; each later one from the game after his
        // predecessors' last.
        std::vector<size_t> starts = {0};
        while (starts.size() < coaches.size() &&
               starts.back() + static_cast<size_t>(coaches[starts.size() - 1].games) < results.size())
            starts.push_back(starts.back() + static_cast<size_t>(coaches[starts.size() - 1].games));
        std::vector<std::string> shown;
        for (size_t c = 0; c < starts.size(); ++c) {
            const size_t stop = std::min(starts[c] + static_cast<size_t>(coaches[c].games), results.size());
            const long from = static_cast<long>(std::min(starts[c], stop)), to = static_cast<long>(stop);
            const long wins = std::count(results.begin() + from, results.begin() + to, true);
            const std::string record = std::to_string(wins) + "-" + std::to_string(to - from - wins);
            const char* label = c > 0 ? "" : starts.size() > 1 ? "Head coaches:" : "Head coach:";
            shown.push_back(" " + PaddedTo(label, kLabelWidth) + PaddedTo(coaches[c].name, kNameWidth) +
                            std::string(kRecordWidth - std::min(kRecordWidth, record.size()), ' ') + record);
        }
        lines.erase(lines.begin() + static_cast<long>(i), lines.begin() + static_cast<long>(end));
        lines.insert(lines.begin() + static_cast<long>(i), shown.begin(), shown.end());
        i += shown.size() - 1;
    }
    return lines;
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
