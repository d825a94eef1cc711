#pragma once
// The new-season roll-over and the printed statistics gathering form: two statistics commands
// that open no window. The message texts live here so the commands and their tests share them.

#include <string>

#include "core/dialogs.h"
#include "core/league.h"
#include "core/printer.h"

namespace tavix {

// The first confirmation, lines joined by LF then CR as the old message boxes expected.
std::string NewSeasonWarningText(int seasonGames);  // the games each club plays this season
// The second confirmation, joined the same way.
std::string NewSeasonConfirmText();

// True when each of teams 1..10 has at least 40 games (wins + losses).
bool NewSeasonGamesGuardPasses(const NBA& nba);

// Slots 1..32: the current records become the previous season's and are cleared; the averages
// are copied but kept, so the new season starts from last season's scoring.
void RollOverSeason(NBA& nba);

enum class NewSeasonOutcome { Declined, TooFewGames, Cancelled, RolledOver, SaveFailed };

// The whole command: first question (No ends it), games guard (two beeps), second question
// (Cancel ends it), roll-over, one save of the statistics into dataDir. A failed save keeps the
// rolled-over figures in memory and says how to save them.
NewSeasonOutcome NewSeasonSetup(NBA& nba, Dialogs& dialogs, const std::string& dataDir);

// The message after a statistics save that did not reach the disk.
std::string StatisticsSaveFailedText(const std::string& reason, const std::string& advice);
extern const char kRecordAgainAdvice[];

// The gathering form's confirmation, lines joined by CR LF.
std::string GatheringFormConfirmText();
extern const char kGatheringFormTitle[];  // "Tavix Statistics"
// Prints the blank form (heading, column titles, one ruled line per team) and ends the job.
void SendGatheringForm(const NBA& nba, const std::string& fontName, Printer& printer);

}  // namespace tavix
