#pragma once
// The sortable team ratings list: heading lines and one line per club, ordered by one of four
// figures, for the current or the previous season.

#include <string>
#include <vector>

#include "core/league.h"
#include "core/print_list.h"
#include "predictions/ratings.h"
#include "statistics/sort_keys.h"

namespace tavix {

enum class RatingsOrder { Scoring = 0, Percentage = 1, Offense = 2, Defense = 3 };

// What caused the list to be rebuilt; it decides how finely the scoring margin is compared.
enum class RatingsRebuild {
    Load,          // the window opens: margin to 0.1 point
    Option,        // the user picked an order: margin to 0.1 point
    SeasonSwitch,  // the season button: margin to 0.01 point, order back to Scoring
};

// The option captions shown in the "Teams Sorted by..." frame, and the names the heading uses.
const char* RatingsOptionCaption(RatingsOrder order);
const char* RatingsOrderName(RatingsOrder order);

// Computes the ratings for `view` and returns the five heading lines and one line per club.
// A season switch always lists by scoring margin, whatever `order` says.
std::vector<std::string> BuildRatingsView(const NBA& nba, RatingsOrder order, SeasonView view,
                                          RatingsRebuild cause);

// The clubs from the first line listed to the last (the sort of the list above); `ratings` are
// those ComputeRatings gives for `view`.
std::vector<int> RatingsTeamOrder(const NBA& nba, const Ratings& ratings, RatingsOrder order, SeasonView view,
                                  RatingsRebuild cause);

std::vector<std::string> RatingsHeader(RatingsOrder order);
// One club's line; W and L come from the season shown, the other figures from the ratings.
std::string RatingsLine(const NBA& nba, const Ratings& ratings, int team, SeasonView view);

// The values of the ratings print (no selected-lines rule, no page breaks).
PrintScheme RatingsPrintScheme();

}  // namespace tavix
