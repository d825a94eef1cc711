#include "reference/addresses.h"

namespace tavix {

const char kAddressesNotOnFileNote[] = "The clubs' street addresses and telephone numbers are not on file.";

const std::vector<ClubEntry>& ClubEntries() {
    // Arenas are those the clubs played their 1998-99 home games in. Club and arena names are
    // spelt exactly as the season tables behind the data files spell them, so a club reads the
    // same here as in the rosters.
    static const std::vector<ClubEntry> entries = {
        {"Atlanta Hawks", "Georgia Dome", "Atlanta, GA", 1},
        {"Boston Celtics", "FleetCenter", "Boston, MA", 1},
        {"Charlotte Hornets", "Charlotte Coliseum", "Charlotte, NC", 1},
        {"Chicago Bulls", "United Center", "Chicago, IL", 2},
        {"Cleveland Cavaliers", "Gund Arena", "Cleveland, OH", 1},
        {"Dallas Mavericks", "Reunion Arena", "Dallas, TX", 1},
        {"Denver Nuggets", "McNichols Sports Arena", "Denver, CO", 1},
        {"Detroit Pistons", "The Palace of Auburn Hills", "Auburn Hills, MI", 2},
        {"Golden State Warriors", "The Arena in Oakland", "Oakland, CA", 2},
        {"Houston Rockets", "Compaq Center", "Houston, TX", 1},
        {"Indiana Pacers", "Market Square Arena", "Indianapolis, IN", 1},
        {"Los Angeles Clippers", "Los Angeles Memorial Sports Arena", "Los Angeles, CA", 2},
        {"Los Angeles Lakers", "Great Western Forum", "Inglewood, CA", 1},
        {"Miami Heat", "Miami Arena", "Miami, FL", 1},
        {"Milwaukee Bucks", "Bradley Center", "Milwaukee, WI", 1},
        {"Minnesota Timberwolves", "Target Center", "Minneapolis, MN", 2},
        {"New Jersey Nets", "Continental Airlines Arena", "East Rutherford, NJ", 1},
        {"New York Knicks", "Madison Square Garden", "New York, NY", 1},
        {"Orlando Magic", "Orlando Arena", "Orlando, FL", 1},
        {"Philadelphia 76ers", "First Union Center", "Philadelphia, PA", 2},
        {"Phoenix Suns", "America West Arena", "Phoenix, AZ", 1},
        {"Portland Trail Blazers", "Rose Garden Arena", "Portland, OR", 2},
        {"Sacramento Kings", "ARCO Arena", "Sacramento, CA", 1},
        {"San Antonio Spurs", "Alamodome", "San Antonio, TX", 2},
        {"Seattle SuperSonics", "KeyArena at Seattle Center", "Seattle, WA", 1},
        {"Toronto Raptors", "Air Canada Centre", "Toronto, ON", 2},
        {"Utah Jazz", "Delta Center", "Salt Lake City, UT", 1},
        {"Vancouver Grizzlies", "General Motors Place", "Vancouver, BC", 2},
        {"Washington Wizards", "MCI Center", "Washington, DC", 2},
    };
    return entries;
}

std::vector<std::string> ClubEntryLines(const ClubEntry& entry) {
    std::string first = std::string(" ") + entry.club + ", " + entry.arena + ", " + entry.city + ";";
    // The note is joined by no-break spaces: on paper too narrow for the whole line the printer
    // then moves the note to the next line as one piece instead of splitting it.
    const std::string nbsp = "\xA0";
    if (entry.lines == 1)
        return {first + " address," + nbsp + "phone" + nbsp + "not" + nbsp + "on" + nbsp + "file"};
    // The second line starts where a wrapped note would, so all the notes line up on paper.
    return {first, "   street address and telephone number not on file"};
}

std::vector<std::string> AddressList() {
    std::vector<std::string> list{""};
    const auto& clubs = ClubEntries();
    for (size_t i = 0; i < clubs.size(); ++i) {
        for (auto& line : ClubEntryLines(clubs[i])) list.push_back(std::move(line));
        if (i + 1 < clubs.size()) list.push_back(" ");
    }
    list.push_back("");
    return list;
}

PrintScheme AddressPrintScheme() {
    PrintScheme scheme;
    scheme.documentName = "Team Addresses";
    scheme.confirmText = "Ready to send Addresses to the Printer.";
    scheme.headerLines = {" ", " ", "      NBA Team Addresses", " "};
    scheme.headerSize = 18;
    scheme.bodySize = 10;
    scheme.margin = "        ";
    scheme.pageBreak = {PageBreakRule::Kind::Document, 54, 5};
    scheme.newPageBlankLines = 5;
    scheme.selectedLinesRule = false;  // nothing can be selected: the whole list always goes out
    return scheme;
}

}  // namespace tavix
