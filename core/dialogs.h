#pragma once
// Message boxes that return the answer, the beep and today's date, as the logic sees them.

#include <string>

#include "core/number_format.h"

namespace tavix {

enum class Icon { None, Exclamation, Question, Information, Critical };
// SaveDiscardCancel asks what to do with unsaved work on the way out of a window.
enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };
enum class DefaultButton { First, Second };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer Show(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                        DefaultButton defaultButton = DefaultButton::First) = 0;
    virtual void Beep() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

inline bool IsPositive(Answer a) { return a == Answer::Ok || a == Answer::Yes; }

}  // namespace tavix
