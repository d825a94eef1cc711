#include "tools/datagen/league_files.h"

#include "core/schedule_model.h"

#include <algorithm>

#include "core/data_files.h"
#include "core/number_format.h"

namespace tavix::datagen {

const char kLockoutNote[] = " No games: the lockout delayed the 1998-99 season until 5 February 1999.";

namespace {

const char kLineEnd[] = "\r\n";

// Game lines: the road city from column 1, "at " in columns 14-16, the home city from column 17.
// Every city has at most 12 characters, so a blank always follows it.
constexpr size_t kRoadWidth = 13;
constexpr size_t kHomeColumn = 17;
constexpr size_t kHomeWidth = 13;
static_assert(kRoadWidth + 3 + 1 == kHomeColumn, "the home city follows \"at \" directly");
static_assert(kHomeColumn >= 8 && kHomeColumn <= 20, "block predictions look for the home city in 8..20");
// Page breaks of the printed lists fall on short lines, so each day ends with a one-blank line
// as long as the half-season limit leaves room for it.
const char kDaySeparator[] = " ";

const char* const kWeekdayPrefixes[] = {"mond", "sund", "tues", "wedn", "thur", "frid", "satu"};

bool StartsWithWeekday(const std::string& lowered) {
    for (const char* p : kWeekdayPrefixes) {
        if (lowered.compare(0, 4, p) == 0) return true;
    }
    return false;
}

std::string RightTrimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string GameLine(const Sources& s, const Game& g, bool withScore) {
    std::string line = PaddedTo(s.teams[g.visitor].city, kRoadWidth) + "at ";
    line += PaddedTo(s.teams[g.home].city, kHomeWidth);
    if (withScore) {
        line += std::to_string(g.visitorPoints) + "-" + std::to_string(g.homePoints);
        if (!g.overtime.empty()) line += " " + g.overtime;
    }
    return RightTrimmed(line);
}

struct DayBlock {
    Date date;
    std::vector<std::string> lines;  // heading, then the games
};

void FillStatistics(const Sources& s, const Date& asOf, NBA& nba) {
    SetCurrentSeason(nba, TotalsThrough(Results(s.current), asOf));
    SetPreviousSeason(nba, TotalsOfAll(Results(s.previous)));
    nba.UpdateMonth = static_cast<int16_t>(asOf.month);
    nba.UpdateDay = static_cast<int16_t>(asOf.day);
    nba.UpdateYear = static_cast<int16_t>(asOf.year);
}

bool FillSchedule(const Sources& s, const Date& asOf, NBA& nba, std::string& error) {
    // November to January: the lockout note alone, and every first-half month range points at it.
    nba.FirstHalfCount = 1;
    nba.FirstHalfSchedule[1] = kLockoutNote;
    for (int k = 1; k <= 4; ++k) {
        nba.MonthStart[k] = 1;
        nba.MonthEnd[k] = 1;
    }

    std::vector<DayBlock> days;
    for (const Game& g : s.current) {
        if (days.empty() || !(days.back().date == g.date)) days.push_back({g.date, {LongDate(g.date)}});
        days.back().lines.push_back(GameLine(s, g, g.date <= asOf));
    }
    size_t plain = 0;
    for (const auto& d : days) plain += d.lines.size();
    const bool separators = plain + days.size() <= static_cast<size_t>(kSecondHalfLimit);
    if (plain > static_cast<size_t>(kSecondHalfLimit)) {
        error = "the 1998-99 schedule needs " + std::to_string(plain) + " lines, more than the program holds";
        return false;
    }

    // Pair 6 February, 7 March, 8 April and May; each from its first heading to the last line of
    // its last day.
    auto pairOf = [](int month) {
        return month == 2 ? 6 : month == 3 ? 7 : month == 4 || month == 5 ? 8 : 0;
    };
    int count = 0;
    for (const auto& d : days) {
        int k = pairOf(d.date.month);
        if (k == 0) {
            error = "a 1998-99 regular-season game outside February to May: " + LongDate(d.date);
            return false;
        }
        if (nba.MonthStart[k] == 0) nba.MonthStart[k] = count + 1;
        for (const auto& line : d.lines) nba.SecondHalfSchedule[++count] = line;
        if (separators) nba.SecondHalfSchedule[++count] = kDaySeparator;
        nba.MonthEnd[k] = static_cast<int16_t>(count);
    }
    nba.SecondHalfCount = static_cast<int16_t>(count);
    nba.MonthStart[5] = 1;
    nba.MonthEnd[5] = static_cast<int16_t>(count);

    // Each game line must be read back as the game it shows.
    size_t gameIndex = 0;
    for (int i = 1; i <= count; ++i) {
        const std::string& line = nba.SecondHalfSchedule[i];
        if (line == kDaySeparator || StartsWithWeekday(ToLower(line))) continue;
        const Game& g = s.current[gameIndex++];
        if (FindTeamInLine(nba, line, 1, 6) != g.visitor || FindTeamInLine(nba, line, 8, 20) != g.home) {
            error = "the line \"" + line + "\" would not be read as its game";
            return false;
        }
    }
    return true;
}

std::string Surname(const std::string& name) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < name.size()) {
        size_t end = name.find(' ', pos);
        if (end == std::string::npos) end = name.size();
        if (end > pos) words.push_back(name.substr(pos, end - pos));
        pos = end + 1;
    }
    if (words.empty()) return name;
    std::string last = words.back();
    if (words.size() > 1 && (last == "Jr." || last == "Sr." || last == "II" || last == "III" || last == "IV"))
        last = words[words.size() - 2];
    return last;
}

// Source text in the files' character set; GenerateFiles has checked that every text converts.
std::string Latin1(const std::string& utf8) { return ToLatin1(utf8).value_or(utf8); }

const char* ConferenceName(Division d) {
    return d == Division::Atlantic || d == Division::Central ? "Eastern" : "Western";
}

}  // namespace

int FirstCityPosition(const std::string& line, const std::string& city) {
    if (city.empty() || city.size() > line.size()) return 0;
    const std::string lowLine = ToLower(line), lowCity = ToLower(city);
    size_t at = lowLine.find(lowCity);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::vector<std::string> CheckSchedule(const NBA& nba) {
    std::vector<std::string> problems;
    auto citiesIn = [&](const std::string& line) {
        std::string found;
        for (int t = 1; t <= kLeagueTeams; ++t) {
            if (FirstCityPosition(line, nba.CityNames[t]))
                found += (found.empty() ? "" : ", ") + nba.CityNames[t];
        }
        return found;
    };
    for (int i = 1; i <= nba.FirstHalfCount; ++i) {
        const std::string& line = nba.FirstHalfSchedule[i];
        std::string low = ToLower(line);
        if (low.size() >= 5 && low[0] == ' ' && StartsWithWeekday(low.substr(1)))
            problems.push_back("first half line " + std::to_string(i) + " reads as a date heading");
        if (auto c = citiesIn(line); !c.empty())
            problems.push_back("first half line " + std::to_string(i) + " names " + c);
    }
    for (int i = 1; i <= nba.SecondHalfCount; ++i) {
        const std::string& line = nba.SecondHalfSchedule[i];
        const std::string where = "second half line " + std::to_string(i) + " \"" + line + "\"";
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        if (StartsWithWeekday(ToLower(line))) {
            if (auto c = citiesIn(line); !c.empty())
                problems.push_back(where + ": a heading that names " + c);
            continue;
        }
        int road = FindTeamInLine(nba, line, 1, 6), home = FindTeamInLine(nba, line, 8, 20);
        if (road == 0 || home == 0 || road == home) {
            problems.push_back(where + ": no road and home team found");
            continue;
        }
        for (int t = 1; t <= kLeagueTeams; ++t) {
            int pos = FirstCityPosition(line, nba.CityNames[t]);
            // The team schedule calls a city from column 4 on a home game and up to 4 a road game.
            bool ok = t == road ? pos >= 1 && pos <= 3 : t == home ? pos >= 5 && pos <= 20 : pos == 0;
            if (!ok)
                problems.push_back(where + ": " + nba.CityNames[t] + " found at column " +
                                   std::to_string(pos));
        }
    }
    return problems;
}

bool BuildLeague(const Sources& s, std::optional<Date> asOf, NBA& nba, std::string& error) {
    nba = NBA{};
    nba.TeamCount = kLeagueTeams;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        nba.CityNames[t] = s.teams[t].city;
        nba.TeamNames[t] = s.teams[t].nickname;
    }
    if (s.current.empty() || s.previous.empty()) {
        error = "no games in the sources";
        return false;
    }
    const Date through = asOf ? *asOf : s.current.back().date;
    FillStatistics(s, through, nba);
    if (!FillSchedule(s, through, nba, error)) return false;
    auto problems = CheckSchedule(nba);
    if (!problems.empty()) {
        error = problems.front();
        return false;
    }
    return true;
}

std::string RosterText(const Sources& s) {
    std::vector<std::string> out = {
        "NBA TEAM ROSTERS, 1998-99 REGULAR SEASON",
        "",
        "Every player who appeared for a team in the 1998-99 regular season",
        "(5 February to 5 May 1999) with the one position listed for him that",
        "season; the head coach or coaches in the order they led the team, each",
        "with his own won-lost record; and the team's executive or executives.",
        "Positions: PG point guard, SG shooting guard, SF small forward,",
        "           PF power forward, C center.",
        "* also played for another team during the season.",
        "Not on file: assistant coaches, uniform numbers, heights and weights,",
        "and the executives' titles. Letters that this character set lacks are",
        "written without their accents.",
        "",
    };
    const std::string rule(75, '=');
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = s.teams[t];
        const Staff& staff = s.staff[t];
        std::string where = std::string(DivisionName(team.division)) + " Division, " +
                            ConferenceName(team.division) + " Conference";
        out.push_back(rule);
        out.push_back(PaddedTo(ToUpper(team.fullName), 75 - where.size()) + where);
        out.push_back(rule);
        out.push_back("Arena:          " +
                      (staff.arena.empty() ? std::string("not on file") : Latin1(staff.arena)));
        for (size_t c = 0; c < staff.coaches.size(); ++c) {
            const Coach& coach = staff.coaches[c];
            std::string label = c > 0 ? "" : staff.coaches.size() > 1 ? "Head coaches:" : "Head coach:";
            std::string record = std::to_string(coach.wins) + "-" + std::to_string(coach.losses);
            out.push_back(PaddedTo(label, 16) + PaddedTo(Latin1(coach.name), 30) +
                          std::string(record.size() < 5 ? 5 - record.size() : 0, ' ') + record);
        }
        if (staff.coaches.empty()) out.push_back("Head coach:     not on file");
        if (staff.executives.empty()) out.push_back("Executive:      not on file");
        for (size_t e = 0; e < staff.executives.size(); ++e) {
            std::string label = e > 0 ? "" : staff.executives.size() > 1 ? "Executives:" : "Executive:";
            out.push_back(PaddedTo(label, 16) + Latin1(staff.executives[e]));
        }
        out.push_back("");
        out.push_back("  Player                          Pos");
        out.push_back("  ------------------------------  ---");
        std::vector<Player> players = s.rosters[t];
        std::stable_sort(players.begin(), players.end(), [](const Player& a, const Player& b) {
            std::string ka = ToLower(Surname(a.name)), kb = ToLower(Surname(b.name));
            return ka != kb ? ka < kb : a.name < b.name;
        });
        for (const Player& p : players) {
            out.push_back(RightTrimmed("  " + PaddedTo(Latin1(p.name), 32) + PaddedTo(p.position, 4) +
                                       (p.moreThanOneTeam ? "*" : "")));
        }
        if (players.empty()) out.push_back("  (no players on file)");
        out.push_back("");
    }
    std::string text;
    for (const auto& line : out) text += line + kLineEnd;
    return text;
}

std::optional<std::string> ToLatin1(const std::string& utf8) {
    // Plain letters for U+0100..U+017F; '?' where there is none.
    static const char kExtendedA[] =
        "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLlLlLlNnNnNn???OoOoOo??"
        "RrRrRrSsSsSsSsTtTtTt"
        "UuUuUuUuUuUuWwYyYZzZzZzs";
    static_assert(sizeof kExtendedA - 1 == 0x80, "one letter for each of U+0100..U+017F");
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        unsigned cp = 0;
        size_t len = 0;
        if (c < 0x80) {
            cp = c;
            len = 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            len = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            len = 3;
        } else {
            return std::nullopt;
        }
        if (i + len > utf8.size()) return std::nullopt;
        for (size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += len;
        char plain = '?';
        if (cp < 0x100) {
            plain = static_cast<char>(cp);
        } else if (cp < 0x180) {
            plain = kExtendedA[cp - 0x100];
        } else if (cp >= 0x218 && cp <= 0x21B) {  // S and T with comma below
            plain = "SsTt"[cp - 0x218];
        }
        if (plain == '?' && cp != '?') return std::nullopt;
        out += plain;
    }
    return out;
}

bool GenerateFiles(const Sources& s, std::optional<Date> asOf, GeneratedFiles& files, std::string& error) {
    NBA nba;
    if (!BuildLeague(s, asOf, nba, error)) return false;
    // The coaches' records must add up to the team's season.
    auto totals = TotalsOfAll(Results(s.current));
    for (int t = 1; t <= kLeagueTeams; ++t) {
        int w = 0, l = 0;
        for (const Coach& c : s.staff[t].coaches) w += c.wins, l += c.losses;
        if (w != totals[t].wins || l != totals[t].losses) {
            error = s.teams[t].fullName + ": the coaches' records do not add up to the season";
            return false;
        }
    }
    files.statistics = StatisticsText(nba);
    files.names = NamesText(nba.CityNames, nba.TeamNames);
    files.schedule.clear();
    for (int i = 1; i <= nba.FirstHalfCount; ++i) files.schedule += nba.FirstHalfSchedule[i] + kLineEnd;
    for (int i = 1; i <= nba.SecondHalfCount; ++i) files.schedule += nba.SecondHalfSchedule[i] + kLineEnd;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        std::vector<std::string> texts = {s.staff[t].arena};
        for (const Coach& c : s.staff[t].coaches) texts.push_back(c.name);
        for (const auto& e : s.staff[t].executives) texts.push_back(e);
        for (const Player& p : s.rosters[t]) texts.push_back(p.name);
        for (const auto& text : texts) {
            if (!ToLatin1(text)) {
                error = "\"" + text + "\" holds a letter the 8-bit character set cannot show";
                return false;
            }
        }
    }
    files.rosters = RosterText(s);
    return true;
}

}  // namespace tavix::datagen
