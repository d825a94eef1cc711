#include "platform/show_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLayout>
#include <QWidget>
#include <QWindow>

namespace tavix {

void ShowWindow(QWidget* window) {
    window->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

bool CanGrow(const QWidget* window) {
    return window->maximumWidth() > window->width() || window->maximumHeight() > window->height();
}

void BelongTo(QWidget* window, QWidget* owner) {
    // On X11 only a dialog-type window is marked as belonging to another (WM_TRANSIENT_FOR). A
    // parent widget would mark it too, but would pass the owner's disabled state on to it.
    // A layout that fixes the window's size does so when activated; it must have, to be seen.
    if (window->layout()) window->layout()->activate();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (CanGrow(window)) flags |= Qt::WindowMaximizeButtonHint;
    window->setWindowFlags(flags);
    QWidget* ownerWindow = owner->window();
    ownerWindow->winId();  // the native windows exist from here on, so they can be linked
    window->winId();
    window->windowHandle()->setTransientParent(ownerWindow->windowHandle());
}

}  // namespace tavix
