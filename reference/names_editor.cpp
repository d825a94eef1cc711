#include "reference/names_editor.h"

#include <algorithm>

#include "core/data_files.h"
#include "core/number_format.h"

namespace tavix {

const char kNamesWindowTitle[] = "Tavix  City & Team Names";
const char kNamesSaveQuestion[] = "Are you Sure you want to alter the City & Team Names?";
const char kNamesSaveQuestionTitle[] = "City & Team Names";
const char kNamesSaveFailed[] = "Unable to Save file - check disk, write protect etc..";
const char kNamesUnsavedQuestion[] =
    "Changes were made to the names,\r\nclick OK to close or Cancel to go back\r\nand Save changes.";

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

}  // namespace tavix
