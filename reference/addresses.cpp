#include "reference/addresses.h"

namespace tavix {

const char kAddressesNotOnFileNote[] = "The clubs' street addresses and telephone numbers are not on file.";

const std::vector<ClubEntry>& ClubEntries() {
    // Arenas are those the clubs played their 1998-99 home games in. The club names are written
    // as this list has always written them.
    static const std::vector<ClubEntry> entries = {
        {"Atlanta Hawks", "Georgia Dome", "Atlanta, Georgia", 1},
        {"Boston Celtics", "FleetCenter", "Boston, Massachusetts", 1},
        {"Charlotte Hornets", "Charlotte Coliseum", "Charlotte, North Carolina", 1},
        {"Chicago Bulls", "United Center", "Chicago, Illinois", 2},
        {"Cleveland Cavaliers", "Gund Arena", "Cleveland, Ohio", 1},
        {"Dallas Mavericks", "Reunion Arena", "Dallas, Texas", 1},
        {"Denver Nuggets", "McNichols Sports Arena", "Denver, Colorado", 1},
        {"Detroit Pistons", "The Palace of Auburn Hills", "Auburn Hills, Michigan", 2},
        {"Golden State Warriors", "The Arena in Oakland", "Oakland, California", 2},
        {"Houston Rockets", "Compaq Center", "Houston, Texas", 1},
        {"Indiana Pacers", "Market Square Arena", "Indianapolis, Indiana", 1},
        {"Los Angeles Clippers", "Los Angeles Memorial Sports Arena", "Los Angeles, California", 2},
        {"Los Angeles Lakers", "Great Western Forum", "Inglewood, California", 1},
        {"Miami Heat", "Miami Arena", "Miami, Florida", 1},
        {"Milwaukee Bucks", "Bradley Center", "Milwaukee, Wisconsin", 1},
        {"Minnesota Timberwolves", "Target Center", "Minneapolis, Minnesota", 2},
        {"New Jersey Nets", "Continental Airlines Arena", "East Rutherford, New Jersey", 1},
        {"New York Knickerbockers", "Madison Square Garden", "New York, New York", 1},
        {"Orlando Magic", "Orlando Arena", "Orlando, Florida", 1},
        {"Philadelphia 76ers", "First Union Center", "Philadelphia, Pennsylvania", 2},
        {"Phoenix Suns", "America West Arena", "Phoenix, Arizona", 1},
        {"Portland Trial Blazers", "Rose Garden Arena", "Portland, Oregon", 2},
        {"Sacramento Kings", "ARCO Arena", "Sacramento, California", 1},
        {"San Antonio Spurs", "Alamodome", "San Antonio, Texas", 2},
        {"Seattle Supersonics", "KeyArena at Seattle Center", "Seattle, Washington", 1},
        {"Toronto Raptors", "Air Canada Centre", "Toronto, Ontario", 2},
        {"Utah Jazz", "Delta Center", "Salt Lake City, Utah", 1},
        {"Vancouver Grizzlies", "General Motors Place", "Vancouver, British Columbia", 2},
        {"Washington Wizards", "MCI Center", "Washington, D.C.", 2},
    };
    return entries;
}

std::vector<std::string> ClubEntryLines(const ClubEntry& entry) {
    std::string first = std::string(" ") + entry.club + ", " + entry.arena + ", " + entry.city + ";";
    if (entry.lines == 1) return {first + " address, phone not on file"};
    return {first, "  street address and telephone number not on file"};
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

ListPrintSpec AddressPrintSpec() {
    ListPrintSpec spec;
    spec.documentName = "Team Addresses";
    spec.confirmText = "Ready to send Addresses to the Printer.";
    spec.headerLines = {" ", " ", "      NBA Team Addresses", " "};
    spec.headerSize = 18;
    spec.bodySize = 10;
    spec.margin = "        ";
    spec.pageBreak = {PageBreakRule::Kind::Document, 54, 5};
    spec.newPageBlankLines = 5;
    spec.selectedLinesRule = false;  // nothing can be selected: the whole list always goes out
    return spec;
}

}  // namespace tavix
