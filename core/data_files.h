#pragma once
// Readers and writers of TavixSE.dat (statistics), TavixSC.dat (schedule), TavixNM.dat (names)
// and TVX.ini (settings). Every reader takes a folder; an empty folder is the working directory.

#include <string>
#include <vector>

#include "core/delimited.h"
#include "core/league.h"
#include "core/safe_file.h"

namespace tavix {

extern const char kStatisticsFile[];      // "TavixSE.dat"
extern const char kScheduleFile[];        // "TavixSC.dat"
extern const char kNamesFile[];           // "TavixNM.dat"
extern const char kRosterFile[];          // "Tavixro.dat"
extern const char kSettingsFile[];        // "TVX.ini"
extern const char kDefaultPrinterFont[];  // "Courier New"

// The start-up message's title and its words for a statistics or schedule file that is not there.
extern const char kLoadingMessageTitle[];
extern const char kLoadingMessageText[];

// Each parser fills the league data with every value it can read and leaves a damaged or missing
// one as it was. They return true only for a file read whole and sound; what was wrong goes to
// `problems`, line by line.
bool ParseStatistics(const std::string& bytes, NBA& nba, FileProblems* problems = nullptr);
// Needs the counts from the statistics; judges each line it reads (impossible days and scores).
bool ParseSchedule(const std::string& bytes, NBA& nba, FileProblems* problems = nullptr);
bool ParseNames(const std::string& bytes, NBA& nba, FileProblems* problems = nullptr);
bool ParseSettings(const std::string& bytes, NBA& nba);

std::string StatisticsText(const NBA& nba);
std::string NamesText(const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams);
std::string SettingsText(const std::string& fontName);

struct LoadReport {
    bool statisticsOk = false, scheduleOk = false, namesOk = false, settingsOk = false;
    bool statisticsUnreadable = false, scheduleUnreadable = false;  // missing or not readable at all
    // What was wrong, one entry each, naming the file, the line and the damage.
    std::vector<std::string> problems;
    // One message is shown when any of the three data files failed; settings fail silently.
    bool NeedsLoadingMessage() const { return !statisticsOk || !scheduleOk || !namesOk; }
};

// The one message for a load that failed anywhere: the fixed words when the statistics or the
// schedule could not be read at all, and then every problem found (the first dozen).
std::string LoadingMessage(const LoadReport& report);

// The start-up order: statistics, schedule, names, then the settings at settingsPath.
// Sets TeamCount to 29, StartDir to dataDir and IniPath to settingsPath first.
LoadReport LoadLeague(const std::string& dataDir, const std::string& settingsPath, NBA& nba);

// Where a data file of that name lies in dataDir: the name found there whatever its letter case
// (the files came from a system that ignored case), so it is read and saved back under one name.
std::string DataFilePath(const std::string& dataDir, const char* name);

// The savers write the whole file safely; in a read-only session (NBA::readOnly) they write nothing. A file
// that did not load completely is first kept aside (WriteResult::keptCopy; KeptCopyText says so in the save's
// message) and never again.
WriteResult SaveStatistics(const std::string& dataDir, NBA& nba);
// Puts "Courier New" into an empty font name first, as the settings window promises.
WriteResult SaveSettings(NBA& nba);
WriteResult SaveNames(const std::string& dataDir, NBA& nba, const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams);
// The words a failed save's message adds: the file and the reason, on lines of their own.
std::string SaveFailureReason(const WriteResult& saved);
// The words a save's message adds when a damaged file was kept aside; empty otherwise.
std::string KeptCopyText(const WriteResult& saved);

}  // namespace tavix
