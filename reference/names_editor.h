#pragma once
// The city and team names editor's rules: the messages it shows, the length a name box allows
// and how edited names reach the names file and the league data.

#include <array>
#include <optional>
#include <string>

#include "core/league.h"
#include "core/safe_file.h"

namespace tavix {

constexpr int kNameBoxLength = 12;

extern const char kNamesWindowTitle[];  // "City & Team Names - Tavix"
extern const char kNamesSaveQuestion[];
extern const char kNamesSaveQuestionTitle[];
extern const char kNamesSaveFailed[];
// Asked when the editor is left with unsaved names, whichever way (Save, Discard or Cancel),
// titled kNamesSaveQuestionTitle.
extern const char kNamesUnsavedQuestion[];

// The information message: six lines, an empty line after the first and after the third.
std::string NamesInformationText();

// What a name box accepts: 12 characters, or more when the names file already holds a longer
// name, so that opening the editor and saving never cuts a name the user did not touch.
int NameBoxLimit(const std::string& name);

// A name can go into the names file unless it holds a double quote (the file quotes every name
// and has no way to escape one) or a line break.
bool NameFitsFile(const std::string& name);

using NameArray = std::array<std::string, kNameSlots>;

// What keeps edited names from being saved: an empty city or team name (blanks only count as
// empty), or two teams of one city and one name, which no list could tell apart. `team` and
// `city` say which box to go back to.
struct NamesProblem {
    int team = 0;
    bool city = true;
    std::string message;
};
std::optional<NamesProblem> CheckEditedNames(const NBA& nba, const NameArray& cities, const NameArray& teams);

// Writes the names file (cities 1..29, then nicknames 1..29) and only when it was written
// completely takes the names over into the league data. On a failure the league keeps its names
// and the old file stays as it was.
WriteResult StoreEditedNames(const std::string& dataDir, NBA& nba, const NameArray& cities,
                             const NameArray& teams);

}  // namespace tavix
