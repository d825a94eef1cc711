#pragma once
// The season's odds worked out on a thread of their own, so a window stays responsive: it reads
// the progress for its bar from a timer, may cancel, and keeps the result once finished.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "forecast/odds_inputs.h"

namespace tavix {

class OddsJob {
  public:
    using Work = std::function<std::vector<SeasonOdds>(const SimulationControl&)>;
    // Starts `work` at once; `total` is the number of simulations it runs in all, for the progress.
    OddsJob(Work work, long total);
    // Cancels the work if it is still running and waits for it.
    ~OddsJob();
    OddsJob(const OddsJob&) = delete;
    OddsJob& operator=(const OddsJob&) = delete;

    double Progress() const;  // 0 to 1
    bool Finished() const { return finished_.load(); }
    void Cancel() { cancel_ = true; }
    bool Cancelled() const { return cancel_.load(); }
    // Once finished: the odds, one entry per point (fewer when cancelled).
    const std::vector<SeasonOdds>& Result() const { return result_; }
    // While running: the days finished so far, so a chart can grow as they come.
    std::vector<SeasonOdds> Partial() const;

  private:
    std::atomic<bool> cancel_{false}, finished_{false};
    std::atomic<long> done_{0};
    long total_;
    std::vector<SeasonOdds> result_;
    mutable std::mutex partialMutex_;
    std::vector<SeasonOdds> partial_;
    std::thread thread_;
};

// The odds on the evening of `evening`, as one point.
std::unique_ptr<OddsJob> StartEveningOdds(const NBA& nba, std::vector<SeasonGame> games, const Date& evening,
                                          long simulations, uint64_t seed);
// The odds on the morning of every game day of the season up to `through`, one point per day. The
// job works on copies of the league and the games, so they may change while it runs.
std::unique_ptr<OddsJob> StartOddsThroughSeason(const NBA& nba, std::vector<SeasonGame> games,
                                                long simulations, uint64_t seed,
                                                const Date& through = Date{9999, 12, 31});

}  // namespace tavix
