#pragma once
// Message boxes and the beep on the desktop: a modal box with the title, text, icon and buttons
// the caller asks for, returning the button the user pressed.

#include <QString>
#include <string>

#include "core/dialogs.h"

class QWidget;

namespace tavix {

class QtDialogs : public Dialogs {
  public:
    // Boxes are centred over `parent` when given, else over the active window.
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Show(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                DefaultButton defaultButton = DefaultButton::First) override;
    void Beep() override;

  private:
    QWidget* parent_;
};

// The program's texts are Latin-1 and break lines with CR LF (some with LF CR); the box wants
// plain line feeds.
QString MessageText(const std::string& latin1);

}  // namespace tavix
