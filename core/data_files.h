#pragma once
// Readers and writers of TavixSE.dat (statistics), TavixSC.dat (schedule), TavixNM.dat (names)
// and TVX.ini (settings). Every reader takes a folder; an empty folder is the working directory.

#include <string>

#include "core/league.h"
#include "core/safe_file.h"

namespace tavix {

extern const char kStatisticsFile[];      // "TavixSE.dat"
extern const char kScheduleFile[];        // "TavixSC.dat"
extern const char kNamesFile[];           // "TavixNM.dat"
extern const char kRosterFile[];          // "Tavixro.dat"
extern const char kSettingsFile[];        // "TVX.ini"
extern const char kDefaultPrinterFont[];  // "Courier New"

// The one message shown when any data file fails at start-up, whichever it was.
extern const char kLoadingMessageTitle[];
extern const char kLoadingMessageText[];

// Each parser fills the league data value by value and stops at the first bad or missing value;
// what was read before stays. They return false on a failure.
bool ParseStatistics(const std::string& bytes, NBA& nba);
bool ParseSchedule(const std::string& bytes, NBA& nba);  // needs the counts from the statistics
bool ParseNames(const std::string& bytes, NBA& nba);
bool ParseSettings(const std::string& bytes, NBA& nba);

std::string StatisticsText(const NBA& nba);
std::string NamesText(const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams);
std::string SettingsText(const std::string& fontName);

struct LoadReport {
    bool statisticsOk = false, scheduleOk = false, namesOk = false, settingsOk = false;
    // One message is shown when any of the three data files failed; settings fail silently.
    bool NeedsLoadingMessage() const { return !statisticsOk || !scheduleOk || !namesOk; }
};

// The start-up order: statistics, schedule, names, then the settings at settingsPath.
// Sets TeamCount to 29, StartDir to dataDir and IniPath to settingsPath first.
LoadReport LoadLeague(const std::string& dataDir, const std::string& settingsPath, NBA& nba);

// Where a data file of that name lies in dataDir: the name found there whatever its letter case
// (the files came from a system that ignored case), so it is read and saved back under one name.
std::string DataFilePath(const std::string& dataDir, const char* name);

// The savers write the whole file safely. A file that did not load completely is first kept
// aside (WriteResult::keptCopy; KeptCopyText says so in the save's message) and never again.
WriteResult SaveStatistics(const std::string& dataDir, NBA& nba);
// Puts "Courier New" into an empty font name first, as the settings window promises.
WriteResult SaveSettings(NBA& nba);
WriteResult SaveNames(const std::string& dataDir, NBA& nba, const std::array<std::string, kNameSlots>& cities,
                      const std::array<std::string, kNameSlots>& teams);
// The words a save's message adds when a damaged file was kept aside; empty otherwise.
std::string KeptCopyText(const WriteResult& saved);

}  // namespace tavix
