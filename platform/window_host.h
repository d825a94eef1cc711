#pragma once
// Opening and closing sub-windows, written once: the opener (the main window unless said otherwise)
// is disabled, or hidden, while the sub-window is open, and comes back when it closes.

class QWidget;

namespace tavix {

enum class OwnerWhileOpen { Disabled, Hidden };

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // Takes ownership of `window` (a parentless top-level widget): makes it belong to `owner`, the
    // main window when owner is null, so it stays above it; shows and enables it where it was last
    // left (else centred), wholly on the screen; then disables (or hides) the owner. Ending the program first
    // closes the open sub-windows, newest first, through their own leaving (SubWindow::Leave), which may ask
    // and keep the window open.
    virtual void OpenSubWindow(QWidget* window, QWidget* owner = nullptr,
                               OwnerWhileOpen mode = OwnerWhileOpen::Disabled) = 0;
    // Enables (or shows) the owner again, hides the window and unloads it (deleted later).
    virtual void CloseSubWindow(QWidget* window) = 0;
    // The hourglass pointer until the main window's waittimer ticks (600 ms).
    virtual void StartWait() = 0;
    virtual QWidget* MainWindow() = 0;
};

}  // namespace tavix
