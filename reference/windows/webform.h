#pragma once
// The recommended web sites window (Rules & Info > Recommended Web Sites).

#include <QToolButton>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QLabel;
class QPushButton;

namespace tavix {

// Recommended web sites: clicking an address puts it on the clipboard for pasting into a browser.
class webform : public SubWindow {
    Q_OBJECT
  public:
    explicit webform(AppContext& ctx);

    void Form_Load();
    void Label1_Click(int index);
    void Timer1_Timer();
    void donebutton_Click();

    QPushButton* Command1 = nullptr;  // the banner
    QLabel* Label2 = nullptr;         // the instruction
    QLabel* Label3 = nullptr;         // the "copied" notice
    std::map<int, QLabel*> Label1;    // 1..5 addresses, 16..20 site names
    std::unique_ptr<Timer> Timer1;
    QToolButton* donebutton = nullptr;

  protected:
    void Leave() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    AppContext& ctx_;
};

}  // namespace tavix
