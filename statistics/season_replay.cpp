#include "statistics/season_replay.h"

#include <algorithm>

namespace tavix {
namespace {

template <typename League>
auto& GameLine(League& nba, const ScheduledGame& g) {
    return g.firstHalf ? nba.FirstHalfSchedule[static_cast<size_t>(g.line)]
                       : nba.SecondHalfSchedule[static_cast<size_t>(g.line)];
}

}  // namespace

std::vector<Date> GameDays(const std::vector<ScheduledGame>& games) {
    std::vector<Date> days;
    for (const ScheduledGame& g : games) days.push_back(g.date);
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

std::string ReplayCaption(const Date& day, int dayNumber, int dayCount) {
    std::string caption = "Replay: " + LongDate(day);
    if (dayNumber > 0)
        caption += " - game day " + std::to_string(dayNumber) + " of " + std::to_string(dayCount);
    return caption;
}

SeasonReplay::SeasonReplay(const NBA& own) : shown_(own) {
    // The evening's figures are never the user's: a save of this league is refused, with the reason.
    shown_.readOnly = "it holds a season replay's evening, not your statistics";
    fileModel_ = ScheduleOf(own);
    games_ = fileModel_->games;
    results_ = PlayedGames(games_);
    days_ = GameDays(games_);
    byDate_.resize(games_.size());
    for (size_t i = 0; i < games_.size(); ++i) byDate_[i] = i;
    std::stable_sort(byDate_.begin(), byDate_.end(),
                     [this](size_t a, size_t b) { return games_[a].date < games_[b].date; });
    fullLines_.reserve(games_.size());
    bareLines_.reserve(games_.size());
    for (size_t i = 0; i < games_.size(); ++i) {
        const std::string& line = GameLine(own, games_[i]);
        fullLines_.push_back(line);
        bareLines_.push_back(WithoutScore(line));
    }
}

void SeasonReplay::ShowDay(const Date& day) {
    day_ = day;
    SetCurrentSeason(shown_, TotalsThrough(results_, day));
    shown_.UpdateMonth = static_cast<int16_t>(day.month);
    shown_.UpdateDay = static_cast<int16_t>(day.day);
    shown_.UpdateYear = static_cast<int16_t>(day.year);
    // The evening's model is set in place, saving a copy of the season's games each step, unless
    // someone still holds the previous evening's (a list built from it). Only the games between the
    // two evenings change.
    if (!shownModel_ || shownModel_.use_count() > (shown_.schedule == shownModel_ ? 2 : 1)) {
        shownModel_ = std::make_shared<ScheduleModel>(*fileModel_);
        modelDay_ = days_.empty() ? std::nullopt : std::optional<Date>(days_.back());
    }
    for (auto [at, end] = ChangedBetween(modelDay_, day); at < end; ++at) {
        const size_t i = byDate_[at];
        ScheduledGame& shown = shownModel_->games[i];
        const ScheduledGame& onFile = fileModel_->games[i];
        const bool played = onFile.played && onFile.date <= day;
        shown.played = played;
        shown.roadPoints = played ? onFile.roadPoints : 0;
        shown.homePoints = played ? onFile.homePoints : 0;
        shown.overtimes = played ? onFile.overtimes : 0;
    }
    modelDay_ = day;
    shown_.schedule = shownModel_;
    for (auto [at, end] = ChangedBetween(linesDay_, day); at < end; ++at) {
        const size_t i = byDate_[at];
        std::string& line = GameLine(shown_, games_[i]);
        const std::string& now = LineNow(i);
        if (line != now) line = now;
    }
    linesDay_ = day;
}

std::pair<size_t, size_t> SeasonReplay::ChangedBetween(const std::optional<Date>& from,
                                                       const Date& to) const {
    if (!from) return {0, byDate_.size()};
    const Date lo = std::min(*from, to), hi = std::max(*from, to);
    auto later = [this](const Date& d, size_t game) { return d < games_[game].date; };
    const auto first = std::upper_bound(byDate_.begin(), byDate_.end(), lo, later);
    const auto last = std::upper_bound(first, byDate_.end(), hi, later);
    return {static_cast<size_t>(first - byDate_.begin()), static_cast<size_t>(last - byDate_.begin())};
}

const std::string& SeasonReplay::LineNow(size_t game) const {
    return games_[game].date <= day_ ? fullLines_[game] : bareLines_[game];
}

int SeasonReplay::DayNumber() const {
    auto it = std::lower_bound(days_.begin(), days_.end(), day_);
    return it != days_.end() && *it == day_ ? static_cast<int>(it - days_.begin()) + 1 : 0;
}

std::optional<Date> SeasonReplay::PreviousDay() const {
    auto it = std::lower_bound(days_.begin(), days_.end(), day_);
    if (it == days_.begin()) return std::nullopt;
    return *(it - 1);
}

std::optional<Date> SeasonReplay::NextDay() const {
    auto it = std::upper_bound(days_.begin(), days_.end(), day_);
    if (it == days_.end()) return std::nullopt;
    return *it;
}

void RefreshScheduleItems(const NBA& league, std::vector<std::string>& items, const std::vector<int>& games) {
    const std::vector<ScheduledGame>& all = ScheduleOf(league)->games;
    for (size_t i = 0; i < items.size() && i < games.size(); ++i) {
        if (games[i] < 0 || static_cast<size_t>(games[i]) >= all.size()) continue;
        const std::string& now = GameLine(league, all[static_cast<size_t>(games[i])]);
        if (items[i].size() != now.size() + 2 || items[i].compare(2, std::string::npos, now) != 0)
            items[i] = "  " + now;
    }
}

void ShowLeagueAsOf(NBA& nba, const Date& day) {
    SeasonReplay replay(nba);
    replay.ShowDay(day);
    const std::string readOnly = nba.readOnly;
    nba = std::move(replay.League());
    nba.readOnly = readOnly;
}

}  // namespace tavix
