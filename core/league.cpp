#include "core/league.h"

namespace tavix {

Division DivisionOf(int team) {
    if (team > 0 && team < 8) return Division::Atlantic;
    if (team > 7 && team < 16) return Division::Central;
    if (team > 15 && team < 23) return Division::Midwest;
    if (team > 22 && team < 30) return Division::Pacific;
    return Division::None;
}

Conference ConferenceOf(int team) {
    switch (DivisionOf(team)) {
        case Division::Atlantic:
        case Division::Central:
            return Conference::Eastern;
        case Division::Midwest:
        case Division::Pacific:
            return Conference::Western;
        case Division::None:
            break;
    }
    return Conference::None;
}

const char* DivisionName(Division d) {
    switch (d) {
        case Division::Atlantic:
            return "Atlantic";
        case Division::Central:
            return "Central";
        case Division::Midwest:
            return "Midwest";
        case Division::Pacific:
            return "Pacific";
        case Division::None:
            break;
    }
    return "";
}

std::string FullName(const NBA& nba, int team) {
    if (team < 0 || team >= kNameSlots) return " ";
    return nba.CityNames[team] + " " + nba.TeamNames[team];
}

}  // namespace tavix
