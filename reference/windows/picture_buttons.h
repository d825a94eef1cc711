#pragma once
// The small pictures on the reference windows' buttons and banners, drawn here so the program
// carries no borrowed art.

#include <QPixmap>
#include <QPushButton>
#include <QString>

namespace tavix {

enum class ButtonPicture { Info, Print, Done, Save, Close };

QPixmap DrawButtonPicture(ButtonPicture picture, QSize size);

// A button without text showing `picture`, at a place and size given in twips.
QPushButton* MakePictureButton(QWidget* parent, const char* objectName, ButtonPicture picture,
                               const QString& toolTip, double left, double top, double width, double height);

// A basketball on a court-coloured band with a title beside it.
QPixmap DrawBanner(QSize size, const QString& title, const QString& subtitle);

// A basketball resting on a wooden floor, for a framed picture.
QPixmap DrawBallPicture(QSize size);

}  // namespace tavix
