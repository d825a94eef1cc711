#include "tools/lists/lists_command.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>

#include "core/data_files.h"
#include "core/print_list.h"
#include "core/text_printer.h"
#include "forecast/playoff_forecast.h"
#include "predictions/block_predictions.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/single_game.h"
#include "statistics/ratings_view.h"
#include "statistics/season_replay.h"
#include "statistics/standings.h"
#include "ui/main/schedule_views.h"

namespace tavix {

const char kListsUsage[] =
    "usage: tavix-lists [--data DIR] [--as-of YYYY-MM-DD] COMMAND [--print]\n"
    "commands:\n"
    "  schedule first | schedule second | schedule month N (1-6) | schedule team N all|home|road\n"
    "  standings\n"
    "  ratings [scoring|percentage|offense|defense [--previous] | switched]\n"
    "  predict ROAD HOME [--neutral]\n"
    "  block [--lines A-B] [--today MM-DD-YYYY]\n"
    "  forecast\n";

namespace {

struct UsageError {
    std::string what;
};

std::optional<int> ParseInt(const std::string& text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int TeamArgument(const std::string& text) {
    auto n = ParseInt(text);
    if (!n || *n < 1 || *n > kLeagueTeams) throw UsageError{"a team number is 1 to 29: " + text};
    return *n;
}

Date SystemToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Date ParseToday(const std::string& text) {
    int m = 0, d = 0, y = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%2d-%2d-%4d%c", &m, &d, &y, &tail) != 3 || m < 1 ||
        m > 12 || d < 1 || d > 31)
        throw UsageError{"--today takes MM-DD-YYYY: " + text};
    return Date{y, m, d};
}

// What one command shows, and how its window prints it.
struct Listing {
    std::vector<std::string> lines;
    std::vector<bool> selected;
    std::optional<PrintScheme> print;  // nothing when the window has no print command
};

class Arguments {
  public:
    explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}
    bool Empty() const { return pos_ >= args_.size(); }
    std::string Take(const char* what) {
        if (Empty()) throw UsageError{std::string("missing ") + what};
        return args_[pos_++];
    }
    bool TakeIf(const std::string& word) {
        if (!Empty() && args_[pos_] == word) {
            ++pos_;
            return true;
        }
        return false;
    }
    void ExpectEnd() {
        if (!Empty()) throw UsageError{"unexpected argument: " + args_[pos_]};
    }

  private:
    std::vector<std::string> args_;
    size_t pos_ = 0;
};

Listing Schedule(NBA& nba, Arguments& a) {
    Listing l;
    l.print = SchedulePrintScheme();
    std::string view = a.Take("schedule view");
    if (view == "first") {
        l.lines = FirstHalfLines(nba);
    } else if (view == "second") {
        l.lines = SecondHalfLines(nba);
    } else if (view == "month") {
        auto n = ParseInt(a.Take("month number"));
        if (!n || *n < 1 || *n > 6) throw UsageError{"a month is 1 (November) to 6 (April / May)"};
        l.lines = MonthLines(nba, *n - 1);
    } else if (view == "team") {
        int team = TeamArgument(a.Take("team number"));
        std::string mode = a.Take("all, home or road");
        TeamScheduleMode m = mode == "all"    ? TeamScheduleMode::AllGames
                             : mode == "home" ? TeamScheduleMode::Home
                             : mode == "road" ? TeamScheduleMode::Road
                                              : throw UsageError{"all, home or road: " + mode};
        l.lines = TeamScheduleLines(nba, team, m);
    } else {
        throw UsageError{"unknown schedule view: " + view};
    }
    return l;
}

Listing Ratings(NBA& nba, Arguments& a) {
    Listing l;
    l.print = RatingsPrintScheme();
    if (a.Empty()) {
        l.lines = BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Current, RatingsRebuild::Load);
        return l;
    }
    std::string what = a.Take("order");
    if (what == "switched") {
        l.lines =
            BuildRatingsView(nba, RatingsOrder::Scoring, SeasonView::Previous, RatingsRebuild::SeasonSwitch);
        return l;
    }
    RatingsOrder order = what == "scoring"      ? RatingsOrder::Scoring
                         : what == "percentage" ? RatingsOrder::Percentage
                         : what == "offense"    ? RatingsOrder::Offense
                         : what == "defense"    ? RatingsOrder::Defense
                                                : throw UsageError{"unknown ratings order: " + what};
    SeasonView view = a.TakeIf("--previous") ? SeasonView::Previous : SeasonView::Current;
    l.lines = BuildRatingsView(nba, order, view, RatingsRebuild::Option);
    return l;
}

Listing Predict(NBA& nba, Arguments& a, const Date& today) {
    int road = TeamArgument(a.Take("road team"));
    int home = TeamArgument(a.Take("home team"));
    bool neutral = a.TakeIf("--neutral");
    ComputeRatings(nba, SeasonView::Current);
    Listing l;
    std::string line = FormatPredictionLine(nba, road, home, neutral, TotalPrecision::Single);
    l.lines = {line};
    // The window prints its whole list: the heading, the rule and the prediction under its blank line.
    PrintScheme scheme = SinglePredictionsPrintScheme(today);
    l.print = scheme;
    l.selected = {};
    return l;
}

Listing Block(NBA& nba, Arguments& a, Date& today) {
    std::optional<std::pair<int, int>> range;
    while (!a.Empty()) {
        if (a.TakeIf("--lines")) {
            std::string r = a.Take("A-B");
            size_t dash = r.find('-');
            auto first = ParseInt(r.substr(0, dash));
            auto last = dash == std::string::npos ? std::nullopt : ParseInt(r.substr(dash + 1));
            if (!first || !last || *first < 1 || *last < *first) throw UsageError{"--lines takes A-B: " + r};
            range = {{*first, *last}};
        } else if (a.TakeIf("--today")) {
            today = ParseToday(a.Take("MM-DD-YYYY"));
        } else {
            break;
        }
    }
    std::vector<std::string> items = SecondHalfLines(nba);
    std::vector<bool> selected(items.size(), !range);
    if (range) {
        for (int i = range->first; i <= range->second && i <= static_cast<int>(items.size()); ++i)
            selected[i - 1] = true;
    }
    Listing l;
    l.lines = BuildBlockPredictionList(nba, SeasonView::Current, CollectBlockLines(items, selected), today);
    l.print = BlockPredictionsPrintScheme();
    return l;
}

Listing Forecast(NBA& nba) {
    Listing l;
    auto lines = ForecastLines(nba, ForecastPlayoffs(nba, SeasonView::Current));
    l.lines.assign(lines.begin(), lines.end());
    return l;
}

}  // namespace

int RunListsCommand(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args;
    std::string dataDir;
    std::optional<Date> asOf;
    bool print = false;
    for (size_t i = 0; i < rawArgs.size(); ++i) {
        if (rawArgs[i] == "--data") {
            if (i + 1 >= rawArgs.size()) {
                err << "tavix-lists: --data needs a folder\n" << kListsUsage;
                return 2;
            }
            dataDir = rawArgs[++i];
        } else if (rawArgs[i] == "--as-of") {
            // The league as it stood after that day's games, later scores hidden.
            if (i + 1 >= rawArgs.size() || !(asOf = ParseIsoDate(rawArgs[i + 1]))) {
                err << "tavix-lists: --as-of needs a date YYYY-MM-DD\n" << kListsUsage;
                return 2;
            }
            ++i;
        } else if (rawArgs[i] == "--print") {
            print = true;
        } else {
            args.push_back(rawArgs[i]);
        }
    }

    NBA nba;
    Date today = SystemToday();
    Listing listing;
    std::string command;
    auto run = [&](NBA& league, Arguments& a) -> Listing {
        if (command == "schedule") return Schedule(league, a);
        if (command == "standings") {
            Listing l;
            l.lines = BuildStandings(league, SeasonView::Current);
            l.print = StandingsPrintScheme();
            return l;
        }
        if (command == "ratings") return Ratings(league, a);
        if (command == "predict") return Predict(league, a, today);
        if (command == "block") return Block(league, a, today);
        if (command == "forecast") return Forecast(league);
        throw UsageError{"unknown command: " + command};
    };
    try {
        // The arguments are checked on an empty league first, so a typing slip never reads the data.
        Arguments probe(args);
        command = probe.Take("command");
        NBA empty;
        empty.TeamCount = kLeagueTeams;
        run(empty, probe);
        probe.ExpectEnd();
        if (command == "forecast" && print) throw UsageError{"the forecast window has no print command"};
    } catch (const UsageError& e) {
        err << "tavix-lists: " << e.what << "\n" << kListsUsage;
        return 2;
    }

    LoadReport report = LoadLeague(dataDir, JoinPath(dataDir, kSettingsFile), nba);
    if (report.NeedsLoadingMessage()) {
        // The message box's line breaks are LF CR pairs; a terminal wants plain line ends.
        std::string text = kLoadingMessageText;
        for (size_t at; (at = text.find("\n\r")) != std::string::npos;) text.replace(at, 2, "\n");
        err << kLoadingMessageTitle << "\n" << text;
        return 1;
    }
    if (asOf) ShowLeagueAsOf(nba, *asOf);
    Arguments real(args);
    real.Take("command");
    listing = run(nba, real);

    if (!print) {
        for (const auto& line : listing.lines) out << line << "\n";
        return 0;
    }
    TextPrinterProvider printer;
    ListContents contents{listing.lines, listing.selected};
    if (command == "predict") {
        contents.items = {PredictionsLoadHeading(), PredictionsLoadRule(), " ", listing.lines[0]};
        listing.print = SinglePredictionsPrintScheme(today);
    }
    RunPrintJob(printer, listing.print->documentName,
                [&](Printer& p) { SendList(*listing.print, contents, nba.PrinterFontName, p); });
    out << printer.Text();
    return 0;
}

}  // namespace tavix
