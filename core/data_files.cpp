#include "core/data_files.h"

#include "core/delimited.h"
#include "core/number_format.h"
#include "core/schedule_check.h"
#include "core/schedule_model.h"

#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace tavix {

const char kStatisticsFile[] = "TavixSE.dat";
const char kScheduleFile[] = "TavixSC.dat";
const char kNamesFile[] = "TavixNM.dat";
const char kRosterFile[] = "Tavixro.dat";
const char kSettingsFile[] = "TVX.ini";
const char kDefaultPrinterFont[] = "Courier New";

const char kLoadingMessageTitle[] = "Tavix Loading....";
const char kLoadingMessageText[] =
    "Cannot Load file TavixSC.dat or TavixSE.dat.\n\r"
    "Please exit and check working directory.\n\r\n\r";

namespace {

// No real statistics, names or settings file comes near a megabyte, nor a schedule or roster file
// near ten; anything larger is not one of them and is not read into memory.
constexpr size_t kSmallFileLimit = 1u << 20;
constexpr size_t kLargeFileLimit = kLargestDataFile;

// The statistics and names files hold one value a line, as their writers put them. Reading them
// line by line, a damaged value stays where it is instead of shifting every value after it.
class ValueLines {
  public:
    ValueLines(const std::string& bytes, FileProblems* problems, size_t expected)
        : problems_(problems), expected_(expected) {
        FileProblems found;
        lines_ = TextLines(bytes, &found);
        for (FileProblem& p : found) Report(p.line, std::move(p.what));
    }

    // The next line that holds anything, without the blanks around it; nothing at the end of the
    // file, which is reported once.
    const TextLine* Next() {
        while (at_ < lines_.size()) {
            TextLine& line = lines_[at_++];
            const size_t first = line.text.find_first_not_of(" \t");
            if (first == std::string::npos) continue;
            line.text = line.text.substr(first, line.text.find_last_not_of(" \t") - first + 1);
            ++read_;
            return &line;
        }
        if (!ended_)
            Report(static_cast<int>(lines_.size()), "the file ends after " + std::to_string(read_) +
                                                        " of its " + std::to_string(expected_) + " values");
        ended_ = true;
        return nullptr;
    }

    // After the last value: anything more was not written by Tavix and would be lost by a save.
    void End() {
        if (ended_) return;
        ended_ = true;  // the end of the file is no damage now
        if (const TextLine* more = Next())
            Report(more->number, "the file goes on after the " + std::to_string(expected_) +
                                     " values it holds; the rest is not read");
    }

    void Report(int line, std::string what) {
        ok_ = false;
        if (problems_) problems_->push_back({line, std::move(what)});
    }
    bool Ok() const { return ok_; }

  private:
    std::vector<TextLine> lines_;
    FileProblems* problems_;
    size_t expected_, at_ = 0, read_ = 0;
    bool ended_ = false, ok_ = true;
};

// A figure as a delimited read takes it: quotes around it are dropped.
std::string_view Figure(const std::string& text) {
    std::string_view figure = text;
    if (figure.size() >= 2 && figure.front() == '"' && figure.back() == '"')
        figure = figure.substr(1, figure.size() - 2);
    return figure;
}

// What is wrong with a figure that does not read as one.
std::string BadFigure(const std::string& text, const char* wanted) {
    std::string shown = Showable(text.substr(0, 40));
    if (text.find(',') != std::string::npos)
        return "the figure \"" + shown + "\" holds a comma; figures are written with a point";
    return "\"" + shown + "\" is not " + wanted;
}

// Counts, month ranges, two seasons of five figures for 32 slots, the date, the reserve values.
constexpr size_t kStatisticsValues = 2 + 2 * kMonthPairs + 2 * 5 * kStoredSlots + 3 + kStoredSlots;
constexpr size_t kNamesValues = 2 * kLeagueTeams;

}  // namespace

bool ParseStatistics(const std::string& bytes, NBA& nba, FileProblems* problems) {
    ValueLines in(bytes, problems, kStatisticsValues);
    auto whole = [&](int16_t& target) {
        const TextLine* line = in.Next();
        if (!line) return;
        const auto value = ParsePlainNumber(Figure(line->text));
        if (const auto rounded = value ? ToInt16(*value) : std::nullopt)
            target = *rounded;
        else
            in.Report(line->number, BadFigure(line->text, "a whole number from -32768 to 32767"));
    };
    auto figure = [&](auto& target, auto parse) {
        const TextLine* line = in.Next();
        if (!line) return;
        if (const auto value = parse(Figure(line->text)))
            target = *value;
        else
            in.Report(line->number, BadFigure(line->text, "a number"));
    };
    auto number = [&](double& target) { figure(target, ParsePlainNumber); };
    auto single = [&](float& target) { figure(target, ParsePlainSingle); };
    whole(nba.FirstHalfCount);
    whole(nba.SecondHalfCount);
    for (int k = 1; k <= kMonthPairs; ++k) {
        number(nba.MonthStart[k]);
        whole(nba.MonthEnd[k]);
    }
    for (int s = 1; s <= kStoredSlots; ++s) {
        whole(nba.Wins[s]), whole(nba.Ties[s]), whole(nba.Losses[s]);
        number(nba.OffenseAve[s]), number(nba.DefenseAve[s]);
    }
    for (int s = 1; s <= kStoredSlots; ++s) {
        whole(nba.PrevWins[s]), whole(nba.PrevTies[s]), whole(nba.PrevLosses[s]);
        number(nba.PrevOffenseAve[s]), number(nba.PrevDefenseAve[s]);
    }
    whole(nba.UpdateMonth), whole(nba.UpdateDay), whole(nba.UpdateYear);
    for (int s = 1; s <= kStoredSlots; ++s) single(nba.TeamReserve[s]);
    in.End();
    return in.Ok();
}

bool ParseSchedule(const std::string& bytes, NBA& nba, FileProblems* problems) {
    auto report = [&](int line, std::string what) {
        if (problems) problems->push_back({line, std::move(what)});
        return false;
    };
    if (nba.FirstHalfCount < 0 || nba.FirstHalfCount > kFirstHalfLimit || nba.SecondHalfCount < 0 ||
        nba.SecondHalfCount > kSecondHalfLimit)
        return report(0, "the statistics file counts " + std::to_string(nba.FirstHalfCount) + " and " +
                             std::to_string(nba.SecondHalfCount) + " schedule lines, more than a season has");
    FileProblems found;
    const std::vector<TextLine> lines = TextLines(bytes, &found);
    bool ok = true;
    for (FileProblem& p : found) ok = report(p.line, std::move(p.what));
    const size_t wanted = static_cast<size_t>(nba.FirstHalfCount) + static_cast<size_t>(nba.SecondHalfCount);
    // Lines beyond the two counts are never read, so they are not judged either.
    for (size_t i = 0; i < std::min(wanted, lines.size()); ++i) {
        // Control bytes in a line would reach lists and printouts as they are.
        std::string line = Showable(lines[i].text);
        if (std::string problem = ScheduleLineProblem(line); !problem.empty())
            ok = report(lines[i].number, problem);
        const int n = static_cast<int>(i) + 1;
        (n <= nba.FirstHalfCount ? nba.FirstHalfSchedule[static_cast<size_t>(n)]
                                 : nba.SecondHalfSchedule[static_cast<size_t>(n - nba.FirstHalfCount)]) =
            std::move(line);
    }
    if (lines.size() < wanted)
        return report(static_cast<int>(lines.size()), "the file ends after " + std::to_string(lines.size()) +
                                                          " lines; the statistics file counts " +
                                                          std::to_string(wanted));
    return ok;
}

bool ParseNames(const std::string& bytes, NBA& nba, FileProblems* problems) {
    ValueLines in(bytes, problems, kNamesValues);
    auto name = [&](std::string& target) {
        const TextLine* line = in.Next();
        if (!line) return;
        const std::string& text = line->text;
        if (text[0] != '"') {
            // Unquoted, a name ends at its first comma.
            const size_t comma = text.find(',');
            if (comma != std::string::npos)
                in.Report(line->number, "the name \"" + Showable(text) +
                                            "\" holds a comma without quotes around it; only \"" +
                                            Showable(text.substr(0, comma)) + "\" is read");
            target = Showable(text.substr(0, comma));
            return;
        }
        const size_t close = text.find('"', 1);
        if (close == std::string::npos) {
            in.Report(line->number, "the name \"" + Showable(text.substr(1)) +
                                        "\" is cut short: its closing quote is missing");
            target = Showable(text.substr(1));
            return;
        }
        target = Showable(text.substr(1, close - 1));
        if (close + 1 < text.size())
            in.Report(line->number, "stray text after the name \"" + target +
                                        "\": " + Showable(text.substr(close + 1, 40)));
    };
    for (int n = 1; n <= kLeagueTeams; ++n) name(nba.CityNames[n]);
    for (int n = 1; n <= kLeagueTeams; ++n) name(nba.TeamNames[n]);
    in.End();
    return in.Ok();
}

bool ParseSettings(const std::string& bytes, NBA& nba) {
    DelimitedReader in(bytes);
    auto font = in.Next();
    if (!font) return false;
    nba.PrinterFontName = Showable(*font);
    return true;
}

std::string StatisticsText(const NBA& nba) {
    DelimitedWriter out;
    out.Integer(nba.FirstHalfCount);
    out.Integer(nba.SecondHalfCount);
    for (int k = 1; k <= kMonthPairs; ++k) {
        out.Number(nba.MonthStart[k]);
        out.Integer(nba.MonthEnd[k]);
    }
    for (int s = 1; s <= kStoredSlots; ++s) {
        out.Integer(nba.Wins[s]);
        out.Integer(nba.Ties[s]);
        out.Integer(nba.Losses[s]);
        out.Number(nba.OffenseAve[s]);
        out.Number(nba.DefenseAve[s]);
    }
    for (int s = 1; s <= kStoredSlots; ++s) {
        out.Integer(nba.PrevWins[s]);
        out.Integer(nba.PrevTies[s]);
        out.Integer(nba.PrevLosses[s]);
        out.Number(nba.PrevOffenseAve[s]);
        out.Number(nba.PrevDefenseAve[s]);
    }
    out.Integer(nba.UpdateMonth);
    out.Integer(nba.UpdateDay);
    out.Integer(nba.UpdateYear);
    for (int s = 1; s <= kStoredSlots; ++s) out.Single(nba.TeamReserve[s]);
    return out.Text();
}

std::string NamesText(const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams) {
    DelimitedWriter out;
    for (int n = 1; n <= kLeagueTeams; ++n) out.Quoted(cities[n]);
    for (int n = 1; n <= kLeagueTeams; ++n) out.Quoted(teams[n]);
    return out.Text();
}

std::string SettingsText(const std::string& fontName) {
    DelimitedWriter out;
    out.Printed(fontName);
    return out.Text();
}

std::string DataFilePath(const std::string& dataDir, const char* name) {
    return FindFileIgnoringCase(dataDir, name);
}

std::string SaveFailureReason(const WriteResult& saved) {
    return saved.ok || saved.error.empty() ? std::string() : "\r\n\r\n" + saved.error + ".";
}

std::string KeptCopyText(const WriteResult& saved) {
    if (saved.keptCopy.empty()) return std::string();
    return "\r\n\r\nThe old file, which could not be read completely, was kept as:\r\n" + saved.keptCopy;
}

namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

WriteResult SaveKeepingDamaged(const std::string& path, const std::string& bytes, KeptFile& file,
                               const std::string& readOnly) {
    if (!readOnly.empty()) return {false, path + " was not saved: " + readOnly, {}};
    if (file.damaged) {
        std::string error;
        if (auto copy = KeepDamagedCopy(path, error)) {
            file.keptCopy = *copy;
        } else if (!error.empty()) {
            return {false,
                    path + ": the old file, which could not be read completely, could not be kept aside (" +
                        error + ")",
                    {}};
        }
        file.damaged = false;
    }
    WriteResult saved = WriteFileSafely(path, bytes);
    if (saved.ok) saved.keptCopy = std::exchange(file.keptCopy, std::string());
    return saved;
}

}  // namespace

LoadReport LoadLeague(const std::string& dataDir, const std::string& settingsPath, NBA& nba) {
    LoadReport report;
    nba.TeamCount = kLeagueTeams;
    nba.StartDir = dataDir;
    nba.IniPath = settingsPath;

    // A file with damage, even one that still gave most of its values, is kept aside before a save
    // writes over what was never read.
    using Parser = bool (*)(const std::string&, NBA&, FileProblems*);
    auto load = [&](const char* name, size_t limit, Parser parse, KeptFile* kept, bool& missing) {
        const std::string path = DataFilePath(dataDir, name);
        std::string why;
        FileProblems problems;
        const auto bytes = ReadWholeFile(path, limit, &why);
        const bool ok = bytes && parse(*bytes, nba, &problems);
        if (!bytes) report.problems.push_back(path + ": " + why);
        missing = !bytes;
        for (const FileProblem& p : problems)
            report.problems.push_back(
                path + (p.line > 0 ? ", line " + std::to_string(p.line) : std::string()) + ": " + p.what);
        if (kept) kept->damaged = !ok && Exists(path);
        return ok;
    };
    bool unused = false;
    report.statisticsOk = load(kStatisticsFile, kSmallFileLimit, ParseStatistics, &nba.StatisticsFile,
                               report.statisticsUnreadable);
    report.scheduleOk =
        load(kScheduleFile, kLargeFileLimit, ParseSchedule, nullptr, report.scheduleUnreadable);
    report.namesOk = load(kNamesFile, kSmallFileLimit, ParseNames, &nba.NamesFile, unused);
    nba.schedule = BuildScheduleModel(nba);
    if (auto bytes = ReadWholeFile(settingsPath, kSmallFileLimit))
        report.settingsOk = ParseSettings(*bytes, nba);
    nba.SettingsFile.damaged = !report.settingsOk && !settingsPath.empty() && Exists(settingsPath);
    return report;
}

std::string LoadingMessage(const LoadReport& report) {
    // The line breaks of the loading message are LF CR pairs.
    std::string text =
        report.statisticsUnreadable || report.scheduleUnreadable
            ? kLoadingMessageText
            : "Tavix could not read all of its data files; it uses what it could read.\n\r\n\r";
    constexpr size_t kShown = 12;
    for (size_t i = 0; i < report.problems.size() && i < kShown; ++i) text += report.problems[i] + "\n\r";
    if (report.problems.size() > kShown)
        text += "... and " + std::to_string(report.problems.size() - kShown) + " more.\n\r";
    return text;
}

WriteResult SaveStatistics(const std::string& dataDir, NBA& nba) {
    return SaveKeepingDamaged(DataFilePath(dataDir, kStatisticsFile), StatisticsText(nba), nba.StatisticsFile,
                              nba.readOnly);
}

WriteResult SaveSettings(NBA& nba) {
    if (nba.PrinterFontName.empty()) nba.PrinterFontName = kDefaultPrinterFont;
    return SaveKeepingDamaged(nba.IniPath, SettingsText(nba.PrinterFontName), nba.SettingsFile, nba.readOnly);
}

WriteResult SaveNames(const std::string& dataDir, NBA& nba, const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams) {
    return SaveKeepingDamaged(DataFilePath(dataDir, kNamesFile), NamesText(cities, teams), nba.NamesFile,
                              nba.readOnly);
}

}  // namespace tavix
