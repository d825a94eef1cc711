#include "reference/names_editor.h"

#include <algorithm>

#include "core/data_files.h"
#include "core/number_format.h"

namespace tavix {

const char kNamesWindowTitle[] = "City & Team Names - Tavix";
const char kNamesSaveQuestion[] = "Are you Sure you want to alter the City & Team Names?";
const char kNamesSaveQuestionTitle[] = "City & Team Names";
const char kNamesSaveFailed[] = "Unable to Save file - check disk, write protect etc..";
const char kNamesUnsavedQuestion[] =
    "Changes were made to the names.\r\nSave keeps them, Discard drops them,\r\nCancel goes back to the "
    "names.";

std::string NamesInformationText() {
    return "Edit Names and Locations...\r\n"
           "\r\n"
           "This feature was included in case a\r\n"
           "team relocates or alters their name.\r\n"
           "\r\n"
           "If a re-alignment occurs, it will be\r\n"
           "necessary to check the statistics for\r\n"
           "any team that has changed position.";
}

int NameBoxLimit(const std::string& name) {
    return std::max<int>(kNameBoxLength, static_cast<int>(name.size()));
}

bool NameFitsFile(const std::string& name) {
    // A quote would end the name in the file; a control character would reach every list as is.
    return name.find('"') == std::string::npos && Showable(name) == name;
}

WriteResult StoreEditedNames(const std::string& dataDir, NBA& nba, const NameArray& cities,
                             const NameArray& teams) {
    WriteResult result = SaveNames(dataDir, nba, cities, teams);
    if (!result.ok) return result;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = cities[t];
        nba.TeamNames[t] = teams[t];
    }
    return result;
}

namespace {

// The team as the user knows it: its saved name and the row of the editor it stands in.
std::string TeamInEditor(const NBA& nba, int team) {
    std::string name = FullName(nba, team);
    if (name.find_first_not_of(' ') == std::string::npos) name = "team " + PlainInteger(team);
    const int first = team <= 7 ? 1 : team <= 15 ? 8 : team <= 22 ? 16 : 23;
    return name + " (" + DivisionName(DivisionOf(team)) + " Division, row " + PlainInteger(team - first + 1) +
           ")";
}

bool Blank(const std::string& name) { return name.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::optional<NamesProblem> CheckEditedNames(const NBA& nba, const NameArray& cities,
                                             const NameArray& teams) {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        for (const bool city : {true, false}) {
            if (!Blank(city ? cities[t] : teams[t])) continue;
            return NamesProblem{t, city,
                                std::string("The ") + (city ? "city" : "team name") + " of " +
                                    TeamInEditor(nba, t) +
                                    " is empty.\r\nEvery team needs a city and a team name.\r\n\r\nNothing "
                                    "was saved."};
        }
    }
    for (int t = 2; t <= kLeagueTeams; ++t) {
        for (int other = 1; other < t; ++other) {
            if (!SameName(cities[t], cities[other]) || !SameName(teams[t], teams[other])) continue;
            return NamesProblem{
                t, true,
                TeamInEditor(nba, other) + " and " + TeamInEditor(nba, t) + " would both be \"" + cities[t] +
                    " " + teams[t] +
                    "\".\r\nEvery team needs its own city or team name, so the lists can tell "
                    "them apart.\r\n\r\nNothing was saved."};
        }
    }
    return std::nullopt;
}

}  // namespace tavix
