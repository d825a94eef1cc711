#include "core/league.h"

#include "core/number_format.h"

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

namespace {

std::string NameKey(const std::string& text) {
    std::string key;
    for (char c : ToLower(text)) {
        const auto u = static_cast<unsigned char>(c);
        // Latin-1 letters from 0xC0 on count as letters too.
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (u >= 0xC0 && u != 0xD7 && u != 0xF7))
            key += c;
    }
    return key;
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) { return NameKey(a) == NameKey(b); }

}  // namespace tavix
