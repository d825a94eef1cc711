#pragma once
// The picture buttons of every window and the small glyphs they show, drawn with QPainter so the
// program carries no borrowed art. A glyph is painted the first time its button is shown, at the
// size it is shown, so building a window costs nothing for pictures that stay hidden.

#include <QIcon>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;
class QToolButton;
class QWidget;

namespace tavix {

enum class Glyph {
    Calendar,   // a wall calendar: schedules
    Pencil,     // a pencil over a lined sheet: update the statistics
    Crystal,    // a ball on a stand with a question mark: predictions
    Podium,     // a winners' podium: standings
    Help,       // a white question mark on a blue disc
    Info,       // a white "i" on a blue disc: help on this window
    Globe,      // web sites
    Printer,    // print the list
    Diskette,   // save or record
    ClearList,  // a list page crossed out
    Tick,       // a green tick: keep what was chosen and close
    Door,       // a door standing open: close a reading window
    DoorOut,    // an open door with an arrow going out: close a working window
    WindowOut,  // an arrow leaving a window frame: close the forecast
    MoreMenus,  // two arrowheads pointing right: the menus a narrowed menu bar has no room for
    Warning,    // a black "!" in a yellow triangle: a message box's warning
    Stop,       // a white cross on a red disc: a message box's error
};

// How a basketball looks: shaded in orange, or faint and flat as a quiet backdrop.
enum class BallLook { Shaded, Faint };

// The one basketball of the program's pictures: the ball in `box` with its four seams.
void PaintBall(QPainter& p, const QRectF& box, BallLook look = BallLook::Shaded);

// An icon painted by `paint` when a size is first asked for, at that size (`side` pixels square),
// then kept. `sizes` are the sizes it offers up front, if any (a window icon wants some).
using IconPainter = void (*)(QPainter& p, int side);
QIcon PaintedIcon(IconPainter paint, QList<QSize> sizes = {});

QIcon GlyphIcon(Glyph glyph);

// A button with no text showing `glyph`, at `geometry` (pixels; see TwipsRect), with its tool
// tip, which is also its name for screen readers. The picture fills three quarters of the
// button's shorter side. Tab reaches it; Space, Enter and Return press it.
QToolButton* PictureButton(QWidget* parent, const char* objectName, Glyph glyph, const QString& toolTip,
                           QRect geometry);

// The same for a window laid out by a layout: the button keeps `size` (pixels; see TwipsSize), the
// size of its picture, whatever room the layout has.
QToolButton* PictureButton(QWidget* parent, const char* objectName, Glyph glyph, const QString& toolTip,
                           QSize size);

// The button of `window` that opens its help, as F1 does: a picture button with the "i" (help on
// this window) or, failing one, the question mark, on show and enabled. Null when there is none.
QToolButton* HelpButtonOf(QWidget* window);

// The same for a button whose window shows its words in a hint label of its own: a tool tip on
// top would say them a second time, so the words are only its name for screen readers.
QToolButton* HintedPictureButton(QWidget* parent, const char* objectName, Glyph glyph, const QString& hint,
                                 QRect geometry);

}  // namespace tavix
