#include "tools/lists/lists_command.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>

#include "core/calendar.h"
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
#include "tools/lists/data_location.h"
#include "tools/lists/list_records.h"
#include "tools/lists/lists_output.h"
#include "tools/lists/odds_command.h"
#include "tools/lists/record_writers.h"
#include "ui/main/schedule_views.h"

namespace tavix {

namespace {

// A command line that cannot be run; `command` names the command whose help says more.
struct UsageError {
    explicit UsageError(std::string what, std::string command = {})
        : what(std::move(what)), command(std::move(command)) {}
    std::string what;
    std::string command;
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
    if (!n || *n < 1 || *n > kLeagueTeams) throw UsageError{"a team number is 1 to 29, not " + text};
    return *n;
}

int MonthArgument(const std::string& text) {
    auto n = ParseInt(text);
    if (!n || *n < 1 || *n > kMonthViews)
        throw UsageError{"a month is 1 (November) to 6 (April / May), not " + text};
    return *n;
}

// Year 1 onwards: a year 0 never was, and MM-DD-YYYY holds four digits.
bool IsDateOfCalendar(const std::optional<Date>& d) { return d && d->year >= 1 && IsRealDay(*d); }

Date SystemToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Date ParseToday(const std::string& text) {
    int m = 0, d = 0, y = 0;
    char tail = 0;
    const bool digits = text.size() == 10 && text[2] == '-' && text[5] == '-' &&
                        std::sscanf(text.c_str(), "%2d-%2d-%4d%c", &m, &d, &y, &tail) == 3;
    if (!digits || !IsDateOfCalendar(Date{y, m, d}))
        throw UsageError{
            "--today takes a real day as MM-DD-YYYY (month 01-12, a day of that month, year 0001 "
            "or later), not " +
            text};
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

// A command's own words. After "--" every word is an argument, also one starting with a dash.
class Arguments {
  public:
    Arguments(std::vector<std::string> args, size_t literalFrom, bool probe)
        : args_(std::move(args)), literalFrom_(literalFrom), probe_(probe) {}
    bool Empty() const { return pos_ >= args_.size(); }
    // Whether the league is the empty one the words are first checked on.
    bool Probe() const { return probe_; }
    std::string Take(const char* what) {
        if (Empty()) throw UsageError{std::string("missing ") + what};
        return args_[pos_++];
    }
    bool TakeIf(const std::string& word) {
        if (!Empty() && pos_ < literalFrom_ && args_[pos_] == word) {
            ++pos_;
            return true;
        }
        return false;
    }
    void ExpectEnd() {
        if (Empty()) return;
        const std::string& extra = args_[pos_];
        const bool option = pos_ < literalFrom_ && extra.size() > 1 && extra[0] == '-';
        throw UsageError{(option ? "unknown option: " : "unexpected argument: ") + extra};
    }

  private:
    std::vector<std::string> args_;
    size_t literalFrom_;
    bool probe_;
    size_t pos_ = 0;
};

Listing Schedule(const NBA& nba, Arguments& a, Date&) {
    Listing l;
    l.print = SchedulePrintScheme();
    std::string view = a.Take("schedule view");
    ScheduleList list;
    if (view == "first") {
        list = FirstHalfLines(nba);
    } else if (view == "second") {
        list = SecondHalfLines(nba);
    } else if (view == "month") {
        list = MonthLines(nba, MonthArgument(a.Take("month number")) - 1);
    } else if (view == "team") {
        int team = TeamArgument(a.Take("team number"));
        std::string mode = a.Take("all, home or road");
        TeamScheduleMode m = mode == "all"    ? TeamScheduleMode::AllGames
                             : mode == "home" ? TeamScheduleMode::Home
                             : mode == "road"
                                 ? TeamScheduleMode::Road
                                 : throw UsageError{"a team's games are all, home or road, not " + mode};
        list = TeamScheduleLines(nba, team, m);
    } else {
        throw UsageError{"the schedule views are first, second, month N and team N, not " + view};
    }
    l.lines = list.lines;
    l.records = [&nba, list] { return ScheduleRecords(nba, list); };
    return l;
}

Listing Ratings(const NBA& nba, Arguments& a, Date&) {
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
                                       : throw UsageError{
                                          "the ratings orders are scoring, percentage, offense, defense and "
                                             "switched, not " +
                                          what};
        view = a.TakeIf("--previous") ? SeasonView::Previous : SeasonView::Current;
        cause = RatingsRebuild::Option;
    }
    Listing l;
    l.print = RatingsPrintScheme();
    l.lines = BuildRatingsView(nba, order, view, cause);
    l.records = [&nba, order, view, cause] { return RatingsRecords(nba, order, view, cause); };
    return l;
}

Listing Predict(const NBA& nba, Arguments& a, Date& today) {
    int road = TeamArgument(a.Take("road team"));
    int home = TeamArgument(a.Take("home team"));
    if (road == home)
        throw UsageError{"a team cannot play itself: road and home team are both " + std::to_string(road)};
    bool neutral = a.TakeIf("--neutral");
    Listing l;
    std::string line = FormatPredictionLine(nba, ComputeRatings(nba, SeasonView::Current), road, home,
                                            neutral, TotalPrecision::Single);
    l.lines = {line};
    // The window prints its whole list: the heading, the rule and the prediction under its blank line.
    PrintScheme scheme = SinglePredictionsPrintScheme(today);
    l.print = scheme;
    l.selected = {};
    l.records = [&nba, road, home, neutral] { return PredictionRecords(nba, road, home, neutral); };
    return l;
}

// The window predicts at most 300 lines at once; the companion predicts any range in blocks of
// that size and joins them into one list, closed as the last block that predicted a game closes.
std::vector<std::string> WholeBlockList(const NBA& nba, const std::vector<BlockLine>& blockLines,
                                        const Date& today) {
    std::vector<std::string> list = {" "}, tail;
    size_t at = 0;
    do {
        const size_t end = std::min(blockLines.size(), at + kBlockLineLimit);
        const std::vector<BlockLine> part(blockLines.begin() + at, blockLines.begin() + end);
        const std::vector<std::string> built =
            BuildBlockPredictionList(nba, SeasonView::Current, part, today);
        list.insert(list.end(), built.begin() + 1, built.begin() + 1 + part.size());
        const std::vector<std::string> partTail(built.begin() + 1 + part.size(), built.end());
        if (tail.empty() || partTail.back() != NoGamesSelectedMessage().back()) tail = partTail;
        at = end;
    } while (at < blockLines.size());
    list.insert(list.end(), tail.begin(), tail.end());
    return list;
}

Listing Block(const NBA& nba, Arguments& a, Date& today) {
    std::optional<std::pair<int, int>> range;
    std::string rangeText;
    while (!a.Empty()) {
        if (a.TakeIf("--lines")) {
            rangeText = a.Take("A-B after --lines");
            size_t dash = rangeText.find('-');
            auto first = ParseInt(rangeText.substr(0, dash));
            auto last = dash == std::string::npos ? std::nullopt : ParseInt(rangeText.substr(dash + 1));
            if (!first || !last || *first < 1 || *last < *first)
                throw UsageError{"--lines takes A-B, two line numbers with 1 <= A <= B, not " + rangeText};
            range = {{*first, *last}};
        } else if (a.TakeIf("--today")) {
            today = ParseToday(a.Take("MM-DD-YYYY after --today"));
        } else {
            break;
        }
    }
    const ScheduleList items = SecondHalfLines(nba);
    const size_t first = range ? static_cast<size_t>(range->first - 1) : 0;
    const size_t last = range ? static_cast<size_t>(range->second) : items.lines.size();
    if (!a.Probe() && last > items.lines.size())
        throw UsageError{"--lines goes from 1 to " + std::to_string(items.lines.size()) +
                         ", the last line of the second-half schedule, not " + rangeText};
    std::vector<BlockLine> blockLines;
    for (size_t i = first; i < std::min(last, items.lines.size()); ++i)
        blockLines.push_back({items.lines[i], items.games[i]});
    Listing l;
    l.lines = WholeBlockList(nba, blockLines, today);
    l.print = BlockPredictionsPrintScheme();
    l.records = [&nba, blockLines] { return BlockRecords(nba, blockLines); };
    return l;
}

Listing Forecast(const NBA& nba, Arguments&, Date&) {
    Listing l;
    const PlayoffForecast forecast = ForecastPlayoffs(nba, SeasonView::Current);
    auto lines = ForecastLines(nba, forecast);
    l.lines.assign(lines.begin(), lines.end());
    l.records = [&nba, forecast] { return ForecastRecords(nba, forecast); };
    return l;
}

Listing Standings(const NBA& nba, Arguments&, Date&) {
    Listing l;
    l.lines = BuildStandings(nba, SeasonView::Current);
    l.print = StandingsPrintScheme();
    l.records = [&nba] { return StandingsRecords(nba); };
    return l;
}

// How the rule fared on the schedule's results: the summary, or one line per game.
Listing Record(const NBA& nba, Arguments& a, Date&) {
    bool games = false;
    int month = -1;
    while (!a.Empty()) {
        if (a.TakeIf("--games")) {
            games = true;
        } else if (a.TakeIf("--month")) {
            month = MonthArgument(a.Take("month number after --month")) - 1;
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
        l.records = [&nba, record] { return RecordGameRecords(nba, record); };
    } else {
        l.lines = RecordSummaryLines(record);
    }
    // The window prints its summary, chart and games whichever of them the command lists.
    l.printLines = RecordPrintLines(record);
    l.print = PredictionRecordPrintScheme(l.printLines);
    return l;
}

Listing Odds(const NBA& nba, Arguments& a, Date&) {
    OddsOptions options;
    for (bool more = true; more && !a.Empty();) {
        std::optional<int> n;
        if (a.TakeIf("--simulations")) {
            if (!(n = ParseInt(a.Take("a count"))) || *n < 1)
                throw UsageError{"--simulations takes a count above 0"};
            options.simulations = *n;
        } else if (a.TakeIf("--seed")) {
            if (!(n = ParseInt(a.Take("a seed")))) throw UsageError{"--seed takes a whole number"};
            options.seed = static_cast<uint64_t>(*n);
        } else {
            more = false;
        }
    }
    // The argument check runs on an empty league, with nothing to simulate.
    const SeasonOdds odds =
        nba.FirstHalfCount + nba.SecondHalfCount ? LeagueOdds(nba, options) : SeasonOdds{};
    Listing l;
    l.lines = OddsLines(nba, odds);
    l.print = OddsPrintScheme(OddsEvening(nba), options.simulations);
    l.records = [&nba, odds] { return OddsRecords(nba, odds); };
    return l;
}

// The commands by name; each reads its own arguments and builds its list. A new command is one
// more line here: its help and its checks follow from it.
using CommandRun = Listing (*)(const NBA&, Arguments&, Date& today);
struct Command {
    const char* name;
    const char* synopsis;  // its own words, as the help shows them
    const char* about;
    CommandRun run;
    bool printable;  // the window has a print command (--print)
    bool figures;    // the list holds figures for --format
};
const Command kCommands[] = {
    {"schedule", "first | second | month N | team N all|home|road",
     "the schedule: a half season, a month (1 November ... 6 April / May)\n"
     "or one team's games (all, home or road)",
     Schedule, true, true},
    {"standings", "", "the division standings", Standings, true, true},
    {"ratings", "[scoring|percentage|offense|defense [--previous] | switched]",
     "the team ratings in that order (scoring margin unless told),\nthis season or the previous one", Ratings,
     true, true},
    {"predict", "ROAD HOME [--neutral]", "the prediction for one game, two different teams 1-29", Predict,
     true, true},
    {"block", "[--lines A-B] [--today MM-DD-YYYY]",
     "predictions for lines A to B of the second-half schedule\n(all of it without --lines), dated today or "
     "that day",
     Block, true, true},
    {"forecast", "", "the play-off forecast (no --print: the window has no print command)", Forecast, false,
     true},
    {"record", "[--games] [--month N]",
     "how the predictions fared: the summary, or with --games one line per game;\n"
     "--month N keeps one month (--format with --games only)",
     Record, true, true},
    {"odds", "[--simulations N] [--seed S]",
     "each team's chance of the play-offs, its conference title and the title,\n"
     "from N simulated seasons (100,000 unless told); one seed gives the same odds",
     Odds, true, true},
};

const Command* FindCommand(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

std::string CommandLine(const Command& c) {
    return std::string("tavix-lists [OPTION]... ") + c.name + (*c.synopsis ? " " : "") + c.synopsis;
}

// A command's description as the help lists it, each line indented.
std::string Indented(const std::string& about) {
    std::string text = "      " + about;
    for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 7)
        text.insert(at + 1, "      ");
    return text;
}

std::string CommandHelp(const Command& c) {
    return "usage: " + CommandLine(c) + "\n" + Indented(c.about) + "\n" + "output: text" +
           (c.printable ? ", --print" : "") + (c.figures ? ", --format csv|json" : "") +
           "\nThe options (--data, --as-of, --print, --format, --verbose) are those of 'tavix-lists "
           "--help'.\n";
}

enum class Output { Text, Print, Csv, Json };

struct Options {
    std::string dataDir;
    std::optional<Date> asOf;  // the league as it stood after that day's games, later scores hidden
    Output output = Output::Text;
    std::string format;  // as given, for the message when another follows
    bool version = false, verbose = false;
    std::vector<std::string> commandArgs;  // the command and its own arguments
    size_t literalFrom = SIZE_MAX;         // where "--" ended the options, within commandArgs
};

// The options of every command, wherever they stand; before the command nothing else may start
// with a dash. "--data=DIR" and "--format=csv" read like "--data DIR" and "--format csv".
Options ReadOptions(const std::vector<std::string>& rawArgs) {
    Options o;
    bool printChosen = false;
    for (size_t i = 0; i < rawArgs.size(); ++i) {
        std::string arg = rawArgs[i];
        if (arg == "--") {
            o.literalFrom = o.commandArgs.size();
            o.commandArgs.insert(o.commandArgs.end(), rawArgs.begin() + static_cast<long>(i) + 1,
                                 rawArgs.end());
            break;
        }
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
        if (arg == "-v" || arg == "--version") {
            o.version = true;
        } else if (arg == "--verbose" && !value) {
            o.verbose = true;
        } else if (arg == "--data") {
            o.dataDir = takeValue("a folder");
        } else if (arg == "--as-of") {
            const std::string day = takeValue("a date YYYY-MM-DD");
            o.asOf = ParseIsoDate(day);
            if (!IsDateOfCalendar(o.asOf))
                throw UsageError{
                    "--as-of takes a real day as YYYY-MM-DD (year 0001 or later, month 01-12, a day "
                    "of that month), not " +
                    day};
        } else if (arg == "--print" && !value) {
            if (!o.format.empty()) throw UsageError{"--print and --format exclude each other: choose one"};
            printChosen = true;
            o.output = Output::Print;
        } else if (arg == "--format") {
            const std::string format = takeValue("csv or json");
            const Output output = format == "csv" ? Output::Csv
                                  : format == "json"
                                      ? Output::Json
                                      : throw UsageError{"--format takes csv or json, not " + format};
            if (printChosen) throw UsageError{"--print and --format exclude each other: choose one"};
            if (!o.format.empty() && o.format != format)
                throw UsageError{"--format was given twice, as " + o.format + " and as " + format +
                                 ": choose one"};
            o.format = format;
            o.output = output;
        } else if (o.commandArgs.empty() && arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option: " + rawArgs[i]};
        } else {
            o.commandArgs.push_back(rawArgs[i]);
        }
    }
    return o;
}

// -h or --help anywhere before "--" asks for help, whatever else the line holds: the help of the
// first word naming a command, or the whole help.
std::optional<std::string> HelpAsked(const std::vector<std::string>& args) {
    bool asked = false;
    const Command* command = nullptr;
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (arg == "-h" || arg == "--help") asked = true;
        if (!command) command = FindCommand(arg);
    }
    if (!asked) return std::nullopt;
    return command ? CommandHelp(*command) : ListsHelp();
}

std::string HelpHint(const std::string& command) {
    return "Try 'tavix-lists " + (command.empty() ? std::string() : command + " ") + "--help'.\n";
}

int Run(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err) {
    if (const auto help = HelpAsked(rawArgs)) {
        out << *help;
        return 0;
    }
    Options options;
    const Command* command = nullptr;
    Date today = SystemToday();
    try {
        options = ReadOptions(rawArgs);
        if (options.version) {
            out << "tavix-lists " << TAVIX_VERSION << "\n";
            return 0;
        }
        if (options.commandArgs.empty()) throw UsageError{"no command given"};
        command = FindCommand(options.commandArgs[0]);
        if (!command) throw UsageError{"unknown command: " + options.commandArgs[0]};
        if (options.output == Output::Print && !command->printable)
            throw UsageError{std::string("the ") + command->name + " window has no print command",
                             command->name};
        if ((options.output == Output::Csv || options.output == Output::Json) && !command->figures)
            throw UsageError{
                std::string("the ") + command->name + " list holds no records for --format (see --help)",
                command->name};
        // The arguments are checked on an empty league first, so a typing slip never reads the data.
        Arguments probe(options.commandArgs, options.literalFrom, true);
        probe.Take("command");
        NBA empty;
        empty.TeamCount = kLeagueTeams;
        try {
            const Listing probed = command->run(empty, probe, today);
            probe.ExpectEnd();
            // A command whose figures depend on its arguments (the record's summary has none).
            if ((options.output == Output::Csv || options.output == Output::Json) && !probed.records)
                throw UsageError{std::string("the ") + command->name +
                                 " list holds no records for --format (see --help)"};
        } catch (UsageError& e) {
            e.command = command->name;
            throw;
        }
    } catch (const UsageError& e) {
        err << "tavix-lists: " << e.what << "\n" << HelpHint(e.command);
        return 2;
    }

    std::string dataDir = options.dataDir;
    if (dataDir.empty()) {
        const DataLocation location = DefaultDataLocation();
        if (location.folder.empty()) {
            err << "tavix-lists: no data files (" << kStatisticsFile << ", " << kScheduleFile << ", "
                << kNamesFile << ") in the current folder, the per-user data folder or the supplied data:";
            for (const std::string& folder : location.looked) err << " " << folder;
            err << "\nStart tavix once to fill the per-user data folder, or give --data DIR.\n";
            return 1;
        }
        dataDir = location.folder;
        if (options.verbose) err << "tavix-lists: reading " << dataDir << " (" << location.why << ")\n";
    } else if (options.verbose) {
        err << "tavix-lists: reading " << dataDir << " (--data)\n";
    }

    NBA nba;
    const LoadReport report = LoadLeague(dataDir, JoinPath(dataDir, kSettingsFile), nba);
    if (report.NeedsLoadingMessage()) {
        for (const std::string& line : LoadFailures(dataDir, report)) err << "tavix-lists: " << line << "\n";
        return 1;
    }
    // Lines whose teams are unknown are left out of every list; the user hears which once.
    if (const std::string unknown = UnknownGamesMessage(*nba.schedule); !unknown.empty())
        err << unknown << "\n";
    if (options.asOf) ShowLeagueAsOf(nba, *options.asOf);
    Arguments real(options.commandArgs, options.literalFrom, false);
    real.Take("command");
    Listing listing;
    try {
        listing = command->run(nba, real, today);
    } catch (const UsageError& e) {
        err << "tavix-lists: " << e.what << "\n" << HelpHint(command->name);
        return 2;
    }

    switch (options.output) {
        case Output::Text: {
            std::string text;
            for (const auto& line : listing.lines) text += line + "\n";
            out << InUserCharset(text);
            return 0;
        }
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
    if (command->run == Predict) {
        contents.items = {PredictionsLoadHeading(), PredictionsLoadRule(), " ", listing.lines[0]};
        listing.print = SinglePredictionsPrintScheme(today);
    }
    RunPrintJob(printer, listing.print->documentName,
                [&](Printer& p) { SendList(*listing.print, contents, nba.PrinterFontName, p); });
    out << InUserCharset(printer.Text());
    return 0;
}

}  // namespace

std::string ListsHelp() {
    std::string help =
        "usage: tavix-lists [OPTION]... COMMAND [ARGUMENT]...\n"
        "       tavix-lists COMMAND --help\n"
        "       tavix-lists --help | --version\n"
        "Prints the lists of Tavix as text, as the window's printout, or their figures as CSV or JSON.\n"
        "commands:\n";
    for (const Command& c : kCommands)
        help += std::string("  ") + c.name + (*c.synopsis ? " " : "") + c.synopsis + "\n" +
                Indented(c.about) + "\n";
    help +=
        "options:\n"
        "  --data DIR           read the data files from DIR; without it, from the current folder when it\n"
        "                       holds any data file (any letter case), else the per-user data folder\n"
        "                       (~/.local/share/Tavix/Tavix), else the supplied data "
        "(/usr/share/tavix/data)\n"
        "  --as-of YYYY-MM-DD   the league as it stood after that day's games, later scores hidden\n"
        "  --print              print what the window's print command sends to the printer\n"
        "  --format csv|json    print the figures as records: CSV with a header row, or JSON\n"
        "                       (every command but record)\n"
        "  --verbose            say on standard error which data folder is read\n"
        "  --                   end of the options: every word after it is an argument\n"
        "  -h, --help           print this help, or a command's own, and exit\n"
        "  -v, --version        print the name and version and exit\n"
        "exit status: 0 printed, 1 the data files could not be read or the output could not be written,\n"
        "2 a usage error.\n";
    return help;
}

int RunListsCommand(const std::vector<std::string>& rawArgs, std::ostream& out, std::ostream& err) {
    return Run(rawArgs, out, err);
}

}  // namespace tavix
