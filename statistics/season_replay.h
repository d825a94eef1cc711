#pragma once
// A season replay: the league as it stood on the evening of any game day, a league of its own
// beside the user's. The statistics come from the schedule's results (the data tool's --as-of rule),
// the update date becomes that day and the schedule lines lose the scores of later games, so nothing
// is given away. The user's league is only read, when the replay starts, and never changed.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "statistics/season_results.h"

namespace tavix {

// The days on which the schedule has games, in order, each once.
std::vector<Date> GameDays(const std::vector<ScheduledGame>& games);

// "Replay: Wednesday, March 10, 1999 - game day 23 of 90" (dayNumber counts from 1).
std::string ReplayCaption(const Date& day, int dayNumber, int dayCount);

class SeasonReplay {
  public:
    // The evening's league starts as a copy of the user's (names, settings, the file's figures);
    // nothing is shown until ShowDay.
    explicit SeasonReplay(const NBA& own);
    SeasonReplay(const SeasonReplay&) = delete;
    SeasonReplay& operator=(const SeasonReplay&) = delete;

    // The league of the shown evening; it lives as long as the replay and keeps its address.
    NBA& League() { return shown_; }
    const NBA& League() const { return shown_; }

    const std::vector<Date>& Days() const { return days_; }
    // The league as it stood after the games of `day` (any day; a day before the first game
    // shows an empty season).
    void ShowDay(const Date& day);
    const Date& Day() const { return day_; }
    // 1-based number of the shown day among the game days; 0 when it is none of them.
    int DayNumber() const;
    std::string Caption() const { return ReplayCaption(day_, DayNumber(), static_cast<int>(days_.size())); }
    // The game day before or after the shown one; nothing at either end.
    std::optional<Date> PreviousDay() const;
    std::optional<Date> NextDay() const;

  private:
    const std::string& LineNow(size_t game) const;
    // The places in byDate_ of the games whose day lies after one evening and up to the other:
    // those a step between them changes. All of them when nothing is known of `from`.
    std::pair<size_t, size_t> ChangedBetween(const std::optional<Date>& from, const Date& to) const;

    NBA shown_;
    std::shared_ptr<const ScheduleModel> fileModel_;
    std::shared_ptr<ScheduleModel> shownModel_;  // the evening's games, shown_'s while on show
    std::vector<size_t> byDate_;                 // the games in the order of their days
    std::optional<Date> modelDay_, linesDay_;    // the evenings shownModel_ and the lines stand at
    std::vector<ScheduledGame> games_;
    std::vector<GameResult> results_;
    std::vector<Date> days_;
    std::vector<std::string> fullLines_, bareLines_;  // each game's line with and without its score
    Date day_;
};

// A schedule list's items ("  " and the line) as `league`'s lines stand: each item holding a game
// (`games`, as the list was built) gets or loses its score; headings, blank and other lines stay as
// they are. The list follows a replay's step, or its end, without being built again.
void RefreshScheduleItems(const NBA& league, std::vector<std::string>& items, const std::vector<int>& games);

// The league loaded from the files, as it stood after the games of `day`, for good: what
// tavix-lists --as-of shows.
void ShowLeagueAsOf(NBA& nba, const Date& day);

}  // namespace tavix
