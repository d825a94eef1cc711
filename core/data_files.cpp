#include "core/data_files.h"

#include "core/delimited.h"

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
    for (int i = 1; i <= nba.FirstHalfCount; ++i) {
        if (!lines.Next(nba.FirstHalfSchedule[i])) return false;
    }
    for (int i = 1; i <= nba.SecondHalfCount; ++i) {
        if (!lines.Next(nba.SecondHalfSchedule[i])) return false;
    }
    return true;
}

bool ParseNames(const std::string& bytes, NBA& nba) {
    DelimitedReader in(bytes);
    auto next = [&] { return in.Next(); };
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
    return ReadInto(nba.PrinterFontName, [&] { return in.Next(); });
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

LoadReport LoadLeague(const std::string& dataDir, const std::string& settingsPath, NBA& nba) {
    LoadReport report;
    nba.TeamCount = kLeagueTeams;
    nba.StartDir = dataDir;
    nba.IniPath = settingsPath;

    auto load = [&](const char* name, bool (*parse)(const std::string&, NBA&)) {
        auto bytes = ReadWholeFile(JoinPath(dataDir, name));
        return bytes && parse(*bytes, nba);
    };
    report.statisticsOk = load(kStatisticsFile, ParseStatistics);
    report.scheduleOk = load(kScheduleFile, ParseSchedule);
    report.namesOk = load(kNamesFile, ParseNames);
    if (auto bytes = ReadWholeFile(settingsPath)) report.settingsOk = ParseSettings(*bytes, nba);
    return report;
}

WriteResult SaveStatistics(const std::string& dataDir, const NBA& nba) {
    const NBA& figures = nba.statisticsOnFile ? *nba.statisticsOnFile : nba;
    return WriteFileSafely(JoinPath(dataDir, kStatisticsFile), StatisticsText(figures));
}

WriteResult SaveSettings(NBA& nba) {
    if (nba.PrinterFontName.empty()) nba.PrinterFontName = kDefaultPrinterFont;
    return WriteFileSafely(nba.IniPath, SettingsText(nba.PrinterFontName));
}

WriteResult SaveNames(const std::string& dataDir, const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams) {
    return WriteFileSafely(JoinPath(dataDir, kNamesFile), NamesText(cities, teams));
}

}  // namespace tavix
