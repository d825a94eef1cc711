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
class QScrollBar;
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
    void resizeEvent(QResizeEvent* event) override;
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
    void HScroll1_Change(int value);
    // How far (twips) the list must slide for a line of `characters` to show to its last column.
    int ShiftToShow(int characters) const;
    // How much wider (twips) than its classic width the list must be to show such a line whole.
    int WidthBeyondList(int characters) const;
    void FitListRange();   // the scroll range and the window's widest, for the longest line
    void ShowGameState();  // labels, game box and caption as the session has them
    void FillList();

    AppContext& ctx_;
    PredictionSession session_;
    int ScrollShift = 0;
    bool swallowRelease_ = false;
    int grown_ = 0;  // twips the list is wider than its classic width, as the window grew
    int longest_;  // characters in the longest line the list has had  // the release that ends a double click
                   // on a team label

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, kNameSlots> Clabel{};  // 1..29
    QWidget* listClip_ = nullptr;              // the list's visible area; the list slides inside it
    QListWidget* List1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
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
