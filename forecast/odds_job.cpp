#include "forecast/odds_job.h"

#include <algorithm>

#include "core/calendar.h"

namespace tavix {

OddsJob::OddsJob(Work work, long total) : total_(total) {
    thread_ = std::thread([this, work = std::move(work)] {
        SimulationControl control;
        control.cancel = &cancel_;
        control.done = &done_;
        control.dayDone = [this](const SeasonOdds& day) {
            const std::lock_guard<std::mutex> lock(partialMutex_);
            partial_.push_back(day);
        };
        result_ = work(control);
        finished_ = true;
    });
}

OddsJob::~OddsJob() {
    Cancel();
    thread_.join();
}

std::vector<SeasonOdds> OddsJob::Partial() const {
    const std::lock_guard<std::mutex> lock(partialMutex_);
    return partial_;
}

double OddsJob::Progress() const {
    if (finished_) return 1;
    return total_ <= 0 ? 0 : std::min(1.0, static_cast<double>(done_.load()) / static_cast<double>(total_));
}

std::unique_ptr<OddsJob> StartEveningOdds(const NBA& nba, std::vector<SeasonGame> games, const Date& evening,
                                          long simulations, uint64_t seed) {
    // The standing is taken before the job starts: the job then needs nothing of the league.
    auto standing = std::make_shared<SeasonStanding>(StandingOnEvening(nba, games, evening));
    return std::make_unique<OddsJob>(
        [standing, simulations, seed](const SimulationControl& control) {
            SeasonOdds odds = SimulateSeasonOdds(*standing, simulations, seed, control);
            return odds.cancelled ? std::vector<SeasonOdds>{} : std::vector<SeasonOdds>{odds};
        },
        simulations);
}

std::unique_ptr<OddsJob> StartOddsThroughSeason(const NBA& nba, std::vector<SeasonGame> games,
                                                long simulations, uint64_t seed, const Date& through) {
    auto league = std::make_shared<const NBA>(nba);
    auto season = std::make_shared<const std::vector<SeasonGame>>(std::move(games));
    std::vector<Date> allDays = SeasonGameDays(*season);
    allDays.erase(std::remove_if(allDays.begin(), allDays.end(), [&](const Date& d) { return through < d; }),
                  allDays.end());
    auto days = std::make_shared<const std::vector<Date>>(std::move(allDays));
    return std::make_unique<OddsJob>(
        [league, season, days, simulations, seed](const SimulationControl& control) {
            return OddsThroughSeason(
                days->size(), [&](size_t day) { return StandingOnMorning(*league, *season, (*days)[day]); },
                simulations, seed, control);
        },
        static_cast<long>(days->size()) * simulations);
}

}  // namespace tavix
