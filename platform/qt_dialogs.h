#pragma once
// Message boxes and the beep on the desktop: a modal box with the title, text, icon and buttons
// the caller asks for, returning the button the user pressed.

#include <QString>
#include <functional>
#include <string>

#include "core/dialogs.h"

class QWidget;

namespace tavix {

class QtDialogs : public Dialogs {
  public:
    // A box belongs to `parent` when given; else to the window `workingWindow` names (the
    // sub-window the user works in, while one is open); else to the active window. It stands
    // above the window it belongs to and is centred over it.
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void SetWorkingWindow(std::function<QWidget*()> workingWindow) {
        workingWindow_ = std::move(workingWindow);
    }

    Answer Show(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                DefaultButton defaultButton = DefaultButton::First) override;
    void Beep() override;

  private:
    QWidget* Owner() const;

    QWidget* parent_;
    std::function<QWidget*()> workingWindow_;
};

// The program's texts are Latin-1 and break lines with CR LF (some with LF CR); the box wants
// plain line feeds.
QString MessageText(const std::string& latin1);

}  // namespace tavix
