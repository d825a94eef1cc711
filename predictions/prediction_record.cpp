#include "predictions/prediction_record.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/calendar.h"
#include "core/number_format.h"
#include "predictions/ratings.h"
#include "predictions/win_chance.h"

namespace tavix {
namespace {

// A record so far as a fraction; a team that has not played yet stands at .500, neither better
// nor worse than anyone with an even record.
double RecordFraction(const TeamTotals& t) {
    return t.games == 0 ? 0.5 : static_cast<double>(t.wins) / t.games;
}

// The figures exactly as the line shows them, so the record judges what a reader saw. A margin is
// single precision, which ten times over is exact in double, so rounding it there rounds as the
// line does. A total is a sum of decimals meant to land on halves; where it lies that close to a
// half the line's own formatter decides, with its reading of what the sum stands for.
double ShownMargin(float margin) { return std::round(static_cast<double>(margin) * 10) / 10; }
int ShownTotal(double total) {
    const double lower = std::floor(total);
    const double shown = std::fabs(total - lower - 0.5) < 1e-9 ? LeadingNumber(FormatPicture(total, "##0"))
                         : total - lower < 0.5                 ? lower
                                                               : lower + 1;
    // Absurd averages make absurd totals; the record still shows a number an int holds.
    return static_cast<int>(std::clamp<long>(WholeNumber(shown), INT_MIN, INT_MAX));
}

RecordedGame Judge(const NBA& morning, const Ratings& ratings, const LeagueTotals& totals,
                   const ScheduledGame& g) {
    RecordedGame r;
    r.game = g;
    r.month = g.month;
    r.prediction = PredictGame(morning, ratings, g.road, g.home, false, TotalPrecision::Double);
    r.line = FormatPredictionLine(morning, g.road, g.home, false, r.prediction);

    const double margin = r.prediction.favoured == Favoured::None ? 0 : ShownMargin(r.prediction.margin);
    r.predictedHomeMargin = r.prediction.favoured == Favoured::Road ? -margin : margin;
    r.shownTotal = ShownTotal(r.prediction.total);

    // A game the road team did not win counts for the home team, as the standings count it.
    r.homeWon = !(g.roadPoints > g.homePoints);
    if (r.prediction.favoured == Favoured::None)
        r.pick = PickOutcome::Pick;
    else
        r.pick =
            (r.prediction.favoured == Favoured::Home) == r.homeWon ? PickOutcome::Won : PickOutcome::Lost;

    const int points = g.roadPoints + g.homePoints;
    r.total = points > r.shownTotal   ? TotalOutcome::Over
              : points < r.shownTotal ? TotalOutcome::Under
                                      : TotalOutcome::Push;

    const bool roadBetter = RecordFraction(totals[static_cast<size_t>(g.road)]) >
                            RecordFraction(totals[static_cast<size_t>(g.home)]);
    r.betterRecordWon = roadBetter != r.homeWon;
    r.chance = FavouriteChance(r.prediction);
    return r;
}

std::string Right(const std::string& text, size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string Count(int n) { return PlainInteger(n); }
std::string Pct(int part, int whole) { return FormatPicture(Percent(part, whole), "##0.0") + "%"; }

std::string SummaryRow(const std::string& label, const RecordSummary& s) {
    const int decided = s.games - s.picks;
    std::string row = PaddedTo(label, 12);
    row += Right(Count(s.games), 5);
    row += Right(Count(s.picks), 6);
    row += Right(Count(s.favouriteWins) + "-" + Count(decided - s.favouriteWins), 10);
    row += Right(Pct(s.favouriteWins, decided), 7);
    row += Right(FormatPicture(s.marginError, "#0.0"), 8);
    row += Right(FormatPicture(s.totalError, "#0.0"), 8);
    row += Right(Count(s.overs), 6);
    row += Right(Count(s.unders), 6);
    row += Right(Count(s.pushes), 5);
    row += Right(Pct(s.homeWins, s.games), 8);
    row += Right(Pct(s.betterRecordWins, s.games), 8);
    return row;
}

const char* const kMonthLabels[] = {"November", "December", "January", "February", "March", "April / May"};

}  // namespace

std::vector<RecordedGame> BuildPredictionRecord(const NBA& nba) {
    std::vector<ScheduledGame> played;
    for (const ScheduledGame& g : ScheduledGames(nba))
        if (g.played) played.push_back(g);
    // Days in calendar order even where a typed schedule lists them out of order; within a day
    // the schedule's order stays.
    std::stable_sort(played.begin(), played.end(),
                     [](const ScheduledGame& a, const ScheduledGame& b) { return a.date < b.date; });

    // The morning of each day is the previous morning plus the previous day's games: one pass over
    // the season instead of a fresh sum for every day.
    NBA morning = nba;
    LeagueTotals totals{};
    std::vector<RecordedGame> record;
    record.reserve(played.size());
    for (size_t first = 0; first < played.size();) {
        const Date day = played[first].date;
        size_t end = first;
        while (end < played.size() && played[end].date == day) ++end;
        SetCurrentSeason(morning, totals);
        // The rule reads the morning's records and averages as well as its ratings, so the morning
        // is a league of its own, not only its ratings.
        const Ratings ratings = ComputeRatings(morning, SeasonView::Current);
        for (size_t i = first; i < end; ++i) record.push_back(Judge(morning, ratings, totals, played[i]));
        for (size_t i = first; i < end; ++i) {
            const ScheduledGame& g = played[i];
            AddGameResult(totals, {g.date, g.road, g.home, g.roadPoints, g.homePoints});
        }
        first = end;
    }
    return record;
}

RecordSummary SummariseRecord(const std::vector<RecordedGame>& games, int month) {
    RecordSummary s;
    double marginError = 0, totalError = 0;
    for (const RecordedGame& r : games) {
        if (month >= 0 && r.month != month) continue;
        ++s.games;
        if (r.pick == PickOutcome::Pick) ++s.picks;
        if (r.pick == PickOutcome::Won) ++s.favouriteWins;
        const int realMargin = r.game.homePoints - r.game.roadPoints;
        marginError += std::fabs(r.predictedHomeMargin - realMargin);
        // In double: a total from absurd averages lies far outside what an int difference holds.
        totalError += std::fabs(static_cast<double>(r.game.roadPoints + r.game.homePoints) - r.shownTotal);
        ++(r.total == TotalOutcome::Over ? s.overs : r.total == TotalOutcome::Under ? s.unders : s.pushes);
        if (r.homeWon) ++s.homeWins;
        if (r.betterRecordWon) ++s.betterRecordWins;
    }
    if (s.games > 0) {
        s.marginError = marginError / s.games;
        s.totalError = totalError / s.games;
    }
    return s;
}

RecordSummary SummariseRecord(const std::vector<RecordedGame>& games) { return SummariseRecord(games, -1); }

std::array<MarginBucket, kMarginBuckets> MarginBuckets(const std::vector<RecordedGame>& games) {
    std::array<MarginBucket, kMarginBuckets> buckets = {
        {{"0-2", 0}, {"2-4", 2}, {"4-7", 4}, {"7-10", 7}, {"10+", 10}}};
    for (const RecordedGame& r : games) {
        if (r.pick == PickOutcome::Pick) continue;
        const double margin = std::fabs(r.predictedHomeMargin);
        size_t b = kMarginBuckets - 1;
        while (b > 0 && margin < buckets[b].from) --b;
        ++buckets[b].games;
        if (r.pick == PickOutcome::Won) ++buckets[b].favouriteWins;
    }
    return buckets;
}

const char* PickOutcomeWord(PickOutcome outcome) {
    return outcome == PickOutcome::Won ? "won" : outcome == PickOutcome::Lost ? "lost" : "pick";
}

const char* TotalOutcomeWord(TotalOutcome outcome) {
    return outcome == TotalOutcome::Over ? "over" : outcome == TotalOutcome::Under ? "under" : "push";
}

double Percent(int part, int whole) { return whole == 0 ? 0 : 100.0 * part / whole; }

Calibration CalibrateChances(const std::vector<RecordedGame>& games) {
    Calibration c{{{{"50-60%", 0.5}, {"60-70%", 0.6}, {"70-80%", 0.7}, {"80-90%", 0.8}, {"90-100%", 0.9}}}};
    double squares = 0;
    for (const RecordedGame& r : games) {
        ++c.games;
        // Judged from the home side, so a Pick's one half counts as a coin's would.
        const double miss = HomeChance(r.prediction) - (r.homeWon ? 1 : 0);
        squares += miss * miss;
        if (r.pick == PickOutcome::Pick) continue;
        size_t b = kChanceBands - 1;
        while (b > 0 && r.chance < c.bands[b].from) --b;
        ChanceBand& band = c.bands[b];
        ++band.games;
        band.chanceSum += r.chance;
        if (r.pick == PickOutcome::Won) ++band.favouriteWins;
    }
    if (c.games > 0) c.brier = squares / c.games;
    return c;
}

std::vector<std::string> CalibrationLines(const std::vector<RecordedGame>& games) {
    const Calibration c = CalibrateChances(games);
    std::vector<std::string> lines = {"How often the favourite won, by the chance it was given",
                                      "Chance     Games     Won   Given"};
    for (const ChanceBand& b : c.bands) {
        const std::string given =
            b.games > 0 ? FormatPicture(100 * b.chanceSum / b.games, "##0.0") + "%" : std::string("-");
        lines.push_back(PaddedTo(b.label, 8) + Right(Count(b.games), 7) +
                        Right(Pct(b.favouriteWins, b.games), 8) + Right(given, 8));
    }
    lines.push_back("Brier score " + FormatPicture(c.brier, "0.000") + " over " + Count(c.games) + " games");
    lines.push_back("(a coin scores " + FormatPicture(kCoinBrier, "0.000") + "; lower is better)");
    return lines;
}

std::vector<std::string> RecordChanceColumn(const std::vector<RecordedGame>& games) {
    std::vector<std::string> column;
    column.reserve(games.size() + games.size() / 3);
    for (size_t i = 0; i < games.size(); ++i) {
        if (i == 0 || games[i].game.date != games[i - 1].game.date) {
            if (i > 0) column.emplace_back(" ");
            column.emplace_back(" ");
        }
        column.push_back(ChanceText(games[i].chance));
    }
    return column;
}

std::string RecordGameHeading() {
    std::string heading = "Road team";
    const std::pair<size_t, const char*> columns[] = {{28, "Home team"}, {53, "Favourite"}, {69, "Margin"},
                                                      {78, "O/U"},       {83, "Score"},     {92, "Pick"},
                                                      {97, "Total"}};
    for (const auto& [column, title] : columns) {
        PadTo(heading, column);
        heading += title;
    }
    return heading;
}

std::vector<std::string> RecordGameLines(const std::vector<RecordedGame>& games) {
    std::vector<std::string> lines;
    lines.reserve(games.size() + games.size() / 3);
    for (size_t i = 0; i < games.size(); ++i) {
        const RecordedGame& r = games[i];
        if (i == 0 || r.game.date != games[i - 1].game.date) {
            if (i > 0) lines.push_back(" ");
            lines.push_back(LongDate(r.game.date));
        }
        std::string line = r.line;
        PadTo(line, 83);
        line += Count(r.game.roadPoints) + "-" + Count(r.game.homePoints);
        PadTo(line, 92);
        line += PickOutcomeWord(r.pick);
        PadTo(line, 97);
        line += TotalOutcomeWord(r.total);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string RecordListLine(const RecordedGame& r) {
    return FormatDate(r.game.date) + " " + r.line + " " + Count(r.game.roadPoints) + "-" +
           Count(r.game.homePoints) + " " + PickOutcomeWord(r.pick);
}

std::vector<std::string> RecordSummaryLines(const std::vector<RecordedGame>& games) {
    const RecordSummary all = SummariseRecord(games);
    if (all.games == 0)
        return {
            "Prediction record: no game of the schedule has a final score yet.",
            "A score typed after the home city (Dallas       at Seattle      86-92) counts from then on."};
    const int decided = all.games - all.picks;
    std::vector<std::string> lines = {
        "Prediction record: " + Count(all.games) + " games with a final score, each predicted on the morning",
        "of its day from the results of the days before.",
        " ",
        std::string(25, ' ') + "Favourite won" + Right("Margin", 10) + Right("Total", 8) +
            std::string(17, ' ') + Right("Home", 8) + Right("Better", 8),
        std::string(12, ' ') + "Games" + Right("Picks", 6) + Right("W-L", 10) + Right("Pct", 7) +
            Right("off", 8) + Right("off", 8) + Right("Over", 6) + Right("Under", 6) + Right("Push", 5) +
            Right("won", 8) + Right("record", 8),
        SummaryRow("All games", all),
    };
    for (int month = 0; month < kMonthViews; ++month) {
        const RecordSummary s = SummariseRecord(games, month);
        if (s.games > 0) lines.push_back(SummaryRow(kMonthLabels[month], s));
    }
    lines.push_back(" ");
    lines.push_back("Picking the favourite:       " + Pct(all.favouriteWins, decided) + " of " +
                    Count(decided) + " games (Picks left out)");
    lines.push_back("Picking the home team:       " + Pct(all.homeWins, all.games) + " of " +
                    Count(all.games) + " games");
    lines.push_back("Picking the better record:   " + Pct(all.betterRecordWins, all.games) + " of " +
                    Count(all.games) + " games (equal records: the home team)");
    return lines;
}

std::vector<std::string> MarginChartLines(const std::vector<RecordedGame>& games) {
    constexpr int kBarWidth = 50;  // characters for 100%
    const RecordSummary all = SummariseRecord(games);
    const int homeAt = static_cast<int>(std::lround(Percent(all.homeWins, all.games) * kBarWidth / 100));
    std::vector<std::string> lines = {
        "How often the favourite won, by predicted margin (| = home team always wins, " +
            Pct(all.homeWins, all.games) + ")",
        "Margin   Games     Won",
    };
    for (const MarginBucket& b : MarginBuckets(games)) {
        const double rate = Percent(b.favouriteWins, b.games);
        const int bar = static_cast<int>(std::lround(rate * kBarWidth / 100));
        std::string line =
            PaddedTo(b.label, 7) + Right(Count(b.games), 6) + Right(Pct(b.favouriteWins, b.games), 9);
        line += "  ";
        for (int i = 0; i <= kBarWidth; ++i) line += i == homeAt ? '|' : i < bar ? '#' : ' ';
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> RecordPrintLines(const std::vector<RecordedGame>& games) {
    std::vector<std::string> lines = RecordSummaryLines(games);
    if (games.empty()) return lines;  // the note alone: no bars to draw, no games to list
    lines.push_back(" ");
    for (std::string& line : MarginChartLines(games)) lines.push_back(std::move(line));
    lines.push_back(" ");
    for (std::string& line : CalibrationLines(games)) lines.push_back(std::move(line));
    lines.push_back(" ");
    lines.push_back(RecordGameHeading());
    for (std::string& line : RecordGameLines(games)) lines.push_back(std::move(line));
    return lines;
}

PrintScheme PredictionRecordPrintScheme(const std::vector<std::string>& printLines) {
    PrintScheme scheme;
    scheme.documentName = "Prediction Record";
    scheme.confirmText = "Ready to send the Prediction Record to the Printer.";
    scheme.confirmTitle = "Tavix";
    scheme.headerLines = {" ", " ", "      Tavix Prediction Record", " "};
    scheme.headerSize = 18;
    scheme.bodySize = 8;
    scheme.margin = "     ";
    scheme.pageBreak.kind = PageBreakRule::Kind::Counter;
    scheme.pageBreak.limit = 65;
    scheme.newPageBlankLines = 5;
    scheme.pageTitle = "Tavix Prediction Record";
    // A page that opens inside the game list repeats the columns' headings.
    const auto heading = std::find(printLines.begin(), printLines.end(), RecordGameHeading());
    const size_t gamesFrom = static_cast<size_t>(heading - printLines.begin()) + 1;
    scheme.pageHeadings = [gamesFrom](size_t firstItem) {
        return firstItem >= gamesFrom ? std::vector<std::string>{RecordGameHeading()}
                                      : std::vector<std::string>{};
    };
    return scheme;
}

}  // namespace tavix
