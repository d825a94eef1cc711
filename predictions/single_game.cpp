#include "predictions/single_game.h"

#include "core/number_format.h"
#include "predictions/prediction_rule.h"
#include "predictions/ratings.h"
#include "predictions/win_chance.h"

namespace tavix {
namespace {

// Column headings over the prediction lines; columns are 1-based.
std::string Heading(size_t predictionColumn, size_t overUnderColumn) {
    std::string heading = "            --  Teams  --";
    PadTo(heading, predictionColumn - 1);
    heading += "Prediction";
    PadTo(heading, overUnderColumn - 1);
    heading += "O/U";
    return heading;
}

}  // namespace

std::string PredictionsLoadHeading() { return Heading(59, 79); }
std::string PredictionsLoadRule() { return std::string(82, '-'); }
std::string PredictionsClearHeading() { return Heading(54, 72); }
std::string PredictionsClearRule() { return std::string(75, '-'); }

std::string TeamLabelCaption(const NBA& nba, int team) {
    if (ToLower(nba.TeamNames[team]) == "timberwolves") return nba.CityNames[team] + " Twolves";
    return nba.CityNames[team] + " " + nba.TeamNames[team];
}

std::string UpdateDateCaption(const NBA& nba) {
    return "Statistics were updated on " + PlainInteger(nba.UpdateMonth) + "/" + PlainInteger(nba.UpdateDay) +
           "/" + PlainInteger(nba.UpdateYear);
}

PrintScheme SinglePredictionsPrintScheme(const Date& today) {
    PrintScheme scheme;
    scheme.documentName = "Predictions";
    scheme.confirmText = "Ready to send Predictions to the Printer.";
    scheme.confirmTitle = "Tavix";
    scheme.headerLines = {" ", " ", "         Tavix Predictions      " + FormatDate(today), " "};
    scheme.headerSize = 18;
    scheme.bodySize = 10;
    scheme.margin = "       ";
    scheme.pageBreak.kind = PageBreakRule::Kind::None;
    scheme.selectedLinesRule = false;
    return scheme;
}

PredictionSession::PredictionSession() {
    list_ = {PredictionsLoadHeading(), PredictionsLoadRule()};
    chances_ = {"Chance", " "};
}

void PredictionSession::Clabel_Click(const NBA& nba, int t) {
    if (t < 1 || t >= kNameSlots) return;
    if (chosen_[t]) {
        gameBoxEnabled_ = false;
        if (teamsChosen_ == 1) {
            teamsChosen_ = 0;
            chosen_[t] = false;
            gameCaption_.clear();
            return;
        }
        // Un-choosing one of two teams starts the game again from the other one.
        if (teamsChosen_ == 2 && t == homeTeam_) {
            teamsChosen_ = 0;
            chosen_[t] = false;
            t = roadTeam_;
        } else if (teamsChosen_ == 2 && t == roadTeam_) {
            teamsChosen_ = 0;
            chosen_[t] = false;
            t = homeTeam_;
        }
    }
    if (teamsChosen_ == 2) return;
    chosen_[t] = true;
    ++teamsChosen_;
    if (teamsChosen_ == 1) {
        gameCaption_ = nba.CityNames[t] + " " + nba.TeamNames[t] + " at ";
        roadTeam_ = t;
    } else if (teamsChosen_ == 2) {
        gameCaption_ += nba.CityNames[t] + " " + nba.TeamNames[t];
        homeTeam_ = t;
        gameBoxEnabled_ = true;
    }
}

bool PredictionSession::Reverse(const NBA& nba) {
    if (!gameBoxEnabled_) return false;
    std::swap(roadTeam_, homeTeam_);
    // The caption says " at " also for a neutral-site game; the flag only changes the prediction.
    gameCaption_ = FullName(nba, roadTeam_) + " at " + FullName(nba, homeTeam_);
    return true;
}

bool PredictionSession::Predict(const NBA& nba, SeasonView view) {
    if (!gameBoxEnabled_) return false;
    gameBoxEnabled_ = false;
    chosen_[roadTeam_] = false;
    chosen_[homeTeam_] = false;
    gameCaption_.clear();
    teamsChosen_ = 0;
    const Ratings ratings = ComputeRatings(nba, view);
    list_.push_back(" ");
    const Prediction p = PredictGame(nba, ratings, roadTeam_, homeTeam_, neutral_, TotalPrecision::Single);
    list_.push_back(FormatPredictionLine(nba, roadTeam_, homeTeam_, neutral_, p));
    chances_.insert(chances_.end(), {" ", ChanceText(FavouriteChance(p))});
    neutral_ = false;
    return true;
}

bool PredictionSession::Remove(int index) {
    if (index < 3 || index >= static_cast<int>(list_.size())) return false;
    list_.erase(list_.begin() + index);
    chances_.erase(chances_.begin() + index);
    return true;
}

void PredictionSession::Clear() {
    list_ = {PredictionsClearHeading(), PredictionsClearRule()};
    chances_ = {"Chance", " "};
    gameCaption_.clear();
    teamsChosen_ = 0;
}

}  // namespace tavix
