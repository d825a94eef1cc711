#pragma once
// The keys that work in every window of the program: F1 opens the help of the window the key was
// pressed in, Ctrl+Q ends the program, Esc leaves the sub-window it was pressed in (the leave
// callback says whether the window was one), Enter presses the focused text button, Ctrl+Left and Ctrl+Right
// step a season replay's day (the step callback says whether a replay took it; a text field keeps them for
// its words). Watching the whole
// application, they reach a window whose controls are disabled as well; a message box on show keeps its keys
// to itself.

#include <QObject>
#include <functional>

class QWidget;

namespace tavix {

class ProgramKeys : public QObject {
  public:
    ProgramKeys(std::function<void(QWidget* window)> help, std::function<void()> quit,
                std::function<bool(QWidget* window)> leave, std::function<bool(int days)> step,
                QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(QWidget*)> help_;
    std::function<void()> quit_;
    std::function<bool(QWidget*)> leave_;
    std::function<bool(int)> step_;
};

}  // namespace tavix
