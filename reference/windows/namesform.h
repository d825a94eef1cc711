#pragma once
// The city and team names editor (Edit > Edit Names & Locations).

#include <QToolButton>
#include <QWidget>
#include <array>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavix {

// The city and team names editor: every team's city and nickname in its division block, saved
// to the names file and into the league data on request.
class Namesform : public SubWindow {
    Q_OBJECT
  public:
    explicit Namesform(AppContext& ctx);

    void Form_Load();
    void savebutton_Click();
    void Infobutton_Click();
    void Command1_Click();
    // Whether a box holds a name other than the league's.
    bool NamesEdited() const;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;                    // Atlantic Division
    QLabel* Label3 = nullptr;                    // Central Division
    QLabel* Label4 = nullptr;                    // Midwest Division
    QLabel* Label6 = nullptr;                    // Pacific Division
    std::array<QLabel*, 2> Label7{};             // "Team name" over the nickname column
    std::array<QLineEdit*, kNameSlots> Text1{};  // city, teams 1..29
    std::array<QLineEdit*, kNameSlots> Text2{};  // nickname, teams 1..29
    QToolButton* Infobutton = nullptr;
    QToolButton* savebutton = nullptr;
    QToolButton* Command1 = nullptr;

  protected:
    void Leave() override;

  private:
    // Checks the boxes and saves them, asking first when `ask` is set; false when nothing was saved.
    bool SaveEdits(bool ask);
    QLineEdit* MakeNameBox(QWidget* frame, const char* array, int team);
    AppContext& ctx_;
};

}  // namespace tavix
