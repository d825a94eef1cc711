#include "statistics/ratings_view.h"

#include <algorithm>
#include <cmath>

#include "core/number_format.h"

namespace tavix {
namespace {

const char kUnderscores70[] = "______________________________________________________________________";
constexpr int kHeadingLines = 5;

int TeamsOf(const NBA& nba) { return std::min<int>(nba.TeamCount, kTeamSlots - 1); }

// Offense or defense figures in two places: a blank for every missing hundreds or tens digit.
void AppendAverage(std::string& line, float value) {
    if (value < 100) line += ' ';
    if (value < 10) line += ' ';
    line += FormatPicture(value, "0.0");
}

}  // namespace

const char* RatingsOptionCaption(RatingsOrder order) {
    switch (order) {
        case RatingsOrder::Scoring:
            return "Scoring vs all Opponents";
        case RatingsOrder::Percentage:
            return "Percentage";
        case RatingsOrder::Offense:
            return "Ave. Offense";
        case RatingsOrder::Defense:
            return "Ave. Defense";
    }
    return "";
}

const char* RatingsOrderName(RatingsOrder order) {
    switch (order) {
        case RatingsOrder::Scoring:
            return "Scoring vs all Opponents";
        case RatingsOrder::Percentage:
            return "Won / Loss Percentage";
        case RatingsOrder::Offense:
            return "Average Offense";
        case RatingsOrder::Defense:
            return "Average Defense";
    }
    return "";
}

std::vector<std::string> RatingsHeader(RatingsOrder order) {
    return {std::string("           Tavix Statistics sorted by ") + RatingsOrderName(order), kUnderscores70,
            "                                         Average   Average",
            " - Teams -       Wins  Losses    Pct.    Offense   Defense      SCO", kUnderscores70};
}

std::vector<int> RatingsTeamOrder(const NBA& nba, const Ratings& ratings, RatingsOrder order, SeasonView view,
                                  RatingsRebuild cause) {
    const int teams = TeamsOf(nba);
    const bool previous = view == SeasonView::Previous;
    if (cause == RatingsRebuild::SeasonSwitch) order = RatingsOrder::Scoring;

    // Scaled figures are formed in double from the single-precision ratings.
    auto scaled = [&](int t) -> double {
        switch (order) {
            case RatingsOrder::Scoring:
                return static_cast<double>(ratings.PointDiff[t]) *
                       (cause == RatingsRebuild::SeasonSwitch ? 100 : 10);
            case RatingsOrder::Percentage:
                return static_cast<double>(ratings.WinPct[t]) * 1000;
            case RatingsOrder::Offense:
                return (previous ? nba.PrevOffenseAve[t] : nba.OffenseAve[t]) * 100;
            case RatingsOrder::Defense:
                return (previous ? nba.PrevDefenseAve[t] : nba.DefenseAve[t]) * 100;
        }
        return 0;
    };
    // A picked option sorts its keys times 100 and divides them back afterwards; the order is
    // the one the plain keys give, so the step is kept only to stay faithful to the old sort.
    const bool hundredfold = cause == RatingsRebuild::Option;

    SortKeys keys{};
    for (int t = 1; t <= teams; ++t) {
        keys[t] = TeamKey(scaled(t), t);
        if (hundredfold) keys[t] *= 100;
    }
    SortTeamKeys(keys, teams);
    if (hundredfold) {
        for (int p = 1; p <= teams; ++p) keys[p] = std::floor(keys[p] / 100 + 0.5);
    }

    std::vector<int> clubs;
    clubs.reserve(teams);
    if (order == RatingsOrder::Defense) {
        for (int p = 1; p <= teams; ++p) clubs.push_back(static_cast<int>(keys[p]));
    } else {
        for (int p = teams; p >= 1; --p) clubs.push_back(static_cast<int>(keys[p]));
    }
    return clubs;
}

std::string RatingsLine(const NBA& nba, const Ratings& ratings, int t, SeasonView view) {
    const bool previous = view == SeasonView::Previous;
    const int w = previous ? nba.PrevWins[t] : nba.Wins[t];
    const int l = previous ? nba.PrevLosses[t] : nba.Losses[t];

    std::string line = " " + nba.TeamNames[t];
    PadTo(line, 18);  // a longer name pushes the columns right but is never cut
    if (w < 10) line += ' ';
    line += PlainInteger(w) + "     ";
    if (l < 10) line += ' ';
    line += PlainInteger(l) + "     ";
    line += FormatPicture(ratings.WinPct[t], "0.000") + "     ";
    AppendAverage(line, ratings.SeasonOffense[t]);
    line += "     ";
    AppendAverage(line, ratings.SeasonDefense[t]);
    line += "      ";
    const float x = ratings.PointDiff[t];
    if (x > 0) line += '+';
    if (x == 0) line += ' ';
    line += FormatPicture(x, "0.0");
    return line;
}

std::vector<std::string> BuildRatingsView(const NBA& nba, RatingsOrder order, SeasonView view,
                                          RatingsRebuild cause) {
    if (cause == RatingsRebuild::SeasonSwitch) order = RatingsOrder::Scoring;
    const Ratings ratings = ComputeRatings(nba, view);
    std::vector<std::string> lines = RatingsHeader(order);
    for (int t : RatingsTeamOrder(nba, ratings, order, view, cause))
        lines.push_back(RatingsLine(nba, ratings, t, view));
    return lines;
}

PrintScheme RatingsPrintScheme() {
    PrintScheme scheme;
    scheme.documentName = "Statistics";
    scheme.confirmText = "Ready to send Statistics to the Printer.";
    scheme.confirmTitle = "Quandor";
    scheme.headerLines = {" ", " ", " ", " "};
    scheme.headerSize = 12;
    scheme.bodySize = 12;
    scheme.margin = "    ";
    scheme.pageBreak.kind = PageBreakRule::Kind::None;
    scheme.selectedLinesRule = false;
    // A blank line sets the first club apart from the headings.
    scheme.beforeItem = [](size_t i) {
        return i == static_cast<size_t>(kHeadingLines) ? std::vector<std::string>{" "}
                                                       : std::vector<std::string>{};
    };
    scheme.footerLines = {" ", "    " + std::string(69, '_')};
    return scheme;
}

}  // namespace tavix
