#include "core/schedule_model.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/data_files.h"
#include "core/number_format.h"

namespace tavix {
namespace {

// The cities and nicknames the season's files came with, in team-number order. A schedule line
// still names a team this way after the user renamed or moved it.
const char* const kSuppliedCities[kLeagueTeams + 1] = {
    "",        "Boston",    "Miami",   "New Jersey", "New York",    "Orlando", "Philadelphia", "Washington",
    "Atlanta", "Charlotte", "Chicago", "Cleveland",  "Detroit",     "Indiana", "Milwaukee",    "Toronto",
    "Dallas",  "Denver",    "Houston", "Minnesota",  "San Antonio", "Utah",    "Vancouver",    "Golden State",
    "L.A.",    "L. A.",     "Phoenix", "Portland",   "Sacramento",  "Seattle"};
const char* const kSuppliedNicknames[kLeagueTeams + 1] = {
    "",          "Celtics", "Heat",    "Nets",         "Knicks",  "Magic",      "76ers",     "Wizards",
    "Hawks",     "Hornets", "Bulls",   "Cavaliers",    "Pistons", "Pacers",     "Bucks",     "Raptors",
    "Mavericks", "Nuggets", "Rockets", "Timberwolves", "Spurs",   "Jazz",       "Grizzlies", "Warriors",
    "Clippers",  "Lakers",  "Suns",    "Trailblazers", "Kings",   "SuperSonics"};

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// LowerChar by table: every position of every game line goes through it.
const std::array<char, 256>& LowerTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int c = 0; c < 256; ++c) t[static_cast<size_t>(c)] = LowerChar(static_cast<char>(c));
        return t;
    }();
    return table;
}

char Lower(char c) { return LowerTable()[static_cast<unsigned char>(c)]; }

bool CityStandsAt(const std::string& line, size_t start, const std::string& lowerCity) {
    if (start + lowerCity.size() > line.size()) return false;
    for (size_t i = 0; i < lowerCity.size(); ++i)
        if (Lower(line[start + i]) != lowerCity[i]) return false;
    return true;
}

// The cities that tell a team, lower-cased, lowest team first: a blank city or one two teams hold
// says nothing about which of them plays. They are filed by their first letter, so a position in a
// line is tried only against the cities that could start there.
class TellingCities {
  public:
    explicit TellingCities(const std::vector<std::string>& cities) {
        std::vector<std::string> lower;
        for (const std::string& city : cities) lower.push_back(ToLower(city));
        for (size_t t = 1; t < cities.size(); ++t) {
            if (IsBlank(cities[t])) continue;
            bool shared = false;
            for (size_t o = 1; o < cities.size() && !shared; ++o) shared = o != t && lower[o] == lower[t];
            if (!shared)
                byFirst_[static_cast<unsigned char>(lower[t][0])].emplace_back(static_cast<int>(t), lower[t]);
        }
    }
    // The lowest team whose city starts at one of the positions first..last (1-based); 0 for none.
    int Find(const std::string& line, int first, int last) const {
        int found = 0;
        for (int p = std::max(first, 1); p <= last && static_cast<size_t>(p) <= line.size(); ++p) {
            const size_t start = static_cast<size_t>(p - 1);
            for (const auto& [team, city] : byFirst_[static_cast<unsigned char>(Lower(line[start]))])
                if ((found == 0 || team < found) && CityStandsAt(line, start, city)) found = team;
        }
        return found;
    }

  private:
    std::array<std::vector<std::pair<int, std::string>>, 256> byFirst_;
};

// Finds teams by the league's cities and, failing that, by the supplied ones.
class TeamFinder {
  public:
    explicit TeamFinder(const NBA& nba) : nba_(nba) {
        const int teams = std::clamp<int>(nba.TeamCount, 0, kLeagueTeams);
        std::vector<std::string> now(1), supplied(1);
        for (int t = 1; t <= teams; ++t) now.push_back(nba.CityNames[static_cast<size_t>(t)]);
        for (int t = 1; t <= kLeagueTeams; ++t) supplied.push_back(kSuppliedCities[t]);
        now_ = std::make_unique<TellingCities>(now);
        supplied_ = std::make_unique<TellingCities>(supplied);
    }
    int Find(const std::string& line, int first, int last) const {
        if (int t = now_->Find(line, first, last)) return t;
        const int supplied = supplied_->Find(line, first, last);
        return supplied == 0 ? 0 : SuppliedTeamNow(supplied);
    }

  private:
    // The supplied team now: the team holding its nickname (the names file may list teams in
    // another order), else the team in its place. The two Los Angeles teams differ by one blank in
    // the city, so their nicknames tell them apart once a user spells both cities alike.
    int SuppliedTeamNow(int supplied) const {
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (nba_.TeamNames[static_cast<size_t>(t)] == kSuppliedNicknames[supplied]) return t;
        return supplied;
    }

    const NBA& nba_;
    std::unique_ptr<TellingCities> now_, supplied_;
};

std::optional<int> Points(std::string_view text) {
    return text.size() <= 3 ? ParseDigits(text) : std::nullopt;  // no game reaches a thousand points
}

// "OT", "2OT", "3OT"...: the number of overtimes; 0 for any other word.
int Overtimes(std::string_view word) {
    if (word.size() < 2 || word.size() > 4) return 0;
    const std::string upper = ToUpper(word);
    if (upper.compare(upper.size() - 2, 2, "OT") != 0) return 0;
    if (upper.size() == 2) return 1;
    auto n = ParseDigits(std::string_view(upper).substr(0, upper.size() - 2));
    return n && *n > 0 ? *n : 0;
}

struct Score {
    size_t position = std::string::npos;
    int road = 0, home = 0, overtimes = 0;
};

Score FindScore(const std::string& line) {
    size_t end = line.find_last_not_of(' ');
    if (end == std::string::npos) return {};
    size_t start = line.find_last_of(' ', end);
    start = start == std::string::npos ? 0 : start + 1;
    std::string_view word(line.data() + start, end + 1 - start);
    const int overtimes = Overtimes(word);
    if (overtimes > 0) {
        if (start == 0) return {};
        end = line.find_last_not_of(' ', start - 1);
        if (end == std::string::npos) return {};
        start = line.find_last_of(' ', end);
        start = start == std::string::npos ? 0 : start + 1;
        word = std::string_view(line.data() + start, end + 1 - start);
    }
    if (start < kEarliestScore) return {};
    const size_t dash = word.find('-');
    if (dash == std::string_view::npos) return {};
    auto road = Points(word.substr(0, dash)), home = Points(word.substr(dash + 1));
    if (!road || !home) return {};
    return {start, *road, *home, overtimes};
}

void ReadHalf(const NBA& nba, const TeamFinder& finder, bool firstHalf, std::optional<Date>& day,
              ScheduleLine& heading, ScheduleModel& model) {
    const std::string* lines = firstHalf ? nba.FirstHalfSchedule.data() : nba.SecondHalfSchedule.data();
    const int limit = firstHalf ? kFirstHalfLimit : kSecondHalfLimit;
    const int count = std::clamp<int>(firstHalf ? nba.FirstHalfCount : nba.SecondHalfCount, 0, limit);
    const int fileOffset = firstHalf ? 0 : std::clamp<int>(nba.FirstHalfCount, 0, kFirstHalfLimit);
    std::vector<int>& gameOf = firstHalf ? model.firstHalfGames : model.secondHalfGames;
    gameOf.assign(static_cast<size_t>(limit) + 1, -1);
    for (int i = 1; i <= count; ++i) {
        const std::string& line = lines[i];
        if (auto date = ParseLongDate(line)) {
            day = date;
            heading = {firstHalf, i};
            continue;
        }
        if (!day || IsBlank(line)) continue;
        ScheduledGame g;
        g.date = *day;
        g.road = finder.Find(line, kFileRoadFirst, kFileRoadLast);
        g.home = finder.Find(line, kFileHomeFirst, kFileHomeLast);
        if (g.road == 0 || g.home == 0) {
            model.unknown.push_back({fileOffset + i, line});
            continue;
        }
        const Score score = FindScore(line);
        g.played = score.position != std::string::npos;
        g.roadPoints = score.road;
        g.homePoints = score.home;
        g.overtimes = score.overtimes;
        g.firstHalf = firstHalf;
        g.line = i;
        g.heading = heading;
        g.month = MonthViewOfLine(nba, firstHalf, i);
        gameOf[static_cast<size_t>(i)] = static_cast<int>(model.games.size());
        model.games.push_back(g);
    }
}

}  // namespace

int MonthPairOf(int index) {
    static const int kPairs[kMonthViews] = {2, 3, 4, 6, 7, 8};
    return index >= 0 && index < kMonthViews ? kPairs[index] : 0;
}

bool MonthOnSecondHalf(int index) { return index >= 3; }

std::pair<long, long> MonthRange(const NBA& nba, int index) {
    const int pair = MonthPairOf(index);
    if (pair == 0) return {1, 0};
    // The start is kept as a general number; as a line index it rounds like every index does.
    const double start = nba.MonthStart[static_cast<size_t>(pair)];
    if (!std::isfinite(start)) return {1, 0};
    const long first = static_cast<long>(std::clamp(std::nearbyint(start), -1.0, 100000.0));
    return {first, nba.MonthEnd[static_cast<size_t>(pair)]};
}

int MonthViewOfLine(const NBA& nba, bool firstHalf, int line) {
    for (int index = 0; index < kMonthViews; ++index) {
        if (MonthOnSecondHalf(index) == firstHalf) continue;
        const auto [first, last] = MonthRange(nba, index);
        if (line >= first && line <= last) return index;
    }
    return -1;
}

int ScheduleModel::GameAt(bool firstHalf, int line) const {
    const std::vector<int>& gameOf = firstHalf ? firstHalfGames : secondHalfGames;
    return line >= 0 && static_cast<size_t>(line) < gameOf.size() ? gameOf[static_cast<size_t>(line)] : -1;
}

int FindTeamInLine(const NBA& nba, const std::string& line, int first, int last) {
    return TeamFinder(nba).Find(line, first, last);
}

std::shared_ptr<const ScheduleModel> BuildScheduleModel(const NBA& nba) {
    auto model = std::make_shared<ScheduleModel>();
    std::optional<Date> day;
    ScheduleLine heading;
    const TeamFinder finder(nba);
    ReadHalf(nba, finder, true, day, heading, *model);
    ReadHalf(nba, finder, false, day, heading, *model);
    return model;
}

std::shared_ptr<const ScheduleModel> ScheduleOf(const NBA& nba) {
    return nba.schedule ? nba.schedule : BuildScheduleModel(nba);
}

std::shared_ptr<const ScheduleModel> ScheduleAsOf(const ScheduleModel& model, const Date& evening) {
    auto then = std::make_shared<ScheduleModel>(model);
    for (ScheduledGame& g : then->games) {
        if (g.date <= evening) continue;
        g.played = false;
        g.roadPoints = g.homePoints = g.overtimes = 0;
    }
    return then;
}

const std::string& LineOf(const NBA& nba, const ScheduleLine& at) {
    static const std::string kNone;
    if (at.line < 1) return kNone;
    if (at.firstHalf)
        return at.line <= kFirstHalfLimit ? nba.FirstHalfSchedule[static_cast<size_t>(at.line)] : kNone;
    return at.line <= kSecondHalfLimit ? nba.SecondHalfSchedule[static_cast<size_t>(at.line)] : kNone;
}

const std::string& GameLineOf(const NBA& nba, const ScheduledGame& game) {
    return LineOf(nba, {game.firstHalf, game.line});
}

size_t ScorePosition(const std::string& line) { return FindScore(line).position; }

std::string WithoutScore(const std::string& line) {
    const size_t at = ScorePosition(line);
    if (at == std::string::npos) return line;
    std::string bare = line.substr(0, at);
    while (!bare.empty() && bare.back() == ' ') bare.pop_back();
    return bare;
}

std::string UnknownGamesMessage(const ScheduleModel& model) {
    if (model.unknown.empty()) return std::string();
    std::string text = "These lines of the schedule file name no team Tavix knows; their games are left out:";
    constexpr size_t kShown = 10;  // a whole damaged file would not fit on the screen
    for (size_t i = 0; i < model.unknown.size() && i < kShown; ++i) {
        const UnknownGameLine& u = model.unknown[i];
        text += "\n" + std::string(kScheduleFile) + ", line " + std::to_string(u.fileLine) + ": " + u.text;
    }
    if (model.unknown.size() > kShown)
        text += "\n... and " + std::to_string(model.unknown.size() - kShown) + " more";
    return text;
}

}  // namespace tavix
