#pragma once
// The programming information window (File > Programming Information).

#include <QToolButton>
#include <QWidget>
#include <array>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tavix {

// Who makes Tavix, its licence and where to report a problem.
class programmers : public SubWindow {
    Q_OBJECT
  public:
    explicit programmers(AppContext& ctx);

    void Form_Load();
    void OkButton_Click();

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;  // the heading
    QFrame* Line1 = nullptr;
    std::array<QFrame*, 11> Panel3D3{};
    QToolButton* OkButton = nullptr;

  protected:
    void Leave() override;

  private:
    AppContext& ctx_;
};

}  // namespace tavix
