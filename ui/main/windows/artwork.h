#pragma once
// The program's own pictures, drawn with QPainter: the splash court, the idle window's emblem and
// the window icon (the picture buttons' glyphs are in platform/picture_buttons.h). Nothing here is copied
// art; everything scales to the size asked for.

#include <QIcon>
#include <QLabel>
#include <QSize>
#include <functional>

class QPainter;

namespace tavix::art {

// The splash picture: a half court seen from above with a ball and the name.
void PaintSplashPicture(QPainter& p, QSize size);
// A quiet court emblem for the idle main window.
void PaintCourtEmblem(QPainter& p, QSize size);

// A picture drawn straight onto the window whenever it is shown, so no copy of it is kept in
// memory; a pixmap set on the label (a simpler picture from disk) is shown instead. Screen readers
// read it as a picture showing `description`.
class PaintedLabel : public QLabel {
  public:
    using Painter = std::function<void(QPainter&, QSize)>;
    PaintedLabel(Painter paint, const QString& description, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter paint_;
};

// The window icon: the ball on a court-coloured tile, in the sizes window managers use; the
// program sets it once for all its windows.
QIcon ProgramIcon();

}  // namespace tavix::art
