#pragma once
// Builds the four data files the program reads (statistics, schedule, names, rosters) from the
// season sources, and the checks that keep the schedule lines readable by the schedule views and
// the block predictions.

#include <optional>
#include <string>
#include <vector>

#include "core/league.h"
#include "tools/datagen/season.h"

namespace tavix::datagen {

struct GeneratedFiles {
    std::string statistics;  // TavixSE.dat
    std::string schedule;    // TavixSC.dat
    std::string names;       // TavixNM.dat
    std::string rosters;     // Tavixro.dat
};

// The one line the November-January half holds: the lockout left those months without games.
extern const char kLockoutNote[];

// Fills the league data as the program would hold it after loading the files: names, both seasons'
// statistics as they stood after the games of asOf (the last game day when absent; the update date
// is that day), the schedule lines with their counts and month ranges. Games after asOf are
// listed without a score.
bool BuildLeague(const Sources& sources, std::optional<Date> asOf, NBA& nba, std::string& error);

// BuildLeague, then the file texts through the program's own writers. Fails when a schedule line
// would not be read back as the game it shows.
bool GenerateFiles(const Sources& sources, std::optional<Date> asOf, GeneratedFiles& files,
                   std::string& error);

// The roster text, already in the 8-bit character set (see ToLatin1).
std::string RosterText(const Sources& sources);

// Where a city starts in a line, 1-based, the first occurrence, ignoring case; 0 when absent.
// This is how the team schedule finds a team's games.
int FirstCityPosition(const std::string& line, const std::string& city);

// Problems that would make a schedule view or block predictions misread the loaded lines: a game
// line whose road or home team is not found where it should be, or that mentions a third city; a
// heading that names a city; a first-half line that looks like a date heading. Empty when fine.
std::vector<std::string> CheckSchedule(const NBA& nba);

// Text from the UTF-8 of the sources in the 8-bit character set of the data files. Letters the set
// lacks lose their accent (Kukoč -> Kukoc); nullopt for a character with no such plain letter.
std::optional<std::string> ToLatin1(const std::string& utf8);

}  // namespace tavix::datagen
