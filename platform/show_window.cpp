#include "platform/show_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tavix {

void ShowWindow(QWidget* window) {
    window->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

}  // namespace tavix
