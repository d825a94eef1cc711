#pragma once
// A season replay: the league as it stood on the evening of any game day, on the league data every
// window reads. The statistics come from the schedule's results (the data tool's --as-of rule), the
// update date becomes that day and the schedule lines lose the scores of later games, so nothing is
// given away. The file's own figures are kept aside and come back exactly when the replay ends.
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
    // Keeps the league's own statistics and schedule lines; nothing changes until ShowDay.
    explicit SeasonReplay(NBA& nba);
    // Ends the replay if it is still on.
    ~SeasonReplay();
    SeasonReplay(const SeasonReplay&) = delete;
    SeasonReplay& operator=(const SeasonReplay&) = delete;

    const std::vector<Date>& Days() const { return days_; }
    // The league as it stood after the games of `day` (any day; a day before the first game
    // shows an empty season). The replay is on from the first call.
    void ShowDay(const Date& day);
    bool On() const { return on_; }
    const Date& Day() const { return day_; }
    // 1-based number of the shown day among the game days; 0 when it is none of them.
    int DayNumber() const;
    std::string Caption() const { return ReplayCaption(day_, DayNumber(), static_cast<int>(days_.size())); }
    // The game day before or after the shown one; nothing at either end.
    std::optional<Date> PreviousDay() const;
    std::optional<Date> NextDay() const;

    // A schedule list's items ("  " and the line) as the league's lines now stand (the shown day's,
    // or the file's after End): each item holding a game (`games`, as the list was built) gets or
    // loses its score; headings, blank and other lines stay as they are.
    void RefreshScheduleItems(std::vector<std::string>& items, const std::vector<int>& games) const;

    // Puts back the file's statistics, update date and schedule lines exactly.
    void End();
    // The shown day's figures become the league's own; the replay is over without restoring.
    void Keep();

  private:
    const std::string& LineNow(size_t game) const;
    // The places in byDate_ of the games whose day lies after one evening and up to the other:
    // those a step between them changes. All of them when nothing is known of `from`.
    std::pair<size_t, size_t> ChangedBetween(const std::optional<Date>& from, const Date& to) const;

    NBA& nba_;
    std::shared_ptr<const NBA> onFile_;
    std::shared_ptr<const ScheduleModel> fileModel_;
    std::shared_ptr<ScheduleModel> shownModel_;  // the evening's games, the league's while on show
    std::vector<size_t> byDate_;                 // the games in the order of their days
    std::optional<Date> modelDay_, linesDay_;    // the evenings shownModel_ and the lines stand at
    std::vector<ScheduledGame> games_;
    std::vector<GameResult> results_;
    std::vector<Date> days_;
    std::vector<std::string> fullLines_, bareLines_;  // each game's line with and without its score
    Date day_;
    bool on_ = false;
};

// The league loaded from the files, as it stood after the games of `day`, for good: what
// tavix-lists --as-of shows.
void ShowLeagueAsOf(NBA& nba, const Date& day);

}  // namespace tavix
