#pragma once
// The program's own pictures, drawn with QPainter: the splash court, the tool button icons and
// the window icon. Nothing here is copied art; everything scales to the size asked for.

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QRectF;

namespace tavix::art {

// A basketball in `box`: orange ball, black seams.
void PaintBall(QPainter& p, const QRectF& box);
// The splash picture: a half court seen from above with a ball and the name "Tavix".
QPixmap SplashPicture(QSize size);
// A quiet court emblem for the idle main window.
QPixmap CourtEmblem(QSize size);

enum class Glyph { Calendar, Pencil, Crystal, Podium, Help, Globe, Printer, Info, Done };
// Icons are painted when first shown, at the size they are shown.
QIcon GlyphIcon(Glyph glyph);
// The window icon: the ball on a court-coloured tile, in the usual icon sizes.
QIcon ProgramIcon();

}  // namespace tavix::art
