#include "tools/datagen/season.h"

#include <algorithm>
#include <charconv>

#include "core/delimited.h"
#include "core/number_format.h"
#include "core/safe_file.h"
#include "tools/datagen/csv.h"

namespace tavix::datagen {

namespace {

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    if (text.empty()) return std::nullopt;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::vector<std::string> SplitList(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while (true) {
        size_t next = text.find(separator, pos);
        parts.push_back(Trim(text.substr(pos, next == std::string::npos ? std::string::npos : next - pos)));
        if (next == std::string::npos) break;
        pos = next + separator.size();
    }
    return parts;
}

// Reads one table and hands each row to `take` with a lookup by column name; stops at the first
// row `take` refuses and names the file and row in the error.
template <typename Take>
bool ForEachRow(const std::string& folder, const std::string& file, const std::vector<std::string>& columns,
                std::string& error, Take&& take) {
    auto table = LoadCsv(JoinPath(folder, file), columns, error);
    if (!table) return false;
    for (size_t r = 0; r < table->rows.size(); ++r) {
        const auto& row = table->rows[r];
        auto field = [&](const std::string& name) -> const std::string& { return row[*table->Column(name)]; };
        std::string why;
        if (!take(field, why)) {
            error = file + ", row " + std::to_string(r + 1) + ": " + why;
            return false;
        }
    }
    return true;
}

Division ParseDivision(const std::string& name) {
    for (Division d : {Division::Atlantic, Division::Central, Division::Midwest, Division::Pacific}) {
        if (name == DivisionName(d)) return d;
    }
    return Division::None;
}

bool LoadTeams(const std::string& folder, Sources& s, std::string& error) {
    std::vector<Team> teams;
    bool ok = ForEachRow(
        folder, "teams-1998-99.csv", {"team", "division", "city", "nickname"}, error,
        [&](auto field, std::string& why) {
            Team t;
            t.fullName = field("team");
            t.city = field("city");
            t.nickname = field("nickname");
            t.division = ParseDivision(field("division"));
            if (t.division == Division::None) {
                why = "unknown division \"" + field("division") + "\"";
                return false;
            }
            // The names file and every view give a city or a nickname 12 characters.
            if (t.city.empty() || t.city.size() > 12 || t.nickname.empty() || t.nickname.size() > 12) {
                why = "city and nickname must have 1 to 12 characters";
                return false;
            }
            teams.push_back(t);
            return true;
        });
    if (!ok) return false;
    if (teams.size() != static_cast<size_t>(kLeagueTeams)) {
        error = "teams-1998-99.csv: " + std::to_string(teams.size()) + " teams instead of 29";
        return false;
    }
    // Team numbers: division after division, alphabetical inside each.
    std::stable_sort(teams.begin(), teams.end(), [](const Team& a, const Team& b) {
        if (a.division != b.division) return a.division < b.division;
        return a.fullName < b.fullName;
    });
    for (int n = 1; n <= kLeagueTeams; ++n) {
        Team& t = teams[n - 1];
        t.number = n;
        if (DivisionOf(n) != t.division) {
            error =
                "teams-1998-99.csv: the divisions do not fill the team number ranges (" + t.fullName + ")";
            return false;
        }
        for (int m = 1; m < n; ++m) {
            if (s.teams[m].fullName == t.fullName || ToLower(s.teams[m].city) == ToLower(t.city)) {
                error = "teams-1998-99.csv: " + t.fullName + " repeats a team or a city";
                return false;
            }
        }
        s.teams[n] = t;
    }
    return true;
}

bool LoadGames(const std::string& folder, const std::string& file, bool hasOvertime, Sources& s,
               std::vector<Game>& games, std::string& error) {
    std::vector<std::string> columns = {"date", "visitor", "visitor_points", "home", "home_points"};
    if (hasOvertime) columns.push_back("overtime");
    return ForEachRow(folder, file, columns, error, [&](auto field, std::string& why) {
        Game g;
        auto date = ParseIsoDate(field("date"));
        auto vp = ParseCount(field("visitor_points")), hp = ParseCount(field("home_points"));
        g.visitor = s.TeamByFullName(field("visitor"));
        g.home = s.TeamByFullName(field("home"));
        if (!date || !vp || !hp || !g.visitor || !g.home || g.visitor == g.home || *vp == *hp) {
            why = "not a game between two known teams with a winner";
            return false;
        }
        g.date = *date;
        g.visitorPoints = *vp;
        g.homePoints = *hp;
        if (hasOvertime) {
            g.overtime = field("overtime");
            if (!g.overtime.empty() && g.overtime != "OT" &&
                !(g.overtime.size() == 3 && g.overtime[0] >= '2' && g.overtime[0] <= '9' &&
                  g.overtime.substr(1) == "OT")) {
                why = "overtime \"" + g.overtime + "\"";
                return false;
            }
        }
        if (!games.empty() && g.date < games.back().date) {
            why = "the games are not in date order";
            return false;
        }
        games.push_back(g);
        return true;
    });
}

bool ParseRecord(const std::string& text, Coach& coach) {
    // "Paul Silas (22-13)"
    size_t open = text.rfind(" ("), dash = text.rfind('-');
    if (open == std::string::npos || dash == std::string::npos || dash < open || text.back() != ')')
        return false;
    auto w = ParseCount(std::string_view(text).substr(open + 2, dash - open - 2));
    auto l = ParseCount(std::string_view(text).substr(dash + 1, text.size() - dash - 2));
    if (!w || !l) return false;
    coach.name = text.substr(0, open);
    coach.wins = *w;
    coach.losses = *l;
    return !coach.name.empty();
}

bool LoadStaff(const std::string& folder, Sources& s, std::string& error) {
    bool ok = ForEachRow(folder, "staff-1998-99.csv", {"team", "head_coaches_with_records", "executives"},
                         error, [&](auto field, std::string& why) {
                             int t = s.TeamByFullName(field("team"));
                             if (!t) {
                                 why = "unknown team";
                                 return false;
                             }
                             for (const auto& part : SplitList(field("head_coaches_with_records"), ";")) {
                                 Coach c;
                                 if (!ParseRecord(part, c)) {
                                     why = "a coach without a record: " + part;
                                     return false;
                                 }
                                 s.staff[t].coaches.push_back(c);
                             }
                             // The source says "not found" where the page named no executive.
                             if (field("executives") != "not found") {
                                 s.staff[t].executives = SplitList(field("executives"), ";");
                             }
                             return true;
                         });
    if (!ok) return false;
    return ForEachRow(folder, "arenas-1998-99.csv", {"team", "arena"}, error,
                      [&](auto field, std::string& why) {
                          int t = s.TeamByFullName(field("team"));
                          if (!t) {
                              why = "unknown team";
                              return false;
                          }
                          s.staff[t].arena = field("arena");
                          return true;
                      });
}

bool LoadRosters(const std::string& folder, Sources& s, std::string& error) {
    return ForEachRow(
        folder, "rosters-1998-99.csv", {"team", "player", "position", "played_for_more_than_one_team"}, error,
        [&](auto field, std::string& why) {
            int t = s.TeamByFullName(field("team"));
            const std::string& pos = field("position");
            if (!t || field("player").empty() ||
                !(pos == "PG" || pos == "SG" || pos == "SF" || pos == "PF" || pos == "C")) {
                why = "a player without a known team or position";
                return false;
            }
            s.rosters[t].push_back({field("player"), pos, field("played_for_more_than_one_team") == "yes"});
            return true;
        });
}

bool LoadReference(const std::string& folder, Sources& s, std::string& error) {
    bool ok = ForEachRow(
        folder, "team-seasons-1998-1999.csv",
        {"season", "team", "wins", "losses", "games", "pts", "opp_pts", "pts_per_game", "opp_pts_per_game"},
        error, [&](auto field, std::string& why) {
            int t = s.TeamByFullName(field("team"));
            auto w = ParseCount(field("wins")), l = ParseCount(field("losses")),
                 g = ParseCount(field("games"));
            auto p = ParseCount(field("pts")), o = ParseCount(field("opp_pts"));
            auto pg = ParsePlainNumber(field("pts_per_game")),
                 og = ParsePlainNumber(field("opp_pts_per_game"));
            ReferenceLine* line = field("season") == "1998-99"   ? &s.referenceCurrent[t]
                                  : field("season") == "1997-98" ? &s.referencePrevious[t]
                                                                 : nullptr;
            if (!t || !w || !l || !g || !p || !o || !pg || !og || !line) {
                why = "not a season line of a known team";
                return false;
            }
            *line = {*w, *l, *g, *p, *o, *pg, *og};
            return true;
        });
    for (auto [file, target] : {std::pair{"standings-1998-99.csv", &s.standingsCurrent},
                                std::pair{"standings-1997-98.csv", &s.standingsPrevious}}) {
        if (!ok) break;
        ok = ForEachRow(folder, file,
                        {"team", "wins", "losses", "points_for_per_game", "points_against_per_game"}, error,
                        [&, target = target](auto field, std::string& why) {
                            int t = s.TeamByFullName(field("team"));
                            auto w = ParseCount(field("wins")), l = ParseCount(field("losses"));
                            auto pg = ParsePlainNumber(field("points_for_per_game"));
                            auto og = ParsePlainNumber(field("points_against_per_game"));
                            if (!t || !w || !l || !pg || !og) {
                                why = "not a standings line of a known team";
                                return false;
                            }
                            (*target)[t] = {*w, *l, *w + *l, 0, 0, *pg, *og};
                            return true;
                        });
    }
    return ok;
}

}  // namespace

int Sources::TeamByFullName(const std::string& fullName) const {
    for (int n = 1; n <= kLeagueTeams; ++n) {
        if (teams[n].fullName == fullName) return n;
    }
    return 0;
}

bool LoadSources(const std::string& folder, Sources& s, std::string& error) {
    s = Sources{};
    return LoadTeams(folder, s, error) && LoadGames(folder, "games-1998-99.csv", true, s, s.current, error) &&
           LoadGames(folder, "games-1997-98.csv", false, s, s.previous, error) &&
           LoadStaff(folder, s, error) && LoadRosters(folder, s, error) && LoadReference(folder, s, error);
}

std::vector<GameResult> Results(const std::vector<Game>& games) {
    std::vector<GameResult> results;
    results.reserve(games.size());
    for (const Game& g : games) results.push_back({g.date, g.visitor, g.home, g.visitorPoints, g.homePoints});
    return results;
}

}  // namespace tavix::datagen
