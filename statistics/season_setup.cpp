#include "statistics/season_setup.h"

#include <algorithm>

#include "core/data_files.h"
#include "core/number_format.h"
#include "statistics/stat_entry.h"

namespace tavix {
namespace {

std::string Join(std::initializer_list<const char*> lines, const char* separator) {
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first) text += separator;
        text += line;
        first = false;
    }
    return text;
}

constexpr int kGuardedTeams = 10;
constexpr int kGuardGames = 40;

}  // namespace

const char kRecordAgainAdvice[] = "Your figures are still here; try Record again.";
const char kGatheringFormTitle[] = "Tavix Statistics";

std::string NewSeasonWarningText(int seasonGames) {
    const std::string games = "its " + PlainInteger(seasonGames) + " games.  Its best to have the";
    return Join({"This function processes the Statistics from ",
                 "last season and prepares the program to make",
                 "predictions for a new year.",
                 "",
                 "CAUTION!  The Won, Loss and Scoring averages",
                 "will be assigned to the previous year.",
                 "",
                 "Each team should have played at least 40 of",
                 games.c_str(),
                 "statistics complete for the full year.",
                 "Statistics from the previous year will be",
                 "factored with those of a new year for the",
                 "first quarter of the new season when",
                 "calculating predictions.",
                 "This function allows the program to continue",
                 "making predicitons.  For the new schedule,",
                 "look for an update of Tavix; the league's web",
                 "site and newspapers carry the latest figures.",
                 "The NBA schedule is not released until",
                 "after the player draft each spring.",
                 "",
                 "     CONTINUE?          Select 'NO' to Exit"},
                "\n\r");
}

std::string NewSeasonConfirmText() {
    return Join({"Click 'OK' to clear the current year", "statistics and log them as the",
                 "previous years information."},
                "\n\r");
}

bool NewSeasonGamesGuardPasses(const NBA& nba) {
    // Only the first ten clubs are looked at: a season cut short by a lockout still counts once
    // its clubs have played most of their games.
    for (int t = 1; t <= kGuardedTeams; ++t) {
        if (nba.Wins[t] + nba.Losses[t] < kGuardGames) return false;
    }
    return true;
}

void RollOverSeason(NBA& nba) {
    for (int i = 1; i <= kStoredSlots; ++i) {
        nba.PrevWins[i] = nba.Wins[i];
        nba.Wins[i] = 0;
        nba.PrevLosses[i] = nba.Losses[i];
        nba.Losses[i] = 0;
        nba.PrevTies[i] = nba.Ties[i];
        nba.Ties[i] = 0;
        nba.PrevOffenseAve[i] = nba.OffenseAve[i];
        nba.PrevDefenseAve[i] = nba.DefenseAve[i];
    }
}

std::string StatisticsSaveFailedText(const std::string& reason, const std::string& advice) {
    return "Statistics could not be saved to disk: " +
           (reason.empty() ? std::string("unknown error") : reason) + ". " + advice;
}

NewSeasonOutcome NewSeasonSetup(NBA& nba, Dialogs& dialogs, const std::string& dataDir) {
    if (!IsPositive(dialogs.Show(NewSeasonWarningText(SeasonGames(nba)), "Tavix", Buttons::YesNo,
                                 Icon::Question, DefaultButton::Second)))
        return NewSeasonOutcome::Declined;
    if (!NewSeasonGamesGuardPasses(nba)) {
        dialogs.Beep();
        dialogs.Beep();
        return NewSeasonOutcome::TooFewGames;
    }
    if (!IsPositive(dialogs.Show(NewSeasonConfirmText(), "Tavix", Buttons::OkCancel, Icon::Question)))
        return NewSeasonOutcome::Cancelled;
    RollOverSeason(nba);
    const WriteResult saved = SaveStatistics(dataDir, nba);
    if (!saved.ok) {
        dialogs.Show(StatisticsSaveFailedText(saved.error,
                                              "The new season is set up in memory; open Update Statistics "
                                              "and press Record to save it."),
                     "Tavix", Buttons::Ok, Icon::Exclamation);
        return NewSeasonOutcome::SaveFailed;
    }
    if (!saved.keptCopy.empty())
        dialogs.Show("The new season was saved to disk." + KeptCopyText(saved), "Tavix", Buttons::Ok,
                     Icon::Information);
    return NewSeasonOutcome::RolledOver;
}

std::string GatheringFormConfirmText() {
    return Join(
        {"Click on the 'OK' button to", "print a form which is designed", "to help you gather the necessary",
         "information to properly update", "the Tavix statistics database.", "This form comes in handy when",
         "you are browsing the Sports section", "of your newspaper or other sporting",
         "reports.  Many Internet sites", "will also have the latest stats.", "",
         "Click 'Cancel' to exit without", "printing a form."},
        "\r\n");
}

void SendGatheringForm(const NBA& nba, const std::string& fontName, Printer& printer) {
    const std::string indent(10, ' ');
    printer.SetFontName(fontName);
    printer.SetFontSize(15);
    printer.PrintLine("");
    printer.PrintLine("");
    printer.PrintLine("       Tavix Statistics Gathering Form   Date _______");
    printer.SetFontSize(6);  // a narrow gap
    printer.PrintLine("");
    printer.SetFontSize(10);
    printer.PrintLine(indent + "  TEAM                     WINS    LOSSES    AVE OFFENSE   AVE DEFENSE");
    const int teams = std::min<int>(nba.TeamCount, kNameSlots - 1);
    for (int i = 1; i <= teams; ++i) {
        // A city and name beyond 26 characters push the rules right rather than being cut.
        const std::string name = PaddedTo(nba.CityNames[i] + " " + nba.TeamNames[i], 26);
        printer.PrintLine(" ");
        printer.PrintLine(indent + name + "______   ______    ___________   ___________");
    }
    printer.EndDocument();
}

}  // namespace tavix
