#include "core/data_files.h"

#include "core/delimited.h"
#include "core/number_format.h"
#include "core/schedule_model.h"

#include <sys/stat.h>

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

template <typename T, typename Read>
bool ReadInto(T& target, Read&& read) {
    auto value = read();
    if (!value) return false;
    target = *value;
    return true;
}

// Splits schedule text into lines without their line ends.
class LineReader {
  public:
    explicit LineReader(const std::string& data) : data_(data) {}
    bool Next(std::string& line) {
        if (pos_ >= data_.size()) return false;
        size_t end = data_.find('\n', pos_);
        if (end == std::string::npos) end = data_.size();
        line.assign(data_, pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos_ = end + 1;
        return true;
    }

  private:
    const std::string& data_;
    size_t pos_ = 0;
};

}  // namespace

bool ParseStatistics(const std::string& bytes, NBA& nba) {
    DelimitedReader in(bytes);
    auto i16 = [&] { return in.NextInt16(); };
    auto num = [&] { return in.NextNumber(); };
    if (!ReadInto(nba.FirstHalfCount, i16) || !ReadInto(nba.SecondHalfCount, i16)) return false;
    for (int k = 1; k <= kMonthPairs; ++k) {
        if (!ReadInto(nba.MonthStart[k], num) || !ReadInto(nba.MonthEnd[k], i16)) return false;
    }
    for (int s = 1; s <= kStoredSlots; ++s) {
        if (!ReadInto(nba.Wins[s], i16) || !ReadInto(nba.Ties[s], i16) || !ReadInto(nba.Losses[s], i16) ||
            !ReadInto(nba.OffenseAve[s], num) || !ReadInto(nba.DefenseAve[s], num))
            return false;
    }
    for (int s = 1; s <= kStoredSlots; ++s) {
        if (!ReadInto(nba.PrevWins[s], i16) || !ReadInto(nba.PrevTies[s], i16) ||
            !ReadInto(nba.PrevLosses[s], i16) || !ReadInto(nba.PrevOffenseAve[s], num) ||
            !ReadInto(nba.PrevDefenseAve[s], num))
            return false;
    }
    if (!ReadInto(nba.UpdateMonth, i16) || !ReadInto(nba.UpdateDay, i16) || !ReadInto(nba.UpdateYear, i16))
        return false;
    for (int s = 1; s <= kStoredSlots; ++s) {
        if (!ReadInto(nba.TeamReserve[s], [&] { return in.NextSingle(); })) return false;
    }
    return true;
}

bool ParseSchedule(const std::string& bytes, NBA& nba) {
    if (nba.FirstHalfCount < 0 || nba.FirstHalfCount > kFirstHalfLimit) return false;
    if (nba.SecondHalfCount < 0 || nba.SecondHalfCount > kSecondHalfLimit) return false;
    LineReader lines(bytes);
    // Control bytes in a line would reach lists and printouts as they are.
    auto next = [&](std::string& line) {
        if (!lines.Next(line)) return false;
        line = Showable(line);
        return true;
    };
    for (int i = 1; i <= nba.FirstHalfCount; ++i) {
        if (!next(nba.FirstHalfSchedule[i])) return false;
    }
    for (int i = 1; i <= nba.SecondHalfCount; ++i) {
        if (!next(nba.SecondHalfSchedule[i])) return false;
    }
    return true;
}

bool ParseNames(const std::string& bytes, NBA& nba) {
    DelimitedReader in(bytes);
    auto next = [&]() -> std::optional<std::string> {
        auto name = in.Next();
        if (name) return Showable(*name);
        return name;
    };
    for (int n = 1; n <= kLeagueTeams; ++n) {
        if (!ReadInto(nba.CityNames[n], next)) return false;
    }
    for (int n = 1; n <= kLeagueTeams; ++n) {
        if (!ReadInto(nba.TeamNames[n], next)) return false;
    }
    return true;
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

std::string KeptCopyText(const WriteResult& saved) {
    if (saved.keptCopy.empty()) return std::string();
    return "\r\n\r\nThe old file, which could not be read completely, was kept as:\r\n" + saved.keptCopy;
}

namespace {

// Counts, month ranges, two seasons of five figures for 32 slots, the date, the reserve values.
constexpr size_t kStatisticsValues = 2 + 2 * kMonthPairs + 2 * 5 * kStoredSlots + 3 + kStoredSlots;

size_t CountValues(const std::string& bytes) {
    DelimitedReader in(bytes);
    size_t values = 0;
    while (in.Next()) ++values;
    return values;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

WriteResult SaveKeepingDamaged(const std::string& path, const std::string& bytes, KeptFile& file) {
    if (file.damaged) {
        std::string error;
        if (auto copy = KeepDamagedCopy(path, error)) {
            file.keptCopy = *copy;
        } else if (!error.empty()) {
            return {
                false,
                "the old file, which could not be read completely, could not be kept aside (" + error + ")",
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

    // A file that holds more values than are read (names shifted by a stray comma, figures added
    // by hand) loads, but a save would drop what was never read: it is kept aside like a damaged one.
    auto load = [&](const char* name, size_t limit, bool (*parse)(const std::string&, NBA&), KeptFile* kept,
                    size_t values) {
        const std::string path = DataFilePath(dataDir, name);
        auto bytes = ReadWholeFile(path, limit);
        const bool ok = bytes && parse(*bytes, nba);
        if (kept) kept->damaged = ok ? CountValues(*bytes) > values : Exists(path);
        return ok;
    };
    report.statisticsOk =
        load(kStatisticsFile, kSmallFileLimit, ParseStatistics, &nba.StatisticsFile, kStatisticsValues);
    report.scheduleOk = load(kScheduleFile, kLargeFileLimit, ParseSchedule, nullptr, 0);
    report.namesOk = load(kNamesFile, kSmallFileLimit, ParseNames, &nba.NamesFile, 2 * kLeagueTeams);
    nba.schedule = BuildScheduleModel(nba);
    if (auto bytes = ReadWholeFile(settingsPath, kSmallFileLimit))
        report.settingsOk = ParseSettings(*bytes, nba);
    nba.SettingsFile.damaged = !report.settingsOk && !settingsPath.empty() && Exists(settingsPath);
    return report;
}

WriteResult SaveStatistics(const std::string& dataDir, NBA& nba) {
    // During a replay the league shows another day's figures; the file keeps its own.
    const NBA& figures = nba.statisticsOnFile ? *nba.statisticsOnFile : nba;
    return SaveKeepingDamaged(DataFilePath(dataDir, kStatisticsFile), StatisticsText(figures),
                              nba.StatisticsFile);
}

WriteResult SaveSettings(NBA& nba) {
    if (nba.PrinterFontName.empty()) nba.PrinterFontName = kDefaultPrinterFont;
    return SaveKeepingDamaged(nba.IniPath, SettingsText(nba.PrinterFontName), nba.SettingsFile);
}

WriteResult SaveNames(const std::string& dataDir, NBA& nba, const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams) {
    return SaveKeepingDamaged(DataFilePath(dataDir, kNamesFile), NamesText(cities, teams), nba.NamesFile);
}

}  // namespace tavix
