#pragma once
#include <string>

namespace tavix {

// Opens the help at the topic of a keyword, or at its index search.
class HelpLauncher {
  public:
    virtual ~HelpLauncher() = default;
    virtual void ShowHelpTopic(const std::string& keyword) = 0;
    virtual void ShowHelpSearch() = 0;
};

// The help keywords used across the program.
namespace HelpKeyword {
inline const char Contents[] = "Contents";
inline const char Printing[] = "Printing Methods, Print area selection";
inline const char Settings[] = "Program Settings, Fonts";
inline const char Predictions[] = "Predictions, Handicapping";
inline const char Forecast[] = "Project season outcome";
inline const char Statistics[] = "Updating the Statistics";
inline const char PredictionRecord[] = "Prediction Record";
inline const char Replay[] = "Season replay";
inline const char Standings[] = "Standings";
inline const char Ratings[] = "Team ratings";
inline const char Rules[] = "Rules and information";
inline const char Addresses[] = "Team mailing addresses";
inline const char WebSites[] = "Recommended web sites";
inline const char Programming[] = "Programming information";
inline const char Keyboard[] = "Keyboard";
}  // namespace HelpKeyword

}  // namespace tavix
