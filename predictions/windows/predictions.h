#pragma once
// The single game predictions window (Statistics > Single Game Predictions).

#include <QWidget>
#include <array>
#include <memory>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "predictions/single_game.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tavix {

// Single game predictions: click the road team, then the home team, predict, and collect the
// lines in a list that can be trimmed, cleared and printed.
class predictions : public SubWindow {
    Q_OBJECT
  public:
    explicit predictions(AppContext& ctx);

    // A chosen team is shown in red, in bold and as a checked toggle to a screen reader; the red is
    // the one that keeps text readable on `background` (a light or a dark theme).
    static QColor ChosenColour(const QColor& background);

    const PredictionSession& Session() const { return session_; }

  protected:
    void Leave() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void Clabel_Click(int team);
    void Reversebutton_Click();
    void PredictButton_Click();
    void RemoveButton_Click();
    void ClearButton_Click();
    void PrintButton_Click();
    void DoneButton_Click();
    void InfoButton_Click();
    void AnnounceNewestLine();  // tells a screen reader what Predict added
    void ShowGameState();       // labels, game box and caption as the session has them
    void FillList();

    AppContext& ctx_;
    PredictionSession session_;
    bool swallowRelease_ = false;  // the release that ends a double click on a team label
    int longest_;                  // characters in the longest line the list has had

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, kNameSlots> Clabel{};  // 1..29
    QListWidget* List1 = nullptr;
    QListWidget* ChanceList = nullptr;  // the favourite's chance beside each line
    QFrame* gamebox = nullptr;
    QLabel* GameLabel = nullptr;
    QCheckBox* Neutralcheck = nullptr;
    QPushButton* Reversebutton = nullptr;
    QLabel* DateLabel = nullptr;
    QPushButton* PredictButton = nullptr;
    QToolButton* PrintButton = nullptr;
    QPushButton* RemoveButton = nullptr;
    QToolButton* ClearButton = nullptr;
    QToolButton* DoneButton = nullptr;
    QToolButton* InfoButton = nullptr;
};

}  // namespace tavix
