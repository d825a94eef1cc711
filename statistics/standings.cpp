#include "statistics/standings.h"

namespace tavix {

std::vector<std::string> BuildStandings(NBA&, SeasonView) { return {" "}; }
ListPrintSpec StandingsPrintSpec() { return {}; }

}  // namespace tavix
