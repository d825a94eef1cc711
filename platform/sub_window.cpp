#include "platform/sub_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <memory>

#include "platform/window_help.h"

namespace tavix {

namespace {

QString& PlacesFile() {
    static QString path;
    return path;
}

std::unique_ptr<QSettings> OpenPlaces() {
    if (PlacesFile().isEmpty()) return nullptr;
    return std::make_unique<QSettings>(PlacesFile(), QSettings::IniFormat);
}

QString PlaceKey(const QWidget* window) {
    QString name = QString::fromLatin1(window->metaObject()->className());
    name.remove(QStringLiteral("tavix::"));
    return QStringLiteral("windows/") + name;
}

}  // namespace

QString WindowTitleFor(const QString& name) { return name + QStringLiteral(" - Tavix"); }

void UseWindowMargins(QLayout* layout) {
    QStyle* style = layout->parentWidget() ? layout->parentWidget()->style() : nullptr;
    const int margin = style ? style->pixelMetric(QStyle::PM_LayoutLeftMargin) : 9;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(style ? style->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) : 6);
}

QRect PlaceInside(const QRect& frame, const QMargins& margins, const QSize& minimum, const QRect& area) {
    // The frame may not shrink below what the client area cannot do without.
    const QSize frameMinimum = minimum.grownBy(margins);
    const QSize size(std::max(std::min(frame.width(), area.width()), frameMinimum.width()),
                     std::max(std::min(frame.height(), area.height()), frameMinimum.height()));
    // Moved in from the right and bottom first, so that when it still cannot fit the title bar
    // and its buttons at the top left stay reachable.
    const int left = std::max(std::min(frame.left(), area.right() + 1 - size.width()), area.left());
    const int top = std::max(std::min(frame.top(), area.bottom() + 1 - size.height()), area.top());
    return QRect(QPoint(left, top), size).marginsRemoved(margins);
}

void KeepOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen || window->isMaximized() || window->isFullScreen()) return;
    const QRect client = window->geometry();
    QRect frame = window->frameGeometry();
    // Before the window manager has framed a new window its frame is not known; a title bar and
    // a thin border are allowed for so the title bar does not end up above the screen's top.
    if (frame == client && !(window->windowFlags() & Qt::FramelessWindowHint)) frame.adjust(-4, -30, 4, 4);
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect placed = PlaceInside(frame, margins, window->minimumSize(), screen->availableGeometry());
    // The client's geometry, not a move of the frame: before the window manager has framed the
    // window, a move places the client itself, and the title bar would land above the screen.
    if (placed != client) window->setGeometry(placed);
}

void SetWindowPlacesFile(const QString& path) { PlacesFile() = path; }

bool RestorePlace(QWidget* window) {
    const auto places = OpenPlaces();
    if (!places) return false;
    const QByteArray saved = places->value(PlaceKey(window)).toByteArray();
    return !saved.isEmpty() && window->restoreGeometry(saved);
}

void RememberPlace(const QWidget* window) {
    if (const auto places = OpenPlaces()) places->setValue(PlaceKey(window), window->saveGeometry());
}

SubWindow::SubWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void SubWindow::SetHelpTopic(const char* keyword) { SetHelpKeyword(this, keyword); }

void SubWindow::PrintWith(QAbstractButton* button) {
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible()) button->click();
    });
}

void SubWindow::KeepOneSize(const QSize& size) {
    setFixedSize(size);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void SubWindow::closeEvent(QCloseEvent* event) {
    // Closing is only ever asking: the window's own command decides, and closes it through the host.
    event->ignore();
    Leave();
}

void SubWindow::hideEvent(QHideEvent* event) {
    // The splash and windows only momentarily shown during loading are not remembered.
    if (isWindow() && !event->spontaneous() && windowType() != Qt::SplashScreen) RememberPlace(this);
    QWidget::hideEvent(event);
}

}  // namespace tavix
