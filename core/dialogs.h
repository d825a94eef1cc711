#pragma once
// Message boxes that return the answer, the beep and today's date, as the logic sees them.

#include <functional>
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

// Asks Save / Discard / Cancel about unsaved work before a window goes. Save runs `save`, whose
// answer says whether the window may go now (false when the save failed, or when it closed the
// window itself); Discard runs `discard`; Cancel keeps everything. True when the caller closes.
inline bool MayLeave(Dialogs& dialogs, const std::string& question, const std::string& title,
                     const std::function<bool()>& save, const std::function<void()>& discard = {}) {
    switch (dialogs.Show(question, title, Buttons::SaveDiscardCancel, Icon::Question)) {
        case Answer::Save:
            return save();
        case Answer::Discard:
            if (discard) discard();
            return true;
        default:
            return false;
    }
}

}  // namespace tavix
