#pragma once
// The settings window: the printer font (through the font chooser) and saving the settings.

#include <QToolButton>
#include <QWidget>

#include "platform/app_context.h"

class QPushButton;

namespace tavix {

class Settingsform : public QWidget {
    Q_OBJECT
  public:
    explicit Settingsform(AppContext& ctx);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void Command1_Click();
    void InfoButton_Click();
    void OkButton_Click();

    AppContext& ctx_;
    QPushButton* Command1 = nullptr;
    QToolButton* InfoButton = nullptr;
    QToolButton* OkButton = nullptr;
};

}  // namespace tavix
