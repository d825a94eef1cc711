#pragma once
// The settings window: the printer font (through the font chooser) and saving the settings.

#include <QToolButton>
#include <QWidget>
#include <string>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QPushButton;

namespace tavix {

// Saves the settings file and says so when it could not be written, or when a damaged one was
// kept aside first; both the OK button and the end of the program save this way.
void SaveSettingsAndTell(AppContext& ctx);
// The question when leaving with a printer font chosen and not saved (Save, Discard or Cancel).
std::string SettingsUnsavedText(const std::string& saved, const std::string& chosen);

class Settingsform : public SubWindow {
    Q_OBJECT
  public:
    explicit Settingsform(AppContext& ctx);

  protected:
    void Leave() override;

  private:
    void Form_Load();
    void Command1_Click();
    void InfoButton_Click();
    void OkButton_Click();

    AppContext& ctx_;
    std::string savedFont_;  // the printer font as last saved (or at opening)
    QPushButton* Command1 = nullptr;
    QToolButton* InfoButton = nullptr;
    QToolButton* OkButton = nullptr;
};

}  // namespace tavix
