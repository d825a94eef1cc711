#pragma once
// The league data every window works on: names, the two seasons' statistics, the update date,
// the schedule lines and the derived ratings. One instance lives for the whole run.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace tavix {

struct ScheduleModel;

constexpr int kTeamSlots = 33;        // statistics arrays: slots 0..32, teams in 1..29
constexpr int kNameSlots = 31;        // name arrays: slots 0..30
constexpr int kLeagueTeams = 29;      // the number of teams a names file holds
constexpr int kStoredSlots = 32;      // slots 1..32 travel through the statistics file
constexpr int kMonthPairs = 8;        // month ranges 1..8
constexpr int kFirstHalfLimit = 900;  // most lines the first-half schedule can hold
constexpr int kSecondHalfLimit = 920;

enum class Division { None, Atlantic, Central, Midwest, Pacific };
enum class Conference { None, Eastern, Western };

// The division ranges are the membership: Atlantic 1-7, Central 8-15, Midwest 16-22, Pacific 23-29.
Division DivisionOf(int team);
Conference ConferenceOf(int team);
const char* DivisionName(Division d);

enum class SeasonView { Current, Previous };

// A data file that is there but did not load completely holds figures the program never saw; the
// first save over it keeps it aside first, and the save's message says where it went.
struct KeptFile {
    bool damaged = false;
    std::string keptCopy;  // kept aside and not reported yet
};

struct NBA {
    int16_t TeamCount = 0;

    std::array<std::string, kNameSlots> CityNames{};
    std::array<std::string, kNameSlots> TeamNames{};

    std::array<int16_t, kTeamSlots> Wins{}, Losses{}, Ties{};
    std::array<double, kTeamSlots> OffenseAve{}, DefenseAve{};
    std::array<int16_t, kTeamSlots> PrevWins{}, PrevLosses{}, PrevTies{};
    std::array<double, kTeamSlots> PrevOffenseAve{}, PrevDefenseAve{};
    std::array<float, kTeamSlots> TeamReserve{};

    int16_t UpdateMonth = 0, UpdateDay = 0, UpdateYear = 0;

    int16_t FirstHalfCount = 0, SecondHalfCount = 0;
    std::array<double, kMonthPairs + 1> MonthStart{};  // 1..8; a general number in the file
    std::array<int16_t, kMonthPairs + 1> MonthEnd{};
    // Slot 0 unused, lines 1..count; the schedule never changes during a run.
    std::array<std::string, kFirstHalfLimit + 1> FirstHalfSchedule{};
    std::array<std::string, kSecondHalfLimit + 1> SecondHalfSchedule{};
    // The games those lines hold, read once the names are known (core/schedule_model.h): the one
    // way every part reaches a game.
    std::shared_ptr<const ScheduleModel> schedule;

    std::string PrinterFontName;
    std::string IniPath;
    std::string StartDir;
    KeptFile StatisticsFile, NamesFile, SettingsFile;
    // Set when this program may only read the data folder (another one is saving there): why, for
    // the message of every save it refuses.
    std::string readOnly;
    int16_t SelectedTeam = 0;
};

// "City Nickname", as the combined displays show a team.
std::string FullName(const NBA& nba, int team);

// Whether two texts spell one name: the same letters and digits, whatever the letter case, blanks
// and punctuation ("L. A." and "l.a.").
bool SameName(const std::string& a, const std::string& b);

}  // namespace tavix
