#pragma once
// The font chooser: every font the printer can use, a sample of the chosen one, and the choice
// taken into the printer font setting when the window is closed with its done button.

#include <QToolButton>
#include <QWidget>
#include <functional>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tavix {

class Setfont : public SubWindow {
    Q_OBJECT
  public:
    // `fontSaved` is told when leaving saves the chosen font to the settings file.
    explicit Setfont(AppContext& ctx, std::function<void()> fontSaved = nullptr);

    // The font names offered, in the order the font system reports them, each family once by its
    // plain name (without the foundry the font system adds when two foundries ship it). Names
    // the 8-bit settings file cannot hold are left out, since they could not be kept.
    static QStringList PrinterFonts();

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void ShowCurrentFont(const QString& name);
    void List1_Click();
    void Command1_Click();
    void donebutton_Click();

    AppContext& ctx_;
    std::function<void()> fontSaved_;
    QListWidget* List1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* fontlabel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* donebutton = nullptr;
};

}  // namespace tavix
