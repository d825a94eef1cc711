#pragma once
// The team mailing addresses window (Rules & Info > Team Mailing Addresses).

#include <QToolButton>
#include <QWidget>

#include "platform/app_context.h"
#include "platform/sub_window.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace tavix {

// The team addresses: a fixed, read-only list of the clubs that prints whole.
class Addresses : public SubWindow {
    Q_OBJECT
  public:
    explicit Addresses(AppContext& ctx);

    void Form_Load();
    void List1_Click();
    void Printbutton_Click();
    void Donebutton_Click();

    QFrame* Panel3D1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* NoteLabel = nullptr;  // says what is not on file
    QToolButton* Printbutton = nullptr;
    QToolButton* Donebutton = nullptr;

  protected:
    void Leave() override;

  private:
    AppContext& ctx_;
};

}  // namespace tavix
