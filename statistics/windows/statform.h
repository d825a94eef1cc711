#pragma once
// The statistics update window (Statistics > Update Statistics).

#include <QWidget>
#include <array>

#include "platform/app_context.h"
#include "platform/sub_window.h"
#include "statistics/stat_entry.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tavix {

// A pair of small arrow buttons stepping a value up and down, as the date parts use; `what` is the
// value they step, as a screen reader names them ("Next month", "Previous month").
class SpinArrows : public QWidget {
  public:
    SpinArrows(QWidget* parent, const char* name, const QString& what);
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
};

// NBA Team Statistics: the user types in each club's current record and scoring averages, walks
// through the clubs, sets the date of the figures and records them to the statistics file.
class statform : public SubWindow {
    Q_OBJECT
  public:
    explicit statform(AppContext& ctx);
    ~statform() override;

    int CurrentTeam() const { return CurrentTeam_; }
    // Whether any figure or the date differs from what was loaded or last recorded.
    bool ChangesDetected() const;

  protected:
    void Leave() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void Form_Load();
    void ShowTeam();  // name, the five fields
    void SetMoveCaptions();
    // One of the four typed figures of the shown club and the value the league holds for it.
    struct FigureField {
        QLineEdit* field;
        const char* what;
        bool count;
        double stored;
    };
    std::array<FigureField, 4> FigureFields() const;
    static std::string ShownText(const FigureField& f);
    TypedFigure ReadField(const FigureField& f) const;
    bool StoreTeamFields();  // false when a figure is refused; nothing is stored then
    void Refuse(QLineEdit* field, const std::string& message);
    EntryDate ShownDate() const;
    void ShowGamesAndPct();
    void teamupbutton_Click();
    void teamdnbutton_Click();
    void Field_Enter(QLineEdit* field);
    void monthspin_SpinUp();
    void monthspin_SpinDown();
    void Dayspin_SpinUp();
    void Dayspin_SpinDown();
    void Yearspin_SpinUp();
    void Yearspin_SpinDown();
    void RecordButton_Click() { Record(); }
    bool Record();  // false when a figure was refused or the file could not be written
    void Exitbutton_Click();
    void InfoButton_Click();
    void ShowMonth();

    AppContext& ctx_;
    int CurrentTeam_ = 1;
    int CurrentMonth = 1;
    int seasonGames_ = 0;
    char decimalPoint_ = '.';  // the user's own, taken besides '.'
    EntrySnapshot saved_;

    QLabel* Namelabel = nullptr;
    QPushButton* teamdnbutton = nullptr;
    QPushButton* teamupbutton = nullptr;
    QFrame* fieldpanel = nullptr;
    QLineEdit* wintext = nullptr;
    QLineEdit* losstext = nullptr;
    QLineEdit* tietext = nullptr;
    QLineEdit* GFtext = nullptr;
    QLineEdit* GAtext = nullptr;
    QLabel* gplabel = nullptr;
    QLabel* pctglabel = nullptr;
    QGroupBox* dateframe = nullptr;
    QLabel* Monthlabel = nullptr;
    QLabel* daylabel = nullptr;
    QLabel* yearlabel = nullptr;
    SpinArrows* monthspin = nullptr;
    SpinArrows* Dayspin = nullptr;
    SpinArrows* Yearspin = nullptr;
    QToolButton* RecordButton = nullptr;
    QToolButton* Exitbutton = nullptr;
    QToolButton* InfoButton = nullptr;
};

}  // namespace tavix
