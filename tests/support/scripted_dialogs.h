#pragma once
// Message boxes that answer from a script and remember what they were asked; a clock that
// says what the test wants.

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/dialogs.h"

namespace tavix::testing {

struct ShownMessage {
    std::string text, title;
    Buttons buttons;
    Icon icon;
    DefaultButton defaultButton;
};

class ScriptedDialogs : public Dialogs {
  public:
    // Answers given in order; with none left, a box that offers a positive answer gets it,
    // unless strict is set, in which case an unexpected box is an error.
    std::deque<Answer> answers;
    bool strict = false;
    std::vector<ShownMessage> shown;
    int beeps = 0;

    Answer Show(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                DefaultButton defaultButton) override {
        shown.push_back({text, title, buttons, icon, defaultButton});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (strict) throw std::logic_error("unexpected message box: " + title + ": " + text);
        return buttons == Buttons::YesNo               ? Answer::Yes
               : buttons == Buttons::SaveDiscardCancel ? Answer::Save
                                                       : Answer::Ok;
    }
    void Beep() override { ++beeps; }
};

class FixedClock : public Clock {
  public:
    Date today{1999, 3, 14};
    Date Today() const override { return today; }
};

}  // namespace tavix::testing
