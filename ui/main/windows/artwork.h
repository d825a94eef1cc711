#pragma once
// The program's own pictures, drawn with QPainter: the splash court, the idle window's emblem and
// the window icon (the picture buttons' glyphs are in platform/picture_buttons.h). Nothing here is copied
// art; everything scales to the size asked for.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tavix::art {

// The splash picture: a half court seen from above with a ball and the name "Tavix".
QPixmap SplashPicture(QSize size);
// A quiet court emblem for the idle main window.
QPixmap CourtEmblem(QSize size);

// The window icon: the ball on a court-coloured tile, in the usual icon sizes.
QIcon ProgramIcon();

}  // namespace tavix::art
