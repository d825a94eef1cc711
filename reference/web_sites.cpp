#include "reference/web_sites.h"

namespace tavix {

const char kCopiedNotice[] = "URL is on the Clipboard - Paste into your Browsers address area";
const char kCopyInstruction[] = "Click on address to copy URL to the Clipboard";
const char kProgrammersHeading[] = "Custom Programming && Commercial Licensing";

const std::vector<WebSite>& RecommendedSites() {
    static const std::vector<WebSite> sites = {
        {16, 1, "The Official NBA site", "https://www.nba.com/"},
        {17, 2, "Sports Illustrated", "https://www.si.com/nba"},
        {18, 3, "ESPN Professional Basketball", "https://www.espn.com/nba/"},
        {19, 4, "CBS SportsLine NBA", "https://www.cbssports.com/nba/"},
        {20, 5, "USA Today Sports NBA", "https://www.usatoday.com/sports/nba/"},
    };
    return sites;
}

bool IsAddressLabel(int index) { return index >= 1 && index <= 5; }

const std::vector<std::string>& ProgrammersPanels() {
    static const std::vector<std::string> panels = {
        "Tavix is made by the Tavix project's developers.",
        "It follows the NBA's 1998-99 season: schedules, statistics and predictions.",
        "Tavix is free software under the MIT licence; see the LICENSE file.",
        "The licence lets anyone use, copy, change and pass on Tavix, also commercially,",
        "as long as the copyright notice and the licence text go with every copy.",
        "Commercial licensing: none is needed; the MIT licence already allows commercial use.",
        "Custom programming: the source code is open, so anyone may adapt Tavix",
        "to another league, another season or lists of their own.",
        "To report a problem or to suggest a change, please use the project's issue tracker.",
        "Please say what you did, what you expected and what happened instead.",
        "No postal address or telephone number is given; please use the tracker.",
    };
    return panels;
}

}  // namespace tavix
