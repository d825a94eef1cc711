#pragma once
// What every window of the program shares: its title, its F1 topic, its margins, its place and size
// remembered from the last time, opening wholly on the screen, and leaving through its own command.

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QLayout;

namespace tavix {

// "<name> - Tavix": every window names itself first, so a task bar or a window list tells them apart.
QString WindowTitleFor(const QString& name);

// The margins and spacing of the windows' top layouts, the same in every window.
void UseWindowMargins(QLayout* layout);

// Where a window goes so that all of it, frame included, lies in `area`: moved in, and shrunk (never
// below `minimum`) when it is larger. `frame` is the window with its frame, `margins` the frame around
// the client area; the client geometry is returned.
QRect PlaceInside(const QRect& frame, const QMargins& margins, const QSize& minimum, const QRect& area);

// Moves and shrinks a top-level window so that it lies wholly inside its screen's available area.
void KeepOnScreen(QWidget* window);

// The file the windows' places and sizes are remembered in; while none is set (tests), nothing is
// remembered and nothing is written.
void SetWindowPlacesFile(const QString& path);
// Puts a window where it was last left; false when it has no remembered place.
bool RestorePlace(QWidget* window);
void RememberPlace(const QWidget* window);

class SubWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SubWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    void SetWindowName(const QString& name) { setWindowTitle(WindowTitleFor(name)); }
    void SetHelpTopic(const char* keyword);
    // A window that must stay one size: fixed at `size`, and its frame offers no maximise button.
    void KeepOneSize(const QSize& size);
    // Ctrl+P (the desktop's Print key) anywhere in the window presses `button`, while it can be pressed.
    void PrintWith(QAbstractButton* button);

  protected:
    // Leaving the window the way its own Done (Exit, OK...) does: the window may ask first, and may
    // stay open. The frame's close button and Esc come here.
    virtual void Leave() = 0;

    void closeEvent(QCloseEvent* event) final;
    void hideEvent(QHideEvent* event) override;
};

}  // namespace tavix
