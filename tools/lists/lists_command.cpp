#include "tools/lists/lists_command.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>

#include "core/data_files.h"
#include "core/print_list.h"
#include "core/text_printer.h"
#include "forecast/playoff_forecast.h"
#include "predictions/block_predictions.h"
#include "predictions/prediction_record.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/single_game.h"
#include "statistics/ratings_view.h"
#include "statistics/season_replay.h"
#include "statistics/standings.h"
#include "tools/lists/list_records.h"
#include "tools/lists/record_writers.h"
#include "ui/main/schedule_views.h"

namespace tavix {

const char kListsUsage[] =
    "usage: tavix-lists [--data DIR] [--as-of YYYY-MM-DD] [--print | --format csv|json] COMMAND\n"
    "       tavix-lists --help | --version\n"
    "commands:\n"
    "  schedule first | schedule second | schedule month N (1-6) | schedule team N all|home|road\n"
    "  standings\n"
    "  ratings [scoring|percentage|offense|defense [--previous] | switched]\n"
    "  predict ROAD HOME [--neutral]\n"
    "  block [--lines A-B] [--today MM-DD-YYYY]\n"
    "  forecast\n"
    "  record [--games] [--month N (1-6)]\n"
    "options:\n"
    "  --data DIR           read the data files from DIR (default: the current folder)\n"
    "  --as-of YYYY-MM-DD   the league as it stood after that day's games, later scores hidden\n"
    "  --print              print what the window's print command sends to the printer\n"
    "  --format csv|json    print the figures as records: CSV with a header row, or JSON\n"
    "  -h, --help           print this help and exit\n"
    "  -v, --version        print the name and version and exit\n";

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

// What one command shows, how its window prints it, and its figures as records.
struct Listing {
    std::vector<std::string> lines;
    std::vector<bool> selected;
    std::optional<PrintScheme> print;      // nothing when the window has no print command
    std::vector<std::string> printLines;   // what the print sends when it is more than the lines
    std::function<RecordTable()> records;  // nothing when the list holds no figures
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
        if (Empty()) return;
        const std::string& extra = args_[pos_];
        throw UsageError{(extra.rfind('-', 0) == 0 ? "unknown option: " : "unexpected argument: ") + extra};
    }

  private:
    std::vector<std::string> args_;
    size_t pos_ = 0;
};

Listing Schedule(NBA& nba, Arguments& a, Date&) {
    Listing l;
    l.print = SchedulePrintScheme();
    std::string view = a.Take("schedule view");
    ScheduleList list;
    if (view == "first") {
        list = FirstHalfLines(nba);
    } else if (view == "second") {
        list = SecondHalfLines(nba);
    } else if (view == "month") {
        auto n = ParseInt(a.Take("month number"));
        if (!n || *n < 1 || *n > 6) throw UsageError{"a month is 1 (November) to 6 (April / May)"};
        list = MonthLines(nba, *n - 1);
    } else if (view == "team") {
        int team = TeamArgument(a.Take("team number"));
        std::string mode = a.Take("all, home or road");
        TeamScheduleMode m = mode == "all"    ? TeamScheduleMode::AllGames
                             : mode == "home" ? TeamScheduleMode::Home
                             : mode == "road" ? TeamScheduleMode::Road
                                              : throw UsageError{"all, home or road: " + mode};
        list = TeamScheduleLines(nba, team, m);
    } else {
        throw UsageError{"unknown schedule view: " + view};
    }
    l.lines = list.lines;
    l.records = [&nba, list] { return ScheduleRecords(nba, list); };
    return l;
}

Listing Ratings(NBA& nba, Arguments& a, Date&) {
    RatingsOrder order = RatingsOrder::Scoring;
    SeasonView view = SeasonView::Current;
    RatingsRebuild cause = RatingsRebuild::Load;
    if (a.TakeIf("switched")) {
        view = SeasonView::Previous;
        cause = RatingsRebuild::SeasonSwitch;
    } else if (!a.Empty()) {
        std::string what = a.Take("order");
        order = what == "scoring"      ? RatingsOrder::Scoring
                : what == "percentage" ? RatingsOrder::Percentage
                : what == "offense"    ? RatingsOrder::Offense
                : what == "defense"    ? RatingsOrder::Defense
                                       : throw UsageError{"unknown ratings order: " + what};
        view = a.TakeIf("--previous") ? SeasonView::Previous : SeasonView::Current;
        cause = RatingsRebuild::Option;
    }
    Listing l;
    l.print = RatingsPrintScheme();
    l.lines = BuildRatingsView(nba, order, view, cause);
    l.records = [&nba, order, view, cause] { return RatingsRecords(nba, order, view, cause); };
    return l;
}

Listing Predict(NBA& nba, Arguments& a, Date& today) {
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
    l.records = [&nba, road, home, neutral] { return PredictionRecords(nba, road, home, neutral); };
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
    const ScheduleList items = SecondHalfLines(nba);
    std::vector<bool> selected(items.lines.size(), !range);
    if (range) {
        for (int i = range->first; i <= range->second && i <= static_cast<int>(items.lines.size()); ++i)
            selected[i - 1] = true;
    }
    Listing l;
    std::vector<BlockLine> blockLines = CollectBlockLines(items.lines, items.games, selected);
    l.lines = BuildBlockPredictionList(nba, SeasonView::Current, blockLines, today);
    l.print = BlockPredictionsPrintScheme();
    l.records = [&nba, blockLines] { return BlockRecords(nba, blockLines); };
    return l;
}

Listing Forecast(NBA& nba, Arguments&, Date&) {
    Listing l;
    const PlayoffForecast forecast = ForecastPlayoffs(nba, SeasonView::Current);
    auto lines = ForecastLines(nba, forecast);
    l.lines.assign(lines.begin(), lines.end());
    l.records = [&nba, forecast] { return ForecastRecords(nba, forecast); };
    return l;
}

Listing Standings(NBA& nba, Arguments&, Date&) {
    Listing l;
    l.lines = BuildStandings(nba, SeasonView::Current);
    l.print = StandingsPrintScheme();
    l.records = [&nba] { return StandingsRecords(nba); };
    return l;
}

// How the rule fared on the schedule's results: the summary, or one line per game.
Listing Record(NBA& nba, Arguments& a, Date&) {
    bool games = false;
    int month = -1;
    while (!a.Empty()) {
        if (a.TakeIf("--games")) {
            games = true;
        } else if (a.TakeIf("--month")) {
            auto n = ParseInt(a.Take("month number"));
            if (!n || *n < 1 || *n > kMonthViews)
                throw UsageError{"a month is 1 (November) to 6 (April / May)"};
            month = *n - 1;
        } else {
            break;
        }
    }
    std::vector<RecordedGame> record = BuildPredictionRecord(nba);
    if (month >= 0)
        record.erase(std::remove_if(record.begin(), record.end(),
                                    [month](const RecordedGame& r) { return r.month != month; }),
                     record.end());
    Listing l;
    if (games) {
        for (const RecordedGame& r : record) l.lines.push_back(RecordListLine(r));
    } else {
        l.lines = RecordSummaryLines(record);
    }
    // The window prints its summary, chart and games whichever of them the command lists.
    l.printLines = RecordPrintLines(record);
    l.print = PredictionRecordPrintScheme();
    return l;
}

// The commands by name; each reads its own arguments and builds its list.
using CommandRun = Listing (*)(NBA&, Arguments&, Date& today);
struct Command {
    const char* name;
    CommandRun run;
};
const Command kCommands[] = {
    {"schedule", Schedule}, {"standings", Standings}, {"ratings", Ratings}, {"predict", Predict},
    {"block", Block},       {"forecast", Forecast},   {"record", Record},
};

CommandRun FindCommand(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return c.run;
    throw UsageError{"unknown command: " + name};
}

enum class Output { Text, Print, Csv, Json };

struct Options {
    std::string dataDir;
    std::optional<Date> asOf;  // the league as it stood after that day's games, later scores hidden
    Output output = Output::Text;
    bool help = false, version = false;
    std::vector<std::string> commandArgs;  // the command and its own arguments
};

// The options of every command, wherever they stand; before the command nothing else may start
// with a dash. "--data=DIR" and "--format=csv" read like "--data DIR" and "--format csv".
Options ReadOptions(const std::vector<std::string>& rawArgs) {
    Options o;
    bool textChosen = true;
    auto setOutput = [&](Output output) {
        if (!textChosen && o.output != output) throw UsageError{"--print and --format exclude each other"};
        o.output = output;
        textChosen = false;
    };
    for (size_t i = 0; i < rawArgs.size(); ++i) {
        std::string arg = rawArgs[i];
        std::optional<std::string> value;
        if (arg.rfind("--", 0) == 0 && arg.find('=') != std::string::npos) {
            value = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
        }
        auto takeValue = [&](const char* what) {
            if (value) return *value;
            if (i + 1 >= rawArgs.size()) throw UsageError{arg + " needs " + what};
            return rawArgs[++i];
        };
        if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (arg == "-v" || arg == "--version") {
            o.version = true;
        } else if (arg == "--data") {
            o.dataDir = takeValue("a folder");
        } else if (arg == "--as-of") {
            const std::string day = takeValue("a date YYYY-MM-DD");
            o.asOf = ParseIsoDate(day);
            if (!o.asOf) throw UsageError{"--as-of needs a date YYYY-MM-DD: " + day};
        } else if (arg == "--print" && !value) {
            setOutput(Output::Print);
        } else if (arg == "--format") {
            const std::string format = takeValue("csv or json");
            setOutput(format == "csv"    ? Output::Csv
                      : format == "json" ? Output::Json
                                         : throw UsageError{"--format takes csv or json: " + format});
        } else if (o.commandArgs.empty() && rawArgs[i].rfind('-', 0) == 0) {
            throw UsageError{"unknown option: " + rawArgs[i]};
        } else {
            o.commandArgs.push_back(rawArgs[i]);
        }
    }
    return o;
}

}  // namespace

int RunListsCommand(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err) {
    Options options;
    CommandRun run = nullptr;
    Date today = SystemToday();
    try {
        options = ReadOptions(rawArgs);
        if (options.help) {
            out << kListsUsage;
            return 0;
        }
        if (options.version) {
            out << "tavix-lists " << TAVIX_VERSION << "\n";
            return 0;
        }
        // The arguments are checked on an empty league first, so a typing slip never reads the data.
        Arguments probe(options.commandArgs);
        const std::string command = probe.Take("command");
        run = FindCommand(command);
        NBA empty;
        empty.TeamCount = kLeagueTeams;
        Listing checked = run(empty, probe, today);
        probe.ExpectEnd();
        if (options.output == Output::Print && !checked.print)
            throw UsageError{"the " + command + " window has no print command"};
        if ((options.output == Output::Csv || options.output == Output::Json) && !checked.records)
            throw UsageError{"the " + command + " list holds no figures for --format"};
    } catch (const UsageError& e) {
        err << "tavix-lists: " << e.what << "\n" << kListsUsage;
        return 2;
    }

    NBA nba;
    const std::string& dataDir = options.dataDir;
    LoadReport report = LoadLeague(dataDir, JoinPath(dataDir, kSettingsFile), nba);
    if (report.NeedsLoadingMessage()) {
        // The message box's line breaks are LF CR pairs; a terminal wants plain line ends.
        std::string text = kLoadingMessageText;
        for (size_t at; (at = text.find("\n\r")) != std::string::npos;) text.replace(at, 2, "\n");
        err << kLoadingMessageTitle << "\n" << text;
        return 1;
    }
    // Lines whose teams are unknown are left out of every list; the user hears which once.
    if (const std::string unknown = UnknownGamesMessage(*nba.schedule); !unknown.empty())
        err << unknown << "\n";
    Arguments real(options.commandArgs);
    const std::string command = real.Take("command");
    if (options.asOf) ShowLeagueAsOf(nba, *options.asOf);
    Listing listing = run(nba, real, today);

    switch (options.output) {
        case Output::Text:
            for (const auto& line : listing.lines) out << line << "\n";
            return 0;
        case Output::Csv:
            WriteCsv(listing.records(), out);
            return 0;
        case Output::Json:
            WriteJson(listing.records(), out);
            return 0;
        case Output::Print:
            break;
    }
    TextPrinterProvider printer;
    ListContents contents{listing.printLines.empty() ? listing.lines : listing.printLines, listing.selected};
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
