#pragma once
// The larger pictures of the reference windows, drawn here so the program carries no borrowed art.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace tavix {

// A basketball on a court-coloured band with a title beside it.
QPixmap DrawBanner(QSize size, const QString& title, const QString& subtitle);

// A basketball resting on a wooden floor, for a framed picture.
QPixmap DrawBallPicture(QSize size);

// A basketball dropping toward a ring with its net, the rules window's emblem.
QPixmap RulesEmblem(QSize size);

}  // namespace tavix
