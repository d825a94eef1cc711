#pragma once
// Everything a window needs from the program: the league data, the platform services and the
// mechanism that opens and closes sub-windows. The program builds one; tests build their own.

#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "core/dialogs.h"
#include "core/league.h"
#include "core/print_list.h"
#include "core/printer.h"
#include "platform/help_launcher.h"
#include "platform/timers.h"
#include "platform/window_host.h"

namespace tavix {

// The open windows whose figures follow the replayed day: each is filled again when the day
// changes, and forgotten once it is gone.
class DayFollowers {
  public:
    void Add(QObject* window, std::function<void()> refill);
    void DayChanged();

  private:
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> followers_;
};

struct AppContext {
    // The user's league: what the data files hold, and the one saving, renaming, a new season and
    // the settings change. A replay never touches it.
    NBA& ownLeague;
    Dialogs& dialogs;
    Clock& clock;
    Timers& timers;
    PrinterProvider& printers;
    HelpLauncher& help;
    WindowHost& host;
    std::string dataDir;  // the folder the data files are read from and saved to
    // The ratings window's season switch; every ComputeRatings caller in a window passes it.
    SeasonView seasonView = SeasonView::Current;
    // The evening a season replay shows, and the league as it stood then (owned by the replay);
    // nothing outside a replay.
    std::optional<Date> replayDay{};
    NBA* replayLeague = nullptr;
    DayFollowers dayFollowers{};

    // The league the windows show: the replayed evening's while a replay is on, else the user's.
    // Windows only read it; what changes a league changes ownLeague.
    const NBA& League() const { return replayLeague ? *replayLeague : ownLeague; }
};

// "Replay: Wednesday, February 24, 1999" while a replay is on, for window titles and printouts;
// empty outside a replay.
std::string ReplayDayText(const AppContext& ctx);
// A printout's header names the replayed day under its own lines, so a page never passes for the
// season's figures; outside a replay the scheme is as given.
PrintScheme ForShownDay(const AppContext& ctx, PrintScheme scheme);

// Prints a list the way every print button does: asks, shows the hourglass, prints, and tells
// the user when the printer failed. Returns the outcome.
PrintOutcome PrintListWithMessages(AppContext& ctx, const PrintScheme& scheme, const ListContents& list);
// Runs a print job that is not a list (the statistics form) with the same failure message.
bool PrintJobWithMessages(AppContext& ctx, const std::string& documentName,
                          const std::function<void(Printer&)>& job);
// The message for a printout that could not be finished.
void ReportPrintFailure(AppContext& ctx, const std::string& reason);

}  // namespace tavix
