#include "platform/program_keys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace tavix {

ProgramKeys::ProgramKeys(std::function<void(QWidget*)> help, std::function<void()> quit,
                         std::function<bool(QWidget*)> leave, std::function<bool(int)> step, QObject* parent)
    : QObject(parent),
      help_(std::move(help)),
      quit_(std::move(quit)),
      leave_(std::move(leave)),
      step_(std::move(step)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ProgramKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    // A message box waits for its own answer, and an open menu for its choice.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return false;
    // The keys are spelled out: not every desktop's key scheme names Ctrl+Q as quitting.
    const QKeyCombination pressed = key->keyCombination();
    if (pressed == QKeyCombination(Qt::Key_F1) || key->matches(QKeySequence::HelpContents)) {
        help_(static_cast<QWidget*>(watched)->window());
        return true;
    }
    if (pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Q) || key->matches(QKeySequence::Quit)) {
        quit_();
        return true;
    }
    if (pressed == QKeyCombination(Qt::Key_Escape)) return leave_(static_cast<QWidget*>(watched)->window());
    const bool typing = qobject_cast<QLineEdit*>(watched) || qobject_cast<QAbstractSpinBox*>(watched);
    for (const auto& [arrow, days] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}})
        if (pressed == QKeyCombination(Qt::ControlModifier, arrow) && !typing && step_) return step_(days);
    // Enter presses the focused text button, as Space does (picture buttons take Enter themselves):
    // the windows are not dialogs, where Qt would do it.
    auto* button = qobject_cast<QPushButton*>(watched);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && button && button->isEnabled() && button == button->window()->focusWidget() &&
        !button->isDefault()) {
        button->click();
        return true;
    }
    return false;
}

}  // namespace tavix
