#pragma once
// The single game predictions window without its widgets: choosing the two teams, the list it
// builds, its headings, labels and print layout. The window mirrors this state on screen.

#include <array>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/league.h"
#include "core/print_list.h"

namespace tavix {

// Heading and rule the list starts with when the window opens.
std::string PredictionsLoadHeading();  // 81 characters: "Prediction" at 59, "O/U" at 79
std::string PredictionsLoadRule();     // 82 dashes
// The shorter pair a Clear leaves behind.
std::string PredictionsClearHeading();  // 74 characters: "Prediction" at 54, "O/U" at 72
std::string PredictionsClearRule();     // 75 dashes

// "City Nickname"; the narrow labels shorten Timberwolves to "Twolves".
std::string TeamLabelCaption(const NBA& nba, int team);
// "Statistics were updated on m/d/yyyy".
std::string UpdateDateCaption(const NBA& nba);

// Title block at 18 points with today's date, the whole list at 10 points behind seven blanks.
PrintScheme SinglePredictionsPrintScheme(const Date& today);

// Choosing a game by clicking team labels, predicting it and keeping the list. The session holds
// team numbers only; each call that names or predicts a team reads the league the window shows then.
class PredictionSession {
  public:
    PredictionSession();

    // A click on team label t (1..TeamCount). Clicking a chosen team un-chooses it; with two
    // chosen, the other one becomes the first choice of a new game; a third team is ignored.
    void Clabel_Click(const NBA& nba, int t);
    // Swaps road and home while a complete game is chosen; false (nothing done) otherwise.
    bool Reverse(const NBA& nba);
    // Appends a blank line and the prediction of the chosen game; false (the caller beeps) when
    // fewer than two teams are chosen.
    bool Predict(const NBA& nba, SeasonView view);
    // Removes list line `index` when it is a line below the heading, rule and first blank line.
    bool Remove(int index);
    // Clear asks first whenever the list holds more than one line.
    bool ClearNeedsQuestion() const { return list_.size() > 1; }
    // Starts the list afresh under the shorter heading; the team labels and the game box keep
    // their state, only the count of chosen teams restarts.
    void Clear();

    void SetNeutral(bool neutral) { neutral_ = neutral; }
    bool Neutral() const { return neutral_; }

    int TeamsChosen() const { return teamsChosen_; }
    int RoadTeam() const { return roadTeam_; }
    int HomeTeam() const { return homeTeam_; }
    bool GameBoxEnabled() const { return gameBoxEnabled_; }
    bool LabelChosen(int t) const { return t >= 0 && t < kNameSlots && chosen_[t]; }
    const std::string& GameCaption() const { return gameCaption_; }
    const std::vector<std::string>& List() const { return list_; }
    // The favourite's chance beside each list line ("Chance" beside the heading, " " elsewhere).
    const std::vector<std::string>& ChanceColumn() const { return chances_; }

  private:
    int teamsChosen_ = 0;
    int roadTeam_ = 0;
    int homeTeam_ = 0;
    bool gameBoxEnabled_ = false;
    bool neutral_ = false;
    std::array<bool, kNameSlots> chosen_{};  // the label shows light red
    std::string gameCaption_;
    std::vector<std::string> list_;
    std::vector<std::string> chances_;
};

}  // namespace tavix
